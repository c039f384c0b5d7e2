// The uninstall entry in the registry and where the files go on Windows.

#include "platform/DataLocations.h"
#include "platform/Install.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinTestFolders.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

namespace fs = std::filesystem;

namespace {

const std::wstring UninstallList = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// A key name of this test run alone, whose key is gone afterwards whatever the test did.
class TTestKey
{
public:
    const std::string Name = "MosavoTest-" + std::to_string(GetCurrentProcessId());
    const std::wstring Path = UninstallList + L"\\" + Widen(Name);
    ~TTestKey() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, Path.c_str()); }

    bool Exists() const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    // The value as stored, "<type N>" when it is no REG_SZ, "<none>" when missing.
    std::string Value(const wchar_t *name) const
    {
        wchar_t data[512] = {};
        DWORD type = 0;
        DWORD bytes = sizeof data - sizeof(wchar_t);
        if (RegGetValueW(HKEY_LOCAL_MACHINE, Path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                data, &bytes)
            != ERROR_SUCCESS)
            return "<none>";
        return type == REG_SZ ? Narrow(data) : "<type " + std::to_string(type) + ">";
    }
};

// Writing HKEY_LOCAL_MACHINE needs an elevated process on Windows; Wine's prefix allows it.
bool CanWriteUninstallList()
{
    HKEY list = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, UninstallList.c_str(), 0, KEY_CREATE_SUB_KEY, &list)
        != ERROR_SUCCESS)
        return false;
    RegCloseKey(list);
    return true;
}

#define SKIP_UNLESS_ELEVATED()                                                                     \
    if (!CanWriteUninstallList())                                                                  \
    GTEST_SKIP() << "writing HKEY_LOCAL_MACHINE needs an elevated process"

// The system's list of what to delete at the next restart, which MOVEFILE_DELAY_UNTIL_REBOOT
// appends to: pairs of NT names (\??\C:\...), the second empty for a deletion. What the test
// added goes again at its end.
class TPendingDeletions
{
public:
    static constexpr const wchar_t *Key = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
    static constexpr const wchar_t *Value = L"PendingFileRenameOperations";

    TPendingDeletions() : saved_(read()) { }
    ~TPendingDeletions()
    {
        if (saved_.empty())
            RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, Key, Value);
        else
            RegSetKeyValueW(HKEY_LOCAL_MACHINE, Key, Value, REG_MULTI_SZ, saved_.data(),
                static_cast<DWORD>(saved_.size() * sizeof(wchar_t)));
    }

    static bool CanWrite()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Key, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key)
            != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    // The names scheduled for deletion since the start, in lower case and without "\??\".
    std::vector<std::string> Added() const
    {
        const std::vector<std::wstring> before = split(saved_);
        const std::vector<std::wstring> now = split(read());
        std::vector<std::string> added;
        for (std::size_t i = before.size(); i + 1 < now.size(); i += 2) {
            if (!now[i + 1].empty())
                continue; // a rename, not a deletion
            std::wstring name = now[i].starts_with(L"\\??\\") ? now[i].substr(4) : now[i];
            std::transform(name.begin(), name.end(), name.begin(), ::towlower);
            added.push_back(Narrow(name));
        }
        return added;
    }

private:
    static std::vector<wchar_t> read()
    {
        DWORD bytes = 0;
        if (RegGetValueW(
                HKEY_LOCAL_MACHINE, Key, Value, RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &bytes)
            != ERROR_SUCCESS)
            return {};
        std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        if (RegGetValueW(
                HKEY_LOCAL_MACHINE, Key, Value, RRF_RT_REG_MULTI_SZ, nullptr, data.data(), &bytes)
            != ERROR_SUCCESS)
            return {};
        data.resize(bytes / sizeof(wchar_t));
        return data;
    }
    // The strings of a REG_MULTI_SZ, empty ones kept: they are the targets of deletions.
    static std::vector<std::wstring> split(const std::vector<wchar_t> &data)
    {
        std::vector<std::wstring> strings;
        std::size_t start = 0;
        for (std::size_t i = 0; i < data.size(); ++i)
            if (data[i] == L'\0') {
                strings.emplace_back(data.data() + start, i - start);
                start = i + 1;
            }
        // The list ends with one more zero, which would read as a last empty string.
        if (strings.size() % 2 == 1 && strings.back().empty())
            strings.pop_back();
        return strings;
    }

    std::vector<wchar_t> saved_;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    return text;
}

