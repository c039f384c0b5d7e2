#include "platform/File.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "platform/win32/FileInternal.h"
#include "platform/win32/WinTestFolders.h"

#include <gtest/gtest.h>

#include "core/StoredTextList.h"

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <io.h>
#include <set>
#include <thread>
#include <utility>
#include <vector>

namespace {

class WinFileTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetMessageBoxHook([this](const std::string &, const std::string &text, uint32_t) {
            boxes.push_back(text);
            return static_cast<int32_t>(mbrOk);
        });
    }
    void TearDown() override { SetMessageBoxHook({}); }

    bool Deleted(const std::string &dir)
    {
        return ErrorGuardSwallow(__FILE__, "test", __LINE__, [&] { DeleteDirectoryNoErrors(dir); });
    }

    TWinTempFolder temp;
    std::vector<std::string> boxes;
};

std::set<std::string> NamesIn(const std::string &dir)
{
    std::set<std::string> names;
    WIN32_FIND_DATAW entry {};
    const HANDLE listing = FindFirstFileW(Widen(dir + "\\*").c_str(), &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = Narrow(entry.cFileName);
        if (name != "." && name != "..")
            names.insert(name);
    } while (FindNextFileW(listing, &entry));
    FindClose(listing);
    return names;
}

} // namespace

