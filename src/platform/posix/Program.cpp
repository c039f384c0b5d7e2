#include "platform/Program.h"

#include "core/Error.h"
#include "core/MyRandom.h"
#include "platform/File.h"
#include "platform/FileSync.h"
#include "platform/posix/FileInternal.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

TProgram Program;

namespace {

int instanceLockFd = -1;

// strerror_r comes in two flavours; each overload takes one.
[[maybe_unused]] std::string errorTextFrom(int result, const char *buffer)
{
    return result == 0 ? std::string(buffer) : std::string();
}

[[maybe_unused]] std::string errorTextFrom(const char *result, const char *)
{
    return result ? std::string(result) : std::string();
}

std::string systemErrorText(uint32_t code)
{
    char buffer[256] = {};
    return errorTextFrom(strerror_r(static_cast<int>(code), buffer, sizeof buffer), buffer);
}

std::string executablePath()
{
    std::vector<char> buffer(4096);
    while (true) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::vector<std::string> commandLineArguments()
{
    const std::string content = ReadSmallFile("/proc/self/cmdline");
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find('\0', start);
        arguments.push_back(content.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return arguments;
}

// Taken once, so that renaming or deleting the program file later changes nothing.
const std::string &startPath()
{
    static const std::string path = executablePath();
    return path;
}

const std::vector<std::string> &startArguments()
{
    static const std::vector<std::string> arguments = commandLineArguments();
    return arguments;
}

bool isUsableDirectory(const std::string &path)
{
    struct stat status
    {
    };
    return !path.empty() && path.front() == '/' && stat(path.c_str(), &status) == 0
        && S_ISDIR(status.st_mode);
}

// A lock file that someone else owns is not ours to trust.
bool ownedByThisUser(int fd)
{
    struct stat status
    {
    };
    return fstat(fd, &status) == 0 && status.st_uid == getuid() && S_ISREG(status.st_mode);
}

} // namespace

TProgram::TProgram()
{
    std::set_terminate(TerminateProgramFun);
    SetLastSystemError(0);
    SetProgramPathProvider(GetProgramPath);
    SetSystemErrorTextProvider(systemErrorText);
    InstallFileSyncHook();
    SetSystemTickCount(SystemTickCount);
    startPath();
    startArguments();
}

TProgram::~TProgram()
{
    SetLastSystemError(0);
}

void TerminateProgram()
{
    std::_Exit(1);
}

const char *const ProgramFileExtension = "";

std::string ProgramInstanceLockPath(const std::string &name)
{
    const std::string lockName = "Mutex_ProgramInstance_" + name;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && isUsableDirectory(runtime))
        return AddTrailingBackslash(runtime) + lockName;
    const char *temporary = std::getenv("TMPDIR");
    const std::string folder = temporary && isUsableDirectory(temporary) ? temporary : "/tmp";
    return AddTrailingBackslash(folder) + lockName + "_" + std::to_string(getuid());
}

bool IsProgramInstanceRunning(const std::string &name)
{
    SetLastSystemError(0);
    const std::string path = ProgramInstanceLockPath(name);
    // Close-on-exec: a started program must not inherit, and so keep, this lock.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (!ownedByThisUser(fd)) {
        close(fd);
        return false;
    }
    int result = 0;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(fd);
        return heldElsewhere;
    }
    CloseProgramInstance();
    instanceLockFd = fd;
    return false;
}

void CloseProgramInstance()
{
    if (instanceLockFd >= 0)
        close(instanceLockFd);
    instanceLockFd = -1;
}

std::string GetProgramPath()
{
    return startPath();
}

std::string GetProgramParam(int32_t n)
{
    if (n == 0)
        return GetProgramPath();
    const std::vector<std::string> &arguments = startArguments();
    if (n < 0 || static_cast<std::size_t>(n) >= arguments.size())
        return {};
    return arguments[static_cast<std::size_t>(n)];
}

std::vector<std::string> GetProgramParams()
{
    const std::vector<std::string> &arguments = startArguments();
    if (arguments.empty())
        return {};
    return {arguments.begin() + 1, arguments.end()};
}

uint32_t SystemTickCount()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<uint32_t>(
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}
