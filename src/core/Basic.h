#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

// Reverses the order of the four bytes of a 32-bit value.
constexpr uint32_t ReverseBytes(uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u)
        | (value << 24);
}

// Names in files, keys and command lines compare without regard to the case of ASCII letters
// only: text is UTF-8, and other letters stay as they are.
constexpr char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return LowerAscii(x) == LowerAscii(y);
    });
}

inline std::string LowerAsciiText(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAscii);
    return lowered;
}
