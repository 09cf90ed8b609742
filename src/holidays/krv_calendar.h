// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// KRV_Calendar: what a day is in one of 54 holiday regions of Germany, Austria and
// Switzerland - its ISO 8601 week number, the names of its holidays and special
// days, and whether it is a public holiday in the region.
//
// How the photo calendar asks, once per day of the laid-out month:
//
//     const std::uint8_t region = KRV_Calendar::RegionIndex("BY");   // state code
//     KRV_Calendar::TDayInfo info;                                     // caller-owned
//     KRV_Calendar::GetDayInfo(region, info, KRV_Calendar::DateValue(2024, 12, 25));
//     bool marked = info.IsHoliday && !info.Names.empty();
//     // info.Week is the week column, info.Names the text for the holiday line.
//
// The year calendar and the exports ask for a whole year at once:
//
//     std::vector<KRV_Calendar::TDayInfo> days;                         // caller-owned
//     KRV_Calendar::GetYearInfo(KRV_Calendar::RegionIndex("BY"), 2025, days);
//     // days[0] is 1 January, days[days.size() - 1] 31 December.
//
// Each calling thread gets its own calendar (HolidayCalendar in holidaycalendar.h,
// DefaultCalendar()), which keeps the tables of the last few years it built
// (kKeptYears); a query of a kept year copies the asked day out without a rebuild, so a
// caller may move between a few years (a month page, the year calendar, the week row
// across New Year) at no cost. The GUI thread and a PDF worker never share a table.
// No clock, no locale, no Qt. Texts are UTF-8.

#include "krv_date.h"
#include "krv_regions.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace KRV_Calendar {

// Errors of the calendar; what() is a UTF-8 German text.
class CalendarError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One day. In the year table IsHoliday means "carries at least one entry"; in a copy
// handed out by GetDayInfo it means "public holiday in the asked region".
struct TDayInfo {
    std::bitset<56> Regions; // region indices 0..53 in which the day is a public holiday
    bool IsHoliday = false;
    std::string Names;       // names joined with their separators; may begin with a blank
    std::int8_t Week = 0;    // ISO 8601 week number, 1..53

    bool operator==(const TDayInfo&) const = default;
};

// How many built years a calendar keeps; the least recently asked one is rebuilt
// for a year not kept.
inline constexpr std::size_t kKeptYears = 4;

// The year table: Days indexed by day of the year 1..366 (Day(366) unused in a
// common year). Year is 0 before the first build and while a build is running.
struct TYear {
    std::int32_t Year = 0;
    std::array<TDayInfo, 366> Days;

    TDayInfo& Day(std::int32_t dayOfYear) { return Days[static_cast<std::size_t>(dayOfYear - 1)]; }
    const TDayInfo& Day(std::int32_t dayOfYear) const
    {
        return Days[static_cast<std::size_t>(dayOfYear - 1)];
    }
};

// Index 0..53 of a region code in kRegionCodes, compared exactly (case-sensitive).
// An unknown or empty code gives 0 ("BU", the holidays common to all of Germany).
std::uint8_t RegionIndex(std::string_view code) noexcept;

// The functions below work on the calling thread's DefaultCalendar().
// Overwrites info with the record of the day of date (a date value, see krv_date.h),
// its IsHoliday answered for region (false for indices above 53). Throws
// CalendarError for a date outside 01.01.0001 .. 31.12.9999 and when the rule tables
// are inconsistent; info is then unchanged.
void GetDayInfo(std::uint8_t region, TDayInfo& info, double date);

// The whole year (1..9999) as region sees it (an index 0..53 from RegionIndex: the
// German federal states are 1..16, Austria 17..26, Switzerland 27..53, see
// kRegionCodes; 54..255 are never public holidays): days is resized to 365, or 366 in a leap year, and
// days[i] is the record of 1 January + i days, equal to what GetDayInfo(region, ...,
// that day) gives:
//   Names      the names of the day's holidays and special days (UTF-8, with their
//              separators; empty on a day without entry);
//   Week       its ISO 8601 week number, 1..53 (early January may be 52 or 53 of
//              the year before, late December 1 of the next);
//   IsHoliday  the mark: a public holiday in region (a day with names but no mark
//              is a special day, such as "Valentinstag ");
//   Regions    every region in which it is a public holiday.
// The strings of days are reused. Throws CalendarError for a year outside 1..9999;
// days is then unchanged.
void GetYearInfo(std::uint8_t region, std::int32_t year, std::vector<TDayInfo>& days);
std::vector<TDayInfo> GetYearInfo(std::uint8_t region, std::int32_t year);

// Rebuilds the calendar's table of year (1..9999) - a kept one, or the least recently
// asked one: empties every day's names, regions and mark (weeks stay) and applies the
// holiday rules (krv_rules.h). The rebuilt table becomes YearTable().
void BuildYear(std::int32_t year);

// The table of the year built or asked for last, for inspection.
const TYear& YearTable() noexcept;

// Date value of Easter Sunday (Gregorian calendar) of year, for years 1..9999.
// Throws CalendarError for other years.
double OsterSonn(std::int32_t year);

} // namespace KRV_Calendar
