// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Row-level writes of the table file: each call changes one row in one durable
// transaction, so two running copies of the program each add, change and delete their own
// rows without writing over the other's.
#include "tablefile.h"

#include "sqlitedb.h"

namespace zuv::core::tablefile {

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

qint64 insertInto(RowTransaction& tx, const std::vector<FieldDef>& fields,
                  const std::vector<QVariant>& values)
{
    const int n = static_cast<int>(fields.size());
    QByteArray sql = "INSERT INTO data VALUES((SELECT coalesce(max(ord), -1) + 1 FROM data)";
    for (int i = 0; i < n; ++i)
        sql += ", ?" + QByteArray::number(i + 1);
    sql += ")";
    Stmt st;
    prepare(tx.db(), st, sql.constData());
    bindAll(st.s, 1, fields, values);
    stepDone(tx.db(), st);
    return sqlite3_last_insert_rowid(tx.db().h);
}

} // namespace

RowWrite insertRow(const QString& path, const std::vector<FieldDef>& fields,
                   const std::vector<QVariant>& values)
{
    RowTransaction tx(path, static_cast<int>(fields.size()));
    RowWrite result{insertInto(tx, fields, values), tx.counterBefore()};
    tx.commit();
    result.changed = tx.changed();
    return result;
}

RowWrite updateRow(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
                   const std::vector<QVariant>& oldValues, const std::vector<QVariant>& newValues)
{
    const int n = static_cast<int>(fields.size());
    RowTransaction tx(path, n);
    QByteArray sql = "UPDATE data SET ";
    for (int i = 0; i < n; ++i)
        sql += (i ? ", c" : "c") + QByteArray::number(i) + " = ?" + QByteArray::number(i + 2);
    sql += " WHERE ord = ?1 AND " + sameValues(n, n + 2);
    Stmt st;
    prepare(tx.db(), st, sql.constData());
    sqlite3_bind_int64(st.s, 1, id);
    bindAll(st.s, 2, fields, newValues);
    bindAll(st.s, n + 2, fields, oldValues);
    stepDone(tx.db(), st);
    RowWrite result{id, tx.counterBefore()};
    // Changed or deleted by another copy meanwhile: keep both versions.
    if (sqlite3_changes(tx.db().h) == 0)
        result.id = insertInto(tx, fields, newValues);
    tx.commit();
    result.changed = tx.changed();
    return result;
}

RowWrite deleteRow(const QString& path, const std::vector<FieldDef>& fields, qint64 id,
                   const std::vector<QVariant>& oldValues)
{
    const int n = static_cast<int>(fields.size());
    RowTransaction tx(path, n);
    const QByteArray sql = "DELETE FROM data WHERE ord = ?1 AND " + sameValues(n, 2);
    Stmt st;
    prepare(tx.db(), st, sql.constData());
    sqlite3_bind_int64(st.s, 1, id);
    bindAll(st.s, 2, fields, oldValues);
    stepDone(tx.db(), st);
    RowWrite result{id, tx.counterBefore()};
    tx.commit();
    result.changed = tx.changed();
    return result;
}

} // namespace zuv::core::tablefile
