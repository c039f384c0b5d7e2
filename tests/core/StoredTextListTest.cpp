#include "core/StoredTextList.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "support/OtherPlatform.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

class StoredTextListTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const fs::path folder = temp.Path();
    TRecordingErrorDialog errorDialog;
    std::vector<std::string> queries;
    int32_t queryAnswer = mbrYes;

    void SetUp() override
    {
        RegisterErrorDialog(&errorDialog);
        SetMessageBoxHook([this](const std::string &, const std::string &text, uint32_t) {
            queries.push_back(text);
            return queryAnswer;
        });
    }

    void TearDown() override
    {
        SetFileWriteHook({});
        SetFileSyncHook({});
        SetMessageBoxHook({});
        RegisterErrorDialog(nullptr);
    }

    std::string path(const std::string &name) const { return (folder / name).string(); }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TMemIniFile parsed(std::string_view text)
{
    TMemIniFile document;
    document.SetText(text);
    return document;
}

// Runs work and returns the description it raised, or "" when it did not raise.
template<class Work>
std::string raisedDescription(Work &&work)
{
    try {
        work();
    } catch (TRaisedErr &) {
        return Err.Description;
    }
    return {};
}

} // namespace

TEST_F(StoredTextListTest, IniFileRoundTripsByteForByte)
{
    const std::string text = "[Main]\r\nkey=value\r\n key = spaced \r\nno equals\r\n=empty key\r\n"
                             "\r\n[ Odd ]]\r\n\r\n[]\r\na=b=c\r\n\r\n";
    WriteTextFile(path("in.ini"), text);
    TMemIniFile document(path("in.ini"));
    document.Rename(path("out.ini"));
    document.UpdateFile();
    EXPECT_EQ(ReadTextFile(path("out.ini")), text);
    EXPECT_EQ(ReadTextFile(path("in.ini")), text);
}

TEST_F(StoredTextListTest, LinesBreakAtCrLfAndCrLfPairsAndEndAtNul)
{
    const std::string expected = "[S]\r\na=1\r\nb=2\r\n\r\n";
    EXPECT_EQ(parsed("[S]\na=1\nb=2").GetText(), expected);
    EXPECT_EQ(parsed("[S]\ra=1\rb=2\r").GetText(), expected);
    EXPECT_EQ(parsed("[S]\r\na=1\n\rb=2").GetText(), expected);
    EXPECT_EQ(parsed(std::string("[S]\na=1\nb=2\0\nc=3", 16)).GetText(), expected);
    EXPECT_EQ(parsed(std::string("\0[S]\na=1", 8)).GetText(), "");
}

TEST_F(StoredTextListTest, CommentsBlankLinesAndLinesBeforeTheFirstSectionAreDropped)
{
    const TMemIniFile document
        = parsed("orphan=1\n; comment\n[S]\n\n;a=2\n a=3\n [T]\n[U] \n[V]\n;x\n");
    EXPECT_EQ(document.GetText(), "[S]\r\n a=3\r\n [T]\r\n[U] \r\n\r\n[V]\r\n\r\n");
    EXPECT_EQ(document.ReadString("S", "orphan", "none"), "none");
    EXPECT_EQ(parsed("").GetText(), "");
    EXPECT_EQ(parsed("\r\n;only a comment\r\n").GetText(), "");
}

TEST_F(StoredTextListTest, LookupIgnoresCaseButNotBlanks)
{
    const TMemIniFile document = parsed("[Game]\nColumnsCount=9\nRows =8\nTitle= a=b \nbare\n");
    EXPECT_EQ(document.ReadString("GAME", "columnscount", "-"), "9");
    EXPECT_EQ(document.ReadString("Game", "Rows", "default"), "default");
    EXPECT_EQ(document.ReadString("Game", "Rows ", "default"), "8");
    EXPECT_EQ(document.ReadString("Game", "Title", ""), " a=b ");
    EXPECT_EQ(document.ReadString("Game", "bare", "default"), "default");
    EXPECT_EQ(document.ReadString("Other", "Title", "default"), "default");
    EXPECT_TRUE(document.SectionExists("game"));
}

