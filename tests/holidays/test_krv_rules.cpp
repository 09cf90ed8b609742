// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The holiday rules: dates, names with their separators, region sets, and the
// consistency check of the rule tables.

#include "holiday_expect.h"
#include "krv_calendar.h"
#include "krv_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace KRV_Calendar;
namespace he = holiday_expect;

namespace {

const TDayInfo& DayOf(const TYear& table, int y, int m, int d)
{
    return table.Day(DayOfYear(y, m, d));
}

struct DayCase {
    int y, m, d;
    const char* names;
    he::Regions regions;
};

void CheckDays(const std::vector<DayCase>& cases)
{
    TYear table;
    for (const DayCase& c : cases) {
        KRV_Calendar::BuildYear(table, c.y);
        const TDayInfo& day = DayOf(table, c.y, c.m, c.d);
        EXPECT_EQ(day.Names, c.names) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(day.Regions, c.regions) << c.y << '-' << c.m << '-' << c.d << ' ' << c.names;
        EXPECT_TRUE(day.IsHoliday) << c.names;
    }
}

const he::Regions kNoRegion;

he::Regions MariaEmpfaengnis()
{
    return he::Austria() | he::Codes({"AAG", "AAI", "FFR", "GGR", "LLU", "NNW", "OOW", "SSZ", "SSO",
                                       "TTI", "UUR", "VVS", "ZZG"});
}

} // namespace

// Days on which entries meet; names, separators and winning region set as worked out
// by hand from the rule tables and the calendars of those years.
TEST(HolidayRules, DaysWithSeveralEntries)
{
    const he::Regions karfreitag = he::Germany() | (he::Cantons() & ~he::Codes({"TTI", "VVS"}));
    const he::Regions maifeiertag = he::Germany() | he::Austria()
        | he::Codes({"BBL", "BBS", "FFR", "JJU", "LLU", "SSH", "SSO", "TTG", "TTI", "ZZH"});
    CheckDays({
        {2023, 12, 24, "4.Advent  Heiligabend ", kNoRegion},
        {2024, 12, 22, "4.Advent Winteranfang ", kNoRegion},
        {2024, 12, 8, "2.Advent  Maria Empfängnis ", MariaEmpfaengnis()},
        {2008, 5, 1, " Chr.Himmelfahrt  Maifeiertag ", maifeiertag},
        {2008, 3, 21, " Karfreitag Frühlingsanfang ", karfreitag},
        {2008, 5, 11, " Pfingstsonntag Muttertag", he::All()},
        {2016, 3, 27, " Ostersonntag Sommerzeit(+1Std.)", he::All()},
        {2025, 10, 26, "Winterzeit(-1Std.) Nationalfeiertag ", he::Austria()},
    });
}

TEST(HolidayRules, Advent2022)
{
    // 25 December 2022 is a Sunday, so the fourth Sunday of Advent is a week earlier.
    CheckDays({
        {2022, 12, 18, "4.Advent ", kNoRegion},
        {2022, 12, 11, "3.Advent ", kNoRegion},
        {2022, 12, 4, "2.Advent ", kNoRegion},
        {2022, 11, 27, "1.Advent ", kNoRegion},
        {2022, 11, 20, "Totensonntag ", kNoRegion},
        {2022, 11, 16, "Buß & Bettag ", he::Codes({"SN"})},
    });
}

TEST(HolidayRules, ChristmasAndNewYear)
{
    CheckDays({
        {2023, 1, 1, " Neujahr ", he::All()},
        {2023, 12, 25, " Weihnachten ", he::All()},
        {2023, 12, 26, "2.Weihnachtstag", he::Germany() | he::Austria()},
        {2023, 12, 31, " Silvester ", he::Codes({"GGE"})},
        {2024, 12, 31, " Silvester ", he::Codes({"GGE"})},
    });
}

