// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The month table is reopened, emptied, refilled with one row per day and written back on
// every refresh of the biorhythm page; this has to stay well below a millisecond.
#include "table.h"

#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace zuv::store;

namespace {

const std::vector<FieldDef> kBioFields = {{"Tag", FieldType::Date, 0},
                                          {"Sns", FieldType::Float, 0},
                                          {"Sns1", FieldType::Float, 0},
                                          {"Sns2", FieldType::Float, 0},
                                          {"Sns3", FieldType::Float, 0}};

void refillMonth(Table& t, const QString& file)
{
    openOrCreate(t, file, kBioFields);
    t.emptyTable();
    const QDate first(2024, 3, 1);
    for (int day = 0; day < 31; ++day) {
        t.append();
        t.setValue("Tag", first.addDays(day));
        t.setValue("Sns", 27.0);
        t.setValue("Sns1", -22.0);
        t.setValue("Sns2", 100.0);
        t.setValue("Sns3", -100.0);
        t.post();
    }
    t.close();
}

void BM_MonthTableRefresh(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/Koerper";
    Table t("CLDSBio");
    refillMonth(t, file);   // the file exists from the start, as after the first run
    for (auto _ : state)
        refillMonth(t, file);
}
BENCHMARK(BM_MonthTableRefresh)->Unit(benchmark::kMicrosecond);

// The name table is written with full syncs; its cost depends on the disk.
void BM_DurableNameTableSave(benchmark::State& state)
{
    QTemporaryDir dir;
    Table t("CDSNamensliste");
    t.setDurable(true);
    openOrCreate(t, dir.path() + "/Namensliste",
                 {{"Name", FieldType::String, 30}, {"Geburtsdatum", FieldType::Date, 0}});
    for (int i = 0; i < 50; ++i) {
        t.append();
        t.setValue("Name", QStringLiteral("Person %1").arg(i));
        t.setValue("Geburtsdatum", QDate(1960, 1, 1).addDays(i * 97));
        t.post();
    }
    for (auto _ : state)
        t.saveToFile();
}
BENCHMARK(BM_DurableNameTableSave)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
