// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "criticaldays.h"

#include "biorhythm.h"

#include <QCoreApplication>
#include <QStringList>

namespace zuv::bio {

namespace {

struct CycleName {
    const char* letter;
    const char* legend;
};
// In the order of the month chart's lines.
constexpr CycleName kCycleNames[kCycleCount] = {
    {"K", QT_TRANSLATE_NOOP("Biorhythm", "körperlich")},
    {"E", QT_TRANSLATE_NOOP("Biorhythm", "emotional")},
    {"G", QT_TRANSLATE_NOOP("Biorhythm", "geistig")},
    {"I", QT_TRANSLATE_NOOP("Biorhythm", "intuitiv")},
};

// Mathematical remainder, also for negative ages.
qint64 modulo(qint64 a, qint64 m)
{
    const qint64 r = a % m;
    return r < 0 ? r + m : r;
}

} // namespace

bool crossesZero(qint64 t, int period)
{
    // Crossings at x = k·p/2, that is 2x = k·p; the day covers 2t <= 2x < 2t + 2.
    return modulo(2 * t, period) == 0 || modulo(2 * t + 1, period) == 0;
}

std::vector<CriticalDay> criticalDaysInMonth(const QDate& birth, int year, int month,
                                             bool withIntuitive)
{
    std::vector<CriticalDay> days;
    if (!birth.isValid())
        return days;
    const QDate first(year, month, 1);
    for (int d = 0; d < first.daysInMonth(); ++d) {
        const qint64 t = birth.daysTo(first.addDays(d));
        if (t < 0)
            continue;
        CriticalDay day{d + 1, {}};
        bool any = false;
        for (std::size_t c = 0; c < kCycleCount; ++c) {
            if (c == 3 && !withIntuitive)
                continue;
            day.cycles[c] = crossesZero(t, cycles()[c].period);
            any = any || day.cycles[c];
        }
        if (any)
            days.push_back(day);
    }
    return days;
}

QString cycleLetter(int cycle)
{
    return QString::fromUtf8(kCycleNames[cycle].letter);
}

QString criticalMarks(const CriticalDay& day)
{
    QString marks;
    for (int c = 0; c < kCycleCount; ++c)
        if (day.cycles[static_cast<std::size_t>(c)])
            marks += cycleLetter(c);
    return marks;
}

QString criticalLegend(const QString& person, bool withIntuitive)
{
    QStringList parts;
    for (int c = 0; c < kCycleCount; ++c)
        if (c < 3 || withIntuitive)
            parts << QString::fromUtf8(kCycleNames[c].letter) + QLatin1Char(' ')
                    + QCoreApplication::translate("Biorhythm", kCycleNames[c].legend);
    return QCoreApplication::translate("Biorhythm", "Kritische Tage von %1: %2")
        .arg(person, parts.join(QStringLiteral("  ")));
}

} // namespace zuv::bio
