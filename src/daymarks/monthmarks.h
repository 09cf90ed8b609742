// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a calendar page may show beside the holidays of its region, each switched on by
// itself: the four main moon phases, the holidays of a second region (for families across
// a border and commuters), and bridge days. A plain value per month with the marks by day
// and the text lines under the grid; nothing here paints.
//
//     MarkOptions options{.moonPhases = true, .secondRegion = "W", .bridgeDays = true};
//     const MonthMarks marks = buildMonthMarks(2027, 10, "BY", "Bayern", options);
//     marks.holidayLine   // "Feiertage in Bayern:   03. Tag der Deutschen Einheit   26. Nationalfeiertag (W)"
//     marks.moonLine      // "Mondphasen: 06. Neumond  13. Erstes Viertel  ..."
//
// Asks the holiday calendar, which is not reentrant: call on one thread at a time.

#include "moonphases.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace zuv::daymarks {

struct MarkOptions {
    bool moonPhases = false;
    QString secondRegion;       // code of the holiday calendar ("W", "SN"); empty: none
    bool bridgeDays = false;
    bool operator==(const MarkOptions&) const = default;
};

// A day of the month with its marks; index 1..31 of MonthMarks::days (0 unused).
struct DayMarks {
    std::optional<zuv::astronomy::MoonPhase> moon;
    bool holiday = false;              // public holiday of the first region
    bool secondRegionOnly = false;     // public holiday of the second region only
    bool bridgeDay = false;
    bool operator==(const DayMarks&) const = default;
};

struct MonthMarks {
    int year = 0;
    int month = 0;
    std::array<DayMarks, 32> days{};
    QString secondRegionCode;   // the tag of the second region's own holidays; empty: none
    // The month's holidays of the first region; with a second region also the days that are
    // holidays only there, each followed by that region's code in parentheses. Days that are
    // holidays in both appear once, untagged. Empty when the month has none.
    QString holidayLine;
    QString moonLine;     // "Mondphasen: 07. Neumond  15. Erstes Viertel ..."; empty if off
    QString bridgeLine;   // "Brückentage: 07. 28."; empty if off or none
    bool operator==(const MonthMarks&) const = default;
};

// Codes accepted as a second region: the German federal states, Germany as a whole,
// Austria and its federal states.
bool isSecondRegionCode(const QString& code);

// Refuses a second region that is unknown or equal to the first with a German message
// (zuv::core::Error). An empty second region is accepted (none).
void checkSecondRegion(const QString& firstRegion, const QString& secondRegion);

// Days (1..31) of month (1..12) of year that are bridge days in region: working days
// (Monday to Friday, no public holiday there) with a public holiday on one side and the
// weekend on the other, that is a Friday after a Thursday holiday and a Monday before a
// Tuesday holiday. The holiday may lie in the month or year next to it.
std::vector<int> bridgeDaysInMonth(int year, int month, const QString& regionCode);

// "Mondphasen: 07. Neumond  15. Erstes Viertel"; empty for no events.
QString moonLine(const std::vector<zuv::astronomy::MoonEvent>& events);
// "Brückentage: 07. 28."; empty for no days.
QString bridgeLine(const std::vector<int>& days);

// Builds the marks of month (1..12) of year (1..9999) for regionCode, whose holiday line
// begins "Feiertage in <regionName>: ". Throws zuv::core::Error for a month or year out of
// range, an unknown region, or a second region refused by checkSecondRegion.
MonthMarks buildMonthMarks(int year, int month, const QString& regionCode,
                           const QString& regionName, const MarkOptions& options);
// The twelve months at once (index 0 = January), asking for the year's phases and holidays
// only once; each equals buildMonthMarks of its month.
std::array<MonthMarks, 12> buildYearMarks(int year, const QString& regionCode,
                                          const QString& regionName, const MarkOptions& options);

} // namespace zuv::daymarks
