// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearspan.h"

#include "dialogs.h"
#include "germandate.h"

#include <QCoreApplication>

namespace zuv::yearcal {

std::array<CalendarMonth, 12> calendarMonths(int year, int firstMonth)
{
    if (firstMonth < 1 || firstMonth > 12)
        throw zuv::core::Error(firstMonthProblem(QString::number(firstMonth)));
    if (year < 1 || year > 9999 || (year == 9999 && firstMonth > 1))
        throw zuv::core::Error(QCoreApplication::translate(
                                   "YearCalendar", "Ein Kalender ab %1 %2 reicht über das Jahr 9999 hinaus.")
                                   .arg(zuv::core::monthName(firstMonth))
                                   .arg(year));
    std::array<CalendarMonth, 12> months;
    for (int i = 0; i < 12; ++i) {
        const int index = firstMonth - 1 + i;   // months since January of year
        months[static_cast<std::size_t>(i)] = {year + index / 12, index % 12 + 1};
    }
    return months;
}

QString spanTitle(int year, int firstMonth)
{
    if (firstMonth <= 1)
        return QString::number(year);
    return QStringLiteral("%1/%2").arg(year).arg((year + 1) % 100, 2, 10, QLatin1Char('0'));
}

std::optional<int> firstMonthFromText(const QString& text)
{
    bool ok = false;
    const int month = text.trimmed().toInt(&ok);
    if (!ok || month < 1 || month > 12)
        return std::nullopt;
    return month;
}

QString firstMonthProblem(const QString& text)
{
    return QCoreApplication::translate("YearCalendar",
                                       "Der erste Monat \"%1\" ist ungültig: erlaubt sind 1 (Januar) bis 12 "
                                       "(Dezember).")
        .arg(text);
}

} // namespace zuv::yearcal
