#include "platform/Install.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/StoredTextList.h"
#include "platform/File.h"
#include "platform/Program.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mosavo";
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

class InstallTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const std::string home = temp / "home";
    TScopedEnv homeEnv {"HOME", home};
    TScopedEnv configEnv {"XDG_CONFIG_HOME", home + "/.config"};
    TScopedEnv dataEnv {"XDG_DATA_HOME", std::nullopt};
    TScopedEnv markerEnv {"MOSAVO_TEST_MARKER", temp / "started.txt"};
    const std::string shipped = temp / "download/Mosavo";
    const std::string installed = home + "/.local/opt/Mosavo";
    const std::string desktopEntry = home + "/Desktop/Mosavo.desktop";
    const std::string group = home + "/.local/share/applications/Mosavo";
    const std::string registry = home + "/.local/share/Mosavo/registry.ini";

    TRecordingErrorDialog errorDialog;
    std::vector<TBox> boxes;
    int32_t answer = mbrYes;
    std::vector<std::string> started;

    void SetUp() override
    {
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
    }

    // The program is a script that notes how it was started.
    static void MakeShippedFolder(const std::string &folder, const std::string &version)
    {
        WriteScript(folder + "/Install",
            "# " + version
                + "\necho \"$0|$PWD|$*\" >> \"$MOSAVO_TEST_MARKER\"\n"
                  "[ -z \"$MOSAVO_TEST_LOCK\" ] || { flock -n \"$MOSAVO_TEST_LOCK\" true && echo "
                  "free"
                  " || echo held; } > \"$MOSAVO_TEST_LOCK.state\"\n");
        WriteTextFile(folder + "/Readme.txt", "Read me, " + version + ".\n");
        WriteTextFile(folder + "/Mosavo.png", "picture");
        WriteTextFile(folder + "/Pictures/Sample.jpg", "sample");
        WriteTextFile(folder + "/.hidden", "not shipped");
    }

    // An installer as the shipped folder's Install runs it, starting nothing.
    TInstaller Installer(const std::string &programPath, bool uninstall)
    {
        TInstaller installer;
        installer.ProgramName = "Mosavo";
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
        Installer(shipped + "/Install", false).Install();
        ASSERT_TRUE(fs::exists(installed + "/Mosavo"));
        boxes.clear();
        started.clear();
    }

    std::string RegistryValue(const std::string &key)
    {
        return TMemIniFile(registry).ReadString(UninstallKey, key, "<none>");
    }
};

} // namespace

TEST(InstallMode, InstallerNameAndUninstallArgumentIgnoreCase)
{
    EXPECT_TRUE(IsInstallerFileName("Install"));
    EXPECT_TRUE(IsInstallerFileName("INSTALL"));
    EXPECT_TRUE(IsInstallerFileName("iNsTaLl"));
    EXPECT_FALSE(IsInstallerFileName("Install.exe"));
    EXPECT_FALSE(IsInstallerFileName("Installer"));
    EXPECT_FALSE(IsInstallerFileName("Mosavo"));
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

TEST_F(InstallTest, InstallCopiesTheShippedFolderAndRegistersIt)
{
    Installer(shipped + "/Install", false).Install();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "Query");
    EXPECT_EQ(boxes[0].Text, "Install the program in directory \"" + installed + "\"?");
    EXPECT_TRUE(errorDialog.Descriptions.empty());

    EXPECT_EQ(ReadTextFile(installed + "/Readme.txt"), "Read me, shipped 1.\n");
    EXPECT_EQ(ReadTextFile(installed + "/Pictures/Sample.jpg"), "sample");
    EXPECT_FALSE(fs::exists(installed + "/.hidden"));
    EXPECT_FALSE(fs::exists(installed + "/Install"));
    EXPECT_TRUE(fs::exists(shipped + "/Install")) << "the shipped folder stays as it was";
    EXPECT_EQ(ModeOf(installed + "/Mosavo") & 0100, 0100u);

    EXPECT_EQ(RegistryValue("DisplayName"), "Mosavo");
    EXPECT_EQ(RegistryValue("UninstallString"), installed + "/Mosavo /Uninstall");
    EXPECT_EQ(started, std::vector<std::string> {installed + "/Mosavo"});
}

