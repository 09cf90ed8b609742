// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes as a table file to the loader. Whatever loads must read back
// through every accessor and survive a save and reload unchanged.
#include "table.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString g_input;
QString g_copy;

void writeInput(const uint8_t* data, size_t size)
{
    QFile::remove(g_input + "-journal");
    QFile f(g_input);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

void readEverything(zuv::store::Table& t)
{
    for (t.first(); !t.eof(); t.next())
        for (const zuv::store::FieldDef& f : t.fieldDefs()) {
            (void)t.asString(f.name);
            (void)t.value(f.name);
        }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/table_fuzz_XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    g_input = QString::fromLocal8Bit(pattern) + "/input";
    g_copy = QString::fromLocal8Bit(pattern) + "/copy";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput(data, size);
    zuv::store::Table t("fuzz");
    t.setFileName(g_input);
    try {
        t.loadFromFile();
    } catch (const zuv::store::TableError&) {
        return 0;
    }
    readEverything(t);

    std::vector<std::vector<QVariant>> rows;
    for (int r = 0; r < t.rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < static_cast<int>(t.fieldDefs().size()); ++c)
            rows.back().push_back(t.cell(r, c));
    }
    // Saved over the file it came from (its tables reused) and into a new file.
    const auto fields = t.fieldDefs();
    QFile::remove(g_copy);
    for (const QString& target : {g_input, g_copy}) {
        t.setFileName(target);
        t.saveToFile();
        zuv::store::Table back("fuzz");
        back.setFileName(target);
        back.loadFromFile();
        if (back.fieldDefs() != fields || back.rowCount() != static_cast<int>(rows.size()))
            std::abort();
        for (int r = 0; r < back.rowCount(); ++r)
            for (int c = 0; c < static_cast<int>(fields.size()); ++c)
                if (back.cell(r, c) != rows[r][c])
                    std::abort();
    }
    return 0;
}
