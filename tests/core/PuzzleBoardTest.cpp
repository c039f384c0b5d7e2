#include "core/PuzzleBoard.h"

#include "support/SamePieces.h"

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <functional>
#include <vector>

namespace {

// Hands the board a fixed list of values; running out is a test failure.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::vector<int32_t> values) : values(values.begin(), values.end()) { }
    int32_t operator()()
    {
        ++draws;
        if (values.empty()) {
            ADD_FAILURE() << "the board drew more values than scripted";
            return 0;
        }
        const int32_t value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<int32_t> values;
    int draws = 0;
};

TPuzzleBoard boardInPlay(int32_t columns, int32_t rows)
{
    TPuzzleBoard board;
    board.ResultedColumns = columns;
    board.ResultedRows = rows;
    board.InitPieces(columns, rows);
    return board;
}

void useScript(TPuzzleBoard &board, ScriptedRandom &script)
{
    board.RandomValue = [&script] { return script(); };
}

} // namespace

TEST(PuzzleBoard, StartsSolvedWithTheDefaultGridAndNoDragSource)
{
    TPuzzleBoard board;
    EXPECT_EQ(board.ColumnsCount, 7);
    EXPECT_EQ(board.RowsCount, 7);
    EXPECT_EQ(board.SourceColumn, -1);
    EXPECT_EQ(board.SourceRow, -1);
    EXPECT_FALSE(board.Modified);
    EXPECT_EQ(board.Pieces[29][29].Column, 29);
    EXPECT_EQ(board.Pieces[29][29].Row, 29);
}

TEST(PuzzleBoard, ShuffleOfOneCellSwapsItWithItselfAndSetsNoFlip)
{
    TPuzzleBoard board = boardInPlay(1, 1);
    ScriptedRandom script(std::vector<int32_t>(10, 12345));
    useScript(board, script);
    board.ShufflePieces(true);
    EXPECT_EQ(script.draws, 10); // five passes, two values each; the flip phase skips a placed cell
    EXPECT_TRUE(board.Modified);
    EXPECT_FALSE(board.Pieces[0][0].FlipHorizontal);
    EXPECT_EQ(board.CountMisplacedPieces(), 0);
}

TEST(PuzzleBoard, ShuffleFollowsTheScriptedDrawsInOrder)
{
    // A 2 x 1 board. Pass 1: cell 0 draws column 7 -> |7 % 2| = 1 and row 5 -> 0, so it swaps with
    // cell 1; cell 1 draws -1 -> |-1 % 2| = 1, itself. Passes 2..5: every cell picks itself.
    TPuzzleBoard board = boardInPlay(2, 1);
    std::vector<int32_t> values = {7, 5, -1, 9};
    for (int pass = 0; pass < 4; ++pass)
        values.insert(values.end(), {2, 3, -1, 0});
    // Flip phase, both cells misplaced: horizontal value first; even means flipped.
    values.insert(values.end(), {4, 1, -3, -2});
    ScriptedRandom script(values);
    useScript(board, script);

    board.ShufflePieces(true);

    EXPECT_TRUE(script.values.empty());
    EXPECT_EQ(board.Pieces[0][0].Column, 1);
    EXPECT_EQ(board.Pieces[1][0].Column, 0);
    EXPECT_TRUE(board.Pieces[0][0].FlipHorizontal);
    EXPECT_FALSE(board.Pieces[0][0].FlipVertical);
    EXPECT_FALSE(board.Pieces[1][0].FlipHorizontal);
    EXPECT_TRUE(board.Pieces[1][0].FlipVertical);
    EXPECT_EQ(board.CountMisplacedPieces(), 2);
}

TEST(PuzzleBoard, MostNegativeValueGivesAValidIndex)
{
    TPuzzleBoard board = boardInPlay(3, 3);
    ScriptedRandom script(std::vector<int32_t>(2 * 5 * 9, INT_MIN));
    useScript(board, script);
    board.ShufflePieces(false);
    // INT_MIN % 3 == -2, so every cell swapped with (2, 2); the permutation survives.
    int homes[3][3] = {};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            ++homes[board.Pieces[c][r].Column][board.Pieces[c][r].Row];
    for (auto &column : homes)
        for (int count : column)
            EXPECT_EQ(count, 1);
}

