// Mouse play on the two pictures: position text, cursor, the Ctrl+Alt hint, dragging pieces,
// lifting them with a click, flipping them and marking cells. A drag follows the pointer by
// itself (no platform drag and drop): the pressed piece's image floats under the cursor, and the
// cursor shows whether the cell below accepts the drop. A press and release that stays in the
// pressed cell lifts the piece instead; the next plain click drops it.

#include "ui/MosavoDialog.h"

#include "core/MyRandom.h"
#include "ui/MyControls.h"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace {

constexpr int HintDisplayTime = 100000; // ms

QString yesNo(bool value)
{
    return value ? TMosavoForm::tr("YES") : TMosavoForm::tr("NO");
}

// Pointer positions outside the image (a held button keeps reporting them) stay on the board.
int32_t puzzleColumnAt(const TPuzzleBoard &board, int32_t x)
{
    return board.PieceWidth > 0 ? board.ColumnInPlay(x / board.PieceWidth) : 0;
}

int32_t puzzleRowAt(const TPuzzleBoard &board, int32_t y)
{
    return board.PieceHeight > 0 ? board.RowInPlay(y / board.PieceHeight) : 0;
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
    return Board.ColumnInPlay(x / cellWidth);
}

int32_t TMosavoForm::OriginalRowAt(int32_t y) const
{
    if (OriginalPictureImage == nullptr)
        return 0;
    const int32_t cellHeight = OriginalPictureImage->height() / std::max(Board.ResultedRows, 1);
    if (cellHeight <= 0)
        return 0;
    return Board.RowInPlay(y / cellHeight);
}

void TMosavoForm::ShowPosition(int32_t column, int32_t row)
{
    SetLabelText(PositionLabel, PositionText(column, row).toStdString());
}

QString TMosavoForm::PositionText(int32_t column, int32_t row)
{
    return tr("Column %1. Row %2.").arg(column + 1).arg(row + 1);
}

