// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up of the main window (construction, first values, tables, first refresh and the
// first paint) beside an empty QMainWindow of the same size painted the same way.

#include "application.h"
#include "dialogs.h"
#include "programfolder.h"
#include "tform1.h"

#include <QDir>
#include <QMainWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QDateTime fixedNow()
{
    return QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0));
}

void BM_StartMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        zuv::app::TForm1 w(&fixedNow);
        w.FormCreate();
        QPixmap first = w.grab();
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartEmptyMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow w;
        w.resize(848, 571);
        QPixmap first = w.grab();
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(BM_StartEmptyMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zuv::app::Application app(argc, argv);
    // Tables go to a scratch copy of the program folder, not next to the benchmark.
    QTemporaryDir folder;
    QDir().mkpath(folder.path() + QStringLiteral("/BioTab"));
    for (const char* sub : {"BioBMPs", "TZeichen", "BioTab", "BioHelp"}) {
        const QString from = zuv::core::programFolder() + QLatin1String(sub);
        QDir().mkpath(folder.path() + QLatin1Char('/') + QLatin1String(sub));
        for (const QString& f : QDir(from).entryList(QDir::Files))
            QFile::copy(from + QLatin1Char('/') + f,
                        folder.path() + QLatin1Char('/') + QLatin1String(sub) + QLatin1Char('/') + f);
    }
    zuv::core::setProgramFolder(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
