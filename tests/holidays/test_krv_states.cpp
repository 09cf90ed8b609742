// Public holidays of the German federal states, asked day by day for a whole year
// and read straight from the rule tables.

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

// Further public holidays by state, as the by-state holiday table lists them.
const std::map<std::string, std::vector<std::string>> kFurther = {
    {"BU", {}},
    {"BW", {"Dreikönigstag ", "Fronleichnam ", "Allerheiligen "}},
    {"BY", {"Dreikönigstag ", "Fronleichnam ", "Maria Himmelf. ", "Allerheiligen "}},
    {"SN", {"Reformationstag ", "Buß & Bettag "}},
    {"BB", {}}, {"BE", {}}, {"MV", {}}, {"SH", {}}, {"HH", {}}, {"NS", {}}, {"HB", {}},
    {"NW", {"Rosenmontag ", "Fronleichnam ", "Allerheiligen "}},
    {"RP", {"Fronleichnam ", "Allerheiligen "}},
    {"SL", {"Fronleichnam ", "Maria Himmelf. ", "Allerheiligen "}},
    {"HE", {"Fronleichnam "}},
    {"ST", {"Dreikönigstag ", "Reformationstag "}},
    {"TH", {"Reformationstag "}},
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

// The rule tables read by state give the by-state table: every name whose region
// set holds the state, over all groups.
TEST(FederalStates, RuleTablesAgreeWithByStateTable)
{
    const TRuleSet& rules = StandardRules();
    for (const auto& [code, further] : kFurther) {
        const std::uint8_t region = RegionIndex(code);
        std::set<std::string> fromRules;
        for (const TRuleGroup* group :
             {&rules.Easter, &rules.Advent, &rules.Season, &rules.Other, &rules.Fixed})
            for (const TRule& row : group->Rows)
                if (row.Regions.Mode == TRegionMode::Set && (row.Regions.Mask >> region & 1u))
                    fromRules.insert(std::string(row.Name));
        EXPECT_EQ(fromRules, Expected(code)) << code;
    }
}

// "BU" holds exactly what every German state holds.
TEST(FederalStates, GermanyIsTheCommonPart)
{
    const TRuleSet& rules = StandardRules();
    for (const TRuleGroup* group :
         {&rules.Easter, &rules.Advent, &rules.Season, &rules.Other, &rules.Fixed})
        for (const TRule& row : group->Rows) {
            if (row.Regions.Mode != TRegionMode::Set)
                continue;
            bool inAllStates = true;
            for (std::uint8_t state = 1; state <= 16; ++state)
                inAllStates = inAllStates && (row.Regions.Mask >> state & 1u);
            EXPECT_EQ(bool(row.Regions.Mask & 1u), inAllStates) << row.Name;
            EXPECT_EQ(row.Regions.Mask >> 54, 0u) << row.Name;
        }
}
