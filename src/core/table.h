#pragma once
// An in-memory table with named, typed fields, a current row and a file. The file is an
// SQLite database (no extension) holding the field definitions and the rows. Saving runs
// in one transaction, so a file is either the old or the new table, never a mix; for
// durable tables this holds across crashes and power cuts too. Loading validates the
// whole file and refuses anything this program did not write.

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace zuv::core {

enum class FieldType { Date, Float, Integer, String };

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;   // maximum length in characters for strings; 0 otherwise
    bool operator==(const FieldDef&) const = default;
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
    // Reads fields and rows from the file; activates the table. Throws on any failure
    // (missing file, not a table, foreign content); the table is then unchanged.
    void loadFromFile();
    // Writes fields and rows in one transaction (replacing the file's content).
    void saveToFile();
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
    // Direct read of any row (posted data), for views and charts.
    QVariant cell(int row, int fieldIndex) const;

    // --- notifications (all optional) ---
    std::function<void()> beforePost;
    std::function<void()> afterPost;
    std::function<void()> afterDelete;
    // Any change of rows or fields, posted or emptied: views and charts re-read.
    std::function<void()> onDataChanged;

private:
    struct Impl;
    void requireActive() const;
    void requireInactive() const;
    void requireField(int fieldIndex) const;
    int indexOf(const QString& field) const;   // fieldIndex, throws when unknown
    void checkBrowseMode();           // posts a pending append or edit before moving
    int recordRow() const;            // the row the cursor stands on, -1 when none
    const QVariant* currentValue(int fieldIndex) const;
    void notifyChanged();
    QVariant convert(int field, const QVariant& v) const;

    QString m_name;
    QString m_fileName;
    bool m_durable = false;
    bool m_modified = false;
    TableState m_state = TableState::Inactive;
    std::vector<FieldDef> m_fields;
    std::vector<std::vector<QVariant>> m_rows;
    std::vector<QVariant> m_buffer;   // the row being appended or edited
    int m_current = 0;
    int m_insertAt = -1;              // where a pending new row goes
    int m_beforeInsert = 0;           // current row to return to when an append is cancelled
};

class TableError : public std::exception {
public:
    explicit TableError(QString message);
    const char* what() const noexcept override;
    const QString& message() const { return m_message; }
private:
    QString m_message;
    QByteArray m_utf8;
};

// Opens a table from programFolder-relative file name ("BioTab/Koerper"; an absolute path
// is taken as it is), or creates it empty with the given fields when the file cannot be
// read or holds other fields. An open table is closed (written back) first. An unreadable
// file is first kept as "<file>.defekt" (an older one replaced). Shows no message. Throws
// TableError when even the new file cannot be written; the table is then closed.
void openOrCreate(Table& table, const QString& filePath, const std::vector<FieldDef>& fields);

} // namespace zuv::core
