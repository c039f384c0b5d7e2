#pragma once
// The grid arithmetic of fitting a picture to the board, and the limits on decoding one.

#include "core/Utilities.h"

#include <cstdint>

struct TPuzzleGrid
{
    int32_t Columns = 1;
    int32_t Rows = 1;
    bool operator==(const TPuzzleGrid &) const = default;
};

// The whole pieces that the fitted picture spans in each direction, each kept within 1..max, so
// even a picture too small for one piece gives one.
TPuzzleGrid PuzzleGrid(const TPictureSize &fitted, int32_t pieceWidth, int32_t pieceHeight,
    int32_t maxColumns, int32_t maxRows);

// The largest size within `fitted` that is a whole multiple of the grid, so that every cell of
// the original picture is a whole number of pixels.
TPictureSize OriginalPictureSize(const TPictureSize &fitted, int32_t columns, int32_t rows);

// Pictures with more pixels than this are refused from their header, before any decoding:
// decoders trust the header, and a forged one would cost seconds and gigabytes. 100 megapixels
// is above every camera sensor in common use and most panoramas.
constexpr int64_t MaxPicturePixels = 100'000'000;
bool PictureSizeAcceptable(const TPictureSize &picture);

// The size to decode a picture at when it is drawn into boxes no larger than `largestBox`: its
// aspect-kept fit into that box without enlarging, and never below 1 x 1.
TPictureSize PictureDecodeSize(const TPictureSize &picture, const TPictureSize &largestBox);
