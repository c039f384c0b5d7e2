// Mouse play on the two pictures: position text, cursor, the Ctrl+Alt hint, dragging pieces,
// flipping them and marking cells. A drag follows the pointer by itself (no platform drag and
// drop): the pressed piece's image floats under the cursor, and the cursor shows whether the
// cell below accepts the drop.

#include "ui/MosavoDialog.h"

#include "core/MyRandom.h"
#include "ui/MyControls.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <string>
#include <utility>

namespace {

constexpr int HintDisplayTime = 100000; // ms

std::string yesNo(bool value)
{
    return value ? "YES" : "NO";
}

std::string positionText(int32_t column, int32_t row)
{
    return "Column " + std::to_string(column + 1) + ". Row " + std::to_string(row + 1) + ".";
}

int32_t clampToBoard(int32_t value, int32_t count)
{
    return std::clamp(value, 0, std::max(count - 1, 0));
}

// Pointer positions outside the image (a held button keeps reporting them) stay on the board.
int32_t puzzleColumnAt(const TPuzzleBoard &board, int32_t x)
{
    return board.PieceWidth > 0 ? clampToBoard(x / board.PieceWidth, board.ResultedColumns) : 0;
}

int32_t puzzleRowAt(const TPuzzleBoard &board, int32_t y)
{
    return board.PieceHeight > 0 ? clampToBoard(y / board.PieceHeight, board.ResultedRows) : 0;
}

} // namespace

// ---- Cells under the pointer -------------------------------------------------------------------

int32_t TMosavoForm::OriginalColumnAt(int32_t x) const
{
    if (OriginalPictureImage == nullptr)
        return 0;
    const int32_t cellWidth = OriginalPictureImage->width() / std::max(Board.ResultedColumns, 1);
    if (cellWidth <= 0)
        return 0;
    return clampToBoard(x / cellWidth, Board.ResultedColumns);
}

int32_t TMosavoForm::OriginalRowAt(int32_t y) const
{
    if (OriginalPictureImage == nullptr)
        return 0;
    const int32_t cellHeight = OriginalPictureImage->height() / std::max(Board.ResultedRows, 1);
    if (cellHeight <= 0)
        return 0;
    return clampToBoard(y / cellHeight, Board.ResultedRows);
}

