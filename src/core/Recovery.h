#pragma once
// The recovery file of the game in play: an ordinary game file, written after every change of the
// board, with a section of its own for what a game file does not hold. It is written on a thread
// of its own, so that the player never waits for the disk.

#include "core/GameFile.h"
#include "core/MyTime.h"
#include "core/PuzzleBoard.h"
#include "core/StoredTextList.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

inline constexpr const char *RecoverySection = "MosavoRecovery";

// What the window shows of the game besides the game file's keys.
struct TRecoveryInfo
{
    // The game file that Save game proposes: the one the game was loaded from or last saved to.
    // Empty for a game started from a picture and never saved.
    std::string GameFile;
    // The title that the caption names after "Mosavo - "; empty for the caption "Mosavo".
    std::string Caption;
    bool Modified = false;

    bool operator==(const TRecoveryInfo &) const = default;
};

// The whole text of a recovery file: the game as Save game writes it afresh, then the section of
// the recovery.
std::string RecoveryText(
    const TPuzzleBoard &board, const TWindowSettings &window, const TRecoveryInfo &info);
// Writes the recovery section, after the game's own.
void WriteRecoveryInfo(TStoredTextList &list, const TRecoveryInfo &info);
// Reads the recovery section; keys that are missing keep the values of `info`.
void ReadRecoveryInfo(const TStoredTextList &list, TRecoveryInfo &info);

// Where a recovery file that could not be restored is kept: "Recovery-YYYYMMDD-HHMMSS.mzg" in its
// folder, with "-2", "-3"... after the time from the second attempt on.
std::string KeptRecoveryName(
    const std::string &recoveryFile, const TDateTimeParts &moment, int attempt = 1);

// One file that a thread of its own writes whole or removes, always to the latest request: a
// request that has not started yet is replaced by the next one, so that a later content never
// loses to an earlier one and bursts of requests cost one write.
class TBackgroundFile
{
public:
    explicit TBackgroundFile(std::string fileName);
    // Carries out the last request, then ends the thread.
    ~TBackgroundFile();
    TBackgroundFile(const TBackgroundFile &) = delete;
    TBackgroundFile &operator=(const TBackgroundFile &) = delete;

    const std::string &FileName() const { return fileName; }
    void Write(std::string text);
    void Remove();
    // Returns once every request made so far has been carried out.
    void Wait();
    // The failure of a request carried out since the last call; nothing when none failed.
    std::optional<TWholeFileFailure> TakeFailure();

private:
    struct TRequest
    {
        bool Remove = false;
        std::string Text;
    };

    void request(TRequest next);
    void run();
    std::optional<TWholeFileFailure> carryOut(const TRequest &request) const;

    const std::string fileName;
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<TRequest> pending;
    bool busy = false;
    bool stopping = false;
    std::optional<TWholeFileFailure> failure;
    // Started by the first request.
    std::thread worker;
};
