// Drawing the board: pieces cut from the backup picture with their mirrorings, and cell frames.
// Both work on the 32-bit pixels of the images directly; a full redraw of a 30 x 30 board is
// 900 row-wise copies and 1800 small frames.

#include "ui/MosavoDialog.h"

#include "ui/MyControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr QRgb YellowFrame = qRgb(255, 255, 0);
constexpr QRgb RedFrame = qRgb(255, 0, 0);
constexpr QRgb SilverFrame = qRgb(192, 192, 192);
constexpr QRgb BlackFrame = qRgb(0, 0, 0);

QRgb *pixelRow(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

const QRgb *pixelRow(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y));
}

// The drawing code writes whole 32-bit pixels.
void makeDrawable(TImage *image)
{
    QImage &picture = image->Picture();
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
}

// A horizontal run of pixels from x0 to x1 inclusive, clipped to the image.
void drawRow(QImage &image, int x0, int x1, int y, QRgb colour)
{
    if (y < 0 || y >= image.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width() - 1);
    if (x0 > x1)
        return;
    std::fill(pixelRow(image, y) + x0, pixelRow(image, y) + x1 + 1, colour);
}

// A vertical run of pixels from y0 to y1 inclusive, clipped to the image.
void drawColumn(QImage &image, int x, int y0, int y1, QRgb colour)
{
    if (x < 0 || x >= image.width())
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, image.height() - 1);
    for (int y = y0; y <= y1; ++y)
        pixelRow(image, y)[x] = colour;
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
    BackupPictureImage->SetBounds(0, 0, puzzle.width(), puzzle.height());
    BackupPictureImage->Picture() = puzzle.copy();
}

void TMosavoForm::DrawPiece(int32_t homeColumn, int32_t homeRow, int32_t column, int32_t row,
    bool flipHorizontal, bool flipVertical)
{
    if (PuzzlePictureImage == nullptr || BackupPictureImage == nullptr)
        return;
    const int width = Board.PieceWidth;
    const int height = Board.PieceHeight;
    const QImage &source = std::as_const(*BackupPictureImage).Picture();
    QImage &target = PuzzlePictureImage->Picture();
    const QRect sourceRect(homeColumn * width, homeRow * height, width, height);
    const QRect targetRect(column * width, row * height, width, height);
    // A game file may name homes outside the picture it is shown with; such pieces stay as they
    // are instead of reading or writing past the pixels.
    if (width <= 0 || height <= 0 || !source.rect().contains(sourceRect)
        || !target.rect().contains(targetRect))
        return;
    if (Board.IsPieceInPlace(homeColumn, homeRow)) {
        flipHorizontal = false;
        flipVertical = false;
    }
    for (int i = 0; i < height; ++i) {
        const QRgb *from = pixelRow(source, sourceRect.top() + i) + sourceRect.left();
        const int targetY = flipVertical ? targetRect.bottom() - i : targetRect.top() + i;
        QRgb *to = pixelRow(target, targetY) + targetRect.left();
        if (flipHorizontal)
            std::reverse_copy(from, from + width, to);
        else
            std::memcpy(to, from, static_cast<size_t>(width) * sizeof(QRgb));
    }
    PuzzlePictureImage->update();
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
    if (image == nullptr || cellWidth <= 0 || cellHeight <= 0)
        return;
    QRgb colour = BlackFrame;
    if (Board.IsPieceInPlace(column, row))
        colour = YellowFrame;
    else if (marked)
        colour = RedFrame;
    else if (LightGridCheckBox->isChecked())
        colour = SilverFrame;
    makeDrawable(image);
    QImage &picture = image->Picture();
    const int left = column * cellWidth;
    const int top = row * cellHeight;
    const int right = left + cellWidth - 1;
    const int bottom = top + cellHeight - 1;
    drawRow(picture, left, right, top, colour);
    drawColumn(picture, right, top, bottom, colour);
    drawRow(picture, left, right, bottom, colour);
    drawColumn(picture, left, top, bottom, colour);
    image->update();
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
    for (int32_t row = 0; row < Board.ResultedRows; ++row)
        for (int32_t column = 0; column < Board.ResultedColumns; ++column)
            DrawCellFrame(
                PuzzlePictureImage, Board.PieceWidth, Board.PieceHeight, column, row, false);
    if (OriginalPictureImage == nullptr)
        return;
    const int32_t cellWidth = OriginalPictureImage->width() / std::max(Board.ResultedColumns, 1);
    const int32_t cellHeight = OriginalPictureImage->height() / std::max(Board.ResultedRows, 1);
    for (int32_t row = 0; row < Board.ResultedRows; ++row)
        for (int32_t column = 0; column < Board.ResultedColumns; ++column)
            DrawCellFrame(OriginalPictureImage, cellWidth, cellHeight, column, row, false);
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
