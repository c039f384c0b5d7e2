#include "core/Records.h"

#include "core/File.h"
#include "core/PlayClock.h"
#include "core/PuzzleBoard.h"
#include "core/StoredTextList.h"
#include "core/Texts.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

constexpr const char *SolvedKey = "Solved";
constexpr const char *BestMovesKey = "BestMoves";
constexpr const char *BestWrongMovesKey = "BestWrongMoves";
constexpr const char *BestTimeKey = "BestTime";
constexpr const char *LastSolvedKey = "LastSolved";
constexpr const char *FlippedSuffix = " flipped";

bool parseGridCount(const std::string &text, int32_t &count)
{
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return false;
    count = std::stoi(text);
    return count >= 1 && count <= MaxGridSize;
}

// Section names are looked up without regard to ASCII case, so they clash the same way.
std::string folded(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool readNumber(const TMemIniFile &document, const std::string &section, const char *key,
    int32_t minimum, int32_t &value)
{
    if (!document.ValueExists(section, key))
        return false;
    return TryTextToInteger(document.ReadString(section, key, {}), value) && value >= minimum;
}

bool readRecord(const TMemIniFile &document, const std::string &section, TRecord &record)
{
    return ParseRecordSectionName(section, record.Key)
        && readNumber(document, section, SolvedKey, 1, record.Solved)
        && readNumber(document, section, BestMovesKey, 0, record.Best.Moves)
        && readNumber(document, section, BestWrongMovesKey, 0, record.Best.WrongMoves)
        && readNumber(document, section, BestTimeKey, 0, record.Best.Seconds)
        && document.ValueExists(section, LastSolvedKey)
        && !(record.LastSolved = document.ReadString(section, LastSolvedKey, {})).empty();
}

std::string joined(const std::vector<std::string> &parts)
{
    std::string text;
    for (const std::string &part : parts)
        text += (text.empty() ? std::string() : TR("Records", ", ")) + part;
    return text;
}

} // namespace

std::string RecordSectionName(const TRecordKey &key)
{
    return key.Picture + " " + std::to_string(key.Columns) + "x" + std::to_string(key.Rows)
        + (key.Flipped ? FlippedSuffix : "");
}

bool ParseRecordSectionName(const std::string &name, TRecordKey &key)
{
    std::string rest = name;
    TRecordKey parsed;
    if (rest.ends_with(FlippedSuffix)) {
        parsed.Flipped = true;
        rest.resize(rest.size() - std::string(FlippedSuffix).size());
    }
    const size_t blank = rest.rfind(' ');
    if (blank == std::string::npos || blank == 0)
        return false;
    const std::string grid = rest.substr(blank + 1);
    const size_t times = grid.find('x');
    if (times == std::string::npos || !parseGridCount(grid.substr(0, times), parsed.Columns)
        || !parseGridCount(grid.substr(times + 1), parsed.Rows))
        return false;
    parsed.Picture = rest.substr(0, blank);
    key = std::move(parsed);
    return true;
}

TRecordNews AddResult(TRecord &record, const TGameResult &result, const std::string &solvedAt)
{
    TRecordNews news;
    const bool first = record.Solved <= 0;
    news.Moves = first || result.Moves < record.Best.Moves;
    news.WrongMoves = first || result.WrongMoves < record.Best.WrongMoves;
    news.Time = first || result.Seconds < record.Best.Seconds;
    if (news.Moves)
        record.Best.Moves = result.Moves;
    if (news.WrongMoves)
        record.Best.WrongMoves = result.WrongMoves;
    if (news.Time)
        record.Best.Seconds = result.Seconds;
    record.Solved = first ? 1 : record.Solved + (record.Solved < INT32_MAX ? 1 : 0);
    record.LastSolved = solvedAt;
    return news;
}

std::vector<std::string> RecordLines(const TRecord &record, const TRecordNews &news)
{
    std::vector<std::string> beaten;
    std::vector<std::string> standing;
    auto sort = [&](bool isNew, std::string text) {
        (isNew ? beaten : standing).push_back(std::move(text));
    };
    sort(news.Moves, TR_N("Records", "%n moves", "in a record", record.Best.Moves));
    sort(news.WrongMoves, TR_N("Records", "%n wrong moves", "in a record", record.Best.WrongMoves));
    sort(news.Time, PlayingTimeText(record.Best.Seconds));
    std::vector<std::string> lines;
    if (!beaten.empty())
        lines.push_back(FormatText(TR("Records", "New record: %1."), {joined(beaten)}));
    if (!standing.empty())
        lines.push_back(FormatText(TR("Records", "Your best: %1."), {joined(standing)}));
    return lines;
}

// ---- TRecordBook -------------------------------------------------------------------------------

TRecordBook::TRecordBook(std::unique_ptr<TMemIniFile> document) : document(std::move(document)) { }

TRecordBook::~TRecordBook() = default;

bool TRecordBook::Readable(const TMemIniFile &document)
{
    std::set<std::string> names;
    for (const TIniSection &section : document.Sections()) {
        TRecord record;
        if (!names.insert(folded(section.Name)).second
            || !readRecord(document, section.Name, record))
            return false;
    }
    return true;
}

std::vector<TRecord> TRecordBook::Records() const
{
    std::vector<TRecord> records;
    int32_t order = 0;
    for (const TIniSection &section : document->Sections()) {
        TRecord record;
        if (readRecord(*document, section.Name, record)) {
            record.Order = order;
            records.push_back(std::move(record));
        }
        ++order;
    }
    return records;
}

TRecordNews TRecordBook::Add(
    const TRecordKey &key, const TGameResult &result, const std::string &solvedAt, TRecord &record)
{
    const std::string name = RecordSectionName(key);
    record = TRecord {};
    std::vector<std::string> lines;
    if (document->SectionExists(name)) {
        for (const TIniSection &section : document->Sections())
            if (folded(section.Name) == folded(name)) {
                lines = section.Lines;
                break;
            }
        // What cannot be read counts as no record: the result starts it afresh.
        if (!readRecord(*document, name, record))
            record = TRecord {};
    }
    record.Key = key;
    const TRecordNews news = AddResult(record, result, solvedAt);
    // Written again at the end, where the most recent record stands, with its own lines in their
    // places.
    document->EraseSection(name);
    for (const std::string &line : lines) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos && equals > 0)
            document->WriteString(name, line.substr(0, equals), line.substr(equals + 1));
    }
    document->WriteInteger(name, SolvedKey, record.Solved);
    document->WriteInteger(name, BestMovesKey, record.Best.Moves);
    document->WriteInteger(name, BestWrongMovesKey, record.Best.WrongMoves);
    document->WriteInteger(name, BestTimeKey, record.Best.Seconds);
    document->WriteString(name, LastSolvedKey, record.LastSolved);
    record.Order = static_cast<int32_t>(document->Sections().size()) - 1;
    return news;
}

void TRecordBook::Remove(const std::vector<TRecordKey> &keys)
{
    for (const TRecordKey &key : keys)
        document->EraseSection(RecordSectionName(key));
}

void TRecordBook::Save() const
{
    document->UpdateFile();
}

std::string KeptDamagedFileName(
    const std::string &path, const std::function<bool(const std::string &path)> &exists)
{
    const std::string base = ChangeFileExtension(path, "");
    const std::string extension = GetFileExtension(path);
    for (int number = 1;; ++number) {
        const std::string candidate = base + ".damaged"
            + (number == 1 ? std::string() : "-" + std::to_string(number)) + extension;
        if (!exists(candidate))
            return candidate;
    }
}
