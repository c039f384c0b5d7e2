// The moves that the pointer and the keyboard share: dropping a piece, lifting one to drop it
// later (click and click, or Enter and Enter), putting it back, mirroring, marking and taking a
// move back. What may be taken and where it may go are the board's rules; here they are carried
// out and shown.

#include "ui/MosavoDialog.h"

#include "ui/MyControls.h"

#include <optional>
#include <utility>

void TMosavoForm::DropOnCell(int32_t column, int32_t row)
{
    const int32_t sourceColumn = Board.SourceColumn;
    const int32_t sourceRow = Board.SourceRow;
    const int32_t wrongMovesBefore = Board.WrongMoves;
    const bool inPlay = Board.CountMisplacedPieces() != 0;
    if (!Board.DropPiece(column, row))
        return;
    for (const auto &[c, r] : {std::pair {column, row}, std::pair {sourceColumn, sourceRow}}) {
        const TPiece &piece = Board.Pieces[c][r];
        DrawPiece(piece.Column, piece.Row, c, r, piece.FlipHorizontal, piece.FlipVertical);
    }
    DrawCellFrames(column, row, false);
    DrawCellFrames(sourceColumn, sourceRow, false);
    ShowMovesAndRemaining();
    UpdateCursor(column, row);
    if (Board.WrongMoves != wrongMovesBefore)
        ShowWrongMoves();
    BoardChanged();
    if (inPlay && Board.CountMisplacedPieces() == 0)
        PuzzleSolved();
    else if (Board.IsPieceInPlace(column, row) || Board.IsPieceInPlace(sourceColumn, sourceRow))
        PlaySound(1);
}

bool TMosavoForm::PickUpPiece(int32_t column, int32_t row)
{
    if (PuzzlePictureImage == nullptr || !Board.CanPickUp(column, row))
        return false;
    Board.SourceColumn = column;
    Board.SourceRow = row;
    FPieceLifted = true;
    UpdateApplicationWatch();
    PuzzlePictureImage->update();
    return true;
}

void TMosavoForm::DropLiftedPiece(int32_t column, int32_t row)
{
    if (!FPieceLifted || !Board.AcceptsDrop(column, row))
        return;
    EndLift();
    DropOnCell(column, row);
}

void TMosavoForm::PutPieceBack()
{
    if (FPieceLifted)
        EndLift();
}

void TMosavoForm::EndLift()
{
    FPieceLifted = false;
    UpdateApplicationWatch();
    if (OriginalPictureImage != nullptr)
        OriginalPictureImage->unsetCursor();
    if (PuzzlePictureImage != nullptr)
        PuzzlePictureImage->update();
    UpdateCursorUnderPointer();
}

void TMosavoForm::FlipPiece(int32_t column, int32_t row, bool horizontally)
{
    if (!Board.FlipPiece(column, row, horizontally))
        return;
    const TPiece &piece = Board.Pieces[column][row];
    DrawPiece(piece.Column, piece.Row, column, row, piece.FlipHorizontal, piece.FlipVertical);
    DrawCellFrames(column, row, false);
    BoardChanged();
}

void TMosavoForm::UndoMove()
{
    // A drag in progress owns its source cell until the button is released.
    if (Dragging() || !PicturesShown())
        return;
    PutPieceBack();
    const std::optional<TBoardMove> undone = Board.UndoMove();
    if (!undone)
        return;
    for (const auto &[c, r] : {std::pair {undone->Column, undone->Row},
             std::pair {undone->OtherColumn, undone->OtherRow}}) {
        const TPiece &piece = Board.Pieces[c][r];
        DrawPiece(piece.Column, piece.Row, c, r, piece.FlipHorizontal, piece.FlipVertical);
        DrawCellFrames(c, r, false);
    }
    ShowMovesAndRemaining();
    BoardChanged();
}

void TMosavoForm::UndoMoveMenuClick()
{
    UndoMove();
}

void TMosavoForm::MarkCell(int32_t column, int32_t row)
{
    UnhighlightCell();
    HighlightCell(column, row);
}
