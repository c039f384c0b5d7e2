#include "platform/Install.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/StoredTextList.h"
#include "platform/File.h"
#include "platform/Program.h"
#include "support/OtherPlatform.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#ifdef _WIN32
#include "platform/win32/WinShortcut.h"
#include "support/ShellFolders.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr bool OnWindows = true;
#else
constexpr bool OnWindows = false;
#endif

const std::string UninstallList = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string InstallFailure = "Failed to install program. Check to see if you have rights to "
                                   "write in the installation directory.";

struct TBox
{
    std::string Caption;
    std::string Text;
};

// The keys of a desktop entry's main group.
std::map<std::string, std::string> ReadDesktopEntry(const std::string &path)
{
    std::map<std::string, std::string> keys;
    std::istringstream text(ReadTextFile(path));
    std::string line;
    bool inMainGroup = false;
    while (std::getline(text, line)) {
        if (!line.empty() && line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (inMainGroup && equals != std::string::npos)
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

bool HasProgram(const char *name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// A path written with '/' as the platform writes it.
std::string Native(std::string path)
{
    std::replace(path.begin(), path.end(), '/', PathDelimiter);
    return path;
}

#ifdef _WIN32
// Started as the installed program by TheInstalledProgramIsStartedByItsOwnPath, this test
// program notes, as the shipped script does elsewhere, how it was started and whether the
// single-instance mutex was free, and ends before any test runs.
const bool StartedAsInstalledProgram = [] {
    const char *marker = std::getenv("MOSAVO_TEST_MARKER");
    const char *lock = std::getenv("MOSAVO_TEST_LOCK");
    if (!marker || !lock)
        return false;
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring line;
    for (int i = 1; i < count; ++i)
        line += (i > 1 ? L" " : L"") + std::wstring(arguments[i]);
    LocalFree(arguments);
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::ofstream(marker, std::ios::app | std::ios::binary)
        << Narrow(program) << '|' << fs::current_path().string() << '|' << Narrow(line) << '\n';
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, Widen(lock).c_str());
    const bool held = GetLastError() == ERROR_ALREADY_EXISTS;
    std::ofstream(std::string(marker) + ".lock", std::ios::binary) << (held ? "held\n" : "free\n");
    CloseHandle(mutex);
    ExitProcess(0);
}();

bool CanWriteUninstallList()
{
    HKEY list = nullptr;
    if (RegOpenKeyExW(
            HKEY_LOCAL_MACHINE, Widen(UninstallList).c_str(), 0, KEY_CREATE_SUB_KEY, &list)
        != ERROR_SUCCESS)
        return false;
    RegCloseKey(list);
    return true;
}
#endif

// Every folder and the uninstall entry that an installation writes to is the test's own: on
// POSIX systems through the XDG variables, on Windows through the redirected shell folders and
// an entry name of this process alone, so that no installation of the real program is touched.
class InstallTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const std::string home = Native(temp / "home");
    TScopedEnv homeEnv {"HOME", home};
    TScopedEnv configEnv {"XDG_CONFIG_HOME", home + "/.config"};
    TScopedEnv dataEnv {"XDG_DATA_HOME", std::nullopt};
    TScopedEnv markerEnv {"MOSAVO_TEST_MARKER", temp / "started.txt"};
    const std::string shipped = Native(temp / "download/Mosavo");
    const std::string installerFile = Native(shipped + "/Install") + ProgramFileExtension;
#ifdef _WIN32
    const TShellFolders folders {temp / "shell"};
    const std::string name = "MosavoTest" + std::to_string(GetCurrentProcessId());
    const std::string linkExtension = ".lnk";
    const std::string installed = folders.ProgramFiles() + "\\Mosavo";
    const std::string programsMenu = folders.CommonPrograms();
    const std::string desktopEntry = folders.CommonDesktop() + "\\" + name + linkExtension;
    // Where versions before the machine-wide shortcuts put them.
    const std::string userDesktopEntry = folders.Desktop() + "\\" + name + linkExtension;
    const std::string userGroup = folders.Programs() + "\\Mosavo";
#else
    const std::string name = "Mosavo";
    const std::string linkExtension = ".desktop";
    const std::string installed = home + "/.local/opt/Mosavo";
    const std::string programsMenu = home + "/.local/share/applications";
    const std::string desktopEntry = home + "/Desktop/Mosavo.desktop";
    const std::string userDesktopEntry = desktopEntry;
    const std::string userGroup = programsMenu + "/Mosavo";
#endif
    const std::string group = Native(programsMenu + "/Mosavo");
    const std::string registry = home + "/.local/share/Mosavo/registry.ini";
    const std::string uninstallKey = UninstallList + name;

    TRecordingErrorDialog errorDialog;
    std::vector<TBox> boxes;
    int32_t answer = mbrYes;
    std::vector<std::string> started;

    void SetUp() override
    {
#ifdef _WIN32
        if (!CanWriteUninstallList())
            GTEST_SKIP() << "writing HKEY_LOCAL_MACHINE needs an elevated process";
#endif
        fs::create_directories(home);
        RegisterErrorDialog(&errorDialog);
        SetMessageBoxHook([this](const std::string &caption, const std::string &text, uint32_t) {
            boxes.push_back({caption, text});
            return caption == "Query" ? answer : mbrOk;
        });
        MakeShippedFolder(shipped, "shipped 1");
    }

    void TearDown() override
    {
        SetMessageBoxHook({});
        RegisterErrorDialog(nullptr);
#ifdef _WIN32
        for (const std::string &key : {uninstallKey, uninstallKey + "2"})
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, Widen(key).c_str());
#endif
    }

    // The program is a script that notes how it was started (on Windows a file that is not run).
    void MakeShippedFolder(const std::string &folder, const std::string &version) const
    {
        WriteScript(folder + "/Install" + ProgramFileExtension,
            "# " + version
                + "\necho \"$0|$PWD|$*\" >> \"$MOSAVO_TEST_MARKER\"\n"
                  "[ -z \"$MOSAVO_TEST_LOCK\" ] || { flock -n \"$MOSAVO_TEST_LOCK\" true && echo "
                  "free"
                  " || echo held; } > \"$MOSAVO_TEST_LOCK.state\"\n");
        WriteTextFile(folder + "/Readme.txt", "Read me, " + version + ".\n");
        WriteTextFile(folder + "/" + name + ".png", "picture");
        WriteTextFile(folder + "/Pictures/Sample.jpg", "sample");
        WriteTextFile(folder + "/.hidden", "not shipped");
#ifdef _WIN32
        SetFileAttributesW(Widen(folder + "\\.hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
        WriteShippedList(folder, ShippedEntries());
    }

    std::vector<std::string> ShippedEntries() const
    {
        return {std::string("Install") + ProgramFileExtension, "Readme.txt", name + ".png",
            "Pictures/Sample.jpg"};
    }

    static void WriteShippedList(const std::string &folder, const std::vector<std::string> &entries)
    {
        std::string list;
        for (const std::string &entry : entries)
            list += entry + "\n";
        WriteTextFile(folder + "/" + ShippedListFileName, list);
    }

    // The names under dir, relative to it with '/', in order.
    static std::vector<std::string> TreeOf(const std::string &dir)
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::recursive_directory_iterator(dir))
            names.push_back(fs::relative(entry.path(), dir).generic_string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The program file named so in dir, written as the platform writes paths.
    std::string ProgramIn(const std::string &dir) const
    {
        return Native(dir + "/" + name) + ProgramFileExtension;
    }

    // An installer as the shipped folder's Install runs it, starting nothing.
    TInstaller Installer(const std::string &programPath, bool uninstall)
    {
        TInstaller installer;
        installer.ProgramName = name;
        installer.ProgramPath = programPath;
        installer.UninstallMode = uninstall;
        installer.InstallTo = uninstall ? GetFileDir(programPath) : GetProgramFilesPath();
        installer.StartProgram = [this](const std::string &programFile) {
            started.push_back(programFile);
            FunStatContext.Reset(fsPerfect);
        };
        return installer;
    }

    void InstallShipped()
    {
        Installer(installerFile, false).Install();
        ASSERT_TRUE(fs::exists(ProgramIn(installed)));
        boxes.clear();
        started.clear();
    }

    // The uninstall entries: sections of the ini file that stands in for the registry on POSIX
    // systems, keys of HKEY_LOCAL_MACHINE on Windows.
    bool RegistryWritten() const
    {
#ifdef _WIN32
        return EntryExists(uninstallKey);
#else
        return fs::exists(registry);
#endif
    }

    bool EntryExists(const std::string &key) const
    {
#ifdef _WIN32
        HKEY handle = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(key).c_str(), 0, KEY_READ, &handle)
            != ERROR_SUCCESS)
            return false;
        RegCloseKey(handle);
        return true;
#else
        return TMemIniFile(registry).SectionExists(key);
#endif
    }

    std::string EntryValue(const std::string &key, const std::string &valueName) const
    {
#ifdef _WIN32
        // Numbers as the ini file of POSIX systems writes them.
        wchar_t data[1024] = {};
        DWORD bytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, Widen(key).c_str(), Widen(valueName).c_str(),
                RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, data, &bytes)
            != ERROR_SUCCESS)
            return "<none>";
        if (type == REG_DWORD)
            return std::to_string(*reinterpret_cast<const DWORD *>(data));
        return Narrow(data);
#else
        return TMemIniFile(registry).ReadString(key, valueName, "<none>");
#endif
    }

    void WriteEntryValue(
        const std::string &key, const std::string &valueName, const std::string &value) const
    {
#ifdef _WIN32
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(key).c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
        const std::wstring wide = Widen(value);
        RegSetValueExW(handle, Widen(valueName).c_str(), 0, REG_SZ,
            reinterpret_cast<const BYTE *>(wide.c_str()),
            static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
#else
        TMemIniFile file(registry);
        file.WriteString(key, valueName, value);
        file.UpdateFile();
#endif
    }

    std::string RegistryValue(const std::string &valueName) const
    {
        return EntryValue(uninstallKey, valueName);
    }

    // The command that a shortcut runs: a desktop entry's Exec line; a shell link's target in
    // quotes, then its arguments.
    static std::string ShortcutCommand(const std::string &path)
    {
#ifdef _WIN32
        const auto link = LoadShortcut(path);
        if (!link)
            return "<no shell link>";
        return "\"" + link->Path + "\"" + (link->Arguments.empty() ? "" : " " + link->Arguments);
#else
        return ReadDesktopEntry(path).at("Exec");
#endif
    }
};

} // namespace

