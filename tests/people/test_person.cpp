// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Birthdays of the name list on a month page.

#include "person.h"

#include <gtest/gtest.h>

namespace {

using namespace zuv::people;

const std::vector<Person> kPeople = {
    {QStringLiteral("Anna"), QDate(1987, 3, 14)},
    {QStringLiteral("Bert"), QDate(2024, 2, 29)},
    {QStringLiteral("Carl"), QDate(2000, 2, 29)},
    {QStringLiteral("Dora"), QDate(2027, 3, 5)},    // born in the page's year
    {QStringLiteral("Emil"), QDate(2028, 3, 1)},    // born after the page's year
    {QStringLiteral("Frida"), QDate()},             // no birth date stored
    {QString(), QDate(1990, 3, 2)},                 // no name
    {QStringLiteral("Gus"), QDate(1950, 12, 31)},
};

TEST(Birthdays, LineOfEachMonth)
{
    // Ages counted by hand: year of the page minus year of birth.
    struct Case { int year, month; const char* line; };
    const Case cases[] = {
        {2027, 3, "Geburtstage: 5. Dora (0)  14. Anna (40)"},
        {2027, 2, "Geburtstage: 28. Bert (3)  28. Carl (27)"},      // common year
        {2028, 2, "Geburtstage: 29. Bert (4)  29. Carl (28)"},      // leap year
        {2100, 2, "Geburtstage: 28. Bert (76)  28. Carl (100)"},    // 2100 is no leap year
        {2028, 3, "Geburtstage: 1. Emil (0)  5. Dora (1)  14. Anna (41)"},
        {2026, 3, "Geburtstage: 14. Anna (39)"},
        {2027, 12, "Geburtstage: 31. Gus (77)"},
        {2027, 4, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(birthdayLine(birthdaysInMonth(kPeople, c.year, c.month)), QString::fromUtf8(c.line))
            << c.year << "-" << c.month;
}

TEST(Birthdays, TheIssuesExample)
{
    const std::vector<Person> people = {{QStringLiteral("Bert"), QDate(2026, 7, 29)},
                                        {QStringLiteral("Anna"), QDate(1987, 7, 14)}};
    EXPECT_EQ(birthdayLine(birthdaysInMonth(people, 2027, 7)),
              QStringLiteral("Geburtstage: 14. Anna (40)  29. Bert (1)"));
}

} // namespace
