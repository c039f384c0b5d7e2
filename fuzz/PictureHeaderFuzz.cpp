// Reads arbitrary bytes as the start of a JPEG and of a PNG file: the headers found must be
// consistent, and the memory a decode of them would cost must be computable without overflow.
#include "core/Picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TPictureSize box {1200, 900};
    const TJpegFrame frame = ReadJpegFrame(data, size);
    if (frame.Complete) {
        Check(frame.Size.Width > 0 && frame.Size.Height > 0, "JPEG frame without pixels");
        Check(frame.ComponentCount > 0, "JPEG frame without components");
        Check(!frame.Progressive || !frame.SingleScan, "progressive JPEG in one scan");
        for (int32_t i = 0; i < frame.ComponentCount && i < 4; ++i)
            Check(frame.Components[i].HorizontalSampling >= 1
                    && frame.Components[i].HorizontalSampling <= 4
                    && frame.Components[i].VerticalSampling >= 1
                    && frame.Components[i].VerticalSampling <= 4,
                "JPEG sampling out of range");
    }
    const TPictureSize decoded = PictureDecodeSize(frame.Size, box);
    Check(JpegDecodeBytes(frame, frame.Size, decoded) >= 0, "negative JPEG decode cost");

    const TPngHeader png = ReadPngHeader(data, size);
    if (png.Complete)
        Check(png.Size.Width > 0 && png.Size.Height > 0, "PNG header without pixels");
    const TPictureSize pngDecoded = PictureDecodeSize(png.Size, box);
    if (PngScalesWhileReading(png, pngDecoded))
        Check(PngScaledReadBytes(png, pngDecoded) >= 0, "negative PNG read cost");
    Check(WholePictureDecodeBytes(png.Size, 16, pngDecoded) >= 0, "negative PNG decode cost");
    return 0;
}
