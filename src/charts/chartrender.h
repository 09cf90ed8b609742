#pragma once
// The one render function of a chart: draws a ChartModel onto any painter (widget, image,
// printer, QPicture, SVG). Layout (plot rectangle, pixel mapping) is computed apart from
// painting so that it can be tested exactly.

#include "chartmodel.h"

#include <QRect>
#include <functional>

class QPainter;

namespace zuv::charts {

struct ChartHooks {
    // After the chart is drawn: the painter (unclipped) and the plot rectangle.
    std::function<void(QPainter&, const QRect& plot)> afterDraw;
    // Before each axis label is drawn; may change the label's colour.
    std::function<void(AxisId axis, const QString& text, QColor& labelColor)> axisLabel;
};

struct ChartLayout {
    QRect target;
    QRect plot;          // the plot area (inside the axes)
    QRect legend;
    QRect titleRect;
    // Pixel x of an x value (bottom axis) and pixel y of a y value (left axis).
    double xToPixel(const ChartModel& m, double x) const;
    double yToPixel(const ChartModel& m, double y) const;
};

// Computes where everything goes for a target rectangle.
ChartLayout layoutChart(const QRect& target, const ChartModel& model);

struct RenderOptions {
    bool xorMarkers = true;   // false where the device cannot XOR (printer, vector picture)
};

// Draws the chart into target and runs the hooks. Returns the layout used.
ChartLayout render(QPainter& painter, const QRect& target, const ChartModel& model,
                   const ChartHooks& hooks = {}, const RenderOptions& options = {});

} // namespace zuv::charts
