// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Year calendar pages compared with what they looked like before the month page became one
// value with one render function: a month page with birthdays, critical days, the chart,
// two pictures and the project's title font pixel for pixel, and the text of a whole year
// PDF word for word.

#include "calendarreport.h"
#include "referenceimage.h"
#include "yearpages.h"
#include "yearrender.h"
#include "yeartesting.h"

#include <QFile>
#include <algorithm>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;

QString reference(const char* name)
{
    return QStringLiteral(ZUV_TEST_DATA_DIR "/yearcalendar/reference/") + QString::fromUtf8(name);
}

QString picture(const char* name)
{
    return QStringLiteral(ZUV_TEST_DATA_DIR "/photocalendar/pictures/") + QString::fromUtf8(name);
}

// Bavaria 2027 with a person (chart and critical days, intuitive cycle too) and a name list
// whose birthdays fall on a critical day, twice on one day and on 29 February.
YearProject project2027()
{
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("BY");
    p.person = Person{QStringLiteral("Anna"), QDate(1987, 3, 14)};
    p.intuitive = true;
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPointSize(24);
    p.titleFont = title.toString();
    p.pictures[2] = QStringList{picture("orange.jpg"), picture("halves24.bmp")};
    p.pictures[4] = QStringList{picture("red16_green48.ico")};
    p.print.fit = zuv::photo::PictureFit::Stretch;   // the pictures as the references have them
    return p;
}

const std::vector<Person> kPeople = {
    {QStringLiteral("Anna"), QDate(1987, 3, 14)},
    {QStringLiteral("Bert"), QDate(2000, 3, 14)},
    {QStringLiteral("Carla"), QDate(1996, 2, 29)},
    {QStringLiteral("Dora"), QDate(1950, 3, 30)},
};

TEST(YearPixels, MonthPagesLookAsBefore)
{
    const YearDocument doc = buildYearDocument(project2027(), kPeople);
    const struct {
        int month;
        const char* reference;
    } cases[] = {{2, "februar2027.png"}, {3, "maerz2027.png"}, {5, "mai2027.png"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reference);
        std::vector<PictureProblem> problems;
        const zuv::photo::ReportPage page = layoutPage(doc, c.month, zuv::photo::CalendarReport(), problems);
        // The small test pictures print soft; none fails to load.
        EXPECT_TRUE(std::all_of(problems.begin(), problems.end(),
                                [](const PictureProblem& p) { return p.softOnly; }));
        QImage sheet = zuv::testing::a4Sheet();
        QPainter painter(&sheet);
        zuv::photo::render(painter, QRectF(0, 0, sheet.width(), sheet.height()), page);
        painter.end();
        zuv::testing::expectSameAsReference(sheet, reference(c.reference));
    }
}

TEST(YearPixels, YearPdfReadsWordForWordAsBefore)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    std::vector<PictureProblem> problems;
    ASSERT_TRUE(writeYearPdf(pdf, buildYearDocument(project2027(), kPeople),
                             zuv::photo::CalendarReport(), problems));
    const QString text = yeartest::poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QFile expected(reference("jahr2027.txt"));
    if (qEnvironmentVariableIsSet("ZUV_WRITE_REFERENCES")) {
        ASSERT_TRUE(expected.open(QIODevice::WriteOnly));
        expected.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(text, QString::fromUtf8(expected.readAll()));
}

// The month page's design keeps its pictures inside the margins; for a print shop the single
// picture runs from edge to edge and 3 mm on into the bleed, the crop marks beyond. Read
// back from the PDF as poppler draws it, 5 pixels a millimetre.
TEST(YearPixels, WithBleedTheSinglePictureRunsIntoTheBleed)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) not installed";
    QTemporaryDir dir;
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("BY");
    p.pictures[0] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("rot.jpg")), Qt::red, {2400, 1600})};
    const auto red = [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    for (const bool bleed : {true, false}) {
        SCOPED_TRACE(bleed ? "Druckerei" : "A4");
        p.print.sheet.bleed = bleed;
        const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
        std::vector<PictureProblem> problems;
        ASSERT_TRUE(writeYearPdf(pdf, buildYearDocument(p, {}), zuv::photo::CalendarReport(), problems));
        yeartest::poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("127"), QStringLiteral("-png"),
                                                      QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                                      QStringLiteral("2"), QStringLiteral("-singlefile"), pdf,
                                                      dir.filePath(QStringLiteral("januar"))});
        const QImage page(dir.filePath(QStringLiteral("januar.png")));
        ASSERT_FALSE(page.isNull());
        // The trimmed page starts 9 mm into the sheet with bleed (3 mm bleed, 6 mm for the
        // marks), at 0 without; the slot's middle lies 219 mm below its top (640 + 377 / 2
        // report pixels).
        const double trim = bleed ? 9.0 : 0.0;
        const auto at = [&](double xMm, double yMm) {
            return page.pixelColor(int((trim + xMm) * 5), int((trim + yMm) * 5));
        };
        EXPECT_TRUE(red(at(105.0, 219.0)));               // the picture itself
        EXPECT_EQ(red(at(2.0, 219.0)), bleed);            // the margin left of the old slot
        EXPECT_EQ(red(at(208.0, 219.0)), bleed);          // and right of it
        if (bleed) {
            EXPECT_TRUE(red(at(-2.5, 219.0)));            // 3 mm of bleed
            EXPECT_TRUE(red(at(212.5, 219.0)));
            EXPECT_FALSE(red(at(-3.5, 219.0)));           // and no more
            EXPECT_EQ(at(-2.0, 150.0), QColor(Qt::white)); // the grid keeps its margins
            EXPECT_LT(at(-6.5, 0.0).lightness(), 128);    // a crop mark on the top trim line
        }
    }
}

} // namespace
