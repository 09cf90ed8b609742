// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The calendar arithmetic of the holiday calendar under the names its rules use; the
// arithmetic itself, and the one rounding rule of the date value, are the program's
// (calendar.h): days since 30.12.1899 plus the time of day as a fraction, the day being
// the whole part rounded towards minus infinity. Supported range 01.01.0001 (-693593)
// to 31.12.9999 (2958465). No clock, no locale.

#include "calendar.h"

#include <cstdint>

namespace KRV_Calendar {

inline constexpr std::int32_t kFirstDay = zuv::dates::kFirstDay; // 01.01.0001
inline constexpr std::int32_t kLastDay = zuv::dates::kLastDay;   // 31.12.9999

struct TDate {
    std::int32_t Year = 0;  // 1..9999 for values in range
    std::int32_t Month = 0; // 1..12
    std::int32_t Day = 0;   // 1..31
};

constexpr bool IsLeapYear(std::int32_t year) noexcept { return zuv::dates::isLeapYear(year); }

// 28..31.
constexpr std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) noexcept
{
    return zuv::dates::daysInMonth(year, month);
}

// Whole day number (days since 30.12.1899) of a valid y/m/d; any year, no range check.
constexpr std::int32_t DaySerial(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return zuv::dates::daySerial(year, month, day);
}

// The date of a whole day number; inverse of DaySerial.
constexpr TDate DateOfSerial(std::int32_t serial) noexcept
{
    const zuv::dates::Date d = zuv::dates::dateOfSerial(serial);
    return {d.year, d.month, d.day};
}

// ISO day of the week, Monday 1 .. Sunday 7.
constexpr std::int32_t IsoWeekday(std::int32_t serial) noexcept
{
    return zuv::dates::isoWeekday(serial);
}

// Day of the year, 1..365 or 1..366 in a leap year.
constexpr std::int32_t DayOfYear(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return zuv::dates::dayOfYear(year, month, day);
}

// Number of ISO 8601 weeks in a year, 52 or 53.
constexpr std::int32_t IsoWeeksInYear(std::int32_t year) noexcept
{
    return zuv::dates::isoWeeksInYear(year);
}

// ISO 8601 week number (1..53) of a day given by year, day of year and ISO weekday.
constexpr std::int32_t IsoWeek(std::int32_t year, std::int32_t dayOfYear, std::int32_t weekday) noexcept
{
    return zuv::dates::isoWeek(year, dayOfYear, weekday);
}

// Date value of a y/m/d (whole day, no fraction).
constexpr double DateValue(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return zuv::dates::dateValue(year, month, day);
}

// The day of a date value (zuv::dates::dayNumber). Throws CalendarError (krv_calendar.h)
// when the value is not finite or lies outside 01.01.0001 .. 31.12.9999.
std::int32_t WholeDay(double date);

} // namespace KRV_Calendar
