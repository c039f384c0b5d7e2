#include "core/GameFile.h"

#include "core/Error.h"
#include "core/StoredTextList.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

class GameFileTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const fs::path folder = temp.Path();
    TRecordingErrorDialog errorDialog;
    TPuzzleBoard board;
    TWindowSettings window;
    TStoredTextList list;

    void SetUp() override
    {
        RegisterErrorDialog(&errorDialog);
        list.OnLoad = [this](TStoredTextList &l) { ReadGame(l, board, window); };
        list.OnSave = [this](TStoredTextList &l) { WriteGame(l, board, window); };
    }

    void TearDown() override { RegisterErrorDialog(nullptr); }

    std::string path(const std::string &name) const { return (folder / name).string(); }

    // Loads a game file made of the given lines, each ended with CR LF.
    void loadGame(const std::vector<std::string> &lines)
    {
        std::string text;
        for (const std::string &line : lines)
            text += line + "\r\n";
        WriteTextFile(path("game.mzg"), text);
        ASSERT_TRUE(list.LoadFrom(path("game.mzg")));
    }

    void expectPiece(int32_t column, int32_t row, int32_t homeColumn, int32_t homeRow,
        bool flipHorizontal = false, bool flipVertical = false) const
    {
        const TPiece &piece = board.Pieces[column][row];
        EXPECT_EQ(piece.Column, homeColumn) << "cell " << column << ", " << row;
        EXPECT_EQ(piece.Row, homeRow) << "cell " << column << ", " << row;
        EXPECT_EQ(piece.FlipHorizontal, flipHorizontal) << "cell " << column << ", " << row;
        EXPECT_EQ(piece.FlipVertical, flipVertical) << "cell " << column << ", " << row;
    }
};

TEST_F(GameFileTest, AFreshGameFileHoldsEveryKeyInItsOrder)
{
    board.ColumnsCount = 6;
    board.RowsCount = 9;
    board.ResultedColumns = 2;
    board.ResultedRows = 2;
    board.InitPieces(2, 2);
    board.SwapPieces(0, 0, 1, 1);
    board.FlipPieceHorizontally(1, 1);
    board.FlipPieceVertically(1, 0);
    board.MovesCount = 12;
    board.WrongMoves = 3;
    board.PlayingTime = 245;
    window.LightGrid = true;
    window.CurrentPicture = "/home/me/Pictures/cat.jpg";

    ASSERT_TRUE(list.SaveAs(path("new.mzg"), true));

    EXPECT_EQ(ReadTextFile(path("new.mzg")),
        "[MosavoGame]\r\n"
        "ColumnsCount=6\r\n"
        "RowsCount=9\r\n"
        "LightGrid=TRUE\r\n"
        "PictureTitle=/home/me/Pictures/cat.jpg\r\n"
        "ResultedColumns=2\r\n"
        "ResultedRows=2\r\n"
        "MovesCount=12\r\n"
        "WrongMoves=3\r\n"
        "PlayingTime=245\r\n"
        "\r\n"
        "[Map]\r\n"
        "C0=1\r\nR0=1\r\nFH0=FALSE\r\nFV0=FALSE\r\n"
        "C1=1\r\nR1=0\r\nFH1=FALSE\r\nFV1=TRUE\r\n"
        "C2=0\r\nR2=1\r\nFH2=FALSE\r\nFV2=FALSE\r\n"
        "C3=0\r\nR3=0\r\nFH3=TRUE\r\nFV3=FALSE\r\n"
        "\r\n");
}

TEST_F(GameFileTest, ANarrowBoardRoundTripsWithCellsNumberedByItsOwnWidth)
{
    board.ResultedColumns = 4;
    board.ResultedRows = 9;
    board.InitPieces(4, 9);
    board.SwapPieces(1, 2, 3, 8); // n = 9 and n = 35
    board.FlipPieceVertically(3, 8);
    board.MovesCount = 1;
    ASSERT_TRUE(list.SaveAs(path("tall.mzg"), false));
    const std::string text = ReadTextFile(path("tall.mzg"));
    EXPECT_NE(text.find("C9=3\r\nR9=8\r\n"), std::string::npos);
    EXPECT_NE(text.find("C35=1\r\nR35=2\r\nFH35=FALSE\r\nFV35=TRUE\r\n"), std::string::npos);
    EXPECT_EQ(text.find("C36="), std::string::npos);

    board = TPuzzleBoard();
    ASSERT_TRUE(list.LoadFrom(path("tall.mzg")));
    EXPECT_EQ(board.ResultedColumns, 4);
    EXPECT_EQ(board.ResultedRows, 9);
    EXPECT_EQ(board.MovesCount, 1);
    expectPiece(1, 2, 3, 8);
    expectPiece(3, 8, 1, 2, false, true);
    EXPECT_EQ(board.CountMisplacedPieces(), 2);
}

