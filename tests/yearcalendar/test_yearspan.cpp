// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Calendars from any first month: page order, the cover's years, refused first months.

#include "dialogs.h"
#include "yearspan.h"

#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;

TEST(YearSpan, TwelveMonthsFromTheFirst)
{
    struct Case {
        int year;
        int first;
        CalendarMonth firstPage, january, lastPage;
        const char* title;
    };
    // A school year runs August to July; January then is the sixth page.
    const Case cases[] = {
        {2027, 8, {2027, 8}, {2028, 1}, {2028, 7}, "2027/28"},
        {2027, 1, {2027, 1}, {2027, 1}, {2027, 12}, "2027"},
        {1999, 12, {1999, 12}, {2000, 1}, {2000, 11}, "1999/00"},
        {9998, 2, {9998, 2}, {9999, 1}, {9999, 1}, "9998/99"},
    };
    for (const Case& c : cases) {
        const auto months = calendarMonths(c.year, c.first);
        EXPECT_EQ(months.front(), c.firstPage) << c.title;
        EXPECT_EQ(months.back(), c.lastPage) << c.title;
        const std::size_t january = (12 - static_cast<std::size_t>(c.first) + 1) % 12;
        EXPECT_EQ(months[january], c.january) << c.title;
        for (std::size_t i = 1; i < months.size(); ++i)   // each page the month after the last
            EXPECT_EQ(months[i].year * 12 + months[i].month,
                      months[i - 1].year * 12 + months[i - 1].month + 1)
                << c.title << " page " << i;
        EXPECT_EQ(spanTitle(c.year, c.first), QString::fromUtf8(c.title));
    }
}

TEST(YearSpan, RefusedFirstMonthsAndYears)
{
    struct Case {
        int year;
        int first;
        const char* message;
    };
    const Case cases[] = {
        {2027, 0, "Der erste Monat \"0\" ist ungültig"},
        {2027, 13, "Der erste Monat \"13\" ist ungültig"},
        {9999, 2, "ab Februar 9999 reicht über das Jahr 9999 hinaus"},
    };
    for (const Case& c : cases) {
        try {
            calendarMonths(c.year, c.first);
            ADD_FAILURE() << c.message;
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(firstMonthFromText(QStringLiteral(" 8 ")), 8);
    EXPECT_EQ(firstMonthFromText(QStringLiteral("13")), std::nullopt);
    EXPECT_EQ(firstMonthFromText(QStringLiteral("August")), std::nullopt);
}

} // namespace
