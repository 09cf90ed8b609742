// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Fault injection: the real table store driven in child processes (storedriver) with
// locks, killed writers, a second writer and hostile files. Each case checks that no
// acknowledged name is lost and what the user was told.
#include "table.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace zuv::core;
using namespace zuv::store;

namespace {

const std::vector<FieldDef> kNameFields = {{"Name", FieldType::String, 30},
                                           {"Geburtsdatum", FieldType::Date, 0}};
const QStringList kStored = {"Anna", "Bernd", "Clara"};

// Everything below the folder belongs to the unprivileged user the driver may switch to.
void giveToNobody(const QString& path)
{
    if (::geteuid() == 0)
        QProcess::execute("chown", {"-R", "65534:65534", path});
}

void makeNames(const QString& file, const QStringList& names)
{
    Table t("CDSNamensliste");
    t.setRowLevelWrites(true);
    openOrCreate(t, file, kNameFields);
    for (const QString& n : names) {
        t.append();
        t.setValue("Name", n);
        t.post();
    }
    t.close();
}

// The names in the file as this process reads it (nullopt-like empty list + flag on failure).
QStringList namesIn(const QString& file, bool* readable = nullptr)
{
    Table t("check");
    t.setFileName(file);
    try {
        t.loadFromFile();
    } catch (const TableError&) {
        if (readable)
            *readable = false;
        return {};
    }
    if (readable)
        *readable = true;
    QStringList out;
    for (int r = 0; r < t.rowCount(); ++r)
        out << t.cell(r, 0).toString();
    return out;
}

void sql(const QString& file, const char* statement)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statement, nullptr, nullptr, nullptr), SQLITE_OK) << statement;
    sqlite3_close(db);
}

struct Output {
    QStringList lines;
    QStringList with(const QString& prefix) const
    {
        QStringList out;
        for (const QString& l : lines)
            if (l.startsWith(prefix + ' '))
                out << l.mid(prefix.size() + 1);
        return out;
    }
};

QProcess* start(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    auto* p = new QProcess;
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(ZUV_STORE_DRIVER), args);
    EXPECT_TRUE(p->waitForStarted());
    return p;
}

Output finish(QProcess* p)
{
    EXPECT_TRUE(p->waitForFinished(60000));
    Output r;
    for (const QByteArray& l : p->readAllStandardOutput().split('\n'))
        if (!l.isEmpty())
            r.lines << QString::fromUtf8(l);
    delete p;
    return r;
}

Output drive(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    return finish(start(args, env));
}

// Reads lines until one starts with prefix; the lines read so far are appended to seen.
bool waitFor(QProcess* p, const QString& prefix, QStringList& seen, int count = 1)
{
    int found = 0;
    while (found < count) {
        while (!p->canReadLine())
            if (!p->waitForReadyRead(30000))
                return false;
        const QString line = QString::fromUtf8(p->readLine()).trimmed();
        seen << line;
        if (line.startsWith(prefix))
            ++found;
    }
    return true;
}

class StoreFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.path() + "/Namensliste";
        makeNames(m_file, kStored);
    }
    QTemporaryDir m_dir;
    QString m_file;
};

