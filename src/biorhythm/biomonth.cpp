// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "biomonth.h"

namespace zuv::bio {

BioMonth biorhythmMonth(const QString& name, const QDate& birth, int year, int month,
                        const QDateTime& chosen)
{
    BioMonth m = emptyMonth(year, month);
    m.name = name;
    m.birth = birth;
    m.days = monthValues(year, month, birth);
    m.chosen = chosen;
    for (const DayValues& d : m.days) {
        if (chosen.isValid() && d.day == chosen.date())
            m.chosenDay = d;
    }
    m.title = chartTitle(month, year, name);
    m.axisCaption = axisCaption(month, year);
    m.criticalDays = criticalDaysInMonth(birth, year, month, true);
    return m;
}

BioMonth emptyMonth(int year, int month)
{
    BioMonth m;
    m.year = year;
    m.month = month;
    const MonthBounds bounds = monthBounds(year, month);
    m.first = bounds.first;
    m.last = bounds.last;
    return m;
}

} // namespace zuv::bio
