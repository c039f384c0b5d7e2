#include "core/MyRandom.h"

#include "core/Basic.h"

#include <chrono>
#include <ctime>
#include <random>

TMyRandom Random;

namespace {

uint32_t standardTickCount()
{
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

// Function-local, so that it is ready whichever unit's static objects are built first.
TTickCountFunction &systemTickCount()
{
    static TTickCountFunction tickCount = standardTickCount;
    return tickCount;
}

} // namespace

void SetSystemTickCount(TTickCountFunction tickCount)
{
    systemTickCount() = tickCount ? tickCount : standardTickCount;
}

TRandomEnvironment TRandomEnvironment::System()
{
    TRandomEnvironment environment;
    environment.CalendarSeconds = [] { return static_cast<int64_t>(std::time(nullptr)); };
    environment.TickCount = [] { return systemTickCount()(); };
    // No window exists when the source is built, so the pointer cannot be read yet: fresh bits
    // from the system's entropy source stand in for its position.
    environment.CursorPosition = [] {
        std::random_device entropy;
        const uint32_t bits = entropy();
        return std::pair<int32_t, int32_t>(
            static_cast<int32_t>(bits & 0xFFFF), static_cast<int32_t>(bits >> 16));
    };
    return environment;
}

void TLongRandom::Seed(uint32_t seed)
{
    state = static_cast<uint32_t>(seed * 22695477u + 1u);
}

uint32_t TLongRandom::Next()
{
    constexpr uint64_t Multiplier = (uint64_t {346} << 32) + 20021u;
    state = state * Multiplier + 1u;
    return static_cast<uint32_t>(state >> 32) & 0x7FFFFFFFu;
}

TMyRandom::TMyRandom(TRandomEnvironment environment_) : environment(std::move(environment_))
{
    longRandom.Seed(static_cast<uint32_t>(environment.CalendarSeconds()));
    state = longRandom.Next();
    const auto [cursorX, cursorY] = environment.CursorPosition();
    for (std::size_t i = 0; i < 256; ++i) {
        xRing[i] = static_cast<uint8_t>(longRandom.Next() + static_cast<uint32_t>(cursorX));
        yRing[i] = static_cast<uint8_t>(longRandom.Next() + static_cast<uint32_t>(cursorY));
    }
}

void TMyRandom::AddPoint(int32_t x, int32_t y)
{
    xRing[writeIndex] = static_cast<uint8_t>(x);
    yRing[writeIndex] = static_cast<uint8_t>(y);
    ++writeIndex;
}

uint32_t TMyRandom::Next()
{
    const uint32_t mixed = ReverseBytes(state) + environment.TickCount();
    state = (mixed >> 1) | (mixed << 31);
    const uint8_t i = readIndex;
    readIndex = static_cast<uint8_t>(readIndex + 2);
    const uint8_t j = static_cast<uint8_t>(i + 1);
    const uint32_t high = xRing[i] * 256u + yRing[i];
    const uint32_t low = xRing[yRing[j]] * 256u + yRing[xRing[j]];
    const uint32_t r = longRandom.Next();
    return (high << 16) | (r + low + state);
}
