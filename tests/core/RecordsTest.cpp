#include "core/Records.h"

#include "core/StoredTextList.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const TRecordKey Lake {"/home/ana/Pictures/Lake.jpg", 12, 9, false};
const TRecordKey LakeFlipped {"/home/ana/Pictures/Lake.jpg", 12, 9, true};
const TRecordKey Cat {"/home/ana/Pictures/My cat.png", 7, 30, false};

auto fields(const TRecordKey &key)
{
    return std::tuple(key.Picture, key.Columns, key.Rows, key.Flipped);
}
auto fields(const TGameResult &result)
{
    return std::tuple(result.Moves, result.WrongMoves, result.Seconds);
}
auto fields(const TRecordNews &news)
{
    return std::tuple(news.Moves, news.WrongMoves, news.Time);
}

TEST(RecordsTest, SectionNamesHoldThePictureTheGridAndTheFlipping)
{
    EXPECT_EQ(RecordSectionName(Lake), "/home/ana/Pictures/Lake.jpg 12x9");
    EXPECT_EQ(RecordSectionName(LakeFlipped), "/home/ana/Pictures/Lake.jpg 12x9 flipped");
    for (const TRecordKey &key : {Lake, LakeFlipped, Cat}) {
        TRecordKey parsed;
        ASSERT_TRUE(ParseRecordSectionName(RecordSectionName(key), parsed))
            << RecordSectionName(key);
        EXPECT_EQ(fields(parsed), fields(key));
    }
    for (const char *name : {"", "Lake.jpg", "Lake.jpg 12", "Lake.jpg 12x", "Lake.jpg x9",
             "Lake.jpg 0x9", "Lake.jpg 31x9", "Lake.jpg 12x9x", " 12x9", "Lake.jpg 12x9 mirrored",
             "Lake.jpg +1x9", "12x9"}) {
        TRecordKey parsed;
        EXPECT_FALSE(ParseRecordSectionName(name, parsed)) << '"' << name << '"';
    }
}

// Each best is kept on its own; a tie beats nothing.
TEST(RecordsTest, EachBestIsBeatenOnlyByAStrictlyBetterResult)
{
    const struct
    {
        TGameResult result;
        TRecordNews news;
        TGameResult best;
    } cases[] = {{{41, 3, 300}, {false, false, false}, {41, 3, 300}},
        {{40, 3, 300}, {true, false, false}, {40, 3, 300}},
        {{50, 2, 300}, {false, true, false}, {41, 2, 300}},
        {{50, 9, 299}, {false, false, true}, {41, 3, 299}},
        {{10, 0, 10}, {true, true, true}, {10, 0, 10}},
        {{42, 4, 301}, {false, false, false}, {41, 3, 300}}};
    for (const auto &c : cases) {
        TRecord record;
        record.Solved = 2;
        record.Best = {41, 3, 300};
        EXPECT_EQ(fields(AddResult(record, c.result, "now")), fields(c.news));
        EXPECT_EQ(fields(record.Best), fields(c.best));
        EXPECT_EQ(record.Solved, 3);
        EXPECT_EQ(record.LastSolved, "now");
    }
}

TEST(RecordsTest, ThePanelNamesTheNewRecordsThenTheBestsThatStand)
{
    TRecord record;
    record.Best = {38, 2, 230};
    const struct
    {
        TRecordNews news;
        std::vector<std::string> lines;
    } cases[] = {{{false, false, false}, {"Your best: 38 moves, 2 wrong moves, 3:50."}},
        {{true, false, false}, {"New record: 38 moves.", "Your best: 2 wrong moves, 3:50."}},
        {{false, true, true}, {"New record: 2 wrong moves, 3:50.", "Your best: 38 moves."}},
        {{true, true, true}, {"New record: 38 moves, 2 wrong moves, 3:50."}}};
    for (const auto &c : cases)
        EXPECT_EQ(RecordLines(record, c.news), c.lines) << c.lines.front();
}

class RecordBookTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const std::string path = (temp.Path() / RecordsFileName).string();
    std::unique_ptr<TRecordBook> book = open();
    TRecord record;

    std::unique_ptr<TRecordBook> open() const
    {
        return std::make_unique<TRecordBook>(std::make_unique<TMemIniFile>(path));
    }
};

