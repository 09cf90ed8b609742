// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar arithmetic against a naive day-by-day walk of the calendar, and the one
// rounding rule of the date value at its edges.

#include "calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zuv::dates;

namespace {

// The walk counts days one by one from 01.01.0001 (a Monday in the proleptic Gregorian
// calendar), using nothing but the month lengths: serials, dates and weekdays must follow.
TEST(DatesCalendar, EveryDayFollowsANaiveWalk)
{
    Date walk{1, 1, 1};
    std::int32_t weekday = 1;
    int failures = 0;
    for (std::int32_t serial = kFirstDay; serial <= kLastDay && failures < 5; ++serial) {
        if (daySerial(walk.year, walk.month, walk.day) != serial || dateOfSerial(serial) != walk
            || isoWeekday(serial) != weekday) {
            ++failures;
            ADD_FAILURE() << walk.year << '-' << walk.month << '-' << walk.day << " serial " << serial;
        }
        weekday = weekday % 7 + 1;
        if (++walk.day > daysInMonth(walk.year, walk.month)) {
            walk.day = 1;
            if (++walk.month > 12) {
                walk.month = 1;
                ++walk.year;
            }
        }
    }
    EXPECT_EQ(walk, (Date{10000, 1, 1}));
}

TEST(DatesCalendar, MonthLengths)
{
    // Gregorian rule: every 4th year, not every 100th, but every 400th.
    const struct { std::int32_t y, m, days; } cases[] = {
        {2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29}, {2023, 4, 30}, {2023, 12, 31},
        {2023, 0, 0},  {2023, 13, 0}, // no month: no days, never a read outside the table
    };
    for (const auto& c : cases)
        EXPECT_EQ(daysInMonth(c.y, c.m), c.days) << c.y << '-' << c.m;
}

// ISO 8601 weeks at the turn of the year (each date checked on a printed calendar).
TEST(DatesCalendar, IsoWeeksAroundNewYear)
{
    const struct { std::int32_t y, m, d, week; } cases[] = {
        {2021, 1, 1, 53}, {2027, 1, 1, 53}, {2024, 12, 31, 1}, {2026, 1, 1, 1},
        {2020, 12, 31, 53}, {2025, 12, 29, 1}, {2016, 1, 3, 53}, {2016, 1, 4, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isoWeekOfSerial(daySerial(c.y, c.m, c.d)), c.week) << c.y << '-' << c.m << '-' << c.d;
}

// The day of a date value. A value is the day plus the time of day, before 1899 too:
// 29.12.1899 18:00 is -1 + 0.75 = -0.25, and it must come back as 29.12.1899.
TEST(DatesCalendar, DayNumberRoundsTowardsMinusInfinity)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double value; std::optional<std::int32_t> day; } cases[] = {
        {45000.99, 45000},
        {0.0, 0},
        {-0.25, -1},           // 29.12.1899 18:00
        {-1.0, -1},
        {-1.5, -2},            // 28.12.1899 12:00
        {kFirstDay + 0.5, kFirstDay},
        {kFirstDay - 0.5, std::nullopt}, // 31.12.0000 12:00: before the calendar
        {kLastDay + 0.99, kLastDay},
        {kLastDay + 1.0, std::nullopt},
        {std::nan(""), std::nullopt},
        {-inf, std::nullopt},
        {1e300, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dayNumber(c.value), c.day) << c.value;
}

TEST(DatesCalendar, EasterOnlyInTheCalendarYears)
{
    EXPECT_EQ(easterSunday(2025), daySerial(2025, 4, 20)); // published table
    EXPECT_EQ(easterSunday(0), std::nullopt);
    EXPECT_EQ(easterSunday(10000), std::nullopt);
}

} // namespace