// Start-up faults. Expected: the file is set aside only when it is damaged or not ours;
// every other fault leaves it untouched and is named in the error box. Causes are the
// store's German texts (sqlitedb.cpp, tablefile.cpp).
TEST_F(StoreFaults, StartWithAHostileFileLosesNoName)
{
    struct Case {
        const char* what;
        std::function<void(const QString& file)> inject;
        QStringList options;
        const char* kind;      // "" nothing shown, "ERR" error box, "MSG" information
        const char* cause;     // part of the text shown
        bool setAside;
        int rowsShown;
    };
    const Case cases[] = {
        {"unreadable file", [](const QString& f) { ::chmod(QFile::encodeName(f), 0); },
         {"--as-nobody"}, "ERR", "keine Berechtigung", false, 0},
        {"directory as journal",
         [](const QString& f) { QDir().mkdir(f + "-journal"); }, {}, "ERR",
         "ist keine normale Datei", false, 0},
        {"symbolic link as journal",
         [](const QString& f) { QFile::link("/tmp/elsewhere", f + "-journal"); }, {}, "ERR",
         "ist keine normale Datei", false, 0},
        {"FIFO in place of the file",
         [](const QString& f) {
             QFile::rename(f, f + ".orig");
             ::mkfifo(QFile::encodeName(f), 0600);
         },
         {}, "ERR", "kein normaler Datei-Typ", false, 0},
        {"one name of 31 characters",
         [](const QString& f) {
             sql(f, "INSERT INTO data VALUES(100, 'abcdefghijklmnopqrstuvwxyz12345', NULL)");
         },
         {}, "MSG", "1 Zeile(n) nicht gelesen", false, 3},
        {"a 30 February",
         [](const QString& f) { sql(f, "INSERT INTO data VALUES(100, 'Dora', '1980-02-30')"); },
         {}, "MSG", "1 Zeile(n) nicht gelesen", false, 3},
        {"planted unique index",
         [](const QString& f) { sql(f, "CREATE UNIQUE INDEX planted ON data(c1)"); }, {}, "MSG",
         "fremde Objekte", true, 0},
        {"planted trigger",
         [](const QString& f) {
             sql(f, "CREATE TRIGGER t AFTER INSERT ON data BEGIN DELETE FROM data; END");
         },
         {}, "MSG", "fremde Objekte", true, 0},
        {"garbage", [](const QString& f) {
             QFile g(f);
             g.open(QIODevice::WriteOnly | QIODevice::Truncate);
             g.write(QByteArray(4096, 'x'));
         },
         {}, "MSG", "beiseitegelegt", true, 0},
        // The move fails: the user must not read that a copy was kept.
        {"garbage in a folder that cannot be changed",
         [](const QString& f) {
             QFile g(f);
             g.open(QIODevice::WriteOnly | QIODevice::Truncate);
             g.write(QByteArray(4096, 'x'));
             ::chmod(QFile::encodeName(QFileInfo(f).absolutePath()), 0555);
         },
         {"--as-nobody"}, "ERR", "kann nicht beiseitegelegt werden", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString file = dir.path() + "/Namensliste";
        makeNames(file, kStored);
        c.inject(file);
        const auto bytesOf = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
        };
        // The content as injected (a FIFO case keeps it beside; the unreadable case has
        // its mode put back after the look).
        const QString content = QFileInfo(file + ".orig").exists() ? file + ".orig" : file;
        struct stat mode {};
        ::stat(QFile::encodeName(content), &mode);
        ::chmod(QFile::encodeName(content), 0600);
        const QByteArray injected = bytesOf(content);
        ::chmod(QFile::encodeName(content), mode.st_mode & 07777);
        giveToNobody(dir.path());
        const Output run = drive(c.options + QStringList{file, "open"});
        ::chmod(QFile::encodeName(dir.path()), 0700);
        const QStringList shown = run.with(c.kind);
        ASSERT_EQ(shown.size(), 1) << run.lines.join('\n').toStdString();
        EXPECT_TRUE(shown[0].contains(QString::fromUtf8(c.cause))) << shown[0].toStdString();
        EXPECT_TRUE(shown[0].contains(file)) << shown[0].toStdString();
        const bool refused = QByteArray(c.kind) == "ERR";
        EXPECT_EQ(run.with("ROWS"),
                  refused ? QStringList{} : QStringList{QString::number(c.rowsShown)});
        ::chmod(QFile::encodeName(content), 0600);
        if (refused) {
            // Left alone byte for byte, and nothing set aside.
            EXPECT_EQ(bytesOf(content), injected);
            EXPECT_FALSE(QFileInfo::exists(file + ".defekt"));
        } else {
            // Set aside or copied: the copy is the file as it was; a kept file still has
            // every name.
            EXPECT_EQ(bytesOf(file + ".defekt"), injected);
            EXPECT_TRUE(shown[0].contains(file + ".defekt")) << shown[0].toStdString();
            if (!c.setAside) {
                EXPECT_EQ(namesIn(file), kStored);
            }
        }
        if (c.setAside) {   // saving is not blocked afterwards
            const Output more = drive({file, "add", "Neu", "2"});
            EXPECT_EQ(more.with("ACK"), (QStringList{"Neu-1", "Neu-2"}));
            EXPECT_EQ(namesIn(file), (QStringList{"Neu-1", "Neu-2"}));
        }
    }
}

