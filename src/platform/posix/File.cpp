#include "platform/File.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "platform/posix/FileInternal.h"
#include "platform/posix/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// ---- Paths --------------------------------------------------------------------------------------

bool hasForbiddenNameCharacter(const std::string &path)
{
    return path.find_first_of("<>|\"*?") != std::string::npos;
}

// ---- Special folders ----------------------------------------------------------------------------

std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeDirectory()
{
    std::string home = environmentValue("HOME");
    if (!home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found
        && found->pw_dir)
        home = found->pw_dir;
    return home;
}

// The value of `XDG_<key>_DIR="..."` in a user-dirs.dirs line: "$HOME/..." or an absolute path,
// with backslash escapes.
std::optional<std::string> userDirectoryValue(std::string_view line, const std::string &key)
{
    const std::string prefix = key + "=\"";
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    if (line.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    line.remove_prefix(prefix.size());
    std::string value;
    if (line.substr(0, 5) == "$HOME") {
        line.remove_prefix(5);
        value = homeDirectory();
        if (value.empty() || (!line.empty() && line.front() != '/' && line.front() != '"'))
            return std::nullopt;
    } else if (line.empty() || line.front() != '/') {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size())
            ++i;
        value += line[i];
    }
    return value;
}

// XDG_PICTURES_DIR and the like from user-dirs.dirs, else home + fallback.
std::string userDirectory(const std::string &key, const std::string &fallback)
{
    const std::string content
        = ReadSmallFile(XdgBaseDirectory("XDG_CONFIG_HOME", ".config") + "/user-dirs.dirs");
    std::string found;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        if (auto value
            = userDirectoryValue(std::string_view(content).substr(start, end - start), key))
            found = *value;
        start = end + 1;
    }
    if (!found.empty())
        return found;
    const std::string home = homeDirectory();
    return home.empty() ? std::string() : AddTrailingBackslash(home) + fallback;
}

std::string systemFolderLocation(int32_t folderId)
{
    switch (folderId) {
    case sfMyPictures:
        return userDirectory("XDG_PICTURES_DIR", "Pictures");
    case sfDesktop:
    case sfCommonDesktop:
        return userDirectory("XDG_DESKTOP_DIR", "Desktop");
    case sfProgramsMenu:
    case sfCommonPrograms:
        return XdgBaseDirectory("XDG_DATA_HOME", ".local/share") + "/applications";
    case sfProgramFiles: {
        const std::string home = homeDirectory();
        return home.empty() ? std::string() : AddTrailingBackslash(home) + ".local/opt";
    }
    default:
        return {};
    }
}

// ---- Shell --------------------------------------------------------------------------------------

// "scheme:..." as in https://, mailto:, file:// addresses.
bool looksLikeAddress(const std::string &text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 2)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && (i == 0 || (!digit && c != '+' && c != '-' && c != '.')))
            return false;
    }
    return true;
}

// Waits for the started process in the background, so it leaves no zombie behind.
void reapLater(pid_t pid)
{
    try {
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
        }).detach();
    } catch (...) {
        // Without a thread the child stays a zombie until this process ends: harmless.
    }
}

