#include "core/Picture.h"

#include <gtest/gtest.h>

namespace {

// A 600 x 500 puzzle area cut into the default 7 x 7 grid.
constexpr int32_t AreaWidth = 600;
constexpr int32_t AreaHeight = 500;
constexpr int32_t PieceWidth = AreaWidth / 7; // 85
constexpr int32_t PieceHeight = AreaHeight / 7; // 71

TPuzzleGrid gridFor(int32_t width, int32_t height)
{
    const TPictureSize fitted = FitPictureSize(width, height, AreaWidth, AreaHeight, true);
    return PuzzleGrid(fitted, PieceWidth, PieceHeight, 30, 30);
}

} // namespace

TEST(PictureTest, GridFollowsThePictureProportions)
{
    EXPECT_EQ(gridFor(1600, 1200), (TPuzzleGrid {7, 6}));
    // A wide picture gets fewer rows than the five the row setting allows at least.
    EXPECT_EQ(gridFor(800, 200), (TPuzzleGrid {7, 2}));
    // 62 pixels are less than one piece: still one column.
    EXPECT_EQ(gridFor(200, 1600), (TPuzzleGrid {1, 7}));
    // A small picture is enlarged to the area.
    EXPECT_EQ(gridFor(10, 10), (TPuzzleGrid {5, 7}));
    // So wide that the fitted height is 0: still one row.
    EXPECT_EQ(gridFor(60000, 1), (TPuzzleGrid {7, 1}));
    // A picture that cannot be decoded fits as 0 x 0 and becomes one piece.
    EXPECT_EQ(gridFor(0, 0), (TPuzzleGrid {1, 1}));
}

TEST(PictureTest, GridMayExceedTheChosenCountButNeverTheMaximum)
{
    // 27 chosen columns in 590 pixels give pieces 21 wide, and the full width holds 28 of them.
    EXPECT_EQ(PuzzleGrid({590, 400}, 590 / 27, 400 / 7, 30, 30).Columns, 28);
    EXPECT_EQ(PuzzleGrid({415, 490}, 415 / 28, 490 / 7, 30, 30).Columns, 29);
    // 30 chosen columns in 415 pixels give pieces 13 wide: 31 fit, 30 are kept.
    EXPECT_EQ(PuzzleGrid({415, 490}, 415 / 30, 490 / 30, 30, 30), (TPuzzleGrid {30, 30}));
    EXPECT_EQ(PuzzleGrid({415, 490}, 1, 1, 12, 20), (TPuzzleGrid {12, 20}));
}

TEST(PictureTest, GridSurvivesDegenerateDivisors)
{
    EXPECT_EQ(PuzzleGrid({600, 450}, 0, 0, 30, 30), (TPuzzleGrid {30, 30}));
    EXPECT_EQ(PuzzleGrid({600, 450}, 85, 71, 0, -3), (TPuzzleGrid {1, 1}));
}

TEST(PictureTest, OriginalPictureIsAWholeMultipleOfTheGrid)
{
    // The 1600 x 1200 picture in a 300 x 400 original area fits as 300 x 225.
    const TPictureSize fitted = FitPictureSize(1600, 1200, 300, 400, true);
    EXPECT_EQ(fitted, (TPictureSize {300, 225}));
    EXPECT_EQ(OriginalPictureSize(fitted, 7, 6), (TPictureSize {294, 222}));
    EXPECT_EQ(OriginalPictureSize({300, 225}, 1, 1), (TPictureSize {300, 225}));
    EXPECT_EQ(OriginalPictureSize({0, 0}, 1, 1), (TPictureSize {0, 0}));
    // Fewer pixels than cells: nothing is left.
    EXPECT_EQ(OriginalPictureSize({20, 300}, 30, 7), (TPictureSize {0, 294}));
    EXPECT_EQ(OriginalPictureSize({20, 300}, 0, 0), (TPictureSize {20, 300}));
}

TEST(PictureTest, PixelCountLimitRefusesHugeAndEmptyPictures)
{
    EXPECT_TRUE(PictureSizeAcceptable({6000, 4000}));
    EXPECT_TRUE(PictureSizeAcceptable({10000, 10000}));
    EXPECT_FALSE(PictureSizeAcceptable({10000, 10001}));
    // The product would overflow 32 bits.
    EXPECT_FALSE(PictureSizeAcceptable({100000, 100000}));
    EXPECT_FALSE(PictureSizeAcceptable({2147483647, 1}));
    EXPECT_FALSE(PictureSizeAcceptable({0, 50}));
    EXPECT_FALSE(PictureSizeAcceptable({-1, -1}));
}

TEST(PictureTest, DecodeSizeNeverExceedsTheBoxNorThePicture)
{
    EXPECT_EQ(PictureDecodeSize({6000, 4000}, {1161, 910}), (TPictureSize {1161, 774}));
    EXPECT_EQ(PictureDecodeSize({4000, 6000}, {1161, 910}), (TPictureSize {606, 910}));
    // A picture smaller than the box is decoded at its own size; enlarging is the drawing's job.
    EXPECT_EQ(PictureDecodeSize({10, 10}, {600, 500}), (TPictureSize {10, 10}));
    // A sliver still decodes to at least one pixel each way.
    EXPECT_EQ(PictureDecodeSize({60000, 1}, {600, 500}), (TPictureSize {600, 1}));
    EXPECT_EQ(PictureDecodeSize({640, 480}, {0, 0}), (TPictureSize {1, 1}));
    EXPECT_EQ(PictureDecodeSize({0, 0}, {600, 500}), (TPictureSize {0, 0}));
}