TEST(PuzzleBoard, OneColumnBoardPermutesOnlyAlongItsRows)
{
    TPuzzleBoard board = boardInPlay(1, 4);
    std::vector<int32_t> values;
    for (int i = 0; i < 5 * 4; ++i)
        values.insert(values.end(), {i * 7 + 1, i * 5 + 3});
    ScriptedRandom script(values);
    useScript(board, script);
    board.ShufflePieces(false);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(board.Pieces[0][r].Column, 0);
    EXPECT_EQ(board.Pieces[1][0].Column, 1); // outside the board in play: untouched
}

TEST(PuzzleBoard, ShuffleWithoutFlippingClearsEveryFlagAndStartsFromTheCurrentArrangement)
{
    TPuzzleBoard board = boardInPlay(2, 2);
    board.SwapPieces(0, 0, 1, 1);
    board.FlipPieceHorizontally(0, 1);
    board.FlipPieceVertically(1, 1);
    // Every swap picks the cell itself, so the arrangement before the shuffle stays.
    std::vector<int32_t> values;
    for (int pass = 0; pass < 5; ++pass)
        values.insert(values.end(), {0, 0, 1, 0, 0, 1, 1, 1});
    ScriptedRandom script(values);
    useScript(board, script);
    board.ShufflePieces(false);
    EXPECT_EQ(board.Pieces[0][0].Column, 1);
    EXPECT_EQ(board.Pieces[1][1].Column, 0);
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < 2; ++r) {
            EXPECT_FALSE(board.Pieces[c][r].FlipHorizontal);
            EXPECT_FALSE(board.Pieces[c][r].FlipVertical);
        }
}

TEST(PuzzleBoard, SameSequenceGivesTheSameShuffle)
{
    auto shuffled = [] {
        TPuzzleBoard board = boardInPlay(30, 30);
        uint32_t x = 17;
        board.RandomValue = [&x] { return static_cast<int32_t>(x = x * 1103515245u + 12345u); };
        board.ShufflePieces(true);
        return board;
    };
    const TPuzzleBoard first = shuffled();
    const TPuzzleBoard second = shuffled();
    int misplaced = 0;
    for (int c = 0; c < 30; ++c)
        for (int r = 0; r < 30; ++r) {
            EXPECT_EQ(first.Pieces[c][r].Column, second.Pieces[c][r].Column);
            EXPECT_EQ(first.Pieces[c][r].Row, second.Pieces[c][r].Row);
            EXPECT_EQ(first.Pieces[c][r].FlipHorizontal, second.Pieces[c][r].FlipHorizontal);
            misplaced += first.IsPieceInPlace(c, r) ? 0 : 1;
        }
    EXPECT_EQ(first.CountMisplacedPieces(), misplaced);
    EXPECT_GT(misplaced, 800);
}

TEST(PuzzleBoard, DropsCountMovesAndOnlyTheSwapMarksTheGameModified)
{
    TPuzzleBoard board = boardInPlay(3, 3);
    board.FlipPieceHorizontally(1, 1);
    EXPECT_FALSE(board.Modified); // a flip is no move

    board.SourceColumn = 2;
    board.SourceRow = 2;
    board.MovePiece(2, 2); // onto the source: nothing
    EXPECT_EQ(board.MovesCount, 0);
    EXPECT_FALSE(board.Modified);

    board.MovePiece(0, 0);
    EXPECT_EQ(board.MovesCount, 1);
    EXPECT_TRUE(board.Modified);
    EXPECT_EQ(board.Pieces[0][0].Column, 2);
    EXPECT_EQ(board.Pieces[2][2].Column, 0);
    EXPECT_EQ(board.CountMisplacedPieces(), 2);

    board.WrongMoves = 4;
    board.ClearMoves();
    EXPECT_EQ(board.MovesCount, 0);
    EXPECT_FALSE(board.Modified);
    EXPECT_EQ(board.WrongMoves, 4); // callers reset it themselves
}

