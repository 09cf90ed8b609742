// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Opening a table from its file: what is set aside, what is refused, what is made anew.
#include "table.h"

#include "datafolder.h"
#include "tablefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace zuv::store {

namespace {

// How often a file that others keep changing (made, set aside, made anew) is looked at
// again before giving up.
constexpr int kMaxChanges = 64;
constexpr int kUnfinishedPollMs = 20;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The file is ours to replace only when SQLite proves it damaged or it is not ours.
bool mayBeSetAside(FileFault fault)
{
    return fault == FileFault::Damaged || fault == FileFault::Foreign;
}

void createEmpty(Table& table, const std::vector<FieldDef>& fields)
{
    table.clearFieldDefs();
    for (const FieldDef& f : fields)
        table.addFieldDef(f.name, f.type, f.size);
    table.createDataSet();
}

// Leaves the table closed without a file name: nothing can be written over the file.
[[noreturn]] void refuse(Table& table, const QString& message, FileFault fault)
{
    table.setFileName(QString());
    table.close();
    throw TableError(message, fault);
}

// One message box tells everything: each text is a paragraph of its own.
void tell(OpenReport& report, const QString& text)
{
    if (text.isEmpty())
        return;
    if (!report.message.isEmpty())
        report.message += QStringLiteral("\n\n");
    report.message += text;
}

QString cannotOpen(const QString& path, const QString& why)
{
    return QCoreApplication::translate("Tables",
                                       "Die Tabellendatei \"%1\" kann nicht geöffnet werden.\n%2\n"
                                       "Die Datei bleibt unverändert; Änderungen an dieser Tabelle "
                                       "werden in dieser Sitzung nicht gespeichert.")
        .arg(shown(path), why);
}

// Rows whose values do not fit were left out at load: the file keeps them (rows are
// written one by one), and a copy of it as it was is kept beside it.
void keepBadRows(const Table& table, const QString& path, OpenReport& report)
{
    report.badRows = table.badRows();
    if (report.badRows == 0)
        return;
    tablefile::KeptCopy kept;
    try {
        kept = tablefile::keepCopy(path);
    } catch (const tablefile::Failure&) {
    }
    report.keptCopy = kept.path;
    // This version of the file was reported (and copied) at an earlier start.
    if (!kept.path.isEmpty() && !kept.made)
        return;
    const QString copy = kept.path;
    QString text
        = QCoreApplication::translate("Tables",
                                      "In der Tabellendatei \"%1\" konnten %2 Zeile(n) nicht gelesen "
                                      "werden; die übrigen Zeilen sind geladen.")
              .arg(shown(path))
              .arg(report.badRows);
    if (!copy.isEmpty())
        text += QCoreApplication::translate("Tables", "\nEine unveränderte Kopie der Datei liegt in \"%1\".")
                    .arg(shown(copy));
    tell(report, text);
}

OpenReport openRecomputed(Table& table, const QString& path, const std::vector<FieldDef>& wanted)
{
    try {
        table.loadFromFile();
        if (table.fieldDefs() == wanted && table.badRows() == 0)
            return {};
        table.setFileName(QString());   // nothing of the misfit file is written back now
        table.close();
        table.setFileName(path);
        table.setReplaceFileOnSave(true);
    } catch (const TableError& e) {
        table.setReplaceFileOnSave(mayBeSetAside(e.fault()));
    }
    // Made anew on every use: the table works in memory whatever the file's state, and
    // close() writes it when it can.
    createEmpty(table, wanted);
    if (QFileInfo(QFileInfo(path).absolutePath()).isWritable()) {
        try {
            table.saveToFile();
        } catch (const TableError&) {
        }
    }
    return {};
}

} // namespace

OpenReport openOrCreate(Table& table, const QString& filePath, const std::vector<FieldDef>& fields,
                        TableRole role)
{
    QString path = filePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(path))
        path = tablePath(path);
    std::vector<FieldDef> wanted = fields;
    for (FieldDef& f : wanted)
        if (f.type != FieldType::String)
            f.size = 0;
    table.close();
    table.setFileName(path);
    table.setRecomputed(role == TableRole::Recomputed);
    table.setReplaceFileOnSave(false);
    if (role == TableRole::Recomputed)
        return openRecomputed(table, path, wanted);

    OpenReport report;
    tell(report, takeOverProblem());
    // Another copy of the program may be making, filling or setting aside the same file
    // right now: each turn looks again at what is there, and nothing is replaced.
    QElapsedTimer waited;
    waited.start();
    for (int changes = 0;;) {
        FileFault fault = FileFault::Foreign;
        QString why;
        const tablefile::FileId seen = tablefile::fileId(path);
        try {
            table.loadFromFile();
            if (table.fieldDefs() == wanted) {
                keepBadRows(table, path, report);
                return report;
            }
            table.setFileName(QString());
            table.close();
            table.setFileName(path);
            why = QCoreApplication::translate("Tables", "die Datei hat andere Felder");
        } catch (const TableError& e) {
            fault = e.fault();
            why = e.cause();
        }
        if (fault != FileFault::Unfinished && ++changes > kMaxChanges)
            refuse(table, cannotOpen(path, why), fault);
        try {
            switch (fault) {
            case FileFault::Missing:
                tablefile::create(path, wanted);   // or another copy just did
                continue;
            case FileFault::Unfinished:
                // Being made by another copy: wait until it is, then make it ourselves.
                if (waited.elapsed() < tablefile::lockWaitMilliseconds())
                    QThread::msleep(kUnfinishedPollMs);
                else
                    tablefile::initialize(path, wanted);
                continue;
            default:
                break;
            }
        } catch (const tablefile::Failure& f) {
            refuse(table, cannotOpen(path, f.why), f.fault);
        }
        if (!mayBeSetAside(fault))
            refuse(table, cannotOpen(path, why), fault);
        QString copy;
        try {
            copy = tablefile::keepDamaged(path, seen);
        } catch (const tablefile::Failure& f) {
            refuse(table,
                   QCoreApplication::translate(
                       "Tables",
                       "Die beschädigte Tabellendatei \"%1\" kann nicht beiseitegelegt "
                       "werden: %2\nSie bleibt unverändert; Änderungen an dieser Tabelle "
                       "werden in dieser Sitzung nicht gespeichert.")
                       .arg(shown(path), f.why),
                   f.fault);
        }
        if (copy.isEmpty())
            continue;   // no longer the file that was read: look at the new one
        report.keptCopy = copy;
        tell(report,
             QCoreApplication::translate("Tables",
                                         "Die Tabellendatei \"%1\" ist beschädigt oder stammt nicht "
                                         "von diesem Programm (%2).\nSie wurde unverändert als \"%3\" "
                                         "beiseitegelegt; eine neue, leere Tabelle wurde angelegt.")
                 .arg(shown(path), why, shown(copy)));
    }
}

} // namespace zuv::store
