#include "core/Picture.h"

#include <algorithm>

namespace {

// A divisor below 1 would divide by zero; callers never mean it, so it counts as 1.
int32_t AtLeastOne(int32_t value)
{
    return std::max<int32_t>(value, 1);
}

int32_t WholeCount(int32_t length, int32_t unit, int32_t maxCount)
{
    return std::clamp<int32_t>(length / AtLeastOne(unit), 1, AtLeastOne(maxCount));
}

} // namespace

TPuzzleGrid PuzzleGrid(const TPictureSize &fitted, int32_t pieceWidth, int32_t pieceHeight,
    int32_t maxColumns, int32_t maxRows)
{
    return {WholeCount(fitted.Width, pieceWidth, maxColumns),
        WholeCount(fitted.Height, pieceHeight, maxRows)};
}

TPictureSize OriginalPictureSize(const TPictureSize &fitted, int32_t columns, int32_t rows)
{
    columns = AtLeastOne(columns);
    rows = AtLeastOne(rows);
    return {fitted.Width / columns * columns, fitted.Height / rows * rows};
}

bool PictureSizeAcceptable(const TPictureSize &picture)
{
    return picture.Width > 0 && picture.Height > 0
        && static_cast<int64_t>(picture.Width) * picture.Height <= MaxPicturePixels;
}

TPictureSize PictureDecodeSize(const TPictureSize &picture, const TPictureSize &largestBox)
{
    if (picture.Width <= 0 || picture.Height <= 0)
        return {};
    const TPictureSize fitted = FitPictureSize(picture.Width, picture.Height,
        AtLeastOne(largestBox.Width), AtLeastOne(largestBox.Height), false);
    return {AtLeastOne(fitted.Width), AtLeastOne(fitted.Height)};
}
