// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "germandate.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zuv::core;

namespace {

struct ParseCase {
    const char* text;
    int y, m, d;   // 0 = refused
};

// Accepted and refused birth-date texts as the masked field delivers them.
const ParseCase kParseCases[] = {
    {"24.12.1960", 1960, 12, 24},
    {" 1. 2.2000", 2000, 2, 1},          // blanks before numbers are skipped
    {"29.02.2000", 2000, 2, 29},         // leap year by the 400 rule
    {"29.02.2024", 2024, 2, 29},
    {"01.01.0001", 1, 1, 1},
    {"31.12.9999", 9999, 12, 31},
    {"  .  .    ", 0, 0, 0},             // empty mask
    {"", 0, 0, 0},
    {"31.02.2000", 0, 0, 0},             // day that does not exist
    {"29.02.1900", 0, 0, 0},             // 1900 is no leap year
    {"29.02.2023", 0, 0, 0},
    {"  .05.1990", 0, 0, 0},             // blank day
    {"15.  .1990", 0, 0, 0},             // blank month
    {"15.13.1990", 0, 0, 0},
    {"00.05.1990", 0, 0, 0},
    {"15.05.0000", 0, 0, 0},
    {"15.05.19x0", 0, 0, 0},
    {"15/05/1990", 0, 0, 0},
    {"15.05.1990x", 0, 0, 0},
    {"١٥.05.1990", 0, 0, 0},             // non-ASCII digits are no digits here
};

TEST(GermanDate, ParseAcceptsAndRefusesAsTheBirthDateFieldNeeds)
{
    for (const ParseCase& c : kParseCases) {
        const auto parsed = parseDate(QString::fromUtf8(c.text));
        if (c.y == 0) {
            EXPECT_FALSE(parsed.has_value()) << c.text;
            EXPECT_FALSE(IsDate(QString::fromUtf8(c.text))) << c.text;
        } else {
            ASSERT_TRUE(parsed.has_value()) << c.text;
            EXPECT_EQ(*parsed, QDate(c.y, c.m, c.d)) << c.text;
            EXPECT_TRUE(IsDate(QString::fromUtf8(c.text))) << c.text;
        }
    }
}

TEST(GermanDate, FormatRoundTripsEveryDayOfSampledYears)
{
    for (int year : {1, 99, 100, 1582, 1899, 1900, 2000, 2026, 9999}) {
        for (QDate d(year, 1, 1); d.isValid() && d.year() == year; d = d.addDays(1)) {
            const QString text = formatDate(d);
            ASSERT_EQ(text.size(), 10);
            ASSERT_EQ(parseDate(text), d) << text.toStdString();
        }
    }
    EXPECT_EQ(formatDate(QDate(5, 3, 7)), QStringLiteral("07.03.0005"));
    EXPECT_TRUE(formatDate(QDate()).isEmpty());
}

TEST(GermanDate, DateValueCountsDaysSince30December1899)
{
    // Reference values of the usual spreadsheet day count.
    EXPECT_EQ(toDateValue(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(toDateValue(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(toDateValue(QDate(2000, 1, 1)), 36526.0);
    EXPECT_EQ(toDateValue(QDate(1899, 12, 29)), -1.0);
    EXPECT_EQ(toDateValue(QDate(1, 1, 1)), -693593.0);
    EXPECT_EQ(dateFromValue(36526.75), QDate(2000, 1, 1));
    EXPECT_EQ(dateFromValue(-0.5), QDate(1899, 12, 29));
    EXPECT_NEAR(toDateValue(QDateTime(QDate(1899, 12, 30), QTime(6, 48, 47))), 0.2838773148, 1e-9);
}

// A value written with a time of day comes back as its own day on both sides of 1899,
// inside the calendar's years and outside; a value that is no number has no day.
TEST(GermanDate, DateFromValueReadsBackWhatToDateValueWrote)
{
    const QDateTime times[] = {
        {QDate(1899, 12, 29), QTime(18, 0)}, {QDate(1899, 12, 30), QTime(6, 0)},
        {QDate(1, 1, 1), QTime(12, 0)},      {QDate(9999, 12, 31), QTime(23, 59)},
        {QDate(-5, 3, 1), QTime(12, 0)},     {QDate(12000, 1, 1), QTime(6, 0)},
    };
    for (const QDateTime& t : times)
        EXPECT_EQ(dateFromValue(toDateValue(t)), t.date()) << t.toString().toStdString();
    EXPECT_FALSE(dateFromValue(std::nan("")).isValid());
}

TEST(GermanDate, DaysInMonthFollowTheGregorianRule)
{
    const struct { int y, m, days; } cases[] = {
        {2000, 2, 29}, {2024, 2, 29}, {1900, 2, 28}, {2023, 2, 28}, {4, 2, 29},
        {2100, 2, 28}, {2026, 1, 31}, {2026, 4, 30}, {2026, 12, 31}, {2026, 13, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(daysInMonth(c.y, c.m), c.days) << c.y << "-" << c.m;
}

TEST(GermanDate, NamesAreGermanWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const char* shortNames[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    const char* longNames[] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag",
                               "Samstag", "Sonntag"};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(shortWeekdayName(i), QString::fromUtf8(shortNames[i - 1]));
        EXPECT_EQ(longWeekdayName(i), QString::fromUtf8(longNames[i - 1]));
    }
    EXPECT_EQ(monthName(3), QStringLiteral("März"));
    EXPECT_EQ(MonthNames()[11], QStringLiteral("Dezember"));
    // 6 December 2026 is a Sunday.
    EXPECT_EQ(formatDateTime(QStringLiteral("ddd dd"), QDateTime(QDate(2026, 12, 6), QTime())),
              QStringLiteral("So 06"));
    QLocale::setDefault(QLocale::c());
}

TEST(GermanDate, StatusLineHasLeadingBlankAndNoBlankBeforeTheMonth)
{
    EXPECT_EQ(todayStatusText(QDate(2026, 12, 8)),
              QStringLiteral(" Heute ist Dienstag, der 8.Dezember 2026"));
    EXPECT_EQ(todayStatusText(QDate(2027, 3, 1)),
              QStringLiteral(" Heute ist Montag, der 1.März 2027"));
}

TEST(GermanDate, FederalStatesInBoxOrder)
{
    const auto& states = federalStates();
    EXPECT_EQ(states.front().name, QStringLiteral("Baden-Württemberg"));
    EXPECT_EQ(states[8].code, QStringLiteral("NS"));
    EXPECT_EQ(states.back().name, QStringLiteral("Thüringen"));
    EXPECT_EQ(states.back().code, QStringLiteral("TH"));
}

} // namespace
