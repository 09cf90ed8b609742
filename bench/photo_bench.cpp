// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Calendar page: building the month grid, and laying out and drawing a whole page (three
// pictures and a chart) to a 300-dpi image and to a PDF. Goal: under 100 ms per page.
// With ZUV_PHOTO_BENCH_PDF=<file> the first PDF is also written there for inspection.

#include "calendarreport.h"
#include "monthgrid.h"
#include "monthpage.h"
#include "pagepictures.h"
#include "pictureloader.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "benchmain.h"

namespace {

using namespace zuv::photo;
using namespace zuv::pictures;

void BM_BuildMonthGrid(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildMonthGrid(2010, 5, 4, QStringLiteral("Berlin")));
}
BENCHMARK(BM_BuildMonthGrid)->Unit(benchmark::kMicrosecond);

struct Sample {
    CalendarReport report;
    MonthPage page;
    QTemporaryDir dir;

    Sample()
    {
        MonthPageInput input;
        input.year = 2010;
        input.month = 5;
        input.regionCode = QStringLiteral("BE");
        input.regionName = QStringLiteral("Berlin");
        // Camera-like pictures, loaded as the page loads them.
        const QColor colours[] = {QColor(200, 80, 40), QColor(40, 120, 200), QColor(60, 160, 60)};
        for (int i = 0; i < 3; ++i) {
            QImage photo(3000, 2000, QImage::Format_RGB32);
            QPainter p(&photo);
            p.fillRect(photo.rect(), colours[i]);
            p.setBrush(Qt::white);
            p.drawEllipse(QRect(500, 300, 2000, 1400));
            p.end();
            const QString file = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            photo.save(file, "JPEG", 85);
            input.pictureFiles << file;
            input.loaded.push_back(loadPicture(file, QSizeF(201, 289)));
        }
        QPicture chart;
        QPainter p(&chart);
        p.fillRect(QRect(0, 0, 681, 193), QColor(240, 240, 255));
        for (int s = 0; s < 4; ++s) {
            p.setPen(QPen(QColor::fromHsv(s * 80, 255, 200), 2));
            QPolygonF line;
            for (int d = 0; d < 31; ++d)
                line << QPointF(20 + d * 21, 96 + 80 * std::sin((d + s * 5) * 6.283 / (23 + 5 * s)));
            p.drawPolyline(line);
        }
        p.end();
        input.chart = ReportPicture::fromPicture(chart, QSizeF(681, 193));
        page = buildMonthPage(input);
    }
};

void BM_PageToImage300dpi(benchmark::State& state)
{
    Sample sample;
    QImage sheet(2480, 3508, QImage::Format_RGB32);
    for (auto _ : state) {
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        renderMonthPage(painter, QRectF(0, 0, sheet.width(), sheet.height()), sample.page, sample.report);
    }
}
BENCHMARK(BM_PageToImage300dpi)->Unit(benchmark::kMillisecond);

void BM_PageToPdf(benchmark::State& state)
{
    Sample sample;
    const QByteArray keep = qgetenv("ZUV_PHOTO_BENCH_PDF");
    bool first = true;
    for (auto _ : state) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setResolution(300);
            QPainter painter(&pdf);
            renderMonthPage(painter, QRectF(0, 0, pdf.width(), pdf.height()), sample.page, sample.report);
        }
        if (first && !keep.isEmpty()) {
            QFile file(QString::fromLocal8Bit(keep));
            if (file.open(QIODevice::WriteOnly))
                file.write(out);
        }
        first = false;
        state.counters["bytes"] = static_cast<double>(out.size());
    }
}
BENCHMARK(BM_PageToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