TEST(InstallMode, InstallerNameAndUninstallArgumentIgnoreCase)
{
    const std::string extension = ProgramFileExtension;
    EXPECT_TRUE(IsInstallerFileName("Install" + extension));
    EXPECT_TRUE(IsInstallerFileName("INSTALL" + extension));
    EXPECT_TRUE(IsInstallerFileName("iNsTaLl" + extension));
    EXPECT_FALSE(IsInstallerFileName(OnWindows ? "Install" : "Install.exe"));
    EXPECT_FALSE(IsInstallerFileName("Installer" + extension));
    EXPECT_FALSE(IsInstallerFileName("Mosavo" + extension));
    EXPECT_TRUE(IsUninstallArgument("/Uninstall"));
    EXPECT_TRUE(IsUninstallArgument("/UNINSTALL"));
    EXPECT_FALSE(IsUninstallArgument("Uninstall"));
    EXPECT_FALSE(IsUninstallArgument("/Uninstall "));
    EXPECT_FALSE(IsUninstallArgument(""));
}

TEST(InstallMode, UninstallCommandQuotesAProgramNameWithBlanks)
{
    const std::string spaced = "/opt/Program Files/Mosavo/Mosavo";
    EXPECT_EQ(UninstallCommandFor(spaced), "\"" + spaced + "\" /Uninstall");
    EXPECT_EQ(UninstallCommandFor("/opt/Mosavo/Mosavo"), "/opt/Mosavo/Mosavo /Uninstall");
    EXPECT_EQ(ProgramOfUninstallCommand(UninstallCommandFor(spaced)), spaced);
    EXPECT_EQ(ProgramOfUninstallCommand("/opt/Mosavo/Mosavo /UNINSTALL"), "/opt/Mosavo/Mosavo");
    EXPECT_EQ(ProgramOfUninstallCommand("/opt/Mosavo/Mosavo"), "");
    EXPECT_EQ(ProgramOfUninstallCommand(" /Uninstall"), "");
}

