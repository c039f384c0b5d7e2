#include "platform/File.h"

#include "core/Error.h"
#include "support/OtherPlatform.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

class TFileTest : public ::testing::Test
{
protected:
    TTempFolder temp;
};

// Runs code with the current directory set to `dir`.
template<class Work>
void InDirectory(const std::filesystem::path &dir, Work &&work)
{
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    work();
    std::filesystem::current_path(old);
}

} // namespace

TEST_F(TFileTest, FullNamesAreAbsoluteAndWithoutDotComponents)
{
    SKIP_ON_WINDOWS("its expected full names keep '/' as written");
    InDirectory(temp.Path(), [&] {
        EXPECT_EQ(GetFullFileName("a/./b/../c.txt"), temp / "a/c.txt");
        EXPECT_EQ(GetFullFileName("/x//y/../z"), "/x/z");
        EXPECT_EQ(GetFullUncFileName("c.txt"), temp / "c.txt");
    });
    EXPECT_EQ(GetFullFileName(""), "");
    EXPECT_EQ(GetLongFileName("/a/PROGRA~1"), "/a/PROGRA~1");
}

TEST_F(TFileTest, SameFileFollowsIdentityNotSpelling)
{
    SKIP_ON_WINDOWS("needs symbolic links, which Wine cannot make (CreateSymbolicLinkW is not "
                    "implemented there)");
    const std::string file = temp / "Game.mzg";
    WriteTextFile(file, "x");
    std::filesystem::create_symlink(file, temp / "link.mzg");
    std::filesystem::create_hard_link(file, temp / "hard.mzg");
    WriteTextFile(temp / "game.mzg", "y");
    InDirectory(temp.Path(), [&] {
        EXPECT_TRUE(IsSameFile("Game.mzg", file));
        EXPECT_TRUE(IsSameFile("./sub/../Game.mzg", file));
    });
    EXPECT_TRUE(IsSameFile(temp / "link.mzg", file));
    EXPECT_TRUE(IsSameFile(temp / "hard.mzg", file));
    EXPECT_FALSE(IsSameFile(temp / "game.mzg", file));
    EXPECT_TRUE(IsSameFile(temp / "new/../missing", temp / "missing"));
    EXPECT_FALSE(IsSameFile(temp / "missing", temp / "missing2"));
    EXPECT_FALSE(IsSameFile(file + "*", file));
    EXPECT_FALSE(IsSameFile(file, temp / "Game?.mzg"));
}

