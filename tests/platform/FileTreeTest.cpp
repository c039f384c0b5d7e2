#include "platform/File.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TShownBox
{
    std::string Caption;
    std::string Text;
    uint32_t Flags = 0;
};

class TFileTreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetMessageBoxHook(
            [this](const std::string &caption, const std::string &text, uint32_t flags) {
                boxes.push_back({caption, text, flags});
                return static_cast<int32_t>(mbrOk);
            });
    }
    void TearDown() override { SetMessageBoxHook({}); }

    // A tree with a read-only file, a read-only folder, hidden entries, a link to a folder
    // outside it and a link to a file outside it.
    void MakeTree(const std::string &root)
    {
        WriteTextFile(root + "/Mosavo", "program");
        chmod((root + "/Mosavo").c_str(), 0755);
        WriteTextFile(root + "/Readme.txt", "read me");
        chmod((root + "/Readme.txt").c_str(), 0444);
        WriteTextFile(root + "/Games/a.mzg", "game");
        WriteTextFile(root + "/Locked/b.txt", "b");
        chmod((root + "/Locked").c_str(), 0555);
        WriteTextFile(root + "/.hidden", "h");
        WriteTextFile(root + "/.cache/c", "c");
        WriteTextFile(temp / "outside/keep.txt", "keep");
        fs::create_symlink(temp / "outside", root + "/OutsideFolder");
        fs::create_symlink(temp / "outside/keep.txt", root + "/OutsideFile");
    }

    TTempFolder temp;
    std::vector<TShownBox> boxes;
};

// Runs check in a child process that has given up root's rights when the test runs as root;
// true when check returned true.
bool AsOrdinaryUser(const std::function<bool()> &check)
{
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        const uid_t nobody = 65534;
        const bool dropped
            = setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
        _exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)
        && WEXITSTATUS(status) == 0;
}

} // namespace

TEST_F(TFileTreeTest, DeletionRemovesEverythingButWhatLinksPointTo)
{
    const std::string root = temp / "install";
    MakeTree(root);
    EXPECT_TRUE(
        ErrorGuardSwallow(__FILE__, "test", __LINE__, [&] { DeleteDirectoryNoErrors(root); }));
    EXPECT_FALSE(fs::exists(fs::symlink_status(root)));
    EXPECT_EQ(ReadTextFile(temp / "outside/keep.txt"), "keep");
}

TEST_F(TFileTreeTest, DeletionOfALinkRemovesOnlyTheLinkHoweverItIsWritten)
{
    WriteTextFile(temp / "real/keep.txt", "keep");
    chmod((temp / "real").c_str(), 0555);
    for (const char *suffix : {"", "/", "//", "/.", "/./"}) {
        SCOPED_TRACE(std::string("link") + suffix);
        fs::create_symlink(temp / "real", temp / "link");
        EXPECT_TRUE(ErrorGuardSwallow(
            __FILE__, "test", __LINE__, [&] { DeleteDirectoryNoErrors(temp / "link" + suffix); }));
        EXPECT_FALSE(fs::exists(fs::symlink_status(temp / "link")));
        EXPECT_EQ(ReadTextFile(temp / "real/keep.txt"), "keep");
        EXPECT_EQ(ModeOf(temp / "real"), 0555u);
    }
}

TEST_F(TFileTreeTest, DeletionOfAMissingDirectoryRaises)
{
    WriteTextFile(temp / "file", "not a folder");
    for (const std::string &dir : {temp / "missing", temp / "file"}) {
        EXPECT_FALSE(
            ErrorGuardSwallow(__FILE__, "test", __LINE__, [&] { DeleteDirectoryNoErrors(dir); }));
        EXPECT_EQ(Err.Description, "Can not find directory.");
        EXPECT_EQ(Err.Parameter1, dir);
        EXPECT_EQ(Err.Function, "DeleteDirectoryNoErrors");
    }
    EXPECT_EQ(ReadTextFile(temp / "file"), "not a folder");
}

