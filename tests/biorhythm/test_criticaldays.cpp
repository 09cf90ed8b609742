// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Critical days: the zero crossings of the cycles, checked against the cycle formula.

#include "biorhythm.h"
#include "criticaldays.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace zuv::bio;

// Independent of the integer rule: the cycle sin(2π·x/p) changes its sign within the day
// [t, t+1) when its signs just before t and just before t + 1 differ.
bool oracleCrosses(qint64 t, int period)
{
    const double eps = 1e-6;
    const double pi2 = 6.283185307179586;
    const double before = std::sin(pi2 * (double(t) - eps) / period);
    const double end = std::sin(pi2 * (double(t) + 1 - eps) / period);
    return (before < 0) != (end < 0);
}

TEST(CriticalDays, AgreeWithTheCycleFormulaForTenYears)
{
    for (int period : {23, 28, 33, 38})
        for (qint64 t = 0; t < 3700; ++t)
            ASSERT_EQ(crossesZero(t, period), oracleCrosses(t, period)) << period << " " << t;
}

TEST(CriticalDays, KnownDays)
{
    // From the cycle table: emotional 0 at t = 14 and 28, 100 at t = 7; physical crosses
    // between t = 11 (14) and t = 12 (-14) and is 0 again at t = 23.
    struct Case { qint64 t; int period; bool critical; };
    const Case cases[] = {
        {0, 23, true},  {11, 23, true}, {12, 23, false}, {22, 23, false}, {23, 23, true},
        {7, 28, false}, {14, 28, true}, {13, 28, false}, {28, 28, true},
        {16, 33, true}, {17, 33, false}, {19, 38, true}, {18, 38, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(crossesZero(c.t, c.period), c.critical) << c.t << "/" << c.period;
    // Cross-check with the rounded cycle values the chart shows: a sign change or a zero.
    for (const Case& c : cases) {
        const int v0 = zuv::bio::cycleValue(static_cast<qint32>(c.t), c.period);
        const int v1 = zuv::bio::cycleValue(static_cast<qint32>(c.t + 1), c.period);
        EXPECT_EQ(c.critical, v0 == 0 || ((v0 > 0) != (v1 > 0) && v1 != 0)) << c.t << "/" << c.period;
    }
}

TEST(CriticalDays, MonthMarksAndLegend)
{
    const QDate birth(2000, 1, 1);
    const auto withI = criticalDaysInMonth(birth, 2000, 1, true);
    ASSERT_FALSE(withI.empty());
    EXPECT_EQ(withI.front().day, 1);
    EXPECT_EQ(criticalMarks(withI.front()), QStringLiteral("KEGI"));   // day of birth
    const auto without = criticalDaysInMonth(birth, 2000, 1, false);
    EXPECT_EQ(criticalMarks(without.front()), QStringLiteral("KEG"));
    for (const CriticalDay& d : without)
        EXPECT_FALSE(d.cycles[3]);

    // January 2000 from the formula: every day of the month checked against the oracle.
    for (int day = 1; day <= 31; ++day) {
        QString expected;
        const qint64 t = birth.daysTo(QDate(2000, 1, day));
        const char* letters[] = {"K", "E", "G", "I"};
        const int periods[] = {23, 28, 33, 38};
        for (int c = 0; c < 4; ++c)
            if (oracleCrosses(t, periods[c]))
                expected += QLatin1String(letters[c]);
        QString got;
        for (const CriticalDay& d : withI)
            if (d.day == day)
                got = criticalMarks(d);
        EXPECT_EQ(got, expected) << "day " << day;
    }

    // Nothing before the birth.
    for (const CriticalDay& d : criticalDaysInMonth(QDate(2027, 3, 20), 2027, 3, true))
        EXPECT_GE(d.day, 20);
    EXPECT_TRUE(criticalDaysInMonth(QDate(2027, 3, 20), 2027, 2, true).empty());

    EXPECT_EQ(criticalLegend(QStringLiteral("Anna"), false),
              QStringLiteral("Kritische Tage von Anna: K körperlich  E emotional  G geistig"));
    EXPECT_EQ(criticalLegend(QStringLiteral("Anna"), true),
              QStringLiteral("Kritische Tage von Anna: K körperlich  E emotional  G geistig  I intuitiv"));
}

} // namespace
