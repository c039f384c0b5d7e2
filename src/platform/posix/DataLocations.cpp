#include "platform/DataLocations.h"

#include "core/File.h"
#include "core/GameFile.h"
#include "core/Options.h"
#include "platform/posix/FileInternal.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The desktop entry that the install rules put into <prefix>/share/applications.
constexpr const char *InstalledDesktopEntry = "../share/applications/org.mosavo.Mosavo.desktop";
constexpr const char *ProgramFolderName = "Mosavo";

// Private to the user, as the XDG base directories ask of folders they create.
bool makeDirectories(const std::string &path)
{
    if (path.empty())
        return false;
    const std::size_t parentEnd = path.find_last_of('/', path.size() - 2);
    if (parentEnd != std::string::npos && parentEnd > 0)
        makeDirectories(path.substr(0, parentEnd + 1));
    if (mkdir(path.c_str(), 0700) == 0 || errno == EEXIST)
        return true;
    return false;
}

std::string userFolder(const char *variable, const std::string &homeRelative)
{
    const std::string base = XdgBaseDirectory(variable, homeRelative);
    return base.empty() ? std::string() : AddTrailingBackslash(base) + ProgramFolderName + '/';
}

// <prefix>/bin (or /usr/games, where the Debian package puts it) beside <prefix>/share.
bool isInstalledByInstallRules(const std::string &programDir)
{
    const std::string folder = GetFileNamePart(programDir.substr(0, programDir.size() - 1));
    struct stat status
    {
    };
    return (folder == "bin" || folder == "games")
        && stat((programDir + InstalledDesktopEntry).c_str(), &status) == 0;
}

} // namespace

bool KeepsFilesBesideProgram(const std::string &programDir)
{
    // Root may write a system folder too; the install rules' mark tells it apart.
    return access(programDir.c_str(), W_OK) == 0 && !isInstalledByInstallRules(programDir);
}

TDataLocations UserDataLocations()
{
    const std::string config = userFolder("XDG_CONFIG_HOME", ".config");
    const std::string state = userFolder("XDG_STATE_HOME", ".local/state");
    const std::string data = userFolder("XDG_DATA_HOME", ".local/share");
    if (config.empty() || state.empty() || data.empty())
        return {};
    const std::string games = data + GamesFolderName + '/';
    // A folder that cannot be made is reported when its file is written.
    for (const std::string &folder : {config, state, games})
        makeDirectories(folder);
    return {config + OptionsFileName, state + ErrorLogFileName, games, config + RecoveryFileName};
}
