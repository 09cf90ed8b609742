// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Critical days: the days of a month on which a cycle crosses zero, with the letters and
// the legend the calendar pages mark them with.

#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace zuv::bio {

// The four cycles in the order of the month chart: physical, emotional, intellectual,
// intuitive.
inline constexpr int kCycleCount = 4;

// A day on which at least one cycle crosses zero. A cycle of period p crosses zero at ages
// k·p/2 days; the crossing belongs to the day (age t .. t+1) in which it falls.
struct CriticalDay {
    int day = 0;                              // day of the month
    std::array<bool, kCycleCount> cycles{};   // which cycles cross on it
    bool operator==(const CriticalDay&) const = default;
};

// True when the cycle of period days crosses zero during the day of age t (t >= 0).
bool crossesZero(qint64 t, int period);

// Critical days of a person born on birth in month (1..12) of year; days before the birth
// have none. The intuitive cycle counts only when withIntuitive is set.
std::vector<CriticalDay> criticalDaysInMonth(const QDate& birth, int year, int month,
                                             bool withIntuitive);

// One letter per cycle for the grid marks: "K", "E", "G", "I".
QString cycleLetter(int cycle);
// Marks of one day, e.g. "KG".
QString criticalMarks(const CriticalDay& day);
// "Kritische Tage von Anna: K körperlich  E emotional  G geistig" (+ "  I intuitiv").
QString criticalLegend(const QString& person, bool withIntuitive);

} // namespace zuv::bio
