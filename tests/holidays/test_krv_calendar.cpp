// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Queries through RegionIndex and GetDayInfo as the photo calendar makes them.

#include "holiday_expect.h"
#include "krv_calendar.h"
#include "krv_rules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace KRV_Calendar;
namespace he = holiday_expect;

namespace {

TDayInfo Ask(std::uint8_t region, int y, int m, int d)
{
    TDayInfo info;
    GetDayInfo(region, info, DateValue(y, m, d));
    return info;
}

TDayInfo Ask(std::string_view code, int y, int m, int d)
{
    return Ask(RegionIndex(code), y, m, d);
}

} // namespace

TEST(RegionIndex, EveryCodeGivesItsPosition)
{
    for (int i = 0; i < 54; ++i)
        EXPECT_EQ(RegionIndex(he::kCodes[i]), i) << he::kCodes[i];
    EXPECT_EQ(RegionIndex("SN"), 10);
    EXPECT_EQ(RegionIndex("GGE"), 35);
    EXPECT_EQ(RegionIndex("TTI"), 48);
}

TEST(RegionIndex, UnknownCodesFallBackToGermany)
{
    for (std::string_view code : {"", "by", "By", "th", "SB", "sb", "ch", "aag", "Aag", "bu", "a",
                                  "XX", "BYX", " BY", "BY ", "GE", "TI"})
        EXPECT_EQ(RegionIndex(code), 0) << '"' << code << '"';
    EXPECT_EQ(RegionIndex(std::string_view("BY\0", 3)), 0);
    EXPECT_EQ(RegionIndex(std::string_view("A\0", 2)), 0);
    EXPECT_EQ(RegionIndex("AAGX"), 0);
    EXPECT_EQ(RegionIndex(std::string("BY")), 9);
}

TEST(RegionIndex, FederalStateBoxOrder)
{
    // Positions 0..15 of the "Bundesland" box and the indices they must map to.
    const char* codes[16] = {"BW", "BY", "SN", "BB", "BE", "MV", "SH", "HH",
                             "NS", "HB", "NW", "RP", "SL", "HE", "ST", "TH"};
    const int expected[16] = {8, 9, 10, 14, 13, 12, 1, 2, 4, 3, 5, 6, 16, 7, 11, 15};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(RegionIndex(codes[i]), expected[i]) << codes[i];
}

