// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Holidays that the holiday laws made or ended in a given year, at the years where
// they change, with a region beside each that must not change.

#include "holiday_expect.h"
#include "krv_calendar.h"
#include "krv_rules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace KRV_Calendar;
namespace he = holiday_expect;

namespace {

struct LawCase {
    const char* code;
    int y, m, d;
    bool holiday;
    const char* names; // the day's text; nullptr where another test covers it
};

void CheckLawCases(const char* law, const std::vector<LawCase>& cases)
{
    for (const LawCase& c : cases) {
        TDayInfo info;
        GetDayInfo(RegionIndex(c.code), info, DateValue(c.y, c.m, c.d));
        EXPECT_EQ(info.IsHoliday, c.holiday) << law << ": " << c.code << ' ' << c.y << '-' << c.m << '-' << c.d;
        if (c.names != nullptr) {
            EXPECT_EQ(info.Names, c.names) << law << ": " << c.y << '-' << c.m << '-' << c.d;
        }
    }
}

} // namespace

// Dates of the changes from the states' holiday laws; Repentance Day dates from the
// calendars of those years (the Wednesday before the last Sunday before Advent).
TEST(HolidayLaws, ReformationDay)
{
    CheckLawCases("Brandenburg and Mecklenburg-Vorpommern from 1990", {
        {"BB", 1989, 10, 31, false, " Reformationstag "},
        {"BB", 1990, 10, 31, true, " Reformationstag "},
        {"MV", 1989, 10, 31, false, nullptr},
        {"MV", 1990, 10, 31, true, nullptr},
        {"SN", 1989, 10, 31, true, nullptr},
        {"BE", 1990, 10, 31, false, nullptr},
    });
    CheckLawCases("every state in 2017 only", {
        {"BU", 2016, 10, 31, false, nullptr}, {"BU", 2017, 10, 31, true, nullptr},
        {"BU", 2018, 10, 31, false, nullptr},
        {"BY", 2016, 10, 31, false, nullptr}, {"BY", 2017, 10, 31, true, nullptr},
        {"BY", 2018, 10, 31, false, nullptr},
        {"BE", 2017, 10, 31, true, nullptr},  {"BE", 2018, 10, 31, false, nullptr},
        {"A", 2017, 10, 31, false, nullptr},  {"CH", 2017, 10, 31, false, nullptr},
    });
    std::vector<LawCase> north;
    for (const char* code : {"HB", "HH", "NS", "SH"})
        for (const auto& [year, holiday] : {std::pair{2016, false}, {2017, true}, {2018, true}, {2019, true}})
            north.push_back({code, year, 10, 31, holiday, nullptr});
    north.push_back({"NW", 2018, 10, 31, false, nullptr});
    north.push_back({"HB", 2021, 10, 31, true, "Winterzeit(-1Std.) Reformationstag "});
    CheckLawCases("Bremen, Hamburg, Niedersachsen, Schleswig-Holstein from 2018", north);
}

TEST(HolidayLaws, RepentanceDay)
{
    CheckLawCases("every state 1990 to 1994, then Saxony only", {
        {"BY", 1989, 11, 22, false, "Buß & Bettag "},
        {"SN", 1989, 11, 22, true, nullptr},
        {"BY", 1990, 11, 21, true, "Buß & Bettag "},
        {"BU", 1990, 11, 21, true, nullptr},
        {"BE", 1990, 11, 21, true, nullptr},
        {"HH", 1994, 11, 16, true, nullptr},
        {"BU", 1994, 11, 16, true, nullptr},
        {"BY", 1995, 11, 22, false, nullptr},
        {"BU", 1995, 11, 22, false, nullptr},
        {"SN", 1995, 11, 22, true, nullptr},
        {"A", 1990, 11, 21, false, nullptr},
    });
}

TEST(HolidayLaws, AustriaAsAWhole)
{
    CheckLawCases("St Stephen's Day and All Saints' Day in Austria every year", {
        {"A", 1989, 12, 26, true, "2.Weihnachtstag"},
        {"A", 2023, 12, 26, true, nullptr},
        {"W", 2023, 12, 26, true, nullptr},
        {"CH", 2023, 12, 26, false, nullptr},
        {"A", 1990, 11, 1, true, " Allerheiligen "},
        {"A", 2024, 11, 1, true, nullptr},
        {"CH", 2024, 11, 1, false, nullptr},
        {"BE", 2024, 11, 1, false, nullptr},
    });
}