TEST_F(TFileTreeTest, CopyOverwritesSkipsHiddenEntriesAndKeepsLinksAsLinks)
{
    const std::string source = temp / "setup";
    const std::string destination = temp / "install";
    MakeTree(source);
    WriteTextFile(destination + "/Readme.txt", "old");
    chmod((destination + "/Readme.txt").c_str(), 0444);
    WriteTextFile(destination + "/Mosavo.ini", "options");
    const std::string longName(250, 'n');
    WriteTextFile(source + "/" + longName, "long");
    WriteTextFile(destination + "/" + longName, "old");

    CopyDeleteDirectory(source, destination, true);
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    EXPECT_TRUE(boxes.empty());

    EXPECT_EQ(ReadTextFile(destination + "/Readme.txt"), "read me");
    EXPECT_EQ(ReadTextFile(destination + "/Mosavo.ini"), "options");
    EXPECT_EQ(ReadTextFile(destination + "/Games/a.mzg"), "game");
    EXPECT_EQ(ReadTextFile(destination + "/" + longName), "long");
    EXPECT_EQ(ReadTextFile(destination + "/Locked/b.txt"), "b");
    EXPECT_EQ(ModeOf(destination + "/Mosavo"), 0755u);
    EXPECT_FALSE(fs::exists(destination + "/.hidden"));
    EXPECT_FALSE(fs::exists(destination + "/.cache"));
    ASSERT_TRUE(fs::is_symlink(destination + "/OutsideFolder"));
    EXPECT_EQ(fs::read_symlink(destination + "/OutsideFolder"), temp.Path() / "outside");
    EXPECT_TRUE(fs::is_symlink(destination + "/OutsideFile"));
    EXPECT_EQ(ReadTextFile(source + "/Readme.txt"), "read me");
    for (const auto &entry : fs::directory_iterator(destination))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

TEST_F(TFileTreeTest, CopyReportsALevelThatFailsAndGoesOn)
{
    const std::string source = temp / "setup";
    const std::string destination = temp / "install";
    WriteTextFile(source + "/Games/a.mzg", "game");
    WriteTextFile(source + "/Mosavo", "program");
    WriteTextFile(destination + "/Games", "a file where a folder belongs");

    CopyDeleteDirectory(source, destination, true);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "Error");
    EXPECT_EQ(boxes[0].Text, "Failed to process directory.");
    EXPECT_EQ(boxes[0].Flags & 0xFF, static_cast<uint32_t>(mbOkCancel | mbIconError));
    EXPECT_EQ(ReadTextFile(destination + "/Mosavo"), "program");
    EXPECT_EQ(ReadTextFile(destination + "/Games"), "a file where a folder belongs");
    EXPECT_EQ(FunStatContext.Status, fsPerfect) << "the outer level replaces the nested status";
}

TEST_F(TFileTreeTest, CopyFailuresAtTheTopArePublished)
{
    CopyDeleteDirectory(temp / "setup", "", true);
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Description, "Empty destination name.");
    EXPECT_EQ(FunStatContext.Parameter1, temp / "setup");

    CopyDeleteDirectory(temp / "setup", temp / "install", true);
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Description, "Failed to find first file.");
    EXPECT_EQ(FunStatContext.Parameter2, temp / "install");
    EXPECT_EQ(FunStatContext.SystemErrorCode, static_cast<uint32_t>(ENOENT));
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(TFileTreeTest, CopyDoesNotWriteThroughALinkInTheDestination)
{
    WriteTextFile(temp / "setup/Games/a.mzg", "new");
    WriteTextFile(temp / "elsewhere/a.mzg", "precious");
    fs::create_directories(temp / "install");
    fs::create_symlink(temp / "elsewhere", temp / "install/Games");

    CopyDeleteDirectory(temp / "setup", temp / "install", true);
    EXPECT_EQ(ReadTextFile(temp / "elsewhere/a.mzg"), "precious");
    EXPECT_EQ(boxes.size(), 1u);

    // Nor through a named destination or source that is a link.
    fs::create_symlink(temp / "elsewhere", temp / "linked");
    fs::create_symlink(temp / "setup", temp / "linkedSetup");
    CopyDeleteDirectory(temp / "setup/Games", temp / "linked/", true);
    EXPECT_EQ(FunStatContext.Description, "Failed to create directory.");
    CopyDeleteDirectory(temp / "linkedSetup/", temp / "copy", true);
    EXPECT_EQ(FunStatContext.Description, "Failed to find first file.");
    EXPECT_EQ(ReadTextFile(temp / "elsewhere/a.mzg"), "precious");
    EXPECT_FALSE(fs::exists(temp / "copy/Games"));
}

