#include "core/PuzzleBoard.h"

#include "core/MyRandom.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

TPuzzleBoard::TPuzzleBoard() : RandomValue([] { return static_cast<int32_t>(Random.Next()); })
{
    InitPieces(MaxGridSize, MaxGridSize);
    ClearMoves();
}

void TPuzzleBoard::InitPieces(int32_t columns, int32_t rows)
{
    ClearHistory();
    for (int32_t row = 0; row < rows; ++row)
        for (int32_t column = 0; column < columns; ++column)
            Pieces[column][row] = TPiece {column, row, false, false};
}

bool TPuzzleBoard::IsPieceInPlace(int32_t column, int32_t row) const
{
    const TPiece &piece = Pieces[column][row];
    return piece.Column == column && piece.Row == row;
}

int32_t TPuzzleBoard::ColumnInPlay(int32_t column) const
{
    return std::clamp(column, 0, std::max(ResultedColumns - 1, 0));
}

int32_t TPuzzleBoard::RowInPlay(int32_t row) const
{
    return std::clamp(row, 0, std::max(ResultedRows - 1, 0));
}

int32_t TPuzzleBoard::CountMisplacedPieces() const
{
    int32_t misplaced = 0;
    for (int32_t row = 0; row < ResultedRows; ++row)
        for (int32_t column = 0; column < ResultedColumns; ++column)
            misplaced += IsPieceInPlace(column, row) ? 0 : 1;
    return misplaced;
}

bool TPuzzleBoard::AnyPieceFlipped() const
{
    for (int32_t row = 0; row < ResultedRows; ++row)
        for (int32_t column = 0; column < ResultedColumns; ++column)
            if (Pieces[column][row].FlipHorizontal || Pieces[column][row].FlipVertical)
                return true;
    return false;
}

void TPuzzleBoard::SwapPieces(int32_t column1, int32_t row1, int32_t column2, int32_t row2)
{
    std::swap(Pieces[column1][row1], Pieces[column2][row2]);
    Modified = true;
}

void TPuzzleBoard::FlipPieceHorizontally(int32_t column, int32_t row)
{
    Pieces[column][row].FlipHorizontal = !Pieces[column][row].FlipHorizontal;
}

void TPuzzleBoard::FlipPieceVertically(int32_t column, int32_t row)
{
    Pieces[column][row].FlipVertical = !Pieces[column][row].FlipVertical;
}

int32_t TPuzzleBoard::RandomIndex(int32_t count)
{
    // Remainder first, then its absolute value: the remainder of -2147483648 already fits.
    return std::abs(RandomValue() % count);
}

void TPuzzleBoard::ShufflePieces(bool allowFlip)
{
    ClearHistory();
    for (int32_t pass = 0; pass < 5; ++pass)
        for (int32_t row = 0; row < ResultedRows; ++row)
            for (int32_t column = 0; column < ResultedColumns; ++column) {
                const int32_t targetColumn = RandomIndex(ResultedColumns);
                const int32_t targetRow = RandomIndex(ResultedRows);
                SwapPieces(column, row, targetColumn, targetRow);
            }
    for (int32_t row = 0; row < ResultedRows; ++row)
        for (int32_t column = 0; column < ResultedColumns; ++column) {
            TPiece &piece = Pieces[column][row];
            if (allowFlip && !IsPieceInPlace(column, row)) {
                piece.FlipHorizontal = RandomValue() % 2 == 0;
                piece.FlipVertical = RandomValue() % 2 == 0;
            } else {
                piece.FlipHorizontal = false;
                piece.FlipVertical = false;
            }
        }
}

void TPuzzleBoard::MovePiece(int32_t targetColumn, int32_t targetRow)
{
    if (targetColumn == SourceColumn && targetRow == SourceRow)
        return;
    SwapPieces(targetColumn, targetRow, SourceColumn, SourceRow);
    ++MovesCount;
}

bool TPuzzleBoard::CanPickUp(int32_t column, int32_t row) const
{
    return !IsPieceInPlace(column, row);
}

bool TPuzzleBoard::AcceptsDrop(int32_t column, int32_t row) const
{
    const bool hasSource = SourceColumn >= 0 && SourceRow >= 0;
    const bool isSource = column == SourceColumn && row == SourceRow;
    return hasSource && !isSource && !IsPieceInPlace(column, row);
}

bool TPuzzleBoard::DropPiece(int32_t column, int32_t row)
{
    if (!AcceptsDrop(column, row))
        return false;
    const int32_t sourceColumn = SourceColumn;
    const int32_t sourceRow = SourceRow;
    MovePiece(column, row);
    if (!IsPieceInPlace(column, row))
        ++WrongMoves;
    Record({TBoardMove::Swap, column, row, sourceColumn, sourceRow});
    return true;
}

bool TPuzzleBoard::FlipPiece(int32_t column, int32_t row, bool horizontally)
{
    if (!CanPickUp(column, row))
        return false;
    if (horizontally)
        FlipPieceHorizontally(column, row);
    else
        FlipPieceVertically(column, row);
    Record({horizontally ? TBoardMove::FlipHorizontal : TBoardMove::FlipVertical, column, row,
        column, row});
    return true;
}

void TPuzzleBoard::Record(const TBoardMove &move)
{
    if (History.size() == MaxUndoMoves)
        History.pop_front();
    History.push_back(move);
}

bool TPuzzleBoard::CanUndo() const
{
    return !History.empty() && CountMisplacedPieces() != 0;
}

std::optional<TBoardMove> TPuzzleBoard::UndoMove()
{
    if (!CanUndo())
        return std::nullopt;
    const TBoardMove move = History.back();
    History.pop_back();
    switch (move.Kind) {
    case TBoardMove::Swap:
        SwapPieces(move.Column, move.Row, move.OtherColumn, move.OtherRow);
        break;
    case TBoardMove::FlipHorizontal:
        FlipPieceHorizontally(move.Column, move.Row);
        break;
    case TBoardMove::FlipVertical:
        FlipPieceVertically(move.Column, move.Row);
        break;
    }
    return move;
}

void TPuzzleBoard::ClearMoves()
{
    Modified = false;
    MovesCount = 0;
}

void TPuzzleBoard::Randomize(bool allowFlip)
{
    ClearMoves();
    ShufflePieces(allowFlip);
    MovesCount = 0;
    WrongMoves = 0;
    PlayingTime = 0;
}
