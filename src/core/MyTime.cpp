#include "core/MyTime.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

namespace {

// Days from 1970-01-01 to 1899-12-30, the origin of moments.
constexpr int64_t UnixEpochAsMoment = 25569;

const std::array<const char *, 7> WeekdayNames
    = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const std::array<const char *, 12> MonthNames = {"January", "February", "March", "April", "May",
    "June", "July", "August", "September", "October", "November", "December"};

std::string englishLongDate(const TDateTimeParts &parts)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s, %s %02d, %04d", WeekdayNames[parts.DayOfWeek],
        MonthNames[parts.Month - 1], parts.Day, parts.Year);
    return buffer;
}

std::string englishLongTime(const TDateTimeParts &parts)
{
    const int32_t hour12 = parts.Hour % 12 == 0 ? 12 : parts.Hour % 12;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour12, parts.Minute, parts.Second,
        parts.Hour < 12 ? "AM" : "PM");
    return buffer;
}

std::pair<TDateTimeFormatter, TDateTimeFormatter> &formatters()
{
    static std::pair<TDateTimeFormatter, TDateTimeFormatter> installed;
    return installed;
}

// Howard Hinnant's days-from-civil and civil-from-days, on the proleptic Gregorian calendar.
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(int64_t days, TDateTimeParts &parts)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra
        = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    parts.Day = static_cast<int32_t>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    parts.Month = static_cast<int32_t>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    parts.Year = static_cast<int32_t>(yearOfEra + era * 400 + (parts.Month <= 2));
}

bool isTimeField(char c)
{
    return c == 'h' || c == 'H' || c == 'm' || c == 's';
}

} // namespace

void SetLongDateTimeFormatters(TDateTimeFormatter longDate, TDateTimeFormatter longTime)
{
    formatters() = {std::move(longDate), std::move(longTime)};
}

std::string TimePatternWithColons(const std::string &pattern)
{
    // Between two runs of hour, minute or second letters, whatever the locale puts (apart from
    // quoted text and blanks before an AM/PM marker) becomes a single colon.
    std::string result;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        result += c;
        ++i;
        if (!isTimeField(c) || (i < pattern.size() && pattern[i] == c))
            continue;
        std::size_t next = i;
        while (next < pattern.size() && !isTimeField(pattern[next]) && pattern[next] != ' '
            && pattern[next] != '\'' && pattern[next] != 'A' && pattern[next] != 'a'
            && pattern[next] != 't' && pattern[next] != 'z')
            ++next;
        if (next > i && next < pattern.size() && isTimeField(pattern[next])) {
            result += ':';
            i = next;
        }
    }
    return result;
}

double EncodeDate(int32_t year, int32_t month, int32_t day)
{
    return static_cast<double>(daysFromCivil(year, month, day) + UnixEpochAsMoment);
}

double EncodeDateTime(
    int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
{
    return EncodeDate(year, month, day) + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

TDateTimeParts DecodeDateTime(double moment)
{
    TDateTimeParts parts;
    const int64_t days = static_cast<int64_t>(std::floor(moment));
    civilFromDays(days - UnixEpochAsMoment, parts);
    parts.DayOfWeek = static_cast<int32_t>(((days - UnixEpochAsMoment) % 7 + 7 + 4) % 7);
    // Rounded to the millisecond, as the stored fraction is never exact.
    const int64_t milliseconds
        = std::min<int64_t>(std::llround(PositiveFraction(moment) * 86400000.0), 86399999);
    const int64_t seconds = milliseconds / 1000;
    parts.Hour = static_cast<int32_t>(seconds / 3600);
    parts.Minute = static_cast<int32_t>(seconds / 60 % 60);
    parts.Second = static_cast<int32_t>(seconds % 60);
    return parts;
}

double Now()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds
        = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count()
        % 1000;
    std::tm local {};
    if (const std::tm *converted = std::localtime(&seconds))
        local = *converted;
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
               local.tm_min, local.tm_sec)
        + static_cast<double>(milliseconds) / 86400000.0;
}

double PositiveFraction(double x)
{
    double whole = 0.0;
    const double fraction = std::modf(x, &whole);
    return fraction < 0.0 ? fraction + 1.0 : fraction;
}

int32_t DayOfYear(double moment)
{
    const TDateTimeParts parts = DecodeDateTime(moment);
    return static_cast<int32_t>(std::floor(moment) + 1 - EncodeDate(parts.Year, 1, 1));
}

int32_t HundredSecondsOfDay(double moment)
{
    return static_cast<int32_t>(PositiveFraction(moment) * 864.0);
}

std::string DateText(double moment)
{
    const TDateTimeParts parts = DecodeDateTime(moment);
    const std::string date
        = formatters().first ? formatters().first(parts) : englishLongDate(parts);
    return date + " (" + std::to_string(DayOfYear(moment)) + ")";
}

std::string TimeText(double moment)
{
    const TDateTimeParts parts = DecodeDateTime(moment);
    const std::string time
        = formatters().second ? formatters().second(parts) : englishLongTime(parts);
    return time + " (" + std::to_string(HundredSecondsOfDay(moment)) + ")";
}

std::string DateTimeText(double moment, const std::string &separator)
{
    return DateText(moment) + separator + TimeText(moment);
}
