#include "core/PlayClock.h"

#include <algorithm>
#include <climits>
#include <cstdio>

int64_t TPlayClock::countedAt(int64_t now) const
{
    if (!playing || !attending)
        return counted;
    const int64_t end = std::min(now, lastInput + IdleLimit);
    return counted + std::max<int64_t>(end - countedUntil, 0);
}

void TPlayClock::advance(int64_t now)
{
    counted = countedAt(now);
    countedUntil = std::max(countedUntil, now);
}

void TPlayClock::Start(int64_t now, int32_t seconds)
{
    playing = true;
    counted = int64_t(std::max(seconds, 0)) * 1000;
    countedUntil = now;
    lastInput = now;
}

void TPlayClock::Stop(int64_t now)
{
    advance(now);
    playing = false;
}

void TPlayClock::Hold(int32_t seconds)
{
    playing = false;
    counted = int64_t(std::max(seconds, 0)) * 1000;
}

void TPlayClock::SetAttending(int64_t now, bool nowAttending)
{
    if (nowAttending == attending)
        return;
    advance(now);
    attending = nowAttending;
    if (attending)
        lastInput = now;
}

void TPlayClock::Input(int64_t now)
{
    advance(now);
    lastInput = std::max(lastInput, now);
}

int32_t TPlayClock::Seconds(int64_t now) const
{
    return int32_t(std::min<int64_t>(countedAt(now) / 1000, INT32_MAX));
}

bool TPlayClock::Running(int64_t now) const
{
    return playing && attending && now < lastInput + IdleLimit;
}

TSolvedMomentLook SolvedMomentAt(int64_t elapsed)
{
    using T = TSolvedMomentLook;
    TSolvedMomentLook look;
    elapsed = std::max<int64_t>(elapsed, 0);
    look.LinesGone = std::min(1.0, double(elapsed) / double(T::LinesFade));
    const int64_t banner = elapsed - T::LinesFade;
    if (banner >= 0 && banner < T::BannerShown)
        look.Banner = 1;
    else if (banner >= T::BannerShown)
        look.Banner = std::max(0.0, 1 - double(banner - T::BannerShown) / double(T::BannerFade));
    look.Settled = banner >= T::BannerShown + T::BannerFade;
    return look;
}

std::string PlayingTimeText(int32_t seconds)
{
    seconds = std::max(seconds, 0);
    const int32_t hours = seconds / 3600;
    const int32_t minutes = seconds / 60 % 60;
    char text[32];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", hours, minutes, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d", minutes, seconds % 60);
    return text;
}
