// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The twelve months a year calendar runs through: from any first month on, so a school
// year runs from August to the July after. The calendar's year is the year of its first
// month; the cover names both years when the months reach into the next ("2027/28").

#include <QString>
#include <array>
#include <optional>

namespace zuv::yearcal {

struct CalendarMonth {
    int year = 0;
    int month = 0;   // 1..12
    bool operator==(const CalendarMonth&) const = default;
};

// The twelve months from firstMonth (1..12) of year on, in page order. Throws
// zuv::core::Error with a German message for a first month out of range or when a month
// would lie after the year 9999.
std::array<CalendarMonth, 12> calendarMonths(int year, int firstMonth);

// "2027" for a calendar from January, "2027/28" otherwise ("1999/00" at a century's turn).
QString spanTitle(int year, int firstMonth);

// The first month a text gives ("1" .. "12", blanks at both ends allowed); nullopt otherwise.
std::optional<int> firstMonthFromText(const QString& text);
// "Der erste Monat \"13\" ist ungültig: erlaubt sind 1 (Januar) bis 12 (Dezember)."
QString firstMonthProblem(const QString& text);

} // namespace zuv::yearcal
