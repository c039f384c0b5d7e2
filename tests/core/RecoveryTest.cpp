#include "core/Recovery.h"

#include "core/Error.h"
#include "core/StoredTextList.h"
#include "support/RecordingErrorDialog.h"
#include "support/SamePieces.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RecoveryTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const std::string file = temp / "Recovery.mzg";
    TRegisteredRecordingErrorDialog errorDialog;
    TPuzzleBoard board; // a 6 x 4 game in play: shuffled, two pieces mirrored, counters set
    TWindowSettings window;

    RecoveryTest()
    {
        board.ResultedColumns = 6;
        board.ResultedRows = 4;
        board.InitPieces(6, 4);
        board.SwapPieces(0, 0, 5, 3);
        board.SwapPieces(1, 2, 4, 0);
        board.FlipPieceHorizontally(0, 0);
        board.FlipPieceVertically(4, 0);
        board.MovesCount = 17;
        board.WrongMoves = 5;
        window.CurrentPicture = "/pictures/cat.png";
    }

    // Loads a file the way Load game does, with the recovery section read too.
    void load(const std::string &path, TPuzzleBoard &read, TRecoveryInfo &info)
    {
        TStoredTextList list(path);
        TWindowSettings readWindow;
        list.OnLoad = [&](TStoredTextList &l) {
            ReadGame(l, read, readWindow);
            ReadRecoveryInfo(l, info);
        };
        ASSERT_TRUE(list.Load());
        EXPECT_TRUE(errorDialog.Descriptions.empty());
        EXPECT_EQ(readWindow.CurrentPicture, window.CurrentPicture);
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
    for (const TRecoveryInfo &info : cases) {
        SCOPED_TRACE(info.GameFile + " | " + info.Caption);
        WriteTextFile(file, RecoveryText(board, window, info));
        TPuzzleBoard read;
        TRecoveryInfo readInfo;
        load(file, read, readInfo);
        EXPECT_EQ(readInfo, info);
        EXPECT_TRUE(SamePieces(read, board));
        EXPECT_EQ(std::pair(read.MovesCount, read.WrongMoves), std::pair(17, 5));
    }
}

TEST_F(RecoveryTest, TheGameFileComesFirstAndTheRecoverySectionLast)
{
    const std::string text = RecoveryText(board, window, {"/g.mzg", "/g.mzg", true});
    EXPECT_TRUE(text.starts_with("[MosavoGame]\r\nColumnsCount=7\r\n")) << text.substr(0, 80);
    const size_t recovery = text.find("[MosavoRecovery]\r\n");
    ASSERT_NE(recovery, std::string::npos);
    EXPECT_LT(text.find("[Map]\r\n"), recovery);
    EXPECT_EQ(text.substr(recovery),
        "[MosavoRecovery]\r\nGameFile=/g.mzg\r\nCaption=/g.mzg\r\nModified=TRUE\r\n\r\n");
}

TEST_F(RecoveryTest, AnOrdinaryGameFileReadsAsRecoveryWithTheDefaults)
{
    WriteTextFile(file, "[MosavoGame]\r\nPictureTitle=/pictures/cat.png\r\nMovesCount=3\r\n");
    TPuzzleBoard read;
    TRecoveryInfo info {"/kept.mzg", "title", true};
    load(file, read, info);
    EXPECT_EQ(info, (TRecoveryInfo {"/kept.mzg", "title", true}));
    EXPECT_EQ(read.MovesCount, 3);
}

TEST(KeptRecoveryName, NamesTheMomentInItsFolderAndCountsFurtherAttempts)
{
    const TDateTimeParts moment {2024, 3, 7, 4, 9, 5, 1};
    const std::string folder = "/cfg/Mosavo/";
    EXPECT_EQ(
        KeptRecoveryName(folder + "Recovery.mzg", moment), folder + "Recovery-20240307-090501.mzg");
    EXPECT_EQ(KeptRecoveryName(folder + "Recovery.mzg", moment, 2),
        folder + "Recovery-20240307-090501-2.mzg");
    EXPECT_EQ(KeptRecoveryName(folder + "Recovery.mzg", moment, 10),
        folder + "Recovery-20240307-090501-10.mzg");
}

TEST_F(RecoveryTest, TheBackgroundFileHoldsOrLacksWhatTheLastRequestSaid)
{
    {
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
        EXPECT_TRUE(fs::is_empty(temp.Path())) << "a temporary was left behind";
    }
    {
        TBackgroundFile background(file);
        background.Write("first");
        background.Write("last");
    } // its end carries out the last request
    EXPECT_EQ(ReadTextFile(file), "last");
}

TEST(BackgroundFile, AFailedWriteIsReportedOnce)
{
    TTempFolder temp;
    TBackgroundFile background(temp / "missing/Recovery.mzg");
    background.Write("text");
    background.Wait();
    const std::optional<TWholeFileFailure> failure = background.TakeFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Description, "Failed to create file.");
    EXPECT_NE(failure->SystemErrorCode, 0u);
    EXPECT_FALSE(background.TakeFailure().has_value());
}
