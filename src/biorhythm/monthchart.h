// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The biorhythm month chart DBChart1: its fixed settings, the screen and print colour
// schemes, the weekday colours of the day labels, and what is drawn after the chart
// (the red zero line and the XOR marker of the chosen day).

#include "chartmodel.h"

#include <QColor>
#include <QDateTime>
#include <QRect>
#include <QString>
#include <array>

class QPainter;

namespace zuv::bio {

// Title, axes, legend, background and the four line series of the month chart, all
// fields of CLDSBio ("Tag" as x in date values).
void configureMonthChart(zuv::charts::ChartModel& model);

// Screen: day labels white, gradient blue to white. Print (calendar page, printer): day
// labels black, gradient white to white.
void setScreenColours(zuv::charts::ChartModel& model);
void setPrintColours(zuv::charts::ChartModel& model);

struct LabelColourRule {
    QString prefix;   // first two characters of the label ("ddd dd" gives "So 07")
    QColor colour;
};
// Sundays red, Saturdays yellow, whatever the scheme.
const std::array<LabelColourRule, 2>& weekendLabelColours();

// Colour of a bottom-axis day label: the weekend rule, else black on the print scheme
// (gradient start white) and white on any other.
QColor dayLabelColour(const QString& labelText, const QColor& gradientStart);

// Horizontal line across the plot at its vertical centre ((top + bottom) / 2).
void drawZeroLine(QPainter& painter, const QRect& plot, int width);

// Pixel column of a date-time on the bottom axis of a plot, before any shift.
double dateToPixel(const zuv::charts::ChartModel& model, const QRect& plot,
                   const QDateTime& value);

// The day marker sits 9 pixels left of the picker's value on the axis.
inline constexpr int kMarkerShift = 9;
inline constexpr int kMarkerWidth = 6;

// Vertical band of width 6 from the plot's top to its bottom at column x. Each pixel
// becomes background XOR colour where the device can combine pixels that way (screen,
// image); on other devices (printer, picture, SVG) the band is drawn plainly.
void drawMarkerBand(QPainter& painter, int x, const QRect& plot, const QColor& colour,
                    Qt::PenStyle style);

} // namespace zuv::bio
