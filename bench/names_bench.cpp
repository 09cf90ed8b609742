// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The name list at 10 and 100,000 names: adding one name (a durable one-row transaction
// plus the name box's refill), loading the whole list, and the refill alone. Goals: add
// under 5 ms median, load under 50 ms, refill under 20 ms at 100,000 names. The durable
// commit's cost depends on the disk: BM_SyncFileAndFolder is its floor on this machine.
#include <QByteArray>

#include "benchmain.h"
#include "namelist.h"
#include "table.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace zuv::store;

namespace {

// A name file of n rows, written whole once.
QString nameFile(QTemporaryDir& dir, int n)
{
    const QString file = dir.path() + "/Namensliste";
    Table t("CDSNamensliste");
    openOrCreate(t, file, zuv::people::nameListFields());
    for (int i = 0; i < n; ++i) {
        t.append();
        t.setValue(0, QStringLiteral("Person Nummer %1").arg(i));
        t.setValue(1, QDate(1930, 1, 1).addDays(i % 30000));
        t.post();
    }
    t.close();
    return file;
}

void BM_AddOneName(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = nameFile(dir, static_cast<int>(state.range(0)));
    Table names("CDSNamensliste");
    QComboBox box;
    box.setEditable(true);
    zuv::people::connectNameTable(names, [&] { zuv::people::refillNameBox(box, names, true); });
    openOrCreate(names, file, zuv::people::nameListFields());
    zuv::people::refillNameBox(box, names, false);
    int i = 0;
    for (auto _ : state) {
        names.append();
        names.setValue(0, QStringLiteral("Neu %1").arg(++i));
        names.post();   // one durable row write, then the refill
    }
    state.counters["names"] = names.rowCount();
}
BENCHMARK(BM_AddOneName)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadNames(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = nameFile(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Table names("CDSNamensliste");
        openOrCreate(names, file, zuv::people::nameListFields());
        benchmark::DoNotOptimize(names.rowCount());
    }
}
BENCHMARK(BM_LoadNames)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_NameBoxRefill(benchmark::State& state)
{
    QTemporaryDir dir;
    Table names("CDSNamensliste");
    openOrCreate(names, nameFile(dir, static_cast<int>(state.range(0))),
                 zuv::people::nameListFields());
    QComboBox box;
    box.setEditable(true);
    for (auto _ : state)
        zuv::people::refillNameBox(box, names, true);
}
BENCHMARK(BM_NameBoxRefill)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor of any durable commit here: fsync of a small file and of its folder.
void BM_SyncFileAndFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.path() + "/probe");
    const int fd = ::open(file.constData(), O_RDWR | O_CREAT, 0600);
    const int folder = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    char byte = 'x';
    for (auto _ : state) {
        (void)!::pwrite(fd, &byte, 1, 0);
        ::fsync(fd);
        ::fsync(folder);
    }
    ::close(fd);
    ::close(folder);
}
BENCHMARK(BM_SyncFileAndFolder)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
