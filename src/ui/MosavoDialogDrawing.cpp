// Drawing the board: pieces cut from the backup picture with their mirrorings, and cell frames.
// Both work on the 32-bit pixels of the images directly; a full redraw of a 30 x 30 board is
// 900 row-wise copies and 1800 small frames. Over the board, and never into it, the puzzle shows
// a lifted piece and the keyboard cell's frame.

#include "ui/MosavoDialog.h"

#include "ui/MyControls.h"

#include "core/Picture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr QRgb YellowFrame = qRgb(255, 255, 0);
constexpr QRgb RedFrame = qRgb(255, 0, 0);
constexpr QRgb SilverFrame = qRgb(192, 192, 192);
constexpr QRgb BlackFrame = qRgb(0, 0, 0);
// The keyboard cell's frame: dashes of white and blue, unlike every frame of the grid.
constexpr QRgb KeyboardFrameLight = qRgb(255, 255, 255);
constexpr QRgb KeyboardFrameDark = qRgb(0, 64, 255);
constexpr int KeyboardFrameWidth = 2;
constexpr int KeyboardFrameDash = 4;
// A lifted piece: its cell darkened, its image raised up and left over a shadow, with a light
// edge that sets it off from the pieces below.
constexpr QRgb LiftedCellShade = qRgba(0, 0, 0, 160);
constexpr QRgb RaisedPieceShadow = qRgba(0, 0, 0, 150);
constexpr QRgb RaisedPieceEdge = qRgb(255, 255, 255);
constexpr int MaxRaisedPieceOffset = 6;

// The pixels of a 32-bit image, addressed without a detach check per access.
class TPixels
{
public:
    explicit TPixels(QImage &image)
        : bits(reinterpret_cast<uchar *>(image.bits())),
          stride(image.bytesPerLine()),
          width(image.width()),
          height(image.height())
    { }

    QRgb *Row(int y) const { return reinterpret_cast<QRgb *>(bits + qsizetype(y) * stride); }

    // A horizontal run from x0 to x1 inclusive, clipped to the image.
    void FillRow(int x0, int x1, int y, QRgb colour) const
    {
        if (y < 0 || y >= height)
            return;
        x0 = std::max(x0, 0);
        x1 = std::min(x1, width - 1);
        if (x0 <= x1)
            std::fill(Row(y) + x0, Row(y) + x1 + 1, colour);
    }

    // A rectangle's pixels, clipped to the image.
    void Fill(const QRect &rect, QRgb colour) const
    {
        for (int y = std::max(rect.top(), 0); y <= std::min(rect.bottom(), height - 1); ++y)
            FillRow(rect.left(), rect.right(), y, colour);
    }

private:
    uchar *bits;
    qsizetype stride;
    int width;
    int height;
};

// A strip along one side of the keyboard cell: light, with dark dashes.
void paintDashedStrip(QPainter &painter, const QRect &strip, bool horizontal)
{
    painter.fillRect(strip, QColor::fromRgb(KeyboardFrameLight));
    const int length = horizontal ? strip.width() : strip.height();
    for (int start = 0; start < length; start += 2 * KeyboardFrameDash) {
        const int dash = std::min(KeyboardFrameDash, length - start);
        const QRect part = horizontal
            ? QRect(strip.left() + start, strip.top(), dash, strip.height())
            : QRect(strip.left(), strip.top() + start, strip.width(), dash);
        painter.fillRect(part, QColor::fromRgb(KeyboardFrameDark));
    }
}

// Over the outermost pixels of the cell, where its grid frame lies.
void paintKeyboardFrame(QPainter &painter, const QRect &cell)
{
    const int side = std::min({KeyboardFrameWidth, cell.width(), cell.height()});
    if (side <= 0)
        return;
    paintDashedStrip(painter, QRect(cell.left(), cell.top(), cell.width(), side), true);
    paintDashedStrip(
        painter, QRect(cell.left(), cell.bottom() - side + 1, cell.width(), side), true);
    paintDashedStrip(painter, QRect(cell.left(), cell.top(), side, cell.height()), false);
    paintDashedStrip(
        painter, QRect(cell.right() - side + 1, cell.top(), side, cell.height()), false);
}

// The light edge one logical pixel wide just outside `inside`: filled rectangles, so that it
// covers whole device pixels on a high-density screen, where a pen's line would straddle them.
void paintEdgeAround(QPainter &painter, const QRect &inside, const QColor &colour)
{
    const QRect outer = inside.adjusted(-1, -1, 1, 1);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), colour);
    painter.fillRect(QRect(outer.left(), inside.top(), 1, inside.height()), colour);
    painter.fillRect(QRect(outer.right(), inside.top(), 1, inside.height()), colour);
}

