// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Calendar page: building the month grid, and laying out and drawing a whole page (three
// pictures and a chart) to a 300-dpi image and to a PDF. Goal: under 100 ms per page.
// With ZUV_PHOTO_BENCH_PDF=<file> the first PDF is also written there for inspection.

#include "calendarreport.h"
#include "monthgrid.h"
#include "pictureloader.h"
#include "table.h"

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

void BM_BuildMonthGrid(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildMonthGrid(2010, 5, 4, QStringLiteral("Berlin")));
}
BENCHMARK(BM_BuildMonthGrid)->Unit(benchmark::kMicrosecond);

struct Sample {
    zuv::core::Table table{QStringLiteral("CLDBildkalender")};
    CalendarReport report;
    QTemporaryDir dir;

    Sample()
    {
        for (const auto& f : bildkalenderFields())
            table.addFieldDef(f.name, f.type, f.size);
        table.createDataSet();
        appendGrid(table, buildMonthGrid(2010, 5, 4, QStringLiteral("Berlin")));
        report.dataSet = &table;
        report.onPrint = [](ReportText& e, QString& v) {
            if (e.name == QLatin1String("QRLabel1"))
                v = QStringLiteral("Mai  2010");
            else if (e.name == QLatin1String("QRLabel10"))
                v = buildMonthGrid(2010, 5, 4, QStringLiteral("Berlin")).holidayLine
                    + QStringLiteral("\r\n\r\n");
            else if (e.field >= 1 && e.field <= 6) {
                // The report window's cell rule: holidays red, Saturdays blue, others black.
                const bool holiday = v.endsWith(QLatin1Char('x'));
                if (holiday)
                    v.chop(1);
                e.color = holiday ? QColor(Qt::red) : e.field == 6 ? QColor(Qt::blue) : QColor(Qt::black);
            } else if (e.field == 7 && v.endsWith(QLatin1Char('x'))) {
                v.chop(1);
            }
        };
        report.applyLayout(kLayoutWithChart);
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
            ImageSlot& slot = report.image(2 + i);
            slot.picture = loadPicture(file, slot.geometry.size());
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
        report.image(5).picture = ReportPicture::fromPicture(chart, QSizeF(681, 193));
    }
};

void BM_PageToImage300dpi(benchmark::State& state)
{
    Sample sample;
    QImage sheet(2480, 3508, QImage::Format_RGB32);
    for (auto _ : state) {
        const ReportPage page = sample.report.generate();
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        render(painter, QRectF(0, 0, sheet.width(), sheet.height()), page);
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
            render(painter, QRectF(0, 0, pdf.width(), pdf.height()), sample.report.generate());
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