// A second set-aside never replaces the first.
TEST_F(StoreFaults, EverySetAsideCopyIsKept)
{
    for (int round = 1; round <= 3; ++round) {
        QFile g(m_file);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly | QIODevice::Truncate));
        g.write(QByteArray::number(round).repeated(1000));
        g.close();
        const Output run = drive({m_file, "open"});
        const QString copy = m_file + ".defekt" + (round == 1 ? QString() : QStringLiteral("-%1").arg(round));
        ASSERT_EQ(run.with("MSG").size(), 1);
        EXPECT_TRUE(run.with("MSG")[0].contains(copy)) << run.with("MSG")[0].toStdString();
    }
    for (int round = 1; round <= 3; ++round) {
        QFile f(m_file + ".defekt" + (round == 1 ? QString() : QStringLiteral("-%1").arg(round)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray::number(round).repeated(1000));
    }
}

// A lock held by another program: a short one is waited out, a long one refused.
TEST_F(StoreFaults, LockAtStartIsWaitedForOrRefusedNeverSetAside)
{
    struct Case {
        int holdMs;
        int waitMs;
        bool loads;
    } cases[] = {{2000, 5000, true}, {3000, 300, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.holdMs);
        QProcess* holder = start({m_file, "lock", QString::number(c.holdMs)});
        QStringList seen;
        ASSERT_TRUE(waitFor(holder, "LOCKED", seen));
        const Output run = drive({"--lock-wait", QString::number(c.waitMs), m_file, "open"});
        finish(holder);
        if (c.loads) {
            EXPECT_EQ(run.with("NAME"), kStored);
            EXPECT_TRUE(run.with("ERR").isEmpty());
        } else {
            ASSERT_EQ(run.with("ERR").size(), 1);
            EXPECT_TRUE(run.with("ERR")[0].contains("gesperrt")) << run.with("ERR")[0].toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(m_file + ".defekt"));
        EXPECT_EQ(namesIn(m_file), kStored);
    }
}

