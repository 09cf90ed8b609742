// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "tablefile.h"

#include "sqlitedb.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace zuv::store::tablefile {

using namespace detail;

namespace {

// File layout: page 1 carries kApplicationId and kFormatVersion; meta_fields holds one row
// per field in order, data one row per table row (ord is the row's stable id and keeps
// the table order, c<i> is field i). Dates are "yyyy-MM-dd" text, floats real, integers
// integer, strings text, empty fields NULL.

// The names in meta_fields.type, indexed by FieldType.
const char* const kTypeNames[] = {"date", "float", "integer", "string"};

std::optional<FieldType> typeFromName(const QByteArray& name)
{
    for (int i = 0; i < 4; ++i)
        if (name == kTypeNames[i])
            return static_cast<FieldType>(i);
    return std::nullopt;
}

std::optional<QDate> fromIsoDate(const char* text, int size)
{
    if (size != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int digits[10] = {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        digits[i] = text[i] - '0';
    }
    const QDate d(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3],
                  digits[5] * 10 + digits[6], digits[8] * 10 + digits[9]);
    if (!d.isValid() || d.year() < 1)
        return std::nullopt;
    return d;
}

QByteArray columnBytes(sqlite3_stmt* st, int col)
{
    const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
    return QByteArray(p, sqlite3_column_bytes(st, col));
}

Failure foreign(const QString& why)
{
    return Failure{why, FileFault::Foreign};
}

std::vector<FieldDef> readFields(Db& db)
{
    Stmt st;
    prepare(db, st, "SELECT pos, name, type, size FROM meta_fields ORDER BY pos");
    std::vector<FieldDef> fields;
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        const int pos = static_cast<int>(fields.size());
        if (pos >= kMaxFields)
            throw foreign(QCoreApplication::translate("Tables", "zu viele Felder"));
        if (sqlite3_column_type(st.s, 0) != SQLITE_INTEGER || sqlite3_column_int64(st.s, 0) != pos
            || sqlite3_column_type(st.s, 1) != SQLITE_TEXT
            || sqlite3_column_type(st.s, 2) != SQLITE_TEXT
            || sqlite3_column_type(st.s, 3) != SQLITE_INTEGER)
            throw foreign(QCoreApplication::translate("Tables", "Felddefinition %1 ist ungültig").arg(pos));
        FieldDef def;
        def.name = QString::fromUtf8(columnBytes(st.s, 1));
        const QByteArray typeName = columnBytes(st.s, 2);
        const auto type = typeFromName(typeName);
        if (!type)
            throw foreign(QCoreApplication::translate("Tables", "unbekannter Feldtyp '%1'")
                              .arg(QString::fromUtf8(typeName)));
        def.type = *type;
        const sqlite3_int64 size = sqlite3_column_int64(st.s, 3);
        const bool sizeOk = def.type == FieldType::String ? size >= 1 && size <= kMaxStringSize
                                                          : size == 0;
        if (!sizeOk)
            throw foreign(
                QCoreApplication::translate("Tables", "Feld '%1' hat eine ungültige Größe").arg(def.name));
        def.size = static_cast<int>(size);
        if (def.name.isEmpty() || def.name.size() > kMaxFieldNameLength)
            throw foreign(QCoreApplication::translate("Tables", "Feldname %1 ist ungültig").arg(pos));
        for (const FieldDef& f : fields)
            if (f.name.compare(def.name, Qt::CaseInsensitive) == 0)
                throw foreign(QCoreApplication::translate("Tables", "Feld '%1' doppelt").arg(def.name));
        fields.push_back(def);
    }
    if (rc != SQLITE_DONE)
        throw failure(db);
    if (fields.empty())
        throw foreign(QCoreApplication::translate("Tables", "keine Felder"));
    return fields;
}

