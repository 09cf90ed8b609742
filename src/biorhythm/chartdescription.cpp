// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "chartdescription.h"

#include "germandate.h"

#include <QCoreApplication>
#include <QStringList>

namespace zuv::bio {

namespace {

// "8." : the day of the month, as spoken with the month already named.
QString dayOfMonth(const QDate& day)
{
    return QString::number(day.day()) + QLatin1Char('.');
}

QString percent(int value)
{
    return QCoreApplication::translate("ChartDescription", "%1 %").arg(value);
}

QString crossingsText(const CycleCourse& course)
{
    if (course.zeroCrossings.empty())
        return QCoreApplication::translate("ChartDescription", "keine Nulldurchgänge");
    QStringList days;
    for (const CycleCourse::Crossing& c : course.zeroCrossings) {
        days << (c.betweenDays ? QCoreApplication::translate("ChartDescription", "zwischen %1 und %2")
                                     .arg(dayOfMonth(c.day.addDays(-1)), dayOfMonth(c.day))
                               : QCoreApplication::translate("ChartDescription", "am %1").arg(dayOfMonth(c.day)));
    }
    return QCoreApplication::translate("ChartDescription", "Nulldurchgänge %1").arg(days.join(QStringLiteral(", ")));
}

// One sentence per part; a part that already ends with a full stop ("am 24.") gets no second.
QString sentences(const QStringList& parts)
{
    QString text;
    for (const QString& part : parts) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += part;
        if (!part.endsWith(QLatin1Char('.')))
            text += QLatin1Char('.');
    }
    return text;
}

} // namespace

CycleCourse cycleCourse(const std::vector<DayValues>& days, int cycle)
{
    CycleCourse course;
    const auto at = [cycle](const DayValues& d) { return d.values[size_t(cycle)]; };
    for (size_t i = 0; i < days.size(); ++i) {
        const int v = at(days[i]);
        if (i == 0 || v > course.high) {
            course.high = v;
            course.highDay = days[i].day;
        }
        if (i == 0 || v < course.low) {
            course.low = v;
            course.lowDay = days[i].day;
        }
        const int before = i == 0 ? 1 : at(days[i - 1]);
        if (v == 0 && (i == 0 || before != 0))
            course.zeroCrossings.push_back({days[i].day, false});
        else if (i > 0 && before != 0 && (before < 0) != (v < 0) && v != 0)
            course.zeroCrossings.push_back({days[i].day, true});
    }
    return course;
}

QString dayValuesText(const DayValues& day)
{
    QStringList parts;
    for (size_t c = 0; c < cycles().size(); ++c)
        parts << cycles()[c].lineTitle + QLatin1Char(' ') + percent(day.values[c]);
    return parts.join(QStringLiteral(", "));
}

QString monthChartDescription(const BioMonth& month)
{
    QStringList parts{month.title.simplified()};
    if (month.days.empty()) {
        parts << QCoreApplication::translate("ChartDescription", "Noch keine Werte.");
        return sentences(parts);
    }
    if (month.chosenDay) {
        parts << QCoreApplication::translate("ChartDescription", "Am %1: %2")
                     .arg(zuv::core::formatDate(month.chosenDay->day), dayValuesText(*month.chosenDay));
    }
    for (size_t c = 0; c < cycles().size(); ++c) {
        const CycleCourse course = cycleCourse(month.days, int(c));
        parts << QCoreApplication::translate("ChartDescription", "%1: höchster Wert %2 am %3, tiefster Wert %4 am %5, %6")
                     .arg(cycles()[c].lineTitle, percent(course.high), dayOfMonth(course.highDay),
                          percent(course.low), dayOfMonth(course.lowDay), crossingsText(course));
    }
    return sentences(parts);
}

QString dayChartDescription(const BioMonth& month)
{
    if (!month.chosenDay)
        return QCoreApplication::translate("ChartDescription", "Tagesform: kein Tag des Monats gewählt.");
    return QCoreApplication::translate("ChartDescription", "Tagesform am %1: %2.")
        .arg(zuv::core::formatDate(month.chosenDay->day), dayValuesText(*month.chosenDay));
}

} // namespace zuv::bio
