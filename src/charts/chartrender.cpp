// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Painting of a chart from its layout: background, wall, grid, series, axes, titles and
// legend, then the after-draw hook. The same code serves every paint device.

#include "chartrender.h"

#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zuv::charts {

namespace {

// Set while a render runs with RenderOptions::xorMarkers false; read by supportsXor().
// Charts render on the GUI thread only, one at a time per thread.
thread_local bool t_xorForbidden = false;

class XorScope {
public:
    explicit XorScope(bool allowed) : m_previous(t_xorForbidden) { t_xorForbidden = !allowed; }
    ~XorScope() { t_xorForbidden = m_previous; }
    XorScope(const XorScope&) = delete;
    XorScope& operator=(const XorScope&) = delete;
private:
    bool m_previous;
};

// The resolution layoutChart measures text at: QFontMetrics without a device uses the
// screen's logical resolution, as does a QImage made without one.
int layoutDpi()
{
    return QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
}

QLinearGradient backgroundGradient(const QRect& r, const ChartModel& m)
{
    QPointF from;
    QPointF to;
    switch (m.gradientDirection) {
    case GradientDirection::TopBottom: from = r.topLeft(); to = r.bottomLeft(); break;
    case GradientDirection::BottomTop: from = r.bottomLeft(); to = r.topLeft(); break;
    case GradientDirection::LeftRight: from = r.topLeft(); to = r.topRight(); break;
    case GradientDirection::RightLeft: from = r.topRight(); to = r.topLeft(); break;
    }
    QLinearGradient g(from, to);
    g.setColorAt(0, m.gradientStart);
    g.setColorAt(1, m.gradientEnd);
    return g;
}

void drawBackground(QPainter& p, const ChartLayout& L, const ChartModel& m)
{
    const QRect& t = L.target;
    const QRect& w = L.plot;
    // The wall covers the plot, so the background is only painted around it: the gradient
    // is the dearest fill of a chart.
    const QRect bands[] = {
        QRect(QPoint(t.left(), t.top()), QPoint(t.right(), w.top() - 1)),
        QRect(QPoint(t.left(), w.bottom() + 1), QPoint(t.right(), t.bottom())),
        QRect(QPoint(t.left(), w.top()), QPoint(w.left() - 1, w.bottom())),
        QRect(QPoint(w.right() + 1, w.top()), QPoint(t.right(), w.bottom())),
    };
    const QBrush brush = m.gradient ? QBrush(backgroundGradient(t, m)) : QBrush(m.panelColor);
    for (const QRect& band : bands) {
        if (band.isValid())
            p.fillRect(band, brush);
    }
    p.fillRect(w, m.wallBrushWhite ? QColor(Qt::white) : m.wallColor);
}

void drawGrid(QPainter& p, const ChartLayout& L, const ChartModel& m)
{
    if (m.left.grid) {
        p.setPen(QPen(m.left.gridColor, 1, m.left.gridStyle));
        for (const AxisLabel& a : L.leftLabels) {
            const int y = static_cast<int>(std::lround(L.yToPixel(m, a.value)));
            p.drawLine(L.plot.left(), y, L.plot.right(), y);
        }
    }
    if (m.bottom.grid) {
        p.setPen(QPen(m.bottom.gridColor, 1, m.bottom.gridStyle));
        for (const AxisLabel& a : L.bottomLabels) {
            const int x = static_cast<int>(std::lround(L.xToPixel(m, a.value)));
            p.drawLine(x, L.plot.top(), x, L.plot.bottom());
        }
    }
}

void drawLineSeries(QPainter& p, const ChartLayout& L, const ChartModel& m, const Series& s)
{
    if (s.points.size() < 2)
        return;
    QPen pen(s.color, s.lineWidth, s.lineStyle);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    std::vector<QPointF> pixels;
    pixels.reserve(s.points.size());
    for (const QPointF& pt : s.points)
        pixels.emplace_back(L.xToPixel(m, pt.x()), L.yToPixel(m, pt.y()));
    p.drawPolyline(pixels.data(), static_cast<int>(pixels.size()));
}

// Bars of all bar series at the same x stand side by side, in series order, centred on x.
void drawBarSeries(QPainter& p, const ChartLayout& L, const ChartModel& m)
{
    std::vector<const Series*> bars;
    for (const Series& s : m.series) {
        if (s.kind == SeriesKind::Bar)
            bars.push_back(&s);
    }
    if (bars.empty())
        return;

    // Width of one x slot: the smallest distance between neighbouring x values, else the plot.
    std::vector<double> xs;
    for (const Series* s : bars) {
        for (const QPointF& pt : s->points)
            xs.push_back(L.xToPixel(m, pt.x()));
    }
    std::sort(xs.begin(), xs.end());
    double slot = L.plot.width();
    for (size_t i = 1; i < xs.size(); ++i) {
        if (xs[i] - xs[i - 1] >= 1)
            slot = std::min(slot, xs[i] - xs[i - 1]);
    }
    const int count = static_cast<int>(bars.size());
    const double baseValue = std::clamp(0.0, std::min(m.left.minimum, m.left.maximum),
                                        std::max(m.left.minimum, m.left.maximum));
    const double base = L.yToPixel(m, baseValue);

    // Fixed widths hold while the bars of one x fit into the plot; a plot too narrow for
    // them makes them share its width instead of running under the legend.
    const auto widthOf = [&](const Series& s) {
        return s.barWidthPixels > 0 ? std::min(double(s.barWidthPixels), L.plot.width() / double(count))
                                    : slot / count;
    };
    double groupWidth = 0;
    for (const Series* s : bars)
        groupWidth += widthOf(*s);

    p.setPen(Qt::NoPen);
    double offset = -groupWidth / 2;
    for (int i = 0; i < count; ++i) {
        const Series& s = *bars[i];
        const double width = widthOf(s);
        p.setBrush(s.color);
        for (const QPointF& pt : s.points) {
            const double left = L.xToPixel(m, pt.x()) + offset;
            const double y = L.yToPixel(m, pt.y());
            if (std::abs(y - base) < 0.5)
                continue;   // a zero value has no bar, not a one-pixel line
            // Rounded edges: neighbouring bars meet without overlapping.
            const QRect bar(QPoint(static_cast<int>(std::lround(left)),
                                   static_cast<int>(std::lround(std::min(y, base)))),
                            QPoint(static_cast<int>(std::lround(left + width)) - 1,
                                   static_cast<int>(std::lround(std::max(y, base)))));
            p.drawRect(bar);
        }
        offset += width;
    }
}

void drawSeries(QPainter& p, const ChartLayout& L, const ChartModel& m)
{
    p.save();
    p.setClipRect(L.plot);
    drawBarSeries(p, L, m);
    p.setBrush(Qt::NoBrush);
    for (const Series& s : m.series) {
        if (s.kind == SeriesKind::Line)
            drawLineSeries(p, L, m, s);
    }
    p.restore();
}

// Turned text reads upward and fills r, its end at r's top.
void drawTurnedText(QPainter& p, const QRect& r, const QString& text)
{
    p.save();
    p.translate(r.left(), r.bottom() + 1);
    p.rotate(-90);
    p.drawText(QPointF(0, p.fontMetrics().ascent()), text);
    p.restore();
}

void drawLabels(QPainter& p, const std::vector<AxisLabel>& labels, const Axis& a, AxisId id,
                const ChartHooks& hooks)
{
    p.setFont(chartFont(a.labelFont, p));
    const int ascent = p.fontMetrics().ascent();
    for (const AxisLabel& label : labels) {
        QColor color = a.labelColor;
        if (hooks.axisLabel)
            hooks.axisLabel(id, label.text, color);
        p.setPen(color);
        if (id == AxisId::Bottom && a.labelAngle == 90)
            drawTurnedText(p, label.rect, label.text);
        else
            p.drawText(QPointF(label.rect.left(), label.rect.top() + ascent), label.text);
    }
}

void drawAxes(QPainter& p, const ChartLayout& L, const ChartModel& m, const ChartHooks& hooks)
{
    // Left axis: line, ticks, labels, turned title.
    p.setPen(m.left.lineColor);
    p.drawLine(L.leftAxisX, L.plot.top(), L.leftAxisX, L.plot.bottom());
    if (m.left.tickLength > 0) {
        p.setPen(QPen(m.left.lineColor, 1, m.left.tickStyle));
        for (const AxisLabel& a : L.leftLabels) {
            const int y = static_cast<int>(std::lround(L.yToPixel(m, a.value)));
            p.drawLine(L.leftAxisX - m.left.tickLength, y, L.leftAxisX - 1, y);
        }
    }
    drawLabels(p, L.leftLabels, m.left, AxisId::Left, hooks);
    if (!m.left.title.isEmpty()) {
        p.setFont(chartFont(m.left.titleFont, p));
        p.setPen(m.left.titleColor);
        p.save();
        const QRect& r = L.leftTitleRect;
        p.translate(r.left(), r.bottom() + 1);
        p.rotate(-90);
        p.drawText(QRect(0, 0, r.height(), r.width()), Qt::AlignCenter, m.left.title);
        p.restore();
    }

    // Bottom axis.
    p.setPen(m.bottom.lineColor);
    p.drawLine(L.plot.left(), L.bottomAxisY, L.plot.right(), L.bottomAxisY);
    if (m.bottom.tickLength > 0) {
        p.setPen(QPen(m.bottom.lineColor, 1, m.bottom.tickStyle));
        for (const AxisLabel& a : L.bottomLabels) {
            const int x = static_cast<int>(std::lround(L.xToPixel(m, a.value)));
            p.drawLine(x, L.bottomAxisY + 1, x, L.bottomAxisY + m.bottom.tickLength);
        }
    }
    drawLabels(p, L.bottomLabels, m.bottom, AxisId::Bottom, hooks);
    if (!m.bottom.title.isEmpty()) {
        p.setFont(chartFont(m.bottom.titleFont, p));
        p.setPen(m.bottom.titleColor);
        p.drawText(L.bottomTitleRect, Qt::AlignCenter, m.bottom.title);
    }
}

void drawTitle(QPainter& p, const ChartLayout& L, const ChartModel& m)
{
    if (m.title.isEmpty())
        return;
    p.setFont(chartFont(m.titleFont, p));
    p.setPen(m.titleColor);
    const int lineHeight = p.fontMetrics().height();
    for (int i = 0; i < m.title.size(); ++i) {
        const QRect line(L.titleRect.left(), L.titleRect.top() + i * lineHeight,
                         L.titleRect.width(), lineHeight);
        p.drawText(line, Qt::AlignHCenter | Qt::AlignTop, m.title[i]);
    }
}

void drawLegend(QPainter& p, const ChartLayout& L, const ChartModel& m)
{
    if (L.legend.isNull())
        return;
    p.setPen(Qt::black);
    p.setBrush(m.legend.color);
    p.drawRect(L.legend.adjusted(0, 0, -1, -1));
    p.setFont(chartFont(m.legend.font, p));
    for (size_t i = 0; i < L.legendEntries.size() && i < m.series.size(); ++i) {
        const LegendEntry& e = L.legendEntries[i];
        p.setPen(Qt::black);
        p.setBrush(m.series[i].color);
        p.drawRect(e.symbol.adjusted(0, 0, -1, -1));
        p.drawText(e.text, Qt::AlignLeft | Qt::AlignVCenter, e.title);
        if (!e.value.isEmpty())
            p.drawText(e.text, Qt::AlignRight | Qt::AlignVCenter, e.value);
    }
}

} // namespace

