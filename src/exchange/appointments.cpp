// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "appointments.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace zuv::exchange {

std::vector<MonthAppointment> appointmentsInMonth(const std::vector<Appointment>& all, int year, int month)
{
    const QDate first(year, month, 1);
    const QDate last(year, month, first.daysInMonth());
    std::vector<MonthAppointment> list;
    for (const Appointment& a : all) {
        if (a.last < first || a.first > last)
            continue;
        const QDate from = std::max(a.first, first);
        const QDate to = std::min(a.last, last);
        MonthAppointment m{from.day(), to.day(), a.summary, a.last > a.first};
        if (std::find(list.begin(), list.end(), m) == list.end())
            list.push_back(m);
    }
    std::stable_sort(list.begin(), list.end(), [](const MonthAppointment& a, const MonthAppointment& b) {
        return a.firstDay != b.firstDay ? a.firstDay < b.firstDay : a.lastDay < b.lastDay;
    });
    return list;
}

QString appointmentLine(const std::vector<MonthAppointment>& month)
{
    if (month.empty())
        return {};
    QStringList parts;
    for (const MonthAppointment& m : month) {
        const QString days = m.lastDay > m.firstDay
            ? QStringLiteral("%1.–%2.").arg(m.firstDay).arg(m.lastDay)
            : QStringLiteral("%1.").arg(m.firstDay);
        parts << days + QLatin1Char(' ') + m.summary;
    }
    return QCoreApplication::translate("Exchange", "Termine: %1").arg(parts.join(QStringLiteral("  ")));
}

std::array<bool, 32> bandDays(const std::vector<MonthAppointment>& month)
{
    std::array<bool, 32> band{};
    for (const MonthAppointment& m : month)
        if (m.multiDay)
            for (int d = std::max(1, m.firstDay); d <= std::min(31, m.lastDay); ++d)
                band[static_cast<std::size_t>(d)] = true;
    return band;
}

} // namespace zuv::exchange
