#include "platform/InstanceChannel.h"

#include "platform/Program.h"
#include "platform/win32/WideText.h"

#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include <windows.h>

#include <sddl.h>

namespace {

// A file name is far shorter; a longer text is no text of ours.
constexpr std::size_t MaxTextLength = 65536;
// A sender writes its whole text at once; one that stalls is dropped, not waited for.
constexpr DWORD TransferTimeoutMs = 2000;
// How long a sender waits for the instance to finish with an earlier sender.
constexpr auto BusyPatience = std::chrono::seconds(2);

// A handle closed when it goes.
class TUniqueHandle
{
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(HANDLE handle)
        : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle)
    { }
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(const TUniqueHandle &) = delete;
    TUniqueHandle &operator=(const TUniqueHandle &) = delete;
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != nullptr; }
    HANDLE Release()
    {
        HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void Reset(HANDLE handle = nullptr)
    {
        if (handle_)
            CloseHandle(handle_);
        handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// Texts that arrived before anyone listened, and the listener once there is one.
struct TInbox
{
    std::mutex Mutex;
    std::deque<std::string> Waiting;
    std::function<void(const std::string &)> Receive;
};

// The one pipe instance is served by a thread from the moment the channel opens: a sender is
// never kept waiting for the program to start listening, and what it sent waits in the inbox.
struct TChannel
{
    TUniqueHandle Pipe;
    TUniqueHandle Stop;
    // Set when a listener arrives, so that the waiting texts go to it at once.
    TUniqueHandle Listen;
    TInbox Inbox;
    std::thread Serving;
};

TChannel channel;

// The SID of the user that `process` runs as, as text; empty when it cannot be had.
std::wstring processUserSid(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    const TUniqueHandle tokenHandle(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        return {};
    wchar_t *text = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text))
        return {};
    const std::wstring sid(text);
    LocalFree(text);
    return sid;
}

// So that two users' pipes never share a name.
const std::wstring &userSid()
{
    static const std::wstring sid = processUserSid(GetCurrentProcess());
    return sid;
}

// Pipe names are one namespace for the whole machine: another user could have made a pipe of
// this name first, and must not learn which file this user opens.
bool servedByThisUser(HANDLE pipe)
{
    ULONG serverId = 0;
    if (!GetNamedPipeServerProcessId(pipe, &serverId))
        return false;
    const TUniqueHandle server(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, serverId));
    return server.Valid() && !userSid().empty() && processUserSid(server.Get()) == userSid();
}

// Per user and per session, as the instance mutex is per session.
std::wstring pipeName(const std::string &name)
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return L"\\\\.\\pipe\\" + Widen(ProgramInstanceLockPath(name)) + L"-" + userSid() + L"-"
        + std::to_wstring(session);
}

void deliverWaiting(TInbox &inbox)
{
    while (true) {
        std::string text;
        {
            const std::lock_guard lock(inbox.Mutex);
            if (!inbox.Receive || inbox.Waiting.empty())
                return;
            text = std::move(inbox.Waiting.front());
            inbox.Waiting.pop_front();
        }
        inbox.Receive(text);
    }
}

// Waits for the overlapped operation on `pipe`; false when `stop` came first or the time ran
// out, the operation then being cancelled and finished.
bool finish(HANDLE pipe, OVERLAPPED &overlapped, HANDLE stop, DWORD timeoutMs, DWORD &count)
{
    const HANDLE events[] = {overlapped.hEvent, stop};
    const DWORD woke = WaitForMultipleObjects(2, events, FALSE, timeoutMs);
    if (woke != WAIT_OBJECT_0) {
        CancelIo(pipe);
        GetOverlappedResult(pipe, &overlapped, &count, TRUE);
        return false;
    }
    return GetOverlappedResult(pipe, &overlapped, &count, FALSE) != 0;
}

// The whole text up to the sender's closing; false when it breaks off, stalls or is too long.
bool readText(HANDLE pipe, HANDLE stop, HANDLE event, std::string &text)
{
    char buffer[4096];
    while (true) {
        OVERLAPPED overlapped {};
        overlapped.hEvent = event;
        DWORD count = 0;
        bool done = ReadFile(pipe, buffer, sizeof buffer, &count, &overlapped) != 0;
        if (!done) {
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE)
                return true;
            if (error != ERROR_IO_PENDING && error != ERROR_MORE_DATA)
                return false;
            done = finish(pipe, overlapped, stop, TransferTimeoutMs, count);
            if (!done && GetLastError() == ERROR_BROKEN_PIPE)
                return true;
            if (!done)
                return false;
        }
        if (text.size() + count > MaxTextLength)
            return false;
        text.append(buffer, count);
    }
}

enum class TWait { Connected, Failed, Stopped };

