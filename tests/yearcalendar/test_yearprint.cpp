// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Print settings of the year: stored in the project, given on the command line, and what
// they do to the PDF (page order of a school year, Austrian month names, soft pictures).

#include "dialogs.h"
#include "yearcli.h"
#include "yearpages.h"
#include "yearprintsettings.h"
#include "yearproject.h"
#include "yearrender.h"
#include "yeartesting.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;
using zuv::photo::PictureFit;

TEST(PrintSettingsFile, KeptInTheProjectAndOldProjectsReadAsBefore)
{
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("W");
    p.print.fit = PictureFit::Fit;
    p.print.placements[QStringLiteral("/b/a.jpg")] = {PictureFit::Crop, {0.25, 1}};
    p.print.sheet = {zuv::photo::Paper::A3, true};
    p.print.firstMonth = 8;
    p.print.austrianNames = false;
    EXPECT_EQ(projectFromJson(projectToJson(p)), p);

    // A project written before the print settings: A4 from January, pictures cut.
    const YearProject old = projectFromJson(R"({"version":1,"jahr":2027,"region":"BY"})");
    EXPECT_EQ(old.print, PrintSettings{});
    EXPECT_EQ(placementOf(old.print, QStringLiteral("/x.jpg")).fit, PictureFit::Crop);
}

TEST(PrintSettingsFile, RefusesWhatCannotBePrinted)
{
    const char* base = R"({"version":1,"jahr":2027,"region":"BY",)";
    struct Case {
        const char* json;
        const char* reason;
    };
    const Case cases[] = {
        {R"("bildanpassung":"strecken"})", "unbekannte Bildanpassung \"strecken\""},
        {R"("papier":"Letter"})", "unbekanntes Papierformat \"Letter\""},
        {R"("ersterMonat":13})", "Der erste Monat \"13\" ist ungültig"},
        {R"("bildausschnitte":[{"datei":"a.jpg","x":1.5,"y":0.5}]})", "außerhalb des Bildes"},
    };
    for (const Case& c : cases) {
        try {
            projectFromJson(QByteArray(base) + c.json);
            ADD_FAILURE() << c.json;
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << e.message().toStdString();
        }
    }
}

struct CliResult {
    int status = -1;
    QString out, err;
};
CliResult run(const QStringList& args)
{
    CliResult r;
    QTextStream out(&r.out), err(&r.err);
    try {
        r.status = runCommandLine(parseCommandLine(args), {}, out, err);
    } catch (const zuv::core::Error& e) {
        r.status = kExitUsage;
        r.err = e.message();
    }
    return r;
}

TEST(PrintOptionsCli, UnknownValuesStopBeforeAnythingIsWritten)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
    const QStringList base{"--jahreskalender", "2027", "--region", "BY", "--pdf", pdf};
    struct Case {
        QStringList extra;
        const char* message;
    };
    const Case cases[] = {
        {{"--bildanpassung", "strecken"}, "zuschneiden, einpassen und verzerren"},
        {{"--papier", "A6"}, "erlaubt sind A4, A3 und A5"},
        {{"--erster-monat", "13"}, "Der erste Monat \"13\" ist ungültig"},
        {{"--erster-monat=0"}, "Der erste Monat \"0\" ist ungültig"},
        {{"--beschnitt=ja"}, "--beschnitt nimmt keinen Wert"},
    };
    for (const Case& c : cases) {
        const CliResult r = run(base + c.extra);
        EXPECT_EQ(r.status, kExitUsage) << c.message;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
    // A year that a school year would leave: refused the same way.
    const CliResult late = run({"--jahreskalender", "9999", "--region", "BY", "--erster-monat", "8", "--pdf", pdf});
    EXPECT_EQ(late.status, kExitUsage);
    EXPECT_TRUE(late.err.contains(QStringLiteral("über das Jahr 9999"))) << late.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PrintOptionsCli, SchoolYearOnA5WithBleedInAustria)
{
    QTemporaryDir dir;
    const QString pictures = dir.filePath(QStringLiteral("bilder"));
    QDir().mkpath(pictures);
    yeartest::writePhoto(pictures + QStringLiteral("/01.jpg"), Qt::red);
    yeartest::writePhoto(pictures + QStringLiteral("/02.jpg"), Qt::blue, {300, 200});
    const QString pdf = dir.filePath(QStringLiteral("schuljahr.pdf"));
    const CliResult r = run({"--jahreskalender", "2027", "--region", "W", "--bilder", pictures, "--papier", "a5",
                       "--beschnitt", "--erster-monat", "8", "--bildanpassung", "einpassen", "--pdf", pdf});
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    // The second picture goes to September and is far too small for its slot: 200 pixels
    // over 377 / 96 inches of A4, times 148 / 210 on A5, = 72 ppi (Einpassen keeps the whole
    // 300 x 200 picture).
    EXPECT_EQ(r.err, QStringLiteral("Warnung: September, Bild 1: 72 ppi, wird unscharf\n"));
    // No picture is kept finer than 300 ppi at its printed size (the 1280 x 960 one would
    // print at 347 ppi on A5, whole).
    const QStringList images = yeartest::poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2);
    EXPECT_EQ(images.size(), 3);   // cover, August, September
    for (const QString& line : images)
        EXPECT_LE(line.simplified().split(QLatin1Char(' ')).value(12).toInt(), 300) << line.toStdString();
    EXPECT_TRUE(yeartest::pdfText(pdf, 1).startsWith(QStringLiteral("2027/28")));
    // Cover, then August 2027 to July 2028: January of the next year on page 7, in Austrian.
    const struct {
        int page;
        const char* title;
    } order[] = {{2, "August 2027"}, {6, "Dezember 2027"}, {7, "Jänner 2028"}, {8, "Feber 2028"},
                 {13, "Juli 2028"}};
    for (const auto& o : order)
        EXPECT_TRUE(yeartest::pdfText(pdf, o.page).startsWith(QString::fromUtf8(o.title)))
            << o.title << ": " << yeartest::pdfText(pdf, o.page).left(40).toStdString();
    // A5 with 3 mm bleed and the crop marks' margin: 148 x 210 mm grow to 166 x 228 mm.
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Page size")), QStringLiteral("471 x 646 pts"));
}

} // namespace
