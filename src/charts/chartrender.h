// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one render function of a chart: draws a ChartModel onto any painter (widget, image,
// printer, QPicture, SVG). Layout (plot rectangle, pixel mapping) is computed apart from
// painting so that it can be tested exactly.

#include "chartmodel.h"

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <functional>
#include <vector>

class QPainter;

namespace zuv::charts {

struct ChartHooks {
    // After the chart is drawn: the painter (unclipped) and the plot rectangle.
    std::function<void(QPainter&, const QRect& plot)> afterDraw;
    // Before each axis label is drawn; may change the label's colour.
    std::function<void(AxisId axis, const QString& text, QColor& labelColor)> axisLabel;
};

// One axis label: its value, its text and the rectangle its text covers (for turned labels
// the upright rectangle around the turned text).
struct AxisLabel {
    double value = 0;
    QString text;
    QRect rect;
};

struct LegendEntry {
    QRect symbol;        // the colour box
    QRect text;          // title, and the last value right-aligned when shown
    QString title;
    QString value;       // empty unless the legend shows last values
};

struct ChartLayout {
    QRect target;
    QRect plot;          // the plot area (inside the axes)
    QRect legend;        // empty when no legend is shown
    QRect titleRect;     // empty without title lines
    QRect leftTitleRect;     // turned text, empty without title
    QRect bottomTitleRect;
    int leftAxisX = 0;       // pixel column of the left axis line
    int bottomAxisY = 0;     // pixel row of the bottom axis line
    std::vector<AxisLabel> leftLabels;
    std::vector<AxisLabel> bottomLabels;
    std::vector<LegendEntry> legendEntries;
    // Pixel x of an x value (bottom axis) and pixel y of a y value (left axis): the minimum
    // maps to plot.left() / plot.bottom(), the maximum to plot.right() / plot.top(); an empty
    // range (maximum <= minimum) maps everything to the plot's centre.
    double xToPixel(const ChartModel& m, double x) const;
    double yToPixel(const ChartModel& m, double y) const;
};

// The same mapping from a plot rectangle alone, as an after-draw hook receives it; right
// for every size the chart is drawn at (widget, image, printer page).
double xToPixel(const QRect& plot, const ChartModel& m, double x);
double yToPixel(const QRect& plot, const ChartModel& m, double y);

// Computes where everything goes for a target rectangle.
ChartLayout layoutChart(const QRect& target, const ChartModel& model);

struct RenderOptions {
    bool xorMarkers = true;   // false where the device cannot XOR (printer, vector picture)
};

// Draws the chart into target and runs the hooks. Returns the layout used.
// The painter comes back in the state it was handed in; hooks get it in that state too
// (pen, brush, clipping and composition mode reset), so a hook may change anything.
ChartLayout render(QPainter& painter, const QRect& target, const ChartModel& model,
                   const ChartHooks& hooks = {}, const RenderOptions& options = {});

// Draws the chart laid out at logicalSize (its size on screen) scaled into area, keeping
// its proportions and centred there: used for printer pages and picture slots.
ChartLayout renderScaled(QPainter& painter, const QRectF& area, const QSize& logicalSize,
                         const ChartModel& model, const ChartHooks& hooks = {},
                         const RenderOptions& options = {});

// The font to set on painter for a chart text laid out with font: layoutChart measures
// text at the screen's resolution, so on a device of another resolution (printer, PDF,
// SVG) a point size is converted to keep the glyphs at their laid-out size in the
// painter's coordinates, the size they have on screen relative to the chart.
QFont chartFont(const QFont& font, const QPainter& painter);

// For after-draw hooks: true when exclusive-or drawing works here, that is the painter
// paints on a raster surface (widget buffer, QImage) and the running render was not told
// otherwise through RenderOptions::xorMarkers.
bool supportsXor(const QPainter& painter);

} // namespace zuv::charts
