#pragma once
// Date and time text for the error reports: a moment is counted in days since 30 December 1899,
// with the time of day as the fraction.

#include <cstdint>
#include <functional>
#include <string>

struct TDateTimeParts
{
    int32_t Year = 1899;
    int32_t Month = 12; // 1..12
    int32_t Day = 30; // 1..31
    int32_t DayOfWeek = 6; // 0 = Sunday
    int32_t Hour = 0;
    int32_t Minute = 0;
    int32_t Second = 0;
};

using TDateTimeFormatter = std::function<std::string(const TDateTimeParts &)>;

// The locale's long date and long time forms. The program installs formatters built on the
// user's locale; before that an English long form is used.
void SetLongDateTimeFormatters(TDateTimeFormatter longDate, TDateTimeFormatter longTime);
// Rewrites a long time pattern in the toolkit's letters ("h.mm.ss AP", "HH 'h' mm 'min' ss 's'")
// so that hours, minutes and seconds read as on a clock, separated by colons, whatever separators
// or unit words the locale uses. What stands before the hours and after the seconds (an AM/PM
// marker, the zone) stays.
std::string TimePatternWithColons(const std::string &pattern);
// The pattern without its time zone field and the brackets, comma and blank that frame it.
std::string TimePatternWithoutTimeZone(const std::string &pattern);

double EncodeDate(int32_t year, int32_t month, int32_t day);
double EncodeDateTime(
    int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);
TDateTimeParts DecodeDateTime(double moment);
double Now();

double PositiveFraction(double x);
int32_t DayOfYear(double moment);
int32_t HundredSecondsOfDay(double moment);

std::string DateText(double moment);
std::string TimeText(double moment);
std::string DateTimeText(double moment, const std::string &separator);
