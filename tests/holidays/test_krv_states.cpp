// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Public holidays of the German federal states in 2023, asked day by day for a whole
// year and read straight from the rule tables.

#include "krv_calendar.h"
#include "krv_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace KRV_Calendar;

namespace {

const std::vector<std::string> kCommon = {
    "Neujahr ",        "Karfreitag ",     "Ostersonntag ",     "Ostermontag ",
    "Maifeiertag ",    "Chr.Himmelfahrt ", "Pfingstsonntag ",  "Pfingstmontag ",
    "Tag d.dt. Einheit ", "Weihnachten ",  "2.Weihnachtstag",
};

// Further public holidays by state in 2023: the by-state holiday table with what the
// state laws added by then (Reformation Day in the north from 2018, Women's Day in
// Berlin from 2019 and Mecklenburg-Vorpommern from 2023, Children's Day in Thuringia
// from 2019).
const std::map<std::string, std::vector<std::string>> kFurther = {
    {"BU", {}},
    {"BW", {"Dreikönigstag ", "Fronleichnam ", "Allerheiligen "}},
    {"BY", {"Dreikönigstag ", "Fronleichnam ", "Maria Himmelf. ", "Allerheiligen "}},
    {"SN", {"Reformationstag ", "Buß & Bettag "}},
    {"BB", {"Reformationstag "}},
    {"BE", {"Frauentag "}},
    {"MV", {"Reformationstag ", "Frauentag "}},
    {"SH", {"Reformationstag "}}, {"HH", {"Reformationstag "}},
    {"NS", {"Reformationstag "}}, {"HB", {"Reformationstag "}},
    {"NW", {"Rosenmontag ", "Fronleichnam ", "Allerheiligen "}},
    {"RP", {"Fronleichnam ", "Allerheiligen "}},
    {"SL", {"Fronleichnam ", "Maria Himmelf. ", "Allerheiligen "}},
    {"HE", {"Fronleichnam "}},
    {"ST", {"Dreikönigstag ", "Reformationstag "}},
    {"TH", {"Reformationstag ", "Weltkindertag "}},
};

std::set<std::string> Expected(const std::string& code)
{
    std::set<std::string> names(kCommon.begin(), kCommon.end());
    const auto& further = kFurther.at(code);
    names.insert(further.begin(), further.end());
    return names;
}

// 2023 dates of those holidays (Easter Sunday 9 April 2023), from the 2023 calendar.
const std::map<std::string, std::pair<int, int>> kDates2023 = {
    {"Neujahr ", {1, 1}},        {"Dreikönigstag ", {1, 6}},     {"Rosenmontag ", {2, 20}},
    {"Karfreitag ", {4, 7}},     {"Ostersonntag ", {4, 9}},      {"Ostermontag ", {4, 10}},
    {"Maifeiertag ", {5, 1}},    {"Chr.Himmelfahrt ", {5, 18}},  {"Pfingstsonntag ", {5, 28}},
    {"Pfingstmontag ", {5, 29}}, {"Fronleichnam ", {6, 8}},      {"Maria Himmelf. ", {8, 15}},
    {"Tag d.dt. Einheit ", {10, 3}}, {"Reformationstag ", {10, 31}}, {"Allerheiligen ", {11, 1}},
    {"Buß & Bettag ", {11, 22}}, {"Weihnachten ", {12, 25}},     {"2.Weihnachtstag", {12, 26}},
    {"Frauentag ", {3, 8}},      {"Weltkindertag ", {9, 20}},
};

} // namespace

TEST(FederalStates, WholeYearDayByDay)
{
    ASSERT_EQ(kFurther.size(), 17u);
    for (const auto& [code, further] : kFurther) {
        const std::set<std::string> names = Expected(code);
        std::set<std::pair<int, int>> want;
        for (const auto& name : names)
            want.insert(kDates2023.at(name));

        std::set<std::pair<int, int>> got;
        TDayInfo info;
        const std::uint8_t region = RegionIndex(code);
        ASSERT_TRUE(code == "BU" || region != 0) << code;
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInMonth(2023, m); ++d) {
                GetDayInfo(region, info, DateValue(2023, m, d));
                if (info.IsHoliday && !info.Names.empty())
                    got.insert({m, d});
            }
        EXPECT_EQ(got, want) << code;

        for (const auto& name : names) {
            const auto [m, d] = kDates2023.at(name);
            GetDayInfo(region, info, DateValue(2023, m, d));
            EXPECT_NE(info.Names.find(name), std::string::npos) << code << ' ' << name;
        }
    }
}

// The rule tables read by state give the by-state table of 2023: every name whose
// region set of that year holds the state, over all groups.
TEST(FederalStates, RuleTablesAgreeWithByStateTable)
{
    const TRuleSet& rules = StandardRules();
    for (const auto& [code, further] : kFurther) {
        const std::uint8_t region = RegionIndex(code);
        std::set<std::string> fromRules;
        for (const TRuleGroup* group :
             {&rules.Easter, &rules.Advent, &rules.Season, &rules.Other, &rules.Fixed})
            for (const TRule& row : group->Rows)
                if ((row.Regions.Mode == TRegionMode::Set || row.Regions.Mode == TRegionMode::Add)
                    && (RegionsInYear(row, 2023) >> region & 1u))
                    fromRules.insert(std::string(row.Name));
        EXPECT_EQ(fromRules, Expected(code)) << code;
    }
}

// "BU" holds exactly what every German state holds, in every year where a law
// changed a set (and the years around them).
TEST(FederalStates, GermanyIsTheCommonPart)
{
    const TRuleSet& rules = StandardRules();
    for (std::int32_t year = 1985; year <= 2040; ++year)
        for (const TRuleGroup* group :
             {&rules.Easter, &rules.Advent, &rules.Season, &rules.Other, &rules.Fixed})
            for (const TRule& row : group->Rows) {
                if (row.Regions.Mode != TRegionMode::Set && row.Regions.Mode != TRegionMode::Add)
                    continue;
                const TRegionMask mask = RegionsInYear(row, year);
                bool inAllStates = true;
                for (std::uint8_t state = 1; state <= 16; ++state)
                    inAllStates = inAllStates && (mask >> state & 1u);
                EXPECT_EQ(bool(mask & 1u), inAllStates) << row.Name << year;
                EXPECT_EQ(mask >> 54, 0u) << row.Name << year;
            }
}