TEST(ElevatedStart, ArgumentsComeBackAsTheSystemSplitsThem)
{
    const struct
    {
        std::string Argument;
        std::string Quoted;
    } cases[] = {
        {"/Uninstall", "/Uninstall"},
        {"", "\"\""},
        {"two words", "\"two words\""},
        {"tab\there", "\"tab\there\""},
        {"C:\\Games\\", "C:\\Games\\"}, // no quotes, so the backslash stays as it is
        {"C:\\Program Files\\", "\"C:\\Program Files\\\\\""}, // the closing quote still closes
        {"C:\\Program Files\\\\", "\"C:\\Program Files\\\\\\\\\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\\"b", "\"a\\\\\\\"b\""}, // a backslash before a quote is doubled, the quote escaped
        {"a\\\\b c", "\"a\\\\b c\""}, // backslashes before anything else stay single
        {"Gr\xC3\xBC\xC3\x9F"
         "e \xE7\x8C\xAB",
            "\"Gr\xC3\xBC\xC3\x9F"
            "e \xE7\x8C\xAB\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QuoteProgramArgument(c.Argument), c.Quoted) << c.Argument;
    EXPECT_EQ(ElevatedStartParameters({}), "-elevated");
    EXPECT_EQ(ElevatedStartParameters({"/Uninstall", "C:\\My dir\\", ""}),
        "/Uninstall \"C:\\My dir\\\\\" \"\" -elevated");
}

TEST_F(InstallTest, InstallCopiesTheShippedFolderAndRegistersIt)
{
    Installer(installerFile, false).Install();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "Query");
    EXPECT_EQ(boxes[0].Text, "Install the program in directory \"" + installed + "\"?");
    EXPECT_TRUE(errorDialog.Descriptions.empty());

    EXPECT_EQ(ReadTextFile(installed + "/Readme.txt"), "Read me, shipped 1.\n");
    EXPECT_EQ(ReadTextFile(installed + "/Pictures/Sample.jpg"), "sample");
    EXPECT_FALSE(fs::exists(installed + "/.hidden"));
    EXPECT_FALSE(fs::exists(Native(installed + "/Install") + ProgramFileExtension));
    EXPECT_TRUE(fs::exists(installerFile)) << "the shipped folder stays as it was";
    EXPECT_EQ(ModeOf(ProgramIn(installed)) & 0100, 0100u);

    EXPECT_EQ(RegistryValue("DisplayName"), name);
    // A blank in the name ("Program Files" on Windows) has it quoted.
    EXPECT_EQ(RegistryValue("UninstallString"), UninstallCommandFor(ProgramIn(installed)));
    EXPECT_EQ(started, std::vector<std::string> {ProgramIn(installed)});
}

TEST_F(InstallTest, ShortcutsAreDesktopEntriesThatStartTheInstalledFiles)
{
    SKIP_ON_WINDOWS("freedesktop entries, started through gio; see ShortcutsAreShellLinks");
    Installer(installerFile, false).Install();

    const std::string program = "\"" + installed + "/Mosavo\"";
    for (const std::string &path : {desktopEntry, group + "/Mosavo.desktop"}) {
        SCOPED_TRACE(path);
        const auto entry = ReadDesktopEntry(path);
        EXPECT_EQ(entry.at("Type"), "Application");
        EXPECT_EQ(entry.at("Name"), "Mosavo");
        EXPECT_EQ(entry.at("Exec"), program);
        EXPECT_EQ(entry.at("Path"), installed);
        EXPECT_EQ(entry.at("Icon"), installed + "/Mosavo.png");
        EXPECT_EQ(ModeOf(path) & 0111, 0111u) << "desktops start only executable entries";
    }
    const auto uninstall = ReadDesktopEntry(group + "/Uninstall.desktop");
    EXPECT_EQ(uninstall.at("Exec"), program + " \"/Uninstall\"");
    EXPECT_EQ(uninstall.at("Path"), installed);
    const auto readme = ReadDesktopEntry(group + "/Readme.desktop");
    EXPECT_EQ(readme.at("Exec"), "\"xdg-open\" \"" + installed + "/Readme.txt\"");
    EXPECT_EQ(fs::directory_iterator(group) == fs::directory_iterator(), false);
    EXPECT_EQ(std::distance(fs::directory_iterator(group), fs::directory_iterator()), 3);

    if (!HasProgram("gio") || !HasProgram("desktop-file-validate"))
        GTEST_SKIP() << "gio and desktop-file-validate are needed to start the entries";
    for (const std::string &path :
        {desktopEntry, group + "/Mosavo.desktop", group + "/Uninstall.desktop"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(std::system(("desktop-file-validate '" + path + "'").c_str()), 0);
        EXPECT_EQ(std::system(("gio launch '" + path + "' 2>/dev/null").c_str()), 0);
    }
    // Each start notes a line; wait for the three of them.
    std::string marker;
    for (int i = 0; i < 500; ++i) {
        marker = ReadTextFile(temp / "started.txt");
        if (std::count(marker.begin(), marker.end(), '\n') >= 3)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::string plain = installed + "/Mosavo|" + installed + "|\n";
    EXPECT_EQ(marker, plain + plain + installed + "/Mosavo|" + installed + "|/Uninstall\n");
}

#ifdef _WIN32
TEST_F(InstallTest, ShortcutsAreShellLinksToTheInstalledFiles)
{
    Installer(installerFile, false).Install();

    const std::string program = ProgramIn(installed);
    const auto expectLink
        = [&](const std::string &path, const std::string &target, const std::string &arguments) {
              SCOPED_TRACE(path);
              const auto link = LoadShortcut(path);
              ASSERT_TRUE(link);
              EXPECT_EQ(link->Path, target);
              EXPECT_EQ(link->Arguments, arguments);
              EXPECT_EQ(link->WorkingDirectory, installed);
          };
    for (const std::string &path : {desktopEntry, group + "\\" + name + ".lnk"}) {
        expectLink(path, program, "");
        EXPECT_EQ(LoadShortcut(path)->IconPath, installed + "\\" + name + ".png");
    }
    expectLink(group + "\\Uninstall.lnk", program, "/Uninstall");
    expectLink(group + "\\Readme.lnk", installed + "\\Readme.txt", "");
    EXPECT_EQ(std::distance(fs::directory_iterator(group), fs::directory_iterator()), 3);
}
#endif

TEST_F(InstallTest, TheInstalledProgramIsStartedByItsOwnPath)
{
    // This process holds the single-instance lock, as the running installer does.
    const TScopedEnv runtime("XDG_RUNTIME_DIR", temp.Path().string());
    ASSERT_FALSE(IsProgramInstanceRunning(name));
    const std::string lock = ProgramInstanceLockPath(name);
    const TScopedEnv lockEnv("MOSAVO_TEST_LOCK", lock);
    // On Windows the mutex is no file; the program is this test program, which notes its start.
    const std::string lockState = OnWindows ? temp / "started.txt.lock" : lock + ".state";
#ifdef _WIN32
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    fs::copy_file(self, installerFile, fs::copy_options::overwrite_existing);
#endif

    TInstaller installer = Installer(installerFile, false);
    installer.StartProgram = TInstaller().StartProgram; // the real one
    installer.Install();

    ASSERT_TRUE(WaitForFileContent(lockState));
    EXPECT_EQ(ReadTextFile(lockState), "free\n") << "the started program is not turned away";
    // Without arguments, and like any program started from here, in this process's directory.
    EXPECT_EQ(ReadTextFile(temp / "started.txt"),
        ProgramIn(installed) + "|" + fs::current_path().string() + "|\n");
    EXPECT_TRUE(errorDialog.Descriptions.empty());
#ifdef _WIN32
    // The started copy is deleted with the test's folder once it has ended.
    for (int i = 0; i < 500 && !DeleteFileW(Widen(ProgramIn(installed)).c_str()); ++i)
        Sleep(10);
#endif
}

TEST_F(InstallTest, TheFolderNameComesFromTheShippedFolder)
{
    const std::string setup = Native(temp / "Setup");
    const std::string upperCase = Native(setup + "/INSTALL") + ProgramFileExtension;
    MakeShippedFolder(setup, "setup");
    TInstaller installer = Installer(upperCase, false);
    fs::rename(Native(setup + "/Install") + ProgramFileExtension, upperCase);
    std::vector<std::string> entries = ShippedEntries();
    entries[0] = "INSTALL" + std::string(ProgramFileExtension);
    WriteShippedList(setup, entries);
    installer.InstallTo = Native(temp / "Programs"); // no trailing delimiter
    fs::create_directories(installer.InstallTo);
    installer.Install();

    const std::string target = Native(temp / "Programs/Setup");
    EXPECT_EQ(ReadTextFile(target + "/Readme.txt"), "Read me, setup.\n");
    EXPECT_TRUE(fs::exists(ProgramIn(target)));
    EXPECT_FALSE(fs::exists(target + "/INSTALL" + ProgramFileExtension));
    EXPECT_TRUE(fs::exists(programsMenu + "/Setup/" + name + linkExtension));
    EXPECT_EQ(RegistryValue("UninstallString"), UninstallCommandFor(ProgramIn(target)));
}

TEST_F(InstallTest, ReinstallReplacesShippedFilesAndKeepsTheOptions)
{
    InstallShipped();
    WriteTextFile(installed + "/Mosavo.ini", "[Options]\nColumns=9\n");
    WriteTextFile(desktopEntry, "stale");
    fs::permissions(installed + "/Readme.txt", fs::perms::owner_read);
    MakeShippedFolder(shipped, "shipped 2");

    Installer(installerFile, false).Install();

    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_EQ(ReadTextFile(installed + "/Readme.txt"), "Read me, shipped 2.\n");
    EXPECT_NE(ReadTextFile(ProgramIn(installed)).find("# shipped 2"), std::string::npos);
    EXPECT_EQ(ReadTextFile(installed + "/Mosavo.ini"), "[Options]\nColumns=9\n");
    EXPECT_EQ(ShortcutCommand(desktopEntry), "\"" + ProgramIn(installed) + "\"");
}

TEST_F(InstallTest, AnsweringNoChangesNothing)
{
    answer = mbrNo;
    Installer(installerFile, false).Install();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(fs::exists(installed));
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(group));
    EXPECT_FALSE(RegistryWritten());
    EXPECT_TRUE(started.empty());

    answer = mbrYes;
    InstallShipped();
    answer = mbrNo;
    Installer(ProgramIn(installed), true).Uninstall();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text,
        "Delete directory \"" + Native(installed + "/") + "\" (and all contained files)?");
    EXPECT_TRUE(fs::exists(installed + "/Readme.txt"));
    EXPECT_TRUE(fs::exists(desktopEntry));
    EXPECT_TRUE(fs::exists(group + "/Uninstall" + linkExtension));
    EXPECT_EQ(RegistryValue("DisplayName"), name);
}

TEST_F(InstallTest, UninstallRemovesTheInstallationButTheRunningProgram)
{
    InstallShipped();
    WriteTextFile(installed + "/MosavoGames/cat.mzg", "game");
    fs::permissions(installed + "/MosavoGames/cat.mzg", fs::perms::owner_read);
    WriteEntryValue(uninstallKey + "2", "DisplayName", "Another program");
    WriteEntryValue(uninstallKey + "\\Sub", "Value", "goes with its key");

    Installer(ProgramIn(installed), true).Uninstall();

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Text,
        "Delete directory \"" + Native(installed + "/") + "\" (and all contained files)?");
    EXPECT_EQ(boxes[1].Caption, "Message");
    EXPECT_EQ(
        boxes[1].Text, "Uninstallation successful. Some files that were in use were not deleted.");
    EXPECT_TRUE(errorDialog.Descriptions.empty());

    std::vector<std::string> left;
    for (const auto &entry : fs::recursive_directory_iterator(installed))
        left.push_back(entry.path().string());
    // On Windows the running program moves to a name of its own, which alone is deleted at the
    // restart, so that a reinstall before it keeps its new program.
    ASSERT_EQ(left.size(), 1u);
    if (OnWindows)
        EXPECT_TRUE(left[0].starts_with(ProgramIn(installed) + ".~mzdel-")) << left[0];
    else
        EXPECT_EQ(left[0], ProgramIn(installed));
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(group));
    EXPECT_TRUE(fs::exists(programsMenu));
    EXPECT_FALSE(EntryExists(uninstallKey));
    EXPECT_FALSE(EntryExists(uninstallKey + "\\Sub"));
    EXPECT_EQ(EntryValue(uninstallKey + "2", "DisplayName"), "Another program");
}