// The value of one cell; nullopt when it does not fit its field.
std::optional<QVariant> readValue(sqlite3_stmt* st, int col, const FieldDef& def)
{
    const int kind = sqlite3_column_type(st, col);
    if (kind == SQLITE_NULL)
        return QVariant();
    switch (def.type) {
    case FieldType::Date:
        if (kind == SQLITE_TEXT) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
            if (const auto d = fromIsoDate(text, sqlite3_column_bytes(st, col)))
                return QVariant(*d);
        }
        break;
    case FieldType::Float:
        if (kind == SQLITE_FLOAT || kind == SQLITE_INTEGER) {
            const double v = sqlite3_column_double(st, col);
            if (std::isfinite(v))
                return QVariant(v);
        }
        break;
    case FieldType::Integer:
        if (kind == SQLITE_INTEGER) {
            const sqlite3_int64 v = sqlite3_column_int64(st, col);
            if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
                return QVariant(static_cast<int>(v));
        }
        break;
    case FieldType::String:
        if (kind == SQLITE_TEXT) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
            const QString s = QString::fromUtf8(text, sqlite3_column_bytes(st, col));
            if (!s.isEmpty() && characterCount(s) <= def.size)
                return QVariant(s);
        }
        break;
    }
    return std::nullopt;
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

// Only while this process has no connection open on the file: closing the descriptor
// would drop SQLite's locks on it.
quint32 changeCounter(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    unsigned char header[4] = {};
    const bool ok = ::pread(fd, header, 4, 24) == 4;
    ::close(fd);
    if (!ok)
        return 0;
    return (quint32(header[0]) << 24) | (quint32(header[1]) << 16) | (quint32(header[2]) << 8)
        | quint32(header[3]);
}

Content read(const QString& path)
{
    requireSafeEntries(path, true);
    Db db;
    // Read-write so that SQLite can roll back a save that a crash interrupted.
    open(db, path, false);
    // One read transaction: one lock and one look for a hot journal instead of one per query.
    exec(db, "BEGIN");
    const int applicationId = pragmaInt(db, "PRAGMA application_id");
    if (applicationId != kApplicationId || pragmaInt(db, "PRAGMA user_version") != kFormatVersion) {
        // Nothing in it yet: another program opened it to make it and has not committed.
        if (applicationId == 0 && pragmaInt(db, "SELECT count(*) FROM sqlite_master") == 0)
            throw Failure {
                QCoreApplication::translate("Tables", "die Datei ist leer oder wird gerade angelegt"),
                FileFault::Unfinished};
        throw foreign(QCoreApplication::translate("Tables", "keine Tabelle dieses Programms"));
    }
    Content content;
    {
        // Field count first (the data table's shape depends on it), then the exact schema.
        Stmt count;
        prepare(db, count, "SELECT count(*) FROM meta_fields");
        if (sqlite3_step(count.s) != SQLITE_ROW)
            throw sqlite3_errcode(db.h) == SQLITE_ERROR
                ? foreign(QCoreApplication::translate("Tables", "meta_fields fehlt"))
                : failure(db);
        requireOurSchema(db, sqlite3_column_int(count.s, 0));
    }
    content.fields = readFields(db);
    const int n = static_cast<int>(content.fields.size());
    Stmt st;
    prepare(db, st, "SELECT * FROM data ORDER BY ord");
    if (sqlite3_column_count(st.s) != n + 1)
        throw foreign(QCoreApplication::translate("Tables", "falsche Spaltenzahl"));
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        std::vector<QVariant> values(n);
        bool fits = true;
        for (int i = 0; i < n && fits; ++i) {
            auto v = readValue(st.s, i + 1, content.fields[i]);
            fits = v.has_value();
            if (fits)
                values[i] = std::move(*v);
        }
        if (!fits) {
            ++content.badRows;
            continue;
        }
        content.rows.push_back(std::move(values));
        content.ids.push_back(sqlite3_column_int64(st.s, 0));
    }
    if (rc != SQLITE_DONE)
        throw failure(db);
    // Damage in pages no query read so far shows here.
    {
        Stmt check;
        prepare(db, check, "PRAGMA quick_check(1)");
        if (sqlite3_step(check.s) != SQLITE_ROW)
            throw failure(db);
        if (columnBytes(check.s, 0) != "ok")
            throw Failure {QCoreApplication::translate("Tables", "die Datei ist beschädigt (%1)")
                               .arg(QString::fromUtf8(columnBytes(check.s, 0))),
                           FileFault::Damaged};
    }
    // Read under the shared lock: no commit can come between the rows and the counter.
    content.changeCounter = detail::changeCounter(db);
    return content;
}