TEST_F(InstallTest, ShortcutsAreDesktopEntriesThatStartTheInstalledFiles)
{
    Installer(shipped + "/Install", false).Install();

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

TEST_F(InstallTest, TheInstalledProgramIsStartedByItsOwnPath)
{
    // This process holds the single-instance lock, as the running installer does.
    const TScopedEnv runtime("XDG_RUNTIME_DIR", temp.Path().string());
    ASSERT_FALSE(IsProgramInstanceRunning("Mosavo"));
    const std::string lock = ProgramInstanceLockPath("Mosavo");
    const TScopedEnv lockEnv("MOSAVO_TEST_LOCK", lock);

    TInstaller installer = Installer(shipped + "/Install", false);
    installer.StartProgram = TInstaller().StartProgram; // the real one
    installer.Install();

    ASSERT_TRUE(WaitForFileContent(lock + ".state"));
    EXPECT_EQ(ReadTextFile(lock + ".state"), "free\n") << "the started program is not turned away";
    // Without arguments, and like any program started from here, in this process's directory.
    EXPECT_EQ(ReadTextFile(temp / "started.txt"),
        installed + "/Mosavo|" + fs::current_path().string() + "|\n");
    EXPECT_TRUE(errorDialog.Descriptions.empty());
}

TEST_F(InstallTest, TheFolderNameComesFromTheShippedFolder)
{
    const std::string setup = temp / "Setup";
    MakeShippedFolder(setup, "setup");
    TInstaller installer = Installer(setup + "/INSTALL", false);
    fs::rename(setup + "/Install", setup + "/INSTALL");
    installer.InstallTo = temp / "Programs"; // no trailing delimiter
    fs::create_directories(installer.InstallTo);
    installer.Install();

    const std::string target = temp / "Programs/Setup";
    EXPECT_EQ(ReadTextFile(target + "/Readme.txt"), "Read me, setup.\n");
    EXPECT_TRUE(fs::exists(target + "/Mosavo"));
    EXPECT_FALSE(fs::exists(target + "/INSTALL"));
    EXPECT_TRUE(fs::exists(home + "/.local/share/applications/Setup/Mosavo.desktop"));
    EXPECT_EQ(RegistryValue("UninstallString"), target + "/Mosavo /Uninstall");
}

TEST_F(InstallTest, ReinstallReplacesShippedFilesAndKeepsTheOptions)
{
    InstallShipped();
    WriteTextFile(installed + "/Mosavo.ini", "[Options]\nColumns=9\n");
    WriteTextFile(desktopEntry, "stale");
    fs::permissions(installed + "/Readme.txt", fs::perms::owner_read);
    MakeShippedFolder(shipped, "shipped 2");

    Installer(shipped + "/Install", false).Install();

    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_EQ(ReadTextFile(installed + "/Readme.txt"), "Read me, shipped 2.\n");
    EXPECT_NE(ReadTextFile(installed + "/Mosavo").find("# shipped 2"), std::string::npos);
    EXPECT_EQ(ReadTextFile(installed + "/Mosavo.ini"), "[Options]\nColumns=9\n");
    EXPECT_EQ(ReadDesktopEntry(desktopEntry).at("Exec"), "\"" + installed + "/Mosavo\"");
}

TEST_F(InstallTest, AnsweringNoChangesNothing)
{
    answer = mbrNo;
    Installer(shipped + "/Install", false).Install();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(fs::exists(installed));
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(group));
    EXPECT_FALSE(fs::exists(registry));
    EXPECT_TRUE(started.empty());

    answer = mbrYes;
    InstallShipped();
    answer = mbrNo;
    Installer(installed + "/Mosavo", true).Uninstall();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Delete directory \"" + installed + "/\" (and all contained files)?");
    EXPECT_TRUE(fs::exists(installed + "/Readme.txt"));
    EXPECT_TRUE(fs::exists(desktopEntry));
    EXPECT_TRUE(fs::exists(group + "/Uninstall.desktop"));
    EXPECT_EQ(RegistryValue("DisplayName"), "Mosavo");
}

TEST_F(InstallTest, UninstallRemovesTheInstallationButTheRunningProgram)
{
    InstallShipped();
    WriteTextFile(installed + "/MosavoGames/cat.mzg", "game");
    fs::permissions(installed + "/MosavoGames/cat.mzg", fs::perms::owner_read);
    TMemIniFile other(registry);
    other.WriteString(UninstallKey + "2", "DisplayName", "Another program");
    other.WriteString(UninstallKey + "\\Sub", "Value", "goes with its key");
    other.UpdateFile();

    Installer(installed + "/Mosavo", true).Uninstall();

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Text, "Delete directory \"" + installed + "/\" (and all contained files)?");
    EXPECT_EQ(boxes[1].Caption, "Message");
    EXPECT_EQ(
        boxes[1].Text, "Uninstallation successful. Some files that were in use were not deleted.");
    EXPECT_TRUE(errorDialog.Descriptions.empty());

    std::vector<std::string> left;
    for (const auto &entry : fs::recursive_directory_iterator(installed))
        left.push_back(entry.path().string());
    EXPECT_EQ(left, std::vector<std::string> {installed + "/Mosavo"});
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(group));
    EXPECT_TRUE(fs::exists(home + "/.local/share/applications"));
    const TMemIniFile after(registry);
    EXPECT_FALSE(after.SectionExists(UninstallKey));
    EXPECT_FALSE(after.SectionExists(UninstallKey + "\\Sub"));
    EXPECT_EQ(after.ReadString(UninstallKey + "2", "DisplayName", ""), "Another program");
}

