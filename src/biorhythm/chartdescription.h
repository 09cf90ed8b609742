// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a screen reader says for the two charts of the biorhythm page, in words and numbers:
// the month chart's chosen day and, per cycle, the month's high, low and zero crossings;
// the day chart's four values. The charts carry these texts as their accessible
// descriptions, renewed at every refresh.

#include "biomonth.h"

#include <QDate>
#include <QString>
#include <vector>

namespace zuv::bio {

// One cycle across a month: the highest and lowest value with the first day each is
// reached, and the zero crossings.
struct CycleCourse {
    int high = 0;
    QDate highDay;
    int low = 0;
    QDate lowDay;
    // A crossing is the day a value is 0 (the first of a run of zeros), or, where the sign
    // changes between two days without a 0, the second of the two (betweenDays: true).
    struct Crossing {
        QDate day;
        bool betweenDays = false;
    };
    std::vector<Crossing> zeroCrossings;
};

// The course of cycle (0..3, in the order of cycles()) across days; all default when
// days is empty.
CycleCourse cycleCourse(const std::vector<DayValues>& days, int cycle);

// "Körperlich 0 %, Emotional 25 %, ..." for one day's values.
QString dayValuesText(const DayValues& day);

// The month chart: title, the chosen day's values, then per cycle its high, low and zero
// crossings; "Noch keine Werte." for a month not computed yet.
QString monthChartDescription(const BioMonth& month);
// The day chart: the chosen day and its four values, or that no day of the month is chosen.
QString dayChartDescription(const BioMonth& month);

} // namespace zuv::bio