TEST(PuzzleBoard, DropsAreRefusedOnTheSourceAndOnPiecesHomeAndCountWrongMovesAway)
{
    TPuzzleBoard board = boardInPlay(3, 3);
    board.SwapPieces(0, 0, 1, 0);
    board.Modified = false;
    EXPECT_FALSE(board.CanPickUp(2, 2));
    EXPECT_TRUE(board.CanPickUp(0, 0));
    EXPECT_FALSE(board.AcceptsDrop(1, 0)); // no source yet

    board.SourceColumn = 0;
    board.SourceRow = 0;
    EXPECT_FALSE(board.DropPiece(0, 0));
    EXPECT_FALSE(board.DropPiece(2, 2));
    EXPECT_EQ(board.MovesCount, 0);
    EXPECT_FALSE(board.Modified);

    board.SwapPieces(2, 2, 2, 1);
    EXPECT_TRUE(board.DropPiece(2, 2)); // piece (1, 0) lands away from home
    EXPECT_EQ(board.MovesCount, 1);
    EXPECT_EQ(board.WrongMoves, 1);
    board.SourceColumn = 2;
    board.SourceRow = 2;
    EXPECT_TRUE(board.DropPiece(1, 0)); // and now home
    EXPECT_EQ(board.MovesCount, 2);
    EXPECT_EQ(board.WrongMoves, 1);
}

TEST(PuzzleBoard, FlippedPieceInItsHomeCellCountsAsInPlace)
{
    TPuzzleBoard board = boardInPlay(2, 2);
    board.FlipPieceVertically(1, 0);
    EXPECT_TRUE(board.IsPieceInPlace(1, 0));
    EXPECT_EQ(board.CountMisplacedPieces(), 0);
}

TEST(PuzzleBoard, RandomizeResetsTheCountersAndLeavesTheGameModified)
{
    TPuzzleBoard board = boardInPlay(5, 5);
    board.MovesCount = 9;
    board.WrongMoves = 3;
    uint32_t x = 1;
    board.RandomValue = [&x] { return static_cast<int32_t>(x = x * 69069u + 1u); };
    board.Randomize(true);
    EXPECT_EQ(board.MovesCount, 0);
    EXPECT_EQ(board.WrongMoves, 0);
    EXPECT_TRUE(board.Modified);
}

// ---- Undo
// ----------------------------------------------------------------------------------------

namespace {

// A 4 x 4 board whose first row is rotated by one cell: four pieces misplaced, the rest home.
TPuzzleBoard boardWithRotatedFirstRow()
{
    TPuzzleBoard board = boardInPlay(4, 4);
    for (int32_t column = 0; column < 3; ++column)
        board.SwapPieces(column, 0, column + 1, 0);
    board.Modified = false;
    board.ClearHistory();
    return board;
}

bool drop(TPuzzleBoard &board, int32_t fromColumn, int32_t fromRow, int32_t column, int32_t row)
{
    board.SourceColumn = fromColumn;
    board.SourceRow = fromRow;
    return board.DropPiece(column, row);
}

} // namespace

TEST(PuzzleBoardUndo, TakesBackDropsAndMirrorsLastFirstWithoutTouchingTheCounters)
{
    struct TStep
    {
        const char *Name;
        std::function<bool(TPuzzleBoard &)> Play;
        TBoardMove Recorded;
    };
    const std::vector<TStep> steps = {
        {"drop away from home", [](TPuzzleBoard &b) { return drop(b, 0, 0, 2, 0); },
            {TBoardMove::Swap, 2, 0, 0, 0}},
        {"mirror left to right", [](TPuzzleBoard &b) { return b.FlipPiece(1, 0, true); },
            {TBoardMove::FlipHorizontal, 1, 0, 1, 0}},
        {"mirror top to bottom", [](TPuzzleBoard &b) { return b.FlipPiece(1, 0, false); },
            {TBoardMove::FlipVertical, 1, 0, 1, 0}},
        {"drop home", [](TPuzzleBoard &b) { return drop(b, 3, 0, 0, 0); },
            {TBoardMove::Swap, 0, 0, 3, 0}},
    };
    TPuzzleBoard board = boardWithRotatedFirstRow();
    std::vector<TPuzzleBoard> before;
    for (const TStep &step : steps) {
        before.push_back(board);
        ASSERT_TRUE(step.Play(board)) << step.Name;
    }
    const int32_t moves = board.MovesCount;
    const int32_t wrongMoves = board.WrongMoves;
    for (size_t i = steps.size(); i-- > 0;) {
        SCOPED_TRACE(steps[i].Name);
        ASSERT_TRUE(board.CanUndo());
        EXPECT_EQ(board.UndoMove(), steps[i].Recorded);
        EXPECT_TRUE(SamePieces(board, before[i]));
        EXPECT_EQ(board.MovesCount, moves);
        EXPECT_EQ(board.WrongMoves, wrongMoves);
    }
    EXPECT_FALSE(board.CanUndo());
    EXPECT_FALSE(board.UndoMove().has_value());
}