TEST_F(StoredTextListTest, DuplicateSectionsAreKeptAndTheFirstIsUsed)
{
    TMemIniFile document = parsed("[S]\na=1\n[s]\na=2\nb=3\n");
    EXPECT_EQ(document.ReadString("S", "a", ""), "1");
    EXPECT_EQ(document.ReadString("S", "b", "missing"), "missing");
    document.WriteString("S", "A", "9");
    EXPECT_EQ(document.GetText(), "[S]\r\nA=9\r\n\r\n[s]\r\na=2\r\nb=3\r\n\r\n");
    document.EraseSection("s");
    EXPECT_EQ(document.GetText(), "[s]\r\na=2\r\nb=3\r\n\r\n");
}

TEST_F(StoredTextListTest, WritingReplacesInPlaceOrAppends)
{
    TMemIniFile document = parsed("[S]\nfirst=1\nKey=old\nkey=second\nlast=2\n[T]\nt=1\n");
    document.WriteString("s", "KEY", "new");
    document.WriteInteger("S", "added", -42);
    document.WriteString("New", "k", "");
    EXPECT_EQ(document.GetText(),
        "[S]\r\nfirst=1\r\nKEY=new\r\nkey=second\r\nlast=2\r\nadded=-42\r\n"
        "\r\n[T]\r\nt=1\r\n\r\n[New]\r\nk=\r\n\r\n");
    const std::string before = document.GetText();
    document.EraseSection("Missing");
    EXPECT_EQ(document.GetText(), before);

    TMemIniFile fresh;
    fresh.WriteString("MosavoGame", "ColumnsCount", "7");
    fresh.WriteString("MosavoGame", "RowsCount", "7");
    EXPECT_EQ(fresh.GetText(), "[MosavoGame]\r\nColumnsCount=7\r\nRowsCount=7\r\n\r\n");

    // A key appended by a write is found by the next read and replaced by the next write.
    document.WriteString("S", "ADDED", "7");
    document.WriteString("T", "late", "1");
    document.WriteString("t", "LATE", "2");
    EXPECT_EQ(document.ReadString("S", "Added", "none"), "7");
    EXPECT_EQ(document.ReadString("T", "late", "none"), "2");
    EXPECT_EQ(document.GetText(),
        "[S]\r\nfirst=1\r\nKEY=new\r\nkey=second\r\nlast=2\r\nADDED=7\r\n"
        "\r\n[T]\r\nt=1\r\nLATE=2\r\n\r\n[New]\r\nk=\r\n\r\n");
}

TEST_F(StoredTextListTest, TextThatWouldNotReadBackIsRefused)
{
    TMemIniFile document;
    for (const auto &line : std::vector<std::pair<std::string, std::string>> {
             {"Title", "line\nbreak"},
             {"Title", "cr\r"},
             {"Title", std::string("nul\0", 4)},
             {"a=b", "c"},
             {";Key", "v"},
             {"[Key", "v]"},
         }) {
        EXPECT_EQ(raisedDescription([&] { document.WriteString("S", line.first, line.second); }),
            "The text cannot be stored in an ini file.")
            << line.first << "=" << line.second;
    }
    EXPECT_NE(raisedDescription([&] { document.WriteString("a\nb", "k", "v"); }), "");
    EXPECT_EQ(document.GetText(), "");
    EXPECT_EQ(raisedDescription([&] { document.WriteString("S", "[Key", "v] "); }), "");
}