TEST_F(TFileTest, SpecialFoldersFollowUserDirsAndAreCreated)
{
    SKIP_ON_WINDOWS("the XDG user folders; Windows' special folders are tested in platform/win32");
    const std::string home = temp / "home";
    WriteTextFile(temp / "config/user-dirs.dirs",
        "# written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\""
            + temp / "elsewhere/Schreibtisch"
            + "\"\n"
              "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    const TScopedEnv homeEnv("HOME", home);
    const TScopedEnv configEnv("XDG_CONFIG_HOME", temp / "config");
    const TScopedEnv dataEnv("XDG_DATA_HOME", temp / "data");

    EXPECT_EQ(GetMyPicturesPath(), home + "/Bilder/");
    EXPECT_EQ(GetDesktopPath(), temp / "elsewhere/Schreibtisch/");
    EXPECT_EQ(GetProgramsMenuPath(), temp / "data/applications/");
    EXPECT_EQ(GetProgramFilesPath(), home + "/.local/opt/");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/Bilder"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "elsewhere/Schreibtisch"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "data/applications"));
    EXPECT_TRUE(std::filesystem::is_directory(home + "/.local/opt"));
    EXPECT_EQ(GetSystemDirectoryPath(5), "");
}

TEST_F(TFileTest, SpecialFoldersFallBackToTheHomeFolder)
{
    SKIP_ON_WINDOWS("the XDG user folders and $HOME");
    const std::string home = temp / "home";
    const TScopedEnv homeEnv("HOME", home);
    const TScopedEnv configEnv("XDG_CONFIG_HOME", temp / "no-config");
    const TScopedEnv dataEnv("XDG_DATA_HOME", "relative/ignored");

    EXPECT_EQ(GetMyPicturesPath(), home + "/Pictures/");
    EXPECT_EQ(GetDesktopPath(), home + "/Desktop/");
    EXPECT_EQ(GetProgramsMenuPath(), home + "/.local/share/applications/");
}

TEST_F(TFileTest, SpecialFolderThatCannotBeCreatedIsEmpty)
{
    SKIP_ON_WINDOWS("the XDG user folders and POSIX modes");
    const std::string home = temp / "home";
    WriteTextFile(home + "/Pictures", "a file in the way");
    const TScopedEnv homeEnv("HOME", home);
    const TScopedEnv configEnv("XDG_CONFIG_HOME", temp / "no-config");
    EXPECT_EQ(GetMyPicturesPath(), "");
    EXPECT_EQ(GetDesktopPath(), home + "/Desktop/");
}

TEST_F(TFileTest, ExistenceFollowsLinks)
{
    SKIP_ON_WINDOWS("needs symbolic links, which Wine cannot make (CreateSymbolicLinkW is not "
                    "implemented there)");
    WriteTextFile(temp / "a.txt", "x");
    std::filesystem::create_symlink(temp / "gone", temp / "dangling");
    EXPECT_FALSE(PathExists(""));
    EXPECT_TRUE(PathExists(temp / "a.txt"));
    EXPECT_TRUE(PathExists(temp.Path().string()));
    EXPECT_FALSE(PathExists(temp / "b.txt"));
    EXPECT_FALSE(PathExists(temp / "dangling"));
}

TEST_F(TFileTest, ClearingReadOnlyGivesTheOwnerWriteAccessOnly)
{
    SKIP_ON_WINDOWS("needs symbolic links, which Wine cannot make (CreateSymbolicLinkW is not "
                    "implemented there)");
    const std::string file = temp / "ro.txt";
    WriteTextFile(file, "x");
    chmod(file.c_str(), 0444);
    std::filesystem::create_symlink(file, temp / "link");
    EXPECT_TRUE(ClearReadOnlyAttr(temp / "link"));
    EXPECT_EQ(ModeOf(file), 0444u) << "a link's target is left alone";
    EXPECT_TRUE(ClearReadOnlyAttr(file));
    EXPECT_EQ(ModeOf(file), 0644u);
    EXPECT_FALSE(ClearReadOnlyAttr(temp / "missing"));
}

TEST_F(TFileTest, FileSizeIsExactBeyondFourGigabytes)
{
    const std::string file = temp / "big";
    const int fd = open(file.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const off_t size = (off_t(5) << 30) + 7;
    ASSERT_EQ(ftruncate(fd, size), 0);
    EXPECT_EQ(GetFileSize(fd), static_cast<uint64_t>(size));
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    close(fd);

    EXPECT_EQ(GetFileSize(fd), 0u);
    EXPECT_EQ(FunStatContext.Status, fsWarning);
    EXPECT_EQ(FunStatContext.Description, "Failed to get file size.");
    EXPECT_EQ(FunStatContext.SystemErrorCode, 0u);
}

TEST(RunFile, EmptyNameLeavesTheBeginMark)
{
    FunStatContext.Reset(fsPerfect);
    RunFile("");
    EXPECT_EQ(FunStatContext.Status, fsBeginFunctionError);
    EXPECT_EQ(FunStatContext.Function, "RunFile");
}

TEST_F(TFileTest, RunFileStartsAProgramWithItsArgumentsAndDirectory)
{
    SKIP_ON_WINDOWS("starts a shell script");
    const std::string program = temp / "bin/prog";
    const std::string report = temp / "report";
    WriteScript(program,
        "pwd > \"" + report + ".tmp\"\nfor a in \"$@\"; do echo \"[$a]\"; done >> \"" + report
            + ".tmp\"\nmv \"" + report + ".tmp\" \"" + report + "\"\n");
    std::filesystem::create_directories(temp / "work");

    RunFile(program, "two words", temp / "work", false, true);
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    ASSERT_TRUE(WaitForFileContent(report));
    EXPECT_EQ(ReadTextFile(report), temp / "work" + "\n[two words]\n");

    std::filesystem::remove(report);
    RunFile(program, "one \"and two\"", "", false, false);
    ASSERT_TRUE(WaitForFileContent(report));
    EXPECT_EQ(
        ReadTextFile(report), std::filesystem::current_path().string() + "\n[one]\n[and two]\n");
}

TEST_F(TFileTest, RunFileHandsDocumentsAndAddressesToXdgOpen)
{
    SKIP_ON_WINDOWS("xdg-open on the PATH");
    const std::string report = temp / "opened";
    WriteScript(temp / "bin/xdg-open", "echo \"$1\" >> \"" + report + "\"\n");
    const TScopedEnv path("PATH", temp / "bin");
    WriteTextFile(temp / "Readme.txt", "hello");

    InDirectory(temp.Path(), [&] { RunFile("Readme.txt"); });
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    ASSERT_TRUE(WaitForFileContent(report));
    RunFile("https://example.org/wallpapers?a=1&b=2");
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    for (int i = 0; i < 1000 && ReadTextFile(report).find("https") == std::string::npos; ++i)
        usleep(10000);
    EXPECT_EQ(
        ReadTextFile(report), temp / "Readme.txt" + "\nhttps://example.org/wallpapers?a=1&b=2\n");
}

TEST_F(TFileTest, RunFileReportsWhatCannotBeStarted)
{
    SKIP_ON_WINDOWS("POSIX modes and errno codes of exec");
    const TScopedEnv path("PATH", temp.Path().string());
    WriteTextFile(temp / "Readme.txt", "hello");

    RunFile(temp / "Readme.txt");
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Function, "RunFile");
    EXPECT_EQ(FunStatContext.Description, "Failed to run file.");
    EXPECT_EQ(FunStatContext.Parameter1, temp / "Readme.txt");
    EXPECT_EQ(FunStatContext.SystemErrorCode, static_cast<uint32_t>(ENOENT));

    RunFile(temp / "missing.txt");
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Parameter1, temp / "missing.txt");
}

TEST_F(TFileTest, OpenSiteShowsItsFailureAndPublishesPerfect)
{
    SKIP_ON_WINDOWS("xdg-open on the PATH");
    const TScopedEnv path("PATH", temp.Path().string());
    TRecordingErrorDialog dialog;
    RegisterErrorDialog(&dialog);
    OpenSite("https://example.org/", "Failed to open site.");
    RegisterErrorDialog(nullptr);

    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    ASSERT_EQ(dialog.Descriptions.size(), 1u);
    EXPECT_EQ(dialog.Descriptions[0], "Failed to open site.");
    EXPECT_NE(dialog.Contexts[0].find("Failed to run file."), std::string::npos);
    EXPECT_NE(dialog.Contexts[0].find("OpenSite"), std::string::npos);
}
