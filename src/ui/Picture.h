#pragma once
// Picture loading: the patterns of the decodable files, one decode per load, and the puzzle and
// original images drawn from it.

#include "core/Picture.h"
#include "core/Utilities.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <string>

class QWidget;
class TImage;

// The patterns of the decodable formats, lower case and ";"-joined ("*.bmp;*.gif;..."); the
// empty text when there are none.
std::string GetPictureExtensionsAsFilter();

// The file dialog's filter for those patterns: "Picture (*.bmp *.gif ...)". An empty filter
// matches every file.
QString PictureDialogFilter(const std::string &pictureFilter);

// Between core's picture sizes and Qt's.
inline TPictureSize ToPictureSize(const QSize &size)
{
    return {size.width(), size.height()};
}

inline QSize ToQSize(const TPictureSize &size)
{
    return {size.Width, size.Height};
}

// The device pixels of a logical size on a screen of `ratio` (DeviceLength each way).
QSize DeviceSize(const QSize &logical, qreal ratio);

// A picture decoded once for both images of a load, or the reason it cannot be shown.
struct TDecodedPicture
{
    // The picture's own size, upright; 0 x 0 when it was refused.
    QSize Size {0, 0};
    // The pixels, as the decoder gave them: a JPEG at the reduced scale that covers the picture's
    // fit into the largest box it is drawn into, other pictures at no more than that fit.
    QImage Image;
    TPictureRefusal Refusal = TPictureRefusal::None;
    // The refused picture's own pixel count, where its header told it.
    int64_t RefusedPixels = 0;

    bool Refused() const { return Refusal != TPictureRefusal::None; }
    // The warning that names the file and why it cannot be shown.
    std::string RefusalMessage(const std::string &path) const
    {
        return PictureRefusalMessage(path, Refusal, RefusedPixels);
    }
};

// Decodes the picture at `path` for drawing into boxes no larger than `largestBox` (pass the
// union of the puzzle and original areas, in device pixels). Formats that allow it are decoded at
// that reduced size. A file that no decoder in use reads, a damaged one, or one whose decode would
// take more than PictureDecodeBudget is refused: the result holds no picture and says why.
TDecodedPicture DecodePicture(const std::string &path, const QSize &largestBox);

// Decodes picture data held in memory (a pasted picture) at its full size, upright, as it is to be
// saved. Data that no decoder in use reads, damaged data, or a picture whose pixels alone would
// take more than PictureDecodeBudget is refused: the result holds no picture and says why.
TDecodedPicture DecodeWholePicture(const QByteArray &data);
// The same budget for a picture the toolkit has already decoded: refused as too large beyond it.
TDecodedPicture WholePictureWithinBudget(const QImage &image);

// Replaces `image` with a new control in `parent` at (left, top), holding the picture fitted
// into maxWidth x maxHeight and stretched over whole pieces; the pieces it spans in each
// direction (1..max) are the results. Sizes are logical pixels; the bitmap has whole device
// pixels per piece for the parent's screen.
void LoadPuzzlePicture(QWidget *parent, int32_t left, int32_t top, int32_t pieceWidth,
    int32_t pieceHeight, int32_t maxWidth, int32_t maxHeight, int32_t maxColumns, int32_t maxRows,
    bool enlarge, const TDecodedPicture &picture, TImage *&image, int32_t &resultedColumns,
    int32_t &resultedRows);
// As above, decoding the file itself.
void LoadPuzzlePicture(QWidget *parent, int32_t left, int32_t top, int32_t pieceWidth,
    int32_t pieceHeight, int32_t maxWidth, int32_t maxHeight, int32_t maxColumns, int32_t maxRows,
    bool enlarge, const std::string &path, TImage *&image, int32_t &resultedColumns,
    int32_t &resultedRows);

// Replaces `image` with a new control in `parent` at (left, top), holding the picture fitted
// into maxWidth x maxHeight, cut down to whole multiples of columns x rows. `puzzlePicture`, the
// puzzle image just loaded from the same picture before anything is drawn on it, is scaled
// instead of the decoded picture where it holds enough pixels.
void LoadOriginalPicture(QWidget *parent, int32_t left, int32_t top, int32_t columns, int32_t rows,
    int32_t maxWidth, int32_t maxHeight, bool enlarge, const TDecodedPicture &picture,
    TImage *&image, const QImage &puzzlePicture = QImage());
// As above, decoding the file itself.
void LoadOriginalPicture(QWidget *parent, int32_t left, int32_t top, int32_t columns, int32_t rows,
    int32_t maxWidth, int32_t maxHeight, bool enlarge, const std::string &path, TImage *&image);
