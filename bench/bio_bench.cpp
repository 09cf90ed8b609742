// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// A full refresh of the biorhythm page: checks, both tables refilled through their files,
// zodiac sign, and both charts drawn into images.

#include "biopage.h"
#include "biorhythm.h"
#include "dialogs.h"
#include "namelist.h"
#include "programfolder.h"
#include "zodiac.h"
#include "zodiacfolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "benchmain.h"

namespace {

class SilentDialogs : public zuv::core::Dialogs {
public:
    void information(QWidget*, const QString&) override { ++messages; }
    void error(QWidget*, const QString&) override { ++messages; }
    int exec(QDialog&) override { return 0; }
    int messages = 0;
};

void BM_FullRefresh(benchmark::State& state)
{
    QTemporaryDir dir;
    zuv::testing::makeProgramFolder(dir.path());
    zuv::core::setProgramFolder(dir.path());
    SilentDialogs dialogs;
    zuv::core::setDialogs(&dialogs);
    {
        zuv::store::Table bio, percent, names;
        zuv::store::openOrCreate(names, zuv::people::kNameListFile, zuv::people::nameListFields());
        zuv::bio::BioMonthModel month;
        zuv::bio::BioPage page(month, bio, percent, names);
        page.initialise(QDate(2024, 7, 15));
        page.MaskEdit1()->setText(QStringLiteral("03.02.1985"));
        for (auto _ : state) {
            page.Button4Click();
            const QImage month = page.DBChart1()->toImage();
            const QImage day = page.DBChart2()->toImage();
            benchmark::DoNotOptimize(month.constBits());
            benchmark::DoNotOptimize(day.constBits());
        }
        if (dialogs.messages != 0)
            state.SkipWithError("the refresh showed a message");
    }
    zuv::core::setDialogs(nullptr);
    zuv::core::setProgramFolder(QString());
}
BENCHMARK(BM_FullRefresh)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MonthValues(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zuv::bio::monthValues(2024, 7, QDate(1985, 2, 3)));
}
BENCHMARK(BM_MonthValues);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
