// The whole-year answer and the kept years: GetYearInfo against GetDayInfo, and
// answers that stay right however the asked years follow one another.

#include "holiday_expect.h"
#include "krv_calendar.h"
#include "krv_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace KRV_Calendar;
namespace he = holiday_expect;

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

// Anchors of whole years, counted on the printed calendars of those years.
TEST(YearInfo, WholeYearsOfOneState)
{
    const struct {
        const char* code;
        int year;
        int marked;     // public holidays of the state (Sundays included)
        int firstWeek;  // week of 1 January
        int lastWeek;   // week of 31 December
    } cases[] = {
        // Bavaria 2024: Neujahr, Dreikönig, Karfreitag, Easter Sunday and Monday, 1 May,
        // Ascension, Whit Sunday and Monday, Corpus Christi, 15 Aug, 3 Oct, 1 Nov, 25/26 Dec.
        {"BY", 2024, 15, 1, 1},
        // Hessen 2021: the eleven common days plus Corpus Christi; 1 Jan 2021 is a Friday.
        {"HE", 2021, 12, 53, 52},
        // Saxony 2010: eleven common days, Reformation Day and Repentance Day.
        {"SN", 2010, 13, 53, 52},
    };
    for (const auto& c : cases) {
        const std::vector<TDayInfo> days = GetYearInfo(RegionIndex(c.code), c.year);
        int marked = 0;
        for (const TDayInfo& day : days) {
            marked += day.IsHoliday;
            if (day.IsHoliday) {
                EXPECT_FALSE(day.Names.empty()) << c.code << ' ' << c.year;
            }
        }
        EXPECT_EQ(marked, c.marked) << c.code << ' ' << c.year;
        EXPECT_EQ(days.front().Week, c.firstWeek) << c.code << ' ' << c.year;
        EXPECT_EQ(days.back().Week, c.lastWeek) << c.code << ' ' << c.year;
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

// Patterns of years more and less than the kept tables hold; every answer must
// equal a table built afresh for its year.
TEST(KeptYears, AnyOrderOfYearsAnswersLikeFreshBuilds)
{
    const std::vector<std::vector<int>> patterns = {
        {2023, 2024, 2023, 2024, 2023},
        {2020, 2021, 2022, 2023, 2020, 2021, 2022, 2023},
        {2016, 2017, 2018, 2019, 2020, 2021, 2016, 2019, 2021, 2017, 2016},
        {1, 9999, 1, 2008, 1900, 9999, 2000, 1, 2008},
    };
    std::map<int, TYear> fresh;
    const std::uint8_t region = RegionIndex("BY");
    for (const auto& pattern : patterns)
        for (int year : pattern) {
            if (!fresh.count(year))
                KRV_Calendar::BuildYear(fresh[year], year);
            for (auto [m, d] : {std::pair{1, 1}, {3, 27}, {5, 1}, {8, 15}, {10, 31}, {12, 24}, {12, 31}}) {
                TDayInfo got;
                GetDayInfo(region, got, DateValue(year, m, d));
                const TDayInfo& want = fresh[year].Day(DayOfYear(year, m, d));
                EXPECT_EQ(got.Names, want.Names) << year << '-' << m << '-' << d;
                EXPECT_EQ(got.Regions, want.Regions) << year << '-' << m << '-' << d;
            }
            EXPECT_EQ(YearTable().Year, year);
        }
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
}

TEST(KeptYears, BuildYearRebuildsAndShowsTheYear)
{
    TDayInfo info;
    GetDayInfo(9, info, DateValue(2023, 12, 31));
    GetDayInfo(9, info, DateValue(2024, 12, 31));
    KRV_Calendar::BuildYear(2023);
    EXPECT_EQ(YearTable().Year, 2023);
    EXPECT_EQ(YearTable().Day(365).Names, " Silvester ");
    KRV_Calendar::BuildYear(1999);
    EXPECT_EQ(YearTable().Year, 1999);
    GetDayInfo(9, info, DateValue(2024, 12, 8));
    EXPECT_EQ(info.Names, "2.Advent  Maria Empfängnis ");
    EXPECT_EQ(info.Regions, he::Austria() | he::Codes({"AAG", "AAI", "FFR", "GGR", "LLU", "NNW",
                                                       "OOW", "SSZ", "SSO", "TTI", "UUR", "VVS",
                                                       "ZZG"}));
}
