// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The holiday rules as data: five groups of rows (name, date rule, region rule),
// applied in the order Easter, Advent, season, other days, fixed dates; each group
// walks its rows in stored order and adds one entry per row to a year table.
// Holidays that a law made for some years only are rows of year-bound region sets
// joined to a row's own set in the years they cover.

#include "krv_calendar.h"

#include <span>
#include <string_view>

namespace KRV_Calendar {

enum class TDateKind : std::uint8_t {
    Undefined,      // a name without a date rule: the build stops with an error
    EasterOffset,   // Easter Sunday + A days
    Fixed,          // A = month, B = day
    FourthAdvent,   // the last Sunday before 25 December
    BeforePrevious, // A days before the previous row's date
    LastSunday,     // the last Sunday of month A
    NthSunday,      // the B-th Sunday of month A
};

struct TDateRule {
    TDateKind Kind = TDateKind::Undefined;
    std::int32_t A = 0;
    std::int32_t B = 0;
};

enum class TRegionMode : std::uint8_t {
    Unchanged, // the day keeps the set of an earlier entry
    None,      // the day's set becomes empty
    Set,       // the day's set becomes the row's set of the year (replacing, not joining)
    Add,       // the row's set of the year joins the day's set; in a year where that
               // set is empty the row adds no entry at all
};

struct TRegionRule {
    TRegionMode Mode = TRegionMode::Unchanged;
    TRegionMask Mask = 0;
};

// Regions in which a law makes the row's day a public holiday in the years
// First..Last (inclusive).
struct TYearRegions {
    TRegionMask Mask = 0;
    std::int32_t First = 1;
    std::int32_t Last = 9999;
};

struct TRule {
    std::string_view Name; // UTF-8, as stored (most names end with a blank)
    TDateRule Date;
    TRegionRule Regions;
    std::span<const TYearRegions> ByYear{}; // joined to Regions.Mask in their years
};

// The row's region set in year: its own mask joined with every year-bound set that
// covers year. Meaningful for the modes Set and Add.
TRegionMask RegionsInYear(const TRule& row, std::int32_t year) noexcept;

struct TRuleGroup {
    std::span<const TRule> Rows;
    std::string_view Separator; // put in front of each name
    bool SetsWeek = true;       // entries store the ISO week of their date
};

struct TRuleSet {
    TRuleGroup Easter;
    TRuleGroup Advent;
    TRuleGroup Season;
    TRuleGroup Other;
    TRuleGroup Fixed;
};

// The calendar's rules.
const TRuleSet& StandardRules() noexcept;

// Adds one group's entries for year to table. A row whose date rule is Undefined
// throws CalendarError "<name> ist nicht als Feiertag definiert"; rows before it
// have been applied.
void ApplyGroup(TYear& table, std::int32_t year, const TRuleGroup& group);

void AddEasterDays(TYear& table, std::int32_t year, const TRuleSet& rules = StandardRules());
void AddAdventDays(TYear& table, std::int32_t year, const TRuleSet& rules = StandardRules());
void AddSeasonDays(TYear& table, std::int32_t year, const TRuleSet& rules = StandardRules());
void AddOtherDays(TYear& table, std::int32_t year, const TRuleSet& rules = StandardRules());
void AddFixedDays(TYear& table, std::int32_t year, const TRuleSet& rules = StandardRules());

// Empties table (names, regions, marks; weeks stay) and applies the five groups.
// Year is 0 while building and becomes year on success only.
void BuildYear(TYear& table, std::int32_t year, const TRuleSet& rules = StandardRules());

} // namespace KRV_Calendar
