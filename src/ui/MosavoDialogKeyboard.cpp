// Keyboard play on the puzzle picture. While it has the focus, the arrow keys, Home and End move
// it; Enter picks up the piece under it and drops it again, Escape puts it back; H and V mirror, M
// marks, and holding ? shows where the piece belongs. A dashed frame marks the keyboard cell from
// the first key that plays (or the Tab that brings the focus) until the next press of the mouse on
// a picture. The window's shortcuts (R, L, S, Space, F5, ...) are taken before the picture sees a
// key, so they keep their commands.

#include "ui/MosavoDialog.h"

#include "ui/MyControls.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QToolTip>

namespace {

bool isQuestionMarkKey(int key)
{
    // Shift may be let go first; the key then comes back up as a slash.
    return key == Qt::Key_Question || key == Qt::Key_Slash;
}

} // namespace

// Each new puzzle picture joins the tab order after the check boxes. A piece lifted on the old
// picture is put back. When the old picture had the focus, its deletion left the window without
// one, and the new picture takes it.
void TMosavoForm::AttachKeyboardPlay()
{
    TImage *image = PuzzlePictureImage;
    PutPieceBack();
    FQuestionHeld = false;
    image->setFocusPolicy(Qt::StrongFocus);
    image->PaintOverlay = [this](QPainter &painter) { PaintPuzzleOverlay(painter); };
    setTabOrder(LightGridCheckBox, image);
    FKeyboardColumn = Board.ColumnInPlay(FKeyboardColumn);
    FKeyboardRow = Board.RowInPlay(FKeyboardRow);
    if (focusWidget() == nullptr)
        image->setFocus(Qt::OtherFocusReason);
}

void TMosavoForm::MoveKeyboardCell(int32_t column, int32_t row)
{
    FKeyboardColumn = Board.ColumnInPlay(column);
    FKeyboardRow = Board.RowInPlay(row);
    ShowPosition(FKeyboardColumn, FKeyboardRow);
    if (FQuestionHeld)
        ShowKeyboardPieceHint();
    else
        HidePieceHint();
    if (PuzzlePictureImage != nullptr)
        PuzzlePictureImage->update();
}

void TMosavoForm::FocusKeyboardCell(int32_t column, int32_t row)
{
    SetKeyboardFrameShown(false);
    PuzzlePictureImage->setFocus(Qt::MouseFocusReason);
    MoveKeyboardCell(column, row);
}

bool TMosavoForm::KeyboardFrameShown() const
{
    return FKeyboardFrameWanted && PuzzlePictureImage != nullptr && PuzzlePictureImage->hasFocus();
}

void TMosavoForm::SetKeyboardFrameShown(bool shown)
{
    if (shown == FKeyboardFrameWanted)
        return;
    FKeyboardFrameWanted = shown;
    if (PuzzlePictureImage != nullptr)
        PuzzlePictureImage->update();
}

QPoint TMosavoForm::KeyboardPieceCell() const
{
    return FPieceLifted ? QPoint(Board.SourceColumn, Board.SourceRow)
                        : QPoint(FKeyboardColumn, FKeyboardRow);
}

void TMosavoForm::ShowKeyboardPieceHint()
{
    const QPoint piece = KeyboardPieceCell();
    const QRect cell = PuzzleCellRect(FKeyboardColumn, FKeyboardRow);
    ShowPieceHint(piece.x(), piece.y(),
        PuzzlePictureImage->mapToGlobal(QPoint(cell.center().x(), cell.bottom())));
}

void TMosavoForm::KeyboardEnter()
{
    if (FPieceLifted)
        DropLiftedPiece(FKeyboardColumn, FKeyboardRow);
    else
        PickUpPiece(FKeyboardColumn, FKeyboardRow);
}

void TMosavoForm::ShowKeyboardHint()
{
    if (PuzzlePictureImage == nullptr || !PuzzlePictureImage->hasFocus())
        return;
    const QRect cell = PuzzleCellRect(FKeyboardColumn, FKeyboardRow);
    QToolTip::showText(PuzzlePictureImage->mapToGlobal(QPoint(cell.center().x(), cell.bottom())),
        tr(KeyboardHint), PuzzlePictureImage);
}

void TMosavoForm::HideKeyboardHint()
{
    if (QToolTip::isVisible() && QToolTip::text() == tr(KeyboardHint))
        QToolTip::hideText();
}

bool TMosavoForm::PuzzleKeyPress(const QKeyEvent &key)
{
    HideKeyboardHint();
    if (key.key() == Qt::Key_Question) {
        SetKeyboardFrameShown(true);
        FQuestionHeld = true;
        ShowKeyboardPieceHint();
        return true;
    }
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const QPoint piece = KeyboardPieceCell();
    switch (key.key()) {
    case Qt::Key_Left:
        MoveKeyboardCell(FKeyboardColumn - 1, FKeyboardRow);
        break;
    case Qt::Key_Right:
        MoveKeyboardCell(FKeyboardColumn + 1, FKeyboardRow);
        break;
    case Qt::Key_Up:
        MoveKeyboardCell(FKeyboardColumn, FKeyboardRow - 1);
        break;
    case Qt::Key_Down:
        MoveKeyboardCell(FKeyboardColumn, FKeyboardRow + 1);
        break;
    case Qt::Key_Home:
        MoveKeyboardCell(0, FKeyboardRow);
        break;
    case Qt::Key_End:
        MoveKeyboardCell(Board.ResultedColumns - 1, FKeyboardRow);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        KeyboardEnter();
        break;
    case Qt::Key_Escape:
        // Also how a mouse player puts a lifted piece back: it shows no frame.
        if (!FPieceLifted)
            return false;
        PutPieceBack();
        return true;
    case Qt::Key_H:
        FlipPiece(piece.x(), piece.y(), true);
        break;
    case Qt::Key_V:
        FlipPiece(piece.x(), piece.y(), false);
        break;
    case Qt::Key_M:
        MarkCell(FKeyboardColumn, FKeyboardRow);
        break;
    default:
        return false;
    }
    SetKeyboardFrameShown(true);
    return true;
}

// The puzzle picture's own events for keyboard play; true when one is used up here.
bool TMosavoForm::HandleKeyboardEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // A drag owns the pointer and Escape; keys must not move pieces under it.
        return !FDragging && PuzzleKeyPress(*static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isQuestionMarkKey(key->key()) && !key->isAutoRepeat() && FQuestionHeld) {
            FQuestionHeld = false;
            HidePieceHint();
        }
        return false;
    }
    case QEvent::FocusIn: {
        PuzzlePictureImage->setToolTip(tr(KeyboardHint));
        // A player who arrives by Tab may have no pointer to hover with: the keys show at once,
        // once the focus change is over (a hint hides at every focus event).
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            SetKeyboardFrameShown(true);
            QMetaObject::invokeMethod(this, &TMosavoForm::ShowKeyboardHint, Qt::QueuedConnection);
        }
        PuzzlePictureImage->update();
        return false;
    }
    case QEvent::FocusOut:
        FQuestionHeld = false;
        PuzzlePictureImage->setToolTip({});
        PuzzlePictureImage->update();
        return false;
    case QEvent::ToolTip:
        // The piece hint, once shown, stays until the keys or the pointer end it.
        return FHintShown || FDragging;
    default:
        return false;
    }
}