TEST(HolidayLaws, NewEntries)
{
    CheckLawCases("Women's Day: Berlin from 2019, Mecklenburg-Vorpommern from 2023", {
        {"BE", 2018, 3, 8, false, ""},
        {"BE", 2019, 3, 8, true, " Frauentag "},
        {"MV", 2019, 3, 8, false, " Frauentag "},
        {"MV", 2022, 3, 8, false, nullptr},
        {"MV", 2023, 3, 8, true, nullptr},
        {"BE", 2023, 3, 8, true, nullptr},
        {"BB", 2023, 3, 8, false, nullptr},
    });
    CheckLawCases("Liberation Day: Berlin 2020 and 2025", {
        {"BE", 2019, 5, 8, false, ""},
        {"BE", 2020, 5, 8, true, " Tag der Befreiung "},
        {"BE", 2021, 5, 8, false, ""},
        {"BE", 2024, 5, 8, false, ""},
        {"BE", 2025, 5, 8, true, " Tag der Befreiung "},
        {"BE", 2026, 5, 8, false, ""},
        {"BB", 2020, 5, 8, false, " Tag der Befreiung "},
    });
    CheckLawCases("Swiss National Day from 1994", {
        {"CH", 1993, 8, 1, false, ""},
        {"CH", 1994, 8, 1, true, " Bundesfeier "},
        {"ZZH", 1994, 8, 1, true, nullptr},
        {"AAG", 1993, 8, 1, false, nullptr},
        {"TTI", 2024, 8, 1, true, nullptr},
        {"BU", 1994, 8, 1, false, nullptr},
        {"A", 2024, 8, 1, false, nullptr},
    });
    CheckLawCases("Children's Day: Thuringia from 2019", {
        {"TH", 2018, 9, 20, false, ""},
        {"TH", 2019, 9, 20, true, " Weltkindertag "},
        {"TH", 2035, 9, 20, true, nullptr},
        {"SN", 2019, 9, 20, false, nullptr},
    });
}

// A new entry joins its regions to those of an earlier entry of the same day: Easter
// Sunday 25 April 2038 puts Rosenmontag on 8 March.
TEST(HolidayLaws, NewEntryJoinsTheDaysRegions)
{
    TDayInfo info;
    GetDayInfo(RegionIndex("NW"), info, DateValue(2038, 3, 8));
    EXPECT_EQ(info.Names, " Rosenmontag  Frauentag ");
    EXPECT_EQ(info.Regions, he::Codes({"NW", "GGL", "SSZ", "BE", "MV"}));
    EXPECT_TRUE(info.IsHoliday);
    EXPECT_EQ(info.Week, 10);
}

// The adding rule on a table of its own: an added set joins, a later set replaces, and
// an added row without regions in the year leaves the day untouched.
TEST(HolidayLaws, AddingRuleOnItsOwnTable)
{
    constexpr TYearRegions onlyIn2020[] = {{Set({"BE"}), 2020, 2020}};
    constexpr TYearRegions from2019[] = {{Set({"TH"}), 2019, 9999}};
    const TRule rows[] = {
        {"Erst ", {TDateKind::Fixed, 3, 2}, {TRegionMode::Set, Set({"BY"})}},
        {"Dazu ", {TDateKind::Fixed, 3, 2}, {TRegionMode::Add, 0}, onlyIn2020},
        {"Ersetzt ", {TDateKind::Fixed, 3, 3}, {TRegionMode::Add, 0}, from2019},
        {"Danach ", {TDateKind::Fixed, 3, 3}, {TRegionMode::Set, Set({"SN"})}},
    };
    TRuleSet rules{};
    rules.Fixed = {rows, " ", true};

    TYear table;
    KRV_Calendar::BuildYear(table, 2020, rules);
    EXPECT_EQ(table.Day(62).Names, " Erst  Dazu ");
    EXPECT_EQ(table.Day(62).Regions, he::Codes({"BY", "BE"}));
    EXPECT_EQ(table.Day(63).Names, " Ersetzt  Danach ");
    EXPECT_EQ(table.Day(63).Regions, he::Codes({"SN"}));

    TYear early;
    KRV_Calendar::BuildYear(early, 2018, rules);
    EXPECT_EQ(early.Day(61).Names, " Erst ");
    EXPECT_EQ(early.Day(61).Regions, he::Codes({"BY"}));
    EXPECT_EQ(early.Day(62).Names, " Danach ");
    EXPECT_EQ(early.Day(62).Week, 9); // written by "Danach ", 3 March 2018
    EXPECT_FALSE(early.Day(60).IsHoliday);
}
