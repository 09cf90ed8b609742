// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year calendar's command line: what it accepts, its messages and exit statuses, and
// the program itself run as a batch tool.

#include "dialogs.h"
#include "picturefiles.h"
#include "yearcli.h"
#include "yeartesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;

TEST(CommandLineParse, RefusesWithAGermanReason)
{
    // Each line misses or spoils one thing of an otherwise valid call.
    struct Case { QStringList args; const char* message; };
    const Case cases[] = {
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf", "k.pdf", "--farbe", "rot"}, "Unbekanntes Argument \"--farbe\""},
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf"}, "Bei --pdf fehlt der Wert"},
        {{"--jahreskalender=", "--region", "BY", "--pdf", "k.pdf"}, "Bei --jahreskalender fehlt der Wert"},
        {{"--jahreskalender", "zwanzig", "--region", "BY", "--pdf", "k.pdf"}, "Das Jahr \"zwanzig\" ist ungültig"},
        {{"--jahreskalender", "0", "--region", "BY", "--pdf", "k.pdf"}, "Das Jahr \"0\" ist ungültig"},
        {{"--jahreskalender", "10000", "--region", "BY", "--pdf", "k.pdf"}, "Das Jahr \"10000\" ist ungültig"},
        {{"--region", "BY", "--pdf", "k.pdf"}, "--jahreskalender JAHR"},
        {{"--jahreskalender", "2027", "--pdf", "k.pdf"}, "--region REGION"},
        {{"--jahreskalender", "2027", "--region", "BY"}, "--pdf DATEI"},
        {{"--jahreskalender", "2027", "--region", "BY", "--bilder", "b", "--projekt", "p", "--pdf", "k.pdf"}, "schließen sich aus"},
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf", "k.pdf", "--intuitiv=ja"}, "--intuitiv nimmt keinen Wert"},
        {{"--geburtstagskalender", "--bilder", "b"}, "--pdf DATEI"},
    };
    for (const Case& c : cases) {
        try {
            parseCommandLine(c.args);
            ADD_FAILURE() << c.args.join(' ').toStdString() << ": accepted";
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message)))
                << c.args.join(' ').toStdString() << ": " << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("--help")));
        }
    }
}

TEST(CommandLineParse, AcceptsBothSpellings)
{
    const CommandLine a = parseCommandLine({"--jahreskalender", "2027", "--region", "BY", "--bilder", "/b", "--pdf", "k.pdf"});
    const CommandLine b = parseCommandLine({"--jahreskalender=2027", "--region=BY", "--bilder=/b", "--pdf=k.pdf"});
    for (const CommandLine& l : {a, b}) {
        EXPECT_EQ(l.year, 2027);
        EXPECT_EQ(l.region, QStringLiteral("BY"));
        EXPECT_EQ(l.pictureFolder, QStringLiteral("/b"));
        EXPECT_EQ(l.pdf, QStringLiteral("k.pdf"));
    }
    // A project brings year and region along.
    const CommandLine p = parseCommandLine({"--projekt", "p.json", "--pdf", "k.pdf", "--ohne-geburtstage"});
    EXPECT_FALSE(p.year);
    EXPECT_TRUE(p.noBirthdays);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"-h"}).help);

    struct Wants { QStringList args; bool wanted; };
    for (const Wants& w : {Wants{{}, false}, Wants{{"-platform", "offscreen"}, false},
                           Wants{{"--pdf=x.pdf"}, true}, Wants{{"-style", "fusion", "--help"}, true},
                           Wants{{"--jahreskalender", "2027"}, true}})
        EXPECT_EQ(wantsCommandLine(w.args), w.wanted) << w.args.join(' ').toStdString();
}

struct CliRun {
    int status = -1;
    QString out, err;
};

CliRun run(const QStringList& args, const std::vector<Person>& people = {})
{
    CliRun r;
    QTextStream out(&r.out), err(&r.err);
    try {
        r.status = runCommandLine(parseCommandLine(args), people, out, err);
    } catch (const zuv::core::Error& e) {
        r.status = kExitUsage;
        r.err = e.message();
    }
    return r;
}

TEST(CommandLineRun, BirthdayCalendarNeedsNoYearOrRegion)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("g.pdf"));
    const CliRun r = run({"--geburtstagskalender", "--pdf", pdf},
                         {{QStringLiteral("Anna"), QDate(1987, 3, 14)}});
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Geburtstagskalender mit 13 Seiten"))) << r.out.toStdString();
    EXPECT_TRUE(yeartest::pdfText(pdf, 4).contains(QStringLiteral("14. Anna (1987)")));
}

