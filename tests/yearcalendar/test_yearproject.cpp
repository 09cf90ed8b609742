// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year project file and the picture folder.

#include "dialogs.h"
#include "yearproject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace zuv::yearcal;

YearProject sampleProject()
{
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("Sb");
    p.pictures[0] = QStringList{QStringLiteral("/bilder/ä ö/1.jpg"), QStringLiteral("/b/2.jpg"),
                                QStringLiteral("/b/3.jpg")};
    p.pictures[6] = QStringList{QStringLiteral("/b/juli.bmp")};
    p.titleFont = QStringLiteral("Z003,30,-1,5,700,0,0,0,0,0,0,0,0,0,0,1");
    p.person = Person{QStringLiteral("Anna Müller"), QDate(1960, 2, 29)};
    p.birthdays = false;
    p.criticalDays = true;
    p.intuitive = true;
    p.moonPhases = true;
    p.secondRegion = QStringLiteral("BY");
    p.bridgeDays = true;
    return p;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(ProjectFile, OpensAgainAsItWasSaved)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/folder/") + kProjectFileName);
    const YearProject saved = sampleProject();
    saveProject(path, saved);   // creates the missing folders
    EXPECT_EQ(loadProject(path), saved);

    YearProject plain;
    plain.year = 1;
    plain.regionCode = QStringLiteral("BY");
    saveProject(path, plain);
    EXPECT_EQ(loadProject(path), plain);
}

TEST(ProjectFile, RefusesWhatIsNoProject)
{
    struct Case { const char* what; QByteArray json; const char* message; };
    const Case cases[] = {
        {"not JSON", "{\"jahr\": 20", "kein Jahreskalender-Projekt"},
        {"an array", "[1, 2]", "kein Jahreskalender-Projekt"},
        {"no year", R"({"region": "BY"})", "das Jahr fehlt"},
        {"year 10000", R"({"jahr": 10000, "region": "BY"})", "das Jahr fehlt"},
        {"Swiss region", R"({"jahr": 2027, "region": "CH"})", "unbekannte Region \"CH\""},
        {"code in other case", R"({"jahr": 2027, "region": "by"})", "unbekannte Region \"by\""},
        {"four pictures", R"({"jahr": 2027, "region": "BY", "bilder": [["a","b","c","d"]]})",
         "mehr als drei Bilder im Monat 1"},
        {"thirteen months", R"({"jahr": 2027, "region": "BY", "bilder": [[],[],[],[],[],[],[],[],[],[],[],[],[]]})",
         "zwölf Monate"},
        {"person without date", R"({"jahr": 2027, "region": "BY", "person": {"name": "X"}})",
         "kein gültiges Geburtsdatum"},
        {"second region equal", R"({"jahr": 2027, "region": "BY", "region2": "BY"})", "dieselbe"},
        {"second region Swiss", R"({"jahr": 2027, "region": "BY", "region2": "ZZH"})",
         "Unbekannte zweite Region"},
    };
    for (const Case& c : cases) {
        try {
            projectFromJson(c.json);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message)))
                << c.what << ": " << e.message().toStdString();
        }
    }
}

TEST(ProjectFile, LoadErrorsNameTheFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("fehlt.json"));
    const QString damaged = dir.filePath(QStringLiteral("kaputt.json"));
    writeFile(damaged, "\x00\xff garbage");
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    struct Case { QString path; const char* message; };
    for (const Case& c : {Case{missing, "wurde nicht gefunden"}, Case{damaged, "kein Jahreskalender"},
                          Case{fifo, "keine gewöhnliche Datei"}, Case{dir.path(), "keine gewöhnliche Datei"}}) {
        try {
            loadProject(c.path);
            ADD_FAILURE() << c.path.toStdString();
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QFileInfo(c.path).fileName())) << e.message().toStdString();
        }
    }
}

TEST(ProjectFile, FailedSaveKeepsTheOldProject)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dir;
    const QString path = dir.filePath(kProjectFileName);
    const YearProject old = sampleProject();
    saveProject(path, old);
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0500), 0);
    YearProject changed = old;
    changed.year = 2030;
    EXPECT_THROW(saveProject(path, changed), zuv::core::Error);
    chmod(dir.path().toLocal8Bit().constData(), 0700);
    EXPECT_EQ(loadProject(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{kProjectFileName});
}

TEST(ProjectFile, SaveOntoAFolderFailsAndChangesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kProjectFileName);
    ASSERT_TRUE(QDir(dir.path()).mkdir(kProjectFileName));
    EXPECT_THROW(saveProject(path, sampleProject()), zuv::core::Error);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());   // no temporary left
}

TEST(PictureFolder, NameOrderOneForEachMonth)
{
    QTemporaryDir dir;
    for (const char* name : {"b10.jpg", "b2.JPG", "a1.bmp", "notiz.txt", "b1.jpeg", "c.emf", "d.png", "b02.jpg"})
        writeFile(dir.filePath(QString::fromUtf8(name)), "x");
    QDir(dir.path()).mkdir(QStringLiteral("unterordner.jpg"));
    const QStringList files = picturesInFolder(dir.path());
    QStringList names;
    for (const QString& f : files)
        names << QFileInfo(f).fileName();
    // Numbers in names count as numbers; every file is there for the check, folders are not.
    EXPECT_EQ(names, (QStringList{"a1.bmp", "b1.jpeg", "b02.jpg", "b2.JPG", "b10.jpg", "c.emf", "d.png", "notiz.txt"}));
    for (const QString& f : files)
        EXPECT_TRUE(QFileInfo(f).isAbsolute());

    const auto months = onePicturePerMonth(files);
    EXPECT_EQ(months[0], QStringList{files[0]});
    EXPECT_EQ(months[4], QStringList{files[4]});
    EXPECT_EQ(months[7], QStringList{files[7]});
    EXPECT_TRUE(months[8].isEmpty());
    EXPECT_TRUE(months[11].isEmpty());

    QStringList many;
    for (int i = 0; i < 20; ++i)
        many << QStringLiteral("/p/%1.jpg").arg(i);
    const auto full = onePicturePerMonth(many);
    EXPECT_EQ(full[11], QStringList{QStringLiteral("/p/11.jpg")});
}

TEST(PictureFolder, MissingFolderIsAnError)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("datei.jpg"));
    writeFile(file, "x");
    for (const QString& path : {dir.filePath(QStringLiteral("fehlt")), file}) {
        try {
            picturesInFolder(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Bilderordner"))) << e.message().toStdString();
        }
    }
}

} // namespace

namespace {

// The fuzz target's seeds: ok_* are read and survive writing and reading back, bad_* are
// refused with a German message.
TEST(ProjectFile, FuzzSeedsReplay)
{
    const QDir seeds(QStringLiteral(ZUV_TEST_DATA_DIR "/yearcalendar/project_seeds"));
    const QStringList files = seeds.entryList(QDir::Files);
    ASSERT_GE(files.size(), 10);
    for (const QString& name : files) {
        QFile f(seeds.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        if (name.startsWith(QStringLiteral("ok_"))) {
            const YearProject p = projectFromJson(bytes);
            EXPECT_EQ(projectFromJson(projectToJson(p)), p) << name.toStdString();
        } else {
            EXPECT_THROW(projectFromJson(bytes), zuv::core::Error) << name.toStdString();
        }
    }
}

} // namespace