// Waits for a sender on the pipe, handing waiting texts to a listener that arrives meanwhile.
TWait awaitSender(HANDLE pipe, HANDLE stop, HANDLE listen, HANDLE event, TInbox &inbox)
{
    OVERLAPPED overlapped {};
    overlapped.hEvent = event;
    if (ConnectNamedPipe(pipe, &overlapped))
        return TWait::Connected;
    const DWORD error = GetLastError();
    // A sender came before this call; one that has even written and gone already (no data
    // left to connect with) still left its text in the pipe.
    if (error == ERROR_PIPE_CONNECTED || error == ERROR_NO_DATA)
        return TWait::Connected;
    if (error != ERROR_IO_PENDING)
        return TWait::Failed;
    while (true) {
        const HANDLE events[] = {event, stop, listen};
        const DWORD woke = WaitForMultipleObjects(3, events, FALSE, INFINITE);
        if (woke == WAIT_OBJECT_0 + 2) {
            deliverWaiting(inbox);
            continue;
        }
        DWORD ignored = 0;
        if (woke != WAIT_OBJECT_0) {
            CancelIo(pipe);
            GetOverlappedResult(pipe, &overlapped, &ignored, TRUE);
            return TWait::Stopped;
        }
        return GetOverlappedResult(pipe, &overlapped, &ignored, FALSE) ? TWait::Connected
                                                                       : TWait::Failed;
    }
}

void serve(HANDLE pipe, HANDLE stop, HANDLE listen, TInbox &inbox)
{
    const TUniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event.Valid())
        return;
    while (true) {
        const TWait wait = awaitSender(pipe, stop, listen, event.Get(), inbox);
        if (wait == TWait::Stopped)
            return;
        std::string text;
        const bool whole = wait == TWait::Connected && readText(pipe, stop, event.Get(), text);
        // Ready for the next sender; after a failure, a pause keeps this from spinning.
        DisconnectNamedPipe(pipe);
        if (whole && !text.empty()) {
            const std::lock_guard lock(inbox.Mutex);
            inbox.Waiting.push_back(std::move(text));
        }
        deliverWaiting(inbox);
        if (WaitForSingleObject(stop, wait == TWait::Failed ? 50 : 0) == WAIT_OBJECT_0)
            return;
    }
}

} // namespace

bool OpenInstanceChannel(const std::string &name)
{
    CloseInstanceChannel();
    // The first instance of the name only: a pipe that someone made before us is not ours to
    // serve. The default security lets only this user (besides the system and administrators)
    // write to it; other users may at most read, and a reader gets nothing from an inbound pipe.
    TUniqueHandle pipe(CreateNamedPipeW(pipeName(name).c_str(),
        PIPE_ACCESS_INBOUND | FILE_FLAG_FIRST_PIPE_INSTANCE | FILE_FLAG_OVERLAPPED,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0,
        MaxTextLength, 0, nullptr));
    TUniqueHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    TUniqueHandle listen(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!pipe.Valid() || !stop.Valid() || !listen.Valid())
        return false;
    channel.Pipe.Reset(pipe.Release());
    channel.Stop.Reset(stop.Release());
    channel.Listen.Reset(listen.Release());
    channel.Serving = std::thread(serve, channel.Pipe.Get(), channel.Stop.Get(),
        channel.Listen.Get(), std::ref(channel.Inbox));
    return true;
}

void ListenOnInstanceChannel(std::function<void(const std::string &text)> receive)
{
    if (!channel.Serving.joinable())
        return;
    {
        const std::lock_guard lock(channel.Inbox.Mutex);
        if (channel.Inbox.Receive)
            return;
        channel.Inbox.Receive = std::move(receive);
    }
    SetEvent(channel.Listen.Get());
}

void CloseInstanceChannel()
{
    if (channel.Serving.joinable()) {
        SetEvent(channel.Stop.Get());
        channel.Serving.join();
    }
    channel.Pipe.Reset();
    channel.Stop.Reset();
    channel.Listen.Reset();
    const std::lock_guard lock(channel.Inbox.Mutex);
    channel.Inbox.Waiting.clear();
    channel.Inbox.Receive = nullptr;
}

bool SendToInstanceChannel(const std::string &name, const std::string &text)
{
    if (text.empty() || text.size() > MaxTextLength)
        return false;
    const std::wstring pipe = pipeName(name);
    const auto deadline = std::chrono::steady_clock::now() + BusyPatience;
    while (true) {
        // Identification only: the instance may learn who sends, not act as the sender.
        TUniqueHandle connection(CreateFileW(pipe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
            SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
        if (connection.Valid()) {
            if (!servedByThisUser(connection.Get()))
                return false;
            DWORD written = 0;
            return WriteFile(connection.Get(), text.data(), static_cast<DWORD>(text.size()),
                       &written, nullptr)
                && written == text.size();
        }
        // Busy with another sender: wait for the instance to free the pipe.
        if (GetLastError() != ERROR_PIPE_BUSY || std::chrono::steady_clock::now() >= deadline)
            return false;
        if (!WaitNamedPipeW(pipe.c_str(), TransferTimeoutMs))
            Sleep(10);
    }
}