namespace {

bool isEmpty(Db& db)
{
    return pragmaInt(db, "SELECT count(*) FROM sqlite_master") == 0;
}

void createSchema(Db& db, int fieldCount)
{
    exec(db, kFieldsTableSql);
    exec(db, dataTableSql(fieldCount).constData());
}

// The format marks and the field definitions, into an emptied or new meta_fields.
void writeFields(Db& db, const std::vector<FieldDef>& fields)
{
    exec(db, QByteArray("PRAGMA application_id=" + QByteArray::number(kApplicationId)
                        + "; PRAGMA user_version=" + QByteArray::number(kFormatVersion))
                 .constData());
    Stmt fst;
    prepare(db, fst, "INSERT INTO meta_fields(pos, name, type, size) VALUES(?1, ?2, ?3, ?4)");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QByteArray name = fields[i].name.toUtf8();
        sqlite3_bind_int(fst.s, 1, static_cast<int>(i));
        sqlite3_bind_text(fst.s, 2, name.constData(), static_cast<int>(name.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_text(fst.s, 3, kTypeNames[static_cast<int>(fields[i].type)], -1,
                          SQLITE_STATIC);
        sqlite3_bind_int(fst.s, 4, fields[i].size);
        if (sqlite3_step(fst.s) != SQLITE_DONE)
            throw failure(db);
        sqlite3_reset(fst.s);
    }
}

std::vector<qint64> writeInto(const QString& path, bool durable, const std::vector<FieldDef>& fields,
                              const std::vector<std::vector<QVariant>>& rows)
{
    requireSafeEntries(path, false);
    Db db;
    open(db, path, true);
    setWriteMode(db, durable);
    exec(db, "BEGIN IMMEDIATE");
    std::vector<qint64> ids;
    try {
        const int n = static_cast<int>(fields.size());
        // Tables of the right shape are emptied; dropping and creating them costs more
        // than the whole month table's rows. An empty file is made from scratch.
        if (isEmpty(db)) {
            createSchema(db, n);
        } else {
            requireOurSchema(db, n);
            exec(db, "DELETE FROM data; DELETE FROM meta_fields");
        }
        writeFields(db, fields);
        QByteArray insert = "INSERT INTO data VALUES(?1";
        for (int i = 0; i < n; ++i)
            insert += ", ?" + QByteArray::number(i + 2);
        insert += ")";
        Stmt rst;
        prepare(db, rst, insert.constData());
        ids.reserve(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const qint64 id = static_cast<qint64>(r) * kIdStep;
            sqlite3_bind_int64(rst.s, 1, id);
            for (int i = 0; i < n; ++i)
                bindValue(rst.s, i + 2, fields[i], rows[r][i]);
            if (sqlite3_step(rst.s) != SQLITE_DONE)
                throw failure(db);
            sqlite3_reset(rst.s);
            ids.push_back(id);
        }
        exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db.h, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return ids;
}

} // namespace

std::vector<qint64> write(const QString& path, bool durable, const std::vector<FieldDef>& fields,
                          const std::vector<std::vector<QVariant>>& rows, bool replaceWhole)
{
    if (!replaceWhole) {
        try {
            return writeInto(path, durable, fields, rows);
        } catch (const Failure& f) {
            // A file that loaded but is damaged or carries foreign objects is replaced.
            if (f.fault != FileFault::Damaged && f.fault != FileFault::Foreign)
                throw;
        }
    }
    requireSafeEntries(path, false);
    const QString fresh = path + QStringLiteral(".neu");
    for (const char* s : {"", "-journal"})
        QFile::remove(fresh + QLatin1String(s));
    std::vector<qint64> ids = writeInto(fresh, durable, fields, rows);
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData())
        != 0) {
        QFile::remove(fresh);
        throw Failure {QCoreApplication::translate("Tables", "'%1' kann nicht ersetzt werden.")
                           .arg(QDir::toNativeSeparators(path))};
    }
    if (durable)
        syncFolder(QFileInfo(path).absolutePath());
    return ids;
}

namespace {

// What a copy of the program killed while making the file beside path left there (the name
// with ".neu-<process id>-<n>", and its journal), once that process is gone.
void removeLeftovers(const QString& path)
{
    const QFileInfo table(path);
    const QString prefix = table.fileName() + QStringLiteral(".neu-");
    QDir folder = table.absoluteDir();
    const QStringList names = folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    // Making a file takes milliseconds. A younger one may belong to a copy whose process id
    // means nothing here (another machine on a shared folder, another process namespace).
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-10 * 60);
    for (const QString& name : names) {
        bool isNumber = false;
        const pid_t pid = name.mid(prefix.size()).section(QLatin1Char('-'), 0, 0).toInt(&isNumber);
        // A process of that id that still runs (or belongs to another user) may be making it.
        if (isNumber && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH
            && QFileInfo(folder, name).lastModified() < settled)
            folder.remove(name);
    }
}

} // namespace

