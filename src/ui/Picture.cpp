#include "ui/Picture.h"

#include "core/Error.h"
#include "core/Picture.h"
#include "ui/MyControls.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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

// Qt refuses single allocations above its own limit (128 MB). The decode budget is the guard
// here, so a read may allocate up to the budget; the old limit returns afterwards. Formats whose
// header gives no size are held to the budget by this limit alone.
class TAllocationLimitOfDecode
{
public:
    TAllocationLimitOfDecode() : Saved(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(int(PictureDecodeBudget >> 20));
    }
    ~TAllocationLimitOfDecode() { QImageReader::setAllocationLimit(Saved); }
    TAllocationLimitOfDecode(const TAllocationLimitOfDecode &) = delete;
    TAllocationLimitOfDecode &operator=(const TAllocationLimitOfDecode &) = delete;

private:
    int Saved;
};

TDecodedPicture Refused(TPictureRefusal refusal, const QSize &size = {})
{
    TDecodedPicture picture;
    picture.Refusal = refusal;
    picture.RefusedPixels = int64_t(std::max(size.width(), 0)) * std::max(size.height(), 0);
    return picture;
}

// Why a read that gave no picture failed.
TPictureRefusal ReadFailure(const QImageReader &reader)
{
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        return TPictureRefusal::NotReadable;
    default:
        return TPictureRefusal::Damaged;
    }
}

// Sizes the reader reports and takes are those of the stored pixels; the picture is upright
// only after the orientation of its metadata is applied.
QSize Oriented(const QSize &size, QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90) ? size.transposed()
                                                                            : size;
}

// Bytes a pixel takes in a decoder that holds the whole picture: its own pixels, and the copy
// that Qt's smooth scaling first converts formats into when it cannot scale them directly.
int32_t WholeDecodeBytesPerPixel(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Invalid:
        // The reader does not say (GIF, WebP): 32-bit pixels and a converted copy.
        return 8;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64_Premultiplied:
        return QImage::toPixelFormat(format).bitsPerPixel() / 8;
    case QImage::Format_RGBA64:
    case QImage::Format_Grayscale16:
        return QImage::toPixelFormat(format).bitsPerPixel() / 8 + 8;
    default:
        return std::max(int(QImage::toPixelFormat(format).bitsPerPixel()) / 8, 1) + 4;
    }
}