TEST_F(InstallTest, UninstallOfACopyThatWasNotInstalledDeletesNothing)
{
    // A copy of the program run from a folder full of other things.
    const std::string downloads = Native(home + "/Downloads");
    WriteScript(ProgramIn(downloads), "exit 0\n");
    WriteTextFile(downloads + "/letter.txt", "dear");
    WriteTextFile(downloads + "/photos/cat.jpg", "cat");

    const auto expectUntouched = [&] {
        EXPECT_EQ(ReadTextFile(downloads + "/letter.txt"), "dear");
        EXPECT_EQ(ReadTextFile(downloads + "/photos/cat.jpg"), "cat");
        EXPECT_TRUE(fs::exists(ProgramIn(downloads)));
        EXPECT_TRUE(errorDialog.Descriptions.empty());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Caption, "Warning");
        EXPECT_EQ(boxes[0].Text,
            "Nothing was deleted. This copy of " + name + " in \"" + Native(downloads + "/")
                + "\" was not installed by the installer.");
    };
    Installer(ProgramIn(downloads), true).Uninstall(); // no installation at all
    expectUntouched();

    InstallShipped(); // an installation elsewhere is not this copy's
    Installer(ProgramIn(downloads), true).Uninstall();
    expectUntouched();
    EXPECT_TRUE(fs::exists(installed + "/Readme.txt"));
    EXPECT_TRUE(fs::exists(desktopEntry));
    EXPECT_EQ(RegistryValue("DisplayName"), name);
}