// Makes a folder whose access list lets every signed-in user change what is inside.
bool MakeFolderOthersMayChange(const std::string &folder)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1301bf;;;AU)", SDDL_REVISION_1,
            &descriptor, nullptr))
        return false;
    SECURITY_ATTRIBUTES attributes {sizeof attributes, descriptor, FALSE};
    const bool made = CreateDirectoryW(Widen(folder).c_str(), &attributes);
    LocalFree(descriptor);
    return made;
}

bool ProcessIsElevated()
{
    HANDLE token = nullptr;
    TOKEN_ELEVATION elevation {};
    DWORD size = 0;
    const bool known = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)
        && GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    if (token)
        CloseHandle(token);
    return known && elevation.TokenIsElevated;
}

// The access list of a file or folder in the system's text form ("D:P(A;;FA;;;SY)...").
std::string AccessListOf(const std::string &path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(Widen(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
            nullptr, nullptr, nullptr, nullptr, &descriptor)
        != ERROR_SUCCESS)
        return "<none>";
    wchar_t *text = nullptr;
    std::string result = "<none>";
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
        result = Narrow(text);
        LocalFree(text);
    }
    LocalFree(descriptor);
    return result;
}

} // namespace

TEST(Win32InstallationFolder, AnElevatedInstallationKeepsOtherUsersFromChangingItsFolder)
{
    if (!ProcessIsElevated())
        GTEST_SKIP() << "the installation folder is protected only by an elevated installer";
    const TTempFolder temp;
    const std::string parent = temp / "parent";
    // A parent that others may change, as C:\\ or a data drive's root lets them.
    ASSERT_TRUE(MakeFolderOthersMayChange(parent));
    const std::string fresh = parent + "\\Mosavo";
    const std::string existing = parent + "\\Older";
    ASSERT_TRUE(CreateDirectoryW(Widen(existing).c_str(), nullptr));
    for (const auto &[dir, made] : {std::pair {fresh, true}, std::pair {existing, false}}) {
        bool result = !made;
        EXPECT_TRUE(ErrorGuardSwallow(__FILE__, "test", __LINE__, [&] {
            result = MakeInstallationDirectory(dir);
        })) << dir;
        EXPECT_EQ(result, made) << dir;
        WriteWideFile(dir + "\\Qt6Core.dll", "dll");
    }
    // Wine makes up every access list from the Unix permissions, and keeps none that it is given.
    if (AccessListOf(parent).find("(A;OICI;0x1301bf;;;AU)") == std::string::npos)
        GTEST_SKIP() << "this file system keeps no access lists: " << AccessListOf(parent);

    for (const std::string &dir : {fresh, existing}) {
        SCOPED_TRACE(dir);
        EXPECT_EQ(AccessListOf(dir), "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)");
        // What is put inside takes the folder's list, not the parent's.
        const std::string file = AccessListOf(dir + "\\Qt6Core.dll");
        EXPECT_EQ(file.find("AU)"), std::string::npos) << file;
        EXPECT_NE(file.find("(A;ID;FA;;;BA)"), std::string::npos) << file;
    }
}

