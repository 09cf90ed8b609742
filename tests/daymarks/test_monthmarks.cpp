// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthmarks.h"

#include "dialogs.h"

#include <gtest/gtest.h>

using namespace zuv::daymarks;
using zuv::astronomy::MoonPhase;

namespace {

// Easter: 28.03.2027, 05.04.2026, 20.04.2025; weekdays from the calendar.
TEST(BridgeDays, FollowEasterAndTheRegionsHolidays)
{
    const struct {
        int year, month;
        const char* region;
        std::vector<int> days;
        const char* why;
    } cases[] = {
        {2027, 5, "BY", {7, 28}, "Ascension Thu 6 May, Corpus Christi Thu 27 May"},
        {2027, 5, "BE", {7}, "no Corpus Christi in Berlin"},
        {2026, 5, "BY", {15}, "Ascension Thu 14 May; 1 May is a Friday holiday itself"},
        {2026, 6, "BY", {5}, "Corpus Christi Thu 4 June"},
        {2026, 6, "NS", {}, "no Corpus Christi in Lower Saxony"},
        {2025, 5, "W", {2, 30}, "Labour Day Thu 1 May, Ascension Thu 29 May in Vienna"},
        {2028, 10, "BY", {2}, "Monday before Tuesday 3 October"},
        {2024, 11, "SN", {1}, "Friday 1 Nov after Reformation Day Thu 31 Oct of the month before"},
        {2024, 11, "BY", {}, "1 Nov is All Saints' Day in Bavaria, 31 Oct no holiday"},
        {2029, 12, "HH", {24, 31}, "Mondays before Christmas Tue 25 Dec and New Year Tue 1 Jan 2030"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bridgeDaysInMonth(c.year, c.month, QString::fromLatin1(c.region)), c.days) << c.why;
}

TEST(MonthMarks, LinesInTheirExactForm)
{
    const MarkOptions all{true, {}, true};
    const MonthMarks may = buildMonthMarks(2027, 5, QStringLiteral("BY"), QStringLiteral("Bayern"), all);
    EXPECT_EQ(may.bridgeLine, QStringLiteral("Brückentage: 07. 28."));
    EXPECT_TRUE(may.days[7].bridgeDay && may.days[28].bridgeDay && !may.days[6].bridgeDay);

    // Phases of January 2027 in Berlin after the reference file of the moon tests.
    const MonthMarks january = buildMonthMarks(2027, 1, QStringLiteral("BY"), QStringLiteral("Bayern"), all);
    EXPECT_EQ(january.moonLine,
              QStringLiteral("Mondphasen: 07. Neumond  15. Erstes Viertel  22. Vollmond  29. Letztes Viertel"));
    EXPECT_EQ(january.days[22].moon, MoonPhase::Full);
    EXPECT_FALSE(january.days[21].moon.has_value());
    EXPECT_TRUE(january.bridgeLine.isEmpty());

    const MonthMarks off = buildMonthMarks(2027, 5, QStringLiteral("BY"), QStringLiteral("Bayern"), {});
    EXPECT_TRUE(off.moonLine.isEmpty() && off.bridgeLine.isEmpty());
    EXPECT_FALSE(off.days[7].bridgeDay || off.days[20].moon.has_value());
}

// Holidays of the second region only are tagged with its code; shared ones appear once.
TEST(MonthMarks, SecondRegionTagsOnlyItsOwnHolidays)
{
    const struct {
        int month;
        const char* first;
        const char* firstName;
        const char* second;
        const char* line;
        int ownDay;   // a day marked as the second region's only; 0 for none
    } cases[] = {
        {10, "BY", "Bayern", "W",
         "Feiertage in Bayern:   03. Tag d.dt. Einheit   26. Nationalfeiertag (W)", 26},
        {11, "BY", "Bayern", "W", "Feiertage in Bayern:   01. Allerheiligen ", 0},
        {11, "BY", "Bayern", "SN", "Feiertage in Bayern:   01. Allerheiligen   17.Buß & Bettag (SN)", 17},
        {10, "W", "Wien", "BY", "Feiertage in Wien:   03. Tag d.dt. Einheit (BY)  26. Nationalfeiertag ", 3},
    };
    for (const auto& c : cases) {
        const MonthMarks m = buildMonthMarks(2027, c.month, QString::fromLatin1(c.first),
                                             QString::fromLatin1(c.firstName),
                                             {false, QString::fromLatin1(c.second), false});
        EXPECT_EQ(m.holidayLine.toStdString(), c.line) << c.month << c.second;
        for (int day = 1; day <= 30; ++day)
            EXPECT_EQ(m.days[static_cast<std::size_t>(day)].secondRegionOnly, day == c.ownDay) << day;
    }
}

TEST(MonthMarks, RefusesABadSecondRegionInGerman)
{
    const struct {
        const char* second;
        const char* says;
    } cases[] = {
        {"BY", "dieselbe wie die erste"},
        {"XY", "Unbekannte zweite Region"},
        {"by", "Unbekannte zweite Region"},
        {"ZZH", "Unbekannte zweite Region"},   // Swiss cantons are not offered
    };
    for (const auto& c : cases) {
        try {
            buildMonthMarks(2027, 5, QStringLiteral("BY"), QStringLiteral("Bayern"),
                            {false, QString::fromLatin1(c.second), false});
            ADD_FAILURE() << c.second << " accepted";
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << e.message().toStdString();
        }
    }
    EXPECT_NO_THROW(checkSecondRegion(QStringLiteral("BY"), QString()));
    EXPECT_NO_THROW(checkSecondRegion(QStringLiteral("BY"), QStringLiteral("A")));
}

} // namespace

namespace {

// The year's marks share the year's holidays and phases between months: no month may see
// another's marks.
TEST(MonthMarks, AYearAtOnceEqualsItsMonths)
{
    const MarkOptions all{true, QStringLiteral("W"), true};
    const auto year = buildYearMarks(2027, QStringLiteral("BY"), QStringLiteral("Bayern"), all);
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(year[static_cast<std::size_t>(month - 1)],
                  buildMonthMarks(2027, month, QStringLiteral("BY"), QStringLiteral("Bayern"), all))
            << month;
}

} // namespace
