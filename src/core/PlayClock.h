#pragma once
// The time a game has been played: counted from Randomize (or a game load) until the puzzle is
// solved, only while the player attends to the window, and never more than IdleLimit after the
// last input, so that a game left open overnight costs no hours. Every moment is handed in, in
// milliseconds of a steady clock, so the rules hold without a real clock.

#include <cstdint>
#include <string>

class TPlayClock
{
public:
    static constexpr int64_t IdleLimit = 3 * 60 * 1000;

    // A game starts in play with `seconds` already spent on it (0 for a new one).
    void Start(int64_t now, int32_t seconds);
    // The game ends: solved, or replaced by one that is not in play.
    void Stop(int64_t now);
    // A game not in play, with `seconds` on it: a new picture (0), a solved game loaded.
    void Hold(int32_t seconds);
    bool Playing() const { return playing; }

    // Whether the player can attend to the game: the window shown, not minimized, active, and no
    // modal dialog over it. Turning to the window again counts as input.
    void SetAttending(int64_t now, bool attending);
    bool Attending() const { return attending; }
    // A click, a key, a pointer move.
    void Input(int64_t now);

    // Whole seconds counted up to `now`; the clock itself does not change.
    int32_t Seconds(int64_t now) const;
    // Whether the count goes on at `now`: a display needs ticks only then.
    bool Running(int64_t now) const;

private:
    bool playing = false;
    bool attending = true;
    int64_t counted = 0; // milliseconds, up to countedUntil
    int64_t countedUntil = 0;
    int64_t lastInput = 0;

    int64_t countedAt(int64_t now) const;
    void advance(int64_t now);
};

// The moment of solving, as a function of the milliseconds since the last piece landed: the grid
// lines of the puzzle fade out, then a banner shows and fades. Opacities run from 0 to 1.
struct TSolvedMomentLook
{
    static constexpr int64_t LinesFade = 1000;
    static constexpr int64_t BannerShown = 2000;
    static constexpr int64_t BannerFade = 400;

    double LinesGone = 0;
    double Banner = 0;
    // Nothing changes any more: the picture stands without its lines.
    bool Settled = false;
};
TSolvedMomentLook SolvedMomentAt(int64_t elapsed);

// "4:05" under an hour, "1:02:09" from an hour on.
std::string PlayingTimeText(int32_t seconds);