bool create(const QString& path, const std::vector<FieldDef>& fields)
{
    requireSafeEntries(path, false);
    removeLeftovers(path);
    static std::atomic<int> serial{0};
    const QString temporary =
        path + QStringLiteral(".neu-%1-%2").arg(::getpid()).arg(++serial);
    for (const char* s : {"", "-journal"})
        QFile::remove(temporary + QLatin1String(s));   // left by a process of the same id
    try {
        writeInto(temporary, true, fields, {});
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    int error = ::link(from.constData(), to.constData()) == 0 ? 0 : errno;
    if (error != 0 && error != EEXIST) {
        // Without hard links (some network and FAT file systems) a rename that refuses to
        // replace does the same.
        error = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                            RENAME_NOREPLACE)
                == 0
            ? 0
            : errno;
    }
    ::unlink(from.constData());
    if (error == EEXIST)
        return false;
    if (error != 0)
        throw Failure {
            QCoreApplication::translate("Tables", "'%1' kann nicht angelegt werden (%2)")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)))};
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

void initialize(const QString& path, const std::vector<FieldDef>& fields)
{
    requireSafeEntries(path, true);
    Db db;
    open(db, path, false);
    setWriteMode(db, true);
    exec(db, "BEGIN IMMEDIATE");
    try {
        // Under the write lock: whoever was making it has committed or given up.
        if (isEmpty(db) && pragmaInt(db, "PRAGMA application_id") == 0) {
            createSchema(db, static_cast<int>(fields.size()));
            writeFields(db, fields);
        }
        exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db.h, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

FileId fileId(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

namespace {

const char* const kEntrySuffixes[] = {"", "-journal", "-wal", "-shm"};

bool entryExists(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The first "<file>.defekt", "<file>.defekt-2", ... of which no entry exists yet.
QString freeDefektName(const QString& path)
{
    for (int i = 1;; ++i) {
        const QString candidate = path + QStringLiteral(".defekt")
            + (i == 1 ? QString() : QStringLiteral("-%1").arg(i));
        bool free = true;
        for (const char* s : kEntrySuffixes)
            free = free && !entryExists(candidate + QLatin1String(s));
        if (free)
            return candidate;
    }
}

} // namespace

QString keepDamaged(const QString& path, const FileId& expected)
{
    if (fileId(path) != expected)
        return {};
    const QString target = freeDefektName(path);
    for (const char* s : kEntrySuffixes) {
        const QString from = path + QLatin1String(s);
        if (entryExists(from)
            && std::rename(QFile::encodeName(from).constData(),
                           QFile::encodeName(target + QLatin1String(s)).constData())
                != 0)
            throw Failure {QCoreApplication::translate("Tables", "'%1' kann nicht beiseitegelegt werden.")
                               .arg(QDir::toNativeSeparators(from))};
    }
    syncFolder(QFileInfo(path).absolutePath());
    return target;
}

KeptCopy keepCopy(const QString& path)
{
    const auto digest = [](const QString& file) {
        QFile f(file);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        return f.open(QIODevice::ReadOnly) && hash.addData(&f) ? hash.result() : QByteArray();
    };
    const QByteArray current = digest(path);
    const QFileInfo info(path);
    if (!current.isEmpty()) {
        const QStringList copies = QDir(info.absolutePath())
                                       .entryList({info.fileName() + QStringLiteral(".defekt*")},
                                                  QDir::Files, QDir::Name);
        for (const QString& name : copies) {
            const QString copy = info.absolutePath() + QLatin1Char('/') + name;
            if (!name.endsWith(QLatin1String("-journal")) && digest(copy) == current)
                return {copy, false};
        }
    }
    const QString target = freeDefektName(path);
    if (!QFile::copy(path, target)) {
        QFile::remove(target);
        throw Failure {QCoreApplication::translate("Tables", "'%1' kann nicht kopiert werden.")
                           .arg(QDir::toNativeSeparators(path))};
    }
    return {target, true};
}

} // namespace zuv::store::tablefile
