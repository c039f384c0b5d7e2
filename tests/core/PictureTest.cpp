#include "core/Picture.h"

#include "support/CraftedPictures.h"

#include <cstdint>

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

TEST(PictureTest, DeviceLengthsAreWholePixelsThatNeverShrink)
{
    EXPECT_EQ(DeviceLength(59, 1), 59);
    EXPECT_EQ(DeviceLength(59, 2), 118);
    // At 1.5 a 59-pixel piece is 89 device pixels, and every piece the same: 7 make 623.
    EXPECT_EQ(DeviceLength(59, 1.5), 89);
    EXPECT_EQ(DeviceLength(1, 1.5), 2);
    EXPECT_EQ(DeviceLength(1, 1.25), 1);
    EXPECT_EQ(DeviceLength(10, 0.5), 10);
    EXPECT_EQ(DeviceLength(0, 2), 0);
    EXPECT_EQ(DeviceLength(-3, 2), 0);
}

TEST(PictureTest, ARefusalNamesTheFileAndTheReason)
{
    EXPECT_EQ(PictureRefusalMessage("/p/a.jpg", TPictureRefusal::NotReadable, 0),
        "The picture \"/p/a.jpg\" cannot be shown: not a picture this program can read.");
    EXPECT_EQ(PictureRefusalReason(TPictureRefusal::Damaged, 0), "damaged");
    EXPECT_EQ(
        PictureRefusalReason(TPictureRefusal::TooLarge, 900'000'000), "too large: 900 megapixels");
    EXPECT_EQ(PictureRefusalReason(TPictureRefusal::TooLarge, 10'000'000'000),
        "too large: 10000 megapixels");
    EXPECT_EQ(
        PictureRefusalReason(TPictureRefusal::TooLarge, 1'499'999), "too large: 1 megapixels");
}

TEST(PictureTest, TheBudgetTakesEveryCamerasJpegButNoForgedGiant)
{
    const TPictureSize box {1200, 900};
    crafted::TJpegSpec spec;
    spec.WithData = false;
    const auto frame = [&spec](int width, int height, uint8_t marker) {
        spec.Width = width;
        spec.Height = height;
        spec.FrameMarker = marker;
        const std::string bytes = crafted::CraftedJpeg(spec);
        return ReadJpegFrame(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    };
    // Baseline pictures decode at an eighth: 200 megapixels become 2040 x 1530.
    EXPECT_EQ(JpegScaledSize({16320, 12240}, box), (TPictureSize {2040, 1530}));
    EXPECT_EQ(JpegScaledSize({6000, 4000}, {1161, 774}), (TPictureSize {1500, 1000}));
    EXPECT_EQ(JpegScaledSize({800, 600}, {800, 600}), (TPictureSize {800, 600}));
    EXPECT_LT(JpegDecodeBytes(frame(16320, 12240, 0xC0), {16320, 12240}, box), 32 << 20);
    EXPECT_LT(JpegDecodeBytes(frame(12000, 9000, 0xC0), {12000, 9000}, box), 32 << 20);
    // Progressive ones keep every coefficient: 30000 x 30000 in 4:2:0 is 2.7 GB.
    EXPECT_EQ(JpegCoefficientBytes(frame(30000, 30000, 0xC2)), 2'700'000'000);
    EXPECT_GT(JpegDecodeBytes(frame(30000, 30000, 0xC2), {30000, 30000}, box), PictureDecodeBudget);
    EXPECT_LT(JpegDecodeBytes(frame(4000, 3000, 0xC2), {4000, 3000}, box), PictureDecodeBudget);
    // Even an eighth of the largest baseline picture is too much.
    EXPECT_GT(JpegDecodeBytes(frame(65000, 65000, 0xC0), {65000, 65000}, box), PictureDecodeBudget);
    // A picture turned upright is copied whole at its decoded size.
    EXPECT_GT(JpegDecodeBytes(frame(16320, 12240, 0xC0), {16320, 12240}, box, true),
        JpegDecodeBytes(frame(16320, 12240, 0xC0), {16320, 12240}, box) + 12'000'000);
    // Headers that were not found count as the dearer multi-scan kind.
    EXPECT_GT(JpegDecodeBytes({}, {12000, 9000}, box), PictureDecodeBudget);
    // A file too short for its blocks was cut short or forged: a whole 200-megapixel picture of
    // flat blocks fits, its headers alone do not; arithmetic coding has no floor.
    spec.WithData = true;
    const std::string whole = crafted::CraftedJpeg(spec);
    EXPECT_GE(int64_t(whole.size()), JpegMinimumFileBytes(frame(16320, 12240, 0xC0)));
    spec.WithData = false;
    EXPECT_GT(JpegMinimumFileBytes(frame(16320, 12240, 0xC0)), 1'000'000);
    EXPECT_EQ(JpegMinimumFileBytes(frame(16320, 12240, 0xC2)) * 2,
        JpegMinimumFileBytes(frame(16320, 12240, 0xC0)));
    EXPECT_EQ(JpegMinimumFileBytes(frame(16320, 12240, 0xC9)), 0);
    // Decoders that hold the whole picture.
    EXPECT_LT(WholePictureDecodeBytes({6000, 4000}, 8, box), PictureDecodeBudget);
    EXPECT_GT(WholePictureDecodeBytes({100000, 100000}, 4, box), PictureDecodeBudget);
}

TEST(PictureTest, JpegIsReadAtTheSmallestCoveringScaleWithoutASecondScale)
{
    // Scales that divide the picture are asked for exactly, 5/8 as well as 1/2.
    EXPECT_EQ(
        JpegReadPlan({2560, 1600}, {1166, 728}), (TJpegReadPlan {4, {2560, 1600}, {1280, 800}}));
    EXPECT_EQ(
        JpegReadPlan({1920, 1280}, {1166, 777}), (TJpegReadPlan {5, {1920, 1280}, {1200, 800}}));
    // 5/8 does not divide 2561 x 1603: 1/2 on the largest part that it divides.
    EXPECT_EQ(
        JpegReadPlan({2561, 1603}, {1166, 729}), (TJpegReadPlan {4, {2560, 1602}, {1280, 801}}));
    // No reduced scale covers a picture smaller than twice the target, or one of a few pixels.
    EXPECT_EQ(JpegReadPlan({1001, 701}, {600, 420}), (TJpegReadPlan {8, {1001, 701}, {1001, 701}}));
    EXPECT_EQ(JpegReadPlan({10, 10}, {600, 500}), (TJpegReadPlan {8, {10, 10}, {10, 10}}));
    EXPECT_EQ(JpegReadPlan({5, 5}, {1, 1}), (TJpegReadPlan {2, {4, 4}, {1, 1}}));

    // Whatever the sizes: the reader picks the planned scale itself and gives exactly the size it
    // is asked for, and at most a sliver below one decoded pixel is left out.
    for (int32_t width = 1; width < 3000; width += 97)
        for (int32_t height = 1; height < 2000; height += 89)
            for (const TPictureSize target : {TPictureSize {width / 3 + 1, height / 3 + 1},
                     TPictureSize {width * 2 / 3 + 1, height / 5 + 1}}) {
                const TJpegReadPlan plan = JpegReadPlan({width, height}, target);
                const int32_t denominator = 8 / plan.Eighths;
                if (plan.Clip == TPictureSize {width, height}) {
                    EXPECT_EQ(JpegScaledSize({width, height}, plan.Decoded), plan.Decoded);
                    EXPECT_GE(plan.Decoded.Width, target.Width);
                    EXPECT_GE(plan.Decoded.Height, target.Height);
                } else {
                    ASSERT_EQ(8 % plan.Eighths, 0);
                    EXPECT_EQ(plan.Decoded.Width * denominator, plan.Clip.Width);
                    EXPECT_EQ(plan.Decoded.Height * denominator, plan.Clip.Height);
                    EXPECT_LT(width - plan.Clip.Width, denominator);
                    EXPECT_LT(height - plan.Clip.Height, denominator);
                    EXPECT_GE(plan.Decoded.Width, target.Width - 1);
                    EXPECT_GE(plan.Decoded.Height, target.Height - 1);
                }
                EXPECT_GE(plan.Decoded.Width, 1);
                EXPECT_GE(plan.Decoded.Height, 1);
            }
}

TEST(PictureTest, JpegMarkersTellTheCodingAndTheScans)
{
    const auto read = [](const crafted::TJpegSpec &spec) {
        const std::string bytes = crafted::CraftedJpeg(spec);
        return ReadJpegFrame(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    };
    crafted::TJpegSpec spec;
    spec.Width = 4000;
    spec.Height = 3000;
    TJpegFrame frame = read(spec);
    EXPECT_TRUE(frame.Complete && frame.Supported && frame.SingleScan && !frame.Progressive);
    EXPECT_EQ(frame.Size, (TPictureSize {4000, 3000}));
    EXPECT_EQ(frame.ComponentCount, 3);
    EXPECT_EQ(frame.Components[0].HorizontalSampling, 2);
    EXPECT_EQ(frame.Components[2].VerticalSampling, 1);

    spec.ScanComponents = 1;
    frame = read(spec);
    EXPECT_TRUE(frame.Complete && frame.Supported && !frame.SingleScan);
    spec.ScanComponents = 0;
    spec.FrameMarker = 0xC2;
    frame = read(spec);
    EXPECT_TRUE(frame.Complete && frame.Supported && frame.Progressive && !frame.SingleScan);
    // Lossless coding, 12-bit samples and two components are beyond the decoder.
    spec.FrameMarker = 0xC3;
    EXPECT_FALSE(read(spec).Supported);
    spec.FrameMarker = 0xC1;
    spec.Precision = 12;
    EXPECT_FALSE(read(spec).Supported);
    spec.Precision = 8;
    spec.Sampling = {{1, 1}, {1, 1}};
    EXPECT_FALSE(read(spec).Supported);

    // An embedded thumbnail's markers are skipped with the segment that holds them; stray and
    // fill bytes before a marker are skipped as the decoder does.
    spec.Sampling = {{1, 1}};
    std::string bytes = crafted::CraftedJpeg(spec);
    const std::string thumbnail = crafted::JpegSegment(0xC2, std::string(17, '\x05'));
    bytes.insert(2, crafted::JpegSegment(0xE1, "Exif" + thumbnail) + "junk\xFF\xFF");
    frame = ReadJpegFrame(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    EXPECT_TRUE(frame.Complete && frame.SingleScan && !frame.Progressive);
    EXPECT_EQ(frame.ComponentCount, 1);

    // Cut short anywhere before the scan header, or with a length beyond the end: not complete.
    const size_t scan = bytes.find("\xFF\xDA");
    for (size_t size = 0; size < scan + 4; ++size)
        EXPECT_FALSE(ReadJpegFrame(reinterpret_cast<const uint8_t *>(bytes.data()), size).Complete)
            << size;
    bytes[5] = '\xFF';
    EXPECT_FALSE(
        ReadJpegFrame(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()).Complete);
}

TEST(PictureTest, PngHeaderTellsWhetherRowsAreScaledWhileReading)
{
    const auto read = [](const std::string &bytes) {
        return ReadPngHeader(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    };
    const TPictureSize box {1200, 900};
    const TPngHeader colour = read(crafted::PngClaiming(100000, 100000));
    EXPECT_TRUE(colour.Complete);
    EXPECT_EQ(colour.Size, (TPictureSize {100000, 100000}));
    EXPECT_TRUE(PngScalesWhileReading(colour, box));
    EXPECT_LT(PngScaledReadBytes(colour, box), 16 << 20);
    EXPECT_TRUE(PngScalesWhileReading(read(crafted::PngClaiming(6000, 4000, 8, 6)), box));
    // Interlaced, 16-bit, grey and palette pictures are held whole; so is one not reduced.
    EXPECT_FALSE(PngScalesWhileReading(read(crafted::PngClaiming(6000, 4000, 8, 2, true)), box));
    EXPECT_FALSE(PngScalesWhileReading(read(crafted::PngClaiming(6000, 4000, 16, 2)), box));
    EXPECT_FALSE(PngScalesWhileReading(read(crafted::PngClaiming(6000, 4000, 8, 0)), box));
    EXPECT_FALSE(PngScalesWhileReading(read(crafted::PngClaiming(6000, 4000, 8, 3)), box));
    EXPECT_FALSE(PngScalesWhileReading(read(crafted::PngClaiming(600, 400)), {600, 400}));
    // Broken headers.
    EXPECT_FALSE(read(crafted::PngClaiming(0, 10)).Complete);
    EXPECT_FALSE(read(crafted::PngClaiming(10, 10, 7)).Complete);
    EXPECT_FALSE(read(crafted::PngClaiming(0x80000000u, 10)).Complete);
    EXPECT_FALSE(read(crafted::PngClaiming(10, 10).substr(0, 28)).Complete);
    EXPECT_FALSE(read("GIF89a" + crafted::PngClaiming(10, 10)).Complete);
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

TEST(PictureTest, PastedPicturesAreNamedByTheMomentAndNumberedWhenTheNameIsTaken)
{
    struct TCase
    {
        TDateTimeParts Moment;
        int32_t Number;
        const char *Name;
    };
    const TCase cases[] = {
        {{2026, 12, 9, 3, 14, 5, 31}, 1, "Pasted 2026-12-09 14-05-31.png"},
        {{2026, 12, 9, 3, 14, 5, 31}, 2, "Pasted 2026-12-09 14-05-31 (2).png"},
        {{2026, 12, 9, 3, 14, 5, 31}, 17, "Pasted 2026-12-09 14-05-31 (17).png"},
        // Single digits are padded, so names sort by the moment.
        {{2027, 1, 2, 6, 0, 0, 0}, 1, "Pasted 2027-01-02 00-00-00.png"},
        {{1999, 10, 31, 0, 23, 59, 59}, 1, "Pasted 1999-10-31 23-59-59.png"},
        // Numbers below 2 are the first name.
        {{2026, 12, 9, 3, 14, 5, 31}, 0, "Pasted 2026-12-09 14-05-31.png"},
    };
    for (const TCase &test : cases)
        EXPECT_EQ(PastedPictureName(test.Moment, test.Number), test.Name) << test.Number;
}

TEST(PictureTest, APastedPictureCostsItsWholePixelsAndTheBudgetTakesAnEightKScreen)
{
    EXPECT_EQ(PastedPictureBytes({1000, 500}, 4, false), 2'000'000);
    EXPECT_EQ(PastedPictureBytes({1000, 500}, 4, true), 4'000'000);
    EXPECT_EQ(PastedPictureBytes({1000, 500}, 0, false), 500'000);
    EXPECT_LE(PastedPictureBytes({7680, 4320}, 4, false), PictureDecodeBudget);
    EXPECT_GT(PastedPictureBytes({10000, 10000}, 4, false), PictureDecodeBudget);
    // Sizes no header could honestly claim do not overflow.
    EXPECT_GT(PastedPictureBytes({INT32_MAX, INT32_MAX}, 8, true), PictureDecodeBudget);
}
