// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Photos as they were taken: the year PDF with twelve 24-megapixel camera photos (six
// landscape 6000x4000, six portrait 4000x6000, one a month), cut to their slots, with the
// print shop's bleed and crop marks. Goals: under 5 s and under 12 MB. And the thumbnails
// of those twelve photos: under 2 s, both decoded two at a time and in the year window itself
// (from the project being shown to the last thumbnail, with the longest time its event loop
// was held up: the window must never freeze).
// The photos are made once by a child process and kept in ZUV_PHOTOFIT_BENCH_PHOTOS or
// <tmp>/zuv-photofit-bench-photos.

#include "thumbnail.h"
#include "yearthumbnails.h"
#include "yearwindow.h"
#include "yearpages.h"
#include "yearrender.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <future>
#include <unistd.h>

#include "benchmain.h"

namespace {

using namespace zuv::yearcal;

constexpr int kLong = 6000;
constexpr int kShort = 4000;

QString photoFolder()
{
    const QByteArray env = qgetenv("ZUV_PHOTOFIT_BENCH_PHOTOS");
    return env.isEmpty() ? QDir::temp().filePath(QStringLiteral("zuv-photofit-bench-photos"))
                         : QString::fromLocal8Bit(env);
}

// Smooth colour fields with fine grain, so the JPEG has the size and decoding cost of a
// real photo.
void makePhotos(const QString& folder)
{
    QDir().mkpath(folder);
    QRandomGenerator random(2027);
    for (int k = 0; k < 2; ++k) {
        const int w = k == 0 ? kLong : kShort;
        const int h = k == 0 ? kShort : kLong;
        QImage image(w, h, QImage::Format_RGB888);
        for (int y = 0; y < h; ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int grain = int(random.bounded(24u)) - 12;
                line[3 * x] = uchar(qBound(0, x * 255 / w + grain, 255));
                line[3 * x + 1] = uchar(qBound(0, y * 255 / h + grain, 255));
                line[3 * x + 2] = uchar(qBound(0, 128 + 100 * ((x / 700 + y / 500 + k) % 2) + grain, 255));
            }
        }
        image.save(QDir(folder).filePath(QStringLiteral("source%1.jpg").arg(k)), "JPEG", 92);
    }
    for (int i = 0; i < 12; ++i) {
        const QString name = QDir(folder).filePath(QStringLiteral("IMG_%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')));
        QFile::remove(name);
        const QString source = QDir(folder).filePath(QStringLiteral("source%1.jpg").arg(i % 2));
        if (::link(source.toLocal8Bit().constData(), name.toLocal8Bit().constData()) != 0)
            QFile::copy(source, name);
    }
    QFile marker(QDir(folder).filePath(QStringLiteral("fertig")));
    marker.open(QIODevice::WriteOnly);
}

const char* g_self = nullptr;

QStringList photos()
{
    const QString folder = photoFolder();
    if (!QFile::exists(QDir(folder).filePath(QStringLiteral("fertig"))))
        QProcess::execute(QString::fromLocal8Bit(g_self), {QStringLiteral("--make-photos"), folder});
    QStringList list;
    for (int i = 0; i < 12; ++i)
        list << QDir(folder).filePath(QStringLiteral("IMG_%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')));
    return list;
}

void BM_YearPdf12PhotosCutWithBleed(benchmark::State& state)
{
    const QStringList files = photos();
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("BY");
    p.print.sheet.bleed = state.range(0) != 0;
    p.print.sheet.paper = zuv::photo::Paper::A4;
    for (int m = 0; m < 12; ++m)
        p.pictures[static_cast<std::size_t>(m)] = QStringList{files[m]};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    std::size_t problems = 0;
    for (auto _ : state) {
        std::vector<PictureProblem> found;
        writeYearPdf(pdf, buildYearDocument(p, {}), zuv::photo::CalendarReport(), found);
        problems = found.size();
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_YearPdf12PhotosCutWithBleed)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Iterations(2)->MeasureProcessCPUTime()->UseRealTime();

void BM_Thumbnails12Photos(benchmark::State& state)
{
    const QStringList files = photos();
    for (auto _ : state) {
        // Two workers, as the machine has two cores.
        auto half = [&](int from) {
            for (int i = from; i < files.size(); i += 2)
                benchmark::DoNotOptimize(zuv::pictures::decodeThumbnail(files[i]));
        };
        auto other = std::async(std::launch::async, half, 1);
        half(0);
        other.get();
    }
}
BENCHMARK(BM_Thumbnails12Photos)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_YearWindowThumbnails12Photos(benchmark::State& state)
{
    const QStringList files = photos();
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("BY");
    for (int m = 0; m < 12; ++m)
        p.pictures[static_cast<std::size_t>(m)] = QStringList{files[m]};
    QTemporaryDir dir;
    qint64 longestStall = 0;
    for (auto _ : state) {
        YearWindow window(dir.filePath(QStringLiteral("projekt.json")), [] { return std::vector<Person>(); },
                          [] { return zuv::photo::CalendarReport(); });
        window.show();
        QCoreApplication::processEvents();   // its first paint is not the pictures' doing
        // A timer every 5 ms on the window's thread: the longest gap between two of its
        // ticks is the longest the window could not answer.
        QElapsedTimer clock;
        qint64 lastTick = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        ticker.start(5);
        clock.start();
        window.setProject(p);
        while (window.thumbnails().pending() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(double(clock.elapsed()) / 1000.0);
    }
    state.counters["longest_stall_ms"] = static_cast<double>(longestStall);
}
BENCHMARK(BM_YearWindowThumbnails12Photos)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    g_self = argv[0];
    if (argc == 3 && QByteArray(argv[1]) == "--make-photos") {
        makePhotos(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    return runBenchmarks<QApplication>(argc, argv);
}