TEST_F(InstallTest, UninstallAfterTheGroupWasDeletedByHandStillRemovesTheEntry)
{
    InstallShipped();
    fs::remove_all(group);
    Installer(ProgramIn(installed), true).Uninstall();
    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_FALSE(fs::exists(installed + "/Readme.txt"));
    EXPECT_FALSE(EntryExists(uninstallKey));
}

TEST_F(InstallTest, EmptyDirectoryIsRefusedBeforeAnyQuestion)
{
    TInstaller installer = Installer(installerFile, false);
    installer.InstallTo.clear();
    installer.InstallOrUninstall();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "Warning");
    EXPECT_EQ(boxes[0].Text, "(Un)Installation directory is empty.");
    EXPECT_TRUE(errorDialog.Descriptions.empty());

    installer.Install();
    installer.UninstallMode = true;
    installer.Uninstall();
    ASSERT_EQ(errorDialog.Descriptions.size(), 2u);
    EXPECT_EQ(errorDialog.Descriptions[0], InstallFailure);
    EXPECT_NE(errorDialog.Contexts[0].find("Installation directory is empty."), std::string::npos);
    EXPECT_NE(errorDialog.Contexts[0].find("TInstallForm::Install"), std::string::npos);
    EXPECT_EQ(errorDialog.Descriptions[1], "Failed to uninstall program.");
    EXPECT_NE(
        errorDialog.Contexts[1].find("Uninstallation directory is empty."), std::string::npos);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(InstallTest, InstallingIntoTheShippedFolderItselfIsRefused)
{
    // A parent reached through a link is the folder the link leads to.
#ifdef _WIN32
    const TLink toShipped(shipped, temp / "toShipped");
    const TLink toPictures(shipped + "\\Pictures", temp / "toPictures");
    if (!toShipped.Made() || !toPictures.Made())
        GTEST_SKIP() << TLink::WhyNot();
#else
    fs::create_symlink(shipped, temp / "toShipped");
    fs::create_symlink(shipped + "/Pictures", temp / "toPictures");
#endif
    for (const std::string &parent :
        {temp / "download", shipped, temp / "toShipped", Native(temp / "toPictures/")}) {
        SCOPED_TRACE(parent);
        errorDialog.Descriptions.clear();
        errorDialog.Contexts.clear();
        TInstaller installer = Installer(installerFile, false);
        installer.InstallTo = parent;
        installer.Install();
        EXPECT_TRUE(boxes.empty());
        ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
        EXPECT_NE(
            errorDialog.Contexts[0].find("lies in the installer's folder"), std::string::npos);
        EXPECT_TRUE(fs::exists(installerFile));
        EXPECT_FALSE(fs::exists(ProgramIn(shipped)));
        EXPECT_FALSE(RegistryWritten());
    }
}

