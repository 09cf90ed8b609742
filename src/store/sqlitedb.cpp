// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlitedb.h"

#include <QDate>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zuv::store::tablefile::detail {

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

namespace {

struct Cause {
    int code;          // primary SQLite result code
    FileFault fault;
    const char* why;   // German
};

// How each SQLite answer counts: only corrupt and not-a-database prove damage.
constexpr Cause kCauses[] = {
    {SQLITE_CORRUPT, FileFault::Damaged, "die Datei ist beschädigt"},
    {SQLITE_NOTADB, FileFault::Damaged, "die Datei ist keine Tabellendatei"},
    {SQLITE_BUSY, FileFault::Locked, "die Datei ist von einem anderen Programm gesperrt"},
    {SQLITE_LOCKED, FileFault::Locked, "die Datei ist gesperrt"},
    {SQLITE_PERM, FileFault::NoPermission, "keine Berechtigung"},
    {SQLITE_AUTH, FileFault::NoPermission, "keine Berechtigung"},
    {SQLITE_READONLY, FileFault::NoPermission, "keine Schreibberechtigung"},
    {SQLITE_CANTOPEN, FileFault::Io, "die Datei kann nicht geöffnet werden"},
    {SQLITE_FULL, FileFault::Io, "der Datenträger ist voll"},
    {SQLITE_IOERR, FileFault::Io, "Ein-/Ausgabefehler"},
    {SQLITE_CONSTRAINT, FileFault::Foreign, "die Datei hat fremde Regeln"},
};

bool exists(const QByteArray& native, struct stat& st)
{
    return ::lstat(native.constData(), &st) == 0;
}

} // namespace

Failure failure(const Db& db)
{
    const int code = sqlite3_errcode(db.h) & 0xff;
    for (const Cause& c : kCauses)
        if (c.code == code)
            return Failure{QString::fromUtf8(c.why)
                               + QStringLiteral(" (%1, %2)")
                                     .arg(db.error())
                                     .arg(sqlite3_extended_errcode(db.h)),
                           c.fault};
    return Failure{db.error(), FileFault::Io};
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

void requireSafeEntries(const QString& path, bool mustExist)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    // The file itself may be a link to a regular file; stat follows it.
    int found = ::stat(native.constData(), &st);
    if (found != 0 && errno == ENOENT) {
        struct stat entry {};
        // Another running copy may have linked the file into place between the two looks:
        // only a symbolic link whose target is missing leads nowhere.
        if (exists(native, entry) && !S_ISLNK(entry.st_mode))
            found = ::stat(native.constData(), &st);
        else if (!exists(native, entry))
            errno = ENOENT;
        else
            errno = ELOOP;
    }
    if (found != 0) {
        if (errno == ENOENT) {
            if (mustExist)
                throw Failure{QStringLiteral("die Datei fehlt"), FileFault::Missing};
        } else if (errno == EACCES) {
            throw Failure{QStringLiteral("keine Berechtigung"), FileFault::NoPermission};
        } else {
            throw Failure{QStringLiteral("die Verknüpfung führt ins Leere"), FileFault::NotRegular};
        }
    } else if (!S_ISREG(st.st_mode)) {
        throw Failure{QStringLiteral("kein normaler Datei-Typ"), FileFault::NotRegular};
    } else if (::access(native.constData(), R_OK) != 0) {
        throw Failure{QStringLiteral("keine Berechtigung"), FileFault::NoPermission};
    }
    // SQLite opens, writes and deletes these beside the file: anything but a plain file
    // there would block it or have it write elsewhere.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QByteArray entry = native + suffix;
        if (exists(entry, st) && !S_ISREG(st.st_mode))
            throw Failure{QStringLiteral("'%1' ist keine normale Datei")
                              .arg(QFile::decodeName(entry)),
                          FileFault::OddJournal};
    }
}

void open(Db& db, const QString& path, bool create)
{
    // SQLite's memory statistics take a global mutex on every allocation; nothing reads them.
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);   // refused harmlessly if too late
        return sqlite3_initialize() == SQLITE_OK;
    }();
    (void)configured;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db.h, flags, nullptr) != SQLITE_OK)
        throw failure(db);
    // Crafted files must not run code: no triggers or views from the schema, no
    // writable schema, untrusted functions refused.
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    // Another running copy holds its lock for one row's write; waiting a few seconds
    // rides out a slow disk instead of refusing the table.
    sqlite3_busy_timeout(db.h, lockWaitMilliseconds());
    // A connection lives for one load or save of a few pages: skip the lookaside arena.
    sqlite3_db_config(db.h, SQLITE_DBCONFIG_LOOKASIDE, nullptr, 0, 0);
}

quint32 changeCounter(Db& db)
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db.h, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file
        || !file->pMethods)
        return 0;
    unsigned char header[4] = {};
    if (file->pMethods->xRead(file, header, 4, 24) != SQLITE_OK)
        return 0;
    return (quint32(header[0]) << 24) | (quint32(header[1]) << 16) | (quint32(header[2]) << 8)
        | quint32(header[3]);
}

void setWriteMode(Db& db, bool durable)
{
    // Durable tables keep a rollback journal on disk and sync it, the file and, after the
    // journal is deleted, the folder (EXTRA): a commit survives a power cut. The
    // recomputed tables journal in memory and skip the syncs; a crash mid-save may damage
    // them, and open-or-create then rebuilds them. Either way no journal file remains.
    exec(db, durable ? "PRAGMA journal_mode=DELETE; PRAGMA synchronous=EXTRA"
                     : "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF");
}

void requireOurSchema(Db& db, int fieldCount)
{
    const QByteArray expected[2] = {kFieldsTableSql, dataTableSql(fieldCount)};
    const char* const names[2] = {"meta_fields", "data"};
    Stmt st;
    prepare(db, st, "SELECT type, name, sql FROM sqlite_master");
    int found = 0;
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        const auto text = [&](int col) {
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(st.s, col)),
                              sqlite3_column_bytes(st.s, col));
        };
        bool ours = false;
        for (int i = 0; i < 2; ++i)
            ours = ours || (text(0) == "table" && text(1) == names[i] && text(2) == expected[i]);
        // Any index, trigger, view or other table is someone else's.
        if (!ours)
            throw Failure{QStringLiteral("die Datei enthält fremde Objekte (%1 %2)")
                              .arg(QString::fromUtf8(text(0)), QString::fromUtf8(text(1))),
                          FileFault::Foreign};
        ++found;
    }
    if (rc != SQLITE_DONE)
        throw failure(db);
    if (found != 2)
        throw Failure{QStringLiteral("der Aufbau der Datei ist unvollständig"), FileFault::Foreign};
}

namespace {
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
} // namespace

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

} // namespace zuv::store::tablefile::detail

namespace zuv::store::tablefile {

namespace {
int& lockWait()
{
    static int ms = 5000;
    return ms;
}
} // namespace

int lockWaitMilliseconds()
{
    return lockWait();
}

void setLockWaitMilliseconds(int ms)
{
    lockWait() = ms;
}

} // namespace zuv::store::tablefile