class TSpawnSettings
{
public:
    explicit TSpawnSettings(const std::string &directory)
    {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        if (!directory.empty())
            posix_spawn_file_actions_addchdir_np(&actions_, directory.c_str());
        // Own session, so the started program outlives this one and its terminal.
        sigset_t none;
        sigemptyset(&none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigaddset(&defaults, SIGCHLD);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~TSpawnSettings()
    {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    TSpawnSettings(const TSpawnSettings &) = delete;
    TSpawnSettings &operator=(const TSpawnSettings &) = delete;

    const posix_spawn_file_actions_t *Actions() const { return &actions_; }
    const posix_spawnattr_t *Attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

// Starts argv[0] without waiting for it; returns 0 or the error number.
int spawnDetached(
    const std::vector<std::string> &argv, const std::string &directory, bool searchPath)
{
    std::vector<char *> pointers;
    for (const std::string &argument : argv)
        pointers.push_back(const_cast<char *>(argument.c_str()));
    pointers.push_back(nullptr);
    const TSpawnSettings settings(directory);
    pid_t pid = 0;
    const int result = searchPath ? posix_spawnp(&pid, argv[0].c_str(), settings.Actions(),
                           settings.Attributes(), pointers.data(), environ)
                                  : posix_spawn(&pid, argv[0].c_str(), settings.Actions(),
                                      settings.Attributes(), pointers.data(), environ);
    if (result == 0)
        reapLater(pid);
    return result;
}

// Starts the shell action for fileName; returns 0 or the error number.
int startShellAction(const std::string &fileName, const std::string &parameters,
    const std::string &directory, bool quoteParameters)
{
    if (IsExecutableFile(fileName)) {
        std::vector<std::string> argv {GetFullFileName(fileName)};
        if (!parameters.empty()) {
            if (quoteParameters)
                argv.push_back(parameters);
            else
                for (std::string &argument : SplitCommandLine(parameters))
                    argv.push_back(std::move(argument));
        }
        return spawnDetached(argv, directory, false);
    }
    if (PathExists(fileName))
        return spawnDetached({"xdg-open", GetFullFileName(fileName)}, directory, true);
    if (looksLikeAddress(fileName))
        return spawnDetached({"xdg-open", fileName}, directory, true);
    return ENOENT;
}

} // namespace

std::string ReadSmallFile(const std::string &path)
{
    const TUniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    std::string content;
    if (!file.Valid())
        return content;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

std::string XdgBaseDirectory(const char *variable, const std::string &homeRelative)
{
    const std::string value = environmentValue(variable);
    if (!value.empty() && value.front() == '/')
        return value;
    const std::string home = homeDirectory();
    return home.empty() ? std::string() : AddTrailingBackslash(home) + homeRelative;
}

std::vector<std::string> SplitCommandLine(const std::string &text)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false;
    bool started = false;
    for (const char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            started = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (started)
                arguments.push_back(current);
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments.push_back(current);
    return arguments;
}

bool IsExecutableFile(const std::string &path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)
        && access(path.c_str(), X_OK) == 0;
}

std::string TemporaryPatternBeside(const std::string &path)
{
    constexpr std::size_t KeptNameLength = 200;
    return GetFileDir(path) + "." + GetFileNamePart(path).substr(0, KeptNameLength) + ".XXXXXX";
}

// ---- Paths --------------------------------------------------------------------------------------

std::string GetLongFileName(const std::string &path)
{
    return path;
}

std::string GetFullFileName(const std::string &path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    return GetLongFileName(absolute.lexically_normal().string());
}

std::string GetFullUncFileName(const std::string &path)
{
    return GetFullFileName(path);
}

std::string GetResolvedFileName(const std::string &path)
{
    const std::string full = GetFullFileName(path);
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(full, error);
    return error ? full : resolved.string();
}

bool IsSameFile(const std::string &a, const std::string &b)
{
    if (hasForbiddenNameCharacter(a) || hasForbiddenNameCharacter(b))
        return false;
    struct stat statusA
    {
    };
    struct stat statusB
    {
    };
    if (!a.empty() && !b.empty() && stat(a.c_str(), &statusA) == 0
        && stat(b.c_str(), &statusB) == 0)
        return statusA.st_dev == statusB.st_dev && statusA.st_ino == statusB.st_ino;
    return GetFullUncFileName(a) == GetFullUncFileName(b);
}

// ---- Special folders ----------------------------------------------------------------------------

std::string GetSystemDirectoryPath(int32_t folderId)
{
    FUNCTION_NAME("GetSystemDirectoryPath");
    std::string result;
    ErrorGuardSwallow(HERE, [&] {
        const std::string folder = systemFolderLocation(folderId);
        if (folder.empty())
            RaiseError(HERE, TR("Error", "Unknown system folder."), std::to_string(folderId));
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!std::filesystem::is_directory(folder, error))
            RaiseError(HERE, TR("Error", "Failed to create directory."), folder, {},
                static_cast<uint32_t>(error.value()));
        result = AddTrailingBackslash(folder);
    });
    return result;
}

// ---- Files --------------------------------------------------------------------------------------

bool PathExists(const std::string &path)
{
    struct stat status
    {
    };
    return !path.empty() && stat(path.c_str(), &status) == 0;
}

bool ClearReadOnlyAttr(const std::string &path)
{
    struct stat status
    {
    };
    if (lstat(path.c_str(), &status) != 0)
        return false;
    if (S_ISLNK(status.st_mode) || (status.st_mode & S_IWUSR))
        return true;
    return fchmodat(AT_FDCWD, path.c_str(), (status.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW)
        == 0;
}

uint64_t GetFileSize(int fileDescriptor)
{
    FUNCTION_NAME("GetFileSize");
    uint64_t size = 0;
    StatusGuard(HERE, [&](TFunStatContext &local) {
        struct stat status
        {
        };
        if (fstat(fileDescriptor, &status) != 0) {
            local.SetRaise(HERE, fsWarning, TR("Error", "Failed to get file size."));
            return;
        }
        size = static_cast<uint64_t>(status.st_size);
    });
    return size;
}

// ---- Shell --------------------------------------------------------------------------------------

void RunFile(const std::string &fileName, const std::string &parameters,
    const std::string &directory, bool /*minimised*/, bool quoteParameters)
{
    FUNCTION_NAME("RunFile");
    if (fileName.empty()) {
        FunStatContext.BeginFunction(HERE);
        return;
    }
    StatusGuard(HERE, [&](TFunStatContext &local) {
        const int result = startShellAction(fileName, parameters, directory, quoteParameters);
        if (result != 0) {
            SetLastSystemError(static_cast<uint32_t>(result));
            local.SetRaise(HERE, fsError, TR("Error", "Failed to run file."), fileName, {},
                static_cast<uint32_t>(result));
        }
    });
}
