// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A person of the name list and the birthdays of a month: plain values read from the name
// table, used by the year calendar's pages and its person box.

#include <QDate>
#include <QString>
#include <vector>

namespace zuv::store { class Table; }

namespace zuv::people {

// A person of the name list.
struct Person {
    QString name;
    QDate birthDate;   // null: no birth date stored
    bool operator==(const Person&) const = default;
};

// The people of the name list table (fields "Name" and "Geburtsdatum"), in table order;
// empty when the table lacks those fields.
std::vector<Person> peopleOf(const zuv::store::Table& names);

// A birthday on a month page. In common years a person born on 29 February is shown on
// 28 February.
struct Birthday {
    int day = 0;       // day of the month the birthday is shown on
    QString name;
    int age = 0;       // years completed in the page's year (0 in the year of birth)
    bool operator==(const Birthday&) const = default;
};

// The birthdays of people in month (1..12) of year, by day and then in list order. People
// without a birth date, with an empty name or born after that month are left out.
std::vector<Birthday> birthdaysInMonth(const std::vector<Person>& people, int year, int month);

// "Geburtstage: 14. Anna (40)  29. Bert (1)"; empty for no birthdays.
QString birthdayLine(const std::vector<Birthday>& birthdays);

} // namespace zuv::people