const QRgb *constRow(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constBits() + qsizetype(y) * image.bytesPerLine());
}

// The drawing code writes whole 32-bit pixels.
void makeDrawable(TImage *image)
{
    QImage &picture = image->Picture();
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
}

// A cell of cellWidth x cellHeight logical pixels in the image's bitmap: whole device pixels.
QRect DeviceCellRect(
    const TImage &image, int32_t cellWidth, int32_t cellHeight, int32_t column, int32_t row)
{
    const int32_t width = DeviceLength(cellWidth, image.BitmapRatio());
    const int32_t height = DeviceLength(cellHeight, image.BitmapRatio());
    return {column * width, row * height, width, height};
}

} // namespace

bool TMosavoForm::PicturesShown() const
{
    return PuzzlePictureImage != nullptr && !PuzzlePictureImage->isHidden()
        && OriginalPictureImage != nullptr && !OriginalPictureImage->isHidden();
}

void TMosavoForm::ReplaceBackupPicture()
{
    delete BackupPictureImage;
    BackupPictureImage = nullptr;
    makeDrawable(PuzzlePictureImage);
    const QImage &puzzle = std::as_const(*PuzzlePictureImage).Picture();
    BackupPictureImage = new TImage(PuzzlePictureGroupBox);
    BackupPictureImage->setObjectName("BackupPictureImage");
    BackupPictureImage->SetBounds(
        0, 0, PuzzlePictureImage->width(), PuzzlePictureImage->height(), puzzle.copy());
}

void TMosavoForm::DrawPiece(int32_t homeColumn, int32_t homeRow, int32_t column, int32_t row,
    bool flipHorizontal, bool flipVertical)
{
    PaintPiece(homeColumn, homeRow, column, row, flipHorizontal, flipVertical);
    if (PuzzlePictureImage != nullptr)
        PuzzlePictureImage->update();
}

void TMosavoForm::PaintPiece(int32_t homeColumn, int32_t homeRow, int32_t column, int32_t row,
    bool flipHorizontal, bool flipVertical)
{
    if (PuzzlePictureImage == nullptr || BackupPictureImage == nullptr)
        return;
    const QImage &source = std::as_const(*BackupPictureImage).Picture();
    QImage &target = PuzzlePictureImage->Picture();
    // The backup is a copy of the puzzle's bitmap, device pixels and all.
    const QRect sourceRect = DeviceCellRect(
        *PuzzlePictureImage, Board.PieceWidth, Board.PieceHeight, homeColumn, homeRow);
    const QRect targetRect
        = DeviceCellRect(*PuzzlePictureImage, Board.PieceWidth, Board.PieceHeight, column, row);
    const int width = targetRect.width();
    const int height = targetRect.height();
    // A game file may name homes outside the picture it is shown with; such pieces stay as they
    // are instead of reading or writing past the pixels.
    if (width <= 0 || height <= 0 || !source.rect().contains(sourceRect)
        || !target.rect().contains(targetRect))
        return;
    if (Board.IsPieceInPlace(homeColumn, homeRow)) {
        flipHorizontal = false;
        flipVertical = false;
    }
    const TPixels pixels(target);
    for (int i = 0; i < height; ++i) {
        const QRgb *from = constRow(source, sourceRect.top() + i) + sourceRect.left();
        const int targetY = flipVertical ? targetRect.bottom() - i : targetRect.top() + i;
        QRgb *to = pixels.Row(targetY) + targetRect.left();
        if (flipHorizontal)
            std::reverse_copy(from, from + width, to);
        else
            std::memcpy(to, from, static_cast<size_t>(width) * sizeof(QRgb));
    }
}

void TMosavoForm::DrawAllPieces()
{
    for (int32_t row = 0; row < Board.ResultedRows; ++row)
        for (int32_t column = 0; column < Board.ResultedColumns; ++column) {
            const TPiece &piece = Board.Pieces[column][row];
            DrawPiece(
                piece.Column, piece.Row, column, row, piece.FlipHorizontal, piece.FlipVertical);
        }
}

void TMosavoForm::DrawCellFrame(
    TImage *image, int32_t cellWidth, int32_t cellHeight, int32_t column, int32_t row, bool marked)
{
    if (image == nullptr)
        return;
    makeDrawable(image);
    PaintCellFrame(*image, cellWidth, cellHeight, column, row, marked);
    image->update();
}

