#pragma once
// The grid arithmetic of fitting a picture to the board, and what decoding one may cost: the
// memory budget, the reasons a picture is refused, and the JPEG headers that decide its cost.

#include "core/MyTime.h"
#include "core/Utilities.h"

#include <cstddef>
#include <cstdint>
#include <string>

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

// The size to decode a picture at when it is drawn into boxes no larger than `largestBox`: its
// aspect-kept fit into that box without enlarging, and never below 1 x 1.
TPictureSize PictureDecodeSize(const TPictureSize &picture, const TPictureSize &largestBox);

// ---- Device pixels ----

// The device pixels that stand for `logical` pixels on a screen with `ratio` device pixels to a
// logical one: rounded to a whole number, and at least 1 for a length above 0. A picture's cells
// all have the same logical size, so at any ratio they are the same whole number of device
// pixels, and pieces are cut, mirrored and framed in whole device pixels. A ratio below 1 counts
// as 1: bitmaps never hold fewer pixels than they show.
int32_t DeviceLength(int32_t logical, double ratio);

// ---- Refused pictures ----

// Why a picture cannot be shown.
enum class TPictureRefusal {
    None,
    // No decoder for the content, or a coding the decoder lacks, or a file that cannot be opened.
    NotReadable,
    // The decoder knows the format but the content is broken.
    Damaged,
    // Decoding it would take more memory than PictureDecodeBudget.
    TooLarge,
};

// The reason as the player reads it; `pixels` is the picture's size, for TooLarge.
std::string PictureRefusalReason(TPictureRefusal refusal, int64_t pixels);
// The warning that names the file and the reason.
std::string PictureRefusalMessage(const std::string &path, TPictureRefusal refusal, int64_t pixels);

// ---- What a decode costs ----

// The most memory that decoding one picture may take. Decoders trust the header, so a forged one
// would otherwise cost seconds and gigabytes; a camera's JPEG at any resolution costs far less,
// because it is decoded at a reduced size.
constexpr int64_t PictureDecodeBudget = int64_t(256) << 20;

// Peak memory of a decoder that holds the whole picture at `bytesPerPixel`, scales it down to
// `decoded` and turns that upright: two pictures of `decoded` at 4 bytes a pixel.
int64_t WholePictureDecodeBytes(
    const TPictureSize &stored, int32_t bytesPerPixel, const TPictureSize &decoded);

// Headers that lie further into a file than this are not looked for.
constexpr size_t PictureHeaderSearchBytes = 1 << 20;

// ---- PNG headers ----

// A PNG's image header, read without decoding.
struct TPngHeader
{
    // The signature and a well-formed image header were found.
    bool Complete = false;
    TPictureSize Size;
    int32_t BitDepth = 0;
    int32_t ColorType = 0;
    bool Interlaced = false;
};

// Reads the image header from the start of a PNG file.
TPngHeader ReadPngHeader(const uint8_t *bytes, size_t size);

// Whether the PNG decoder scales the picture down row by row while reading it, holding only the
// result: 8-bit colour without interlacing, asked for a size no larger than its own.
bool PngScalesWhileReading(const TPngHeader &header, const TPictureSize &decoded);

// Peak memory of that read: its row buffers, the result and the result's upright copy.
int64_t PngScaledReadBytes(const TPngHeader &header, const TPictureSize &decoded);

// ---- JPEG headers ----

struct TJpegComponent
{
    int32_t HorizontalSampling = 1;
    int32_t VerticalSampling = 1;
};

// A JPEG's frame as its markers tell it, read without decoding.
struct TJpegFrame
{
    // The frame header and the header of the first scan were both found and well formed.
    bool Complete = false;
    // A coding the decoder implements: 8-bit sequential or progressive DCT, Huffman or
    // arithmetic, with 1, 3 or 4 components. Lossless, hierarchical and 12-bit files are not.
    bool Supported = false;
    bool Progressive = false;
    bool Arithmetic = false;
    // The first scan holds every component, so the picture is decoded in one pass. A progressive
    // or multi-scan picture keeps every coefficient of the whole picture until its last scan.
    bool SingleScan = false;
    TPictureSize Size;
    int32_t ComponentCount = 0;
    TJpegComponent Components[4];
};

// Reads the markers of a JPEG file from its start up to its first scan header. `bytes` is the
// start of the file; markers beyond it count as missing.
TJpegFrame ReadJpegFrame(const uint8_t *bytes, size_t size);

// The size the JPEG decoder produces when it is asked for `wanted`: it scales by M/8 while
// decoding, with the smallest M (1..8) that still gives at least the wanted size.
TPictureSize JpegScaledSize(const TPictureSize &stored, const TPictureSize &wanted);

// How a JPEG is read for drawing at no more than `target`. Qt's reader derives the decoder's
// scale of M/8 from the size it is asked for, and scales a second time itself whenever that
// scale does not give exactly that size. So the plan takes the smallest scale that still covers
// the target and asks for exactly its size: where the scale divides the picture's size, of the
// whole picture; otherwise, at the next power-of-two scale (the only ones the reader takes with
// a clip), of the largest part of the picture that the scale divides.
struct TJpegReadPlan
{
    int32_t Eighths = 8;
    // The part of the stored picture that is decoded, from its top left corner. A clip leaves
    // out less than one decoded pixel on the right and at the bottom.
    TPictureSize Clip;
    // The size the reader is asked for and gives: the clip at the scale.
    TPictureSize Decoded;
    bool operator==(const TJpegReadPlan &) const = default;
};

TJpegReadPlan JpegReadPlan(const TPictureSize &stored, const TPictureSize &target);

// The whole-picture coefficient buffers of a decode that is not single-scan.
int64_t JpegCoefficientBytes(const TJpegFrame &frame);

// The fewest bytes that can hold the picture's blocks: Huffman codes are at least one bit long,
// so a sequential block takes at least two bits and a progressive one at least one (its first
// scan). A file shorter than this was cut short or forged; decoding it would spend the time of
// the whole picture on blocks that are not there. Arithmetic coding has no such floor: 0.
int64_t JpegMinimumFileBytes(const TJpegFrame &frame);

// Peak memory of reading a JPEG of `stored` size by its JpegReadPlan for `target`, turning it
// upright when its metadata says so, and scaling it for drawing. A frame that was not found
// completely counts as a multi-scan picture of three full-resolution components.
int64_t JpegDecodeBytes(const TJpegFrame &frame, const TPictureSize &stored,
    const TPictureSize &target, bool turned = false);

// ---- Pasted pictures ----

// The folder inside the games folder that pasted pictures are saved into: a game names its
// picture by path, so a picture from the clipboard needs a file before it can be played.
inline constexpr const char *PastedPicturesFolderName = "Pictures";

// The name a picture pasted at `moment` is saved under: "Pasted 2026-12-09 14-05-31.png" for
// `number` 1, and from 2 on the number before the extension: "Pasted 2026-12-09 14-05-31 (2).png".
std::string PastedPictureName(const TDateTimeParts &moment, int32_t number);

// Memory a pasted picture takes while it is held at its full size to be saved: the decoder's
// pixels at `bytesPerPixel`, and for a picture that its metadata turns, the upright copy.
int64_t PastedPictureBytes(const TPictureSize &stored, int32_t bytesPerPixel, bool turned);