TEST_F(GameFileTest, AMissingOrEmptyMapGivesASolvedBoardWithTheStoredCounters)
{
    board.InitPieces(30, 30);
    board.SwapPieces(0, 0, 2, 1);
    board.FlipPieceHorizontally(2, 1);
    loadGame({"[MosavoGame]", "PictureTitle=/p.png", "ResultedColumns=3", "ResultedRows=2",
        "MovesCount=40", "WrongMoves=17"});
    EXPECT_EQ(board.ResultedColumns, 3);
    EXPECT_EQ(board.ResultedRows, 2);
    EXPECT_EQ(board.MovesCount, 40);
    EXPECT_EQ(board.WrongMoves, 17);
    expectPiece(0, 0, 0, 0);
    expectPiece(2, 1, 2, 1);
    EXPECT_EQ(board.CountMisplacedPieces(), 0);

    loadGame({"[MosavoGame]", "PictureTitle=/p.png", "ResultedColumns=3", "ResultedRows=2",
        "MovesCount=5", "[Map]"});
    EXPECT_EQ(board.MovesCount, 5);
    EXPECT_EQ(board.WrongMoves, 0);
    EXPECT_EQ(board.CountMisplacedPieces(), 0);
}

TEST_F(GameFileTest, NamesAreFoundInAnyLetterCaseButFlagsOnlyInCapitals)
{
    loadGame({"[mosavogame]", "pictureTITLE=/p.png", "COLUMNSCOUNT=9", "resultedcolumns=2",
        "ResultedRows=2", "[MAP]", "c0=1", "r0=1", "fh0=TRUE", "C3=0", "R3=0", "FH3=true", "FV3=1",
        "C1=1", "R1=0", "FH1=TRUE ", "FV1=True"});
    EXPECT_EQ(board.ColumnsCount, 9);
    EXPECT_EQ(window.ColumnsBox, 9);
    EXPECT_EQ(board.ResultedColumns, 2);
    expectPiece(0, 0, 1, 1, true, false);
    expectPiece(1, 1, 0, 0, false, false);
    expectPiece(1, 0, 1, 0, false, false);
}

TEST_F(GameFileTest, ValuesOutsideTheirRangesKeepTheirDefaults)
{
    window.ColumnsBox = 12;
    window.RowsBox = 8;
    board.ColumnsCount = 5;
    loadGame({"[MosavoGame]", "PictureTitle=/p.png", "ColumnsCount=31", "RowsCount=4",
        "ResultedColumns=0", "ResultedRows=abc", "MovesCount=-1", "WrongMoves=abc", "[Map]",
        "C0=12", "R0=-1", "C1=-1", "R1=8", "C2=7", "R2= 5"});
    EXPECT_EQ(board.ColumnsCount, 12);
    EXPECT_EQ(window.ColumnsBox, 12);
    EXPECT_EQ(board.RowsCount, 8);
    EXPECT_EQ(board.ResultedColumns, 12); // the box's number
    EXPECT_EQ(board.ResultedRows, 8);
    EXPECT_EQ(board.MovesCount, 0);
    EXPECT_EQ(board.WrongMoves, 0);
    expectPiece(0, 0, 0, 0); // C12 is one past the last column
    expectPiece(1, 0, 1, 0); // R8 is one past the last row
    expectPiece(2, 0, 7, 5); // both in range; leading blanks are allowed
}

TEST_F(GameFileTest, CountersReadTheirWholeRangeAndTheCountersStartFromZero)
{
    board.MovesCount = 99;
    board.WrongMoves = 98;
    loadGame(
        {"[MosavoGame]", "PictureTitle=/p.png", "MovesCount=2147483647", "WrongMoves=2147483648"});
    EXPECT_EQ(board.MovesCount, 2147483647);
    EXPECT_EQ(board.WrongMoves, 0);
}

// A file saved before the clock, or with a time that is no count of seconds, starts at 0.
TEST_F(GameFileTest, ThePlayingTimeIsReadWhereItIsAndIsZeroWhereItIsNot)
{
    const struct
    {
        const char *line;
        int32_t seconds;
    } cases[]
        = {{"PlayingTime=245", 245}, {"PlayingTime=0", 0}, {"PlayingTime=2147483647", 2147483647},
            {"PlayingTime=-5", 0}, {"PlayingTime=4:05", 0}, {"PlayingTime=", 0}, {"Player=Ann", 0}};
    for (const auto &c : cases) {
        board.PlayingTime = 77;
        loadGame({"[MosavoGame]", "PictureTitle=/p.png", "MovesCount=4", c.line});
        EXPECT_EQ(board.PlayingTime, c.seconds) << c.line;
        EXPECT_EQ(board.MovesCount, 4) << c.line;
    }
}

