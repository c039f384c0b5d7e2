#include "core/Recovery.h"

#include "core/File.h"
#include "core/SystemFile.h"
#include "core/Texts.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr const char *GameFileKey = "GameFile";
constexpr const char *CaptionKey = "Caption";
constexpr const char *ModifiedKey = "Modified";

std::string twoDigits(int32_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(value % 100));
    return text;
}

} // namespace

std::string RecoveryText(
    const TPuzzleBoard &board, const TWindowSettings &window, const TRecoveryInfo &info)
{
    TStoredTextList list; // no file: a fresh document in memory
    list.Load();
    WriteGame(list, board, window);
    WriteRecoveryInfo(list, info);
    return list.Document()->GetText();
}

void WriteRecoveryInfo(TStoredTextList &list, const TRecoveryInfo &info)
{
    list.WriteText(RecoverySection, GameFileKey, info.GameFile);
    list.WriteText(RecoverySection, CaptionKey, info.Caption);
    list.WriteFlag(RecoverySection, ModifiedKey, info.Modified);
}

void ReadRecoveryInfo(const TStoredTextList &list, TRecoveryInfo &info)
{
    list.ReadText(RecoverySection, GameFileKey, true, info.GameFile, MaxPathTextLength);
    list.ReadText(RecoverySection, CaptionKey, true, info.Caption, MaxPathTextLength);
    list.ReadFlag(RecoverySection, ModifiedKey, info.Modified);
}

std::string KeptRecoveryName(
    const std::string &recoveryFile, const TDateTimeParts &moment, int attempt)
{
    std::string name = "Recovery-" + std::to_string(moment.Year) + twoDigits(moment.Month)
        + twoDigits(moment.Day) + "-" + twoDigits(moment.Hour) + twoDigits(moment.Minute)
        + twoDigits(moment.Second);
    if (attempt > 1)
        name += "-" + std::to_string(attempt);
    return GetFileDir(recoveryFile) + name + GameFileExtension;
}

// ---- TBackgroundFile ----------------------------------------------------------------------------

TBackgroundFile::TBackgroundFile(std::string fileName) : fileName(std::move(fileName)) { }

TBackgroundFile::~TBackgroundFile()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    if (worker.joinable())
        worker.join();
}

void TBackgroundFile::Write(std::string text)
{
    request({false, std::move(text)});
}

void TBackgroundFile::Remove()
{
    request({true, {}});
}

void TBackgroundFile::request(TRequest next)
{
    {
        const std::lock_guard lock(mutex);
        pending = std::move(next);
        if (!worker.joinable())
            worker = std::thread([this] { run(); });
    }
    changed.notify_all();
}

void TBackgroundFile::Wait()
{
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return !pending && !busy; });
}

std::optional<TWholeFileFailure> TBackgroundFile::TakeFailure()
{
    const std::lock_guard lock(mutex);
    return std::exchange(failure, std::nullopt);
}

void TBackgroundFile::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return pending || stopping; });
        if (!pending)
            return;
        const TRequest next = std::move(*pending);
        pending.reset();
        busy = true;
        lock.unlock();
        std::optional<TWholeFileFailure> outcome = carryOut(next);
        lock.lock();
        busy = false;
        if (outcome)
            failure = std::move(outcome);
        changed.notify_all();
    }
}

std::optional<TWholeFileFailure> TBackgroundFile::carryOut(const TRequest &request) const
{
    if (!request.Remove)
        return WriteWholeFile(fileName, request.Text);
    std::error_code ec;
    std::filesystem::remove(SystemPath(fileName), ec);
    if (ec)
        return TWholeFileFailure {
            TR("Error", "Failed to delete file."), {}, static_cast<uint32_t>(ec.value())};
    return std::nullopt;
}
