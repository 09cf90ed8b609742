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
#include <limits>
#include <optional>
#include <vector>

namespace zuv::store::tablefile {

constexpr int kMaxFields = 256;
constexpr int kMaxFieldNameLength = 64;
constexpr int kMaxStringSize = 65535;   // characters of a string field
// Distance between the ids of rows written one after the other: a row inserted between
// two others takes an id between theirs, without renumbering anyone's rows.
constexpr qint64 kIdStep = 1024;
// The id of a row not written to the file yet (ids may be negative).
constexpr qint64 kNoId = std::numeric_limits<qint64>::min();

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
// given to the rows (0, kIdStep, 2 kIdStep ...). Throws Failure.
std::vector<qint64> write(const QString& path, bool durable, const std::vector<FieldDef>& fields,
                          const std::vector<std::vector<QVariant>>& rows,
                          bool replaceWhole = false);

// Makes a new, empty table file where there is none, durably: built under a name of its
// own beside it and linked into place, so nobody sees it half made, and a file that
// appeared meanwhile (a second copy of the program starting too) is never replaced.
// What a copy killed meanwhile left of its own making is removed first. Returns false when a
// file was there. Throws Failure.
bool create(const QString& path, const std::vector<FieldDef>& fields);
// Gives an empty file (Unfinished, no longer being made) the schema, under SQLite's write
// lock; a file that holds any object meanwhile is left as it is. Throws Failure.
void initialize(const QString& path, const std::vector<FieldDef>& fields);

// Which file stands at a path (device and inode; 0 when none): a file set aside must be the
// one that was read, not one another copy put there since.
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileId&) const = default;
};
FileId fileId(const QString& path);

// --- single rows: each call is one durable transaction ---------------------------------
// What a row-level write found: the new row's id, and the file's change counter before
// the write (the caller knows the file is unchanged since its last look when it is the
// same as then; the write itself adds exactly one).
// A failure SQLite reports at commit after the change reached the file (a journal that
// could not be removed, a folder sync) is no failure: the file is read again to tell.
struct RowWrite {
    qint64 id = kNoId;
    quint32 counterBefore = 0;
    bool changed = false;   // the file was modified (its counter went up by one)
    // Ids from shiftFrom on went up by shift (an insert that found no gap between ids).
    qint64 shiftFrom = 0;
    qint64 shift = 0;
};
// Adds a row behind every other (before: in front of row id before, or of the place it
// had), its id larger than every id in front of it.
RowWrite insertRow(const QString& path, const std::vector<FieldDef>& fields,
                   const std::vector<QVariant>& values, std::optional<qint64> before = {});
// Adds rows behind every other in one transaction: all of them or none. ids receives
// their ids in order.
RowWrite insertRows(const QString& path, const std::vector<FieldDef>& fields,
                    const std::vector<std::vector<QVariant>>& rows, std::vector<qint64>& ids);
// Changes row id when it still holds oldValues; otherwise (changed or deleted by someone
// else) adds newValues as a new row, so neither version is lost. id of the result is the
// row that now holds newValues.
RowWrite updateRow(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
                   const std::vector<QVariant>& oldValues, const std::vector<QVariant>& newValues);
// Deletes each row ids[i] that still holds oldValues[i] (a row someone else changed
// meanwhile stays), all in one transaction.
RowWrite deleteRows(const QString& path, const std::vector<FieldDef>& fields,
                    const std::vector<qint64>& ids,
                    const std::vector<std::vector<QVariant>>& oldValues);

// How long a file locked by another program is waited for before the table is refused
// (default 5000 ms; tests shorten it).
int lockWaitMilliseconds();
void setLockWaitMilliseconds(int ms);

// SQLite's change counter of the file (0 when it cannot be read). Cheap: no connection.
quint32 changeCounter(const QString& path);

// Moves a damaged or foreign file (with SQLite's journal files, so the pair can still be
// recovered) to the first free "<file>.defekt", "<file>.defekt-2", ...; never replaces
// anything. Returns the path of the copy, or an empty text when the file at path is no
// longer the one given (another copy of the program set it aside or made it anew).
// Throws Failure.
QString keepDamaged(const QString& path, const FileId& expected);
// Copies the file to the first free "<file>.defekt..." name; the file stays. A copy of the
// same content made earlier is kept instead (made false): one copy per version of the
// file, however often it is opened. Throws Failure.
struct KeptCopy {
    QString path;
    bool made = false;
};
KeptCopy keepCopy(const QString& path);

} // namespace zuv::store::tablefile
