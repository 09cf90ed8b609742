#include "tablefile.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <unistd.h>

namespace zuv::core::tablefile {

namespace {

// File layout: page 1 carries kApplicationId and kFormatVersion; meta_fields holds one row
// per field in order, data one row per table row (ord keeps the table order, c<i> is
// field i). Dates are "yyyy-MM-dd" text, floats real, integers integer, strings text,
// empty fields NULL.
constexpr int kApplicationId = 0x5A555654;
constexpr int kFormatVersion = 1;

const char* const kFieldsTableSql =
    "CREATE TABLE meta_fields(pos INTEGER PRIMARY KEY, name TEXT NOT NULL, "
    "type TEXT NOT NULL, size INTEGER NOT NULL)";

QByteArray dataTableSql(int fieldCount)
{
    QByteArray sql = "CREATE TABLE data(ord INTEGER PRIMARY KEY";
    for (int i = 0; i < fieldCount; ++i)
        sql += ", c" + QByteArray::number(i);
    return sql + ")";
}

// The names in meta_fields.type, indexed by FieldType.
const char* const kTypeNames[] = {"date", "float", "integer", "string"};

std::optional<FieldType> typeFromName(const QByteArray& name)
{
    for (int i = 0; i < 4; ++i)
        if (name == kTypeNames[i])
            return static_cast<FieldType>(i);
    return std::nullopt;
}

QByteArray isoDate(const QDate& d)
{
    char text[11];
    const int parts[] = {d.year() / 1000, d.year() / 100 % 10, d.year() / 10 % 10,
                         d.year() % 10,   d.month() / 10,      d.month() % 10,
                         d.day() / 10,    d.day() % 10};
    const int at[] = {0, 1, 2, 3, 5, 6, 8, 9};
    for (int i = 0; i < 8; ++i)
        text[at[i]] = static_cast<char>('0' + parts[i]);
    text[4] = text[7] = '-';
    text[10] = '\0';
    return QByteArray(text, 10);
}

std::optional<QDate> fromIsoDate(const QByteArray& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const QDate d(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
    if (!d.isValid() || d.year() < 1)
        return std::nullopt;
    return d;
}

// --- SQLite plumbing ------------------------------------------------------------------

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

Failure failure(const Db& db)
{
    const int code = sqlite3_errcode(db.h) & 0xff;
    return Failure{db.error(), code == SQLITE_CORRUPT || code == SQLITE_NOTADB};
}

void prepare(Db& db, Stmt& st, const char* sql)
{
    if (sqlite3_prepare_v2(db.h, sql, -1, &st.s, nullptr) != SQLITE_OK)
        throw failure(db);
}

void exec(Db& db, const char* sql)
{
    if (sqlite3_exec(db.h, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw failure(db);
}

int pragmaInt(Db& db, const char* sql)
{
    Stmt st;
    prepare(db, st, sql);
    if (sqlite3_step(st.s) != SQLITE_ROW)
        throw failure(db);
    return sqlite3_column_int(st.s, 0);
}

// SQLite's memory statistics take a global mutex on every allocation; nothing reads them.
void configureOnce()
{
    static const bool done = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);   // refused harmlessly if too late
        return sqlite3_initialize() == SQLITE_OK;
    }();
    (void)done;
}

// Crafted files must not run code: no triggers or views from the schema, no
// writable schema, untrusted functions refused.
void harden(Db& db)
{
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_busy_timeout(db.h, 1000);
    // A connection lives for one load or save of a few pages: skip the lookaside arena.
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_LOOKASIDE, nullptr, 0, 0);
}

QByteArray columnBytes(sqlite3_stmt* st, int col)
{
    const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
    return QByteArray(p, sqlite3_column_bytes(st, col));
}

// True when the file holds exactly one object of that name, a table created by sql.
bool hasTable(Db& db, const char* name, const QByteArray& sql)
{
    Stmt st;
    prepare(db, st, "SELECT type, sql FROM sqlite_master WHERE name = ?1");
    sqlite3_bind_text(st.s, 1, name, -1, SQLITE_STATIC);
    int found = 0;
    bool same = true;
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        ++found;
        same = same && columnBytes(st.s, 0) == "table" && columnBytes(st.s, 1) == sql;
    }
    if (rc != SQLITE_DONE)
        throw failure(db);
    return found == 1 && same;
}

// The schema must be exactly what write() creates; anything else is a foreign file.
void requireTable(Db& db, const char* name, const QByteArray& sql)
{
    if (!hasTable(db, name, sql))
        throw Failure{QStringLiteral("Tabelle %1 fehlt oder hat einen fremden Aufbau").arg(name)};
}

std::vector<FieldDef> readFields(Db& db)
{
    requireTable(db, "meta_fields", kFieldsTableSql);
    Stmt st;
    prepare(db, st, "SELECT pos, name, type, size FROM meta_fields ORDER BY pos");
    std::vector<FieldDef> fields;
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        const int pos = static_cast<int>(fields.size());
        if (pos >= kMaxFields)
            throw Failure{QStringLiteral("zu viele Felder")};
        if (sqlite3_column_type(st.s, 0) != SQLITE_INTEGER || sqlite3_column_int64(st.s, 0) != pos
            || sqlite3_column_type(st.s, 1) != SQLITE_TEXT
            || sqlite3_column_type(st.s, 2) != SQLITE_TEXT
            || sqlite3_column_type(st.s, 3) != SQLITE_INTEGER)
            throw Failure{QStringLiteral("Felddefinition %1 ist ungültig").arg(pos)};
        FieldDef def;
        def.name = QString::fromUtf8(columnBytes(st.s, 1));
        const QByteArray typeName = columnBytes(st.s, 2);
        const auto type = typeFromName(typeName);
        if (!type)
            throw Failure{
                QStringLiteral("unbekannter Feldtyp '%1'").arg(QString::fromUtf8(typeName))};
        def.type = *type;
        const sqlite3_int64 size = sqlite3_column_int64(st.s, 3);
        const bool sizeOk = def.type == FieldType::String ? size >= 1 && size <= kMaxStringSize
                                                          : size == 0;
        if (!sizeOk)
            throw Failure{QStringLiteral("Feld '%1' hat eine ungültige Größe").arg(def.name)};
        def.size = static_cast<int>(size);
        if (def.name.isEmpty() || def.name.size() > kMaxFieldNameLength)
            throw Failure{QStringLiteral("Feldname %1 ist ungültig").arg(pos)};
        for (const FieldDef& f : fields)
            if (f.name.compare(def.name, Qt::CaseInsensitive) == 0)
                throw Failure{QStringLiteral("Feld '%1' doppelt").arg(def.name)};
        fields.push_back(def);
    }
    if (rc != SQLITE_DONE)
        throw failure(db);
    if (fields.empty())
        throw Failure{QStringLiteral("keine Felder")};
    return fields;
}

