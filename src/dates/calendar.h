// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Calendar arithmetic of the whole program, on the proleptic Gregorian calendar and the
// date value: a double counting days since 30.12.1899 (0.0 = 30.12.1899 00:00,
// 1.5 = 31.12.1899 12:00, -0.25 = 29.12.1899 18:00). A value is the day plus the time of
// day as a fraction, on both sides of 0, so its day is the whole part rounded towards
// minus infinity (dayNumber); no other rounding is used anywhere.
// Day serials are whole day numbers on the same scale. Valid calendar dates run from
// 01.01.0001 (kFirstDay) to 31.12.9999 (kLastDay). No clock, no locale, no Qt.

#include <cmath>
#include <cstdint>
#include <optional>

namespace zuv::dates {

inline constexpr std::int32_t kFirstDay = -693593; // 01.01.0001
inline constexpr std::int32_t kLastDay = 2958465;  // 31.12.9999

struct Date {
    std::int32_t year = 0;  // 1..9999 for days in range
    std::int32_t month = 0; // 1..12
    std::int32_t day = 0;   // 1..31
    bool operator==(const Date&) const = default;
};

constexpr bool isLeapYear(std::int32_t year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// 28..31 for month 1..12; 0 for any other month.
constexpr std::int32_t daysInMonth(std::int32_t year, std::int32_t month) noexcept
{
    constexpr std::int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

constexpr std::int32_t daysInYear(std::int32_t year) noexcept
{
    return isLeapYear(year) ? 366 : 365;
}

// Day serial of a valid y/m/d; any year (year 0 is 1 BC), no range check.
constexpr std::int32_t daySerial(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    // Counts from 1 March of year 0 so that the leap day ends each 400-year cycle.
    const std::int32_t y = month <= 2 ? year - 1 : year;
    const std::int32_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int32_t yoe = y - era * 400;
    const std::int32_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 693899; // 693899 = days from 01.03.0000 to 30.12.1899
}

// The date of a day serial; inverse of daySerial.
constexpr Date dateOfSerial(std::int32_t serial) noexcept
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

// ISO day of the week of a serial, Monday 1 .. Sunday 7 (30.12.1899 was a Saturday).
constexpr std::int32_t isoWeekday(std::int32_t serial) noexcept
{
    const std::int32_t r = (serial + 5) % 7;
    return (r < 0 ? r + 7 : r) + 1;
}

// Day of the year, 1..365, or 1..366 in a leap year.
constexpr std::int32_t dayOfYear(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    constexpr std::int32_t before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[month - 1] + day + (month > 2 && isLeapYear(year) ? 1 : 0);
}

// Number of ISO 8601 weeks of a year: 53 when it begins on a Thursday, or on a
// Wednesday in a leap year; otherwise 52.
constexpr std::int32_t isoWeeksInYear(std::int32_t year) noexcept
{
    const auto p = [](std::int32_t y) { return (y + y / 4 - y / 100 + y / 400) % 7; };
    return p(year) == 4 || p(year - 1) == 3 ? 53 : 52;
}

// ISO 8601 week number (1..53) of a day given by its year, day of the year and ISO
// weekday. Early-January days before week 1 get the last week of the year before,
// late-December days after the year's last week get 1.
constexpr std::int32_t isoWeek(std::int32_t year, std::int32_t yearDay, std::int32_t weekday) noexcept
{
    const std::int32_t week = (yearDay - weekday + 10) / 7; // 0..53
    if (week < 1)
        return isoWeeksInYear(year - 1);
    if (week == 53 && isoWeeksInYear(year) == 52)
        return 1;
    return week;
}

// ISO 8601 week number of a day serial.
constexpr std::int32_t isoWeekOfSerial(std::int32_t serial) noexcept
{
    const Date d = dateOfSerial(serial);
    return isoWeek(d.year, dayOfYear(d.year, d.month, d.day), isoWeekday(serial));
}

// Date value of a y/m/d at midnight.
constexpr double dateValue(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return static_cast<double>(daySerial(year, month, day));
}

// The day a date value falls on: its whole part rounded towards minus infinity, so that
// a day plus a time fraction maps back to that day before 1899 too. nullopt for a value
// that is not finite or lies outside 01.01.0001 .. 31.12.9999 (time of day included).
// Inline: the holiday calendar asks it for every day it hands out.
inline std::optional<std::int32_t> dayNumber(double value) noexcept
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double day = std::floor(value);
    if (day < kFirstDay || day > kLastDay)
        return std::nullopt;
    return static_cast<std::int32_t>(day);
}

// The day serial of Easter Sunday (Gregorian computus) of year 1..9999; nullopt for
// other years.
std::optional<std::int32_t> easterSunday(std::int32_t year) noexcept;

} // namespace zuv::dates