TEST_F(GameFileTest, AGameSavedBeforeTheClockGetsItsTimeAfterItsOwnKeys)
{
    loadGame({"[MosavoGame]", "ColumnsCount=7", "RowsCount=7", "LightGrid=FALSE",
        "PictureTitle=/p.png", "ResultedColumns=2", "ResultedRows=1", "MovesCount=3",
        "WrongMoves=1", "Player=Ann", "[Map]", "C0=1", "R0=0", "C1=0", "R1=0"});
    board.PlayingTime = 61;
    ASSERT_TRUE(list.Save(false));
    EXPECT_TRUE(
        ReadTextFile(path("game.mzg"))
            .starts_with(
                "[MosavoGame]\r\nColumnsCount=7\r\nRowsCount=7\r\nLightGrid=FALSE\r\n"
                "PictureTitle=/p.png\r\nResultedColumns=2\r\nResultedRows=1\r\nMovesCount=3\r\n"
                "WrongMoves=1\r\nPlayer=Ann\r\nPlayingTime=61\r\n\r\n[Map]\r\n"));
}

TEST_F(GameFileTest, AMapThatRepeatsAHomeLoadsAsWritten)
{
    loadGame({"[MosavoGame]", "PictureTitle=/p.png", "ResultedColumns=2", "ResultedRows=1", "[Map]",
        "C0=1", "R0=0", "C1=1", "R1=0"});
    expectPiece(0, 0, 1, 0);
    expectPiece(1, 0, 1, 0);
    EXPECT_EQ(board.CountMisplacedPieces(), 1);
}

TEST_F(GameFileTest, PictureTitleTakesAnyPathThePlatformOpensAndTheEmptyText)
{
    const std::string longest = "/" + std::string(MaxPathTextLength - 1, 'p');
    loadGame({"[MosavoGame]", "PictureTitle=" + longest});
    EXPECT_EQ(window.CurrentPicture, longest);

    loadGame({"[MosavoGame]", "PictureTitle="});
    EXPECT_EQ(window.CurrentPicture, "");
}

TEST_F(GameFileTest, AGameWhosePictureCannotBeTakenIsRefusedBeforeAnythingChanges)
{
    const std::string tooLong = "PictureTitle=/" + std::string(MaxPathTextLength, 'p');
    const std::vector<std::pair<std::string, std::string>> cases
        = {{tooLong, "The name of the game's picture is longer than"},
            {"Note=no picture", "The game file names no picture."}};
    for (const auto &[pictureLine, reason] : cases) {
        board = TPuzzleBoard();
        board.MovesCount = 2;
        window.CurrentPicture = "/in/play.png";
        errorDialog.Contexts.clear();
        WriteTextFile(path("game.mzg"),
            "[MosavoGame]\r\nColumnsCount=9\r\nMovesCount=4\r\n" + pictureLine + "\r\n");

        EXPECT_FALSE(list.LoadFrom(path("game.mzg")));
        ASSERT_EQ(errorDialog.Contexts.size(), 1u);
        EXPECT_NE(errorDialog.Contexts[0].find(reason), std::string::npos);
        EXPECT_EQ(window.CurrentPicture, "/in/play.png");
        EXPECT_EQ(board.ColumnsCount, DefaultGridSize);
        EXPECT_EQ(board.MovesCount, 2);
    }
}

TEST_F(GameFileTest, LightGridIsOffUnlessTheFileSaysTrue)
{
    window.LightGrid = true;
    loadGame({"[MosavoGame]", "PictureTitle=/p.png"});
    EXPECT_FALSE(window.LightGrid);
    loadGame({"[MosavoGame]", "PictureTitle=/p.png", "LightGrid=TRUE"});
    EXPECT_TRUE(window.LightGrid);
}

