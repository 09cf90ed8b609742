// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "beforebirth.h"

#include "germandate.h"

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
    const QString born = QStringLiteral("%1 ist am %2 geboren: ")
                             .arg(person.name, person.birthDate.toString(QStringLiteral("dd.MM.yyyy")));
    const QString without = QStringLiteral(" ohne Biorhythmus und kritische Tage.");
    if (last == 12)
        return born + QStringLiteral("das ganze Jahr %1 erscheint").arg(year) + without;
    if (last == 1)
        return born + QStringLiteral("Januar %1 erscheint").arg(year) + without;
    return born + QStringLiteral("Januar bis %1 %2 erscheinen").arg(zuv::core::monthName(last)).arg(year)
        + without;
}

} // namespace zuv::yearcal
