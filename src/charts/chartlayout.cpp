// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the parts of a chart go: title, legend, axes with their labels and the plot area,
// computed from the model and the target rectangle alone (font metrics, no painting).

#include "chartrender.h"

#include "germandate.h"

#include <QFontMetrics>
#include <QLocale>
#include <QTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <map>

namespace zuv::charts {

namespace {

constexpr int kPad = 4;          // gap between the chart's edge and its contents
constexpr int kGap = 2;          // gap between neighbouring parts (title, labels, ticks)
constexpr int kLegendInner = 2;  // inner margin of the legend box
constexpr int kLegendSpacing = 10;
constexpr int kMaxLabels = 1000; // protects against absurd increments

bool emptyRange(const Axis& a)
{
    return !(a.maximum > a.minimum);
}

QString numberText(double v)
{
    if (std::abs(v) < 1e-9)
        v = 0;  // no "-0"
    const double whole = std::round(v);
    if (std::abs(v - whole) < 1e-9)
        return QString::number(static_cast<long long>(whole));
    return QLocale(QLocale::German).toString(v, 'g', 6);
}

QString labelText(const Axis& a, double v)
{
    if (!a.dateTimeLabels)
        return numberText(v);
    const QDate day = zuv::core::dateFromValue(v);
    const double fraction = v - zuv::core::toDateValue(day);
    const QTime time = QTime(0, 0).addMSecs(static_cast<int>(std::lround(fraction * 86400000.0)));
    // UTC: no time-zone look-up per label, and no daylight-saving gaps to fall into.
    return zuv::core::formatDateTime(a.dateFormat, QDateTime(day, time, QTimeZone::utc()));
}

// The smallest step of 1, 2 or 5 times a power of ten whose labels lie at least
// minSpacing pixels apart.
double niceStep(double range, double pixels, double minSpacing)
{
    if (pixels <= 0 || range <= 0)
        return range > 0 ? range : 1;
    const double perUnit = pixels / range;
    double magnitude = std::pow(10.0, std::floor(std::log10(range / kMaxLabels)));
    for (int i = 0; i < 60; ++i) {
        for (double f : {1.0, 2.0, 5.0}) {
            const double step = f * magnitude;
            if (step * perUnit >= minSpacing)
                return step;
        }
        magnitude *= 10;
    }
    return range;
}

// Label values of an axis whose pixel length is known; extent is a label's size along the
// axis (text height for upright labels on a vertical axis, and so on).
std::vector<double> labelValues(const Axis& a, double pixels, double extent)
{
    if (emptyRange(a))
        return {a.minimum};
    const double range = a.maximum - a.minimum;
    const double minSpacing = extent * (1.0 + a.labelSeparationPercent / 100.0);
    double step = a.increment > 0 ? a.increment : niceStep(range, pixels, minSpacing);
    if (a.labelSeparationPercent > 0 && pixels > 0) {
        while (step * pixels / range < minSpacing && step < range)
            step *= 2;  // thin out labels that would collide
    }
    if (range / step > kMaxLabels)
        step = range / kMaxLabels;
    double first = a.minimum;
    if (a.roundFirstLabel)
        first = std::ceil(a.minimum / step - 1e-9) * step;
    std::vector<double> values;
    const double eps = step * 1e-9;
    for (int i = 0;; ++i) {
        const double v = first + i * step;
        if (v > a.maximum + eps || i > kMaxLabels)
            break;
        values.push_back(v);
    }
    return values;
}

QString lastValueText(const Series& s)
{
    if (s.points.empty())
        return {};
    return numberText(s.points.back().y());
}

int widestText(const QFontMetrics& fm, const QStringList& texts)
{
    int w = 0;
    for (const QString& t : texts)
        w = std::max(w, fm.horizontalAdvance(t));
    return w;
}

// Texts and widths of an axis's labels, each worked out once per layout: shaping text
// is the dearest part of a layout.
class LabelTexts {
public:
    LabelTexts(const Axis& axis, const QFont& font) : m_axis(axis), m_fm(font) {}
    const std::pair<QString, int>& operator()(double v)
    {
        auto it = m_cache.find(v);
        if (it == m_cache.end()) {
            QString text = labelText(m_axis, v);
            const int width = m_fm.horizontalAdvance(text);
            it = m_cache.emplace(v, std::make_pair(std::move(text), width)).first;
        }
        return it->second;
    }
    const QFontMetrics& metrics() const { return m_fm; }
private:
    const Axis& m_axis;
    QFontMetrics m_fm;
    std::map<double, std::pair<QString, int>> m_cache;
};

bool turned(const Axis& a)
{
    return a.labelAngle == 90;
}

// Legend entries placed in a box whose top left corner is origin.
QRect placeLegend(const ChartModel& m, QPoint origin, std::vector<LegendEntry>& entries)
{
    const QFontMetrics fm(m.legend.font);
    const int h = fm.height();
    const int symbolW = std::max(4, h * 2 * m.legend.symbolWidthPercent / 100);
    const int symbolH = std::max(4, h * 2 / 3);
    const bool values = m.legend.showLastValue;

    QStringList titles;
    QStringList valueTexts;
    for (const Series& s : m.series) {
        titles << s.title;
        valueTexts << (values ? lastValueText(s) : QString());
    }
    const int valueW = values ? widestText(fm, valueTexts) : 0;
    const auto textWidth = [&](int i) {
        return fm.horizontalAdvance(titles[i]) + (values && valueW > 0 ? kPad + valueW : 0);
    };

    const bool row = m.legend.alignment == LegendAlignment::Top;
    int columnTextW = 0;
    for (int i = 0; i < titles.size(); ++i)
        columnTextW = std::max(columnTextW, textWidth(i));

    int x = origin.x() + kLegendInner;
    int y = origin.y() + kLegendInner;
    int right = x;
    for (int i = 0; i < titles.size(); ++i) {
        const int tw = row ? textWidth(i) : columnTextW;
        LegendEntry e;
        e.title = titles[i];
        e.value = valueTexts[i];
        e.symbol = QRect(x, y + (h - symbolH) / 2, symbolW, symbolH);
        e.text = QRect(x + symbolW + kPad, y, tw, h);
        right = std::max(right, e.text.right() + 1);
        entries.push_back(e);
        if (row)
            x = e.text.right() + 1 + kLegendSpacing;
        else
            y += h;
    }
    const int bottom = row ? y + h : y;
    return QRect(origin, QPoint(right + kLegendInner - 1, bottom + kLegendInner - 1));
}

void shiftEntries(std::vector<LegendEntry>& entries, int dx)
{
    for (LegendEntry& e : entries) {
        e.symbol.translate(dx, 0);
        e.text.translate(dx, 0);
    }
}

int outwardOffset(const Axis& a, int chartSize)
{
    return static_cast<int>(std::lround(-a.positionPercent / 100.0 * chartSize));
}

} // namespace

double xToPixel(const QRect& plot, const ChartModel& m, double x)
{
    if (emptyRange(m.bottom))
        return (plot.left() + plot.right()) / 2.0;
    return plot.left() + (x - m.bottom.minimum) / (m.bottom.maximum - m.bottom.minimum)
        * (plot.right() - plot.left());
}

double yToPixel(const QRect& plot, const ChartModel& m, double y)
{
    if (emptyRange(m.left))
        return (plot.top() + plot.bottom()) / 2.0;
    return plot.bottom() - (y - m.left.minimum) / (m.left.maximum - m.left.minimum)
        * (plot.bottom() - plot.top());
}

double ChartLayout::xToPixel(const ChartModel& m, double x) const
{
    return charts::xToPixel(plot, m, x);
}

double ChartLayout::yToPixel(const ChartModel& m, double y) const
{
    return charts::yToPixel(plot, m, y);
}

ChartLayout layoutChart(const QRect& target, const ChartModel& m)
{
    ChartLayout L;
    L.target = target;
    const int w = target.width();
    const int h = target.height();
    const QRect area(target.left() + w * m.marginLeft / 100, target.top() + h * m.marginTop / 100,
                     w - w * (m.marginLeft + m.marginRight) / 100,
                     h - h * (m.marginTop + m.marginBottom) / 100);

    int top = area.top() + kPad;
    int rightLimit = area.right() - kPad;

    if (!m.title.isEmpty()) {
        const QFontMetrics fm(m.titleFont);
        L.titleRect = QRect(area.left(), top, area.width(), fm.height() * m.title.size());
        top = L.titleRect.bottom() + 1 + kGap;
    }

    if (m.legend.visible && !m.series.empty()) {
        if (m.legend.alignment == LegendAlignment::Top) {
            const int legendTop = std::max(area.top() + m.legend.topPosition, top);
            L.legend = placeLegend(m, QPoint(0, legendTop), L.legendEntries);
            const int left = area.left() + (area.width() - L.legend.width()) / 2;
            L.legend.moveLeft(left);
            shiftEntries(L.legendEntries, left);
            top = L.legend.bottom() + 1 + kGap;
        } else {
            L.legend = placeLegend(m, QPoint(0, area.top() + m.legend.topPosition),
                                   L.legendEntries);
            const int left = area.right() - kPad - L.legend.width() + 1;
            L.legend.moveLeft(left);
            shiftEntries(L.legendEntries, left);
            rightLimit = left - kPad - 1;
        }
    }

    // Vertical extent first: the left axis's labels depend on the plot's height only.
    const QFontMetrics leftFm(m.left.labelFont);
    if (m.left.showLabels)
        top += leftFm.height() / 2;  // room for the top label's upper half
    int bottom = area.bottom() - kPad;
    if (!m.bottom.title.isEmpty()) {
        const QFontMetrics fm(m.bottom.titleFont);
        L.bottomTitleRect = QRect(0, bottom - fm.height() + 1, 0, fm.height());
        bottom = L.bottomTitleRect.top() - 1 - kGap;
    }
    LabelTexts bottomTexts(m.bottom, m.bottom.labelFont);
    const QFontMetrics& bottomFm = bottomTexts.metrics();
    int bottomLabelExtent = 0;
    if (m.bottom.showLabels) {
        // Fixed increments give the label texts before the width is known; otherwise the
        // range's ends stand for the widest labels.
        std::vector<double> values{m.bottom.minimum, m.bottom.maximum};
        if (m.bottom.increment > 0)
            values = labelValues(m.bottom, 0, 0);
        int widest = 0;
        for (double v : values)
            widest = std::max(widest, bottomTexts(v).second);
        bottomLabelExtent = turned(m.bottom) ? widest : bottomFm.height();
        bottom -= bottomLabelExtent + kGap;
    }
    const int bottomOffset = outwardOffset(m.bottom, h);
    bottom -= m.bottom.tickLength + std::max(0, bottomOffset);

    L.bottomAxisY = bottom + 1 + bottomOffset;
    const int plotTop = top;
    const int plotBottom = std::max(plotTop, bottom);

    std::vector<double> leftValues;
    int left = area.left() + kPad;
    if (!m.left.title.isEmpty()) {
        const QFontMetrics fm(m.left.titleFont);
        L.leftTitleRect = QRect(left, plotTop, fm.height(), plotBottom - plotTop + 1);
        left += fm.height() + kGap;
    }
    QStringList leftTexts;
    if (m.left.showLabels) {
        leftValues = labelValues(m.left, plotBottom - plotTop, leftFm.height());
        for (double v : leftValues)
            leftTexts << labelText(m.left, v);
        left += widestText(leftFm, leftTexts) + kGap;
    }
    const int leftOffset = outwardOffset(m.left, w);
    left += m.left.tickLength + std::max(0, leftOffset);
    L.leftAxisX = left - 1 - leftOffset;

    if (m.bottom.showLabels)
        rightLimit -= turned(m.bottom) ? bottomFm.height() / 2
                                       : bottomTexts(m.bottom.maximum).second / 2;
    L.plot = QRect(QPoint(left, plotTop), QPoint(std::max(left, rightLimit), plotBottom));

    if (!L.leftTitleRect.isNull())
        L.leftTitleRect.setHeight(L.plot.height());
    if (!m.bottom.title.isEmpty()) {
        L.bottomTitleRect.setLeft(L.plot.left());
        L.bottomTitleRect.setWidth(L.plot.width());
    }

    for (int i = 0; i < static_cast<int>(leftValues.size()); ++i) {
        const int y = static_cast<int>(std::lround(L.yToPixel(m, leftValues[i])));
        const int tw = leftFm.horizontalAdvance(leftTexts[i]);
        const int right = L.leftAxisX - m.left.tickLength - kGap;
        L.leftLabels.push_back({leftValues[i], leftTexts[i],
                                QRect(right - tw + 1, y - leftFm.height() / 2, tw,
                                      leftFm.height())});
    }

    if (m.bottom.showLabels) {
        const double extent = turned(m.bottom) ? bottomFm.height() : bottomLabelExtent;
        const std::vector<double> values =
            labelValues(m.bottom, L.plot.right() - L.plot.left(), extent);
        const int labelTop = L.bottomAxisY + m.bottom.tickLength + kGap;
        for (double v : values) {
            const auto& [text, tw] = bottomTexts(v);
            const int x = static_cast<int>(std::lround(L.xToPixel(m, v)));
            const int th = bottomFm.height();
            const QRect r = turned(m.bottom) ? QRect(x - th / 2, labelTop, th, tw)
                                             : QRect(x - tw / 2, labelTop, tw, th);
            L.bottomLabels.push_back({v, text, r});
        }
    }
    return L;
}

} // namespace zuv::charts
