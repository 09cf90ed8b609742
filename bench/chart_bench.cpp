// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Time to draw the month chart (793 x 287, four 31-point lines, 31 turned day labels) into
// an image, as the widget does on every repaint.

#include "chartrender.h"
#include "germandate.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "benchmain.h"

#include <cmath>

namespace {

using namespace zuv::charts;

QFont arial(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

ChartModel monthChart()
{
    ChartModel m;
    m.title = {QStringLiteral("Biorhythmus für Januar 2024")};
    m.titleFont = arial(13, true);
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.labelSeparationPercent = 50;
    m.left.title = QStringLiteral("Leistungsfähigkeit in %");
    m.left.titleFont = arial(11);
    const double first = zuv::core::toDateValue(QDate(2024, 1, 1));
    m.bottom.minimum = first;
    m.bottom.maximum = first + 30;
    m.bottom.increment = 1;
    m.bottom.dateTimeLabels = true;
    m.bottom.dateFormat = QStringLiteral("ddd dd");
    m.bottom.labelAngle = 90;
    m.bottom.labelFont = arial(12);
    m.bottom.title = QStringLiteral("Geburtsdatum 01.01.2000");
    m.bottom.titleFont = arial(11);
    const int periods[] = {23, 28, 33, 38};
    const QColor colours[] = {Qt::red, Qt::blue, QColor(0, 0x80, 0x80), QColor(0x40, 0, 0x40)};
    const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::SolidLine, Qt::DotLine, Qt::DashDotLine};
    for (int i = 0; i < 4; ++i) {
        Series s;
        s.title = QStringLiteral("Reihe %1").arg(i + 1);
        s.color = colours[i];
        s.lineStyle = styles[i];
        for (int d = 0; d < 31; ++d)
            s.points.emplace_back(first + d, std::round(100 * std::sin(2 * M_PI * d / periods[i])));
        m.series.push_back(s);
    }
    return m;
}

void BM_RenderMonthChart(benchmark::State& state)
{
    const ChartModel model = monthChart();
    QImage image(793, 287, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        render(painter, image.rect(), model);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderMonthChart)->Unit(benchmark::kMicrosecond);

// The chart as a window scaled to a large screen draws it: its design size times the
// window's factor (about 2 on a 1920x1080 screen).
void BM_RenderMonthChartScaled(benchmark::State& state)
{
    const ChartModel model = monthChart();
    const double factor = 1.98;
    QImage image(QSize(793, 287) * factor, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(factor, factor);
        render(painter, QRect(0, 0, 793, 287), model);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderMonthChartScaled)->Unit(benchmark::kMicrosecond);

void BM_LayoutMonthChart(benchmark::State& state)
{
    const ChartModel model = monthChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutChart(QRect(0, 0, 793, 287), model));
}
BENCHMARK(BM_LayoutMonthChart)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