// The start of the file, where the headers that decide a decode's cost lie.
QByteArray FileStart(const QImageReader &reader, size_t bytes)
{
    QFile file(reader.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(qint64(bytes));
}

TJpegFrame JpegFrameOf(const QImageReader &reader)
{
    const QByteArray start = FileStart(reader, PictureHeaderSearchBytes);
    return ReadJpegFrame(reinterpret_cast<const uint8_t *>(start.constData()), start.size());
}

TPngHeader PngHeaderOf(const QImageReader &reader)
{
    const QByteArray start = FileStart(reader, 64);
    return ReadPngHeader(reinterpret_cast<const uint8_t *>(start.constData()), start.size());
}

// JPEG: the frame and scan headers tell the coding, whether the picture is decoded in one pass
// (reduced while decoding) or keeps every coefficient, and how many blocks the file must hold.
// `target` is the size the picture is drawn at, at most, in the file's orientation.
TPictureRefusal JpegRefusal(const QImageReader &reader, const QSize &stored, const QSize &target)
{
    const TJpegFrame frame = JpegFrameOf(reader);
    const bool turned = reader.transformation() != QImageIOHandler::TransformationNone;
    if (JpegDecodeBytes(frame, ToPictureSize(stored), ToPictureSize(target), turned)
        > PictureDecodeBudget)
        return TPictureRefusal::TooLarge;
    if (frame.Complete && !frame.Supported)
        return TPictureRefusal::NotReadable;
    if (QFileInfo(reader.fileName()).size() < JpegMinimumFileBytes(frame))
        return TPictureRefusal::Damaged;
    return TPictureRefusal::None;
}

int64_t WholeDecodeBytes(const QImageReader &reader, const QSize &stored, const QSize &target)
{
    return WholePictureDecodeBytes(ToPictureSize(stored),
        WholeDecodeBytesPerPixel(reader.imageFormat()), ToPictureSize(target));
}

// An 8-bit colour PNG can be reduced row by row while reading, holding only the result. That is
// slower than a whole decode and one smooth scale, so it is taken only for a picture that would
// not fit the budget whole.
bool PngReadScaled(const QImageReader &reader, const QSize &stored, const QSize &target)
{
    return reader.format() == "png"
        && WholeDecodeBytes(reader, stored, target) > PictureDecodeBudget
        && PngScalesWhileReading(PngHeaderOf(reader), ToPictureSize(target));
}

int64_t DecodeBytesOfOtherFormats(
    const QImageReader &reader, const QSize &stored, const QSize &target)
{
    if (PngReadScaled(reader, stored, target))
        return PngScaledReadBytes(PngHeaderOf(reader), ToPictureSize(target));
    return WholeDecodeBytes(reader, stored, target);
}

// What the header already tells: a decode beyond the budget, or a file that the decoder cannot
// read as a whole.
TPictureRefusal RefusalBeforeDecoding(
    const QImageReader &reader, const QSize &stored, const QSize &target)
{
    if (reader.format() == "jpeg")
        return JpegRefusal(reader, stored, target);
    return DecodeBytesOfOtherFormats(reader, stored, target) > PictureDecodeBudget
        ? TPictureRefusal::TooLarge
        : TPictureRefusal::None;
}

// A JPEG is read at the decoder's reduced scale only: it is scaled once more, when it is drawn.
void RequestJpegReadSize(QImageReader &reader, const QSize &stored, const QSize &target)
{
    const TJpegReadPlan plan = JpegReadPlan(ToPictureSize(stored), ToPictureSize(target));
    if (plan.Eighths == 8)
        return;
    if (ToQSize(plan.Clip) != stored)
        reader.setClipRect(QRect(QPoint(0, 0), ToQSize(plan.Clip)));
    reader.setScaledSize(ToQSize(plan.Decoded));
}

// A PNG is read whole unless the budget needs it reduced while reading; readers of other formats
// scale to the target themselves.
void RequestReadSize(QImageReader &reader, const QSize &stored, const QSize &target)
{
    if (reader.format() == "jpeg")
        RequestJpegReadSize(reader, stored, target);
    else if (target != stored
        && (reader.format() != "png" || PngReadScaled(reader, stored, target)))
        reader.setScaledSize(target);
}

// The header gives the size: refuse what cannot be decoded within the budget, then decode no
// larger than needed.
TDecodedPicture ReadPictureOfKnownSize(QImageReader &reader, const QSize &largestBox)
{
    const QImageIOHandler::Transformations transformation = reader.transformation();
    const QSize stored = reader.size();
    const QSize upright = Oriented(stored, transformation);
    if (stored.isEmpty())
        return Refused(TPictureRefusal::Damaged);
    const QSize uprightTarget
        = ToQSize(PictureDecodeSize(ToPictureSize(upright), ToPictureSize(largestBox)));
    const QSize target = Oriented(uprightTarget, transformation);
    const TPictureRefusal refusal = RefusalBeforeDecoding(reader, stored, target);
    if (refusal != TPictureRefusal::None)
        return Refused(refusal, upright);
    RequestReadSize(reader, stored, target);
    // The reader forgets its format once it has read the picture.
    const bool jpeg = reader.format() == "jpeg";
    TDecodedPicture picture {upright, {}};
    {
        const TAllocationLimitOfDecode limit;
        picture.Image = reader.read();
    }
    if (picture.Image.isNull())
        return Refused(ReadFailure(reader));
    // A picture read whole (a PNG within the budget) is not kept whole; this scale costs little
    // beside its decode.
    if (!jpeg && picture.Image.size() != uprightTarget)
        picture.Image
            = picture.Image.scaled(uprightTarget, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

// Without a size in the header only the allocation limit guards the full-size read.
TDecodedPicture ReadPictureOfUnknownSize(QImageReader &reader, const QSize &largestBox)
{
    QImage image;
    {
        const TAllocationLimitOfDecode limit;
        image = reader.read();
    }
    if (image.isNull())
        return Refused(ReadFailure(reader));
    const QSize decoded
        = ToQSize(PictureDecodeSize(ToPictureSize(image.size()), ToPictureSize(largestBox)));
    return {image.size(), image.scaled(decoded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)};
}

void ReplaceImage(QWidget *parent, TImage *&image)
{
    delete image;
    image = new TImage(parent);
}

// The whole picture stretched to exactly `size`, over black, as a control's bitmap. Qt's painter
// aliases when it shrinks, so the picture is scaled beforehand.
QImage Stretched(const QImage &picture, const QSize &size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.format() == QImage::Format_RGB32)
        return scaled;
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, scaled);
    return bitmap;
}

// The original image shows the same whole picture as the puzzle image, smaller. Where the puzzle
// image is a reduction of the decoded picture and at least the original's size each way, the
// original is scaled from it: far fewer pixels to read, and on photographs a difference from a
// scale of the decoded picture of under one colour step on average.
const QImage &OriginalSource(const QImage &decoded, const QImage &puzzle, const QSize &original)
{
    const bool puzzleReduces = !puzzle.isNull() && puzzle.width() <= decoded.width()
        && puzzle.height() <= decoded.height();
    const bool puzzleCovers
        = puzzle.width() >= original.width() && puzzle.height() >= original.height();
    return puzzleReduces && puzzleCovers ? puzzle : decoded;
}

// A bitmap of columns x rows cells of `cell` logical pixels, in whole device pixels per cell.
QSize DeviceGridSize(const QSize &cell, int32_t columns, int32_t rows, qreal ratio)
{
    return {columns * DeviceLength(cell.width(), ratio), rows * DeviceLength(cell.height(), ratio)};
}

// Decoded for a box of the parent's screen.
TDecodedPicture DecodeForParent(const std::string &path, const QWidget *parent, const QSize &box)
{
    return DecodePicture(path, DeviceSize(box, parent->devicePixelRatioF()));
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
    return QCoreApplication::translate("Picture", "Picture (%1)")
        .arg(patterns.isEmpty() ? QString("*") : patterns);
}

QSize DeviceSize(const QSize &logical, qreal ratio)
{
    return {DeviceLength(logical.width(), ratio), DeviceLength(logical.height(), ratio)};
}

TDecodedPicture DecodePicture(const std::string &path, const QSize &largestBox)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true);
    if (reader.format().isEmpty() || IsRefusedFormat(reader.format()))
        return Refused(TPictureRefusal::NotReadable);
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
    const QSize device = DeviceGridSize(
        QSize(pieceWidth, pieceHeight), grid.Columns, grid.Rows, image->DeviceRatio());
    image->SetBounds(left, top, grid.Columns * pieceWidth, grid.Rows * pieceHeight,
        Stretched(picture.Image, device));
    image->show();
}