// Started from Explorer, the installer's current directory is its own folder. The check that the
// installation does not land inside the shipped folder walks up to the drive's root, which must
// stay "C:\\": "C:" alone is the current directory on C:, here the shipped folder itself.
TEST_F(InstallTest, StartedInItsOwnFolderItInstallsOntoTheSameDrive)
{
    const fs::path before = fs::current_path();
    fs::current_path(shipped);
    Installer(installerFile, false).Install();
    fs::current_path(before);
    EXPECT_TRUE(errorDialog.Descriptions.empty())
        << (errorDialog.Contexts.empty() ? "" : errorDialog.Contexts[0]);
    EXPECT_TRUE(fs::exists(ProgramIn(installed)));
}

TEST_F(InstallTest, AFailedRenameOrStartEndsTheInstallationWithTheErrorDialog)
{
    // Started under another name than the shipped file has: nothing to rename. Names that
    // differ in case only are one on Windows.
    Installer(Native(shipped + (OnWindows ? "/Setup.exe" : "/install")), false).Install();
    ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
    EXPECT_EQ(errorDialog.Descriptions[0], InstallFailure);
    EXPECT_NE(errorDialog.Contexts[0].find("Failed to rename."), std::string::npos);
    EXPECT_TRUE(fs::exists(installed + "/Readme.txt")) << "the copy is not undone";
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(RegistryWritten());

    errorDialog.Descriptions.clear();
    errorDialog.Contexts.clear();
    TInstaller installer = Installer(installerFile, false);
    installer.StartProgram = [](const std::string &programFile) {
        FunStatContext.SetRaise("test", "test", 1, fsError, "Failed to run file.", programFile);
        SetLastSystemError(ENOENT);
    };
    installer.Install();
    ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
    EXPECT_EQ(errorDialog.Descriptions[0], InstallFailure);
    EXPECT_NE(errorDialog.Contexts[0].find("Failed to run file."), std::string::npos);
    EXPECT_NE(errorDialog.Contexts[0].find(ProgramIn(installed)), std::string::npos);
    EXPECT_EQ(RegistryValue("DisplayName"), name) << "everything else is installed";
}

TEST_F(InstallTest, TheUninstallEntryFollowsTheDataHome)
{
    SKIP_ON_WINDOWS("the entry's ini file in the XDG data folder; the registry's is tested in "
                    "platform/win32");
    const TScopedEnv data("XDG_DATA_HOME", temp / "data");
    SetUninstallRegistry("Mosavo", "Mosavo", "/opt/Mosavo/Mosavo /Uninstall");
    EXPECT_EQ(UninstallRegistryFileName(), temp / "data/Mosavo/registry.ini");
    EXPECT_EQ(ReadUninstallString("Mosavo"), "/opt/Mosavo/Mosavo /Uninstall");
    DeleteUninstallerRegistry("Mosavo");
    DeleteUninstallerRegistry("Mosavo"); // a missing entry is no failure
    EXPECT_EQ(ReadUninstallString("Mosavo"), "");

    // A data folder that cannot be written: nothing is written and nothing reported.
    WriteTextFile(temp / "blocked", "a file, not a folder");
    const TScopedEnv blocked("XDG_DATA_HOME", temp / "blocked");
    SetUninstallRegistry("Mosavo", "Mosavo", "x /Uninstall");
    EXPECT_EQ(ReadUninstallString("Mosavo"), "");
    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_TRUE(boxes.empty());
}

