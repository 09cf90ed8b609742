// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Where pictures print with and without bleed, and the window's soft-picture note against
// what the pages themselves report.

#include "yearpages.h"
#include "yearrender.h"
#include "yearslots.h"
#include "yeartesting.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;

// The slots of the month page's design (report pixels): the single picture at 96/640,
// 609 x 377 without the chart; the three at 72, 296 and 520 of 712, 201 x 289. 3 mm of
// bleed are 3 / 210 of the A4 page's 793.7 pixels: 11.34.
TEST(YearSlots, OnlyTheSinglePictureRunsToTheEdgeAndIntoTheBleed)
{
    const zuv::photo::PrintSheet plain;
    const zuv::photo::PrintSheet shop{zuv::photo::Paper::A4, true};
    const auto single = zuv::photo::pictureSlots({QStringLiteral("a.jpg")}, false).at(0);
    const auto first = zuv::photo::pictureSlots({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}, false).at(0);
    EXPECT_EQ(printedSlot(single, plain), QRectF(96, 640, 609, 377));
    const QRectF bled = printedSlot(single, shop);
    EXPECT_NEAR(bled.left(), -11.34, 0.01);
    EXPECT_NEAR(bled.right(), 793.70 + 11.34, 0.01);
    EXPECT_EQ(bled.top(), 640);      // the grid above and the page's foot keep their margins
    EXPECT_EQ(bled.height(), 377);
    EXPECT_EQ(printedSlot(first, shop), QRectF(72, 712, 201, 289));
}

// The note in the window must name the same pictures, months and figures as the pages:
// with the chart, Austrian month names, A3, bleed and each fit.
TEST(YearSlots, SoftPictureNoteAgreesWithThePages)
{
    QTemporaryDir dir;
    const auto photo = [&](const char* name, QSize size) {
        return yeartest::writePhoto(dir.filePath(QString::fromLatin1(name)), Qt::darkCyan, size);
    };
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("W");
    p.person = Person{QStringLiteral("Anna"), QDate(1987, 3, 14)};
    p.print.sheet = {zuv::photo::Paper::A3, true};
    p.print.firstMonth = 9;
    p.pictures[0] = QStringList{photo("jan.jpg", {900, 600})};
    p.pictures[2] = QStringList{photo("m1.jpg", {600, 900}), photo("m2.jpg", {3000, 2000}), photo("m3.jpg", {300, 300})};
    p.pictures[9] = QStringList{photo("okt.jpg", {6000, 600})};
    p.print.placements[p.pictures[2][0]] = {zuv::photo::PictureFit::Fit, {}};
    p.print.placements[p.pictures[9][0]] = {zuv::photo::PictureFit::Stretch, {}};

    const QStringList note = softPictureWarnings(p, [](const QString& path) { return QImageReader(path).size(); });
    const YearDocument doc = buildYearDocument(p, {});
    QStringList pages;
    for (int i = 1; i < doc.pageCount(); ++i) {
        std::vector<PictureProblem> problems;
        layoutPage(doc, i, zuv::photo::CalendarReport(), problems);
        for (const PictureProblem& problem : problems)
            if (problem.softOnly)
                pages << problem.message;
    }
    EXPECT_EQ(note, pages);
    EXPECT_GE(note.size(), 3);
    EXPECT_TRUE(note.join(' ').contains(QStringLiteral("Jänner, Bild 1: "))) << note.join(' ').toStdString();
}

} // namespace
