#include "platform/DataLocations.h"

#include "core/Basic.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/Options.h"
#include "platform/File.h"
#include "platform/Install.h"
#include "platform/win32/WideText.h"

#include <string>

#include <windows.h>

#include <shlobj.h>

namespace {

constexpr const char *ProgramFolderName = "Mosavo";

// The special folder, created when missing; empty when the system has none for this user.
std::string shellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(
            nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return Narrow(path);
}

std::string programFolderIn(int csidl)
{
    const std::string base = shellFolder(csidl);
    return base.empty() ? std::string() : AddTrailingBackslash(base) + ProgramFolderName + '\\';
}

// The copy that the installer put there and registered: its first run, started by the elevated
// installer, could write the folder, and later plain runs could not.
bool isInstalledCopy(const std::string &programDir)
{
    const std::string installedProgram
        = ProgramOfUninstallCommand(ReadUninstallString(ProgramFolderName));
    return !installedProgram.empty() && IsSameFile(GetFileDir(installedProgram), programDir);
}

bool makeDirectory(const std::string &path)
{
    return CreateDirectoryW(Widen(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace

// Only a real write tells: the read-only attribute of a folder means nothing on Windows, and
// whether the access rules let this process write (Program Files does only when elevated) is
// what matters. The probe file goes when its handle closes, whatever happens.
bool KeepsFilesBesideProgram(const std::string &programDir)
{
    const std::string probe
        = programDir + "Mosavo-write-probe-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileW(Widen(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return !isInstalledCopy(programDir);
}

TDataLocations UserDataLocations()
{
    const std::string roaming = programFolderIn(CSIDL_APPDATA);
    const std::string local = programFolderIn(CSIDL_LOCAL_APPDATA);
    const std::string documents = shellFolder(CSIDL_PERSONAL);
    if (roaming.empty() || local.empty() || documents.empty())
        return {};
    const std::string games = AddTrailingBackslash(documents) + GamesFolderName + '\\';
    // A folder that cannot be made is reported when its file is written.
    for (const std::string &folder : {roaming, local, games})
        makeDirectory(folder);
    return {roaming + OptionsFileName, local + ErrorLogFileName, games, roaming + RecoveryFileName};
}