// The first process's part: what each outcome of the elevated start leads to.
TEST_F(InstallTest, TheFirstProcessStartsWhatTheElevatedStartHandedOver)
{
    InstallShipped();
    const std::string cancelled
        = "Installation was cancelled: it needs an administrator's permission.";
    const struct
    {
        TElevatedRun Run;
        bool Uninstall;
        bool Done;
        std::vector<std::string> Started;
        std::string Box;
        std::string Error;
    } cases[] = {
        {{TElevation::NotNeeded, 0}, false, false, {}, "", ""},
        {{TElevation::Finished, 0}, false, true, {}, "", ""},
        {{TElevation::Finished, 1}, false, true, {}, "", ""},
        {{TElevation::Finished, StartInstalledProgramExitCode}, false, true, {ProgramIn(installed)},
            "", ""},
        {{TElevation::Refused, 1223}, false, true, {}, cancelled, ""},
        {{TElevation::Refused, 1223}, true, true, {},
            "Uninstallation was cancelled: it needs an administrator's permission.", ""},
        {{TElevation::Failed, 2}, false, true, {}, "",
            "Failed to start the program with an administrator's permission."},
    };
    for (const auto &c : cases) {
        boxes.clear();
        started.clear();
        errorDialog.Descriptions.clear();
        TElevatedInstaller elevated;
        elevated.ProgramName = name;
        elevated.UninstallMode = c.Uninstall;
        elevated.Elevate = [&] { return c.Run; };
        elevated.StartProgram = Installer(installerFile, false).StartProgram;
        const auto outcome = static_cast<int>(c.Run.Outcome);
        EXPECT_EQ(elevated.Run(), c.Done) << outcome;
        EXPECT_EQ(started, c.Started) << outcome;
        EXPECT_EQ(boxes.empty() ? "" : boxes.back().Text, c.Box) << outcome;
        EXPECT_EQ(errorDialog.Descriptions.empty() ? "" : errorDialog.Descriptions.back(), c.Error)
            << outcome;
    }

    // Asked to start a program that no entry names, or that has gone, it says so.
    for (const bool entry : {false, true}) {
        errorDialog.Descriptions.clear();
        errorDialog.Contexts.clear();
        started.clear();
        if (entry)
            fs::remove(ProgramIn(installed));
        else
            DeleteUninstallerRegistry(name);
        TElevatedInstaller elevated;
        elevated.ProgramName = name;
        elevated.Elevate = [] {
            return TElevatedRun {TElevation::Finished, StartInstalledProgramExitCode};
        };
        elevated.StartProgram = Installer(installerFile, false).StartProgram;
        EXPECT_TRUE(elevated.Run());
        EXPECT_TRUE(started.empty());
        ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
        EXPECT_EQ(errorDialog.Descriptions[0], "Failed to start the installed program.");
        EXPECT_NE(errorDialog.Contexts[0].find("The uninstall entry names no program file."),
            std::string::npos);
        if (!entry)
            SetUninstallRegistry(name, name, UninstallCommandFor(ProgramIn(installed)));
    }
    EXPECT_EQ(InstallerExitCode(), 0u) << "no elevated start handed anything over here";
}

TEST_F(InstallTest, UninstallAlsoRemovesTheShortcutsOfOlderVersionsInTheUserFolders)
{
    InstallShipped();
    if (OnWindows) {
        EXPECT_TRUE(fs::exists(desktopEntry)) << "every user's desktop";
        EXPECT_FALSE(fs::exists(userDesktopEntry)) << "not the elevating account's own";
        EXPECT_FALSE(fs::exists(userGroup));
        // As an older version left them.
        WriteTextFile(userDesktopEntry, "old shortcut");
        WriteTextFile(userGroup + "/Uninstall" + linkExtension, "old shortcut");
    }
    WriteTextFile(Native(programsMenu + "/Other/Other" + linkExtension), "another program's");

    Installer(ProgramIn(installed), true).Uninstall();
    EXPECT_TRUE(errorDialog.Descriptions.empty());
    for (const std::string &gone : {desktopEntry, group, userDesktopEntry, userGroup})
        EXPECT_FALSE(fs::exists(gone)) << gone;
    EXPECT_TRUE(fs::exists(Native(programsMenu + "/Other/Other" + linkExtension)));
}

