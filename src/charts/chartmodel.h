// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Settings of a chart: title, axes, legend, background and series. A plain value type;
// the chart widget and every copy (image, printer, picture, SVG) draw from it.

#include "designfont.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

namespace zuv::charts {

// The font of every chart text unless set otherwise: Arial, 11 pixels high.
inline QFont defaultChartFont()
{
    QFont font(zuv::core::installedFamily(QStringLiteral("Arial")));
    font.setPixelSize(11);
    return font;
}

enum class SeriesKind { Line, Bar };
enum class AxisId { Left, Bottom };
// Direction of the background gradient: TopBottom puts the start colour at the top.
enum class GradientDirection { TopBottom, BottomTop, LeftRight, RightLeft };
// Top: one row of entries centred under the title. Right: one entry per line at the right.
enum class LegendAlignment { Top, Right };

struct Series {
    QString name;                   // objectName, e.g. "Series1"
    QString title;                  // legend text
    SeriesKind kind = SeriesKind::Line;
    QColor color = Qt::red;
    Qt::PenStyle lineStyle = Qt::SolidLine;
    int lineWidth = 2;
    int barWidthPixels = 0;         // 0: bars share the plot width ("100 %")
    QString xField;                 // the table field the values are stored in, if any
    QString yField;
    std::vector<QPointF> points;    // x in date values for date axes, y in axis units
};

struct Axis {
    bool automatic = false;
    double minimum = 0;
    double maximum = 0;
    double increment = 0;           // 0: chosen by the chart
    bool showLabels = true;
    bool dateTimeLabels = false;    // labels formatted with dateFormat from a date value
    QString dateFormat;             // e.g. "ddd dd" (German names)
    int labelAngle = 0;             // degrees: 0 or 90 (turned, reading upward)
    QFont labelFont = defaultChartFont();
    QColor labelColor = Qt::black;
    int labelSeparationPercent = 0; // min gap between labels in % of label size
    QString title;
    QFont titleFont = defaultChartFont();
    QColor titleColor = Qt::black;
    bool grid = true;
    QColor gridColor = QColor(0x80, 0x80, 0x80);
    Qt::PenStyle gridStyle = Qt::DotLine;
    int tickLength = 4;
    Qt::PenStyle tickStyle = Qt::SolidLine;
    double positionPercent = 0;     // axis shifted by this % of the chart size (<0: outward)
    bool roundFirstLabel = false;   // false: first label at the minimum itself
    QColor lineColor = Qt::black;   // the axis line and its ticks
};

struct Legend {
    bool visible = true;
    LegendAlignment alignment = LegendAlignment::Top;
    int topPosition = 4;            // pixels from the top of the chart (never over the title)
    QColor color = QColor(0xC0, 0xC0, 0xC0);
    bool showLastValue = false;     // "Title 27" style
    int symbolWidthPercent = 100;   // colour box width, 100 % = twice the text height
    QFont font = defaultChartFont();
};

struct ChartModel {
    QStringList title;
    QFont titleFont = defaultChartFont();
    QColor titleColor = Qt::black;
    QColor panelColor = QColor(0xF2, 0xF2, 0xF2);
    bool gradient = true;
    QColor gradientStart = QColor(0x00, 0x00, 0xFF);
    QColor gradientEnd = Qt::white;
    GradientDirection gradientDirection = GradientDirection::TopBottom;
    QColor wallColor = QColor(0xF2, 0xF2, 0xF2);
    bool wallBrushWhite = true;     // plot area filled white, else with wallColor
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0; // % of size
    Axis left;
    Axis bottom;
    Legend legend;
    std::vector<Series> series;
};

} // namespace zuv::charts
