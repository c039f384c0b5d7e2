#include "core/MyRandom.h"
#include "core/Basic.h"

#include <gtest/gtest.h>

namespace {

// A fixed clock, a tick count that moves 16 ms per draw and the pointer at (300, -1).
TRandomEnvironment fixedEnvironment(uint32_t *tick)
{
    TRandomEnvironment environment;
    environment.CalendarSeconds = [] { return int64_t {1000000000}; };
    environment.TickCount = [tick] {
        const uint32_t now = *tick;
        *tick += 16;
        return now;
    };
    environment.CursorPosition = [] { return std::pair<int32_t, int32_t>(300, -1); };
    return environment;
}

} // namespace

TEST(MyRandom, LongRandomSeedsWithOneStepAndReturnsBits32To62)
{
    TLongRandom generator;
    generator.Seed(1);
    EXPECT_EQ(generator.State(), 22695478u); // 1 x 22695477 + 1, high word 0
    const uint64_t expectedState = 22695478ull * ((346ull << 32) + 20021ull) + 1ull;
    EXPECT_EQ(generator.Next(), static_cast<uint32_t>(expectedState >> 32) & 0x7FFFFFFFu);
    EXPECT_EQ(generator.State(), expectedState);
}

TEST(MyRandom, ConstructionFillsTheRingsFromTheGeneratorAndThePointer)
{
    uint32_t tick = 5000;
    const TMyRandom source(fixedEnvironment(&tick));
    // Reference values computed independently from the generator's definition.
    EXPECT_EQ(source.XRing()[0], 235);
    EXPECT_EQ(source.XRing()[1], 152);
    EXPECT_EQ(source.YRing()[0], 109);
    EXPECT_EQ(source.YRing()[3], 66);
    EXPECT_EQ(source.ReadIndex(), 0);
    EXPECT_EQ(source.WriteIndex(), 0);
}

TEST(MyRandom, NextMatchesReferenceValuesAndMovesStateAndReadIndex)
{
    uint32_t tick = 5000;
    TMyRandom source(fixedEnvironment(&tick));
    const uint32_t expected[] = {4294952451u, 4294387142u, 3757008040u, 2448923850u};
    uint32_t previousState = source.State();
    for (int call = 0; call < 4; ++call) {
        EXPECT_EQ(source.Next(), expected[call]) << "call " << call;
        EXPECT_NE(source.State(), previousState);
        previousState = source.State();
        EXPECT_EQ(source.ReadIndex(), 2 * (call + 1));
    }
    for (int call = 4; call < 128; ++call)
        source.Next();
    EXPECT_EQ(source.ReadIndex(), 0);
}

TEST(MyRandom, AddPointKeepsLowBytesAndWraps)
{
    uint32_t tick = 0;
    TMyRandom source(fixedEnvironment(&tick));
    source.AddPoint(300, -1);
    EXPECT_EQ(source.XRing()[0], 44);
    EXPECT_EQ(source.YRing()[0], 255);
    for (int i = 1; i < 256; ++i)
        source.AddPoint(i, i);
    EXPECT_EQ(source.WriteIndex(), 0);
    source.AddPoint(7, 8);
    EXPECT_EQ(source.XRing()[0], 7);
    EXPECT_EQ(source.YRing()[0], 8);
}

TEST(MyRandom, ReverseBytesSwapsTheByteOrder)
{
    EXPECT_EQ(ReverseBytes(0x11223344u), 0x44332211u);
    EXPECT_EQ(ReverseBytes(ReverseBytes(0xCAFEBABEu)), 0xCAFEBABEu);
}
