// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Cycle values, month tables and the texts of the month chart.

#include "biorhythm.h"
#include "germandate.h"
#include "programfolder.h"
#include "table.h"

#include <QDir>
#include <QTemporaryDir>
#include "biotesting.h"

#include <gtest/gtest.h>

namespace {

using zuv::bio::cycleValue;

// Expected values: the table of ages t and cycle values in the program's description
// (periods 23, 28, 33, 38).
struct CycleRow {
    int t;
    int values[4];
};
const CycleRow kCycleTable[] = {
    {0, {0, 0, 0, 0}},
    {1, {27, 22, 19, 16}},
    {7, {94, 100, 97, 92}},
    {10, {40, 78, 95, 100}},
    {23, {0, -90, -95, -61}},
    {-1, {-27, -22, -19, -16}},
};

TEST(CycleValue, MatchesTheDocumentedTable)
{
    for (const CycleRow& row : kCycleTable) {
        for (size_t c = 0; c < 4; ++c) {
            EXPECT_EQ(cycleValue(row.t, zuv::bio::cycles()[c].period), row.values[c])
                << "t=" << row.t << " period=" << zuv::bio::cycles()[c].period;
        }
    }
}

TEST(CycleValue, EmotionalQuarterPoints)
{
    // sin at 0, π/2, π, 3π/2: 28-day cycle at 0, 7, 14, 21 days.
    EXPECT_EQ(cycleValue(7, 28), 100);
    EXPECT_EQ(cycleValue(14, 28), 0);
    EXPECT_EQ(cycleValue(21, 28), -100);
}

TEST(CycleValue, ZeroAgainAfterOneFullPeriod)
{
    for (const auto& c : zuv::bio::cycles()) {
        EXPECT_EQ(cycleValue(c.period, c.period), 0) << c.period;
        EXPECT_EQ(cycleValue(-c.period, c.period), 0) << c.period;
    }
}

TEST(CycleValue, PeriodicAndOddOverALongLife)
{
    // Ages up to about 110 years: the value repeats with the period and is odd in t.
    for (const auto& c : zuv::bio::cycles()) {
        for (qint32 t = 0; t < 40000; t += 97) {
            const int v = cycleValue(t, c.period);
            ASSERT_GE(v, -100);
            ASSERT_LE(v, 100);
            ASSERT_EQ(cycleValue(t + c.period, c.period), v) << t << " " << c.period;
            ASSERT_EQ(cycleValue(-t, c.period), -v) << t << " " << c.period;
        }
    }
}

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour)
{
    struct Case { long double in; int out; };
    const Case cases[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2},
                          {-2.5L, -2}, {2.4999L, 2}, {2.5001L, 3}, {99.5L, 100}, {-99.5L, -100}};
    for (const Case& c : cases)
        EXPECT_EQ(zuv::bio::roundHalfEven(c.in), c.out) << static_cast<double>(c.in);
}

TEST(AgeInDays, WholeDaysSignedAcrossCenturies)
{
    EXPECT_EQ(zuv::bio::ageInDays(QDate(1990, 6, 15), QDate(1990, 6, 15)), 0);
    EXPECT_EQ(zuv::bio::ageInDays(QDate(1990, 6, 1), QDate(1990, 6, 15)), -14);
    // 1900 is no leap year, 2000 is: 36524 + 36525 days between 1.1.1900 and 1.1.2100.
    EXPECT_EQ(zuv::bio::ageInDays(QDate(2100, 1, 1), QDate(1900, 1, 1)), 73049);
}

TEST(MonthValues, DaysPerMonthWithLeapYears)
{
    struct Case { int year; int month; int days; };
    // Gregorian rule: divisible by 4, not by 100 unless by 400.
    const Case cases[] = {{2000, 2, 29}, {2024, 2, 29}, {1900, 2, 28}, {2023, 2, 28},
                          {2024, 1, 31}, {2024, 4, 30}, {1, 12, 31}, {9999, 12, 31}};
    for (const Case& c : cases) {
        const auto days = zuv::bio::monthValues(c.year, c.month, QDate(1970, 1, 1));
        ASSERT_EQ(static_cast<int>(days.size()), c.days) << c.year << "-" << c.month;
        EXPECT_EQ(days.front().day, QDate(c.year, c.month, 1));
        EXPECT_EQ(days.back().day, QDate(c.year, c.month, c.days));
        const auto bounds = zuv::bio::monthBounds(c.year, c.month);
        EXPECT_EQ(bounds.first, days.front().day);
        EXPECT_EQ(bounds.last, days.back().day);
    }
}

