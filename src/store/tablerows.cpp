// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Row-level writes of the table file: each call changes one row in one durable
// transaction, so two running copies of the program each add, change and delete their own
// rows without writing over the other's.
#include "tablefile.h"

#include "sqlitedb.h"

namespace zuv::store::tablefile {

using namespace detail;

namespace {

// One durable write transaction on an existing table file of these fields.
class RowTransaction {
public:
    RowTransaction(const QString& path, int fieldCount)
    {
        requireSafeEntries(path, true);
        open(m_db, path, false);
        setWriteMode(m_db, true);
        exec(m_db, "BEGIN IMMEDIATE");
        m_open = true;
        // Checked under the write lock: a schema changed since the load is not written into.
        requireOurSchema(m_db, fieldCount);
        // Under the write lock nobody else can commit: this is the counter the caller saw
        // if the file is unchanged since its last look.
        m_counterBefore = detail::changeCounter(m_db);
    }
    ~RowTransaction()
    {
        if (m_open)
            sqlite3_exec(m_db.h, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    RowTransaction(const RowTransaction&) = delete;
    RowTransaction& operator=(const RowTransaction&) = delete;

    void commit()
    {
        m_changed = sqlite3_total_changes(m_db.h) > 0;
        exec(m_db, "COMMIT");
        m_open = false;
    }
    Db& db() { return m_db; }
    quint32 counterBefore() const { return m_counterBefore; }
    bool changed() const { return m_changed; }

private:
    Db m_db;
    bool m_open = false;
    quint32 m_counterBefore = 0;
    bool m_changed = false;
};

// "c0 IS ?k AND c1 IS ?k+1 ...": the row still holds the values this copy read.
QByteArray sameValues(int fieldCount, int firstParameter)
{
    QByteArray sql;
    for (int i = 0; i < fieldCount; ++i) {
        if (i > 0)
            sql += " AND ";
        sql += "c" + QByteArray::number(i) + " IS ?" + QByteArray::number(firstParameter + i);
    }
    return sql;
}

void bindAll(sqlite3_stmt* st, int firstParameter, const std::vector<FieldDef>& fields,
             const std::vector<QVariant>& values)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        bindValue(st, firstParameter + static_cast<int>(i), fields[i], values[i]);
}

void stepDone(Db& db, Stmt& st)
{
    if (sqlite3_step(st.s) != SQLITE_DONE)
        throw failure(db);
}

std::optional<qint64> maxOrd(Db& db, const char* sql, std::optional<qint64> bound = {})
{
    Stmt st;
    prepare(db, st, sql);
    if (bound)
        sqlite3_bind_int64(st.s, 1, *bound);
    if (sqlite3_step(st.s) != SQLITE_ROW)
        throw failure(db);
    if (sqlite3_column_type(st.s, 0) == SQLITE_NULL)
        return std::nullopt;
    return sqlite3_column_int64(st.s, 0);
}

// The id of a new row: behind every row, or in front of before (between it and the row
// in front of it). Without a free id there, the rows from before on move up behind every
// row, keeping their order, and result tells by how much.
qint64 newId(Db& db, std::optional<qint64> before, RowWrite& result)
{
    const auto last = maxOrd(db, "SELECT max(ord) FROM data");
    if (!before || !last || *before > *last)
        return last ? *last + kIdStep : 0;
    const auto lower = maxOrd(db, "SELECT max(ord) FROM data WHERE ord < ?1", before);
    if (!lower)
        return *before - kIdStep;
    if (*before - *lower >= 2)
        return *lower + (*before - *lower) / 2;
    // Every moved id lands above the largest one: no two rows meet on the way.
    result.shiftFrom = *before;
    result.shift = *last - *before + 2 * kIdStep;
    Stmt st;
    prepare(db, st, "UPDATE data SET ord = ord + ?1 WHERE ord >= ?2");
    sqlite3_bind_int64(st.s, 1, result.shift);
    sqlite3_bind_int64(st.s, 2, *before);
    stepDone(db, st);
    return *before + kIdStep;
}

qint64 insertInto(RowTransaction& tx, const std::vector<FieldDef>& fields,
                  const std::vector<QVariant>& values, std::optional<qint64> before,
                  RowWrite& result)
{
    const int n = static_cast<int>(fields.size());
    QByteArray sql = "INSERT INTO data VALUES(?1";
    for (int i = 0; i < n; ++i)
        sql += ", ?" + QByteArray::number(i + 2);
    sql += ")";
    const qint64 id = newId(tx.db(), before, result);
    Stmt st;
    prepare(tx.db(), st, sql.constData());
    sqlite3_bind_int64(st.s, 1, id);
    bindAll(st.s, 2, fields, values);
    stepDone(tx.db(), st);
    return id;
}

// Whether row id holds values, read on a connection of its own (which also rolls back
// what a failed commit left in a journal).
bool rowHolds(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
              const std::vector<QVariant>& values)
{
    Db db;
    open(db, path, false);
    const QByteArray sql = "SELECT 1 FROM data WHERE ord = ?1 AND "
        + sameValues(static_cast<int>(fields.size()), 2);
    Stmt st;
    prepare(db, st, sql.constData());
    sqlite3_bind_int64(st.s, 1, id);
    bindAll(st.s, 2, fields, values);
    const int rc = sqlite3_step(st.s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw failure(db);
    return rc == SQLITE_ROW;
}

// Runs write in one transaction and commits. When the commit reports a failure,
// arrived(result) says from a fresh look whether the change is in the file all the same.
template <typename Write, typename Arrived>
RowWrite writeRows(const QString& path, int fieldCount, Write write, Arrived arrived)
{
    RowWrite result;
    bool committing = false;
    try {
        RowTransaction tx(path, fieldCount);
        result.counterBefore = tx.counterBefore();
        write(tx, result);
        committing = true;
        tx.commit();
        result.changed = tx.changed();
        return result;
    } catch (const Failure&) {
        // The transaction's connection is closed here: the look below sees the file as
        // any other program would.
        bool inFile = false;
        try {
            inFile = committing && arrived(result);
        } catch (const Failure&) {
        }
        if (!inFile)
            throw;
        result.changed = true;
        return result;
    }
}

} // namespace

RowWrite insertRow(const QString& path, const std::vector<FieldDef>& fields,
                   const std::vector<QVariant>& values, std::optional<qint64> before)
{
    return writeRows(
        path, static_cast<int>(fields.size()),
        [&](RowTransaction& tx, RowWrite& r) { r.id = insertInto(tx, fields, values, before, r); },
        [&](const RowWrite& r) { return rowHolds(path, fields, r.id, values); });
}

RowWrite insertRows(const QString& path, const std::vector<FieldDef>& fields,
                    const std::vector<std::vector<QVariant>>& rows, std::vector<qint64>& ids)
{
    return writeRows(
        path, static_cast<int>(fields.size()),
        [&](RowTransaction& tx, RowWrite& r) {
            ids.clear();
            for (const std::vector<QVariant>& row : rows)
                ids.push_back(insertInto(tx, fields, row, std::nullopt, r));
            r.id = ids.empty() ? kNoId : ids.back();
        },
        // One transaction: its last row in the file means all of them are.
        [&](const RowWrite& r) { return !rows.empty() && rowHolds(path, fields, r.id, rows.back()); });
}

RowWrite updateRow(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
                   const std::vector<QVariant>& oldValues, const std::vector<QVariant>& newValues)
{
    const int n = static_cast<int>(fields.size());
    return writeRows(
        path, n,
        [&](RowTransaction& tx, RowWrite& r) {
            QByteArray sql = "UPDATE data SET ";
            for (int i = 0; i < n; ++i)
                sql += (i ? ", c" : "c") + QByteArray::number(i) + " = ?"
                    + QByteArray::number(i + 2);
            sql += " WHERE ord = ?1 AND " + sameValues(n, n + 2);
            Stmt st;
            prepare(tx.db(), st, sql.constData());
            sqlite3_bind_int64(st.s, 1, id);
            bindAll(st.s, 2, fields, newValues);
            bindAll(st.s, n + 2, fields, oldValues);
            stepDone(tx.db(), st);
            r.id = id;
            // Changed or deleted by another copy meanwhile: keep both versions.
            if (sqlite3_changes(tx.db().h) == 0)
                r.id = insertInto(tx, fields, newValues, std::nullopt, r);
        },
        [&](const RowWrite& r) { return rowHolds(path, fields, r.id, newValues); });
}

RowWrite deleteRows(const QString& path, const std::vector<FieldDef>& fields,
                    const std::vector<qint64>& ids,
                    const std::vector<std::vector<QVariant>>& oldValues)
{
    const int n = static_cast<int>(fields.size());
    return writeRows(
        path, n,
        [&](RowTransaction& tx, RowWrite&) {
            const QByteArray sql = "DELETE FROM data WHERE ord = ?1 AND " + sameValues(n, 2);
            Stmt st;
            prepare(tx.db(), st, sql.constData());
            for (std::size_t i = 0; i < ids.size(); ++i) {
                if (ids[i] == kNoId)
                    continue;
                sqlite3_bind_int64(st.s, 1, ids[i]);
                bindAll(st.s, 2, fields, oldValues[i]);
                stepDone(tx.db(), st);
                sqlite3_reset(st.s);
            }
        },
        [&](const RowWrite&) {
            for (std::size_t i = 0; i < ids.size(); ++i)
                if (ids[i] != kNoId && rowHolds(path, fields, ids[i], oldValues[i]))
                    return false;
            return true;
        });
}

} // namespace zuv::store::tablefile
