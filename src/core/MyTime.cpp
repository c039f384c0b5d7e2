#include "core/MyTime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <utility>
#include <vector>

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

// A time pattern as the toolkit reads it: fields (runs of one pattern letter, "AP" as one) and
// literal text, quoted or not.
struct TPatternToken
{
    std::string Text;
    char Field = 0; // the pattern letter; 0 for literal text
    bool Quoted = false;

    bool IsBlank() const { return Field == 0 && !Quoted && Text == " "; }
    bool IsLiteral(char c) const { return Field == 0 && !Quoted && Text == std::string(1, c); }
};

bool isPatternLetter(char c)
{
    return c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 'z' || c == 't' || c == 'A'
        || c == 'a';
}

std::vector<TPatternToken> tokenizeTimePattern(const std::string &pattern)
{
    std::vector<TPatternToken> tokens;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t end = pattern.find('\'', i + 1);
            const std::size_t stop = end == std::string::npos ? pattern.size() : end + 1;
            tokens.push_back({pattern.substr(i, stop - i), 0, true});
            i = stop;
        } else if (isPatternLetter(c)) {
            std::size_t end = i + 1;
            while (end < pattern.size() && pattern[end] == c)
                ++end;
            if ((c == 'A' || c == 'a') && end < pattern.size()
                && (pattern[end] == 'P' || pattern[end] == 'p'))
                ++end;
            tokens.push_back({pattern.substr(i, end - i), c, false});
            i = end;
        } else {
            tokens.push_back({std::string(1, c), 0, false});
            ++i;
        }
    }
    return tokens;
}

std::string joinTokens(const std::vector<TPatternToken> &tokens, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to && i < tokens.size(); ++i)
        text += tokens[i].Text;
    return text;
}

std::size_t findField(
    const std::vector<TPatternToken> &tokens, std::size_t from, std::initializer_list<char> letters)
{
    for (std::size_t i = from; i < tokens.size(); ++i)
        for (const char letter : letters)
            if (tokens[i].Field == letter)
                return i;
    return tokens.size();
}

// Whether the literal text between the fields is made of words ("h", "min", "時") rather than
// punctuation: a locale that writes units writes one after the seconds too.
bool hasUnitWords(const std::vector<TPatternToken> &tokens, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        if (tokens[i].Field != 0)
            continue;
        if (tokens[i].Quoted)
            return true;
        for (const char c : tokens[i].Text)
            if (static_cast<unsigned char>(c) >= 0x80
                || std::isalnum(static_cast<unsigned char>(c)))
                return true;
    }
    return false;
}

// The index after the unit word that follows the last field, blanks before it included.
std::size_t afterUnitWord(const std::vector<TPatternToken> &tokens, std::size_t from)
{
    std::size_t start = from;
    while (start < tokens.size() && tokens[start].IsBlank())
        ++start;
    std::size_t end = start;
    while (end < tokens.size() && tokens[end].Field == 0 && !tokens[end].IsBlank())
        ++end;
    return end > start ? end : from;
}

} // namespace

void SetLongDateTimeFormatters(TDateTimeFormatter longDate, TDateTimeFormatter longTime)
{
    formatters() = {std::move(longDate), std::move(longTime)};
}

std::string TimePatternWithColons(const std::string &pattern)
{
    const std::vector<TPatternToken> tokens = tokenizeTimePattern(pattern);
    const std::size_t hour = findField(tokens, 0, {'h', 'H'});
    const std::size_t minute = findField(tokens, hour, {'m'});
    if (minute == tokens.size())
        return pattern;
    const std::size_t second = findField(tokens, minute, {'s'});
    const std::size_t last = second == tokens.size() ? minute : second;
    // Hours keep the locale's form (12 or 24, padded or not); minutes and seconds read as on a
    // clock.
    std::string result = joinTokens(tokens, 0, hour) + tokens[hour].Text + ":mm";
    if (second != tokens.size())
        result += ":ss";
    const std::size_t rest
        = hasUnitWords(tokens, hour + 1, last) ? afterUnitWord(tokens, last + 1) : last + 1;
    return result + joinTokens(tokens, rest, tokens.size());
}

std::string TimePatternWithoutTimeZone(const std::string &pattern)
{
    std::vector<TPatternToken> tokens = tokenizeTimePattern(pattern);
    const std::size_t zone = findField(tokens, 0, {'t'});
    if (zone == tokens.size())
        return pattern;
    // The zone goes with what only frames it: brackets around it, a comma and a blank before it.
    std::size_t first = zone;
    std::size_t end = zone + 1;
    const auto literalAt = [&](std::size_t i, std::initializer_list<char> chars) {
        for (const char c : chars)
            if (i < tokens.size() && tokens[i].IsLiteral(c))
                return true;
        return false;
    };
    if (first > 0 && literalAt(first - 1, {'(', '['}) && literalAt(end, {')', ']'})) {
        --first;
        ++end;
    }
    const std::size_t start = first;
    if (first > 0 && tokens[first - 1].IsBlank())
        --first;
    if (first > 0 && literalAt(first - 1, {','}))
        --first;
    if (first == start && end < tokens.size() && tokens[end].IsBlank())
        ++end;
    tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(first),
        tokens.begin() + static_cast<std::ptrdiff_t>(end));
    return joinTokens(tokens, 0, tokens.size());
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
