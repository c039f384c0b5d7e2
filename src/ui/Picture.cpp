#include "ui/Picture.h"

#include "core/Error.h"
#include "core/Picture.h"
#include "ui/MyControls.h"

#include <QImageReader>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

// Decoders that are neither offered nor used, even when a file's content points to them: the
// TGA, MNG and ICNS readers have a record of memory-safety faults on crafted files, SVG runs a
// renderer over untrusted XML, and none of these formats holds photographs.
bool IsRefusedFormat(const QByteArray &format)
{
    static const QList<QByteArray> refused = {"svg", "svgz", "tga", "icns", "mng"};
    return refused.contains(format.toLower());
}

// Qt refuses full-size reads above 128 MB. The pixel limit is the real guard here, so a read of
// an accepted picture may allocate what it needs at four bytes a pixel; the old limit returns
// afterwards.
class TAllocationLimitForPicture
{
public:
    explicit TAllocationLimitForPicture(const QSize &size) : Saved(QImageReader::allocationLimit())
    {
        const int64_t megabytes = (int64_t(size.width()) * size.height() * 4 >> 20) + 1;
        if (Saved != 0 && megabytes > Saved)
            QImageReader::setAllocationLimit(int(megabytes));
    }
    ~TAllocationLimitForPicture() { QImageReader::setAllocationLimit(Saved); }
    TAllocationLimitForPicture(const TAllocationLimitForPicture &) = delete;
    TAllocationLimitForPicture &operator=(const TAllocationLimitForPicture &) = delete;

private:
    int Saved;
};

// Sizes the reader reports and takes are those of the stored pixels; the picture is upright
// only after the orientation of its metadata is applied.
QSize Oriented(const QSize &size, QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90) ? size.transposed()
                                                                            : size;
}

// The header gives the size: refuse what is too large, then decode no larger than needed.
TDecodedPicture ReadPictureOfKnownSize(QImageReader &reader, const QSize &largestBox)
{
    const QImageIOHandler::Transformations transformation = reader.transformation();
    const QSize stored = reader.size();
    const QSize upright = Oriented(stored, transformation);
    if (!PictureSizeAcceptable(ToPictureSize(upright)))
        return {};
    const QSize decoded
        = Oriented(ToQSize(PictureDecodeSize(ToPictureSize(upright), ToPictureSize(largestBox))),
            transformation);
    if (decoded != stored)
        reader.setScaledSize(decoded);
    const TAllocationLimitForPicture limit(stored);
    TDecodedPicture picture {upright, reader.read()};
    if (picture.Image.isNull())
        return {};
    return picture;
}

// Without a size in the header only Qt's allocation limit guards the full-size read.
TDecodedPicture ReadPictureOfUnknownSize(QImageReader &reader, const QSize &largestBox)
{
    const QImage image = reader.read();
    if (image.isNull() || !PictureSizeAcceptable(ToPictureSize(image.size())))
        return {};
    const QSize decoded
        = ToQSize(PictureDecodeSize(ToPictureSize(image.size()), ToPictureSize(largestBox)));
    return {image.size(), image.scaled(decoded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)};
}

void ReplaceImage(QWidget *parent, TImage *&image)
{
    delete image;
    image = new TImage(parent);
}

// Black, then the whole picture stretched to exactly the bitmap's size. Qt's painter aliases
// when it shrinks, so the picture is scaled beforehand and drawn 1:1.
void DrawStretched(const QImage &picture, QImage &bitmap)
{
    bitmap.fill(Qt::black);
    if (picture.isNull() || bitmap.isNull())
        return;
    QPainter painter(&bitmap);
    painter.drawImage(
        0, 0, picture.scaled(bitmap.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

TPictureSize FittedSize(
    const TDecodedPicture &picture, int32_t maxWidth, int32_t maxHeight, bool enlarge)
{
    return FitPictureSize(
        picture.Size.width(), picture.Size.height(), maxWidth, maxHeight, enlarge);
}

} // namespace

std::string GetPictureExtensionsAsFilter()
{
    FUNCTION_NAME("GetPictureExtensionsAsFilter");
    QStringList patterns;
    ErrorGuardSwallow(HERE, [&] {
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            if (!IsRefusedFormat(format))
                patterns.append("*." + QString::fromLatin1(format));
    });
    return patterns.join(';').toLower().toStdString();
}

QString PictureDialogFilter(const std::string &pictureFilter)
{
    QString patterns = QString::fromStdString(pictureFilter);
    patterns.replace(';', ' ');
    return "Picture (" + (patterns.isEmpty() ? QString("*") : patterns) + ")";
}

TDecodedPicture DecodePicture(const std::string &path, const QSize &largestBox)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true);
    if (IsRefusedFormat(reader.format()))
        return {};
    if (reader.size().isValid())
        return ReadPictureOfKnownSize(reader, largestBox);
    return ReadPictureOfUnknownSize(reader, largestBox);
}

void LoadPuzzlePicture(QWidget *parent, int32_t left, int32_t top, int32_t pieceWidth,
    int32_t pieceHeight, int32_t maxWidth, int32_t maxHeight, int32_t maxColumns, int32_t maxRows,
    bool enlarge, const TDecodedPicture &picture, TImage *&image, int32_t &resultedColumns,
    int32_t &resultedRows)
{
    ReplaceImage(parent, image);
    const TPuzzleGrid grid = PuzzleGrid(FittedSize(picture, maxWidth, maxHeight, enlarge),
        pieceWidth, pieceHeight, maxColumns, maxRows);
    resultedColumns = grid.Columns;
    resultedRows = grid.Rows;
    image->SetBounds(left, top, grid.Columns * pieceWidth, grid.Rows * pieceHeight);
    DrawStretched(picture.Image, image->Picture());
    image->show();
}

void LoadPuzzlePicture(QWidget *parent, int32_t left, int32_t top, int32_t pieceWidth,
    int32_t pieceHeight, int32_t maxWidth, int32_t maxHeight, int32_t maxColumns, int32_t maxRows,
    bool enlarge, const std::string &path, TImage *&image, int32_t &resultedColumns,
    int32_t &resultedRows)
{
    LoadPuzzlePicture(parent, left, top, pieceWidth, pieceHeight, maxWidth, maxHeight, maxColumns,
        maxRows, enlarge, DecodePicture(path, QSize(maxWidth, maxHeight)), image, resultedColumns,
        resultedRows);
}

void LoadOriginalPicture(QWidget *parent, int32_t left, int32_t top, int32_t columns, int32_t rows,
    int32_t maxWidth, int32_t maxHeight, bool enlarge, const TDecodedPicture &picture,
    TImage *&image)
{
    ReplaceImage(parent, image);
    const TPictureSize size
        = OriginalPictureSize(FittedSize(picture, maxWidth, maxHeight, enlarge), columns, rows);
    image->SetBounds(left, top, size.Width, size.Height);
    DrawStretched(picture.Image, image->Picture());
    image->show();
}

void LoadOriginalPicture(QWidget *parent, int32_t left, int32_t top, int32_t columns, int32_t rows,
    int32_t maxWidth, int32_t maxHeight, bool enlarge, const std::string &path, TImage *&image)
{
    LoadOriginalPicture(parent, left, top, columns, rows, maxWidth, maxHeight, enlarge,
        DecodePicture(path, QSize(maxWidth, maxHeight)), image);
}
