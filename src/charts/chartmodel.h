#pragma once
// Settings of a chart: title, axes, legend, background and series. A plain value type;
// the chart widget and every copy (image, printer, picture, SVG) draw from it.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

namespace zuv::charts {

enum class SeriesKind { Line, Bar };
enum class AxisId { Left, Bottom };

struct Series {
    QString name;                   // objectName, e.g. "Series1"
    QString title;                  // legend text
    SeriesKind kind = SeriesKind::Line;
    QColor color = Qt::red;
    Qt::PenStyle lineStyle = Qt::SolidLine;
    int lineWidth = 2;
    int barWidthPixels = 0;         // 0: bars share the plot width ("100 %")
    QString xField;                 // field of the bound table, empty: row number
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
    int labelAngle = 0;             // degrees, 90 = turned upward
    QFont labelFont;
    QColor labelColor = Qt::black;
    int labelSeparationPercent = 0; // min gap between labels in % of label size
    QString title;
    QFont titleFont;
    QColor titleColor = Qt::black;
    bool grid = true;
    QColor gridColor = QColor(0x80, 0x80, 0x80);
    Qt::PenStyle gridStyle = Qt::DotLine;
    int tickLength = 4;
    Qt::PenStyle tickStyle = Qt::SolidLine;
    double positionPercent = 0;     // axis shifted by this % of the chart size
};

struct Legend {
    bool visible = true;
    int topPosition = 4;            // pixels from the top of the chart
    QColor color = QColor(0xC0, 0xC0, 0xC0);
    bool showLastValue = false;     // "Title 27" style
    int symbolWidthPercent = 100;
    QFont font;
};

struct ChartModel {
    QStringList title;
    QFont titleFont;
    QColor titleColor = Qt::black;
    QColor panelColor = QColor(0xF2, 0xF2, 0xF2);
    bool gradient = true;
    QColor gradientStart = QColor(0x00, 0x00, 0xFF);
    QColor gradientEnd = Qt::white;
    QColor wallColor = QColor(0xF2, 0xF2, 0xF2);
    bool wallBrushWhite = true;
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0; // % of size
    Axis left;
    Axis bottom;
    Legend legend;
    std::vector<Series> series;
};

} // namespace zuv::charts
