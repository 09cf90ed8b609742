// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar page's pictures: three camera photos decoded for a first preview and served
// from the cache for a second one (goal: under 20 ms of picture work), and a large WMF
// (about 6 MB of records, inside every limit): converted and drawn once, then a preview
// repaint at a new window size (goal: under 100 ms, the window never blocks longer).

#include "calendarreport.h"
#include "picturecache.h"
#include "pictureloader.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "benchmain.h"

namespace {

using namespace zuv::photo;
using namespace zuv::pictures;

const QSizeF kThreeSlot(201, 289);

struct Photos {
    QTemporaryDir dir;
    QStringList files;
    Photos()
    {
        const QColor colours[] = {QColor(200, 80, 40), QColor(40, 120, 200), QColor(60, 160, 60)};
        for (int i = 0; i < 3; ++i) {
            QImage photo(4000, 3000, QImage::Format_RGB32);
            QPainter p(&photo);
            p.fillRect(photo.rect(), colours[i]);
            p.setBrush(Qt::white);
            p.drawEllipse(QRect(700, 400, 2600, 2200));
            p.end();
            files << dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            photo.save(files.back(), "JPEG", 90);
        }
    }
};

Photos& photos()
{
    static Photos p;
    return p;
}

void BM_ThreePhotosFirstPreview(benchmark::State& state)
{
    PictureCache cache;
    for (auto _ : state) {
        cache.clear();
        for (const QString& f : photos().files)
            benchmark::DoNotOptimize(cache.image(f, printPixels(kThreeSlot)));
    }
}
BENCHMARK(BM_ThreePhotosFirstPreview)->Unit(benchmark::kMillisecond);

void BM_ThreePhotosSecondPreview(benchmark::State& state)
{
    PictureCache cache;
    for (const QString& f : photos().files)
        cache.image(f, printPixels(kThreeSlot));
    for (auto _ : state)
        for (const QString& f : photos().files)
            benchmark::DoNotOptimize(cache.image(f, printPixels(kThreeSlot)));
    state.counters["decodes"] = cache.stats().decodes;
}
BENCHMARK(BM_ThreePhotosSecondPreview)->Unit(benchmark::kMicrosecond);

// A placeable WMF of many small filled polygons in many colours, about 6 MB.
QByteArray largeWmf()
{
    QByteArray body;
    const auto u16 = [&](int v) { body.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto u32 = [&](quint32 v) { u16(int(v & 0xFFFF)); u16(int(v >> 16)); };
    u32(5); u16(0x020B); u16(0); u16(0);            // SETWINDOWORG
    u32(5); u16(0x020C); u16(3000); u16(4000);      // SETWINDOWEXT
    int maxRecord = 5;
    for (int i = 0; body.size() < 6 * 1024 * 1024; ++i) {
        u32(7); u16(0x02FC); u16(0);                // CREATEBRUSHINDIRECT solid
        u32(quint32((i * 37) & 0xFF) | quint32((i * 91) & 0xFF) << 8 | quint32((i * 13) & 0xFF) << 16);
        u16(0);
        u32(4); u16(0x012D); u16(0);                // SELECTOBJECT 0
        const int x = (i * 53) % 3900, y = (i * 29) % 2900;
        u32(3 + 1 + 2 * 6); u16(0x0324); u16(6);    // POLYGON of 6 points
        for (int k = 0; k < 6; ++k) {
            u16(x + int(40 * std::cos(k * 1.047))  + 50);
            u16(y + int(40 * std::sin(k * 1.047)) + 50);
        }
        maxRecord = std::max(maxRecord, 16);
        u32(4); u16(0x01F0); u16(0);                // DELETEOBJECT 0
    }
    u32(3); u16(0);                                 // EOF
    QByteArray head;
    const auto h16 = [&](int v) { head.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto h32 = [&](quint32 v) { h16(int(v & 0xFFFF)); h16(int(v >> 16)); };
    const quint16 placeable[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 4000, 3000, 1000, 0, 0};
    quint16 checksum = 0;
    for (quint16 w : placeable)
        checksum ^= w;
    for (quint16 w : placeable)
        h16(w);
    h16(checksum);
    h16(1); h16(9); h16(0x0300);
    h32(quint32((18 + body.size()) / 2));
    h16(1); h32(quint32(maxRecord)); h16(0);
    return head + body;
}

struct BigDrawing {
    QTemporaryDir dir;
    QString file;
    BigDrawing()
    {
        file = dir.filePath(QStringLiteral("gross.wmf"));
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.write(largeWmf());
    }
};

BigDrawing& bigDrawing()
{
    static BigDrawing d;
    return d;
}

const QSizeF kSingleSlot(609, 377);

void BM_LargeWmfFirstLoad(benchmark::State& state)
{
    PictureCache cache;
    for (auto _ : state) {
        cache.clear();
        benchmark::DoNotOptimize(cache.image(bigDrawing().file, printPixels(kSingleSlot)));
    }
    state.counters["file_MB"] = double(QFileInfo(bigDrawing().file).size()) / (1024 * 1024);
    state.counters["svg_MB"] = double(cache.stats().drawingBytes) / (1024 * 1024);
}
BENCHMARK(BM_LargeWmfFirstLoad)->Unit(benchmark::kMillisecond)->Iterations(2);

// What the preview does on a resize: its recorded page played back at the new size.
void BM_LargeWmfPreviewResize(benchmark::State& state)
{
    PictureCache cache;
    ReportPage page;
    page.pictures.push_back({QStringLiteral("QRImage1"), QRectF(QPointF(96, 640), kSingleSlot),
                             ReportPicture::fromImage(cache.image(bigDrawing().file, printPixels(kSingleSlot)))});
    QPicture recorded;
    {
        QPainter p(&recorded);
        render(p, QRectF(0, 0, 794, 1123), page);
    }
    int width = 500;
    for (auto _ : state) {
        width = width >= 1400 ? 500 : width + 37;   // a window being dragged wider
        QImage view(width, width * 1123 / 794, QImage::Format_RGB32);
        view.fill(Qt::white);
        QPainter p(&view);
        p.scale(width / 794.0, width / 794.0);
        p.drawPicture(0, 0, recorded);
    }
}
BENCHMARK(BM_LargeWmfPreviewResize)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
