#include "core/Picture.h"

#include "core/Texts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

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

int64_t Pixels(const TPictureSize &size)
{
    return int64_t(std::max<int32_t>(size.Width, 0)) * std::max<int32_t>(size.Height, 0);
}

int64_t RoundUpDivide(int64_t value, int64_t divisor)
{
    return (value + divisor - 1) / divisor;
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

TPictureSize PictureDecodeSize(const TPictureSize &picture, const TPictureSize &largestBox)
{
    if (picture.Width <= 0 || picture.Height <= 0)
        return {};
    const TPictureSize fitted = FitPictureSize(picture.Width, picture.Height,
        AtLeastOne(largestBox.Width), AtLeastOne(largestBox.Height), false);
    return {AtLeastOne(fitted.Width), AtLeastOne(fitted.Height)};
}

// ---- Device pixels -----------------------------------------------------------------------------

int32_t DeviceLength(int32_t logical, double ratio)
{
    if (logical <= 0)
        return 0;
    const double scaled = std::round(logical * (ratio > 1 ? ratio : 1.0));
    return int32_t(std::clamp<double>(scaled, 1, INT32_MAX));
}

// ---- Refused pictures --------------------------------------------------------------------------

std::string PictureRefusalReason(TPictureRefusal refusal, int64_t pixels)
{
    switch (refusal) {
    case TPictureRefusal::None:
        return {};
    case TPictureRefusal::NotReadable:
        return TR("Picture", "not a picture this program can read");
    case TPictureRefusal::Damaged:
        return TR("Picture", "damaged");
    case TPictureRefusal::TooLarge:
        break;
    }
    const int64_t megapixels = std::max<int64_t>((pixels + 500'000) / 1'000'000, 1);
    return FormatText(TR("Picture", "too large: %1 megapixels"), {std::to_string(megapixels)});
}

std::string PictureRefusalMessage(const std::string &path, TPictureRefusal refusal, int64_t pixels)
{
    return FormatText(TR("Picture", "The picture \"%1\" cannot be shown: %2."),
        {path, PictureRefusalReason(refusal, pixels)});
}

// ---- What a decode costs -----------------------------------------------------------------------

int64_t WholePictureDecodeBytes(
    const TPictureSize &stored, int32_t bytesPerPixel, const TPictureSize &decoded)
{
    // Headers may claim up to 2^31 - 1 pixels each way: the product must not overflow.
    const int64_t perPixel = std::max<int32_t>(bytesPerPixel, 1);
    const int64_t pixels = Pixels(stored);
    if (pixels > INT64_MAX / 2 / perPixel)
        return INT64_MAX / 2;
    return pixels * perPixel + Pixels(decoded) * 4 * 2;
}

// ---- PNG headers -------------------------------------------------------------------------------

namespace {

uint32_t BigEndian32(const uint8_t *bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

constexpr uint8_t PngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int32_t PngGreyAlpha = 4;
constexpr int32_t PngColour = 2;
constexpr int32_t PngColourAlpha = 6;

bool IsPngBitDepth(int32_t depth)
{
    return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

} // namespace

TPngHeader ReadPngHeader(const uint8_t *bytes, size_t size)
{
    TPngHeader header;
    // Signature, then the image header chunk: length 13, "IHDR", width, height, bit depth,
    // colour type, compression, filter, interlace.
    constexpr size_t headerEnd = 8 + 8 + 13;
    if (size < headerEnd || !std::equal(std::begin(PngSignature), std::end(PngSignature), bytes)
        || BigEndian32(bytes + 8) != 13 || !std::equal(bytes + 12, bytes + 16, "IHDR"))
        return header;
    const uint8_t *data = bytes + 16;
    const uint32_t width = BigEndian32(data);
    const uint32_t height = BigEndian32(data + 4);
    header.BitDepth = data[8];
    header.ColorType = data[9];
    header.Interlaced = data[12] == 1;
    header.Size = {int32_t(std::min<uint32_t>(width, INT32_MAX)),
        int32_t(std::min<uint32_t>(height, INT32_MAX))};
    header.Complete = width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX
        && IsPngBitDepth(header.BitDepth) && data[12] <= 1;
    return header;
}

bool PngScalesWhileReading(const TPngHeader &header, const TPictureSize &decoded)
{
    const bool colour = header.ColorType == PngColour || header.ColorType == PngColourAlpha
        || header.ColorType == PngGreyAlpha;
    return header.Complete && colour && header.BitDepth <= 8 && !header.Interlaced
        && decoded.Width > 0 && decoded.Height > 0 && decoded.Width <= header.Size.Width
        && decoded.Height <= header.Size.Height && decoded != header.Size;
}

int64_t PngScaledReadBytes(const TPngHeader &header, const TPictureSize &decoded)
{
    // An input row, an output row and a row of 32-bit sums, each four channels wide.
    const int64_t rows = int64_t(header.Size.Width) * 4 * (1 + 1 + 4);
    return rows + Pixels(decoded) * 4 * 2;
}

// ---- JPEG headers ------------------------------------------------------------------------------

namespace {

constexpr uint8_t StartOfImage = 0xD8;
constexpr uint8_t EndOfImage = 0xD9;
constexpr uint8_t StartOfScan = 0xDA;

bool IsStartOfFrame(uint8_t marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length: the restart markers and TEM.
bool IsStandalone(uint8_t marker)
{
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

// Sequential and progressive DCT, Huffman (C0..C2) or arithmetic (C9, CA) coding.
bool IsDecodableCoding(uint8_t marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
}

bool IsArithmeticCoding(uint8_t marker)
{
    return marker >= 0xC9 && marker <= 0xCF;
}

bool IsProgressiveCoding(uint8_t marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

uint32_t BigEndian16(const uint8_t *bytes)
{
    return uint32_t(bytes[0]) << 8 | bytes[1];
}

// Frame header: precision, height, width, then three bytes for each component.
bool ReadFrameHeader(uint8_t marker, const uint8_t *segment, size_t length, TJpegFrame &frame)
{
    if (length < 6)
        return false;
    const int32_t precision = segment[0];
    frame.Size = {int32_t(BigEndian16(segment + 3)), int32_t(BigEndian16(segment + 1))};
    const int32_t count = segment[5];
    if (count < 1 || length < 6 + 3 * size_t(count) || frame.Size.Width == 0
        || frame.Size.Height == 0)
        return false;
    frame.Progressive = IsProgressiveCoding(marker);
    frame.Arithmetic = IsArithmeticCoding(marker);
    frame.ComponentCount = count;
    frame.Supported
        = IsDecodableCoding(marker) && precision == 8 && (count == 1 || count == 3 || count == 4);
    for (int32_t i = 0; i < std::min(count, 4); ++i) {
        const uint8_t sampling = segment[6 + 3 * i + 1];
        frame.Components[i] = {sampling >> 4, sampling & 0x0F};
        if (frame.Components[i].HorizontalSampling < 1 || frame.Components[i].HorizontalSampling > 4
            || frame.Components[i].VerticalSampling < 1 || frame.Components[i].VerticalSampling > 4)
            return false;
    }
    return true;
}

} // namespace

TJpegFrame ReadJpegFrame(const uint8_t *bytes, size_t size)
{
    TJpegFrame frame;
    if (size < 2 || bytes[0] != 0xFF || bytes[1] != StartOfImage)
        return frame;
    bool frameFound = false;
    size_t at = 2;
    while (at < size) {
        // The decoder skips stray bytes and fill bytes before a marker; so does this.
        while (at < size && bytes[at] != 0xFF)
            ++at;
        while (at < size && bytes[at] == 0xFF)
            ++at;
        if (at >= size)
            break;
        const uint8_t marker = bytes[at++];
        if (marker == 0x00 || IsStandalone(marker))
            continue;
        if (marker == StartOfImage || marker == EndOfImage || at + 2 > size)
            break;
        const size_t length = BigEndian16(bytes + at);
        if (length < 2 || length > size - at)
            break;
        const uint8_t *segment = bytes + at + 2;
        if (IsStartOfFrame(marker)) {
            if (frameFound || !ReadFrameHeader(marker, segment, length - 2, frame))
                break;
            frameFound = true;
        } else if (marker == StartOfScan) {
            if (!frameFound || length < 3)
                break;
            frame.SingleScan = !frame.Progressive && segment[0] == frame.ComponentCount;
            frame.Complete = true;
            return frame;
        }
        at += length;
    }
    return frame;
}

TPictureSize JpegScaledSize(const TPictureSize &stored, const TPictureSize &wanted)
{
    if (stored.Width <= 0 || stored.Height <= 0 || wanted.Width <= 0 || wanted.Height <= 0)
        return stored;
    const double reduction
        = std::min(double(stored.Width) / wanted.Width, double(stored.Height) / wanted.Height);
    const int64_t eighths = std::clamp<int64_t>(int64_t(std::ceil(8 / reduction)), 1, 8);
    return {int32_t(RoundUpDivide(int64_t(stored.Width) * eighths, 8)),
        int32_t(RoundUpDivide(int64_t(stored.Height) * eighths, 8))};
}

namespace {

bool Covers(const TPictureSize &size, const TPictureSize &target)
{
    return size.Width >= target.Width && size.Height >= target.Height;
}

// libjpeg's size at M/8: the scaled sides rounded up.
TPictureSize EighthsOf(const TPictureSize &stored, int32_t eighths)
{
    return {int32_t(RoundUpDivide(int64_t(stored.Width) * eighths, 8)),
        int32_t(RoundUpDivide(int64_t(stored.Height) * eighths, 8))};
}

bool DividesExactly(const TPictureSize &stored, int32_t eighths)
{
    return int64_t(stored.Width) * eighths % 8 == 0 && int64_t(stored.Height) * eighths % 8 == 0;
}

} // namespace

TJpegReadPlan JpegReadPlan(const TPictureSize &stored, const TPictureSize &target)
{
    const TJpegReadPlan whole {8, stored, stored};
    if (stored.Width <= 0 || stored.Height <= 0)
        return whole;
    for (int32_t eighths = 1; eighths < 8; ++eighths) {
        const TPictureSize scaled = EighthsOf(stored, eighths);
        if (!Covers(scaled, target))
            continue;
        // The reader's own choice for that size must be this scale, to the last rounding.
        if (DividesExactly(stored, eighths) && JpegScaledSize(stored, scaled) == scaled)
            return {eighths, stored, scaled};
        const int32_t denominator = 8 / eighths;
        if (8 % eighths == 0 && stored.Width >= denominator && stored.Height >= denominator) {
            const TPictureSize clip {stored.Width / denominator * denominator,
                stored.Height / denominator * denominator};
            return {eighths, clip, {clip.Width / denominator, clip.Height / denominator}};
        }
    }
    return whole;
}

namespace {

// The blocks of each component, across and down; the decoder's buffers round them up to whole
// sampling units.
struct TComponentBlocks
{
    int64_t Across = 0;
    int64_t Down = 0;
};

TComponentBlocks ComponentBlocks(const TJpegFrame &frame, int32_t component, bool wholeUnits)
{
    int32_t maxHorizontal = 1;
    int32_t maxVertical = 1;
    for (int32_t i = 0; i < std::clamp<int32_t>(frame.ComponentCount, 0, 4); ++i) {
        maxHorizontal = std::max(maxHorizontal, frame.Components[i].HorizontalSampling);
        maxVertical = std::max(maxVertical, frame.Components[i].VerticalSampling);
    }
    const int64_t horizontal = frame.Components[component].HorizontalSampling;
    const int64_t vertical = frame.Components[component].VerticalSampling;
    TComponentBlocks blocks {RoundUpDivide(frame.Size.Width * horizontal, maxHorizontal * 8),
        RoundUpDivide(frame.Size.Height * vertical, maxVertical * 8)};
    if (wholeUnits) {
        blocks.Across = RoundUpDivide(blocks.Across, horizontal) * horizontal;
        blocks.Down = RoundUpDivide(blocks.Down, vertical) * vertical;
    }
    return blocks;
}

} // namespace

int64_t JpegCoefficientBytes(const TJpegFrame &frame)
{
    // Each block holds 64 two-byte coefficients.
    int64_t bytes = 0;
    for (int32_t i = 0; i < std::clamp<int32_t>(frame.ComponentCount, 0, 4); ++i) {
        const TComponentBlocks blocks = ComponentBlocks(frame, i, true);
        bytes += blocks.Across * blocks.Down * 64 * 2;
    }
    return bytes;
}

int64_t JpegMinimumFileBytes(const TJpegFrame &frame)
{
    if (!frame.Complete || frame.Arithmetic)
        return 0;
    int64_t blocks = 0;
    for (int32_t i = 0; i < std::clamp<int32_t>(frame.ComponentCount, 0, 4); ++i) {
        const TComponentBlocks component = ComponentBlocks(frame, i, false);
        blocks += component.Across * component.Down;
    }
    return blocks * (frame.Progressive ? 1 : 2) / 8;
}

int64_t JpegDecodeBytes(
    const TJpegFrame &frame, const TPictureSize &stored, const TPictureSize &target, bool turned)
{
    TJpegFrame assumed = frame;
    if (!frame.Complete) {
        // JPEG sizes have 16 bits.
        assumed = {};
        assumed.Size = {std::min<int32_t>(stored.Width, UINT16_MAX),
            std::min<int32_t>(stored.Height, UINT16_MAX)};
        assumed.ComponentCount = 3;
    }
    // The decoder's picture at its reduced size (grey ones are converted before scaling) and, for
    // a turned one, its upright copy; two pictures of no more than the target drawn from it; and
    // for more than one pass the coefficients.
    const int32_t bytesPerPixel = (assumed.ComponentCount == 1 ? 5 : 4) + (turned ? 4 : 0);
    const int64_t passes
        = assumed.Complete && assumed.SingleScan ? 0 : JpegCoefficientBytes(assumed);
    return Pixels(JpegReadPlan(stored, target).Decoded) * bytesPerPixel + Pixels(target) * 4 * 2
        + passes;
}

// ---- Pasted pictures ---------------------------------------------------------------------------

namespace {

std::string TwoDigits(int32_t value)
{
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string PastedPictureName(const TDateTimeParts &moment, int32_t number)
{
    std::string name = "Pasted " + std::to_string(moment.Year) + "-" + TwoDigits(moment.Month) + "-"
        + TwoDigits(moment.Day) + " " + TwoDigits(moment.Hour) + "-" + TwoDigits(moment.Minute)
        + "-" + TwoDigits(moment.Second);
    if (number > 1)
        name += " (" + std::to_string(number) + ")";
    return name + ".png";
}

int64_t PastedPictureBytes(const TPictureSize &stored, int32_t bytesPerPixel, bool turned)
{
    const int64_t perPixel = int64_t(std::max<int32_t>(bytesPerPixel, 1)) + (turned ? 4 : 0);
    const int64_t pixels = Pixels(stored);
    if (pixels > INT64_MAX / 2 / perPixel)
        return INT64_MAX / 2;
    return pixels * perPixel;
}
