#include "core/Recovery.h"

#include "core/Error.h"
#include "core/StoredTextList.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A 6 x 4 game in play: shuffled, two pieces mirrored, counters set.
TPuzzleBoard gameInPlay()
{
    TPuzzleBoard board;
    board.ResultedColumns = 6;
    board.ResultedRows = 4;
    board.InitPieces(6, 4);
    board.SwapPieces(0, 0, 5, 3);
    board.SwapPieces(1, 2, 4, 0);
    board.FlipPieceHorizontally(0, 0);
    board.FlipPieceVertically(4, 0);
    board.MovesCount = 17;
    board.WrongMoves = 5;
    return board;
}

class RecoveryTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    TRecordingErrorDialog errorDialog;

    void SetUp() override { RegisterErrorDialog(&errorDialog); }
    void TearDown() override { RegisterErrorDialog(nullptr); }

    // Loads a file the way Load game does, with the recovery section read too.
    void load(
        const std::string &file, TPuzzleBoard &board, TWindowSettings &window, TRecoveryInfo &info)
    {
        TStoredTextList list(file);
        list.OnLoad = [&](TStoredTextList &l) {
            ReadGame(l, board, window);
            ReadRecoveryInfo(l, info);
        };
        ASSERT_TRUE(list.Load());
        EXPECT_TRUE(errorDialog.Descriptions.empty());
    }
};

} // namespace

TEST_F(RecoveryTest, ARecoveryFileIsAGameFileThatAlsoKeepsWhereTheGameCameFrom)
{
    const TRecoveryInfo cases[] = {
        {"", "", true}, // a picture's game, never saved
        {"/games/a b=c.mzg", "/games/a b=c.mzg", false}, // loaded and not changed since
        {"/games/saved.mzg", "", true}, // saved under a name, changed since
    };
    const TPuzzleBoard board = gameInPlay();
    TWindowSettings window;
    window.CurrentPicture = "/pictures/cat.png";
    window.LightGrid = true;
    for (const TRecoveryInfo &info : cases) {
        SCOPED_TRACE(info.GameFile + " | " + info.Caption);
        const std::string file = temp / "Recovery.mzg";
        WriteTextFile(file, RecoveryText(board, window, info));

        TPuzzleBoard read;
        TWindowSettings readWindow;
        TRecoveryInfo readInfo;
        load(file, read, readWindow, readInfo);
        EXPECT_EQ(readInfo, info);
        EXPECT_EQ(readWindow.CurrentPicture, window.CurrentPicture);
        EXPECT_TRUE(readWindow.LightGrid);
        EXPECT_EQ(read.ResultedColumns, 6);
        EXPECT_EQ(read.ResultedRows, 4);
        EXPECT_EQ(read.MovesCount, 17);
        EXPECT_EQ(read.WrongMoves, 5);
        for (int32_t column = 0; column < 6; ++column)
            for (int32_t row = 0; row < 4; ++row) {
                const TPiece &p = board.Pieces[column][row];
                const TPiece &q = read.Pieces[column][row];
                EXPECT_TRUE(p.Column == q.Column && p.Row == q.Row
                    && p.FlipHorizontal == q.FlipHorizontal && p.FlipVertical == q.FlipVertical)
                    << "cell " << column << ", " << row;
            }
    }
}

TEST_F(RecoveryTest, TheGameFileComesFirstAndTheRecoverySectionLast)
{
    TWindowSettings window;
    window.CurrentPicture = "/pictures/cat.png";
    const std::string text = RecoveryText(gameInPlay(), window, {"/g.mzg", "/g.mzg", true});
    EXPECT_TRUE(text.starts_with("[MosavoGame]\r\nColumnsCount=7\r\n")) << text.substr(0, 80);
    const size_t map = text.find("[Map]\r\n");
    const size_t recovery = text.find("[MosavoRecovery]\r\n");
    ASSERT_NE(map, std::string::npos);
    ASSERT_NE(recovery, std::string::npos);
    EXPECT_LT(map, recovery);
    const std::string section
        = "[MosavoRecovery]\r\nGameFile=/g.mzg\r\nCaption=/g.mzg\r\nModified=TRUE\r\n";
    EXPECT_EQ(text.substr(recovery, section.size()), section);
    EXPECT_EQ(text.find_first_not_of("\r\n", recovery + section.size()), std::string::npos)
        << "something follows the recovery section";
}

TEST_F(RecoveryTest, AnOrdinaryGameFileReadsAsRecoveryWithTheDefaults)
{
    const std::string file = temp / "plain.mzg";
    WriteTextFile(file, "[MosavoGame]\r\nPictureTitle=/p.png\r\nMovesCount=3\r\n");
    TPuzzleBoard board;
    TWindowSettings window;
    TRecoveryInfo info {"/kept.mzg", "title", true};
    load(file, board, window, info);
    EXPECT_EQ(info, (TRecoveryInfo {"/kept.mzg", "title", true}));
    EXPECT_EQ(board.MovesCount, 3);
}

TEST(KeptRecoveryName, NamesTheMomentInItsFolderAndCountsFurtherAttempts)
{
    const TDateTimeParts moment {2024, 3, 7, 4, 9, 5, 1};
    const struct
    {
        int Attempt;
        std::string Expected;
    } cases[] = {
        {1, "/cfg/Mosavo/Recovery-20240307-090501.mzg"},
        {2, "/cfg/Mosavo/Recovery-20240307-090501-2.mzg"},
        {10, "/cfg/Mosavo/Recovery-20240307-090501-10.mzg"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KeptRecoveryName("/cfg/Mosavo/Recovery.mzg", moment, c.Attempt), c.Expected);
}

TEST(BackgroundFile, TheLastRequestIsWhatTheFileHoldsOrLacks)
{
    TTempFolder temp;
    const std::string file = temp / "Recovery.mzg";
    TBackgroundFile background(file);
    background.Wait(); // nothing asked yet: nothing to wait for
    EXPECT_FALSE(fs::exists(file));

    for (int i = 0; i < 200; ++i)
        background.Write("version " + std::to_string(i));
    background.Wait();
    EXPECT_EQ(ReadTextFile(file), "version 199");

    background.Write("written, then removed");
    background.Remove();
    background.Wait();
    EXPECT_FALSE(fs::exists(file));
    background.Remove(); // already gone: no failure
    background.Wait();
    EXPECT_FALSE(background.TakeFailure().has_value());
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(temp.Path()), {}).size(), 0u)
        << "a temporary was left behind";
}

TEST(BackgroundFile, ItsEndCarriesOutTheLastRequest)
{
    TTempFolder temp;
    const std::string file = temp / "Recovery.mzg";
    {
        TBackgroundFile background(file);
        background.Write("first");
        background.Write("last");
    }
    EXPECT_EQ(ReadTextFile(file), "last");
}

TEST(BackgroundFile, AFailedWriteIsReportedOnceAndLeavesTheOldFile)
{
    TTempFolder temp;
    const std::string missingFolder = temp / "missing/Recovery.mzg";
    TBackgroundFile background(missingFolder);
    background.Write("text");
    background.Wait();
    const std::optional<TWholeFileFailure> failure = background.TakeFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Description, "Failed to create file.");
    EXPECT_NE(failure->SystemErrorCode, 0u);
    EXPECT_FALSE(background.TakeFailure().has_value());
}
