// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Calendar arithmetic of the holiday calendar on the shared date value:
// a double counting days since 30.12.1899 (0.0 = 30.12.1899, 1.0 = 31.12.1899),
// whose whole part (truncated towards zero) is the day. Proleptic Gregorian
// calendar; the supported range is 01.01.0001 (-693593) to 31.12.9999 (2958465).
// No clock, no locale.

#include <cstdint>

namespace KRV_Calendar {

inline constexpr std::int32_t kFirstDay = -693593; // 01.01.0001
inline constexpr std::int32_t kLastDay = 2958465;  // 31.12.9999

struct TDate {
    std::int32_t Year = 0;  // 1..9999 for values in range
    std::int32_t Month = 0; // 1..12
    std::int32_t Day = 0;   // 1..31
};

constexpr bool IsLeapYear(std::int32_t year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// 28..31.
constexpr std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) noexcept
{
    constexpr std::int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

// Whole day number (days since 30.12.1899) of a valid y/m/d; any year, no range check.
constexpr std::int32_t DaySerial(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    // Counts from 1 March of year 0 so that the leap day ends each cycle.
    const std::int32_t y = month <= 2 ? year - 1 : year;
    const std::int32_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int32_t yoe = y - era * 400;
    const std::int32_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 693899; // 693899 = days from 01.03.0000 to 30.12.1899
}

// The date of a whole day number; inverse of DaySerial.
constexpr TDate DateOfSerial(std::int32_t serial) noexcept
{
    const std::int32_t z = serial + 693899;
    const std::int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int32_t doe = z - era * 146097;
    const std::int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int32_t mp = (5 * doy + 2) / 153;
    const std::int32_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int32_t month = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// ISO day of the week, Monday 1 .. Sunday 7 (30.12.1899 was a Saturday).
constexpr std::int32_t IsoWeekday(std::int32_t serial) noexcept
{
    const std::int32_t r = (serial + 5) % 7;
    return (r < 0 ? r + 7 : r) + 1;
}

// Day of the year, 1..365 or 1..366 in a leap year.
constexpr std::int32_t DayOfYear(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    constexpr std::int32_t before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[month - 1] + day + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

// Number of ISO 8601 weeks in a year: 53 when it begins on a Thursday, or on a
// Wednesday in a leap year; otherwise 52.
constexpr std::int32_t IsoWeeksInYear(std::int32_t year) noexcept
{
    const auto p = [](std::int32_t y) { return (y + y / 4 - y / 100 + y / 400) % 7; };
    return p(year) == 4 || p(year - 1) == 3 ? 53 : 52;
}

// ISO 8601 week number (1..53) of a day given by year, day of year and ISO weekday.
// Early-January days before week 1 get the last week of the previous year,
// late-December days after the last week get 1.
constexpr std::int32_t IsoWeek(std::int32_t year, std::int32_t dayOfYear, std::int32_t weekday) noexcept
{
    const std::int32_t week = (dayOfYear - weekday + 10) / 7; // 0..53
    if (week < 1)
        return IsoWeeksInYear(year - 1);
    if (week == 53 && IsoWeeksInYear(year) == 52)
        return 1;
    return week;
}

// Date value of a y/m/d (whole day, no fraction).
constexpr double DateValue(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return static_cast<double>(DaySerial(year, month, day));
}

// Whole day of a date value, truncated towards zero as the date value defines it.
// Throws CalendarError (krv_calendar.h) when the value is not finite or lies
// outside 01.01.0001 .. 31.12.9999.
std::int32_t WholeDay(double date);

} // namespace KRV_Calendar