QFont chartFont(const QFont& font, const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device || font.pointSizeF() <= 0)
        return font;   // pixel sizes are device pixels, scaled by the painter like lines
    const int deviceDpi = device->logicalDpiY();
    const int screenDpi = layoutDpi();
    if (deviceDpi <= 0 || deviceDpi == screenDpi)
        return font;
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * screenDpi / deviceDpi);
    return scaled;
}

ChartLayout render(QPainter& painter, const QRect& target, const ChartModel& model,
                   const ChartHooks& hooks, const RenderOptions& options)
{
    const XorScope xorScope(options.xorMarkers);
    const ChartLayout layout = layoutChart(target, model);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawBackground(painter, layout, model);
    drawGrid(painter, layout, model);
    drawSeries(painter, layout, model);
    drawAxes(painter, layout, model, hooks);
    drawTitle(painter, layout, model);
    drawLegend(painter, layout, model);
    painter.restore();

    if (hooks.afterDraw) {
        painter.save();
        painter.setClipping(false);
        painter.setPen(QPen());
        painter.setBrush(Qt::NoBrush);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        hooks.afterDraw(painter, layout.plot);
        painter.restore();
    }
    return layout;
}

ChartLayout renderScaled(QPainter& painter, const QRectF& area, const QSize& logicalSize,
                         const ChartModel& model, const ChartHooks& hooks,
                         const RenderOptions& options)
{
    if (logicalSize.isEmpty() || area.isEmpty())
        return layoutChart(QRect(QPoint(0, 0), logicalSize), model);
    const double scale = std::min(area.width() / logicalSize.width(),
                                  area.height() / logicalSize.height());
    const double dx = area.left() + (area.width() - logicalSize.width() * scale) / 2;
    const double dy = area.top() + (area.height() - logicalSize.height() * scale) / 2;
    painter.save();
    painter.translate(dx, dy);
    painter.scale(scale, scale);
    const ChartLayout layout = render(painter, QRect(QPoint(0, 0), logicalSize), model, hooks,
                                      options);
    painter.restore();
    return layout;
}

bool supportsXor(const QPainter& painter)
{
    if (t_xorForbidden)
        return false;
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster
        && engine->hasFeature(QPaintEngine::RasterOpModes);
}

} // namespace zuv::charts
