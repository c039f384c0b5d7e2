#pragma once
// The game's model: which piece lies in which cell, how each is mirrored, the grid in play and
// the counters. It holds no pixels.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

constexpr int32_t MaxGridSize = 30;
constexpr int32_t MinChosenGridSize = 5;
constexpr int32_t DefaultGridSize = 7;

// The most moves that can be taken back; older ones are forgotten first.
constexpr size_t MaxUndoMoves = 100000;

// The content of one cell: the home of the piece lying there and how it is mirrored.
struct TPiece
{
    int32_t Column = 0;
    int32_t Row = 0;
    bool FlipHorizontal = false;
    bool FlipVertical = false;
};

// One move of the player: two cells swapped by a drop, or one piece mirrored.
struct TBoardMove
{
    enum TKind { Swap, FlipHorizontal, FlipVertical };
    TKind Kind = Swap;
    int32_t Column = 0;
    int32_t Row = 0;
    // The other cell of a swap; the mirrored cell again for a mirror.
    int32_t OtherColumn = 0;
    int32_t OtherRow = 0;

    bool operator==(const TBoardMove &) const = default;
};

class TPuzzleBoard
{
public:
    // Pieces[column][row]. Only the top-left ResultedColumns x ResultedRows cells are in play.
    TPiece Pieces[MaxGridSize][MaxGridSize];
    int32_t ColumnsCount = DefaultGridSize;
    int32_t RowsCount = DefaultGridSize;
    int32_t ResultedColumns = 1;
    int32_t ResultedRows = 1;
    int32_t PieceWidth = 0;
    int32_t PieceHeight = 0;
    int32_t MovesCount = 0;
    int32_t WrongMoves = 0;
    // Seconds the game has been played, as the game file keeps them; the window's clock counts
    // them while the game is in play.
    int32_t PlayingTime = 0;
    bool Modified = false;
    int32_t SourceColumn = -1;
    int32_t SourceRow = -1;
    int32_t HighlightColumn = 0;
    int32_t HighlightRow = 0;

    // Where the shuffle draws its values; the program's random source unless a test scripts it.
    std::function<int32_t()> RandomValue;

    TPuzzleBoard();

    void InitPieces(int32_t columns, int32_t rows);
    bool IsPieceInPlace(int32_t column, int32_t row) const;
    // The nearest column or row in play.
    int32_t ColumnInPlay(int32_t column) const;
    int32_t RowInPlay(int32_t row) const;
    int32_t CountMisplacedPieces() const;
    // Whether a piece in play lies mirrored.
    bool AnyPieceFlipped() const;
    void SwapPieces(int32_t column1, int32_t row1, int32_t column2, int32_t row2);
    void FlipPieceHorizontally(int32_t column, int32_t row);
    void FlipPieceVertically(int32_t column, int32_t row);
    void ShufflePieces(bool allowFlip);
    void MovePiece(int32_t targetColumn, int32_t targetRow);
    void ClearMoves();

    // The rules every way of moving a piece shares (drag, click and click, keyboard): only a
    // misplaced piece can be taken, and it may go onto any cell but its own and one whose piece
    // is home.
    bool CanPickUp(int32_t column, int32_t row) const;
    bool AcceptsDrop(int32_t column, int32_t row) const;
    // The piece of the source cell dropped on (column, row): refused (false) where the cell does
    // not accept it; otherwise swapped in, counted as a move, and as a wrong move too when it did
    // not land home.
    bool DropPiece(int32_t column, int32_t row);

    // The player's mirror of a piece: refused (false) for a piece in place.
    bool FlipPiece(int32_t column, int32_t row, bool horizontally);

    // The Randomize command's new game: counters cleared, pieces shuffled.
    void Randomize(bool allowFlip);

    // ---- Undo ----
    // The player's drops and mirrors since the game in play began (the last InitPieces or
    // shuffle) can be taken back, the last first. The counters keep what the player did: an
    // undo neither lowers them nor counts as a move. A solved puzzle stays solved.
    bool CanUndo() const;
    // Takes back the last move and gives it; nothing when there is none to take back.
    std::optional<TBoardMove> UndoMove();
    void ClearHistory() { History.clear(); }
    size_t HistorySize() const { return History.size(); }

private:
    int32_t RandomIndex(int32_t count);
    void Record(const TBoardMove &move);

    std::deque<TBoardMove> History;
};
