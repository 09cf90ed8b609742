// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The month grid as the grid table CLDBildkalender stores it: one row per calendar week
// that holds a day of the month, with the ISO week number and the day numbers under their
// weekday as text, holidays of the chosen federal state marked with a trailing "x", and the
// month's holiday line. It is written from the month page (monthpage.h).

#include "table.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace zuv::photo {

struct MonthPage;

// Field list of the grid table CLDBildkalender: "KW" and "Mo" .. "So". A weekday's field
// index equals its ISO day of the week (Monday 1 .. Sunday 7).
std::vector<zuv::store::FieldDef> bildkalenderFields();

struct GridRow {
    QString week;                 // "KW": ISO week number of the row's first day in the month
    std::array<QString, 8> cells; // index 1..7 = Monday..Sunday; empty = day outside the month;
                                  // index 0 unused
    bool operator==(const GridRow&) const = default;
};

struct MonthGrid {
    std::vector<GridRow> rows;    // 4 to 6 rows in date order
    QString holidayLine;          // empty when the month has no marked holiday
    bool operator==(const MonthGrid&) const = default;
};

// Lays out month (1..12) of year (1..9999) for the federal state at statePosition (0..15,
// position in zuv::core::federalStates()); stateText is the state box's text as typed and
// goes into the holiday line's prefix. A day is marked when the holiday calendar calls it
// a public holiday of that state and gives it a name. Throws zuv::core::Error for a month,
// year or position out of range.
MonthGrid buildMonthGrid(int year, int month, int statePosition, const QString& stateText);

// The same for any region of the holiday calendar by its code ("BY", "A", "W"); regionName
// goes into the holiday line's prefix. Throws zuv::core::Error for an unknown code.
MonthGrid buildMonthGridForRegion(int year, int month, const QString& regionCode,
                                  const QString& regionName);

// The grid of a month page: day numbers as text, "x" after a holiday.
MonthGrid gridOf(const MonthPage& page);

// Appends the grid's rows to the grid table in order; days outside the month stay empty
// (null values).
void appendGrid(zuv::store::Table& table, const MonthGrid& grid);

// The entry of a drop-down list that a typed text stands for: the exact entry first, else
// the one entry equal to it when blanks at both ends and letter case are ignored.
std::optional<int> entryIndex(const QStringList& entries, const QString& text);

// The month box's entries in the program's language; the German "Februar " keeps its
// trailing blank.
QStringList monthBoxEntries();

} // namespace zuv::photo
