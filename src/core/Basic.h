#pragma once

#include <cstdint>

// Reverses the order of the four bytes of a 32-bit value.
constexpr uint32_t ReverseBytes(uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u)
        | (value << 24);
}
