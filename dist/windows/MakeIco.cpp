// Packs PNG pictures into one Windows icon file, each image kept as PNG, which Windows reads in
// icons since Vista (and Wine too). The images' sizes come from their PNG headers.
//   MakeIco OUT.ico IN.png...

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct TImage
{
    std::string bytes;
    uint32_t width = 0;
    uint32_t height = 0;
};

uint32_t bigEndian32(const std::string &bytes, size_t offset)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// The width and height stand in the IHDR chunk, which must come first.
bool readPng(const char *path, TImage &image)
{
    std::ifstream file(path, std::ios::binary);
    image.bytes.assign(std::istreambuf_iterator<char>(file), {});
    if (image.bytes.size() < 24 || image.bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0
        || image.bytes.compare(12, 4, "IHDR") != 0)
        return false;
    image.width = bigEndian32(image.bytes, 16);
    image.height = bigEndian32(image.bytes, 20);
    return image.width >= 1 && image.width <= 256 && image.height >= 1 && image.height <= 256;
}

void put16(std::string &out, uint16_t value)
{
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>(value >> 8);
}

void put32(std::string &out, uint32_t value)
{
    put16(out, static_cast<uint16_t>(value & 0xffff));
    put16(out, static_cast<uint16_t>(value >> 16));
}

// The directory: a header, one 16-byte entry per image (256 is written as 0), then the images.
std::string iconFile(const std::vector<TImage> &images)
{
    std::string out;
    put16(out, 0);
    put16(out, 1);
    put16(out, static_cast<uint16_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (const TImage &image : images) {
        out += static_cast<char>(image.width % 256);
        out += static_cast<char>(image.height % 256);
        out += '\0'; // no palette
        out += '\0';
        put16(out, 1); // colour planes
        put16(out, 32); // bits per pixel
        put32(out, static_cast<uint32_t>(image.bytes.size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(image.bytes.size());
    }
    for (const TImage &image : images)
        out += image.bytes;
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: MakeIco OUT.ico IN.png...\n");
        return 2;
    }
    std::vector<TImage> images(static_cast<size_t>(argc - 2));
    for (int i = 2; i < argc; ++i)
        if (!readPng(argv[i], images[static_cast<size_t>(i - 2)])) {
            std::fprintf(stderr, "MakeIco: %s is no PNG picture of 1 to 256 pixels\n", argv[i]);
            return 1;
        }
    std::ofstream out(argv[1], std::ios::binary);
    out << iconFile(images);
    return out.good() ? 0 : 1;
}
