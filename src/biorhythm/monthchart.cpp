// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthchart.h"
#include "designfont.h"

#include "biomonth.h"
#include "biorhythm.h"
#include "chartrender.h"
#include "germandate.h"

#include <QCoreApplication>
#include <QPainter>

namespace zuv::bio {

using zuv::charts::ChartModel;
using zuv::charts::Series;
using zuv::charts::SeriesKind;

namespace {

QFont arialPixels(int pixels, bool bold = false)
{
    QFont f(zuv::core::installedFamily(QStringLiteral("Arial")));
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
    m.left.title = QCoreApplication::translate("Biorhythm", "Leistungsfähigkeit in %");
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
    QFont legend(zuv::core::installedFamily(QStringLiteral("Arial")));
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
    setColours(m, ChartColours::Screen);
}

namespace {

struct ColourScheme {
    ChartColours scheme;
    QColor dayLabels;
    QColor gradientStart;
    QColor gradientEnd;
};

// The start colour decides the colour of ordinary day labels (see dayLabelColour).
const std::array<ColourScheme, 2>& colourSchemes()
{
    static const std::array<ColourScheme, 2> schemes = {{
        {ChartColours::Screen, Qt::white, QColor(0x00, 0x00, 0xFF), Qt::white},
        {ChartColours::Print, Qt::black, Qt::white, Qt::white},
    }};
    return schemes;
}

} // namespace

void setColours(ChartModel& m, ChartColours colours)
{
    for (const ColourScheme& s : colourSchemes()) {
        if (s.scheme != colours)
            continue;
        m.bottom.labelColor = s.dayLabels;
        m.gradientStart = s.gradientStart;
        m.gradientEnd = s.gradientEnd;
    }
}

ChartModel monthChartModel(const BioMonth& month, ChartColours colours)
{
    ChartModel m;
    configureMonthChart(m);
    setColours(m, colours);
    if (!month.title.isEmpty())
        m.title = QStringList{month.title};
    if (month.first.isValid()) {
        m.bottom.minimum = zuv::core::toDateValue(month.first);
        m.bottom.maximum = zuv::core::toDateValue(month.last);
    }
    m.bottom.title = month.axisCaption;
    for (size_t c = 0; c < m.series.size(); ++c) {
        auto& points = m.series[c].points;
        points.reserve(month.days.size());
        for (const DayValues& d : month.days)
            points.emplace_back(zuv::core::toDateValue(d.day), d.values[c]);
    }
    return m;
}

void drawMonthChartMarks(QPainter& painter, const QRect& plot, const ChartModel& chart,
                         const BioMonth& month, const MonthChartOptions& options)
{
    drawZeroLine(painter, plot, 2);
    if (!month.chosen.isValid())
        return;
    const double x = dateToPixel(chart, plot, month.chosen);
    drawMarkerBand(painter, qRound(x) - kMarkerShift, plot, options.markerColour,
                   options.markerStyle);
}

zuv::charts::ChartLayout renderMonthChart(QPainter& painter, const QRect& target,
                                          const BioMonth& month, const MonthChartOptions& options)
{
    const ChartModel chart = monthChartModel(month, options.colours);
    zuv::charts::ChartHooks hooks;
    hooks.afterDraw = [&](QPainter& p, const QRect& plot) {
        drawMonthChartMarks(p, plot, chart, month, options);
    };
    hooks.axisLabel = [&](zuv::charts::AxisId axis, const QString& text, QColor& colour) {
        if (axis == zuv::charts::AxisId::Bottom)
            colour = dayLabelColour(text, chart.gradientStart);
    };
    const double scale = options.contentScale > 0 ? options.contentScale : 1.0;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    const QSize logical = (QSizeF(target.size()) / scale).toSize();
    zuv::charts::RenderOptions render;
    render.xorMarkers = options.xorMarker;
    const zuv::charts::ChartLayout layout =
        zuv::charts::render(painter, QRect(QPoint(0, 0), logical), chart, hooks, render);
    painter.restore();
    return layout;
}

QImage monthChartImage(const BioMonth& month, const MonthChartOptions& options, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderMonthChart(painter, image.rect(), month, options);
    return image;
}

QPicture monthChartPicture(const BioMonth& month, MonthChartOptions options, QSize size)
{
    QPicture picture;
    QPainter painter(&picture);
    options.xorMarker = false;
    renderMonthChart(painter, QRect(QPoint(0, 0), size), month, options);
    painter.end();
    picture.setBoundingRect(QRect(QPoint(0, 0), size));
    return picture;
}

const std::array<LabelColourRule, 2>& weekendLabelColours()
{
    static const std::array<LabelColourRule, 2> rules = {{
        // The same names as the day labels, in the language they are shown in.
        {QCoreApplication::translate("Dates", "So"), QColor(0xFF, 0x00, 0x00)},
        {QCoreApplication::translate("Dates", "Sa"), QColor(0xFF, 0xFF, 0x00)},
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
