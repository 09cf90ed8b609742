// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Year calendar: the page values of a year, and the 13-page PDF without photos and with 36
// camera photos (8000x6000 JPEG, three a month). Goals: a year without photos under 1 s;
// with the photos under 10 s and under 500 MB peak memory (counter peak_rss_MB, the
// process's high-water mark, which the photos' generation does not touch: they are made
// once by a child process and kept in ZUV_YEAR_BENCH_PHOTOS or <tmp>/zuv-year-bench-photos).

#include "picturecache.h"
#include "yearpages.h"
#include "yearrender.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include "benchmain.h"

namespace {

using namespace zuv::yearcal;

constexpr int kPhotoWidth = 8000;
constexpr int kPhotoHeight = 6000;
constexpr int kPhotos = 36;

const std::vector<Person> kPeople = {
    {QStringLiteral("Anna"), QDate(1987, 3, 14)}, {QStringLiteral("Bert"), QDate(2024, 2, 29)},
    {QStringLiteral("Carl"), QDate(1960, 7, 1)},  {QStringLiteral("Dora"), QDate(2001, 12, 24)},
};

YearProject project()
{
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("BY");
    p.person = kPeople[0];
    return p;
}

// The same with moon phases, a second region and bridge days switched on.
YearProject projectWithAllMarks()
{
    YearProject p = project();
    p.moonPhases = true;
    p.secondRegion = QStringLiteral("W");
    p.bridgeDays = true;
    return p;
}

double peakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;   // kilobytes on Linux
}

QString photoFolder()
{
    const QByteArray env = qgetenv("ZUV_YEAR_BENCH_PHOTOS");
    return env.isEmpty() ? QDir::temp().filePath(QStringLiteral("zuv-year-bench-photos"))
                         : QString::fromLocal8Bit(env);
}

// A camera-like picture: smooth colour fields with fine grain, so the JPEG has the size
// and decoding cost of a real photo.
void makePhotos(const QString& folder)
{
    QDir().mkpath(folder);
    QRandomGenerator random(2027);
    for (int k = 0; k < 3; ++k) {
        QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB888);
        for (int y = 0; y < kPhotoHeight; ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < kPhotoWidth; ++x) {
                const int grain = int(random.bounded(24u)) - 12;
                line[3 * x] = uchar(qBound(0, (x * 255 / kPhotoWidth + 60 * k) % 256 + grain, 255));
                line[3 * x + 1] = uchar(qBound(0, y * 255 / kPhotoHeight + grain, 255));
                line[3 * x + 2] = uchar(qBound(0, 128 + 100 * ((x / 700 + y / 500 + k) % 2) + grain, 255));
            }
        }
        image.save(QDir(folder).filePath(QStringLiteral("source%1.jpg").arg(k)), "JPEG", 92);
    }
    // 36 files of their own (hard links: each is its own path to the picture cache).
    for (int i = 0; i < kPhotos; ++i) {
        const QString name = QDir(folder).filePath(QStringLiteral("IMG_%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')));
        QFile::remove(name);
        const QString source = QDir(folder).filePath(QStringLiteral("source%1.jpg").arg(i % 3));
        if (::link(source.toLocal8Bit().constData(), name.toLocal8Bit().constData()) != 0)
            QFile::copy(source, name);
    }
    QFile marker(QDir(folder).filePath(QStringLiteral("fertig")));
    marker.open(QIODevice::WriteOnly);
}

QStringList photos(const char* self)
{
    const QString folder = photoFolder();
    if (!QFile::exists(QDir(folder).filePath(QStringLiteral("fertig"))))
        QProcess::execute(QString::fromLocal8Bit(self), {QStringLiteral("--make-photos"), folder});
    QStringList list;
    for (int i = 0; i < kPhotos; ++i)
        list << QDir(folder).filePath(QStringLiteral("IMG_%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')));
    return list;
}

const char* g_self = nullptr;

void BM_YearDocument(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildYearDocument(project(), kPeople));
}
BENCHMARK(BM_YearDocument)->Unit(benchmark::kMillisecond);

void BM_YearDocumentAllMarks(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildYearDocument(projectWithAllMarks(), kPeople));
}
BENCHMARK(BM_YearDocumentAllMarks)->Unit(benchmark::kMillisecond);

void BM_YearPdfWithoutPhotos(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    for (auto _ : state) {
        std::vector<PictureProblem> problems;
        writeYearPdf(pdf, buildYearDocument(project(), kPeople), zuv::photo::CalendarReport(), problems);
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(BM_YearPdfWithoutPhotos)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_YearPdfWithoutPhotosAllMarks(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    for (auto _ : state) {
        std::vector<PictureProblem> problems;
        writeYearPdf(pdf, buildYearDocument(projectWithAllMarks(), kPeople), zuv::photo::CalendarReport(), problems);
    }
}
BENCHMARK(BM_YearPdfWithoutPhotosAllMarks)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_YearPdf36CameraPhotos(benchmark::State& state)
{
    const QStringList files = photos(g_self);
    YearProject p = project();
    for (int m = 0; m < 12; ++m)
        p.pictures[static_cast<std::size_t>(m)] = files.mid(3 * m, 3);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    std::size_t problemCount = 0;
    for (auto _ : state) {
        zuv::pictures::pictureCache().clear();   // every photo decoded again, as on a first run
        std::vector<PictureProblem> problems;
        writeYearPdf(pdf, buildYearDocument(p, kPeople), zuv::photo::CalendarReport(), problems);
        problemCount = problems.size();
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(pdf).size());
    state.counters["problems"] = static_cast<double>(problemCount);
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}
BENCHMARK(BM_YearPdf36CameraPhotos)->Unit(benchmark::kMillisecond)->Iterations(2)->MeasureProcessCPUTime()->UseRealTime();

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
