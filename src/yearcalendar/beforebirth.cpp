// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "beforebirth.h"

#include "germandate.h"

#include <QCoreApplication>

namespace zuv::yearcal {

bool monthEndsBeforeBirth(const QDate& birth, int year, int month)
{
    if (!birth.isValid())
        return false;
    return year < birth.year() || (year == birth.year() && month < birth.month());
}

QString beforeBirthNote(const Person& person, int year)
{
    int last = 0;   // the last month of year that ends before the birth
    while (last < 12 && monthEndsBeforeBirth(person.birthDate, year, last + 1))
        ++last;
    if (last == 0)
        return {};
    const QString born = person.birthDate.toString(QStringLiteral("dd.MM.yyyy"));
    if (last == 12)
        return QCoreApplication::translate("YearCalendar",
                                           "%1 ist am %2 geboren: das ganze Jahr %3 "
                                           "erscheint ohne Biorhythmus und kritische Tage.")
            .arg(person.name, born)
            .arg(year);
    if (last == 1)
        return QCoreApplication::translate("YearCalendar",
                                           "%1 ist am %2 geboren: Januar %3 erscheint "
                                           "ohne Biorhythmus und kritische Tage.")
            .arg(person.name, born)
            .arg(year);
    return QCoreApplication::translate("YearCalendar",
                                       "%1 ist am %2 geboren: Januar bis %3 %4 "
                                       "erscheinen ohne Biorhythmus und kritische Tage.")
        .arg(person.name, born, zuv::core::monthName(last))
        .arg(year);
}

} // namespace zuv::yearcal