TEST_F(StoredTextListTest, ReadIntegerFollowsTheNumberRule)
{
    const std::vector<std::pair<std::string, int32_t>> numbers = {
        {"31", 31},
        {"$1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"x1F", 31},
        {"X1F", 31},
        {"  -17", -17},
        {"+5", 5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"0x80000000", INT32_MIN},
        {"$0", 0},
        {"000000000000000000012", 12},
    };
    for (const auto &[text, expected] : numbers) {
        const TMemIniFile document = parsed("[S]\nn=" + text + "\n");
        EXPECT_EQ(document.ReadInteger("S", "n", 99), expected) << text;
    }
    const std::vector<std::string> notNumbers = {
        "",
        " ",
        "31 ",
        "3 1",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "-$1F",
        "+0x1F",
        "$",
        "0x",
        "x",
        "$123456789",
        "0x1G",
        "1.5",
        "\t5",
        "--1",
        "+",
        "1e3",
        "0b1",
    };
    for (const std::string &text : notNumbers) {
        const TMemIniFile document = parsed("[S]\nn=" + text + "\n");
        EXPECT_EQ(document.ReadInteger("S", "n", 99), 99) << "'" << text << "'";
    }
    EXPECT_EQ(parsed("[S]\n").ReadInteger("S", "n", -3), -3);
}

TEST_F(StoredTextListTest, AFailedWriteLeavesTheOldFileWhole)
{
    const std::string target = path("game.mzg");
    const std::string old = "[MosavoGame]\r\nMovesCount=3\r\n\r\n";
    WriteTextFile(target, old);
    TMemIniFile document;
    document.Rename(target);
    for (int i = 0; i < 5000; ++i)
        document.WriteInteger("Map", "C" + std::to_string(i), i);

    SetFileWriteHook([](std::FILE *file, const char *data, size_t size) {
        return std::fwrite(data, 1, std::min<size_t>(size, 100), file);
    });
    EXPECT_EQ(raisedDescription([&] { document.UpdateFile(); }), "Failed to write file.");
    EXPECT_EQ(Err.Parameter1, target);
    EXPECT_EQ(ReadTextFile(target), old);
    EXPECT_EQ(folderEntries(), std::vector<std::string> {"game.mzg"});

    SetFileWriteHook({});
    SetFileSyncHook([](const std::string &) { return false; });
    EXPECT_EQ(raisedDescription([&] { document.UpdateFile(); }), "Failed to write file.");
    EXPECT_EQ(ReadTextFile(target), old);
    EXPECT_EQ(folderEntries(), std::vector<std::string> {"game.mzg"});

    std::vector<std::string> synced;
    SetFileSyncHook([&](const std::string &p) {
        synced.push_back(p);
        return true;
    });
    document.UpdateFile();
    EXPECT_EQ(ReadTextFile(target), document.GetText());
    EXPECT_EQ(folderEntries(), std::vector<std::string> {"game.mzg"});
    EXPECT_EQ(synced, (std::vector<std::string> {target + ".tmp", folder.string()}));
}

TEST_F(StoredTextListTest, AFileThatCannotBeReplacedIsReported)
{
    SKIP_ON_WINDOWS("needs symbolic links, which Wine cannot make (CreateSymbolicLinkW is not "
                    "implemented there)");
    fs::create_directory(path("dir.ini"));
    TMemIniFile intoDirectory(path("dir.ini"));
    intoDirectory.WriteString("S", "k", "v");
    EXPECT_EQ(raisedDescription([&] { intoDirectory.UpdateFile(); }), "Failed to replace file.");
    EXPECT_NE(Err.SystemErrorCode, 0u);
    EXPECT_TRUE(fs::is_directory(path("dir.ini")));
    EXPECT_EQ(folderEntries(), std::vector<std::string> {"dir.ini"});

    TMemIniFile intoMissingFolder(path("missing/options.ini"));
    EXPECT_EQ(raisedDescription([&] { intoMissingFolder.UpdateFile(); }), "Failed to create file.");

    // A temporary left by a save that was killed is taken away by the next one, even a link.
    WriteTextFile(path("stale.ini.tmp"), "half a save");
    TMemIniFile besideStale(path("stale.ini"));
    besideStale.UpdateFile();
    EXPECT_FALSE(fs::exists(path("stale.ini.tmp")));
    EXPECT_EQ(ReadTextFile(path("stale.ini")), "");
    WriteTextFile(path("elsewhere"), "kept");
    fs::create_symlink(path("elsewhere"), path("stale.ini.tmp"));
    besideStale.UpdateFile();
    EXPECT_FALSE(fs::exists(fs::symlink_status(path("stale.ini.tmp"))));
    EXPECT_EQ(ReadTextFile(path("elsewhere")), "kept");
}

TEST_F(StoredTextListTest, WritingThroughALinkReplacesTheLinkedFile)
{
    SKIP_ON_WINDOWS("needs symbolic links, which Wine cannot make (CreateSymbolicLinkW is not "
                    "implemented there)");
    WriteTextFile(path("real.ini"), "[A]\r\n\r\n");
    fs::create_symlink(path("real.ini"), path("link.ini"));
    TMemIniFile document(path("link.ini"));
    document.WriteString("A", "k", "v");
    document.UpdateFile();
    EXPECT_TRUE(fs::is_symlink(path("link.ini")));
    EXPECT_EQ(ReadTextFile(path("real.ini")), "[A]\r\nk=v\r\n\r\n");
}

TEST_F(StoredTextListTest, LoadOfAMissingFileGivesAnEmptyDocumentAndDefaults)
{
    TStoredTextList list(path("Mosavo.ini"));
    EXPECT_EQ(list.Document(), nullptr);
    int32_t columns = 7;
    bool lightGrid = false;
    std::string title = "start";
    list.OnLoad = [&](TStoredTextList &l) {
        l.ReadNumber("MosavoGame", "ColumnsCount", columns, 30, 5);
        l.ReadFlag("MosavoGame", "LightGrid", lightGrid);
        l.ReadText("MosavoGame", "PictureTitle", true, title, 259);
    };
    EXPECT_TRUE(list.Load());
    ASSERT_NE(list.Document(), nullptr);
    EXPECT_EQ(list.Document()->GetText(), "");
    EXPECT_EQ(columns, 7);
    EXPECT_FALSE(lightGrid);
    EXPECT_EQ(title, "start");
    EXPECT_TRUE(errorDialog.Descriptions.empty());
    EXPECT_FALSE(fs::exists(path("Mosavo.ini")));
}

TEST_F(StoredTextListTest, AccessorsKeepTheCurrentValueUnlessTheTextIsAccepted)
{
    WriteTextFile(path("o.ini"),
        "[G]\nLow=4\nHigh=31\nGood=$1E\nText=\nLong=abcdef\n"
        "Lower=true\nUpper=TRUE\n");
    TStoredTextList list;
    ASSERT_TRUE(list.LoadFrom(path("o.ini")));
    EXPECT_EQ(list.FileName(), path("o.ini"));

    int32_t low = 7, high = 7, good = 7, missing = 7;
    list.ReadNumber("G", "Low", low, 30, 5);
    list.ReadNumber("G", "High", high, 30, 5);
    list.ReadNumber("G", "Good", good, 30, 5);
    list.ReadNumber("G", "Missing", missing, 30, 5);
    EXPECT_EQ(
        std::vector<int32_t>({low, high, good, missing}), std::vector<int32_t>({7, 7, 30, 7}));

    std::string empty = "keep", emptyAllowed = "keep", tooLong = "keep", fits = "keep";
    list.ReadText("G", "Text", false, empty, 259);
    list.ReadText("G", "Text", true, emptyAllowed, 259);
    list.ReadText("G", "Long", true, tooLong, 5);
    list.ReadText("G", "Long", true, fits, 6);
    EXPECT_EQ(empty, "keep");
    EXPECT_EQ(emptyAllowed, "");
    EXPECT_EQ(tooLong, "keep");
    EXPECT_EQ(fits, "abcdef");

    bool lower = true, upper = false, absentOn = true, absentOff = false;
    list.ReadFlag("G", "Lower", lower);
    list.ReadFlag("G", "Upper", upper);
    list.ReadFlag("G", "Absent", absentOn);
    list.ReadFlag("G", "Absent", absentOff);
    EXPECT_FALSE(lower);
    EXPECT_TRUE(upper);
    EXPECT_TRUE(absentOn);
    EXPECT_FALSE(absentOff);
}

TEST_F(StoredTextListTest, UnknownKeysSurviveALoadAndSaveWhileCommentsDoNot)
{
    WriteTextFile(path("Mosavo.ini"),
        "; my settings\n[MosavoGame]\nColumnsCount=9\nMine=kept\n"
        "AllowFlip=TRUE\n\n[Extra]\nx=1\n");
    TStoredTextList list(path("Mosavo.ini"));
    list.OnSave = [](TStoredTextList &l) {
        l.WriteNumber("MosavoGame", "ColumnsCount", 12);
        l.WriteFlag("MosavoGame", "AllowFlip", false);
        l.WriteText("MosavoGame", "LastGameTitle", "/games/a.mzg");
        l.ClearSection("Nothing");
    };
    ASSERT_TRUE(list.Load());
    EXPECT_TRUE(list.Save(false));
    EXPECT_TRUE(queries.empty());
    EXPECT_EQ(ReadTextFile(path("Mosavo.ini")),
        "[MosavoGame]\r\nColumnsCount=12\r\nMine=kept\r\nAllowFlip=FALSE\r\n"
        "LastGameTitle=/games/a.mzg\r\n\r\n[Extra]\r\nx=1\r\n\r\n");
}

TEST_F(StoredTextListTest, OverwriteQuestionDeclinedLeavesTheFileAlone)
{
    const std::string game = path("saved.mzg");
    WriteTextFile(game, "[Map]\nC0=1\n");
    TStoredTextList list;
    bool eventRan = false;
    list.OnSave = [&](TStoredTextList &l) {
        eventRan = true;
        l.WriteNumber("MosavoGame", "MovesCount", 5);
    };
    queryAnswer = mbrNo;
    EXPECT_FALSE(list.SaveAs(game, true));
    EXPECT_EQ(
        queries, std::vector<std::string> {"File \"" + game + "\"already exists.\nOverwrite it?"});
    EXPECT_FALSE(eventRan);
    EXPECT_EQ(ReadTextFile(game), "[Map]\nC0=1\n");
    EXPECT_TRUE(errorDialog.Descriptions.empty());

    // The document made by SaveAs holds the file it found, so an agreed save keeps its sections.
    queryAnswer = mbrYes;
    EXPECT_TRUE(list.SaveAs(game, true));
    EXPECT_EQ(ReadTextFile(game), "[Map]\r\nC0=1\r\n\r\n[MosavoGame]\r\nMovesCount=5\r\n\r\n");
    EXPECT_EQ(queries.size(), 2u);

    EXPECT_TRUE(list.SaveAs(path("new.mzg"), true));
    EXPECT_EQ(queries.size(), 2u);
}

TEST_F(StoredTextListTest, AReadOnlyFileIsMadeWritableAndReplaced)
{
    const std::string options = path("Mosavo.ini");
    WriteTextFile(options, "[MosavoGame]\nColumnsCount=9\n");
    fs::permissions(options, fs::perms::owner_read | fs::perms::group_read);
    TStoredTextList list(options);
    list.OnSave = [](TStoredTextList &l) { l.WriteNumber("MosavoGame", "ColumnsCount", 10); };
    ASSERT_TRUE(list.Load());

    EXPECT_EQ(raisedDescription([&] { list.Document()->UpdateFile(); }), "The file is read-only.");
    EXPECT_TRUE(list.Save(false));
    EXPECT_EQ(ReadTextFile(options), "[MosavoGame]\r\nColumnsCount=10\r\n\r\n");
    const fs::perms perms = fs::status(options).permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(perms & fs::perms::group_read, fs::perms::none);
    EXPECT_TRUE(errorDialog.Descriptions.empty());
}

TEST_F(StoredTextListTest, FailuresAreShownUnderTheListsOwnWords)
{
    TStoredTextList unloaded(path("a.ini"));
    EXPECT_FALSE(unloaded.Save(false));
    EXPECT_EQ(errorDialog.Descriptions, std::vector<std::string> {"Failed to save file."});
    EXPECT_EQ(Err.TrapFunction, "TStoredTextList::Save");
    EXPECT_FALSE(fs::exists(path("a.ini")));

    WriteTextFile(path("b.ini"), "[S]\nn=3\n");
    TStoredTextList list(path("b.ini"));
    int32_t number = 0;
    list.OnLoad = [&](TStoredTextList &l) {
        l.ReadNumber("S", "n", number, 10, 0);
        throw std::runtime_error("event failed");
    };
    EXPECT_FALSE(list.Load());
    EXPECT_EQ(errorDialog.Descriptions.back(), "Failed to load file.");
    EXPECT_EQ(Err.TrapFunction, "TStoredTextList::Load");
    EXPECT_EQ(Err.Description, "event failed");
    EXPECT_EQ(number, 3);
    EXPECT_NE(list.Document(), nullptr);

    list.OnSave = [](TStoredTextList &l) {
        l.WriteText("S", "n", "4");
        l.WriteText("S", "bad", "two\nlines");
    };
    EXPECT_FALSE(list.Save(false));
    EXPECT_EQ(errorDialog.Descriptions.back(), "Failed to save file.");
    EXPECT_EQ(ReadTextFile(path("b.ini")), "[S]\nn=3\n");

    fs::create_directory(path("c.ini"));
    TStoredTextList directory(path("c.ini"));
    EXPECT_TRUE(directory.Load());
    EXPECT_FALSE(directory.Save(false));
    EXPECT_EQ(errorDialog.Descriptions.size(), 4u);
    EXPECT_EQ(Err.Description, "Failed to replace file.");
    EXPECT_EQ(Err.TrapFunction, "TStoredTextList::Save");
}
