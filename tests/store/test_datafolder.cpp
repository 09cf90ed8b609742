// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "datafolder.h"
#include "dialogs.h"
#include "programfolder.h"
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zuv::core;
using namespace zuv::store;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// Portable use keeps the tables beside the program; everything else goes per user.
TEST(DataFolder, ChoiceFollowsTheProgramFolder)
{
    struct Case {
        const char* what;
        bool isFolder, writable;
        const char* appData;
        const char* expected;
    };
    const Case cases[] = {
        {"portable copy", true, true, "/home/u/.local/share/zuvododerod",
         "/opt/zuv/BioTab/"},
        {"installed, BioTab read-only", true, false, "/home/u/.local/share/zuvododerod",
         "/home/u/.local/share/zuvododerod/BioTab/"},
        {"no BioTab beside the program", false, false, "/home/u/.local/share/zuvododerod",
         "/home/u/.local/share/zuvododerod/BioTab/"},
        // Without a home folder there is nowhere else; the tables then stay in memory.
        {"no per-user location", true, false, "", "/opt/zuv/BioTab/"},
        {"trailing slash given", false, false, "/data/", "/data/BioTab/"},
    };
    for (const Case& c : cases) {
        const DataFolderFacts facts{"/opt/zuv/", c.isFolder, c.writable, c.appData};
        EXPECT_EQ(chooseDataFolder(facts), QString::fromUtf8(c.expected)) << c.what;
    }
}

TEST(DataFolder, TablesAreCopiedOnceAndNeverOverwritten)
{
    QTemporaryDir dir;
    const QString from = dir.path() + "/prog/BioTab/";
    const QString to = dir.path() + "/user/BioTab/";
    ASSERT_TRUE(QDir().mkpath(from));
    ASSERT_TRUE(QDir().mkpath(to));
    writeFile(from + "Namensliste", "names of the program folder");
    writeFile(from + "Koerper", "month");
    writeFile(to + "Koerper", "already per user");
    ASSERT_EQ(::mkfifo(QFile::encodeName(from + "Prozente").constData(), 0600), 0);

    EXPECT_EQ(copyTablesOnce(from, to).copied, QStringList{"Namensliste"});
    EXPECT_EQ(readFile(to + "Namensliste"), "names of the program folder");
    EXPECT_EQ(readFile(to + "Koerper"), "already per user");
    EXPECT_FALSE(QFileInfo::exists(to + "Prozente"));   // a FIFO is no table

    // The user deletes the list; it is not brought back from the program folder.
    ASSERT_TRUE(QFile::remove(to + "Namensliste"));
    EXPECT_TRUE(copyTablesOnce(from, to).copied.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(to + "Namensliste"));
}

// A table that cannot be copied is named, and the copy is tried again at the next start.
TEST(DataFolder, FailedCopyIsToldAndTriedAgain)
{
    QTemporaryDir dir;
    const QString from = dir.path() + "/prog/BioTab/";
    const QString to = dir.path() + "/user/BioTab/";
    ASSERT_TRUE(QDir().mkpath(from));
    ASSERT_TRUE(QDir().mkpath(to + "Namensliste.kopie/blocked"));   // the copy's way in
    writeFile(from + "Namensliste", "names");
    writeFile(from + "Koerper", "month");
    const TakeOver first = copyTablesOnce(from, to);
    EXPECT_EQ(first.copied, QStringList{"Koerper"});
    EXPECT_EQ(first.failed, QStringList{"Namensliste"});
    EXPECT_TRUE(first.message.contains("Namensliste")) << first.message.toStdString();
    ASSERT_TRUE(QDir(to + "Namensliste.kopie").removeRecursively());
    const TakeOver next = copyTablesOnce(from, to);
    EXPECT_EQ(next.copied, QStringList{"Namensliste"});
    EXPECT_TRUE(next.message.isEmpty());
    EXPECT_EQ(readFile(to + "Namensliste"), "names");
}

TEST(DataFolder, WritableProgramFolderKeepsTheTablesBesideIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("BioTab"));
    setProgramFolder(dir.path());
    setUserDataFolder(QString());
    EXPECT_EQ(userDataFolder(), dir.path() + "/BioTab/");
    EXPECT_EQ(tablePath("BioTab/Namensliste"), dir.path() + "/BioTab/Namensliste");
    EXPECT_EQ(tablePath("TZeichen/Waage.rtf"), dir.path() + "/TZeichen/Waage.rtf");
    setUserDataFolder(dir.path() + "/woanders");
    EXPECT_EQ(tablePath("BioTab/Koerper"), dir.path() + "/woanders/Koerper");
    setUserDataFolder(QString());
    setProgramFolder(QString());
}

// The checked reader answers at once for whatever stands at the path.
TEST(SafeFile, RefusesWhatIsNoRegularFileWithoutBlocking)
{
    QTemporaryDir dir;
    const QString fifo = dir.path() + "/fifo.rtf";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    writeFile(dir.path() + "/small.rtf", "{\\rtf1 x}");
    writeFile(dir.path() + "/big.bmp", QByteArray(101, 'x'));
    ASSERT_TRUE(QFile::link(dir.path() + "/small.rtf", dir.path() + "/link.rtf"));
    ASSERT_TRUE(QFile::link(dir.path() + "/gone", dir.path() + "/dangling.rtf"));
    struct Case {
        QString path;
        FileProblem expected;
        QByteArray content;
    };
    const Case cases[] = {
        {dir.path() + "/small.rtf", FileProblem::None, "{\\rtf1 x}"},
        {dir.path() + "/link.rtf", FileProblem::None, "{\\rtf1 x}"},
        {dir.path() + "/missing.rtf", FileProblem::Missing, {}},
        {dir.path() + "/dangling.rtf", FileProblem::Missing, {}},
        {dir.path() + "/small.rtf/below", FileProblem::Missing, {}},
        {dir.path(), FileProblem::NotRegular, {}},
        {fifo, FileProblem::NotRegular, {}},
        {"/dev/zero", FileProblem::NotRegular, {}},
        {"/dev/tty", FileProblem::NotRegular, {}},
        {dir.path() + "/big.bmp", FileProblem::TooLarge, {}},
    };
    for (const Case& c : cases) {
        FileProblem problem = FileProblem::ReadError;
        const QByteArray data = readRegularFile(c.path, 100, problem);
        EXPECT_EQ(problem, c.expected) << c.path.toStdString();
        EXPECT_EQ(data, c.content) << c.path.toStdString();
        EXPECT_EQ(checkRegularFile(c.path, 100).problem, c.expected) << c.path.toStdString();
    }
}

TEST(SafeFile, MessageNamesTheFileAndTheCause)
{
    const struct {
        FileProblem problem;
        const char* cause;
    } causes[] = {
        {FileProblem::Missing, "nicht gefunden"},
        {FileProblem::NoPermission, "keine Berechtigung"},
        {FileProblem::NotRegular, "kein normaler Datei-Typ"},
        {FileProblem::TooLarge, "zu groß"},
        {FileProblem::Damaged, "beschädigt"},
    };
    for (const auto& c : causes)
        EXPECT_EQ(fileProblemMessage("/x/TZeichen/Waage.rtf", c.problem),
                  QString::fromUtf8("Die Datei \"/x/TZeichen/Waage.rtf\" kann nicht gelesen "
                                    "werden: %1.")
                      .arg(QString::fromUtf8(c.cause)));
    QTemporaryDir dir;
    try {
        readRegularFile(dir.path(), 10);
        ADD_FAILURE() << "a folder was read";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), fileProblemMessage(dir.path(), FileProblem::NotRegular));
    }
}

} // namespace