TEST_F(InstallTest, UninstallOfACopyThatWasNotInstalledDeletesNothing)
{
    // A copy of the program run from a folder full of other things.
    const std::string downloads = home + "/Downloads";
    WriteScript(downloads + "/Mosavo", "exit 0\n");
    WriteTextFile(downloads + "/letter.txt", "dear");
    WriteTextFile(downloads + "/photos/cat.jpg", "cat");

    const auto expectUntouched = [&] {
        EXPECT_EQ(ReadTextFile(downloads + "/letter.txt"), "dear");
        EXPECT_EQ(ReadTextFile(downloads + "/photos/cat.jpg"), "cat");
        EXPECT_TRUE(fs::exists(downloads + "/Mosavo"));
        EXPECT_TRUE(errorDialog.Descriptions.empty());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Caption, "Warning");
        EXPECT_EQ(boxes[0].Text,
            "Nothing was deleted. This copy of Mosavo in \"" + downloads
                + "/\" was not installed by the installer.");
    };
    Installer(downloads + "/Mosavo", true).Uninstall(); // no installation at all
    expectUntouched();

    InstallShipped(); // an installation elsewhere is not this copy's
    Installer(downloads + "/Mosavo", true).Uninstall();
    expectUntouched();
    EXPECT_TRUE(fs::exists(installed + "/Readme.txt"));
    EXPECT_TRUE(fs::exists(desktopEntry));
    EXPECT_EQ(RegistryValue("DisplayName"), "Mosavo");
}

TEST_F(InstallTest, UninstallAfterTheGroupWasDeletedByHandStillRemovesTheEntry)
{
    InstallShipped();
    fs::remove_all(group);
    Installer(installed + "/Mosavo", true).Uninstall();
    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_FALSE(fs::exists(installed + "/Readme.txt"));
    EXPECT_FALSE(TMemIniFile(registry).SectionExists(UninstallKey));
}

TEST_F(InstallTest, EmptyDirectoryIsRefusedBeforeAnyQuestion)
{
    TInstaller installer = Installer(shipped + "/Install", false);
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
    fs::create_symlink(shipped, temp / "toShipped");
    fs::create_symlink(shipped + "/Pictures", temp / "toPictures");
    for (const std::string &parent :
        {temp / "download", shipped, temp / "toShipped", temp / "toPictures/"}) {
        SCOPED_TRACE(parent);
        errorDialog.Descriptions.clear();
        errorDialog.Contexts.clear();
        TInstaller installer = Installer(shipped + "/Install", false);
        installer.InstallTo = parent;
        installer.Install();
        EXPECT_TRUE(boxes.empty());
        ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
        EXPECT_NE(
            errorDialog.Contexts[0].find("lies in the installer's folder"), std::string::npos);
        EXPECT_TRUE(fs::exists(shipped + "/Install"));
        EXPECT_FALSE(fs::exists(shipped + "/Mosavo"));
        EXPECT_FALSE(fs::exists(registry));
    }
}

TEST_F(InstallTest, AFailedRenameOrStartEndsTheInstallationWithTheErrorDialog)
{
    // Started under another name than the shipped file has: nothing to rename.
    Installer(shipped + "/install", false).Install();
    ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
    EXPECT_EQ(errorDialog.Descriptions[0], InstallFailure);
    EXPECT_NE(errorDialog.Contexts[0].find("Failed to rename."), std::string::npos);
    EXPECT_TRUE(fs::exists(installed + "/Readme.txt")) << "the copy is not undone";
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(registry));

    errorDialog.Descriptions.clear();
    errorDialog.Contexts.clear();
    TInstaller installer = Installer(shipped + "/Install", false);
    installer.StartProgram = [](const std::string &programFile) {
        FunStatContext.SetRaise("test", "test", 1, fsError, "Failed to run file.", programFile);
        SetLastSystemError(ENOENT);
    };
    installer.Install();
    ASSERT_EQ(errorDialog.Descriptions.size(), 1u);
    EXPECT_EQ(errorDialog.Descriptions[0], InstallFailure);
    EXPECT_NE(errorDialog.Contexts[0].find("Failed to run file."), std::string::npos);
    EXPECT_NE(errorDialog.Contexts[0].find(installed + "/Mosavo"), std::string::npos);
    EXPECT_EQ(RegistryValue("DisplayName"), "Mosavo") << "everything else is installed";
}

TEST_F(InstallTest, TheUninstallEntryFollowsTheDataHome)
{
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
