// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An in-memory table with named, typed fields, a current row and a file. The file is an
// SQLite database (no extension) holding the field definitions and the rows. Saving runs
// in one transaction, so a file is either the old or the new table, never a mix; for
// durable tables this holds across crashes and power cuts too. Loading validates the
// whole file and refuses anything this program did not write.

#include "error.h"
#include "notifier.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace zuv::store {

namespace tablefile { struct Failure; }

enum class FieldType { Date, Float, Integer, String };

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;   // maximum length in characters for strings; 0 otherwise
    bool operator==(const FieldDef&) const = default;
};

// What is wrong with a table file. Only Damaged and Foreign are reasons to set a file
// aside; the others leave it untouched.
enum class FileFault {
    None,          // not a file problem (a value or state the table refuses)
    Missing,       // the file does not exist
    Unfinished,    // empty: another program is still making it (waited for, never set aside)
    Damaged,       // SQLite proves it damaged (corrupt, not a database, failed check)
    Foreign,       // readable, but not a table of this program (schema, fields, objects)
    Locked,        // another program holds a lock on it
    NoPermission,  // not readable or not writable for this user
    NotRegular,    // a folder, FIFO, device or broken link in the file's place
    OddJournal,    // a journal entry beside it that is no regular file
    Io,            // any other error of the disk or the system
};

// Thrown by load, save and by operations the table's state does not allow.
class TableError;

enum class TableState { Inactive, Browse, Edit, Insert };

class Table {
public:
    explicit Table(QString name = {});
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const QString& name() const { return m_name; }

    // --- file ---
    void setFileName(const QString& path);
    const QString& fileName() const { return m_fileName; }
    // Durable files are written with synchronous=FULL and an on-disk journal (survive a
    // crash or power cut mid-save). Others skip both: cheap, but a crash mid-save may
    // leave a damaged file, which open-or-create then rebuilds.
    void setDurable(bool durable) { m_durable = durable; }
    // Row-level writing (implies durable): every post and delete writes that one row to
    // the file at once, in one transaction, keyed by the row's stable id (an insert before
    // other rows too, and emptyTable() deletes just the rows this table shows); close() has
    // nothing left to write. Two programs on one file then never write over each other's
    // rows, and reloadIfChanged() shows the other's changes. Loads the ids with the rows.
    void setRowLevelWrites(bool on);
    bool rowLevelWrites() const { return m_rowLevel; }
    // Recomputed content (month and day tables, calendar grid): close() writes back only
    // when the rows differ from the file's and the folder is writable, and a failed
    // write-back is no error: the rows simply were not kept.
    void setRecomputed(bool on) { m_recomputed = on; }
    bool recomputed() const { return m_recomputed; }
    // The next save replaces the file whole (it was found damaged or foreign).
    void setReplaceFileOnSave(bool on) { m_replaceWhole = on; }
    // Rows of the last load that were left out because a value did not fit its field.
    int badRows() const { return m_badRows; }
    // With row-level writes: when the file changed since this table last read or wrote it
    // (another program wrote), reads it again and returns true. Does nothing while a row is
    // being edited or when the file cannot be read (the rows in memory stay).
    bool reloadIfChanged();
    // Reads fields and rows from the file; activates the table. Throws on any failure
    // (missing file, not a table, foreign content); the table is then unchanged.
    void loadFromFile();
    // Writes fields and rows in one transaction (replacing the file's content).
    void saveToFile();
    // With row-level writes, post() and deleteRow() throw TableError when the file cannot
    // be written; the row then stays as it was (in edit or insert state for a post).
    // Writes back when the content changed since the last load or save, then deactivates
    // and drops the rows (the field definitions stay). A pending append or edit is dropped.
    // When the write fails the table stays open and modified.
    void close();
    bool isModified() const { return m_modified; }

    // --- fields ---
    void clearFieldDefs();
    void addFieldDef(const QString& name, FieldType type, int size = 0);
    const std::vector<FieldDef>& fieldDefs() const { return m_fields; }
    int fieldIndex(const QString& name) const;   // -1 when unknown
    int indexOf(const QString& field) const;     // fieldIndex, throws TableError when unknown
    // Creates the empty table from the field definitions and activates it.
    void createDataSet();
    // true: opens the table with the rows it holds (none after close); needs fields.
    // false: the same as close().
    void setActive(bool active);
    bool isActive() const { return m_state != TableState::Inactive; }
    TableState state() const { return m_state; }

    // --- rows ---
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Current row 0..rowCount()-1; rowCount() when behind the last row (eof).
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    void first();
    void next();
    bool eof() const;
    bool isEmpty() const { return m_rows.empty(); }

    void emptyTable();        // deletes all rows
    void append();            // new row at the end, in insert state, not yet posted
    void insert(int row);     // new row before row, in insert state
    void edit();              // current row into edit state
    void post();              // stores the appended or edited row
    // Adds rows at the end in one write, all or none (the values by field index, converted
    // as setValue() converts them). beforePost sees each as the pending row and may refuse
    // it, which refuses them all; afterPost runs once. Throws TableError like post().
    void appendRows(const std::vector<std::vector<QVariant>>& rows);
    void cancel();            // drops a pending append or edit
    void deleteRow();         // deletes the current row (a pending new row is discarded)

