#pragma once
// The player's best results, one record per picture and grid: "Records.ini" beside the options
// file. A section is named by the picture's full path, a blank and the grid in play ("12x9"), with
// " flipped" after the grid for a game shuffled with mirrored pieces, which is a challenge of its
// own. Each best is kept on its own: the fewest moves, the fewest wrong moves, the shortest time.
// Sections stand in the order of solving, the most recent last.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMemIniFile;

inline constexpr const char *RecordsFileName = "Records.ini";

struct TGameResult
{
    int32_t Moves = 0;
    int32_t WrongMoves = 0;
    int32_t Seconds = 0;
};

// What a record is about.
struct TRecordKey
{
    std::string Picture;
    int32_t Columns = 0;
    int32_t Rows = 0;
    bool Flipped = false;
};

struct TRecord
{
    TRecordKey Key;
    int32_t Solved = 0;
    TGameResult Best;
    std::string LastSolved;
    // The section's place in the file: a record solved later has a greater one.
    int32_t Order = 0;
};

// Which bests a new result has beaten; a first solve beats them all, a tie beats none.
struct TRecordNews
{
    bool Moves = false;
    bool WrongMoves = false;
    bool Time = false;

    bool Any() const { return Moves || WrongMoves || Time; }
};

std::string RecordSectionName(const TRecordKey &key);
// False for a name that is not a record's.
bool ParseRecordSectionName(const std::string &name, TRecordKey &key);

// Counts the solve, keeps each best that the result beats and the time of solving.
TRecordNews AddResult(TRecord &record, const TGameResult &result, const std::string &solvedAt);

// The panel's words on a solved game: "New record: 41 moves." for the bests beaten, then
// "Your best: 38 moves, 2 wrong moves, 3:50." for those that stand; one or two lines.
std::vector<std::string> RecordLines(const TRecord &record, const TRecordNews &news);

// The records as the file holds them. Keys a section holds beside the record's own survive a
// change of that record.
class TRecordBook
{
public:
    // Takes the document read from the records file (or an empty one for a new file).
    explicit TRecordBook(std::unique_ptr<TMemIniFile> document);
    ~TRecordBook();

    // Whether the document can be read as records: every section is named as a record, names
    // occur once, and every record holds its numbers and its time of solving.
    static bool Readable(const TMemIniFile &document);

    // In the order of the file, the most recent last.
    std::vector<TRecord> Records() const;
    // Counts the result for `key`, whose record becomes the most recent; gives the record as it
    // now stands and the news.
    TRecordNews Add(const TRecordKey &key, const TGameResult &result, const std::string &solvedAt,
        TRecord &record);
    void Remove(const std::vector<TRecordKey> &keys);
    // Writes the whole file, or leaves it as it was and raises.
    void Save() const;

    TMemIniFile &Document() { return *document; }

private:
    std::unique_ptr<TMemIniFile> document;
};

// A name beside `path` that nothing has yet, for keeping a file that cannot be read:
// "Records.damaged.ini", else "Records.damaged-2.ini", ...
std::string KeptDamagedFileName(
    const std::string &path, const std::function<bool(const std::string &path)> &exists);