void LoadPuzzlePicture(QWidget *parent, int32_t left, int32_t top, int32_t pieceWidth,
    int32_t pieceHeight, int32_t maxWidth, int32_t maxHeight, int32_t maxColumns, int32_t maxRows,
    bool enlarge, const std::string &path, TImage *&image, int32_t &resultedColumns,
    int32_t &resultedRows)
{
    LoadPuzzlePicture(parent, left, top, pieceWidth, pieceHeight, maxWidth, maxHeight, maxColumns,
        maxRows, enlarge, DecodeForParent(path, parent, QSize(maxWidth, maxHeight)), image,
        resultedColumns, resultedRows);
}

void LoadOriginalPicture(QWidget *parent, int32_t left, int32_t top, int32_t columns, int32_t rows,
    int32_t maxWidth, int32_t maxHeight, bool enlarge, const TDecodedPicture &picture,
    TImage *&image, const QImage &puzzlePicture)
{
    ReplaceImage(parent, image);
    const TPictureSize size
        = OriginalPictureSize(FittedSize(picture, maxWidth, maxHeight, enlarge), columns, rows);
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    const QSize device = DeviceGridSize(
        QSize(size.Width / columns, size.Height / rows), columns, rows, image->DeviceRatio());
    image->SetBounds(left, top, size.Width, size.Height,
        Stretched(OriginalSource(picture.Image, puzzlePicture, device), device));
    image->show();
}

void LoadOriginalPicture(QWidget *parent, int32_t left, int32_t top, int32_t columns, int32_t rows,
    int32_t maxWidth, int32_t maxHeight, bool enlarge, const std::string &path, TImage *&image)
{
    LoadOriginalPicture(parent, left, top, columns, rows, maxWidth, maxHeight, enlarge,
        DecodeForParent(path, parent, QSize(maxWidth, maxHeight)), image);
}

namespace {

// A multi-scan JPEG keeps every coefficient of the whole picture until its last scan.
int64_t JpegPassBytes(const QByteArray &data)
{
    const TJpegFrame frame = ReadJpegFrame(reinterpret_cast<const uint8_t *>(data.constData()),
        std::min<size_t>(size_t(data.size()), PictureHeaderSearchBytes));
    return frame.Complete && frame.SingleScan ? 0 : JpegCoefficientBytes(frame);
}

} // namespace

TDecodedPicture DecodeWholePicture(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (reader.format().isEmpty() || IsRefusedFormat(reader.format()))
        return Refused(TPictureRefusal::NotReadable);
    const QImageIOHandler::Transformations transformation = reader.transformation();
    const QSize stored = reader.size();
    if (stored.isValid()) {
        if (stored.isEmpty())
            return Refused(TPictureRefusal::Damaged);
        const bool turned = transformation != QImageIOHandler::TransformationNone;
        int64_t bytes = PastedPictureBytes(
            ToPictureSize(stored), WholeDecodeBytesPerPixel(reader.imageFormat()), turned);
        if (reader.format() == "jpeg")
            bytes += JpegPassBytes(data);
        if (bytes > PictureDecodeBudget)
            return Refused(TPictureRefusal::TooLarge, Oriented(stored, transformation));
    }
    QImage image;
    {
        const TAllocationLimitOfDecode limit;
        image = reader.read();
    }
    if (image.isNull())
        return Refused(ReadFailure(reader));
    return {image.size(), image};
}

TDecodedPicture WholePictureWithinBudget(const QImage &image)
{
    if (image.isNull())
        return Refused(TPictureRefusal::NotReadable);
    const int32_t bytesPerPixel = std::max(image.depth() / 8, 1);
    if (PastedPictureBytes(ToPictureSize(image.size()), bytesPerPixel, false) > PictureDecodeBudget)
        return Refused(TPictureRefusal::TooLarge, image.size());
    return {image.size(), image};
}
