#pragma once
// Picture files written byte by byte: headers that claim what the test needs, and JPEGs whose
// every block is flat, so that a picture of any size takes a few bits a block.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace crafted {

inline std::string BigEndian16(uint32_t value)
{
    return {char(value >> 8), char(value)};
}

inline std::string BigEndian32(uint32_t value)
{
    return BigEndian16(value >> 16) + BigEndian16(value);
}

inline std::string LittleEndian16(uint32_t value)
{
    return {char(value), char(value >> 8)};
}

inline std::string LittleEndian32(uint32_t value)
{
    return LittleEndian16(value) + LittleEndian16(value >> 16);
}

inline uint32_t Crc32(const std::string &bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// ---- JPEG ----

struct TJpegSpec
{
    int Width = 64;
    int Height = 64;
    // C0 baseline, C2 progressive, C3 lossless, ...
    uint8_t FrameMarker = 0xC0;
    int Precision = 8;
    // Horizontal and vertical sampling of each component.
    std::vector<std::pair<int, int>> Sampling = {{2, 2}, {1, 1}, {1, 1}};
    // Components in the first scan; 0 for all.
    int ScanComponents = 0;
    // The Adobe marker that tells a four-component picture is CMYK.
    bool Adobe = false;
    // The entropy-coded blocks of a single interleaved scan; without them the file ends after
    // the scan header.
    bool WithData = true;
};

inline std::string JpegSegment(uint8_t marker, const std::string &data)
{
    return std::string {char(0xFF), char(marker)} + BigEndian16(uint32_t(data.size() + 2)) + data;
}

// One quantisation table of ones, and Huffman tables of one code each: "0" is DC difference 0 in
// the DC table and end-of-block in the AC table, so that every block is two zero bits.
inline std::string CraftedJpeg(const TJpegSpec &spec)
{
    std::string bytes = "\xFF\xD8";
    if (spec.Adobe)
        bytes += JpegSegment(0xEE, std::string("Adobe\x00\x64\x00\x00\x00\x00\x00", 12));
    bytes += JpegSegment(0xDB, std::string(1, '\0') + std::string(64, '\x01'));
    const int count = int(spec.Sampling.size());
    std::string frame = std::string(1, char(spec.Precision)) + BigEndian16(spec.Height)
        + BigEndian16(spec.Width) + char(count);
    int maxH = 1, maxV = 1, blocksPerUnit = 0;
    for (int i = 0; i < count; ++i) {
        const auto [h, v] = spec.Sampling[i];
        frame += std::string {char(i + 1), char(h << 4 | v), '\0'};
        maxH = std::max(maxH, h);
        maxV = std::max(maxV, v);
        blocksPerUnit += h * v;
    }
    bytes += JpegSegment(spec.FrameMarker, frame);
    const std::string oneCode = std::string(1, '\x01') + std::string(15, '\0') + '\0';
    bytes += JpegSegment(0xC4, '\x00' + oneCode);
    bytes += JpegSegment(0xC4, '\x10' + oneCode);
    const int scanCount = spec.ScanComponents > 0 ? spec.ScanComponents : count;
    std::string scan(1, char(scanCount));
    for (int i = 0; i < scanCount; ++i)
        scan += std::string {char(i + 1), '\0'};
    const bool progressive = spec.FrameMarker == 0xC2;
    scan += progressive ? std::string("\x00\x00\x00", 3) : std::string("\x00\x3F\x00", 3);
    bytes += JpegSegment(0xDA, scan);
    if (spec.WithData) {
        const int64_t unitsAcross = (spec.Width + 8 * maxH - 1) / (8 * maxH);
        const int64_t unitsDown = (spec.Height + 8 * maxV - 1) / (8 * maxV);
        const int64_t blocks = count == 1 ? ((spec.Width + 7) / 8) * ((spec.Height + 7) / 8)
                                          : unitsAcross * unitsDown * blocksPerUnit;
        bytes += std::string(size_t((blocks * 2 + 7) / 8), '\0');
    }
    return bytes + "\xFF\xD9";
}

// ---- PNG ----

inline std::string PngChunk(const std::string &type, const std::string &data)
{
    return BigEndian32(uint32_t(data.size())) + type + data + BigEndian32(Crc32(type + data));
}

// A signature and an image header that claim width x height, then a few bytes of pixel data.
inline std::string PngClaiming(
    uint32_t width, uint32_t height, int bitDepth = 8, int colourType = 2, bool interlaced = false)
{
    const std::string header = BigEndian32(width) + BigEndian32(height) + char(bitDepth)
        + char(colourType) + '\0' + '\0' + char(interlaced ? 1 : 0);
    return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header)
        + PngChunk("IDAT", std::string("\x78\x9C\x63\x00\x00\x00\x01\x00\x01", 9))
        + PngChunk("IEND", {});
}

// ---- Other formats, headers only ----

// A logical screen and one image of width x height, with a few bytes of image data.
inline std::string GifClaiming(uint16_t width, uint16_t height)
{
    return "GIF89a" + LittleEndian16(width) + LittleEndian16(height) + std::string(3, '\0') + ','
        + std::string(4, '\0') + LittleEndian16(width) + LittleEndian16(height)
        + std::string("\x00\x02\x02\x44\x01\x00;", 8);
}

// A 24-bit bitmap header claiming width x height, followed by one row's worth of bytes.
inline std::string BmpClaiming(int32_t width, int32_t height)
{
    const std::string info = LittleEndian32(40) + LittleEndian32(uint32_t(width))
        + LittleEndian32(uint32_t(height)) + LittleEndian16(1) + LittleEndian16(24)
        + std::string(24, '\0');
    return "BM" + LittleEndian32(54 + 64) + std::string(4, '\0') + LittleEndian32(54) + info
        + std::string(64, '\0');
}

// A lossless WebP header claiming width x height (at most 16384 each way).
inline std::string WebpClaiming(uint32_t width, uint32_t height)
{
    const uint32_t sizes = (width - 1) | (height - 1) << 14;
    const std::string lossless = '\x2F' + LittleEndian32(sizes) + std::string(11, '\0');
    const std::string body = "WEBPVP8L" + LittleEndian32(uint32_t(lossless.size())) + lossless;
    return "RIFF" + LittleEndian32(uint32_t(body.size())) + body;
}

// A little-endian TIFF of one grey strip claiming width x height.
inline std::string TiffClaiming(uint32_t width, uint32_t height)
{
    const auto entry = [](uint16_t tag, uint16_t type, uint32_t value) {
        return LittleEndian16(tag) + LittleEndian16(type) + LittleEndian32(1)
            + (type == 3 ? LittleEndian16(value) + std::string(2, '\0') : LittleEndian32(value));
    };
    constexpr uint16_t shortType = 3, longType = 4;
    const std::string entries = entry(256, longType, width) + entry(257, longType, height)
        + entry(258, shortType, 8) + entry(259, shortType, 1) + entry(262, shortType, 1)
        + entry(273, longType, 200) + entry(277, shortType, 1) + entry(278, longType, height)
        + entry(279, longType, 16);
    std::string bytes = "II*" + std::string(1, '\0') + LittleEndian32(8) + LittleEndian16(9)
        + entries + LittleEndian32(0);
    bytes.resize(216, '\0');
    return bytes;
}

} // namespace crafted
