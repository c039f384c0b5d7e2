#include "core/Utilities.h"

#include <algorithm>

std::string BoolToText(bool value)
{
    return value ? "TRUE" : "FALSE";
}

bool TextToBool(const std::string &text)
{
    return text == "TRUE";
}

namespace {

// a x b / c, truncated; the product is taken in 64 bits so that huge pictures cannot overflow it.
int32_t scaled(int32_t a, int32_t b, int32_t c)
{
    return static_cast<int32_t>(static_cast<int64_t>(a) * b / c);
}

} // namespace

TPictureSize FitPictureSize(
    int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight, bool enlarge)
{
    if (width == 0 || height == 0)
        return {};
    TPictureSize fitted;
    fitted.Width = enlarge ? maxWidth : std::min(width, maxWidth);
    fitted.Height = scaled(fitted.Width, height, width);
    if (fitted.Height > maxHeight) {
        fitted.Height = enlarge ? maxHeight : std::min(height, maxHeight);
        fitted.Width = scaled(fitted.Height, width, height);
    }
    return fitted;
}