// Every rule once, in 2023 (Easter 9 April), where no two of these fall on one day.
// Region sets transcribed from the holiday tables.
TEST(HolidayRules, EveryRuleIn2023)
{
    CheckDays({
        {2023, 2, 16, " Weiberfastnacht ", he::Codes({"LLU", "NNW", "UUR"})},
        {2023, 2, 20, " Rosenmontag ", he::Codes({"NW", "GGL", "SSZ"})},
        {2023, 2, 21, " Fastnacht ", kNoRegion},
        {2023, 2, 22, " Aschermittwoch ", kNoRegion},
        {2023, 2, 27, " Basler Fasnacht ", he::Codes({"BBS"})},
        {2023, 4, 7, " Karfreitag ", he::Germany() | (he::Cantons() & ~he::Codes({"TTI", "VVS"}))},
        {2023, 4, 9, " Ostersonntag ", he::All()},
        {2023, 4, 10, " Ostermontag ", he::All() & ~he::Codes({"CH", "VVS"})},
        {2023, 5, 18, " Chr.Himmelfahrt ", he::All()},
        {2023, 5, 28, " Pfingstsonntag ", he::All()},
        {2023, 5, 29, " Pfingstmontag ", he::All() & ~he::Codes({"CH", "VVS"})},
        {2023, 6, 8, " Fronleichnam ",
         he::Codes({"NW", "RP", "HE", "BW", "BY", "SL"}) | he::Austria()
             | he::Codes({"AAG", "AAI", "FFR", "GGR", "JJU", "LLU", "NNW", "OOW", "SSZ", "SSO",
                          "TTI", "UUR", "VVS", "ZZG"})},
        {2023, 12, 24, "4.Advent  Heiligabend ", kNoRegion},
        {2023, 12, 17, "3.Advent ", kNoRegion},
        {2023, 12, 10, "2.Advent ", kNoRegion},
        {2023, 12, 3, "1.Advent ", kNoRegion},
        {2023, 11, 26, "Totensonntag ", kNoRegion},
        {2023, 11, 22, "Buß & Bettag ", he::Codes({"SN"})},
        {2023, 2, 14, "Valentinstag ", kNoRegion},
        {2023, 3, 21, "Frühlingsanfang ", kNoRegion},
        {2023, 6, 21, "Sommeranfang ", kNoRegion},
        {2023, 8, 8, "Friedensfest ", kNoRegion},
        {2023, 9, 23, "Herbstanfang ", kNoRegion},
        {2023, 12, 22, "Winteranfang ", kNoRegion},
        {2023, 3, 26, "Sommerzeit(+1Std.)", kNoRegion},
        {2023, 10, 29, "Winterzeit(-1Std.)", kNoRegion},
        {2023, 5, 14, "Muttertag", kNoRegion},
        {2023, 1, 2, " Berchtoldstag ",
         he::Codes({"AAG", "BBE", "FFR", "GGL", "JJU", "LLU", "NNE", "OOW", "SSH", "SSO", "TTG",
                    "VVD", "ZZG", "ZZH"})},
        {2023, 1, 6, " Dreikönigstag ",
         he::Codes({"BW", "BY", "ST"}) | he::Austria() | he::Codes({"GGR", "SSZ", "TTI", "UUR"})},
        {2023, 3, 19, " Josephstag ",
         he::Codes({"GGR", "LLU", "NNW", "SSZ", "SSO", "TTI", "UUR", "VVS"})},
        {2023, 5, 1, " Maifeiertag ",
         he::Germany() | he::Austria()
             | he::Codes({"BBL", "BBS", "FFR", "JJU", "LLU", "SSH", "SSO", "TTG", "TTI", "ZZH"})},
        {2023, 8, 15, " Maria Himmelf. ",
         he::Codes({"BY", "SL"}) | he::Austria()
             | he::Codes({"AAG", "AAI", "FFR", "GGR", "JJU", "LLU", "NNW", "OOW", "SSG", "SSZ",
                          "TTI", "UUR", "VVS", "ZZG"})},
        {2023, 10, 3, " Tag d.dt. Einheit ", he::Germany()},
        {2023, 10, 31, " Reformationstag ",
         he::Codes({"SN", "ST", "TH", "BB", "MV", "HB", "HH", "NS", "SH"})},
        {2023, 11, 1, " Allerheiligen ",
         he::Codes({"NW", "RP", "BW", "BY", "SL"}) | he::Austria()
             | he::Codes({"AAG", "AAI", "FFR", "GGL", "GGR", "JJU", "LLU", "NNW", "OOW", "SSG",
                          "SSZ", "SSO", "TTI", "UUR", "VVS", "ZZG"})},
        {2023, 12, 6, " Nikolaus ", kNoRegion},
        {2023, 12, 8, " Maria Empfängnis ", MariaEmpfaengnis()},
        {2023, 6, 29, " Peter und Paul ", he::Codes({"TTI"})},
        {2023, 10, 26, " Nationalfeiertag ", he::Austria()},
        {2023, 3, 8, " Frauentag ", he::Codes({"BE", "MV"})},
        {2023, 8, 1, " Bundesfeier ", he::Codes({"CH"}) | he::Cantons()},
        {2023, 9, 20, " Weltkindertag ", he::Codes({"TH"})},
    });
    // Tag der Befreiung is a holiday of 2020 and 2025 only: no entry in 2023.
    TYear table;
    KRV_Calendar::BuildYear(table, 2023);
    EXPECT_EQ(DayOf(table, 2023, 5, 8).Names, "");
    EXPECT_FALSE(DayOf(table, 2023, 5, 8).IsHoliday);
}

