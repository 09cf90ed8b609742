#pragma once
// The table file: an SQLite database holding a table's field definitions and rows. Used
// by Table only.

#include "table.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

namespace zuv::core::tablefile {

constexpr int kMaxFields = 256;
constexpr int kMaxFieldNameLength = 64;
constexpr int kMaxStringSize = 65535;   // characters of a string field

// Why a file could not be read or written (German, for the user).
struct Failure {
    QString why;
    bool damaged = false;   // the file itself is damaged (not a lock, a full disk...)
};

struct Content {
    std::vector<FieldDef> fields;
    std::vector<std::vector<QVariant>> rows;
};

// Reads and validates the whole file; throws Failure for anything but a table this
// program wrote (missing, damaged, foreign schema, values that do not fit their field).
Content read(const QString& path);
// Replaces the file's content in one transaction; durable adds full fsyncs. A damaged
// file (which may still have loaded: the damage can lie in pages no query reads) is
// replaced whole by a new file renamed over it. Throws Failure.
void write(const QString& path, bool durable, const std::vector<FieldDef>& fields,
           const std::vector<std::vector<QVariant>>& rows);
// Moves an unreadable file (with SQLite's journal files, so the pair can still be
// recovered) to "<file>.defekt", replacing an older one. Throws Failure.
void keepDamaged(const QString& path);

} // namespace zuv::core::tablefile