QVariant readValue(sqlite3_stmt* st, int col, const FieldDef& def, int row)
{
    const int kind = sqlite3_column_type(st, col);
    if (kind == SQLITE_NULL)
        return {};
    const auto bad = [&] {
        return Failure{QStringLiteral("Zeile %1, Feld '%2': Wert passt nicht zum Feldtyp")
                           .arg(row + 1)
                           .arg(def.name)};
    };
    switch (def.type) {
    case FieldType::Date:
        if (kind == SQLITE_TEXT)
            if (const auto d = fromIsoDate(columnBytes(st, col)))
                return *d;
        break;
    case FieldType::Float:
        if (kind == SQLITE_FLOAT || kind == SQLITE_INTEGER) {
            const double v = sqlite3_column_double(st, col);
            if (std::isfinite(v))
                return v;
        }
        break;
    case FieldType::Integer:
        if (kind == SQLITE_INTEGER) {
            const sqlite3_int64 v = sqlite3_column_int64(st, col);
            if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
                return static_cast<int>(v);
        }
        break;
    case FieldType::String:
        if (kind == SQLITE_TEXT) {
            const QString s = QString::fromUtf8(columnBytes(st, col));
            if (!s.isEmpty() && s.size() <= def.size)
                return s;
        }
        break;
    }
    throw bad();
}

} // namespace

Content read(const QString& path)
{
    configureOnce();
    Db db;
    // Read-write so that SQLite can roll back a save that a crash interrupted.
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db.h,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK)
        throw failure(db);
    harden(db);
    // One read transaction: one lock and one look for a hot journal instead of one per query.
    exec(db, "BEGIN");
    if (pragmaInt(db, "PRAGMA application_id") != kApplicationId
        || pragmaInt(db, "PRAGMA user_version") != kFormatVersion)
        throw Failure{QStringLiteral("keine Tabelle dieses Programms")};
    Content content;
    content.fields = readFields(db);
    const int n = static_cast<int>(content.fields.size());
    requireTable(db, "data", dataTableSql(n));
    Stmt st;
    prepare(db, st, "SELECT * FROM data ORDER BY ord");
    if (sqlite3_column_count(st.s) != n + 1)
        throw Failure{QStringLiteral("falsche Spaltenzahl")};
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        const int row = static_cast<int>(content.rows.size());
        std::vector<QVariant> values(n);
        for (int i = 0; i < n; ++i)
            values[i] = readValue(st.s, i + 1, content.fields[i], row);
        content.rows.push_back(std::move(values));
    }
    if (rc != SQLITE_DONE)
        throw failure(db);
    return content;
}

