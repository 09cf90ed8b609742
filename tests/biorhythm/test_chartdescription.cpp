// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "chartdescription.h"

#include <gtest/gtest.h>

using namespace zuv::bio;

namespace {

std::vector<DayValues> physical(std::initializer_list<int> values)
{
    std::vector<DayValues> days;
    QDate day(2027, 3, 1);
    for (int v : values) {
        days.push_back({day, {v, 0, 0, 0}});
        day = day.addDays(1);
    }
    return days;
}

// Runs of zeros count once, a sign change between two days names both days, the first of
// equal highs and lows is the one named.
TEST(ChartDescription, CourseOfACycle)
{
    const CycleCourse c = cycleCourse(physical({5, 40, 40, 0, 0, -3, -40, -40, 7, 2}), 0);
    EXPECT_EQ(c.high, 40);
    EXPECT_EQ(c.highDay, QDate(2027, 3, 2));
    EXPECT_EQ(c.low, -40);
    EXPECT_EQ(c.lowDay, QDate(2027, 3, 7));
    ASSERT_EQ(c.zeroCrossings.size(), 2u);
    EXPECT_EQ(c.zeroCrossings[0].day, QDate(2027, 3, 4));
    EXPECT_FALSE(c.zeroCrossings[0].betweenDays);
    EXPECT_EQ(c.zeroCrossings[1].day, QDate(2027, 3, 9));
    EXPECT_TRUE(c.zeroCrossings[1].betweenDays);
    EXPECT_TRUE(cycleCourse({}, 0).zeroCrossings.empty());
}

// Born 1 December 2026, December 2026: day n is age n-1. Physical (23 days), worked out by
// hand from round(100·sin(2π·t/23)): 0 at t = 0 and 23 (the 1st, the 24th), 14 at t = 11 and
// -14 at t = 12 (between the 12th and 13th), 100 first at t = 6 (the 7th), -100 at t = 17
// (the 18th).
TEST(ChartDescription, MonthChartSaysTheChosenDayAndEachCyclesCourse)
{
    const BioMonth month = biorhythmMonth(QStringLiteral("Anna"), QDate(2026, 12, 1), 2026, 12,
                                          QDateTime(QDate(2026, 12, 1), QTime(6, 48)));
    const QString said = monthChartDescription(month);
    EXPECT_TRUE(said.startsWith(QStringLiteral("Zuvododerod für Monat Dezember 2026 ( Anna )."))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral(
        "Am 01.12.2026: Körperlich 0 %, Emotional 0 %, Geistig 0 %, Intuitiv 0 %")))
        << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral(
        "Körperlich: höchster Wert 100 % am 7., tiefster Wert -100 % am 18., "
        "Nulldurchgänge am 1., zwischen 12. und 13., am 24. Emotional:")))
        << said.toStdString();
    EXPECT_EQ(dayChartDescription(month),
              QStringLiteral("Tagesform am 01.12.2026: Körperlich 0 %, Emotional 0 %, Geistig 0 %, "
                             "Intuitiv 0 %."));
    const BioMonth empty = emptyMonth(2026, 12);
    EXPECT_TRUE(monthChartDescription(empty).endsWith(QStringLiteral("Noch keine Werte.")));
    EXPECT_EQ(dayChartDescription(empty), QStringLiteral("Tagesform: kein Tag des Monats gewählt."));
}

} // namespace