TEST_F(WinFileTree, DeletionLeavesALinkedFolderAndWhatItHoldsAlone)
{
    WriteWideFile(temp / "outside\\keep.txt", "keep");
    WriteWideFile(temp / "install\\Games\\a.mzg", "game");
    WriteWideFile(temp / "install\\Readme.txt", "read me");
    SetFileAttributesW(Widen(temp / "install\\Readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteWideFile(temp / "outside\\locked.txt", "locked");
    SetFileAttributesW(Widen(temp / "outside\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const TLink folderLink(temp / "outside", temp / "install\\Games\\Pictures");
    const TLink fileLink(temp / "outside\\keep.txt", temp / "install\\keep link.txt", false);
    const TLink lockedLink(temp / "outside\\locked.txt", temp / "install\\locked link.txt", false);
    if (!folderLink.Made() || !fileLink.Made() || !lockedLink.Made())
        GTEST_SKIP() << TLink::WhyNot();

    EXPECT_TRUE(Deleted(temp / "install"));
    EXPECT_EQ(NamesIn(temp / "outside"), (std::set<std::string> {"keep.txt", "locked.txt"}));
    EXPECT_EQ(ReadWideFile(temp / "outside\\keep.txt"), "keep");
    EXPECT_TRUE(AttributesOf(temp / "outside\\locked.txt") & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(AttributesOf(temp / "install\\Games\\a.mzg"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(AttributesOf(temp / "install\\Readme.txt"), INVALID_FILE_ATTRIBUTES);
    // Wine cannot remove the Unix link it shows, so there the link and its folders stay.
    if (!RunningUnderWine()) {
        EXPECT_EQ(AttributesOf(temp / "install"), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(WinFileTree, ATreeNamedByALinkIsNeverEnteredHoweverItIsWritten)
{
    WriteWideFile(temp / "real\\keep.txt", "keep");
    WriteWideFile(temp / "setup\\Games\\a.mzg", "new");
    for (const char *suffix : {"", "\\", "/", "\\.", "\\.\\"}) {
        SCOPED_TRACE(std::string("link") + suffix);
        const TLink link(temp / "real", temp / "link");
        if (!link.Made())
            GTEST_SKIP() << TLink::WhyNot();
        const std::string named = temp / "link" + suffix;
        CopyDeleteDirectory(named, temp / "mirror", false);
        EXPECT_EQ(FunStatContext.Description, "Failed to find first file.");
        CopyDeleteDirectory(temp / "setup", named, true);
        EXPECT_EQ(FunStatContext.Description, "Failed to create directory.");
        EXPECT_TRUE(Deleted(named));
        EXPECT_EQ(NamesIn(temp / "real"), std::set<std::string> {"keep.txt"});
        EXPECT_EQ(ReadWideFile(temp / "real\\keep.txt"), "keep");
    }
}

TEST_F(WinFileTree, CopyRenameAndDeleteKeepNamesBeyondTheCodePage)
{
    const std::string game = "Überraschung ☺.mzg";
    WriteWideFile(temp / "setup\\Spiele ☺\\" + game, "game");
    WriteWideFile(temp / "setup\\Readme.txt", "new");
    WriteWideFile(temp / "setup\\hidden.txt", "h");
    SetFileAttributesW(Widen(temp / "setup\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteWideFile(temp / "install\\Readme.txt", "old");
    SetFileAttributesW(Widen(temp / "install\\Readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteWideFile(temp / "install\\Mosavo.ini", "options");

    CopyDeleteDirectory(temp / "setup", temp / "install", true);
    EXPECT_EQ(FunStatContext.Status, fsPerfect) << FunStatContext.Description;
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(NamesIn(temp / "install"),
        (std::set<std::string> {"Mosavo.ini", "Readme.txt", "Spiele ☺"}));
    EXPECT_EQ(ReadWideFile(temp / "install\\Readme.txt"), "new");
    EXPECT_EQ(ReadWideFile(temp / "install\\Spiele ☺\\" + game), "game");

    const std::string games = temp / "install\\Spiele ☺\\";
    WriteWideFile(games + "Ärger.mzg", "older");
    SetFileAttributesW(Widen(games + "Ärger.mzg").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ErrorGuardSwallow(__FILE__, "test", __LINE__,
        [&] { MyRenameFile(games + game, games + "Ärger.mzg", false); }));
    EXPECT_EQ(Err.Description, "Failed to rename.");
    EXPECT_EQ(Err.Parameter2, games + "Ärger.mzg");
    EXPECT_EQ(ReadWideFile(games + "Ärger.mzg"), "older");
    EXPECT_TRUE(ErrorGuardSwallow(__FILE__, "test", __LINE__,
        [&] { MyRenameFile(games + game, games + "Ärger.mzg", true); }));
    EXPECT_EQ(ReadWideFile(games + "Ärger.mzg"), "game");
    EXPECT_EQ(NamesIn(games), std::set<std::string> {"Ärger.mzg"});

    EXPECT_TRUE(Deleted(temp / "install"));
    EXPECT_EQ(AttributesOf(temp / "install"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(WinFileTree, CopyFailuresNameTheirLevel)
{
    WriteWideFile(temp / "setup\\Games\\a.mzg", "game");
    WriteWideFile(temp / "setup\\Mosavo.exe", "program");
    WriteWideFile(temp / "install\\Games", "a file where a folder belongs");
    CopyDeleteDirectory(temp / "setup", temp / "install", true);
    EXPECT_EQ(boxes, std::vector<std::string> {"Failed to process directory."});
    EXPECT_EQ(ReadWideFile(temp / "install\\Mosavo.exe"), "program");
    EXPECT_EQ(FunStatContext.Status, fsPerfect) << "the outer level replaces the nested status";

    CopyDeleteDirectory(temp / "nothing", temp / "copy", true);
    EXPECT_EQ(FunStatContext.Description, "Failed to find first file.");
    EXPECT_EQ(FunStatContext.SystemErrorCode, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(ErrorGuardSwallow(
        __FILE__, "test", __LINE__, [&] { DeleteDirectoryNoErrors(temp / "nothing"); }));
    EXPECT_EQ(Err.Description, "Can not find directory.");
}

TEST(WinPaths, FullNamesUseBackslashesAndSameFilesIgnoreCase)
{
    EXPECT_EQ(GetFullFileName("C:/a/./b/../c.txt"), "C:\\a\\c.txt");
    EXPECT_EQ(GetFullFileName("C:"), "C:");
    EXPECT_EQ(GetFullFileName("\\\\server\\share\\x\\..\\y"), "\\\\server\\share\\y");
    EXPECT_EQ(GetFullFileName(""), "");

    TWinTempFolder temp;
    WriteWideFile(temp / "Spiel ☺.mzg", "x");
    EXPECT_TRUE(IsSameFile(temp / "Spiel ☺.mzg", temp / "SPIEL ☺.MZG"));
    EXPECT_TRUE(IsSameFile(temp / "sub\\..\\Spiel ☺.mzg", temp / "Spiel ☺.mzg"));
    EXPECT_TRUE(IsSameFile(temp / "Missing", temp / "MISSING"));
    EXPECT_FALSE(IsSameFile(temp / "Spiel ☺.mzg", temp / "Spiel?.mzg"));
    EXPECT_TRUE(PathExists(temp / "Spiel ☺.mzg"));
    EXPECT_FALSE(PathExists(""));

    WriteWideFile(temp / "real\\inside.txt", "x");
    const TLink link(temp / "real", temp / "link");
    if (!link.Made())
        GTEST_SKIP() << TLink::WhyNot();
    EXPECT_EQ(GetResolvedFileName(temp / "link\\inside.txt"), temp / "real\\inside.txt");
    EXPECT_EQ(GetResolvedFileName(temp / "link\\new\\x.txt"), temp / "real\\new\\x.txt");
    EXPECT_EQ(GetResolvedFileName(temp / "link\\"), temp / "real\\");
    EXPECT_TRUE(IsSameFile(temp / "link\\inside.txt", temp / "real\\inside.txt"));
}

TEST(WinShell, RunFileStartsWithQuotedParametersInItsDirectory)
{
    TWinTempFolder temp;
    WriteWideFile(temp / "bin\\report.bat",
        "@echo off\r\necho [%~1]> report.tmp\r\ncd>> report.tmp\r\nmove report.tmp report.txt "
        ">nul\r\n");
    MakeDirectories(temp / "work");
    RunFile(temp / "bin\\report.bat", "two words", temp / "work", false, true);
    EXPECT_EQ(FunStatContext.Status, fsPerfect) << FunStatContext.Description;
    for (int i = 0; i < 1000 && AttributesOf(temp / "work\\report.txt") == INVALID_FILE_ATTRIBUTES;
         ++i)
        Sleep(10);
    EXPECT_EQ(ReadWideFile(temp / "work\\report.txt"), "[two words]\r\n" + temp / "work\r\n");

    RunFile(temp / "missing.txt");
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Description, "Failed to run file.");
    EXPECT_EQ(FunStatContext.Parameter1, temp / "missing.txt");
    EXPECT_EQ(FunStatContext.SystemErrorCode, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST(WinFiles, FileSizeIsExactBeyondFourGigabytesAndABadDescriptorOnlyWarns)
{
    TWinTempFolder temp;
    const int fd = _wopen(Widen(temp / "big").c_str(), _O_RDWR | _O_CREAT | _O_BINARY, 0600);
    ASSERT_GE(fd, 0);
    const int64_t size = (int64_t(5) << 30) + 7;
    ASSERT_EQ(_chsize_s(fd, size), 0);
    EXPECT_EQ(GetFileSize(fd), static_cast<uint64_t>(size));
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    _close(fd);

    for (const int bad : {fd, -1, 4711}) {
        EXPECT_EQ(GetFileSize(bad), 0u);
        EXPECT_EQ(FunStatContext.Status, fsWarning);
        EXPECT_EQ(FunStatContext.Description, "Failed to get file size.");
    }
}

TEST_F(WinFileTree, ACopyLosesTheDownloadMarkAndKeepsItsContent)
{
    const std::string source = temp / "download";
    WriteWideFile(source + "\\Mosavo.exe", "program");
    const std::string mark = "[ZoneTransfer]\r\nZoneId=3\r\n";
    WriteWideFile(source + "\\Mosavo.exe:Zone.Identifier", mark);
    if (ReadWideFile(source + "\\Mosavo.exe:Zone.Identifier") != mark
        || NamesIn(source) != std::set<std::string> {"Mosavo.exe"})
        GTEST_SKIP() << "this file system keeps no alternate data streams";
    WriteWideFile(source + "\\Pictures\\Sample.jpg", "picture");

    CopyDeleteDirectory(source, temp / "installed", true);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ReadWideFile(temp / "installed\\Mosavo.exe"), "program");
    EXPECT_EQ(ReadWideFile(temp / "installed\\Mosavo.exe:Zone.Identifier"), "(missing)");
    EXPECT_EQ(ReadWideFile(temp / "installed\\Pictures\\Sample.jpg"), "picture");
    EXPECT_EQ(ReadWideFile(source + "\\Mosavo.exe:Zone.Identifier"), mark) << "the source keeps it";
}

TEST(WinReparsePoints, OnlyNameSurrogatesAreLinks)
{
    const DWORD reparse = FILE_ATTRIBUTE_REPARSE_POINT;
    const DWORD folder = FILE_ATTRIBUTE_DIRECTORY | reparse;
    const struct
    {
        const char *What;
        DWORD Attributes;
        DWORD Tag;
        bool Link;
    } cases[] = {
        {"symbolic link", reparse, IO_REPARSE_TAG_SYMLINK, true},
        {"junction", folder, IO_REPARSE_TAG_MOUNT_POINT, true},
        {"a tag not known", folder, 0, true},
        {"compressed (WOF)", reparse, IO_REPARSE_TAG_WOF, false},
        {"deduplicated", reparse, IO_REPARSE_TAG_DEDUP, false},
        {"cloud placeholder", reparse, IO_REPARSE_TAG_CLOUD, false},
        {"cloud placeholder folder", folder, IO_REPARSE_TAG_CLOUD_6, false},
        {"plain file", FILE_ATTRIBUTE_ARCHIVE, 0, false},
        {"surrogate tag without the attribute", FILE_ATTRIBUTE_DIRECTORY, IO_REPARSE_TAG_SYMLINK,
            false},
        {"missing", INVALID_FILE_ATTRIBUTES, IO_REPARSE_TAG_SYMLINK, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsLinkEntry(c.Attributes, c.Tag), c.Link) << c.What;
}

namespace {

// A file held open as a virus scanner holds it: reading, without FILE_SHARE_DELETE (or write
// sharing), so that it can be neither deleted, nor renamed, nor replaced while held.
class THeldFile
{
public:
    THeldFile(const std::string &path, std::chrono::milliseconds holdFor)
        : handle_(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        if (handle_ == INVALID_HANDLE_VALUE)
            throw std::runtime_error("THeldFile: cannot open " + path);
        if (holdFor.count() > 0)
            release_ = std::thread([this, holdFor] {
                std::this_thread::sleep_for(holdFor);
                CloseHandle(handle_);
            });
    }
    ~THeldFile()
    {
        if (release_.joinable())
            release_.join();
        else
            CloseHandle(handle_);
    }

private:
    HANDLE handle_;
    std::thread release_;
};

} // namespace

TEST_F(WinFileTree, FilesHeldOpenForAMomentAreDeletedRenamedAndReplacedOnceFree)
{
    const struct
    {
        const char *What;
        std::function<void(const std::string &held)> Operation;
        std::function<bool(const std::string &held)> Done;
    } cases[] = {
        {"deleting its folder",
            [](const std::string &held) { DeleteDirectoryNoErrors(GetFileDir(held)); },
            [](const std::string &held) {
                return AttributesOf(GetFileDir(held)) == INVALID_FILE_ATTRIBUTES;
            }},
        {"renaming over it",
            [&](const std::string &held) {
                WriteWideFile(held + ".new", "new");
                MyRenameFile(held + ".new", held, true);
            },
            [](const std::string &held) { return ReadWideFile(held) == "new"; }},
        {"copying a tree over it",
            [&](const std::string &held) {
                WriteWideFile(temp / "source\\held.txt", "new");
                CopyDeleteDirectory(temp / "source", GetFileDir(held), true);
            },
            [](const std::string &held) { return ReadWideFile(held) == "new"; }},
        {"saving an options file over it",
            [](const std::string &held) {
                TMemIniFile options(held);
                options.WriteString("Options", "Columns", "9");
                options.UpdateFile();
            },
            [](const std::string &held) {
                return ReadWideFile(held).find("Columns=9") != std::string::npos;
            }},
    };
    int round = 0;
    for (const auto &c : cases) {
        const std::string held = temp / ("round" + std::to_string(++round) + "\\held.txt");
        WriteWideFile(held, "old");
        bool succeeded = false;
        {
            const THeldFile holder(held, std::chrono::milliseconds(200));
            succeeded = ErrorGuardSwallow(__FILE__, "test", __LINE__, [&] { c.Operation(held); });
        }
        EXPECT_TRUE(succeeded) << c.What;
        EXPECT_TRUE(c.Done(held)) << c.What;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WinFileTree, AFileHeldForGoodFailsAfterAboutASecond)
{
    const std::string held = temp / "held.txt";
    WriteWideFile(held, "old");
    WriteWideFile(held + ".new", "new");
    const THeldFile holder(held, std::chrono::milliseconds(0));
    const auto start = std::chrono::steady_clock::now();
    const bool renamed = ErrorGuardSwallow(
        __FILE__, "test", __LINE__, [&] { MyRenameFile(held + ".new", held, true); });
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(renamed);
    EXPECT_EQ(ReadWideFile(held), "old");
    EXPECT_GE(waited, std::chrono::milliseconds(800));
    EXPECT_LT(waited, std::chrono::milliseconds(3000));
}

// The deletion holds each folder it walks without delete sharing: while it waits for a held file,
// neither that folder nor the tree can be renamed away (and a link put in their place).
TEST_F(WinFileTree, AFolderBeingDeletedCannotBeRenamedAway)
{
    const std::string tree = temp / "tree";
    const std::string held = tree + "\\mid\\held.txt";
    WriteWideFile(held, "held");
    bool deleted = false;
    std::vector<std::pair<std::string, bool>> renamed;
    {
        const THeldFile holder(held, std::chrono::milliseconds(400));
        std::thread deletion([&] { deleted = Deleted(tree); });
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        for (const std::string &folder : {tree + "\\mid", tree})
            renamed.emplace_back(
                folder, MoveFileExW(Widen(folder).c_str(), Widen(folder + "-moved").c_str(), 0));
        deletion.join();
    }
    for (const auto &[folder, moved] : renamed)
        EXPECT_FALSE(moved) << folder;
    EXPECT_TRUE(deleted);
    EXPECT_EQ(AttributesOf(tree), INVALID_FILE_ATTRIBUTES);
}

// An entry opened relative to its folder's handle is that folder's, whatever has since been put
// under the folder's name.
TEST_F(WinFileTree, EntriesAreReachedThroughTheirFolderNotItsName)
{
    const std::string mid = temp / "tree\\mid";
    WriteWideFile(mid + "\\victim.txt", "pinned");
    const TUniqueHandle folder(
        CreateFileW(Widen(mid).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    ASSERT_TRUE(folder.Valid());
    // A swap: the folder renamed away, another one made under its name.
    ASSERT_TRUE(MoveFileExW(Widen(mid).c_str(), Widen(temp / "tree\\moved").c_str(), 0));
    WriteWideFile(mid + "\\victim.txt", "other");

    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    TUniqueHandle entry(OpenEntryIn(folder.Get(), L"victim.txt", DELETE, sharing, false));
    ASSERT_TRUE(entry.Valid());
    EXPECT_TRUE(IsEntryOf(entry.Get(), folder.Get(), L"victim.txt"));
    EXPECT_TRUE(RemoveOpenEntry(entry.Get()));
    entry.Reset();
    EXPECT_EQ(ReadWideFile(mid + "\\victim.txt"), "other");
    // Wine deletes by the name the file had when it was opened, and only while that name still
    // reaches the same file: there the moved file stays, and nothing else goes either.
    if (!RunningUnderWine())
        EXPECT_EQ(AttributesOf(temp / "tree\\moved\\victim.txt"), INVALID_FILE_ATTRIBUTES);

    EXPECT_FALSE(
        TUniqueHandle(OpenEntryIn(folder.Get(), L"victim.txt", DELETE, sharing, true)).Valid())
        << "a file is no directory";
    for (const wchar_t *name : {L"", L".", L"..", L"..\\mid\\victim.txt", L"a/b", L"C:x"}) {
        EXPECT_FALSE(TUniqueHandle(OpenEntryIn(folder.Get(), name, DELETE, sharing, false)).Valid())
            << Narrow(name);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME)) << Narrow(name);
    }
}

// Deeper than MAX_PATH (260) characters: the tree calls take \\?\ names, and temporaries are
// named without GetTempFileNameW, which stops at 246.
TEST_F(WinFileTree, ATreeFourHundredCharactersDeepIsCopiedAndDeleted)
{
    std::string relative;
    for (int level = 0; (temp / relative).size() < 400; ++level)
        relative += (level ? "\\" : "") + std::string(40, static_cast<char>('a' + level));
    const std::string longPrefix = "\\\\?\\";
    const std::string deep = temp / ("source\\" + relative);
    ASSERT_GT(deep.size(), 400u);
    WriteWideFile(longPrefix + deep + "\\deep.txt", "deep");

    CopyDeleteDirectory(temp / "source", temp / "copy", true);
    EXPECT_LT(FunStatContext.Status, fsError) << FunStatContext.ContextText();
    EXPECT_TRUE(boxes.empty());
    const std::string copied = temp / ("copy\\" + relative + "\\deep.txt");
    EXPECT_EQ(ReadWideFile(longPrefix + copied), "deep");
    EXPECT_TRUE(PathExists(copied));

    // A single file copied beside its place and moved there, as the installer does.
    bool copiedBeside = ErrorGuardSwallow(__FILE__, "test", __LINE__, [&] {
        const std::string temporary = CopyFileBeside(deep + "\\deep.txt", copied + ".2");
        EXPECT_NE(temporary.find(GetFileDir(copied)), std::string::npos) << "beside its place";
        MyRenameFile(temporary, copied + ".2", true);
    });
    EXPECT_TRUE(copiedBeside);
    EXPECT_EQ(ReadWideFile(longPrefix + copied + ".2"), "deep");

    EXPECT_TRUE(Deleted(temp / "source"));
    EXPECT_TRUE(Deleted(temp / "copy"));
    EXPECT_EQ(AttributesOf(temp / "source"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(AttributesOf(temp / "copy"), INVALID_FILE_ATTRIBUTES);
}