TEST(CommandLineRun, ExitStatusesAndMessages)
{
    QTemporaryDir dir;
    const QString pictures = dir.filePath(QStringLiteral("bilder"));
    QDir().mkpath(pictures);
    yeartest::writePhoto(pictures + QStringLiteral("/01.jpg"), Qt::red);
    const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
    const std::vector<Person> people = {{QStringLiteral("Anna"), QDate(1987, 3, 14)},
                                        {QStringLiteral("Ohne Datum"), QDate()}};

    struct Case { QStringList args; int status; const char* message; };
    const Case cases[] = {
        {{"--jahreskalender", "2027", "--region", "XY", "--pdf", pdf}, kExitUsage, "Unbekannte Region \"XY\""},
        {{"--jahreskalender", "2027", "--region", "CH", "--pdf", pdf}, kExitUsage, "Unbekannte Region \"CH\""},
        {{"--jahreskalender", "2027", "--region", "BY", "--bilder", dir.filePath("nichts"), "--pdf", pdf}, kExitInput, "Bilderordner"},
        {{"--projekt", dir.filePath("fehlt.json"), "--pdf", pdf}, kExitInput, "wurde nicht gefunden"},
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf", dir.filePath("fehlt/k.pdf")}, kExitOutput, "kann nicht geschrieben werden"},
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf", dir.path()}, kExitOutput, "kann nicht geschrieben werden"},
        {{"--jahreskalender", "2027", "--region", "BY", "--person", "Niemand", "--pdf", pdf}, kExitUsage, "nicht in der Namensliste"},
        {{"--jahreskalender", "2027", "--region", "BY", "--person", "ohne datum", "--pdf", pdf}, kExitUsage, "kein Geburtsdatum"},
        {{"--jahreskalender", "2027", "--region", "BY", "--region2", "bayern", "--pdf", pdf}, kExitUsage, "dieselbe wie die erste"},
        {{"--jahreskalender", "2027", "--region", "BY", "--region2", "XY", "--pdf", pdf}, kExitUsage, "Unbekannte zweite Region"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args, people);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Fehler: "))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.args.join(' ').toStdString();
    }

    // A good run: one picture, a damaged one warned about by month and file, 13 pages.
    QFile damaged(pictures + QStringLiteral("/02.jpg"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("kein Bild");
    damaged.close();
    const CliRun ok = run({"--jahreskalender", "2027", "--region", "wien", "--bilder", pictures,
                        "--person", "anna", "--pdf", pdf}, people);
    EXPECT_EQ(ok.status, kExitOk) << ok.err.toStdString();
    EXPECT_TRUE(ok.err.startsWith(QStringLiteral("Übersprungen: 02.jpg: "))) << ok.err.toStdString();
    EXPECT_EQ(ok.err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(ok.out.contains(QStringLiteral("13 Seiten und 1 Bild gespeichert"))) << ok.out.toStdString();
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
    const QString march = yeartest::pdfText(pdf, 4);
    EXPECT_TRUE(march.contains(QStringLiteral("Geburtstage: 14. Anna (40)"))) << march.toStdString();
    EXPECT_TRUE(march.contains(QStringLiteral("Kritische Tage von Anna"))) << march.toStdString();
    EXPECT_TRUE(yeartest::pdfText(pdf, 11).contains(QStringLiteral("Feiertage in Wien:")));
}

// A folder of the pictures people have: each file left out is named with its cause, the
// others go on the pages, and the summary says how many.
TEST(CommandLineRun, PictureFolderNamesWhatItSkips)
{
    QTemporaryDir dir;
    const QString pictures = dir.filePath(QStringLiteral("bilder"));
    QDir().mkpath(pictures);
    const auto table = zuv::testing::writePictureFiles(pictures);
    const CliRun r = run({"--jahreskalender", "2027", "--region", "BY", "--bilder", pictures, "--pdf",
                          dir.filePath(QStringLiteral("k.pdf"))});
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    int usable = 0;
    for (const auto& c : table) {
        usable += !c.cause;
        const QString line = QStringLiteral("Übersprungen: ") + c.name + QStringLiteral(": ");
        EXPECT_EQ(r.err.contains(line), c.cause != nullptr) << r.err.toStdString();
        if (c.cause) {
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.cause))) << r.err.toStdString();
        }
    }
    EXPECT_TRUE(r.out.contains(QStringLiteral("13 Seiten und %1 Bildern gespeichert").arg(usable))) << r.out.toStdString() << r.err.toStdString();
}

TEST(CommandLineRun, HelpListsEveryOptionAndRegion)
{
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.status, kExitOk);
    for (const char* option : {"--jahreskalender JAHR", "--region REGION", "--bilder ORDNER", "--projekt DATEI",
                               "--pdf DATEI", "--person NAME", "--ohne-geburtstage", "--ohne-kritische-tage",
                               "--intuitiv", "--help"})
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(option))) << option;
    for (const Region& region : yearRegions())
        EXPECT_TRUE(r.out.contains(region.code + QStringLiteral("  ") + region.name)
                    || r.out.contains(region.code + QStringLiteral("   ") + region.name)
                    || r.out.contains(region.code + QStringLiteral("    ") + region.name))
            << region.name.toStdString();
}

// The program as a batch tool: no window, no display.
TEST(CommandLineRun, TheProgramRunsWithoutAWindow)
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zuvododerod"));
    ASSERT_TRUE(QFile::exists(program));
    QTemporaryDir dir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("HOME"), dir.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    p.setProcessEnvironment(env);

    struct Case { QStringList args; int status; const char* stream; const char* text; };
    const QString pdf = dir.filePath(QStringLiteral("kalender.pdf"));
    const Case cases[] = {
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf", pdf}, 0, "out", "13 Seiten"},
        {{"--help"}, 0, "out", "Rückgabewerte"},
        {{"--jahreskalender", "2027"}, 2, "err", "Fehler: Geben Sie die Region an"},
        {{"--jahreskalender", "2027", "--region", "BY", "--bilder", "/gibt/es/nicht", "--pdf", pdf}, 3, "err", "Bilderordner"},
        {{"--jahreskalender", "2027", "--region", "BY", "--pdf", "/proc/kalender.pdf"}, 4, "err", "kann nicht geschrieben werden"},
    };
    for (const Case& c : cases) {
        p.start(program, c.args);
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), c.status) << c.args.join(' ').toStdString();
        const QString text = QString::fromUtf8(QByteArray(c.stream) == "out" ? p.readAllStandardOutput()
                                                                              : p.readAllStandardError());
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.text))) << text.toStdString();
    }
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
}

} // namespace