TEST(GetDayInfo, WeekNumbersAtYearEnds)
{
    // Source: ISO 8601 calendars of the years concerned.
    const struct { int y, m, d, week; } cases[] = {
        {2021, 1, 1, 53}, {2027, 1, 1, 53}, {2024, 12, 31, 1}, {2026, 1, 1, 1},
        {2010, 1, 1, 53}, {2005, 1, 1, 53}, {2006, 1, 1, 52}, {2008, 12, 31, 1},
        {2020, 12, 31, 53}, {2015, 12, 31, 53}, {2023, 1, 1, 52}, {2023, 1, 2, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ask(std::uint8_t{0}, c.y, c.m, c.d).Week, c.week) << c.y << '-' << c.m << '-' << c.d;
}

TEST(GetDayInfo, LastDayOfLeapYearIsDay366)
{
    const TDayInfo info = Ask("GGE", 2024, 12, 31);
    EXPECT_EQ(info.Names, " Silvester ");
    EXPECT_TRUE(info.IsHoliday);
    ASSERT_EQ(YearTable().Year, 2024);
    EXPECT_EQ(YearTable().Day(366).Names, " Silvester ");
    EXPECT_EQ(YearTable().Day(365).Names, "");

    Ask("GGE", 2023, 12, 31);
    ASSERT_EQ(YearTable().Year, 2023);
    EXPECT_EQ(YearTable().Day(365).Names, " Silvester ");
    EXPECT_EQ(YearTable().Day(366).Names, "");
    EXPECT_FALSE(YearTable().Day(366).IsHoliday);
}

TEST(GetDayInfo, NothingLeftOverFromAnotherYear)
{
    const TDayInfo easter = Ask("BY", 2016, 3, 27);
    ASSERT_EQ(easter.Names, " Ostersonntag Sommerzeit(+1Std.)");
    const TDayInfo later = Ask("BY", 2017, 3, 27); // a plain Monday
    EXPECT_EQ(later.Names, "");
    EXPECT_TRUE(later.Regions.none());
    EXPECT_FALSE(later.IsHoliday);
    EXPECT_EQ(later.Week, 13);

    Ask("BY", 2008, 5, 1);
    EXPECT_EQ(Ask("CH", 2009, 5, 1).Names, " Maifeiertag ");
}

TEST(GetDayInfo, DayWithoutEntry)
{
    const TDayInfo info = Ask("BY", 2023, 7, 12);
    EXPECT_EQ(info.Names, "");
    EXPECT_FALSE(info.IsHoliday);
    EXPECT_TRUE(info.Regions.none());
    EXPECT_EQ(info.Week, 28);
    EXPECT_EQ(YearTable().Day(193).Week, 28); // the query leaves the day's week in the table
}

TEST(GetDayInfo, SpecialDayIsNoHolidayAnywhere)
{
    for (unsigned region = 0; region <= 255; ++region) {
        const TDayInfo info = Ask(static_cast<std::uint8_t>(region), 2023, 2, 14);
        EXPECT_EQ(info.Names, "Valentinstag ");
        EXPECT_FALSE(info.IsHoliday) << region;
    }
}

TEST(GetDayInfo, RegionsBeyondTheListAreNeverHolidays)
{
    // 1 January is a public holiday in all 54 regions; 54..255 name none.
    for (unsigned region = 0; region <= 255; ++region)
        EXPECT_EQ(Ask(static_cast<std::uint8_t>(region), 2023, 1, 1).IsHoliday, region < 54) << region;
}

TEST(GetDayInfo, ReturnedRecordIsTheCallersOwn)
{
    TDayInfo first;
    first.Names = "stale text that must go";
    first.Regions.set(55);
    GetDayInfo(RegionIndex("SN"), first, DateValue(2023, 11, 22));
    const TDayInfo copy = first;
    EXPECT_EQ(first.Names, "Buß & Bettag ");
    EXPECT_EQ(first.Regions, he::Codes({"SN"}));
    EXPECT_TRUE(first.IsHoliday);

    TDayInfo second;
    GetDayInfo(RegionIndex("BE"), second, DateValue(2031, 1, 1));
    BuildYear(1999);
    EXPECT_EQ(first, copy);
}

TEST(GetDayInfo, FractionOfADayIsDropped)
{
    TDayInfo morning;
    TDayInfo evening;
    GetDayInfo(RegionIndex("HE"), morning, DateValue(2023, 10, 3) + 0.01);
    GetDayInfo(RegionIndex("HE"), evening, DateValue(2023, 10, 3) + 0.99);
    EXPECT_EQ(morning.Names, " Tag d.dt. Einheit ");
    EXPECT_EQ(morning, evening);
}

TEST(GetDayInfo, DateOutsideTheCalendarThrowsAndLeavesRecord)
{
    TDayInfo info = Ask("BY", 2023, 1, 1);
    const TDayInfo before = info;
    EXPECT_THROW(GetDayInfo(9, info, kLastDay + 1.0), CalendarError);
    EXPECT_THROW(GetDayInfo(9, info, kFirstDay - 1.0), CalendarError);
    EXPECT_THROW(GetDayInfo(9, info, std::numeric_limits<double>::quiet_NaN()), CalendarError);
    EXPECT_EQ(info, before);
    EXPECT_EQ(Ask("BY", 9999, 12, 31).Names, " Silvester ");
    EXPECT_EQ(Ask("BY", 1, 1, 1).Names, " Neujahr ");
}

// Answers with the kept year table must equal answers from a table built afresh for
// every query, in any order of years.
TEST(GetDayInfo, KeptTableAnswersLikeAFreshBuild)
{
    const std::vector<int> years = {2024, 2023, 2024, 1, 9999, 2008, 2008, 1900, 2000, 2016, 2023};
    std::vector<std::int32_t> serials;
    for (int y : years)
        for (int m : {1, 3, 5, 10, 12})
            for (int d : {1, 6, 8, 21, 24, 25, 26, 27, 31})
                if (d <= DaysInMonth(y, m))
                    serials.push_back(DaySerial(y, m, d));
    // Alternate far apart so that both the rebuild and the kept table are used.
    for (std::size_t i = 0; i + 1 < serials.size(); i += 2)
        std::swap(serials[i], serials[serials.size() - 1 - i]);

    TYear fresh;
    for (std::int32_t serial : serials) {
        const TDate date = DateOfSerial(serial);
        const std::int32_t doy = DayOfYear(date.Year, date.Month, date.Day);
        KRV_Calendar::BuildYear(fresh, date.Year);
        for (const char* code : {"BY", "SN", "W", "TTI", "CH", "BU"}) {
            TDayInfo got;
            GetDayInfo(RegionIndex(code), got, serial);
            const TDayInfo& want = fresh.Day(doy);
            EXPECT_EQ(got.Names, want.Names) << serial;
            EXPECT_EQ(got.Regions, want.Regions) << serial;
            EXPECT_EQ(got.IsHoliday, want.Regions.test(RegionIndex(code))) << serial << code;
            EXPECT_EQ(got.Week,
                      IsoWeek(date.Year, doy, IsoWeekday(serial)))
                << serial;
        }
    }
}

TEST(GetDayInfo, SeasonDaysKeepTheirDatesInLeapYears)
{
    for (int year : {2023, 2024}) {
        EXPECT_EQ(Ask("BY", year, 3, 21).Names, "Frühlingsanfang ") << year;
        EXPECT_NE(Ask("BY", year, 12, 22).Names.find("Winteranfang "), std::string::npos) << year;
        EXPECT_EQ(Ask("BY", year, 9, 23).Names, "Herbstanfang ") << year;
    }
}

TEST(GetDayInfo, RepentanceDayAndReformationDayByState)
{
    EXPECT_TRUE(Ask("SN", 2023, 11, 22).IsHoliday);
    EXPECT_TRUE(Ask("SN", 2023, 10, 31).IsHoliday);
    EXPECT_FALSE(Ask("BE", 2023, 11, 22).IsHoliday);
    EXPECT_FALSE(Ask("BE", 2023, 10, 31).IsHoliday);
    EXPECT_EQ(Ask("BE", 2023, 11, 22).Names, "Buß & Bettag ");
}

TEST(GetDayInfo, AustrianNationalDay)
{
    EXPECT_TRUE(Ask("A", 2023, 10, 26).IsHoliday);
    EXPECT_TRUE(Ask("W", 2023, 10, 26).IsHoliday);
    EXPECT_FALSE(Ask("BY", 2023, 10, 26).IsHoliday);
    EXPECT_EQ(Ask("A", 2023, 10, 26).Names, " Nationalfeiertag ");
    EXPECT_EQ(Ask("A", 2023, 12, 31).Names, " Silvester ");
    // All Saints' Day and St Stephen's Day: Austria as a whole and its states.
    for (const char* code : {"A", "Sb", "W"}) {
        EXPECT_TRUE(Ask(code, 2023, 11, 1).IsHoliday) << code;
        EXPECT_TRUE(Ask(code, 2023, 12, 26).IsHoliday) << code;
    }
    EXPECT_FALSE(Ask("CH", 2023, 11, 1).IsHoliday);
    EXPECT_FALSE(Ask("CH", 2023, 12, 26).IsHoliday);
}
