// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One biorhythm month as a value: the four cycle values of every day, the values of the
// chosen day, the chart's title and axis caption and the critical days, computed from a
// name, a birth date, a year and a month. What the biorhythm page, the calendar page and
// printing show of a month comes from here.

#include "biorhythm.h"
#include "criticaldays.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace zuv::bio {

struct BioMonth {
    QString name;                        // shown in the title; may be empty
    QDate birth;
    int year = 0;                        // 1..9999; 0 before the first computation
    int month = 0;                       // 1..12
    QDate first;                         // the 1st
    QDate last;                          // the month's last day
    std::vector<DayValues> days;         // one per day (28..31), ascending
    // The chosen day with the day picker's time of day: the chart's marker stands there.
    // Invalid: no marker.
    QDateTime chosen;
    // The values of the chosen day, when it lies in the month.
    std::optional<DayValues> chosenDay;
    QString title;                       // chartTitle(month, year, name)
    QString axisCaption;                 // axisCaption(month, year)
    std::vector<CriticalDay> criticalDays;   // all four cycles
};

// The month (1..12) of year (1..9999) for a person born on birth (ages before the birth
// count negative). chosen is the chosen day with its time of day (may be invalid).
BioMonth biorhythmMonth(const QString& name, const QDate& birth, int year, int month,
                        const QDateTime& chosen = {});

// A month with no values yet: its range and nothing else (the chart before the first
// computation).
BioMonth emptyMonth(int year, int month);

} // namespace zuv::bio
