#include "core/PlayClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int64_t Second = 1000;
constexpr int64_t Minute = 60 * Second;
constexpr int64_t Hour = 60 * Minute;

// A step of a session: at `at` ms the action happens, then the clock must show `seconds` and
// tell whether it is running. Start and Hold take the seconds that the game already has.
struct TStep
{
    int64_t at;
    void (*action)(TPlayClock &clock, int64_t at, int32_t seconds);
    int32_t seconds;
    bool running;
};

void Start(TPlayClock &clock, int64_t at, int32_t seconds)
{
    clock.Start(at, seconds);
}
void Hold(TPlayClock &clock, int64_t, int32_t seconds)
{
    clock.Hold(seconds);
}
void Stop(TPlayClock &clock, int64_t at, int32_t)
{
    clock.Stop(at);
}
void Away(TPlayClock &clock, int64_t at, int32_t)
{
    clock.SetAttending(at, false);
}
void Back(TPlayClock &clock, int64_t at, int32_t)
{
    clock.SetAttending(at, true);
}
void Input(TPlayClock &clock, int64_t at, int32_t)
{
    clock.Input(at);
}
void Look(TPlayClock &, int64_t, int32_t) { }

TEST(PlayClockTest, CountsOnlyWhileAGameIsPlayedAndAttendedTo)
{
    const struct
    {
        const char *name;
        std::vector<TStep> steps;
    } sessions[] = {
        {"not before the start", {{0, Input, 0, false}, {5 * Second, Look, 0, false}}},
        {"runs from the start",
            {{1 * Second, Start, 0, true}, {3500, Input, 2, true}, {6 * Second, Look, 5, true}}},
        {"stops when solved",
            {{0, Start, 0, true}, {10 * Second, Stop, 10, false}, {60 * Second, Input, 10, false},
                {99 * Second, Look, 10, false}}},
        {"pauses while hidden, minimized, inactive or under a dialog",
            {{0, Start, 0, true}, {4 * Second, Away, 4, false}, {50 * Second, Input, 4, false},
                {90 * Second, Back, 4, true}, {95 * Second, Look, 9, true}}},
        {"a game started while away waits for the player",
            {{0, Away, 0, false}, {1 * Second, Start, 0, false}, {30 * Second, Look, 0, false},
                {40 * Second, Back, 0, true}, {42 * Second, Look, 2, true}}},
        {"stops three minutes after the last input",
            {{0, Start, 0, true}, {1 * Minute, Input, 60, true}, {4 * Minute - 1, Look, 239, true},
                {4 * Minute, Look, 240, false}, {8 * Hour, Look, 240, false},
                {8 * Hour + 1, Input, 240, true}, {8 * Hour + 10 * Second, Look, 249, true}}},
        {"turning back to the window counts as input",
            {{0, Start, 0, true}, {2 * Minute, Away, 120, false}, {20 * Minute, Back, 120, true},
                {22 * Minute, Look, 240, true}}},
        {"a second stop or start changes nothing it should not",
            {{0, Start, 0, true}, {7 * Second, Stop, 7, false}, {9 * Second, Stop, 7, false},
                {10 * Second, Start, 0, true}, {13 * Second, Look, 3, true}}},
        {"a loaded game goes on from its saved time",
            {{100, Start, 245, true}, {100 + 15 * Second, Stop, 260, false},
                {99 * Second, Look, 260, false}}},
        {"a held game shows its time without counting",
            {{0, Start, 0, true}, {0, Hold, 245, false}, {10 * Minute, Look, 245, false},
                {20 * Minute, Hold, 0, false}}},
    };
    for (const auto &session : sessions) {
        TPlayClock clock;
        for (const TStep &step : session.steps) {
            step.action(clock, step.at, step.seconds);
            EXPECT_EQ(clock.Seconds(step.at), step.seconds) << session.name << " at " << step.at;
            EXPECT_EQ(clock.Running(step.at), step.running) << session.name << " at " << step.at;
        }
    }
}

TEST(PlayClockTest, TheSolvedMomentFadesTheLinesThenShowsAndFadesTheBanner)
{
    const struct
    {
        int64_t at;
        double linesGone, banner;
        bool settled;
    } cases[] = {{-5, 0, 0, false}, {0, 0, 0, false}, {500, 0.5, 0, false}, {999, 0.999, 0, false},
        {1000, 1, 1, false}, {3000, 1, 1, false}, {3200, 1, 0.5, false}, {3400, 1, 0, true},
        {60000, 1, 0, true}};
    for (const auto &c : cases) {
        const TSolvedMomentLook look = SolvedMomentAt(c.at);
        EXPECT_DOUBLE_EQ(look.LinesGone, c.linesGone) << c.at;
        EXPECT_DOUBLE_EQ(look.Banner, c.banner) << c.at;
        EXPECT_EQ(look.Settled, c.settled) << c.at;
    }
}

TEST(PlayClockTest, TheTimeReadsAsOnAClock)
{
    const std::pair<int32_t, const char *> cases[]
        = {{0, "0:00"}, {9, "0:09"}, {245, "4:05"}, {3599, "59:59"}, {3600, "1:00:00"},
            {3729, "1:02:09"}, {36000 + 61, "10:01:01"}, {-3, "0:00"}};
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(PlayingTimeText(seconds), text) << seconds;
}

} // namespace