// kill -9 at arbitrary points of a stream of saves: every acknowledged name is there.
TEST_F(StoreFaults, KillDuringSavesLosesNoAcknowledgedName)
{
    QStringList acknowledged = kStored;
    for (int round = 1; round <= 6; ++round) {
        QProcess* writer = start({m_file, "add", QStringLiteral("R%1").arg(round), "100000"});
        QStringList seen;
        ASSERT_TRUE(waitFor(writer, "ACK", seen, 5 * round));
        ::kill(static_cast<pid_t>(writer->processId()), SIGKILL);
        writer->waitForFinished();
        seen += QString::fromUtf8(writer->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        delete writer;
        for (const QString& l : seen)
            if (l.startsWith("ACK "))
                acknowledged << l.mid(4);
        const Output after = drive({m_file, "open"});
        EXPECT_TRUE(after.with("MSG").isEmpty() && after.with("ERR").isEmpty());
        const QStringList stored = after.with("NAME");
        for (const QString& n : acknowledged)
            ASSERT_TRUE(stored.contains(n)) << "lost " << n.toStdString();
    }
}

// A copy killed while it made the list leaves its half-made file beside it. The next copy
// that makes the list removes it once that process is gone and the file has rested; it keeps
// a running copy's, and a young one whose process id may be another machine's.
TEST(StoreFaultsFirstStart, KilledMakersLeaveNoFilesBehind)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Namensliste");
    QProcess gone;   // runs until its input ends: its id is known before it is gone
    gone.start("cat", {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 goneId = gone.processId();
    gone.closeWriteChannel();
    ASSERT_TRUE(gone.waitForFinished());
    const struct {
        QString name;
        bool rested;
        bool kept;
    } files[] = {{file + QStringLiteral(".neu-%1-1").arg(goneId), true, false},
                 {file + QStringLiteral(".neu-%1-99").arg(::getpid()), true, true},
                 {file + QStringLiteral(".neu-%1-2").arg(goneId), false, true}};
    for (const auto& f : files) {
        QFile out(f.name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const QDateTime yesterday = QDateTime::currentDateTimeUtc().addDays(-1);
        EXPECT_TRUE(!f.rested || out.setFileTime(yesterday, QFileDevice::FileModificationTime));
    }
    makeNames(file, {"Anna"});
    for (const auto& f : files)
        EXPECT_EQ(QFileInfo::exists(f.name), f.kept) << f.name.toStdString();
}

// Two copies adding and deleting at the same time: each name acknowledged and not
// deleted is there exactly once, each deleted one is gone.
TEST_F(StoreFaults, TwoWritersKeepEachOthersNames)
{
    QProcess* a = start({m_file, "churn", "A", "80"});
    QProcess* b = start({m_file, "churn", "B", "80"});
    const Output ra = finish(a);
    const Output rb = finish(b);
    ASSERT_TRUE(ra.with("ERR").isEmpty()) << ra.with("ERR").join('\n').toStdString();
    ASSERT_TRUE(rb.with("ERR").isEmpty()) << rb.with("ERR").join('\n').toStdString();
    QStringList expected = kStored;
    for (const Output* r : {&ra, &rb}) {
        EXPECT_EQ(r->with("ACK").size(), 80);
        EXPECT_EQ(r->with("DEL").size(), 40);
        for (const QString& n : r->with("ACK"))
            if (!r->with("DEL").contains(n))
                expected << n;
    }
    QStringList stored = namesIn(m_file);
    std::sort(stored.begin(), stored.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
}

// The program started twice at once on first use (a double click, two scripts): both make
// the missing name list and add names at the same moment. Each name one of them
// acknowledged is in the file, nobody was told anything, nothing was set aside.
TEST(StoreFaultsFirstStart, TwoCopiesMakingTheListLoseNoName)
{
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const QString file = dir.path() + "/Namensliste";
        // Odd rounds start both at the same moment (both find no file); even rounds as
        // the system starts them, a few milliseconds apart (one finds the other's file
        // half made).
        const QStringList together = round % 2 ? QStringList{"--wait-go"} : QStringList{};
        QProcess* copies[] = {start(together + QStringList{file, "add", "A", "2"}),
                              start(together + QStringList{file, "add", "B", "2"})};
        if (round % 2) {
            QStringList seen;
            for (QProcess* p : copies)
                ASSERT_TRUE(waitFor(p, "READY", seen));
            for (QProcess* p : copies)
                p->write("go\n");
        }
        QStringList acknowledged;
        for (QProcess* p : copies) {
            const Output run = finish(p);
            EXPECT_TRUE(run.with("ERR").isEmpty() && run.with("MSG").isEmpty())
                << run.lines.join('\n').toStdString();
            acknowledged += run.with("ACK");
        }
        EXPECT_EQ(acknowledged.size(), 4);
        const QStringList stored = namesIn(file);
        for (const QString& n : acknowledged)
            EXPECT_EQ(stored.count(n), 1) << "lost or doubled: " << n.toStdString();
        // Nothing set aside, no temporary file or journal left.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Namensliste"});
    }
}

// An installed copy: the program folder's BioTab is read-only. The tables go to the
// per-user folder (names copied once), refreshes write there, nobody is told anything.
TEST_F(StoreFaults, ReadOnlyProgramFolderUsesThePerUserFolder)
{
    QTemporaryDir dir;
    const QString program = dir.path() + "/prefix";
    ASSERT_TRUE(QDir().mkpath(program + "/BioTab"));
    makeNames(program + "/BioTab/Namensliste", kStored);
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/home"));
    giveToNobody(dir.path());
    const bool root = ::geteuid() == 0;
    if (root)
        QProcess::execute("chown", {"-R", "0:0", program});
    ::chmod(QFile::encodeName(program + "/BioTab"), 0555);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.path() + "/home");
    const QStringList as{"--as-nobody", "--program", program};
    const Output run = drive(as + QStringList{"-", "open"}, env);
    const QString perUser = dir.path() + "/home/zuvododerod/BioTab/";
    EXPECT_EQ(run.with("FOLDER"), QStringList{perUser});
    EXPECT_EQ(run.with("NAME"), kStored);
    EXPECT_TRUE(run.with("MSG").isEmpty() && run.with("ERR").isEmpty());
    const Output refreshed = drive(as + QStringList{"-", "refresh", "3"}, env);
    EXPECT_EQ(refreshed.lines, QStringList{"REFRESHED"});
    EXPECT_TRUE(QFileInfo::exists(perUser + "Koerper"));
    EXPECT_FALSE(QFileInfo::exists(program + "/BioTab/Koerper"));
    const Output added = drive(as + QStringList{"-", "add", "Neu", "1"}, env);
    EXPECT_EQ(added.with("ACK"), QStringList{"Neu-1"});
    EXPECT_EQ(namesIn(program + "/BioTab/Namensliste"), kStored);   // the original stays
    ::chmod(QFile::encodeName(program + "/BioTab"), 0755);
}

} // namespace