TEST_F(InstallTest, TheUninstallEntryTellsTheListOfProgramsWhatItShows)
{
    WriteTextFile(shipped + "/Pictures/Large.jpg", std::string(5000, 'x'));
    std::vector<std::string> entries = ShippedEntries();
    entries.push_back("Pictures/Large.jpg");
    WriteShippedList(shipped, entries);
    InstallShipped();
    const std::pair<const char *, std::string> values[] = {
        {"DisplayName", name},
        {"UninstallString", UninstallCommandFor(ProgramIn(installed))},
        {"DisplayIcon", ProgramIn(installed)},
        {"DisplayVersion", "2.5"},
        {"Publisher", "The Mosavo developers"},
        {"InstallLocation", Native(installed)},
        {"NoModify", "1"},
        {"NoRepair", "1"},
    };
    for (const auto &[valueName, expected] : values)
        EXPECT_EQ(RegistryValue(valueName), expected) << valueName;
    // The 5000 bytes and a few small files, in KiB rounded up.
    const std::string size = RegistryValue("EstimatedSize");
    EXPECT_TRUE(size == "5" || size == "6") << size;

    // An entry written with the two values alone keeps to them and the two flags.
    SetUninstallRegistry(name + "2", name, "x /Uninstall");
    EXPECT_EQ(EntryValue(uninstallKey + "2", "UninstallString"), "x /Uninstall");
    EXPECT_EQ(EntryValue(uninstallKey + "2", "NoRepair"), "1");
    for (const char *valueName : {"DisplayIcon", "DisplayVersion", "EstimatedSize"})
        EXPECT_EQ(EntryValue(uninstallKey + "2", valueName), "<none>") << valueName;
    DeleteUninstallerRegistry(name + "2");
}

TEST(ShippedList, EachLineNamesAFileInsideTheFolder)
{
    const struct
    {
        const char *Entry;
        bool Inside;
    } cases[] = {
        {"Install.exe", true},
        {"platforms/qwindows.dll", true},
        {"a/b/c.txt", true},
        {"..data", true}, // a name that starts with dots is still a name
        {"", false},
        {"/etc/passwd", false},
        {"../Qt6Core.dll", false},
        {"Pictures/../../x.dll", false},
        {"./Install.exe", false},
        {"a//b", false},
        {"Pictures/", false},
        {"C:x.dll", false},
        {"Install.exe:Zone.Identifier", false},
        {"..\\Qt6Core.dll", false},
        {"\\\\server\\share\\x.dll", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsShippedListEntry(c.Entry), c.Inside) << c.Entry;
}

TEST_F(InstallTest, OnlyTheListedFilesAreInstalled)
{
    // Put beside the installer in a Downloads folder, they are loaded where they land.
    WriteTextFile(shipped + "/Qt6Core.dll", "planted");
    WriteTextFile(shipped + "/platforms/qwindows.dll", "planted");
    WriteTextFile(shipped + "/Pictures/Planted.jpg", "planted");
    // CR LF lines and an empty one, as an editor on Windows might leave them.
    WriteTextFile(shipped + "/" + ShippedListFileName,
        std::string("Install") + ProgramFileExtension
            + "\r\nReadme.txt\r\n\r\nPictures/Sample.jpg\r\n");
    Installer(installerFile, false).Install();

    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_EQ(TreeOf(installed),
        (std::vector<std::string> {
            name + ProgramFileExtension, "Pictures", "Pictures/Sample.jpg", "Readme.txt"}));
}

TEST_F(InstallTest, AListThatCannotBeFollowedInstallsNothing)
{
    const std::string program = std::string("Install") + ProgramFileExtension;
    const struct
    {
        std::vector<std::string> Entries; // empty: no list at all
        std::string Reason;
    } cases[] = {
        {{}, "The shipped folder has no list of its files."},
        {{program, "Readme.txt", "Qt6Gui.dll"}, "A file of the shipped list is missing."},
        {{program, "Pictures"}, "A file of the shipped list is missing."}, // a folder is no file
        {{program, "../download/Mosavo/Readme.txt"},
            "The list of shipped files names a file outside the shipped folder."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Reason);
        errorDialog.Descriptions.clear();
        errorDialog.Contexts.clear();
        if (c.Entries.empty())
            fs::remove(shipped + "/" + ShippedListFileName);
        else
            WriteShippedList(shipped, c.Entries);
        Installer(installerFile, false).Install();
        ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
        EXPECT_EQ(errorDialog.Descriptions[0], InstallFailure);
        EXPECT_NE(errorDialog.Contexts[0].find(c.Reason), std::string::npos)
            << errorDialog.Contexts[0];
        EXPECT_FALSE(fs::exists(installed));
        EXPECT_FALSE(fs::exists(desktopEntry));
        EXPECT_FALSE(RegistryWritten());
        EXPECT_TRUE(started.empty());
    }
}

TEST_F(InstallTest, ACopyThatFailsHalfwayLeavesTheEarlierInstallationAsItWas)
{
    InstallShipped();
    const std::vector<std::string> before = TreeOf(installed);
    // What was a folder of the installation is a file now, so the copy cannot go on there.
    fs::remove_all(installed + "/Pictures");
    WriteTextFile(installed + "/Pictures", "in the way");
    MakeShippedFolder(shipped, "shipped 2");
    WriteTextFile(shipped + "/Extra/Deep/New.txt", "new");
    WriteShippedList(shipped,
        {std::string("Install") + ProgramFileExtension, "Extra/Deep/New.txt", "Readme.txt",
            "Pictures/Sample.jpg"});

    Installer(installerFile, false).Install();

    ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
    EXPECT_NE(errorDialog.Contexts[0].find("Failed to create directory."), std::string::npos);
    // No temporary copies, no new folders; the old files untouched.
    std::vector<std::string> expected = before;
    expected.erase(std::find(expected.begin(), expected.end(), "Pictures/Sample.jpg"));
    EXPECT_EQ(TreeOf(installed), expected);
    EXPECT_EQ(ReadTextFile(installed + "/Readme.txt"), "Read me, shipped 1.\n");
    EXPECT_NE(ReadTextFile(ProgramIn(installed)).find("# shipped 1"), std::string::npos);
    EXPECT_TRUE(started.empty());
}