void TMosavoForm::UpdateCursor(int32_t column, int32_t row)
{
    if (PuzzlePictureImage == nullptr)
        return;
    if (FPieceLifted) {
        UpdateLiftedCursor(PuzzlePictureImage, column, row);
        return;
    }
    PuzzlePictureImage->setCursor(
        Board.IsPieceInPlace(column, row) ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TMosavoForm::UpdateCursorUnderPointer()
{
    if (PuzzlePictureImage == nullptr)
        return;
    const QPoint local = PuzzlePictureImage->mapFromGlobal(QCursor::pos());
    UpdateCursor(puzzleColumnAt(Board, local.x()), puzzleRowAt(Board, local.y()));
}

// With a piece lifted, the hand shows where a click does something: a drop, or on the piece's
// own cell putting it back.
void TMosavoForm::UpdateLiftedCursor(TImage *image, int32_t column, int32_t row)
{
    const bool ownCell
        = image == PuzzlePictureImage && column == Board.SourceColumn && row == Board.SourceRow;
    image->setCursor(
        ownCell || Board.AcceptsDrop(column, row) ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
}

// ---- Pointer moves -----------------------------------------------------------------------------

void TMosavoForm::PuzzlePictureImageMouseMove(TShiftState shift, int32_t x, int32_t y)
{
    const int32_t column = puzzleColumnAt(Board, x);
    const int32_t row = puzzleRowAt(Board, y);
    UpdateCursor(column, row);
    ShowPosition(column, row);
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
    ShowPosition(column, row);
    UpdateCursor(column, row);
    if (FPieceLifted)
        UpdateLiftedCursor(OriginalPictureImage, column, row);
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
    const QString text = tr("Column %1; Row %2; Flip horiz %3; Flip vert %4")
                             .arg(piece.Column + 1)
                             .arg(piece.Row + 1)
                             .arg(yesNo(piece.FlipHorizontal), yesNo(piece.FlipVertical));
    QToolTip::showText(globalPosition, text, PuzzlePictureImage, {}, HintDisplayTime);
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
    FocusKeyboardCell(column, row);
    if (button == Qt::RightButton) {
        MarkCell(column, row);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const TShiftState withoutLeft = shift & ~ShiftElementBit(ssLeft);
    if (FPieceLifted) {
        PressWithLiftedPiece(withoutLeft, column, row);
        return;
    }
    Board.SourceColumn = column;
    Board.SourceRow = row;
    if (!Board.CanPickUp(column, row))
        return;
    if (withoutLeft == 0) {
        StartDrag(PuzzlePictureImage->mapToGlobal(QPoint(x, y)));
        return;
    }
    // Any other combination (Alt, Ctrl+Shift, a second button, a double click) does nothing but
    // forget the source, as a flip click does.
    if (ShiftStateIs(withoutLeft, ssCtrl))
        FlipPiece(column, row, true);
    else if (ShiftStateIs(withoutLeft, ssShift))
        FlipPiece(column, row, false);
    Board.SourceColumn = -1;
    Board.SourceRow = -1;
}

// A plain click drops the lifted piece, or puts it back when it is on the piece itself; Ctrl and
// Shift still mirror the clicked piece, and the lifted one stays lifted.
void TMosavoForm::PressWithLiftedPiece(TShiftState withoutLeft, int32_t column, int32_t row)
{
    if (withoutLeft == 0) {
        if (column == Board.SourceColumn && row == Board.SourceRow)
            PutPieceBack();
        else
            DropLiftedPiece(column, row);
    } else if (ShiftStateIs(withoutLeft, ssCtrl)) {
        FlipPiece(column, row, true);
    } else if (ShiftStateIs(withoutLeft, ssShift)) {
        FlipPiece(column, row, false);
    }
}

void TMosavoForm::OriginalPictureImageMouseDown(
    Qt::MouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    const int32_t column = OriginalColumnAt(x);
    const int32_t row = OriginalRowAt(y);
    SetKeyboardFrameShown(false);
    if (button == Qt::RightButton)
        MarkCell(column, row);
    else if (button == Qt::LeftButton && FPieceLifted && ShiftStateIs(shift, ssLeft))
        DropLiftedPiece(column, row);
}

// ---- Drag over and drop ------------------------------------------------------------------------

bool TMosavoForm::IsTarget(int32_t column, int32_t row) const
{
    return Board.AcceptsDrop(column, row);
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

// ---- The drag ----------------------------------------------------------------------------------

QPixmap TMosavoForm::DraggedPiecePixmap() const
{
    QPixmap pixmap = QPixmap::fromImage(LiftedPieceImage());
    pixmap.setDevicePixelRatio(PuzzlePictureImage->BitmapRatio());
    return pixmap;
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
    FDragLeftSource = false;
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    UpdateApplicationWatch();
    MoveDrag(globalPosition);
    FDragImage->show();
}

void TMosavoForm::MoveDrag(QPoint globalPosition)
{
    if (!FDragging)
        return;
    FDragImage->move(globalPosition - FDragHotSpot);
    if (!InSourceCell(globalPosition))
        FDragLeftSource = true;
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
    if (!FDragLeftSource && InSourceCell(globalPosition)) {
        PickUpPiece(Board.SourceColumn, Board.SourceRow);
        return;
    }
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
    UpdateApplicationWatch();
    QApplication::restoreOverrideCursor();
    delete FDragImage;
    FDragImage = nullptr;
    // A recovery write that waited for the drag's frames to end goes now.
    if (FRecoveryDue)
        BoardChanged();
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

bool TMosavoForm::InSourceCell(QPoint globalPosition) const
{
    QPoint local;
    return DropImageAt(globalPosition, local) == PuzzlePictureImage
        && puzzleColumnAt(Board, local.x()) == Board.SourceColumn
        && puzzleRowAt(Board, local.y()) == Board.SourceRow;
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

namespace {

// Passes the events of the whole application to the window while it needs them.
class TApplicationWatch : public QObject
{
public:
    explicit TApplicationWatch(std::function<bool(QObject *, QEvent *)> handler)
        : Handler(std::move(handler))
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return Handler(watched, event); }

private:
    std::function<bool(QObject *, QEvent *)> Handler;
};

bool isPress(const QEvent *event)
{
    return event->type() == QEvent::MouseButtonPress
        || event->type() == QEvent::MouseButtonDblClick;
}

} // namespace

void TMosavoForm::UpdateApplicationWatch()
{
    const bool needed = FDragging || FPieceLifted;
    if (needed && !FApplicationWatch) {
        FApplicationWatch = std::make_unique<TApplicationWatch>(
            [this](QObject *watched, QEvent *event) { return ApplicationEvent(watched, event); });
        qApp->installEventFilter(FApplicationWatch.get());
    } else if (!needed && FApplicationWatch) {
        qApp->removeEventFilter(FApplicationWatch.get());
        FApplicationWatch.reset();
    }
}

// A drag takes every pointer event; a lifted piece goes back at a press anywhere but on the
// pictures, which then does what it would have done.
bool TMosavoForm::ApplicationEvent(QObject *watched, QEvent *event)
{
    if (FDragging)
        return HandleDragEvent(event);
    if (FPieceLifted && isPress(event) && watched->isWidgetType() && watched != PuzzlePictureImage
        && watched != OriginalPictureImage)
        PutPieceBack();
    return false;
}

bool TMosavoForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PuzzlePictureImage && HandleKeyboardEvent(event))
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
