// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The whole-year answer and the kept years: GetYearInfo against GetDayInfo, and which
// tables are kept.

#include "holidaycalendar.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace KRV_Calendar;

namespace {

// Regions of each country, the whole-country codes, and indices past the list.
const std::uint8_t kRegions[] = {0, 9, 10, 13, 15, 17, 19, 27, 35, 48, 53, 54, 55, 56, 255};

} // namespace

// Every day of each year, asked one by one while another year is asked in between
// (so that day queries move between kept years), equals the whole-year answer.
TEST(YearInfo, AgreesDayForDayWithGetDayInfo)
{
    const int years[] = {1, 1900, 2000, 2008, 2016, 2021, 2024, 2025, 9999};
    for (int year : years)
        for (std::uint8_t region : kRegions) {
            const std::vector<TDayInfo> days = GetYearInfo(region, year);
            // 365 or 366 by the Gregorian leap rule, written out apart from the code.
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            ASSERT_EQ(days.size(), leap ? 366u : 365u) << year;
            const std::int32_t jan1 = DaySerial(year, 1, 1);
            const int other = year == 9999 ? 1 : year + 1;
            TDayInfo single;
            TDayInfo elsewhere;
            for (std::size_t i = 0; i < days.size(); ++i) {
                GetDayInfo(region, elsewhere, DateValue(other, 6, 1));
                GetDayInfo(region, single, jan1 + static_cast<std::int32_t>(i));
                ASSERT_EQ(days[i], single) << year << " day " << i + 1 << " region " << int(region);
            }
        }
}

TEST(YearInfo, ReusesTheCallersBufferWithoutLeftovers)
{
    std::vector<TDayInfo> days(400);
    for (TDayInfo& day : days) {
        day.Names = "#stale#";
        day.Regions.set();
        day.IsHoliday = true;
    }
    GetYearInfo(RegionIndex("BW"), 2024, days);
    ASSERT_EQ(days.size(), 366u);
    EXPECT_EQ(days, GetYearInfo(RegionIndex("BW"), 2024));
    EXPECT_EQ(days[2].Names, ""); // 3 January: no entry
    EXPECT_FALSE(days[2].IsHoliday);
    EXPECT_EQ(days[365].Names, " Silvester ");
    GetYearInfo(RegionIndex("BW"), 2023, days);
    ASSERT_EQ(days.size(), 365u);
    EXPECT_EQ(days[364].Names, " Silvester ");
    EXPECT_FALSE(days[364].IsHoliday);
}

TEST(YearInfo, YearOutsideTheCalendarThrowsAndLeavesTheAnswer)
{
    std::vector<TDayInfo> days = GetYearInfo(9, 2023);
    const std::vector<TDayInfo> before = days;
    for (int year : {0, -1, 10000, 2147483647})
        EXPECT_THROW(GetYearInfo(9, year, days), CalendarError) << year;
    EXPECT_EQ(days, before);
    EXPECT_EQ(GetYearInfo(9, 9999).back().Names, " Silvester ");
}

// A year asked again within the last kKeptYears distinct years is answered from its
// kept table; one pushed out by newer years takes the table of the oldest.
TEST(KeptYears, KeepsTheLastFewYears)
{
    TDayInfo info;
    GetDayInfo(0, info, DateValue(3001, 1, 1));
    const TYear* first = &YearTable();
    for (int i = 1; i < static_cast<int>(kKeptYears); ++i)
        GetDayInfo(0, info, DateValue(3001 + i, 1, 1));
    GetDayInfo(0, info, DateValue(3001, 7, 1));
    EXPECT_EQ(&YearTable(), first) << "3001 was rebuilt elsewhere although kept";

    // 3001 is now the most recent; 3002 the oldest. A new year replaces 3002's table.
    GetDayInfo(0, info, DateValue(3002, 1, 1));
    const TYear* second = &YearTable();
    for (int i = 2; i < static_cast<int>(kKeptYears); ++i)
        GetDayInfo(0, info, DateValue(3001 + i, 1, 1));
    GetDayInfo(0, info, DateValue(3001, 1, 1));
    GetDayInfo(0, info, DateValue(4000, 1, 1));
    EXPECT_EQ(&YearTable(), second);
    EXPECT_EQ(YearTable().Year, 4000);
    EXPECT_EQ(info.Names, " Neujahr ");

    // BuildYear of a kept year builds it again in its own table and shows it.
    KRV_Calendar::BuildYear(3001);
    EXPECT_EQ(&YearTable(), first);
    EXPECT_EQ(YearTable().Year, 3001);
}

// Each calendar, and each thread's default calendar behind the free functions, keeps
// its own tables: work on one never moves or rebuilds another's (the PDF worker builds
// years while the GUI thread shows a month).
TEST(KeptYears, CalendarsAndThreadsShareNoTable)
{
    HolidayCalendar mine;
    HolidayCalendar other;
    mine.BuildYear(2024);
    other.BuildYear(2031);
    EXPECT_EQ(mine.YearTable().Year, 2024);

    TDayInfo info;
    GetDayInfo(0, info, DateValue(2024, 5, 1));
    const TYear* shown = &YearTable();
    std::vector<std::vector<TDayInfo>> seen(2);
    std::vector<std::thread> workers;
    for (std::size_t w = 0; w < seen.size(); ++w)
        workers.emplace_back([&seen, w] {
            for (int year = 2000; year <= 2040; ++year) {
                const std::vector<TDayInfo> days = GetYearInfo(RegionIndex("BY"), year);
                seen[w].insert(seen[w].end(), days.begin(), days.end());
            }
        });
    for (std::thread& t : workers)
        t.join();
    EXPECT_EQ(&YearTable(), shown);
    EXPECT_EQ(YearTable().Year, 2024);

    std::vector<TDayInfo> expected;
    for (int year = 2000; year <= 2040; ++year) {
        std::vector<TDayInfo> days;
        other.GetYearInfo(RegionIndex("BY"), year, days);
        expected.insert(expected.end(), days.begin(), days.end());
    }
    for (const std::vector<TDayInfo>& s : seen)
        EXPECT_TRUE(s == expected);
}