void TMosavoForm::PaintCellFrame(
    TImage &image, int32_t cellWidth, int32_t cellHeight, int32_t column, int32_t row, bool marked)
{
    if (cellWidth <= 0 || cellHeight <= 0)
        return;
    QRgb colour = BlackFrame;
    if (Board.IsPieceInPlace(column, row))
        colour = YellowFrame;
    else if (marked)
        colour = RedFrame;
    else if (LightGridCheckBox->isChecked())
        colour = SilverFrame;
    const TPixels pixels(image.Picture());
    const QRect cell = DeviceCellRect(image, cellWidth, cellHeight, column, row);
    // The closed polyline (left, top), (right, top), (right, bottom), (left, bottom), one logical
    // pixel wide on the cell's outermost pixels.
    const int line = DeviceLength(1, image.BitmapRatio());
    pixels.Fill(QRect(cell.left(), cell.top(), cell.width(), line), colour);
    pixels.Fill(QRect(cell.right() - line + 1, cell.top(), line, cell.height()), colour);
    pixels.Fill(QRect(cell.left(), cell.bottom() - line + 1, cell.width(), line), colour);
    pixels.Fill(QRect(cell.left(), cell.top(), line, cell.height()), colour);
}

void TMosavoForm::DrawCellFrames(int32_t column, int32_t row, bool marked)
{
    if (OriginalPictureImage != nullptr)
        DrawCellFrame(OriginalPictureImage,
            OriginalPictureImage->width() / std::max(Board.ResultedColumns, 1),
            OriginalPictureImage->height() / std::max(Board.ResultedRows, 1), column, row, marked);
    DrawCellFrame(PuzzlePictureImage, Board.PieceWidth, Board.PieceHeight, column, row, marked);
}

void TMosavoForm::DrawGrids()
{
    PaintGrid(PuzzlePictureImage, Board.PieceWidth, Board.PieceHeight);
    if (OriginalPictureImage != nullptr)
        PaintGrid(OriginalPictureImage,
            OriginalPictureImage->width() / std::max(Board.ResultedColumns, 1),
            OriginalPictureImage->height() / std::max(Board.ResultedRows, 1));
}

void TMosavoForm::PaintGrid(TImage *image, int32_t cellWidth, int32_t cellHeight)
{
    if (image == nullptr)
        return;
    makeDrawable(image);
    for (int32_t row = 0; row < Board.ResultedRows; ++row)
        for (int32_t column = 0; column < Board.ResultedColumns; ++column)
            PaintCellFrame(*image, cellWidth, cellHeight, column, row, false);
    image->update();
}

QRect TMosavoForm::PuzzleCellRect(int32_t column, int32_t row) const
{
    return {
        column * Board.PieceWidth, row * Board.PieceHeight, Board.PieceWidth, Board.PieceHeight};
}

void TMosavoForm::PaintPuzzleOverlay(QPainter &painter) const
{
    // The solved picture stands without any frame, the keyboard's included, until the next input.
    if (FSolvedMoment) {
        PaintSolvedMoment(painter);
        return;
    }
    if (FPieceLifted)
        PaintLiftedPiece(painter);
    if (KeyboardFrameShown())
        paintKeyboardFrame(painter, PuzzleCellRect(FKeyboardColumn, FKeyboardRow));
}

void TMosavoForm::PaintLiftedPiece(QPainter &painter) const
{
    const QRect source = PuzzleCellRect(Board.SourceColumn, Board.SourceRow);
    const QImage piece = LiftedPieceImage();
    painter.fillRect(source, QColor::fromRgba(LiftedCellShade));
    const QRect cell = PuzzleCellRect(FKeyboardColumn, FKeyboardRow);
    const int offset
        = std::clamp(std::min(cell.width(), cell.height()) / 10, 2, MaxRaisedPieceOffset);
    painter.fillRect(cell.translated(offset, offset), QColor::fromRgba(RaisedPieceShadow));
    const QRect raised = cell.translated(-offset, -offset);
    painter.drawImage(QRectF(raised), piece);
    paintEdgeAround(painter, raised, QColor::fromRgb(RaisedPieceEdge));
}

QImage TMosavoForm::LiftedPieceImage() const
{
    return std::as_const(*PuzzlePictureImage)
        .Picture()
        .copy(DeviceCellRect(*PuzzlePictureImage, Board.PieceWidth, Board.PieceHeight,
            Board.SourceColumn, Board.SourceRow));
}

void TMosavoForm::HighlightCell(int32_t column, int32_t row)
{
    DrawCellFrames(column, row, true);
    Board.HighlightColumn = column;
    Board.HighlightRow = row;
}

void TMosavoForm::UnhighlightCell()
{
    DrawCellFrames(Board.HighlightColumn, Board.HighlightRow, false);
}