// A first result beats every best; a flipped game is a challenge of its own.
TEST_F(RecordBookTest, ResultsAreWrittenWholeWithTheMostRecentRecordLast)
{
    book->Add(Lake, {41, 3, 245}, "Monday", record);
    EXPECT_EQ(
        fields(book->Add(Cat, {100, 20, 900}, "Tuesday", record)), std::tuple(true, true, true));
    EXPECT_EQ(
        fields(book->Add(Lake, {38, 5, 250}, "Wednesday", record)), std::tuple(true, false, false));
    EXPECT_EQ(record.Solved, 2);
    EXPECT_EQ(fields(book->Add(LakeFlipped, {90, 9, 500}, "Thursday", record)),
        std::tuple(true, true, true));
    EXPECT_EQ(record.Solved, 1);
    book->Save();
    EXPECT_EQ(ReadTextFile(path),
        "[/home/ana/Pictures/My cat.png 7x30]\r\n"
        "Solved=1\r\nBestMoves=100\r\nBestWrongMoves=20\r\nBestTime=900\r\nLastSolved=Tuesday\r\n"
        "\r\n"
        "[/home/ana/Pictures/Lake.jpg 12x9]\r\n"
        "Solved=2\r\nBestMoves=38\r\nBestWrongMoves=3\r\nBestTime=245\r\nLastSolved=Wednesday\r\n"
        "\r\n"
        "[/home/ana/Pictures/Lake.jpg 12x9 flipped]\r\n"
        "Solved=1\r\nBestMoves=90\r\nBestWrongMoves=9\r\nBestTime=500\r\nLastSolved=Thursday\r\n"
        "\r\n");

    const std::vector<TRecord> records = open()->Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(fields(records[2].Key), fields(LakeFlipped));
    EXPECT_LT(records[1].Order, records[2].Order);
    EXPECT_EQ(fields(records[1].Best), std::tuple(38, 3, 245));
}

TEST_F(RecordBookTest, ARecordKeepsKeysOfOthersAndRemovalTakesOnlyTheChosen)
{
    WriteTextFile(path,
        "[/p/a.png 5x5]\r\nSolved=1\r\nNote=mine\r\nBestMoves=9\r\nBestWrongMoves=1\r\n"
        "BestTime=20\r\nLastSolved=x\r\n[/p/b.png 5x5]\r\nSolved=4\r\nBestMoves=8\r\n"
        "BestWrongMoves=0\r\nBestTime=15\r\nLastSolved=y\r\n");
    book = open();
    ASSERT_TRUE(TRecordBook::Readable(book->Document()));
    book->Add({"/p/a.png", 5, 5, false}, {12, 0, 30}, "z", record);
    EXPECT_EQ(record.Solved, 2);
    EXPECT_EQ(fields(record.Best), std::tuple(9, 0, 20));
    book->Remove({{"/p/b.png", 5, 5, false}, {"/p/none.png", 5, 5, false}});
    book->Save();
    EXPECT_EQ(ReadTextFile(path),
        "[/p/a.png 5x5]\r\nSolved=2\r\nNote=mine\r\nBestMoves=9\r\nBestWrongMoves=0\r\n"
        "BestTime=20\r\nLastSolved=z\r\n\r\n");
}

TEST(RecordsTest, OnlyDocumentsOfWholeRecordsAreReadable)
{
    const std::string whole
        = "Solved=1\r\nBestMoves=9\r\nBestWrongMoves=1\r\nBestTime=20\r\nLastSolved=x\r\n";
    // The one record of a.png, with `from` in its keys replaced by `to`.
    const auto recordWith = [&whole](const std::string &from, const std::string &to) {
        std::string keys = whole;
        keys.replace(keys.find(from), from.size(), to);
        return "[/p/a.png 5x5]\r\n" + keys;
    };
    const struct
    {
        const char *why;
        std::string text;
        bool readable;
    } cases[] = {{"empty", "", true}, {"one record", "[/p/a.png 5x5]\r\n" + whole, true},
        {"not a record's name", "[Settings]\r\n" + whole, false},
        {"a name twice", "[/p/a.png 5x5]\r\n" + whole + "[/P/A.PNG 5x5]\r\n" + whole, false},
        {"no solve", recordWith("Solved=1", "Solved=0"), false},
        {"a best that is no number", recordWith("BestMoves=9", "BestMoves=many"), false},
        {"a missing best", recordWith("BestWrongMoves=1\r\n", ""), false},
        {"no time of solving", recordWith("LastSolved=x\r\n", ""), false},
        {"a negative time", recordWith("BestTime=20", "BestTime=-20"), false}};
    for (const auto &c : cases) {
        TMemIniFile document;
        document.SetText(c.text);
        EXPECT_EQ(TRecordBook::Readable(document), c.readable) << c.why;
    }
}

TEST(RecordsTest, ADamagedFileIsKeptUnderAFreeNameBesideIt)
{
    std::set<std::string> taken;
    auto exists = [&](const std::string &name) { return taken.count(name) > 0; };
    EXPECT_EQ(KeptDamagedFileName("/c/Records.ini", exists), "/c/Records.damaged.ini");
    taken = {"/c/Records.damaged.ini", "/c/Records.damaged-2.ini"};
    EXPECT_EQ(KeptDamagedFileName("/c/Records.ini", exists), "/c/Records.damaged-3.ini");
}

} // namespace