namespace {

void bindValue(sqlite3_stmt* st, int col, const FieldDef& def, const QVariant& v)
{
    if (v.isNull()) {
        sqlite3_bind_null(st, col);
        return;
    }
    switch (def.type) {
    case FieldType::Date:
        sqlite3_bind_text(st, col, isoDate(v.toDate()).constData(), 10, SQLITE_TRANSIENT);
        break;
    case FieldType::Float:
        sqlite3_bind_double(st, col, v.toDouble());
        break;
    case FieldType::Integer:
        sqlite3_bind_int(st, col, v.toInt());
        break;
    case FieldType::String: {
        const QByteArray utf8 = v.toString().toUtf8();
        sqlite3_bind_text(st, col, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace

namespace {

void writeInto(const QString& path, bool durable, const std::vector<FieldDef>& fields,
               const std::vector<std::vector<QVariant>>& rows)
{
    configureOnce();
    Db db;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db.h,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK)
        throw failure(db);
    harden(db);
    // Durable tables keep a rollback journal on disk and sync fully: a crash at any point
    // leaves the old or the new table. The recomputed tables journal in memory and skip
    // the syncs; a crash mid-save may damage them, and open-or-create then rebuilds them.
    // Either way no journal file remains after the commit.
    exec(db, durable ? "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL"
                     : "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF");
    exec(db, "BEGIN IMMEDIATE");
    try {
        const int n = static_cast<int>(fields.size());
        // Tables of the right shape are emptied; dropping and creating them costs more
        // than the whole month table's rows.
        const QByteArray dataSql = dataTableSql(n);
        if (hasTable(db, "meta_fields", kFieldsTableSql) && hasTable(db, "data", dataSql)) {
            exec(db, "DELETE FROM data; DELETE FROM meta_fields");
        } else {
            exec(db, "DROP TABLE IF EXISTS data; DROP TABLE IF EXISTS meta_fields");
            exec(db, kFieldsTableSql);
            exec(db, dataSql.constData());
        }
        exec(db, QByteArray("PRAGMA application_id=" + QByteArray::number(kApplicationId)
                            + "; PRAGMA user_version=" + QByteArray::number(kFormatVersion))
                     .constData());
        Stmt fst;
        prepare(db, fst, "INSERT INTO meta_fields(pos, name, type, size) VALUES(?1, ?2, ?3, ?4)");
        for (int i = 0; i < n; ++i) {
            const QByteArray name = fields[i].name.toUtf8();
            sqlite3_bind_int(fst.s, 1, i);
            sqlite3_bind_text(fst.s, 2, name.constData(), static_cast<int>(name.size()),
                              SQLITE_TRANSIENT);
            sqlite3_bind_text(fst.s, 3, kTypeNames[static_cast<int>(fields[i].type)], -1,
                              SQLITE_STATIC);
            sqlite3_bind_int(fst.s, 4, fields[i].size);
            if (sqlite3_step(fst.s) != SQLITE_DONE)
                throw failure(db);
            sqlite3_reset(fst.s);
        }
        QByteArray insert = "INSERT INTO data VALUES(?1";
        for (int i = 0; i < n; ++i)
            insert += ", ?" + QByteArray::number(i + 2);
        insert += ")";
        Stmt rst;
        prepare(db, rst, insert.constData());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            sqlite3_bind_int64(rst.s, 1, static_cast<sqlite3_int64>(r));
            for (int i = 0; i < n; ++i)
                bindValue(rst.s, i + 2, fields[i], rows[r][i]);
            if (sqlite3_step(rst.s) != SQLITE_DONE)
                throw failure(db);
            sqlite3_reset(rst.s);
        }
        exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db.h, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// Makes a rename in the folder survive a power cut.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void write(const QString& path, bool durable, const std::vector<FieldDef>& fields,
           const std::vector<std::vector<QVariant>>& rows)
{
    try {
        writeInto(path, durable, fields, rows);
        return;
    } catch (const Failure& f) {
        if (!f.damaged)
            throw;
    }
    const QString fresh = path + QStringLiteral(".neu");
    for (const char* s : {"", "-journal"})
        QFile::remove(fresh + QLatin1String(s));
    writeInto(fresh, durable, fields, rows);
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData())
        != 0) {
        QFile::remove(fresh);
        throw Failure{QStringLiteral("'%1' kann nicht ersetzt werden.")
                          .arg(QDir::toNativeSeparators(path))};
    }
    if (durable)
        syncFolder(QFileInfo(path).absolutePath());
}

void keepDamaged(const QString& path)
{
    const QString target = path + QStringLiteral(".defekt");
    const char* const suffixes[] = {"", "-journal", "-wal", "-shm"};
    for (const char* s : suffixes) {
        const QString old = target + QLatin1String(s);
        if (QFileInfo(old).exists() || QFileInfo(old).isSymLink())
            QFile::remove(old);
    }
    for (const char* s : suffixes) {
        const QString from = path + QLatin1String(s);
        if ((QFileInfo(from).exists() || QFileInfo(from).isSymLink())
            && !QFile::rename(from, target + QLatin1String(s)))
            throw Failure{QStringLiteral("'%1' kann nicht beiseitegelegt werden.")
                              .arg(QDir::toNativeSeparators(from))};
    }
}

} // namespace zuv::core::tablefile
