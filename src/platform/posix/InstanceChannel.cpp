#include "platform/InstanceChannel.h"

#include "platform/Program.h"
#include "platform/posix/UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// A file name is far shorter; a longer text is no text of ours.
constexpr std::size_t MaxTextLength = 65536;
// A sender writes its whole text at once; one that stalls is dropped, not waited for.
constexpr int TransferTimeoutMs = 2000;
constexpr int Backlog = 16;

struct TChannel
{
    std::string Path;
    TUniqueFd Listener;
    // Written to stop the listening thread.
    TUniqueFd WakeRead;
    TUniqueFd WakeWrite;
    std::thread Listening;
};

TChannel channel;

std::string channelPath(const std::string &name)
{
    return ProgramInstanceLockPath(name) + ".socket";
}

bool socketAddress(const std::string &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool fromThisUser(int connection)
{
    ucred credentials {};
    socklen_t length = sizeof credentials;
    return getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0
        && credentials.uid == getuid();
}

bool waitUntil(int fd, short events, int timeoutMs)
{
    pollfd entry {fd, events, 0};
    int result = 0;
    do {
        result = poll(&entry, 1, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

// The whole text up to the sender's end; false when it breaks off, stalls or is too long.
bool readText(int connection, std::string &text)
{
    char buffer[4096];
    while (waitUntil(connection, POLLIN, TransferTimeoutMs)) {
        const ssize_t count = read(connection, buffer, sizeof buffer);
        if (count == 0)
            return true;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 || text.size() + static_cast<std::size_t>(count) > MaxTextLength)
            return false;
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return false;
}

void listenLoop(int listener, int wake, const std::function<void(const std::string &)> &receive)
{
    while (true) {
        pollfd entries[2] = {{listener, POLLIN, 0}, {wake, POLLIN, 0}};
        if (poll(entries, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (entries[1].revents != 0)
            return;
        TUniqueFd connection(accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
        if (!connection.Valid() || !fromThisUser(connection.Get()))
            continue;
        std::string text;
        if (readText(connection.Get(), text) && !text.empty())
            receive(text);
    }
}

bool writeAll(int fd, const std::string &text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        if (!waitUntil(fd, POLLOUT, TransferTimeoutMs))
            return false;
        const ssize_t count = send(fd, text.data() + written, text.size() - written, MSG_NOSIGNAL);
        if (count < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (count > 0)
            written += static_cast<std::size_t>(count);
    }
    return true;
}

// A socket that someone else made there is not ours to talk to.
bool isOwnSocket(const std::string &path)
{
    struct stat status
    {
    };
    return lstat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode)
        && status.st_uid == getuid();
}

} // namespace

bool OpenInstanceChannel(const std::string &name)
{
    CloseInstanceChannel();
    const std::string path = channelPath(name);
    sockaddr_un address {};
    if (!socketAddress(path, address))
        return false;
    TUniqueFd listener(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!listener.Valid())
        return false;
    // Whatever is there was left by an instance that ended: the lock is ours now.
    unlink(path.c_str());
    if (bind(listener.Get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return false;
    chmod(path.c_str(), 0600);
    if (listen(listener.Get(), Backlog) != 0) {
        unlink(path.c_str());
        return false;
    }
    channel.Path = path;
    channel.Listener.Reset(listener.Release());
    return true;
}

void ListenOnInstanceChannel(std::function<void(const std::string &text)> receive)
{
    if (!channel.Listener.Valid() || channel.Listening.joinable())
        return;
    int wake[2] = {-1, -1};
    if (pipe2(wake, O_CLOEXEC) != 0)
        return;
    channel.WakeRead.Reset(wake[0]);
    channel.WakeWrite.Reset(wake[1]);
    channel.Listening = std::thread(
        listenLoop, channel.Listener.Get(), channel.WakeRead.Get(), std::move(receive));
}

void CloseInstanceChannel()
{
    if (channel.Listening.joinable()) {
        (void)!write(channel.WakeWrite.Get(), "x", 1);
        channel.Listening.join();
    }
    channel.WakeRead.Reset();
    channel.WakeWrite.Reset();
    if (channel.Listener.Valid()) {
        channel.Listener.Reset();
        unlink(channel.Path.c_str());
    }
    channel.Path.clear();
}

bool SendToInstanceChannel(const std::string &name, const std::string &text)
{
    const std::string path = channelPath(name);
    sockaddr_un address {};
    if (text.empty() || text.size() > MaxTextLength || !socketAddress(path, address)
        || !isOwnSocket(path))
        return false;
    // Not blocking: an instance whose backlog is full is tried again later, not waited for.
    TUniqueFd connection(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!connection.Valid()
        || connect(connection.Get(), reinterpret_cast<const sockaddr *>(&address), sizeof address)
            != 0)
        return false;
    return writeAll(connection.Get(), text) && shutdown(connection.Get(), SHUT_WR) == 0;
}
