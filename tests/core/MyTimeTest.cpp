#include "core/MyTime.h"

#include <gtest/gtest.h>

TEST(MyTime, EnglishLongFormWithDayOfYearAndHundredSeconds)
{
    const double moment = EncodeDateTime(2026, 12, 7, 0, 5, 44);
    EXPECT_EQ(DateText(moment), "Monday, December 07, 2026 (341)");
    EXPECT_EQ(TimeText(moment), "12:05:44 AM (3)");
    EXPECT_EQ(
        DateTimeText(moment, " \x7f "), "Monday, December 07, 2026 (341) \x7f 12:05:44 AM (3)");
}

TEST(MyTime, IntervalsAndDaysAtTheEdgesOfDayAndYear)
{
    EXPECT_EQ(HundredSecondsOfDay(EncodeDateTime(2024, 3, 1, 0, 1, 39)), 0);
    EXPECT_EQ(HundredSecondsOfDay(EncodeDateTime(2024, 3, 1, 0, 1, 40)), 1);
    EXPECT_EQ(HundredSecondsOfDay(EncodeDateTime(2024, 3, 1, 23, 59, 59)), 863);
    EXPECT_EQ(DayOfYear(EncodeDateTime(2025, 1, 1, 23, 0, 0)), 1);
    EXPECT_EQ(DayOfYear(EncodeDate(2024, 12, 31)), 366);
    EXPECT_EQ(DayOfYear(EncodeDate(2023, 12, 31)), 365);
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
}

TEST(MyTime, PositiveFractionOfNegativeMomentsStaysBelowOne)
{
    EXPECT_DOUBLE_EQ(PositiveFraction(2.25), 0.25);
    EXPECT_DOUBLE_EQ(PositiveFraction(-0.25), 0.75);
    EXPECT_DOUBLE_EQ(PositiveFraction(-3.0), 0.0);
    // Before 1899-12-30 the time of day still counts forward from midnight.
    const TDateTimeParts parts = DecodeDateTime(-1.25);
    EXPECT_EQ(parts.Year, 1899);
    EXPECT_EQ(parts.Day, 28);
    EXPECT_EQ(parts.Hour, 18);
}

TEST(MyTime, LocaleFormattersAreUsedAndTimeSeparatorsBecomeColons)
{
    EXPECT_EQ(TimePatternWithColons("HH.mm.ss"), "HH:mm:ss");
    EXPECT_EQ(TimePatternWithColons("h:mm:ss AP"), "h:mm:ss AP");
    EXPECT_EQ(TimePatternWithColons("hh.mm.ss t"), "hh:mm:ss t");
    EXPECT_EQ(TimePatternWithColons("H 'h' mm"), "H:mm");
    EXPECT_EQ(TimePatternWithColons("H:mm:ss 'ч'."), "H:mm:ss 'ч'.") << "a suffix, not a unit";
    // Locales that name the units: Canadian French, Korean, Japanese and Lao.
    EXPECT_EQ(TimePatternWithColons("HH 'h' mm 'min' ss 's' t"), "HH:mm:ss t");
    EXPECT_EQ(TimePatternWithColons("AP h시 m분 s초"), "AP h:mm:ss");
    EXPECT_EQ(TimePatternWithColons("H時mm分ss秒"), "H:mm:ss");
    EXPECT_EQ(TimePatternWithColons("H ໂມງ m ນາທີ ss ວິນາທີ AP"), "H:mm:ss AP");
    EXPECT_EQ(TimePatternWithColons("'at' mm"), "'at' mm") << "no hours";

    EXPECT_EQ(TimePatternWithoutTimeZone("H:mm:ss (t)"), "H:mm:ss");
    EXPECT_EQ(TimePatternWithoutTimeZone("h:mm:ss AP, t"), "h:mm:ss AP");
    EXPECT_EQ(TimePatternWithoutTimeZone("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(TimePatternWithoutTimeZone("HH:mm:ss 'at' t"), "HH:mm:ss 'at'");

    SetLongDateTimeFormatters(
        [](const TDateTimeParts &p) {
            return std::to_string(p.Day) + "." + std::to_string(p.Month);
        },
        [](const TDateTimeParts &p) { return std::to_string(p.Hour) + "h"; });
    const double moment = EncodeDateTime(2026, 2, 3, 14, 0, 0);
    EXPECT_EQ(DateTimeText(moment, "|"), "3.2 (34)|14h (504)");
    SetLongDateTimeFormatters(nullptr, nullptr);
}
