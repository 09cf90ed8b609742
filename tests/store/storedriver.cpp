// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Child process of the fault-injection suite: drives the real table store as the program
// does at start and when names are added or deleted, and prints what the user would be
// shown and every acknowledged change, one line each, flushed at once.
//   storedriver [--as-nobody] [--lock-wait MS] [--program FOLDER] [--wait-go] FILE COMMAND [ARGS]
// --wait-go prints READY and waits for a line on standard input before it starts, so that
// two drivers begin at the same moment.
// FILE "-" means the program's own choice: userDataFolder() + "Namensliste".
// Commands:
//   open                  open as at start; prints MSG/ERR, then ROWS and NAME lines
//   add PREFIX N          open, then add PREFIX-1..N; prints ACK <name> after each post
//   churn PREFIX N        open, then add PREFIX-i and delete the row before it, N times;
//                         prints ACK <name> for each name that stays and DEL for deletes
//   lock MS               holds an exclusive lock on FILE for MS milliseconds; prints LOCKED
//   refresh N             opens Koerper as a recomputed table N times, as every refresh
#include "datafolder.h"
#include "programfolder.h"
#include "table.h"
#include "tablefile.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <unistd.h>

using namespace zuv::core;
using namespace zuv::store;

namespace {

const std::vector<FieldDef> kNameFields = {{"Name", FieldType::String, 30},
                                           {"Geburtsdatum", FieldType::Date, 0}};
const std::vector<FieldDef> kBioFields = {{"Tag", FieldType::Date, 0},
                                          {"Sns", FieldType::Float, 0}};

void say(const QString& line)
{
    const QByteArray text = (line + QLatin1Char('\n')).toUtf8();
    (void)!::write(1, text.constData(), static_cast<size_t>(text.size()));
}

// As the main window opens the name list: a report is an information box, a refusal the
// error box.
bool openNames(Table& names, const QString& file)
{
    names.setRowLevelWrites(true);
    try {
        const OpenReport report = openOrCreate(names, file, kNameFields);
        if (!report.message.isEmpty())
            say(QStringLiteral("MSG ") + QString(report.message).replace('\n', ' '));
        return true;
    } catch (const TableError& e) {
        say(QStringLiteral("ERR ") + QString(e.message()).replace('\n', ' '));
        return false;
    }
}

void add(Table& names, const QString& name)
{
    names.append();
    names.setValue("Name", name);
    names.setValue("Geburtsdatum", QDate(1980, 1, 1));
    names.post();
}

int holdLock(const QString& file, int ms)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK
        || sqlite3_exec(db, "BEGIN EXCLUSIVE; SELECT count(*) FROM data;", nullptr, nullptr,
                        nullptr)
            != SQLITE_OK)
        return 3;
    say(QStringLiteral("LOCKED"));
    ::usleep(static_cast<useconds_t>(ms) * 1000);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    zuv::core::setApplicationNames();
    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.front().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (option == QStringLiteral("--as-nobody")) {
            // Root reads everything; the permission cases need an ordinary user.
            if (::geteuid() == 0
                && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 4;
        } else if (option == QStringLiteral("--lock-wait")) {
            tablefile::setLockWaitMilliseconds(args.takeFirst().toInt());
        } else if (option == QStringLiteral("--program")) {
            setProgramFolder(args.takeFirst());
        } else if (option == QStringLiteral("--wait-go")) {
            say(QStringLiteral("READY"));
            char go[8];
            if (::read(0, go, sizeof go) <= 0)
                return 5;
        }
    }
    if (args.size() < 2)
        return 2;
    const QString file = args[0] == QStringLiteral("-") ? userDataPath(QStringLiteral("Namensliste"))
                                                         : args[0];
    const QString command = args[1];
    if (command == QStringLiteral("lock"))
        return holdLock(file, args.value(2).toInt());
    if (command == QStringLiteral("refresh")) {
        Table bio("CLDSBio");
        for (int i = 0; i < args.value(2).toInt(); ++i) {
            openOrCreate(bio, QStringLiteral("BioTab/Koerper"), kBioFields, TableRole::Recomputed);
            bio.append();
            bio.setValue("Tag", QDate(2026, 1, 1).addDays(i));
            bio.post();
            bio.close();
        }
        say(QStringLiteral("REFRESHED"));
        return 0;
    }
    Table names("CDSNamensliste");
    if (!openNames(names, file))
        return 0;
    if (command == QStringLiteral("open")) {
        say(QStringLiteral("ROWS %1").arg(names.rowCount()));
        for (int r = 0; r < names.rowCount(); ++r)
            say(QStringLiteral("NAME ") + names.cell(r, 0).toString());
        say(QStringLiteral("FOLDER ") + userDataFolder());
        return 0;
    }
    const QString prefix = args.value(2);
    const int count = args.value(3).toInt();
    try {
        for (int i = 1; i <= count; ++i) {
            const QString name = QStringLiteral("%1-%2").arg(prefix).arg(i);
            add(names, name);
            say(QStringLiteral("ACK ") + name);
            if (command == QStringLiteral("churn") && i % 2 == 0) {
                // Delete this copy's previous name (the row before the one just added).
                names.reloadIfChanged();
                const QString gone = QStringLiteral("%1-%2").arg(prefix).arg(i - 1);
                if (names.locate("Name", gone)) {
                    names.deleteRow();
                    say(QStringLiteral("DEL ") + gone);
                }
            }
        }
    } catch (const TableError& e) {
        say(QStringLiteral("ERR ") + QString(e.message()).replace('\n', ' '));
        return 1;
    }
    return 0;
}