    // First row whose field equals value given as text (converted to the field's type;
    // strings compared ignoring case, whole text). Makes it current; false when none.
    bool locate(const QString& field, const QString& value);

    // Values of the current row (the pending buffer while editing). A null QVariant is an
    // empty field. Dates are QDate, floats double, integers int, strings QString.
    QVariant value(const QString& field) const;
    QVariant value(int fieldIndex) const;
    void setValue(const QString& field, const QVariant& value);
    void setValue(int fieldIndex, const QVariant& value);
    QDate asDate(const QString& field) const;       // null date when empty
    double asFloat(const QString& field) const;     // 0 when empty
    int asInteger(const QString& field) const;      // 0 when empty
    QString asString(const QString& field) const;   // dates as "dd.mm.yyyy"
    // Goes up with every change of rows or fields (what onDataChanged reports), so a view
    // can tell whether it still shows the current content.
    quint64 generation() const { return m_generation; }
    // Direct read of any row (posted data), for views and charts.
    QVariant cell(int row, int fieldIndex) const;

    // --- notifications, each with any number of receivers ---
    // Before a row is stored; a receiver that throws refuses the post (the row stays pending).
    core::Notifier beforePost;
    core::Notifier afterPost;
    core::Notifier afterDelete;
    // Any change of rows or fields, posted or emptied: views and charts re-read.
    core::Notifier onDataChanged;

private:
    struct Impl;
    void requireActive() const;
    void requireInactive() const;
    void requireField(int fieldIndex) const;
    void checkBrowseMode();           // posts a pending append or edit before moving
    int recordRow() const;            // the row the cursor stands on, -1 when none
    const QVariant* currentValue(int fieldIndex) const;
    void notifyChanged();
    QVariant convert(int field, const QVariant& v) const;

    void writeRowPost(bool inserting);
    TableError writeError(const tablefile::Failure& failure) const;
    std::optional<qint64> idBefore(int row) const;   // where a row inserted at row goes
    void noteOwnWrite(quint32 counterBefore, bool changed);

    QString m_name;
    QString m_fileName;
    bool m_durable = false;
    bool m_rowLevel = false;
    bool m_recomputed = false;
    bool m_replaceWhole = false;
    int m_badRows = 0;
    quint64 m_generation = 0;
    quint32 m_knownCounter = 0;       // the file's change counter when last read or written
    std::vector<qint64> m_ids;        // stable id of each row in the file (kNoId: not written)
    std::vector<std::vector<QVariant>> m_savedRows;   // recomputed: the rows in the file
    bool m_modified = false;
    TableState m_state = TableState::Inactive;
    std::vector<FieldDef> m_fields;
    std::vector<std::vector<QVariant>> m_rows;
    std::vector<QVariant> m_buffer;   // the row being appended or edited
    int m_current = 0;
    int m_insertAt = -1;              // where a pending new row goes
    int m_beforeInsert = 0;           // current row to return to when an append is cancelled
};

class TableError : public core::Error {
public:
    explicit TableError(QString message, FileFault fault = FileFault::None, QString cause = {});
    const char* what() const noexcept override;
    const QString& message() const { return m_message; }
    FileFault fault() const { return m_fault; }
    // The cause alone ("die Datei ist gesperrt ..."), for file problems; else the message.
    const QString& cause() const { return m_cause.isEmpty() ? m_message : m_cause; }
private:
    QString m_message;
    QString m_cause;
    FileFault m_fault = FileFault::None;
    QByteArray m_utf8;
};

// Kept tables hold what the user entered (the name list); recomputed ones are filled
// anew by the program on every use.
enum class TableRole { Kept, Recomputed };

// What the user is to be told after opening a table (empty message: nothing).
struct OpenReport {
    QString message;     // German, names the file and, when there is one, the copy
    QString keptCopy;    // path of the ".defekt" copy (made now, or for this file version earlier)
    int badRows = 0;
};

// Opens a table from a file name ("BioTab/Koerper" is taken from the data folder, another
// relative name from the program folder, an absolute path as it is), or creates it empty
// with the given fields when the file is missing. An open table is closed first.
// Kept tables:
// - a file SQLite proves damaged, or one that is not ours (schema, objects, other fields),
//   is moved to the first free "<file>.defekt", "<file>.defekt-2", ... (never replacing
//   one) and a new empty table is made; the report says where the copy is;
// - rows whose values do not fit are left out; the report counts them and names an
//   untouched copy of the file: one copy and one message per version of the file;
// - a locked, unreadable or odd file (or journal entry) is left alone: throws TableError
//   naming the file and the cause; the table stays closed without a file name, so nothing
//   is written over the file in this run. Also thrown when a new file cannot be written.
// Recomputed tables never throw: whatever the file's state, the table opens (empty when
// the file could not be read) and close() keeps the file only when it can.
OpenReport openOrCreate(Table& table, const QString& filePath, const std::vector<FieldDef>& fields,
                        TableRole role = TableRole::Kept);

} // namespace zuv::store
