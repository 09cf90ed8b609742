// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The perpetual birthday calendar: a cover and twelve month pages that hold the days 1 to 31
// of their month (29 February with its own row) without weekdays, year or week numbers, each
// day with the people of the name list born on it and their year of birth, and the sign of
// the zodiac where a new one begins. It serves for every year, so it knows no year itself.
// Plain values built from the name list; painting is in birthdayrender.h.

#include "yearproject.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zuv::yearcal {

struct BirthdayPerson {
    QString name;
    int birthYear = 0;
    bool operator==(const BirthdayPerson&) const = default;
};

// One day row. Rows without people stay empty lines to write on.
struct BirthdayRow {
    int day = 0;                          // 1..31
    std::vector<BirthdayPerson> people;   // by year of birth, then in name-list order
    QString zodiacStart;                  // sign that begins on this day ("Wassermann"), or empty
    bool operator==(const BirthdayRow&) const = default;
};

struct BirthdayMonthPage {
    int month = 0;                        // 1..12
    QString title;                        // "Januar"
    std::vector<BirthdayRow> rows;        // days 1..31, 1..30, February 1..29
    QString picture;                      // path; empty: none
    bool operator==(const BirthdayMonthPage&) const = default;
};

struct BirthdayCalendar {
    QString title = QCoreApplication::translate("YearCalendar", "Geburtstagskalender");
    QString subtitle = QCoreApplication::translate("YearCalendar", "immerwährend");
    QString coverPicture;                 // path; empty: none
    QString titleFont;                    // QFont::toString(); empty: the month page's title font
    std::array<BirthdayMonthPage, 12> months;
    static constexpr int pageCount() { return 13; }   // the cover, then January to December
    bool operator==(const BirthdayCalendar&) const = default;
};

// "Anna (1974)".
QString personText(const BirthdayPerson& person);
// "Anna (1974), Bert (1980)"; empty for nobody.
QString rowText(const BirthdayRow& row);

// Builds the calendar from the people of the name list; people without a birth date or
// without a name are left out. Each month takes the first of its pictures (the year
// project's lists); the cover takes January's.
BirthdayCalendar buildBirthdayCalendar(const std::vector<Person>& people,
                                       const std::array<QStringList, 12>& pictures = {});

} // namespace zuv::yearcal
