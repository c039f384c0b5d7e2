#include "core/PlayClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int64_t Second = 1000;
constexpr int64_t Minute = 60 * Second;
constexpr int64_t Hour = 60 * Minute;

// One step of a scripted session: at `at` ms something happens, then the clock must show
// `seconds`.
struct TStep
{
    int64_t at;
    enum { Start, Stop, Away, Back, Input, Look } what;
    int32_t seconds;
};

struct TSession
{
    const char *name;
    std::vector<TStep> steps;
};

void play(const TSession &session)
{
    TPlayClock clock;
    for (const TStep &step : session.steps) {
        switch (step.what) {
        case TStep::Start:
            clock.Start(step.at, 0);
            break;
        case TStep::Stop:
            clock.Stop(step.at);
            break;
        case TStep::Away:
            clock.SetAttending(step.at, false);
            break;
        case TStep::Back:
            clock.SetAttending(step.at, true);
            break;
        case TStep::Input:
            clock.Input(step.at);
            break;
        case TStep::Look:
            break;
        }
        EXPECT_EQ(clock.Seconds(step.at), step.seconds) << session.name << " at " << step.at;
    }
}

TEST(PlayClockTest, CountsOnlyWhileAGameIsPlayedAndAttendedTo)
{
    const TSession sessions[] = {
        {"not before the start", {{0, TStep::Input, 0}, {5 * Second, TStep::Look, 0}}},
        {"runs from the start",
            {{1 * Second, TStep::Start, 0}, {3500, TStep::Input, 2}, {6 * Second, TStep::Look, 5}}},
        {"stops when solved",
            {{0, TStep::Start, 0}, {10 * Second, TStep::Stop, 10}, {60 * Second, TStep::Input, 10},
                {99 * Second, TStep::Look, 10}}},
        {"pauses while hidden, minimized, inactive or under a dialog",
            {{0, TStep::Start, 0}, {4 * Second, TStep::Away, 4}, {50 * Second, TStep::Input, 4},
                {90 * Second, TStep::Back, 4}, {95 * Second, TStep::Look, 9}}},
        {"a game started while away waits for the player",
            {{0, TStep::Away, 0}, {1 * Second, TStep::Start, 0}, {30 * Second, TStep::Look, 0},
                {40 * Second, TStep::Back, 0}, {42 * Second, TStep::Look, 2}}},
        {"stops three minutes after the last input",
            {{0, TStep::Start, 0}, {1 * Minute, TStep::Input, 60},
                {4 * Minute + 30 * Second, TStep::Look, 240}, {8 * Hour, TStep::Look, 240},
                {8 * Hour + 1, TStep::Input, 240}, {8 * Hour + 10 * Second, TStep::Look, 249}}},
        {"turning back to the window counts as input",
            {{0, TStep::Start, 0}, {2 * Minute, TStep::Away, 120}, {20 * Minute, TStep::Back, 120},
                {22 * Minute, TStep::Look, 240}}},
        {"a second stop or start changes nothing it should not",
            {{0, TStep::Start, 0}, {7 * Second, TStep::Stop, 7}, {9 * Second, TStep::Stop, 7},
                {10 * Second, TStep::Start, 0}, {13 * Second, TStep::Look, 3}}},
    };
    for (const TSession &session : sessions)
        play(session);
}

TEST(PlayClockTest, ALoadedGameGoesOnFromItsSavedTime)
{
    TPlayClock clock;
    clock.Start(100, 245);
    EXPECT_EQ(clock.Seconds(100), 245);
    EXPECT_EQ(clock.Seconds(100 + 15 * Second), 260);
    EXPECT_TRUE(clock.Running(200));
    clock.Stop(100 + 15 * Second);
    EXPECT_FALSE(clock.Running(200 + 15 * Second));
    EXPECT_EQ(clock.Seconds(100 + 99 * Second), 260);
}

TEST(PlayClockTest, AHeldGameShowsItsTimeWithoutCounting)
{
    TPlayClock clock;
    clock.Start(0, 0);
    clock.Hold(245);
    EXPECT_FALSE(clock.Playing());
    EXPECT_EQ(clock.Seconds(10 * Minute), 245);
    clock.Hold(0);
    EXPECT_EQ(clock.Seconds(20 * Minute), 0);
}

TEST(PlayClockTest, TheSolvedMomentFadesTheLinesThenShowsAndFadesTheBanner)
{
    const struct
    {
        int64_t at;
        double linesGone;
        double banner;
        bool settled;
    } cases[] = {
        {-5, 0, 0, false},
        {0, 0, 0, false},
        {500, 0.5, 0, false},
        {999, 0.999, 0, false},
        {1000, 1, 1, false},
        {2999, 1, 1, false},
        {3000, 1, 1, false},
        {3200, 1, 0.5, false},
        {3400, 1, 0, true},
        {60000, 1, 0, true},
    };
    for (const auto &c : cases) {
        const TSolvedMomentLook look = SolvedMomentAt(c.at);
        EXPECT_DOUBLE_EQ(look.LinesGone, c.linesGone) << c.at;
        EXPECT_DOUBLE_EQ(look.Banner, c.banner) << c.at;
        EXPECT_EQ(look.Settled, c.settled) << c.at;
    }
}

TEST(PlayClockTest, RunningTellsWhetherTheDisplayNeedsTicks)
{
    TPlayClock clock;
    EXPECT_FALSE(clock.Running(0));
    clock.Start(0, 0);
    EXPECT_TRUE(clock.Running(TPlayClock::IdleLimit - 1));
    EXPECT_FALSE(clock.Running(TPlayClock::IdleLimit));
    clock.Input(TPlayClock::IdleLimit + 5);
    EXPECT_TRUE(clock.Running(TPlayClock::IdleLimit + 6));
    clock.SetAttending(TPlayClock::IdleLimit + 6, false);
    EXPECT_FALSE(clock.Running(TPlayClock::IdleLimit + 7));
}

TEST(PlayClockTest, TheTimeReadsAsOnAClock)
{
    const std::pair<int32_t, const char *> cases[] = {
        {0, "0:00"},
        {9, "0:09"},
        {245, "4:05"},
        {3599, "59:59"},
        {3600, "1:00:00"},
        {3729, "1:02:09"},
        {36000 + 61, "10:01:01"},
        {-3, "0:00"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(PlayingTimeText(seconds), text) << seconds;
}

} // namespace