TEST(MonthValues, BirthOnTheFirstGivesZerosThenTheTable)
{
    const auto days = zuv::bio::monthValues(2024, 3, QDate(2024, 3, 1));
    EXPECT_EQ(days[0].values, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(days[1].values, (std::array<int, 4>{27, 22, 19, 16}));
    EXPECT_EQ(days[7].values, (std::array<int, 4>{94, 100, 97, 92}));
}

TEST(MonthValues, MonthBeforeBirthMirrorsTheAges)
{
    const QDate birth(1990, 6, 15);
    const auto before = zuv::bio::monthValues(1989, 3, birth);
    for (const auto& d : before) {
        const qint32 t = zuv::bio::ageInDays(d.day, birth);
        ASSERT_LT(t, 0);
        for (size_t c = 0; c < 4; ++c)
            EXPECT_EQ(d.values[c], -cycleValue(-t, zuv::bio::cycles()[c].period));
    }
}

TEST(ChartTexts, TitleAndCaption)
{
    using zuv::bio::chartTitle;
    EXPECT_EQ(chartTitle(6, 1990, QString()),
              QStringLiteral("Zuvododerod für Monat Juni 1990 (  )"));
    EXPECT_EQ(chartTitle(3, 2024, QStringLiteral("Anna")),
              QStringLiteral("Zuvododerod für Monat März 2024 ( Anna )"));
    EXPECT_EQ(chartTitle(12, 7, QString()), QStringLiteral("Zuvododerod für Monat Dezember 7 (  )"));
    EXPECT_EQ(zuv::bio::axisCaption(2, 2024), QStringLiteral("Tage im Monat Februar 2024"));
}

TEST(RefreshChecks, OnlyEarlierMonthsOfTheBirthYearAreRefused)
{
    const QDate birth(1990, 6, 15);
    struct Case { int year; int month; bool refused; };
    const Case cases[] = {{1990, 3, true}, {1990, 5, true}, {1990, 6, false},
                          {1990, 12, false}, {1989, 3, false}, {1991, 1, false}};
    for (const Case& c : cases)
        EXPECT_EQ(zuv::bio::monthBeforeBirth(birth, c.year, c.month), c.refused)
            << c.year << "-" << c.month;
}

TEST(TableFields, NamesTypesAndOrder)
{
    using zuv::store::FieldType;
    const auto month = zuv::bio::monthTableFields();
    const auto percent = zuv::bio::dayPercentTableFields();
    const QStringList names{"Tag", "Sns", "Sns1", "Sns2", "Sns3"};
    ASSERT_EQ(month.size(), 5u);
    ASSERT_EQ(percent.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(month[i].name, names[i]);
        EXPECT_EQ(percent[i].name, names[i]);
        if (i > 0) {
            EXPECT_EQ(month[i].type, FieldType::Float);
            EXPECT_EQ(percent[i].type, FieldType::Float);
        }
    }
    EXPECT_EQ(month[0].type, FieldType::Date);
    EXPECT_EQ(percent[0].type, FieldType::Integer);
}

class TableFill : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("BioTab"));
        zuv::core::setProgramFolder(m_dir.path());
    }
    void TearDown() override { zuv::core::setProgramFolder(QString()); }
    QTemporaryDir m_dir;
};

TEST_F(TableFill, MonthTableHoldsOneRowPerDayAndThePickedDayIsCopied)
{
    zuv::store::Table bio(QStringLiteral("CLDSBio"));
    zuv::store::Table percent(QStringLiteral("CLDProzent"));
    zuv::bio::reopenEmpty(bio, zuv::bio::kMonthTableFile, zuv::bio::monthTableFields());
    zuv::bio::fillMonthTable(bio, zuv::bio::monthValues(2000, 2, QDate(2000, 2, 3)));
    ASSERT_EQ(bio.rowCount(), 29);
    EXPECT_EQ(bio.cell(28, 0).toDate(), QDate(2000, 2, 29));

    zuv::bio::reopenEmpty(percent, zuv::bio::kDayPercentFile, zuv::bio::dayPercentTableFields());
    ASSERT_TRUE(zuv::bio::copyDayPercent(bio, percent, QDate(2000, 2, 13)));   // t = 10
    ASSERT_EQ(percent.rowCount(), 1);
    EXPECT_TRUE(percent.cell(0, 0).isNull());
    EXPECT_DOUBLE_EQ(percent.cell(0, 1).toDouble(), 40);
    EXPECT_DOUBLE_EQ(percent.cell(0, 2).toDouble(), 78);
    EXPECT_DOUBLE_EQ(percent.cell(0, 3).toDouble(), 95);
    EXPECT_DOUBLE_EQ(percent.cell(0, 4).toDouble(), 100);

    // A second run starts from nothing, in the file too.
    zuv::bio::reopenEmpty(bio, zuv::bio::kMonthTableFile, zuv::bio::monthTableFields());
    EXPECT_EQ(bio.rowCount(), 0);
    zuv::bio::fillMonthTable(bio, zuv::bio::monthValues(2023, 2, QDate(2000, 2, 3)));
    bio.close();
    zuv::store::Table reread;
    zuv::store::openOrCreate(reread, zuv::bio::kMonthTableFile, zuv::bio::monthTableFields());
    EXPECT_EQ(reread.rowCount(), 28);

    zuv::bio::reopenEmpty(percent, zuv::bio::kDayPercentFile, zuv::bio::dayPercentTableFields());
    EXPECT_FALSE(zuv::bio::copyDayPercent(reread, percent, QDate(2023, 3, 1)));
    EXPECT_EQ(percent.rowCount(), 0);
}

} // namespace
