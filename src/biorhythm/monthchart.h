// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The biorhythm month chart DBChart1: its fixed settings, the screen and print colour
// schemes, the weekday colours of the day labels, what is drawn after the chart (the red
// zero line and the XOR marker of the chosen day), and renderMonthChart(), the one drawing
// of a month for the page, printing, the clipboard and the calendar page.

#include "chartmodel.h"
#include "chartrender.h"

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QPicture>
#include <QRect>
#include <QString>
#include <array>

class QPainter;

namespace zuv::bio {

struct BioMonth;

// Title, axes, legend, background and the four line series of the month chart at design
// (title "Zuvododerod", screen colours, no points).
void configureMonthChart(zuv::charts::ChartModel& model);

// Screen: day labels white, gradient blue to white. Print (calendar page, printer): day
// labels black, gradient white to white.
enum class ChartColours { Screen, Print };
void setColours(zuv::charts::ChartModel& model, ChartColours colours);

// How a month chart is drawn besides its month.
struct MonthChartOptions {
    ChartColours colours = ChartColours::Screen;
    QColor markerColour = Qt::yellow;      // the day marker
    Qt::PenStyle markerStyle = Qt::SolidLine;
    // false where the device cannot combine pixels (printer, PDF, vector picture).
    bool xorMarker = true;
    // Texts and lines this many times their design size (> 0), laid out on the target's
    // size divided by it, as the page draws its chart.
    double contentScale = 1;
};

// The chart of month: the design settings with the month's title, range, caption, the
// colours and the four cycles as points (x in date values). Before the first computation
// (no days) the design title stays.
zuv::charts::ChartModel monthChartModel(const BioMonth& month, ChartColours colours);

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

// What is drawn after the chart: the red zero line across the plot and, when the month has
// a chosen day, the marker 9 pixels left of its place on the bottom axis.
void drawMonthChartMarks(QPainter& painter, const QRect& plot,
                         const zuv::charts::ChartModel& chart, const BioMonth& month,
                         const MonthChartOptions& options);

// The one drawing of a month chart: month in the options' colours into target of any
// painter (widget buffer, image, printer, PDF, picture, SVG), marks and weekday label
// colours included. Returns the layout used, in the chart's own pixels.
zuv::charts::ChartLayout renderMonthChart(QPainter& painter, const QRect& target,
                                          const BioMonth& month,
                                          const MonthChartOptions& options);

// Copies of the month chart at size (device pixels): an RGB32 image with the exclusive-or
// marker, and a vector picture (marker drawn plainly) whose bounding rectangle is size.
QImage monthChartImage(const BioMonth& month, const MonthChartOptions& options, QSize size);
QPicture monthChartPicture(const BioMonth& month, MonthChartOptions options, QSize size);

// Vertical band of width 6 from the plot's top to its bottom at column x. Each pixel
// becomes background XOR colour where the device can combine pixels that way (screen,
// image); on other devices (printer, picture, SVG) the band is drawn plainly.
void drawMarkerBand(QPainter& painter, int x, const QRect& plot, const QColor& colour,
                    Qt::PenStyle style);

} // namespace zuv::bio
