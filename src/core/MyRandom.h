#pragma once
// The program's one random source: a long-period generator seeded from the clock, two rings of
// bytes that pointer positions keep overwriting, and the millisecond tick count of every draw.

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

// What the source reads from the system; a test fixes these to check draws value by value.
struct TRandomEnvironment
{
    std::function<int64_t()> CalendarSeconds; // seconds since 1970-01-01
    std::function<uint32_t()> TickCount; // milliseconds since the system started
    std::function<std::pair<int32_t, int32_t>()> CursorPosition; // screen coordinates

    static TRandomEnvironment System();
};

// The millisecond tick count the program's source reads on every draw. The platform installs a
// cheaper clock than the standard library's; any millisecond clock serves.
using TTickCountFunction = uint32_t (*)();
void SetSystemTickCount(TTickCountFunction tickCount);

// The runtime's 64-bit linear congruential generator, kept private to the random source.
class TLongRandom
{
public:
    void Seed(uint32_t seed);
    // Bits 32..62 of the next state: a value in 0..2147483647.
    uint32_t Next();
    uint64_t State() const { return state; }

private:
    uint64_t state = 0;
};

class TMyRandom
{
public:
    explicit TMyRandom(TRandomEnvironment environment = TRandomEnvironment::System());

    // Only the low bytes of x and y are kept.
    void AddPoint(int32_t x, int32_t y);
    uint32_t Next();

    uint8_t WriteIndex() const { return writeIndex; }
    uint8_t ReadIndex() const { return readIndex; }
    const std::array<uint8_t, 256> &XRing() const { return xRing; }
    const std::array<uint8_t, 256> &YRing() const { return yRing; }
    uint32_t State() const { return state; }

private:
    TRandomEnvironment environment;
    TLongRandom longRandom;
    uint8_t writeIndex = 0;
    uint8_t readIndex = 0;
    std::array<uint8_t, 256> xRing {};
    std::array<uint8_t, 256> yRing {};
    uint32_t state = 0;
};

extern TMyRandom Random;
