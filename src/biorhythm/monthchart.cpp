// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthchart.h"

#include "biorhythm.h"
#include "chartrender.h"
#include "germandate.h"

#include <QPainter>

namespace zuv::bio {

using zuv::charts::ChartModel;
using zuv::charts::Series;
using zuv::charts::SeriesKind;

namespace {

QFont arialPixels(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

struct LineStyle {
    QString name;
    QColor colour;
    Qt::PenStyle style;
};

const std::array<LineStyle, 4>& lineStyles()
{
    static const std::array<LineStyle, 4> styles = {{
        {QStringLiteral("Series1"), QColor(0xFF, 0x00, 0x00), Qt::SolidLine},
        {QStringLiteral("Series2"), QColor(0x00, 0x00, 0xFF), Qt::SolidLine},
        {QStringLiteral("Series3"), QColor(0x00, 0x80, 0x80), Qt::DotLine},
        {QStringLiteral("Series4"), QColor(0x40, 0x00, 0x40), Qt::DashDotLine},
    }};
    return styles;
}

} // namespace

void configureMonthChart(ChartModel& m)
{
    m.title = QStringList{QStringLiteral("Zuvododerod")};
    m.titleFont = arialPixels(13, true);
    m.titleColor = Qt::black;
    m.panelColor = QColor(0xF2, 0xF2, 0xF2);
    m.gradient = true;
    m.gradientEnd = Qt::white;
    // The start colour lies under the day labels and the axis caption, which are white on
    // screen: blue at the bottom keeps them readable.
    m.gradientDirection = zuv::charts::GradientDirection::BottomTop;
    m.wallColor = QColor(0xF2, 0xF2, 0xF2);
    m.wallBrushWhite = true;

    m.left.automatic = false;
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.showLabels = true;
    m.left.labelSeparationPercent = 50;
    m.left.positionPercent = -1;
    m.left.roundFirstLabel = false;
    m.left.title = QStringLiteral("Leistungsfähigkeit in %");
    m.left.titleFont = arialPixels(11);
    m.left.titleColor = Qt::black;

    m.bottom.automatic = false;
    m.bottom.dateTimeLabels = true;
    m.bottom.dateFormat = QStringLiteral("ddd dd");
    m.bottom.increment = 1;
    m.bottom.labelAngle = 90;
    m.bottom.labelFont = arialPixels(12);
    m.bottom.labelSeparationPercent = 0;
    m.bottom.showLabels = true;
    m.bottom.tickLength = 2;
    m.bottom.tickStyle = Qt::DashLine;
    m.bottom.grid = true;
    m.bottom.gridStyle = Qt::SolidLine;
    m.bottom.gridColor = QColor(0x40, 0x00, 0x40);
    m.bottom.positionPercent = -4;
    m.bottom.roundFirstLabel = false;
    m.bottom.titleFont = arialPixels(11);
    m.bottom.titleColor = Qt::white;

    m.legend.visible = true;
    m.legend.topPosition = 4;
    m.legend.color = QColor(0xC0, 0xC0, 0xC0);
    m.legend.symbolWidthPercent = 100;
    m.legend.showLastValue = false;
    QFont legend(QStringLiteral("Arial"));
    legend.setPointSize(8);
    m.legend.font = legend;

    m.series.clear();
    for (size_t i = 0; i < 4; ++i) {
        Series s;
        s.name = lineStyles()[i].name;
        s.title = cycles()[i].lineTitle;
        s.kind = SeriesKind::Line;
        s.color = lineStyles()[i].colour;
        s.lineStyle = lineStyles()[i].style;
        s.lineWidth = 2;
        s.xField = QStringLiteral("Tag");
        s.yField = cycles()[i].field;
        m.series.push_back(s);
    }
    setScreenColours(m);
}

void setScreenColours(ChartModel& m)
{
    m.bottom.labelColor = Qt::white;
    m.gradientStart = QColor(0x00, 0x00, 0xFF);
    m.gradientEnd = Qt::white;
}

void setPrintColours(ChartModel& m)
{
    m.bottom.labelColor = Qt::black;
    m.gradientStart = Qt::white;
    m.gradientEnd = Qt::white;
}

const std::array<LabelColourRule, 2>& weekendLabelColours()
{
    static const std::array<LabelColourRule, 2> rules = {{
        {QStringLiteral("So"), QColor(0xFF, 0x00, 0x00)},
        {QStringLiteral("Sa"), QColor(0xFF, 0xFF, 0x00)},
    }};
    return rules;
}

QColor dayLabelColour(const QString& labelText, const QColor& gradientStart)
{
    const QString prefix = labelText.left(2);
    for (const LabelColourRule& r : weekendLabelColours()) {
        if (prefix == r.prefix)
            return r.colour;
    }
    return gradientStart.rgb() == QColor(Qt::white).rgb() ? QColor(Qt::black)
                                                          : QColor(Qt::white);
}

void drawZeroLine(QPainter& painter, const QRect& plot, int width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(0xFF, 0x00, 0x00), width, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    const int y = (plot.top() + plot.bottom()) / 2;
    // A flat cap ends at the end point: one more pixel includes the right edge.
    painter.drawLine(plot.left(), y, plot.right() + 1, y);
    painter.restore();
}

double dateToPixel(const ChartModel& model, const QRect& plot, const QDateTime& value)
{
    zuv::charts::ChartLayout layout;
    layout.plot = plot;
    return layout.xToPixel(model, zuv::core::toDateValue(value));
}

void drawMarkerBand(QPainter& painter, int x, const QRect& plot, const QColor& colour,
                    Qt::PenStyle style)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (zuv::charts::supportsXor(painter))
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(colour, kMarkerWidth, style, Qt::FlatCap));
    painter.drawLine(x, plot.top(), x, plot.bottom());
    painter.restore();
}

} // namespace zuv::bio
