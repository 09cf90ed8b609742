// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The table file: an SQLite database holding a table's field definitions and rows. Used
// by Table only.

#include "characters.h"
#include "table.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

namespace zuv::core::tablefile {

constexpr int kMaxFields = 256;
constexpr int kMaxFieldNameLength = 64;
constexpr int kMaxStringSize = 65535;   // characters of a string field

// Why a file could not be read or written (why: German, for the user).
struct Failure {
    QString why;
    FileFault fault = FileFault::Io;
};

struct Content {
    std::vector<FieldDef> fields;
    std::vector<std::vector<QVariant>> rows;
    std::vector<qint64> ids;   // the stable id of each row (its key in the file)
    int badRows = 0;           // rows left out because a value did not fit its field
    quint32 changeCounter = 0;
};

// Reads and validates the whole file; throws Failure for anything but a table this
// program wrote (missing, damaged, foreign schema, locked...). A row whose values do not
// fit their fields is left out and counted.
Content read(const QString& path);
// Replaces the file's content in one transaction; durable adds full syncs. A damaged or
// foreign file (replaceWhole) is replaced by a new file renamed over it. Returns the ids
// given to the rows (0, 1, ...). Throws Failure.
std::vector<qint64> write(const QString& path, bool durable, const std::vector<FieldDef>& fields,
                          const std::vector<std::vector<QVariant>>& rows,
                          bool replaceWhole = false);

// --- single rows: each call is one durable transaction ---------------------------------
// What a row-level write found: the new row's id, and the file's change counter before
// the write (the caller knows the file is unchanged since its last look when it is the
// same as then; the write itself adds exactly one).
struct RowWrite {
    qint64 id = -1;
    quint32 counterBefore = 0;
    bool changed = false;   // the file was modified (its counter went up by one)
};
// Adds a row behind every other; its id is larger than every id in the file.
RowWrite insertRow(const QString& path, const std::vector<FieldDef>& fields,
                   const std::vector<QVariant>& values);
// Changes row id when it still holds oldValues; otherwise (changed or deleted by someone
// else) adds newValues as a new row, so neither version is lost. id of the result is the
// row that now holds newValues.
RowWrite updateRow(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
                   const std::vector<QVariant>& oldValues, const std::vector<QVariant>& newValues);
// Deletes row id when it still holds oldValues (a row someone else changed meanwhile stays).
RowWrite deleteRow(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
                   const std::vector<QVariant>& oldValues);

// How long a file locked by another program is waited for before the table is refused
// (default 5000 ms; tests shorten it).
int lockWaitMilliseconds();
void setLockWaitMilliseconds(int ms);

// SQLite's change counter of the file (0 when it cannot be read). Cheap: no connection.
quint32 changeCounter(const QString& path);

// Moves a damaged or foreign file (with SQLite's journal files, so the pair can still be
// recovered) to the first free "<file>.defekt", "<file>.defekt-2", ...; never replaces
// anything. Returns the path of the copy. Throws Failure.
QString keepDamaged(const QString& path);
// Copies the file to the first free "<file>.defekt..." name; the file stays. Throws Failure.
QString keepCopy(const QString& path);

} // namespace zuv::core::tablefile