TEST_F(GameFileTest, ASaveKeepsForeignKeysInTheirPlacesAndReplacesTheMapWhole)
{
    loadGame({"[MosavoGame]", "ColumnsCount=7", "Author=someone", "RowsCount=7",
        "ResultedColumns=2", "ResultedRows=1", "PictureTitle=/old.png", "[Map]", "C0=1", "R0=0",
        "C1=0", "R1=0", "C5=4", "Note=gone", "[Map]", "C9=9", "[Extra]", "Kept=yes"});
    board.ColumnsCount = 8;
    window.CurrentPicture = "/p.png";
    ASSERT_TRUE(list.SaveAs(path("game.mzg"), false));

    EXPECT_EQ(ReadTextFile(path("game.mzg")),
        "[MosavoGame]\r\n"
        "ColumnsCount=8\r\n"
        "Author=someone\r\n"
        "RowsCount=7\r\n"
        "ResultedColumns=2\r\n"
        "ResultedRows=1\r\n"
        "PictureTitle=/p.png\r\n"
        "LightGrid=FALSE\r\n"
        "MovesCount=0\r\n"
        "WrongMoves=0\r\n"
        "PlayingTime=0\r\n"
        "\r\n"
        "[Extra]\r\n"
        "Kept=yes\r\n"
        "\r\n"
        "[Map]\r\n"
        "C0=1\r\nR0=0\r\nFH0=FALSE\r\nFV0=FALSE\r\n"
        "C1=0\r\nR1=0\r\nFH1=FALSE\r\nFV1=FALSE\r\n"
        "\r\n");
}

TEST_F(GameFileTest, OnlyTheGameExtensionInAnyCaseNamesAGameFile)
{
    EXPECT_TRUE(IsGameFileName("/games/a.mzg"));
    EXPECT_TRUE(IsGameFileName("/games/A.MZG"));
    EXPECT_TRUE(IsGameFileName("b.Mzg"));
    EXPECT_TRUE(IsGameFileName(".mzg"));
    EXPECT_FALSE(IsGameFileName("/games/a.txt"));
    EXPECT_FALSE(IsGameFileName("/games/a.mzg.txt"));
    EXPECT_FALSE(IsGameFileName("/games/a.mzgx"));
    EXPECT_FALSE(IsGameFileName("/games.mzg/a"));
    EXPECT_FALSE(IsGameFileName("/games/*.mzg~"));
    EXPECT_FALSE(IsGameFileName(""));
}

TEST_F(GameFileTest, ASavedGridKeepsTheNewGameCutWhenThatGivesTheSavedGrid)
{
    // A tall picture fitted as 122 x 490, 9 x 6 chosen: pieces of 46 x 81 give 2 x 6.
    const TPictureSize area {415, 490};
    const TPictureSize piece {415 / 9, 490 / 6};
    EXPECT_EQ(SavedGameCut({122, 490}, area, piece, 2, 6).Piece, piece);
    EXPECT_EQ(SavedGameCut({122, 490}, area, piece, 2, 6).Picture, (TPictureSize {122, 490}));
    // Saved in another window with three columns: the pieces divide the picture instead.
    EXPECT_EQ(SavedGameCut({122, 490}, area, piece, 3, 6).Piece, (TPictureSize {40, 81}));
}

TEST_F(GameFileTest, ASavedGridIsCutExactlyFromTheFittedPicture)
{
    const TPictureSize area {415, 490};
    const TPictureSize otherGrid {1000, 1000};
    EXPECT_EQ(SavedGameCut({300, 200}, area, otherGrid, 7, 5).Piece, (TPictureSize {42, 40}));
    // Whatever the fit and the new game's pieces, at least the saved number of pieces fits into
    // the picture, so that a cut limited to the saved grid gives exactly that grid, and the grid
    // never leaves the picture.
    for (const TPictureSize newGamePiece : {TPictureSize {1, 2}, TPictureSize {13, 16}, otherGrid})
        for (int32_t columns = 1; columns <= MaxGridSize; ++columns)
            for (int32_t width : {30, 31, 100, 415}) {
                const TSavedGameCut cut
                    = SavedGameCut({width, 61}, area, newGamePiece, columns, 30);
                EXPECT_EQ(cut.Picture, (TPictureSize {width, 61}));
                EXPECT_GE(cut.Picture.Width / cut.Piece.Width, columns) << width;
                EXPECT_LE(cut.Piece.Width * columns, width);
                EXPECT_GE(cut.Picture.Height / cut.Piece.Height, 30);
                EXPECT_LE(cut.Piece.Height * 30, 61);
            }
    // Too few pixels for the cells, or none at all: the picture is stretched over the area.
    EXPECT_EQ(SavedGameCut({0, 0}, area, otherGrid, 4, 7).Picture, area);
    EXPECT_EQ(SavedGameCut({0, 0}, area, otherGrid, 4, 7).Piece, (TPictureSize {103, 70}));
    EXPECT_EQ(SavedGameCut({20, 490}, area, otherGrid, 30, 30).Picture, area);
    EXPECT_EQ(SavedGameCut({20, 490}, area, otherGrid, 30, 30).Piece, (TPictureSize {13, 16}));
}

} // namespace