TEST(HolidayRules, GroupsHoldTheirNamesInStoredOrder)
{
    const TRuleSet& rules = StandardRules();
    const auto names = [](const TRuleGroup& g) {
        std::vector<std::string_view> out;
        for (const TRule& r : g.Rows)
            out.emplace_back(r.Name);
        return out;
    };
    using V = std::vector<std::string_view>;
    EXPECT_EQ(names(rules.Easter),
              (V{"Weiberfastnacht ", "Rosenmontag ", "Fastnacht ", "Aschermittwoch ",
                 "Basler Fasnacht ", "Karfreitag ", "Ostersonntag ", "Ostermontag ",
                 "Chr.Himmelfahrt ", "Pfingstsonntag ", "Pfingstmontag ", "Fronleichnam "}));
    EXPECT_EQ(names(rules.Advent), (V{"4.Advent ", "3.Advent ", "2.Advent ", "1.Advent ",
                                      "Totensonntag ", "Buß & Bettag "}));
    EXPECT_EQ(names(rules.Season), (V{"Valentinstag ", "Frühlingsanfang ", "Sommeranfang ",
                                      "Friedensfest ", "Herbstanfang ", "Winteranfang "}));
    EXPECT_EQ(names(rules.Other),
              (V{"Sommerzeit(+1Std.)", "Winterzeit(-1Std.)", "Muttertag", "2.Weihnachtstag"}));
    EXPECT_EQ(names(rules.Fixed),
              (V{"Neujahr ", "Berchtoldstag ", "Dreikönigstag ", "Josephstag ", "Maifeiertag ",
                 "Maria Himmelf. ", "Tag d.dt. Einheit ", "Reformationstag ", "Allerheiligen ",
                 "Nikolaus ", "Heiligabend ", "Weihnachten ", "Silvester ", "Nationalfeiertag ",
                 "Maria Empfängnis ", "Peter und Paul ", "Frauentag ", "Tag der Befreiung ",
                 "Bundesfeier ", "Weltkindertag "}));
    EXPECT_EQ(rules.Easter.Separator, " ");
    EXPECT_EQ(rules.Fixed.Separator, " ");
    EXPECT_EQ(rules.Advent.Separator, "");
    EXPECT_EQ(rules.Season.Separator, "");
    EXPECT_EQ(rules.Other.Separator, "");
}

TEST(HolidayRules, NameWithoutDateRuleStopsTheBuild)
{
    const TRuleSet& standard = StandardRules();
    std::vector<TRule> rows;
    for (std::size_t i = 0; i < standard.Easter.Rows.size(); ++i) {
        if (i == 6)
            rows.push_back(TRule{"Ostersamstag ", {}, {}});
        rows.push_back(standard.Easter.Rows[i]);
    }
    TRuleSet broken = standard;
    broken.Easter.Rows = rows;

    TYear table;
    try {
        KRV_Calendar::BuildYear(table, 2023, broken);
        FAIL() << "no error";
    } catch (const CalendarError& e) {
        EXPECT_STREQ(e.what(), "Ostersamstag  ist nicht als Feiertag definiert");
    }
    EXPECT_EQ(table.Year, 0); // a half-built table is never taken for a built year
    EXPECT_EQ(DayOf(table, 2023, 4, 7).Names, " Karfreitag "); // rows before it were applied
    EXPECT_EQ(DayOf(table, 2023, 4, 9).Names, "");

    KRV_Calendar::BuildYear(table, 2023, standard);
    EXPECT_EQ(table.Year, 2023);
    EXPECT_EQ(DayOf(table, 2023, 4, 9).Names, " Ostersonntag ");
}

TEST(HolidayRules, DateCountedOutOfTheYearLandsOnItsOwnDayNumber)
{
    // A table whose rule counts back past 1 January: the entry goes to the day that
    // carries that date's number, 26 December of the year before is day 360.
    const TRule rows[] = {
        {"Erster ", {TDateKind::Fixed, 1, 5}, {}},
        {"Zurueck ", {TDateKind::BeforePrevious, 10, 0}, {}},
    };
    TRuleSet rules{};
    rules.Fixed = {rows, "", true};
    TYear table;
    KRV_Calendar::BuildYear(table, 2023, rules);
    EXPECT_EQ(table.Day(5).Names, "Erster ");
    EXPECT_EQ(table.Day(360).Names, "Zurueck ");
    EXPECT_EQ(table.Day(360).Week, 52); // 26.12.2022
    EXPECT_EQ(table.Year, 2023);
}