TEST(Win32UninstallAtRestart, FilesInUseMoveAsideAndOnlyTheirNewNamesAreScheduled)
{
    if (!TPendingDeletions::CanWrite())
        GTEST_SKIP() << "scheduling deletions at the restart needs an elevated process";
    const TTempFolder temp;
    const std::string dir = temp / "Mosavo";
    const std::string core = dir + "\\Qt6Core.dll";
    const std::string plugin = dir + "\\platforms\\qwindows.dll";
    WriteTextFile(core, "in use");
    WriteTextFile(plugin, "in use");
    // Held as the loader holds a running image: it may be renamed, not written.
    std::vector<HANDLE> held;
    for (const std::string &path : {core, plugin}) {
        held.push_back(CreateFileW(Widen(path).c_str(), GENERIC_READ,
            FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(held.back(), INVALID_HANDLE_VALUE);
    }
    std::vector<std::string> scheduled;
    {
        const TPendingDeletions pending;
        DeleteTreeAtRestart(dir + "\\");
        scheduled = pending.Added();
        // A reinstall before the restart.
        WriteTextFile(core, "reinstalled");
        WriteTextFile(plugin, "reinstalled");
    }
    for (const HANDLE handle : held)
        CloseHandle(handle);

    // Each file in use under a name of its own beside the old one, then its folder.
    ASSERT_EQ(scheduled.size(), 4u);
    EXPECT_TRUE(scheduled[0].starts_with(Lower(plugin) + ".~mzdel-")) << scheduled[0];
    EXPECT_EQ(scheduled[1], Lower(dir + "\\platforms"));
    EXPECT_TRUE(scheduled[2].starts_with(Lower(core) + ".~mzdel-")) << scheduled[2];
    EXPECT_EQ(scheduled[3], Lower(dir));
    // Their old names hold the reinstalled files, which nothing schedules.
    EXPECT_EQ(ReadTextFile(core), "reinstalled");
    EXPECT_EQ(ReadTextFile(plugin), "reinstalled");
    std::vector<std::string> aside;
    for (const auto &entry : fs::recursive_directory_iterator(dir))
        if (entry.path().string().find(".~mzdel-") != std::string::npos) {
            aside.push_back(Lower(entry.path().string()));
            EXPECT_EQ(ReadTextFile(entry.path().string()), "in use");
        }
    std::vector<std::string> expected = {scheduled[0], scheduled[2]};
    std::sort(aside.begin(), aside.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(aside, expected);
}

TEST(Win32Installer, InstallExeInAnyCaseAndAnInstalledMosavoExe)
{
    EXPECT_TRUE(IsInstallerFileName("Install.exe"));
    EXPECT_TRUE(IsInstallerFileName("INSTALL.EXE"));
    EXPECT_FALSE(IsInstallerFileName("Install"));
    EXPECT_FALSE(IsInstallerFileName("Install.exe.lnk"));
    TInstaller installer;
    installer.ProgramName = "Mosavo";
    installer.ProgramPath = "D:\\Setup\\Mosavo\\Install.exe";
    installer.InstallTo = "C:\\Program Files\\";
    EXPECT_EQ(installer.InstalledProgramFile(), "C:\\Program Files\\Mosavo\\Mosavo.exe");
    EXPECT_EQ(installer.UninstallCommand(), "\"C:\\Program Files\\Mosavo\\Mosavo.exe\" /Uninstall");
}

TEST(Win32UninstallEntry, IsWrittenReadAndRemovedWithItsSubkeys)
{
    SKIP_UNLESS_ELEVATED();
    const TTestKey key;
    const std::string command = "C:\\Program Files\\Gr\xC3\xBC\xC3\x9F"
                                "e\\Mosavo.exe /Uninstall";
    EXPECT_EQ(UninstallRegistryKey(key.Name), Narrow(UninstallList) + "\\" + key.Name);
    EXPECT_EQ(ReadUninstallString(key.Name), "");
    SetUninstallRegistry(key.Name, "Mosavo", command);
    EXPECT_EQ(key.Value(L"DisplayName"), "Mosavo");
    EXPECT_EQ(key.Value(L"UninstallString"), command);
    EXPECT_EQ(ReadUninstallString(key.Name), command);
    SetUninstallRegistry(key.Name, "Mosavo 2", "D:\\Mosavo.exe /Uninstall");
    EXPECT_EQ(ReadUninstallString(key.Name), "D:\\Mosavo.exe /Uninstall") << "replaced";

    HKEY subkey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (key.Path + L"\\Extra").c_str(), 0, nullptr, 0,
                  KEY_WRITE, nullptr, &subkey, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(subkey);
    DeleteUninstallerRegistry(key.Name);
    EXPECT_FALSE(key.Exists());
    EXPECT_EQ(ReadUninstallString(key.Name), "");
    DeleteUninstallerRegistry(key.Name); // a missing entry is no failure
}

TEST(Win32UninstallEntry, NamesThatReachBeyondOneEntryAreRefused)
{
    SKIP_UNLESS_ELEVATED();
    const TTestKey key;
    SetUninstallRegistry(key.Name, "Mosavo", "x /Uninstall");
    SetUninstallRegistry(key.Name + "\\Inner", "Inner", "y /Uninstall");
    EXPECT_EQ(ReadUninstallString(key.Name + "\\Inner"), "");
    DeleteUninstallerRegistry("");
    DeleteUninstallerRegistry(key.Name + "\\..");
    EXPECT_EQ(ReadUninstallString(key.Name), "x /Uninstall") << "the entry survives";
    HKEY list = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, UninstallList.c_str(), 0, KEY_READ, &list), ERROR_SUCCESS)
        << "the list itself survives";
    RegCloseKey(list);
}

TEST(Win32DataLocations, AWritableFolderIsProbedWithoutATraceAndUserFoldersAreMade)
{
    const fs::path folder
        = fs::temp_directory_path() / ("mosavo-locations-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    const std::string dir = folder.string() + "\\";
    EXPECT_TRUE(KeepsFilesBesideProgram(dir));
    EXPECT_TRUE(fs::is_empty(folder)) << "the probe file is gone";
    EXPECT_FALSE(KeepsFilesBesideProgram(dir + "missing\\"));
    fs::remove(folder);

    const TDataLocations user = UserDataLocations();
    ASSERT_FALSE(user.OptionsFile.empty());
    EXPECT_TRUE(user.OptionsFile.ends_with("\\Mosavo\\Mosavo.ini")) << user.OptionsFile;
    EXPECT_TRUE(user.ErrorLog.ends_with("\\Mosavo\\Errors.log")) << user.ErrorLog;
    EXPECT_TRUE(user.RecoveryFile.ends_with("\\Mosavo\\Recovery.mzg")) << user.RecoveryFile;
    EXPECT_TRUE(user.GamesFolder.ends_with("\\MosavoGames\\")) << user.GamesFolder;
    EXPECT_NE(fs::path(user.OptionsFile).parent_path(), fs::path(user.ErrorLog).parent_path())
        << "settings roam, the log stays on the machine";
    for (const std::string &path : {user.OptionsFile, user.ErrorLog, user.GamesFolder + "x"})
        EXPECT_TRUE(fs::is_directory(fs::path(Widen(path)).parent_path())) << path;
}

// Started by the elevated installer, the installed copy could write its folder; it still keeps
// its files in the user's folders, as every later plain start must.
TEST(Win32DataLocations, TheRegisteredCopyKeepsItsFilesInTheUserFolders)
{
    SKIP_UNLESS_ELEVATED();
    if (!ReadUninstallString("Mosavo").empty())
        GTEST_SKIP() << "an installed Mosavo is registered here; its entry is left alone";
    const fs::path folder
        = fs::temp_directory_path() / ("mosavo-installed-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder / "Mosavo");
    const std::string installed = folder.string() + "\\Mosavo\\";
    SetUninstallRegistry("Mosavo", "Mosavo", installed + "Mosavo.exe /Uninstall");
    const bool keepsBesideInstalled = KeepsFilesBesideProgram(installed);
    const bool keepsBesideOther = KeepsFilesBesideProgram(folder.string() + "\\");
    DeleteUninstallerRegistry("Mosavo");
    fs::remove(folder / "Mosavo");
    fs::remove(folder);
    EXPECT_FALSE(keepsBesideInstalled);
    EXPECT_TRUE(keepsBesideOther);
}