TEST(PuzzleBoardUndo, UndoingADropMarksTheGameModifiedAndUndoingAMirrorDoesNot)
{
    TPuzzleBoard board = boardWithRotatedFirstRow();
    ASSERT_TRUE(board.FlipPiece(0, 0, true));
    ASSERT_TRUE(board.UndoMove());
    EXPECT_FALSE(board.Modified);
    ASSERT_TRUE(drop(board, 0, 0, 2, 0));
    board.Modified = false; // as after a save
    ASSERT_TRUE(board.UndoMove());
    EXPECT_TRUE(board.Modified);
}

TEST(PuzzleBoardUndo, RefusedMovesLeaveNothingToUndo)
{
    TPuzzleBoard board = boardWithRotatedFirstRow();
    EXPECT_FALSE(drop(board, 0, 0, 0, 0)); // onto its own cell
    EXPECT_FALSE(drop(board, 0, 0, 1, 1)); // onto a piece at home
    EXPECT_FALSE(board.FlipPiece(2, 2, true)); // a piece at home
    EXPECT_FALSE(board.CanUndo());
}

TEST(PuzzleBoardUndo, EveryNewGameStartsAnEmptyHistory)
{
    const std::pair<const char *, std::function<void(TPuzzleBoard &)>> newGames[] = {
        {"new picture or loaded game", [](TPuzzleBoard &b) { b.InitPieces(4, 4); }},
        {"shuffle", [](TPuzzleBoard &b) { b.ShufflePieces(true); }},
        {"Randomize", [](TPuzzleBoard &b) { b.Randomize(false); }},
    };
    for (const auto &[name, start] : newGames) {
        SCOPED_TRACE(name);
        TPuzzleBoard board = boardWithRotatedFirstRow();
        board.RandomValue
            = [x = 3u]() mutable { return static_cast<int32_t>(x = x * 69069u + 1u); };
        ASSERT_TRUE(drop(board, 0, 0, 2, 0));
        start(board);
        EXPECT_EQ(board.HistorySize(), 0u);
    }
}

TEST(PuzzleBoardUndo, ASolvedPuzzleStaysSolved)
{
    TPuzzleBoard board = boardInPlay(3, 3);
    board.SwapPieces(0, 0, 1, 0);
    ASSERT_TRUE(board.FlipPiece(0, 0, true));
    ASSERT_TRUE(drop(board, 0, 0, 1, 0));
    ASSERT_EQ(board.CountMisplacedPieces(), 0);
    EXPECT_EQ(board.HistorySize(), 2u); // kept, but not to be taken back
    EXPECT_FALSE(board.CanUndo());
    EXPECT_FALSE(board.UndoMove().has_value());
    EXPECT_EQ(board.CountMisplacedPieces(), 0);
}

TEST(PuzzleBoardUndo, TheHistoryKeepsTheLatestMovesUpToItsLimit)
{
    TPuzzleBoard board = boardWithRotatedFirstRow();
    // The three oldest moves mirror a piece that the newer ones leave alone, so what the
    // forgotten moves did stays on the board.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(board.FlipPiece(3, 0, true));
    for (size_t i = 0; i < MaxUndoMoves; ++i)
        ASSERT_TRUE(board.FlipPiece(0, 0, false));
    size_t undone = 0;
    while (board.UndoMove())
        ++undone;
    EXPECT_EQ(undone, MaxUndoMoves);
    EXPECT_FALSE(board.Pieces[0][0].FlipVertical);
    EXPECT_TRUE(board.Pieces[3][0].FlipHorizontal);
}
