// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// SQLite plumbing shared by the table file's whole-file and row-level halves. Used by
// tablefile*.cpp only.

#include "tablefile.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

namespace zuv::store::tablefile::detail {

struct Db {
    sqlite3* h = nullptr;
    Db() = default;
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;
    ~Db() { sqlite3_close_v2(h); }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(h)); }
};

struct Stmt {
    sqlite3_stmt* s = nullptr;
    Stmt() = default;
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    ~Stmt() { sqlite3_finalize(s); }
};

// The failure of the last call on db, sorted by what it means for the file.
Failure failure(const Db& db);
void prepare(Db& db, Stmt& st, const char* sql);
void exec(Db& db, const char* sql);
int pragmaInt(Db& db, const char* sql);

// Refuses a path whose file or journal entries are no regular files (a FIFO, folder or
// link in their place): SQLite would block on them or write through them.
void requireSafeEntries(const QString& path, bool mustExist);
// Opens the file read-write (create: may make it), hardened against crafted content.
void open(Db& db, const QString& path, bool create);
// The journal and sync settings of one write; durable ones survive a power cut.
void setWriteMode(Db& db, bool durable);
// Throws Failure{Foreign} unless the file holds exactly the objects write() creates.
void requireOurSchema(Db& db, int fieldCount);

// The file's change counter, read through the connection's own file handle (opening and
// closing the file beside SQLite would drop its POSIX locks). 0 when it cannot be read.
quint32 changeCounter(Db& db);

QByteArray dataTableSql(int fieldCount);
extern const char* const kFieldsTableSql;
constexpr int kApplicationId = 0x5A555654;
constexpr int kFormatVersion = 1;

void bindValue(sqlite3_stmt* st, int col, const FieldDef& def, const QVariant& v);

} // namespace zuv::store::tablefile::detail
