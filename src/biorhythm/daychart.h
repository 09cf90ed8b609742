// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The day-form bar chart DBChart2: four bars with the values of the chosen day from
// CLDProzent, its title and what is drawn after it.

#include "chartmodel.h"

#include <QDate>
#include <QRect>
#include <QString>

class QPainter;

namespace zuv::bio {

// Background, axes, legend with last values and the bar series Series5..Series8.
void configureDayChart(zuv::charts::ChartModel& model);

// Seven spaces and the day as "dd.mm.yyyy".
QString dayChartTitle(const QDate& day);

// Bar width the chart's bars get after its first drawing, in pixels.
inline constexpr int kDayBarWidth = 16;

// Fixes the bar width of every bar series; takes effect from the next drawing.
void fixDayBarWidth(zuv::charts::ChartModel& model);

} // namespace zuv::bio