void TMosavoForm::UpdateCursor(int32_t column, int32_t row)
{
    if (PuzzlePictureImage == nullptr)
        return;
    PuzzlePictureImage->setCursor(
        Board.IsPieceInPlace(column, row) ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

// ---- Pointer moves -----------------------------------------------------------------------------

void TMosavoForm::PuzzlePictureImageMouseMove(TShiftState shift, int32_t x, int32_t y)
{
    const int32_t column = puzzleColumnAt(Board, x);
    const int32_t row = puzzleRowAt(Board, y);
    UpdateCursor(column, row);
    SetLabelText(PositionLabel, positionText(column, row));
    if (ShiftStateIs(shift, ssCtrl, ssAlt))
        ShowPieceHint(column, row, PuzzlePictureImage->mapToGlobal(QPoint(x, y)));
    else
        HidePieceHint();
    Random.AddPoint(x, y);
}

void TMosavoForm::OriginalPictureImageMouseMove(TShiftState, int32_t x, int32_t y)
{
    const int32_t column = OriginalColumnAt(x);
    const int32_t row = OriginalRowAt(y);
    SetLabelText(PositionLabel, positionText(column, row));
    UpdateCursor(column, row);
    Random.AddPoint(x, y);
}

void TMosavoForm::PuzzlePictureGroupBoxMouseMove(TShiftState, int32_t x, int32_t y)
{
    Random.AddPoint(x, y);
}

void TMosavoForm::OriginalPictureGroupBoxMouseMove(TShiftState, int32_t x, int32_t y)
{
    Random.AddPoint(x, y);
}

void TMosavoForm::ShowPieceHint(int32_t column, int32_t row, QPoint globalPosition)
{
    const TPiece &piece = Board.Pieces[column][row];
    const std::string text = "Column " + std::to_string(piece.Column + 1) + "; Row "
        + std::to_string(piece.Row + 1) + "; Flip horiz " + yesNo(piece.FlipHorizontal)
        + "; Flip vert " + yesNo(piece.FlipVertical);
    QToolTip::showText(
        globalPosition, QString::fromStdString(text), PuzzlePictureImage, {}, HintDisplayTime);
    FHintShown = true;
}

void TMosavoForm::HidePieceHint()
{
    if (!FHintShown)
        return;
    QToolTip::hideText();
    FHintShown = false;
}

// ---- Presses -----------------------------------------------------------------------------------

void TMosavoForm::PuzzlePictureImageMouseDown(
    Qt::MouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    const int32_t column = puzzleColumnAt(Board, x);
    const int32_t row = puzzleRowAt(Board, y);
    if (button == Qt::RightButton) {
        UnhighlightCell();
        HighlightCell(column, row);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    Board.SourceColumn = column;
    Board.SourceRow = row;
    if (Board.IsPieceInPlace(column, row))
        return;
    const TShiftState withoutLeft = shift & ~ShiftElementBit(ssLeft);
    if (withoutLeft == 0) {
        StartDrag(PuzzlePictureImage->mapToGlobal(QPoint(x, y)));
        return;
    }
    if (ShiftStateIs(withoutLeft, ssCtrl))
        Board.FlipPieceHorizontally(column, row);
    else if (ShiftStateIs(withoutLeft, ssShift))
        Board.FlipPieceVertically(column, row);
    else {
        // Any other combination (Alt, Ctrl+Shift, a second button, a double click) does nothing
        // but forget the source, as a flip click would.
        Board.SourceColumn = -1;
        Board.SourceRow = -1;
        return;
    }
    const TPiece &piece = Board.Pieces[column][row];
    DrawPiece(piece.Column, piece.Row, column, row, piece.FlipHorizontal, piece.FlipVertical);
    DrawCellFrames(column, row, false);
    Board.SourceColumn = -1;
    Board.SourceRow = -1;
}

void TMosavoForm::OriginalPictureImageMouseDown(
    Qt::MouseButton button, TShiftState, int32_t x, int32_t y)
{
    if (button != Qt::RightButton)
        return;
    UnhighlightCell();
    HighlightCell(OriginalColumnAt(x), OriginalRowAt(y));
}

// ---- Drag over and drop ------------------------------------------------------------------------

bool TMosavoForm::IsTarget(int32_t column, int32_t row) const
{
    const bool isSource = column == Board.SourceColumn && row == Board.SourceRow;
    return !isSource && !Board.IsPieceInPlace(column, row);
}

bool TMosavoForm::PuzzlePictureImageDragOver(int32_t x, int32_t y) const
{
    return IsTarget(puzzleColumnAt(Board, x), puzzleRowAt(Board, y));
}

bool TMosavoForm::OriginalPictureImageDragOver(int32_t x, int32_t y) const
{
    return IsTarget(OriginalColumnAt(x), OriginalRowAt(y));
}

void TMosavoForm::PuzzlePictureImageDragDrop(int32_t x, int32_t y)
{
    DropOnCell(puzzleColumnAt(Board, x), puzzleRowAt(Board, y));
}

void TMosavoForm::OriginalPictureImageDragDrop(int32_t x, int32_t y)
{
    DropOnCell(OriginalColumnAt(x), OriginalRowAt(y));
}

void TMosavoForm::DropOnCell(int32_t column, int32_t row)
{
    const int32_t sourceColumn = Board.SourceColumn;
    const int32_t sourceRow = Board.SourceRow;
    if (sourceColumn < 0 || sourceRow < 0 || (column == sourceColumn && row == sourceRow))
        return;
    Board.MovePiece(column, row);
    for (const auto &[c, r] : {std::pair {column, row}, std::pair {sourceColumn, sourceRow}}) {
        const TPiece &piece = Board.Pieces[c][r];
        DrawPiece(piece.Column, piece.Row, c, r, piece.FlipHorizontal, piece.FlipVertical);
    }
    DrawCellFrames(column, row, false);
    DrawCellFrames(sourceColumn, sourceRow, false);
    ShowMovesAndRemaining();
    UpdateCursor(column, row);
    if (!Board.IsPieceInPlace(column, row)) {
        ++Board.WrongMoves;
        ShowWrongMoves();
    }
}

// ---- The drag ----------------------------------------------------------------------------------

QPixmap TMosavoForm::DraggedPiecePixmap() const
{
    const QRect cell(Board.SourceColumn * Board.PieceWidth, Board.SourceRow * Board.PieceHeight,
        Board.PieceWidth, Board.PieceHeight);
    return QPixmap::fromImage(std::as_const(*PuzzlePictureImage).Picture().copy(cell));
}

void TMosavoForm::StartDrag(QPoint globalPosition)
{
    CancelDrag();
    FDragging = true;
    const QPoint cellOrigin = PuzzlePictureImage->mapToGlobal(
        QPoint(Board.SourceColumn * Board.PieceWidth, Board.SourceRow * Board.PieceHeight));
    FDragHotSpot = globalPosition - cellOrigin;
    auto *dragImage = new QLabel(nullptr,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
            | Qt::WindowDoesNotAcceptFocus);
    dragImage->setObjectName("DragImage");
    dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragImage->setAttribute(Qt::WA_ShowWithoutActivating);
    dragImage->setPixmap(DraggedPiecePixmap());
    dragImage->setWindowOpacity(0.75);
    dragImage->adjustSize();
    FDragImage = dragImage;
    FDropAccepted = false;
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    // While the drag lasts, every pointer event of the application comes here first.
    qApp->installEventFilter(this);
    MoveDrag(globalPosition);
    FDragImage->show();
}

void TMosavoForm::MoveDrag(QPoint globalPosition)
{
    if (!FDragging)
        return;
    FDragImage->move(globalPosition - FDragHotSpot);
    const bool accepted = DragOverAt(globalPosition);
    if (accepted != FDropAccepted || QApplication::overrideCursor() == nullptr) {
        FDropAccepted = accepted;
        QApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    }
}

void TMosavoForm::FinishDrag(QPoint globalPosition)
{
    if (!FDragging)
        return;
    CancelDrag();
    QPoint local;
    TImage *image = DropImageAt(globalPosition, local);
    if (image == nullptr || !DragOverAt(globalPosition))
        return;
    if (image == PuzzlePictureImage)
        PuzzlePictureImageDragDrop(local.x(), local.y());
    else
        OriginalPictureImageDragDrop(local.x(), local.y());
}

void TMosavoForm::CancelDrag()
{
    if (!FDragging)
        return;
    FDragging = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    delete FDragImage;
    FDragImage = nullptr;
}

TImage *TMosavoForm::DropImageAt(QPoint globalPosition, QPoint &local) const
{
    for (TImage *image : {PuzzlePictureImage, OriginalPictureImage}) {
        if (image == nullptr || !image->isVisible())
            continue;
        local = image->mapFromGlobal(globalPosition);
        if (image->rect().contains(local))
            return image;
    }
    return nullptr;
}

bool TMosavoForm::DragOverAt(QPoint globalPosition) const
{
    QPoint local;
    const TImage *image = DropImageAt(globalPosition, local);
    if (image == nullptr)
        return false;
    return image == PuzzlePictureImage ? PuzzlePictureImageDragOver(local.x(), local.y())
                                       : OriginalPictureImageDragOver(local.x(), local.y());
}

// ---- Event routing -----------------------------------------------------------------------------

void TMosavoForm::AttachPointerHandlers(TImage *image)
{
    image->setMouseTracking(true);
    image->installEventFilter(this);
}

bool TMosavoForm::eventFilter(QObject *watched, QEvent *event)
{
    if (FDragging && HandleDragEvent(event))
        return true;
    if (watched == PuzzlePictureImage || watched == OriginalPictureImage) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick)
            return HandleImageMouseEvent(watched, static_cast<QMouseEvent *>(event));
        if (event->type() == QEvent::Leave && watched == PuzzlePictureImage)
            HidePieceHint();
    } else if (watched == PuzzlePictureGroupBox || watched == OriginalPictureGroupBox) {
        if (event->type() == QEvent::MouseMove)
            return HandleGroupBoxMouseEvent(watched, static_cast<QMouseEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMosavoForm::HandleDragEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        MoveDrag(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            FinishDrag(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            CancelDrag();
            return true;
        }
        return false;
    case QEvent::ApplicationDeactivate:
        CancelDrag();
        return false;
    default:
        return false;
    }
}

bool TMosavoForm::HandleImageMouseEvent(QObject *watched, QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons(), doubleClick);
    const bool onPuzzle = watched == PuzzlePictureImage;
    if (event->type() == QEvent::MouseMove) {
        if (onPuzzle)
            PuzzlePictureImageMouseMove(shift, position.x(), position.y());
        else
            OriginalPictureImageMouseMove(shift, position.x(), position.y());
    } else if (onPuzzle) {
        PuzzlePictureImageMouseDown(event->button(), shift, position.x(), position.y());
    } else {
        OriginalPictureImageMouseDown(event->button(), shift, position.x(), position.y());
    }
    return true;
}

bool TMosavoForm::HandleGroupBoxMouseEvent(QObject *watched, QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons(), false);
    if (watched == PuzzlePictureGroupBox)
        PuzzlePictureGroupBoxMouseMove(shift, position.x(), position.y());
    else
        OriginalPictureGroupBoxMouseMove(shift, position.x(), position.y());
    return false;
}
