#pragma once
// Small shared routines: the boolean texts of the options and game files and the aspect-keeping
// fit of a picture into a box.

#include <cstdint>
#include <string>

// "TRUE" or "FALSE".
std::string BoolToText(bool value);
// True only for exactly "TRUE".
bool TextToBool(const std::string &text);

struct TPictureSize
{
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const TPictureSize &) const = default;
};

// Fits width x height into maxWidth x maxHeight keeping the aspect; with `enlarge` a small picture
// grows to touch the box. A picture with no pixels fits as 0 x 0.
TPictureSize FitPictureSize(
    int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight, bool enlarge);
