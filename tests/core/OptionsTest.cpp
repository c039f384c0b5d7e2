#include "core/Options.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/StoredTextList.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

namespace fs = std::filesystem;

namespace {

// The games folder is given without its delimiter, which the first-start game gets.
const std::string FirstGame = "/opt/Mosavo/MosavoGames" + std::string(1, PathDelimiter) + "*.mzg";

class OptionsTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const fs::path folder = temp.Path();
    TPuzzleBoard board;
    TWindowSettings window = FirstStartSettings("/home/me/Pictures/", "/opt/Mosavo/MosavoGames");
    std::unique_ptr<TStoredTextList> options;

    void SetUp() override
    {
        options = std::make_unique<TStoredTextList>((folder / OptionsFileName).string());
        options->OnLoad = [this](TStoredTextList &l) { ReadOptions(l, board, window); };
        options->OnSave = [this](TStoredTextList &l) { WriteOptions(l, board, window); };
    }

    void TearDown() override { }

    std::string optionsPath() const { return (folder / OptionsFileName).string(); }

    void writeOptions(const std::string &text) const
    {
        std::ofstream(optionsPath(), std::ios::binary) << text;
    }

    std::string readOptions() const
    {
        std::ifstream in(optionsPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(OptionsTest, WithoutAFileTheFirstStartValuesStayAndAreWrittenInOrder)
{
    ASSERT_TRUE(options->Load());
    EXPECT_EQ(board.ColumnsCount, 7);
    EXPECT_EQ(window.ColumnsBox, 7);
    EXPECT_EQ(window.RowsBox, 7);
    EXPECT_FALSE(window.LightGrid);
    EXPECT_FALSE(window.AllowFlip);
    EXPECT_EQ(window.CurrentPicture, "/home/me/Pictures/*");
    EXPECT_EQ(window.LastGame, FirstGame);

    ASSERT_TRUE(options->Save(false));
    EXPECT_EQ(readOptions(),
        "[MosavoGame]\r\n"
        "ColumnsCount=7\r\n"
        "RowsCount=7\r\n"
        "LightGrid=FALSE\r\n"
        "PictureTitle=/home/me/Pictures/*\r\n"
        "AllowFlip=FALSE\r\n"
        "LastGameTitle="
            + FirstGame
            + "\r\n"
              "ShowTime=TRUE\r\n"
              "Sound=FALSE\r\n"
              "Language=\r\n\r\n");
}

TEST_F(OptionsTest, StoredValuesAreRestored)
{
    writeOptions("[MosavoGame]\nColumnsCount=12\nRowsCount=30\nLightGrid=TRUE\n"
                 "PictureTitle=/p/cat.jpg\nAllowFlip=TRUE\nLastGameTitle=/g/cat.mzg\n");
    ASSERT_TRUE(options->Load());
    EXPECT_EQ(board.ColumnsCount, 12);
    EXPECT_EQ(window.ColumnsBox, 12);
    EXPECT_EQ(board.RowsCount, 30);
    EXPECT_EQ(window.RowsBox, 30);
    EXPECT_TRUE(window.LightGrid);
    EXPECT_TRUE(window.AllowFlip);
    EXPECT_EQ(window.CurrentPicture, "/p/cat.jpg");
    EXPECT_EQ(window.LastGame, "/g/cat.mzg");
}

TEST_F(OptionsTest, ValuesThatAreNotAcceptedKeepTheirDefaults)
{
    writeOptions("[MosavoGame]\r\nColumnsCount=4\r\nRowsCount=x\r\nAllowFlip=true\r\n"
                 "PictureTitle=\r\nLastGameTitle=\r\n");
    ASSERT_TRUE(options->Load());
    EXPECT_EQ(window.ColumnsBox, 7);
    EXPECT_EQ(window.RowsBox, 7);
    EXPECT_FALSE(window.AllowFlip);
    EXPECT_EQ(window.CurrentPicture, ""); // an empty picture is accepted
    EXPECT_EQ(window.LastGame, FirstGame); // an empty game is not

    // Any path the platform opens is taken, and nothing longer.
    writeOptions("[MosavoGame]\r\nLastGameTitle=/" + std::string(MaxPathTextLength, 'g') + "\r\n");
    ASSERT_TRUE(options->Load());
    EXPECT_EQ(window.LastGame, FirstGame);
    writeOptions(
        "[MosavoGame]\r\nLastGameTitle=/" + std::string(MaxPathTextLength - 1, 'g') + "\r\n");
    ASSERT_TRUE(options->Load());
    EXPECT_EQ(window.LastGame, "/" + std::string(MaxPathTextLength - 1, 'g'));
}

TEST_F(OptionsTest, UnknownKeysAndSectionsSurviveARunInTheirPlaces)
{
    writeOptions("; written by hand\r\n[MosavoGame]\r\nColumnsCount=9\r\nTheme=dark\r\n"
                 "AllowFlip=FALSE\r\n\r\n[Window]\r\nLeft=10\r\n");
    ASSERT_TRUE(options->Load());
    window.AllowFlip = true;
    window.LastGame = "/g/last.mzg";
    board.ColumnsCount = 10;
    ASSERT_TRUE(options->Save(false));
    EXPECT_EQ(readOptions(),
        "[MosavoGame]\r\n"
        "ColumnsCount=10\r\n"
        "Theme=dark\r\n"
        "AllowFlip=TRUE\r\n"
        "RowsCount=7\r\n"
        "LightGrid=FALSE\r\n"
        "PictureTitle=/home/me/Pictures/*\r\n"
        "LastGameTitle=/g/last.mzg\r\n"
        "ShowTime=TRUE\r\n"
        "Sound=FALSE\r\n"
        "Language=\r\n"
        "\r\n"
        "[Window]\r\n"
        "Left=10\r\n"
        "\r\n");
}

// A file written before the two menu checks keeps their defaults: the clock shown, no sound.
TEST_F(OptionsTest, ShowTimeAndSoundAreReadOnlyFromTheirExactFlagsAndWrittenAsRead)
{
    const struct
    {
        const char *lines;
        bool showTime, sound;
    } cases[]
        = {{"AllowFlip=TRUE\r\n", true, false}, {"ShowTime=FALSE\r\nSound=TRUE\r\n", false, true},
            {"ShowTime=false\r\nSound=true\r\n", false, false},
            {"ShowTime=TRUE\r\nSound=FALSE\r\n", true, false}};
    for (const auto &c : cases) {
        writeOptions(std::string("[MosavoGame]\r\n") + c.lines);
        for (int run = 0; run < 2; ++run) { // as written, then as saved again
            window = FirstStartSettings("/home/me/Pictures/", "/opt/Mosavo/MosavoGames");
            ASSERT_TRUE(options->Load());
            EXPECT_EQ(std::pair(window.ShowTime, window.Sound), std::pair(c.showTime, c.sound))
                << c.lines << " run " << run;
            ASSERT_TRUE(options->Save(false));
        }
    }
}

// A file from before the Language menu follows the system's language; a code that is far too long
// to be one is not taken.
TEST_F(OptionsTest, TheChosenLanguageIsKeptAndAnOldFileFollowsTheSystem)
{
    const struct
    {
        std::string lines, language;
    } cases[] = {{"Sound=TRUE\r\n", ""}, {"Language=pt_BR\r\n", "pt_BR"}, {"Language=\r\n", ""},
        {"Language=" + std::string(40, 'x') + "\r\n", ""}};
    for (const auto &c : cases) {
        writeOptions("[MosavoGame]\r\n" + c.lines);
        window = FirstStartSettings("/home/me/Pictures/", "/opt/Mosavo/MosavoGames");
        ASSERT_TRUE(options->Load());
        EXPECT_EQ(window.Language, c.language) << c.lines;
        ASSERT_TRUE(options->Save(false));
        EXPECT_NE(readOptions().find("Sound="), std::string::npos);
        EXPECT_NE(readOptions().find("\r\nLanguage=" + c.language + "\r\n"), std::string::npos);
    }
}

} // namespace
