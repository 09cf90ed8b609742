// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Fixture and settings shared by the chart tests: a month line chart and a day-form bar
// chart set up like the biorhythm page's, and pixel helpers.

#include "chartmodel.h"
#include "chartrender.h"
#include "germandate.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace charttest {

using namespace zuv::charts;
using zuv::core::toDateValue;

class ChartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_charts";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

inline QFont arial(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The month chart's settings: four line series over the days of a month, -100..100.
inline ChartModel monthModel(int year, int month)
{
    ChartModel m;
    m.title = {QStringLiteral("Biorhythmus Januar 2024")};
    m.titleFont = arial(13, true);
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.labelSeparationPercent = 50;
    m.left.title = QStringLiteral("Leistungsfähigkeit in %");
    m.left.titleFont = arial(11);
    m.left.positionPercent = -1;
    const QDate first(year, month, 1);
    m.bottom.minimum = toDateValue(first);
    m.bottom.maximum = toDateValue(QDate(year, month, first.daysInMonth()));
    m.bottom.increment = 1;
    m.bottom.dateTimeLabels = true;
    m.bottom.dateFormat = QStringLiteral("ddd dd");
    m.bottom.labelAngle = 90;
    m.bottom.labelFont = arial(12);
    m.bottom.labelColor = Qt::white;
    m.bottom.tickLength = 2;
    m.bottom.gridStyle = Qt::SolidLine;
    m.bottom.gridColor = QColor(0x40, 0x00, 0x40);
    m.bottom.positionPercent = -4;
    m.bottom.title = QStringLiteral("Geburtsdatum 01.01.2000");
    m.bottom.titleFont = arial(11);
    m.bottom.titleColor = Qt::white;
    const struct { const char* title; QColor color; Qt::PenStyle style; } lines[] = {
        {"Körperlich", QColor(0xFF, 0, 0), Qt::SolidLine},
        {"Emotional", QColor(0, 0, 0xFF), Qt::SolidLine},
        {"Geistig", QColor(0, 0x80, 0x80), Qt::DotLine},
        {"Intuitiv", QColor(0x40, 0, 0x40), Qt::DashDotLine},
    };
    for (const auto& l : lines) {
        Series s;
        s.title = QString::fromUtf8(l.title);
        s.color = l.color;
        s.lineStyle = l.style;
        m.series.push_back(s);
    }
    return m;
}

// The day-form chart: four bar series of one row, legend with last values at the right.
inline ChartModel dayFormModel()
{
    ChartModel m;
    m.panelColor = QColor(0xC0, 0xC0, 0xC0);
    m.gradientStart = QColor(0xFF, 0xFF, 0x80);
    m.marginRight = 5;
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.labelFont = arial(9);
    m.bottom.showLabels = false;
    m.bottom.increment = 1;
    m.legend.alignment = LegendAlignment::Right;
    m.legend.topPosition = 25;
    m.legend.showLastValue = true;
    m.legend.symbolWidthPercent = 25;
    const struct { const char* title; QColor color; double value; } bars[] = {
        {"Körper", QColor(0xFF, 0, 0), 50},
        {"Seele", QColor(0, 0, 0xFF), -50},
        {"Geist", QColor(0, 0x80, 0), 100},
        {"Intuition", QColor(0x40, 0, 0x40), 27},
    };
    for (const auto& b : bars) {
        Series s;
        s.title = QString::fromUtf8(b.title);
        s.kind = SeriesKind::Bar;
        s.color = b.color;
        s.barWidthPixels = 16;
        s.points = {QPointF(0, b.value)};
        m.series.push_back(s);
    }
    return m;
}

inline QImage renderImage(const ChartModel& m, QSize size, const ChartHooks& hooks = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    render(p, QRect(QPoint(0, 0), size), m, hooks);
    return image;
}

inline bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

inline int countPixels(const QImage& image, const QRect& r, const std::function<bool(QColor)>& pred)
{
    int n = 0;
    const QRect clipped = r.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            n += pred(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

inline bool reddish(QColor c)
{
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}

inline const QSize kMonthSize(793, 287);

} // namespace charttest