TEST_F(TFileTreeTest, CopyIntoAFolderThatCannotBeWrittenFails)
{
    WriteTextFile(temp / "setup/Mosavo", "new");
    WriteTextFile(temp / "install/Mosavo", "old");
    chmod(temp.Path().c_str(), 0755);
    chmod((temp / "install").c_str(), 0555);

    // The copy runs as an ordinary user: the owner's rights do not bind root.
    const bool failed = AsOrdinaryUser([&] {
        CopyDeleteDirectory(temp / "setup", temp / "install", true);
        return FunStatContext.Status == fsError
            && FunStatContext.Description == "Failed to create directory."
            && FunStatContext.SystemErrorCode == static_cast<uint32_t>(EACCES) && boxes.size() == 1;
    });
    EXPECT_TRUE(failed);
    EXPECT_EQ(ReadTextFile(temp / "install/Mosavo"), "old");
}

TEST_F(TFileTreeTest, DeleteModeRemovesTheSourceTree)
{
    const std::string source = temp / "old";
    WriteTextFile(source + "/a/b.txt", "b");
    WriteTextFile(temp / "outside/keep.txt", "keep");
    fs::create_symlink(temp / "outside", source + "/a/link");

    CopyDeleteDirectory(source, temp / "mirror", false);
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(ReadTextFile(temp / "outside/keep.txt"), "keep");
}

TEST_F(TFileTreeTest, DeleteModeDoesNotGoThroughALinkNamedAsSource)
{
    WriteTextFile(temp / "real/keep.txt", "keep");
    fs::create_symlink(temp / "real", temp / "link");
    for (const char *suffix : {"", "/", "/."}) {
        CopyDeleteDirectory(temp / "link" + suffix, temp / "mirror", false);
        EXPECT_EQ(FunStatContext.Description, "Failed to find first file.");
        EXPECT_EQ(ReadTextFile(temp / "real/keep.txt"), "keep");
    }
}

TEST_F(TFileTreeTest, RenameReplacesOnlyWhenAskedAndNeverLosesTheTarget)
{
    const std::string oldName = temp / "Install";
    const std::string newName = temp / "Mosavo";
    WriteTextFile(oldName, "new program");
    WriteTextFile(newName, "old program");
    chmod(newName.c_str(), 0555);

    EXPECT_FALSE(ErrorGuardSwallow(
        __FILE__, "test", __LINE__, [&] { MyRenameFile(oldName, newName, false); }));
    EXPECT_EQ(Err.Description, "Failed to rename.");
    EXPECT_EQ(Err.Parameter1, oldName);
    EXPECT_EQ(Err.Parameter2, newName);
    EXPECT_EQ(Err.SystemErrorCode, 0u);
    EXPECT_EQ(ReadTextFile(newName), "old program");

    EXPECT_TRUE(ErrorGuardSwallow(
        __FILE__, "test", __LINE__, [&] { MyRenameFile(oldName, newName, true); }));
    EXPECT_EQ(ReadTextFile(newName), "new program");
    EXPECT_FALSE(fs::exists(oldName));

    EXPECT_FALSE(ErrorGuardSwallow(
        __FILE__, "test", __LINE__, [&] { MyRenameFile(oldName, newName, true); }));
    EXPECT_EQ(ReadTextFile(newName), "new program") << "a failed rename keeps the target";

    EXPECT_TRUE(ErrorGuardSwallow(
        __FILE__, "test", __LINE__, [&] { MyRenameFile(newName, temp / "Other", false); }));
    EXPECT_EQ(ReadTextFile(temp / "Other"), "new program");
}

TEST_F(TFileTreeTest, PrepareRenameTargetSparesTheSourceItself)
{
    WriteTextFile(temp / "a", "a");
    fs::create_symlink(temp / "a", temp / "alias");
    PrepareRenameTarget(temp / "a", temp / "alias", true);
    EXPECT_TRUE(fs::exists(temp / "alias"));

    WriteTextFile(temp / "b", "b");
    chmod((temp / "b").c_str(), 0444);
    PrepareRenameTarget(temp / "a", temp / "b", false);
    EXPECT_TRUE(fs::exists(temp / "b"));
    PrepareRenameTarget(temp / "a", temp / "b", true);
    EXPECT_FALSE(fs::exists(temp / "b"));
    EXPECT_EQ(ReadTextFile(temp / "a"), "a");
}
