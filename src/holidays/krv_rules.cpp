// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "krv_rules.h"

namespace KRV_Calendar {

namespace {

constexpr TDateRule Easter(std::int32_t offset) { return {TDateKind::EasterOffset, offset, 0}; }
constexpr TDateRule Fixed(std::int32_t month, std::int32_t day) { return {TDateKind::Fixed, month, day}; }
constexpr TDateRule Back(std::int32_t days) { return {TDateKind::BeforePrevious, days, 0}; }

constexpr TRegionRule In(TRegionMask mask) { return {TRegionMode::Set, mask}; }
constexpr TRegionRule kUnchanged{TRegionMode::Unchanged, 0};
constexpr TRegionRule kNone{TRegionMode::None, 0};
constexpr TRegionRule kAdded{TRegionMode::Add, 0}; // regions from the year-bound rows only

constexpr TRegionMask kSwitzerland = Set({"CH"}) | kSwissCantons;

// Holidays that a law made or ended in a given year: each row the law and the
// regions and years it covers (first and last year inclusive).

// Repentance Day (Wednesday before the last Sunday of the church year).
constexpr TYearRegions kRepentanceDayLaws[] = {
    // Every state's holiday law of 1990 (in the east the GDR's Verordnung über die
    // Einführung gesetzlicher Feiertage of 16.05.1990); the states struck it from 1995
    // to pay for the long-term care insurance (§ 58 Abs. 2 SGB XI, Pflege-
    // Versicherungsgesetz of 26.05.1994); Saxony kept it (§ 1 SächsSFG).
    {kGermany, 1990, 1994},
};

constexpr TYearRegions kReformationDayLaws[] = {
    // GDR Verordnung über die Einführung gesetzlicher Feiertage of 16.05.1990, then
    // Brandenburg's Feiertagsgesetz (FTG) § 2 and Mecklenburg-Vorpommern's
    // Feiertagsgesetz (FTG M-V) § 2.
    {Set({"BB", "MV"}), 1990, 9999},
    // 500 years of the Reformation: once in every state, by each state's holiday law
    // or a one-off rule made under it (2015-2017).
    {kGermany, 2017, 2017},
    // Holiday laws amended in 2018: Bremen (Gesetz über die Sonn- und Feiertage),
    // Hamburg (Feiertagsgesetz), Niedersachsen (Niedersächsisches Gesetz über die
    // Feiertage), Schleswig-Holstein (Sonn- und Feiertagsgesetz).
    {Set({"HB", "HH", "NS", "SH"}), 2018, 9999},
};

constexpr TYearRegions kWomensDayLaws[] = {
    // Berlin: Gesetz über die Sonn- und Feiertage § 1, amended in January 2019.
    {Set({"BE"}), 2019, 9999},
    // Mecklenburg-Vorpommern: Feiertagsgesetz (FTG M-V) § 2, amended in 2022 with
    // effect from 2023.
    {Set({"MV"}), 2023, 9999},
};

constexpr TYearRegions kLiberationDayLaws[] = {
    // Berlin, once each for the 75th and the 80th anniversary of the end of the war:
    // Gesetz über die Sonn- und Feiertage § 1, amended 2019 (for 2020) and 2024 (for 2025).
    {Set({"BE"}), 2020, 2020},
    {Set({"BE"}), 2025, 2025},
};

constexpr TYearRegions kSwissNationalDayLaws[] = {
    // Popular vote of 26.09.1993 on the federal day (constitution of 1874, Art. 116bis;
    // Verordnung über den Bundesfeiertag of 30.05.1994, SR 116), now Art. 110 Abs. 3 BV.
    {kSwitzerland, 1994, 9999},
};

constexpr TYearRegions kChildrensDayLaws[] = {
    // Thuringia: Thüringer Feiertagsgesetz (ThürFtG) § 2, amended 2019.
    {Set({"TH"}), 2019, 9999},
};

constexpr TRule kEasterRows[] = {
    {"Weiberfastnacht ", Easter(-52), In(Set({"LLU", "NNW", "UUR"}))},
    {"Rosenmontag ", Easter(-48), In(Set({"NW", "GGL", "SSZ"}))},
    {"Fastnacht ", Easter(-47), kUnchanged},
    {"Aschermittwoch ", Easter(-46), kUnchanged},
    {"Basler Fasnacht ", Easter(-41), In(Set({"BBS"}))},
    {"Karfreitag ", Easter(-2), In(kGermany | Without(kSwissCantons, {"TTI", "VVS"}))},
    {"Ostersonntag ", Easter(0), In(kAllRegions)},
    {"Ostermontag ", Easter(1), In(Without(kAllRegions, {"CH", "VVS"}))},
    {"Chr.Himmelfahrt ", Easter(39), In(kAllRegions)},
    {"Pfingstsonntag ", Easter(49), In(kAllRegions)},
    {"Pfingstmontag ", Easter(50), In(Without(kAllRegions, {"CH", "VVS"}))},
    {"Fronleichnam ", Easter(60),
     In(Set({"NW", "RP", "HE", "BW", "BY", "SL"}) | kAustria
        | Set({"AAG", "AAI", "FFR", "GGR", "JJU", "LLU", "NNW", "OOW", "SSZ", "SSO", "TTI", "UUR",
               "VVS", "ZZG"}))},
};

// Each date counts back from the row before it.
constexpr TRule kAdventRows[] = {
    {"4.Advent ", {TDateKind::FourthAdvent, 0, 0}, kUnchanged},
    {"3.Advent ", Back(7), kUnchanged},
    {"2.Advent ", Back(7), kUnchanged},
    {"1.Advent ", Back(7), kUnchanged},
    {"Totensonntag ", Back(7), kUnchanged},
    // Saxony: Sächsisches Sonn- und Feiertagsgesetz (SächsSFG) § 1.
    {"Buß & Bettag ", Back(4), In(Set({"SN"})), kRepentanceDayLaws},
};

constexpr TRule kSeasonRows[] = {
    {"Valentinstag ", Fixed(2, 14), kUnchanged},
    {"Frühlingsanfang ", Fixed(3, 21), kUnchanged},
    {"Sommeranfang ", Fixed(6, 21), kUnchanged},
    {"Friedensfest ", Fixed(8, 8), kUnchanged},
    {"Herbstanfang ", Fixed(9, 23), kUnchanged},
    {"Winteranfang ", Fixed(12, 22), kUnchanged},
};

constexpr TRule kOtherRows[] = {
    {"Sommerzeit(+1Std.)", {TDateKind::LastSunday, 3, 0}, kUnchanged},
    {"Winterzeit(-1Std.)", {TDateKind::LastSunday, 10, 0}, kUnchanged},
    {"Muttertag", {TDateKind::NthSunday, 5, 2}, kUnchanged},
    // Austria: Feiertagsruhegesetz 1957 § 1 and Arbeitsruhegesetz § 7 (Stefanitag).
    {"2.Weihnachtstag", Fixed(12, 26), In(kGermany | kAustria)},
};

constexpr TRule kFixedRows[] = {
    {"Neujahr ", Fixed(1, 1), In(kAllRegions)},
    {"Berchtoldstag ", Fixed(1, 2),
     In(Set({"AAG", "BBE", "FFR", "GGL", "JJU", "LLU", "NNE", "OOW", "SSH", "SSO", "TTG", "VVD",
             "ZZG", "ZZH"}))},
    {"Dreikönigstag ", Fixed(1, 6),
     In(Set({"BW", "BY", "ST"}) | kAustria | Set({"GGR", "SSZ", "TTI", "UUR"}))},
    {"Josephstag ", Fixed(3, 19),
     In(Set({"GGR", "LLU", "NNW", "SSZ", "SSO", "TTI", "UUR", "VVS"}))},
    {"Maifeiertag ", Fixed(5, 1),
     In(kGermany | kAustria
        | Set({"BBL", "BBS", "FFR", "JJU", "LLU", "SSH", "SSO", "TTG", "TTI", "ZZH"}))},
    {"Maria Himmelf. ", Fixed(8, 15),
     In(Set({"BY", "SL"}) | kAustria
        | Set({"AAG", "AAI", "FFR", "GGR", "JJU", "LLU", "NNW", "OOW", "SSG", "SSZ", "TTI", "UUR",
               "VVS", "ZZG"}))},
    {"Tag d.dt. Einheit ", Fixed(10, 3), In(kGermany)},
    {"Reformationstag ", Fixed(10, 31), In(Set({"SN", "ST", "TH"})), kReformationDayLaws},
    // Austria as a whole: Feiertagsruhegesetz 1957 § 1 and Arbeitsruhegesetz § 7.
    {"Allerheiligen ", Fixed(11, 1),
     In(Set({"NW", "RP", "BW", "BY", "SL"}) | kAustria
        | Set({"AAG", "AAI", "FFR", "GGL", "GGR", "JJU", "LLU", "NNW", "OOW", "SSG", "SSZ", "SSO",
               "TTI", "UUR", "VVS", "ZZG"}))},
    {"Nikolaus ", Fixed(12, 6), kNone},
    {"Heiligabend ", Fixed(12, 24), kNone},
    {"Weihnachten ", Fixed(12, 25), In(kAllRegions)},
    {"Silvester ", Fixed(12, 31), In(Set({"GGE"}))},
    {"Nationalfeiertag ", Fixed(10, 26), In(kAustria)},
    {"Maria Empfängnis ", Fixed(12, 8),
     In(kAustria
        | Set({"AAG", "AAI", "FFR", "GGR", "LLU", "NNW", "OOW", "SSZ", "SSO", "TTI", "UUR", "VVS",
               "ZZG"}))},
    {"Peter und Paul ", Fixed(6, 29), In(Set({"TTI"}))},
    // Made by the laws above; their sets join the day's set.
    {"Frauentag ", Fixed(3, 8), kAdded, kWomensDayLaws},
    {"Tag der Befreiung ", Fixed(5, 8), kAdded, kLiberationDayLaws},
    {"Bundesfeier ", Fixed(8, 1), kAdded, kSwissNationalDayLaws},
    {"Weltkindertag ", Fixed(9, 20), kAdded, kChildrensDayLaws},
};

constexpr TRuleSet kStandardRules{
    {kEasterRows, " ", true},
    {kAdventRows, "", true},
    {kSeasonRows, "", true},
    {kOtherRows, "", false},
    {kFixedRows, " ", true},
};

// Whole day number of the rule's date in year; previous is the date of the row before.
std::int32_t RuleDay(const TDateRule& rule, std::int32_t year, std::int32_t previous,
                     std::int32_t& easter)
{
    switch (rule.Kind) {
    case TDateKind::EasterOffset:
        if (easter == 0)
            easter = WholeDay(OsterSonn(year));
        return easter + rule.A;
    case TDateKind::Fixed:
        return DaySerial(year, rule.A, rule.B);
    case TDateKind::FourthAdvent: {
        // Sunday on or before 24 December, i.e. strictly before Christmas Day.
        const std::int32_t eve = DaySerial(year, 12, 24);
        return eve - IsoWeekday(eve) % 7;
    }
    case TDateKind::BeforePrevious:
        return previous - rule.A;
    case TDateKind::LastSunday: {
        const std::int32_t last = DaySerial(year, rule.A, DaysInMonth(year, rule.A));
        return last - IsoWeekday(last) % 7;
    }
    case TDateKind::NthSunday: {
        const std::int32_t first = DaySerial(year, rule.A, 1);
        return first + (7 - IsoWeekday(first)) + 7 * (rule.B - 1);
    }
    case TDateKind::Undefined:
        break;
    }
    return previous;
}

} // namespace

TRegionMask RegionsInYear(const TRule& row, std::int32_t year) noexcept
{
    TRegionMask mask = row.Regions.Mask;
    for (const TYearRegions& law : row.ByYear)
        if (law.First <= year && year <= law.Last)
            mask |= law.Mask;
    return mask;
}

const TRuleSet& StandardRules() noexcept
{
    return kStandardRules;
}

void ApplyGroup(TYear& table, std::int32_t year, const TRuleGroup& group)
{
    const std::int32_t jan1 = DaySerial(year, 1, 1);
    const std::int32_t length = IsLeapYear(year) ? 366 : 365;
    std::int32_t previous = 0;
    std::int32_t easter = 0; // 0 = not yet asked (30.12.1899 is no Easter Sunday)
    for (const TRule& row : group.Rows) {
        if (row.Date.Kind == TDateKind::Undefined)
            throw CalendarError(std::string(row.Name) + " ist nicht als Feiertag definiert");
        const std::int32_t serial = RuleDay(row.Date, year, previous, easter);
        previous = serial;
        const TRegionMask regions = RegionsInYear(row, year);
        if (row.Regions.Mode == TRegionMode::Add && regions == 0)
            continue; // a holiday of some years only, not of this one

        std::int32_t dayYear = year;
        std::int32_t dayOfYear = serial - jan1 + 1;
        if (dayOfYear < 1 || dayOfYear > length) {
            // A date outside the year goes to the day of its own year's number.
            const TDate date = DateOfSerial(serial);
            dayYear = date.Year;
            dayOfYear = DayOfYear(date.Year, date.Month, date.Day);
        }
        TDayInfo& day = table.Day(dayOfYear);
        switch (row.Regions.Mode) {
        case TRegionMode::Set:
            day.Regions = std::bitset<56>(regions);
            break;
        case TRegionMode::Add:
            day.Regions |= std::bitset<56>(regions);
            break;
        case TRegionMode::None:
            day.Regions.reset();
            break;
        case TRegionMode::Unchanged:
            break;
        }
        day.Names.append(group.Separator).append(row.Name);
        day.IsHoliday = true;
        if (group.SetsWeek)
            day.Week = static_cast<std::int8_t>(IsoWeek(dayYear, dayOfYear, IsoWeekday(serial)));
    }
}

void AddEasterDays(TYear& table, std::int32_t year, const TRuleSet& rules)
{
    ApplyGroup(table, year, rules.Easter);
}

void AddAdventDays(TYear& table, std::int32_t year, const TRuleSet& rules)
{
    ApplyGroup(table, year, rules.Advent);
}

void AddSeasonDays(TYear& table, std::int32_t year, const TRuleSet& rules)
{
    ApplyGroup(table, year, rules.Season);
}

void AddOtherDays(TYear& table, std::int32_t year, const TRuleSet& rules)
{
    ApplyGroup(table, year, rules.Other);
}

void AddFixedDays(TYear& table, std::int32_t year, const TRuleSet& rules)
{
    ApplyGroup(table, year, rules.Fixed);
}

void BuildYear(TYear& table, std::int32_t year, const TRuleSet& rules)
{
    table.Year = 0;
    for (TDayInfo& day : table.Days) {
        day.Names.clear();
        day.Regions.reset();
        day.IsHoliday = false;
    }
    AddEasterDays(table, year, rules);
    AddAdventDays(table, year, rules);
    AddSeasonDays(table, year, rules);
    AddOtherDays(table, year, rules);
    AddFixedDays(table, year, rules);
    table.Year = year;
}

} // namespace KRV_Calendar
