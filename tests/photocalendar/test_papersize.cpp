// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Paper sizes and the print shop's sheet: boxes as a PDF reader sees them, crop marks and
// bleed as the rendered page shows them, and the region's month names.

#include "dialogs.h"
#include "papersize.h"
#include "pdfexport.h"
#include "regionmonthnames.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zuv::photo;

QString run(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << ": " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "MediaBox: 0.00 0.00 841.89 1190.55" and the like, from pdfinfo -box.
QString boxLine(const QString& info, const QString& box)
{
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(box + QLatin1Char(':')))
            return line.mid(box.size() + 1).simplified();
    return {};
}

// One page that paints its trimmed page grey and a red picture from its left edge 3 mm on
// into the bleed, as a full-bleed picture is drawn.
QString writeSheet(const QString& path, const PrintSheet& paper)
{
    const bool done = writePdf(path, QStringLiteral("Blatt"), 1,
                               [&](QPainter& painter, const QRectF& sheet, int) {
                                   painter.fillRect(sheet, QColor(0xC0, 0xC0, 0xC0));
                                   const double mm = sheet.width() / paperSizeMm(paper.paper).width();
                                   painter.fillRect(QRectF(sheet.left() - 3 * mm, sheet.top() + 50 * mm,
                                                           53 * mm, 50 * mm),
                                                    Qt::red);
                                   return true;
                               },
                               paper);
    EXPECT_TRUE(done);
    return path;
}

TEST(PaperPdf, BoxesOfEachSheet)
{
    // Points = mm / 25.4 * 72; Qt writes the MediaBox in whole points (A3, 297 x 420 mm, is
    // 841.89 x 1190.55 pt). A sheet with bleed grows by 9 mm on every side (3 mm bleed, 1 mm
    // gap, 5 mm marks): A4 becomes 228 x 315 mm (646.30 x 892.91 pt, written 646 x 893). Its
    // trim box starts 9 mm (25.51 pt) from the top left, its bleed box 6 mm (17.01 pt).
    struct Case {
        PrintSheet paper;
        const char* media;
        const char* trim;
        const char* bleed;
    };
    const Case cases[] = {
        {{Paper::A3, false}, "0.00 0.00 842.00 1191.00", "0.00 0.00 842.00 1191.00",
         "0.00 0.00 842.00 1191.00"},
        // 893 - 25.51 = 867.49 at the top, 867.49 - 841.89 = 25.60 at the bottom.
        {{Paper::A4, true}, "0.00 0.00 646.00 893.00", "25.51 25.60 620.79 867.49",
         "17.01 17.09 629.29 875.99"},
        // A5 148 x 210 mm with bleed: 470.55 x 646.30 pt, written 471 x 646.
        {{Paper::A5, true}, "0.00 0.00 471.00 646.00", "25.51 25.21 445.04 620.49",
         "17.01 16.71 453.54 628.99"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString pdf = writeSheet(dir.filePath(paperName(c.paper.paper) + QStringLiteral(".pdf")),
                                       c.paper);
        const QString info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), pdf});
        EXPECT_EQ(boxLine(info, QStringLiteral("MediaBox")), QLatin1String(c.media)) << c.media;
        EXPECT_EQ(boxLine(info, QStringLiteral("TrimBox")), QLatin1String(c.trim)) << c.media;
        EXPECT_EQ(boxLine(info, QStringLiteral("BleedBox")), QLatin1String(c.bleed)) << c.media;
    }
}

TEST(PaperPdf, CropMarksOutsideTheBleedAndPicturesIntoIt)
{
    QTemporaryDir dir;
    const QString pdf = writeSheet(dir.filePath(QStringLiteral("a5.pdf")), {Paper::A5, true});
    // 254 dpi: 10 pixels a millimetre.
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("a5"))});
    const QImage page(dir.filePath(QStringLiteral("a5.png")));
    ASSERT_EQ(page.size(), QSize(1662, 2279));   // 471 x 646 pt
    const auto at = [&](double xMm, double yMm) { return page.pixelColor(int(xMm * 10), int(yMm * 10)); };
    const auto dark = [](const QColor& c) { return c.lightness() < 128; };
    // Trim at 9 mm: the mark along the top trim line runs from 5 to 0 mm left of the sheet's
    // corner at 9 - 4 = 5 mm and 0 mm; the other marks likewise at every corner.
    EXPECT_TRUE(dark(at(2.5, 9.0)));        // top left, horizontal
    EXPECT_TRUE(dark(at(9.0, 2.5)));        // top left, vertical
    EXPECT_TRUE(dark(at(163.5, 219.0)));    // bottom right, horizontal
    EXPECT_TRUE(dark(at(157.0, 225.5)));    // bottom right, vertical
    EXPECT_EQ(at(7.0, 7.0), QColor(Qt::white));   // bleed corner: no mark, nothing drawn
    // The picture runs 3 mm past the left trim edge, the grey page does not.
    EXPECT_EQ(at(6.5, 75.0), QColor(Qt::red));
    EXPECT_EQ(at(6.5, 40.0), QColor(Qt::white));
    EXPECT_EQ(at(5.5, 75.0), QColor(Qt::white));
    EXPECT_EQ(at(80.0, 40.0), QColor(0xC0, 0xC0, 0xC0));
}

TEST(PaperPdf, OnlyFullEdgesRunIntoTheBleed)
{
    const QSizeF page(800, 1100);
    struct Case {
        QRectF rect;
        QRectF expected;
    };
    const Case cases[] = {
        {{0, 0, 800, 300}, {-10, -10, 820, 310}},   // a band across the top
        {{0.4, 600, 200, 500}, {-9.6, 600, 210, 510}}, // bottom left corner, within half a pixel
        {{38, 640, 609, 377}, {38, 640, 609, 377}},  // inside the margins: unchanged
    };
    for (const Case& c : cases)
        EXPECT_EQ(intoBleed(c.rect, page, 10), c.expected);
}

TEST(PaperPdf, NamesAndRefusedInput)
{
    EXPECT_EQ(paperFromName(QStringLiteral("a3")), Paper::A3);
    EXPECT_EQ(paperFromName(QStringLiteral(" A5 ")), Paper::A5);
    EXPECT_EQ(paperFromName(QStringLiteral("Letter")), std::nullopt);
    EXPECT_EQ(paperFromName(QStringLiteral("A6")), std::nullopt);
    EXPECT_THROW(withPageBoxes(QByteArrayLiteral("kein PDF"), {}), zuv::core::Error);
}

TEST(PaperPdf, HelperFailuresReachTheUserAsMessages)
{
    // The boxes are set by a helper process: its reason, or why it could not run, must come
    // back as the error, never an unboxed PDF passed off as done.
    const auto messageOf = [](const QByteArray& pdf) {
        try {
            withPageBoxes(pdf, {Paper::A4, true});
        } catch (const zuv::core::Error& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_TRUE(messageOf("kein PDF").contains(QLatin1String("Kalender"))) << messageOf("kein PDF").toStdString();
    setPdfBoxesHelperPath(QStringLiteral("/nonexistent/zuvododerod-pdfboxes"));
    const QString missing = messageOf("%PDF-1.4");
    setPdfBoxesHelperPath({});
    EXPECT_TRUE(missing.contains(QLatin1String("/nonexistent/zuvododerod-pdfboxes"))) << missing.toStdString();
}

TEST(RegionMonthNames, AustrianRegionsSayJaennerAndFeber)
{
    // Austrian usage: "Jänner" and "Feber"; the other ten months as in Germany.
    struct Case {
        const char* region;
        int month;
        const char* name;
    };
    const Case cases[] = {
        {"W", 1, "Jänner"},  {"A", 2, "Feber"},   {"S", 1, "Jänner"},   // Steiermark
        {"Sb", 3, "März"},   {"SH", 1, "Januar"}, {"BY", 2, "Februar"},
        {"CH", 1, "Januar"}, {"", 2, "Februar"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(regionMonthName(c.month, defaultNaming(QString::fromUtf8(c.region))),
                  QString::fromUtf8(c.name))
            << c.region << " " << c.month;
    // The switch turned off for an Austrian page.
    EXPECT_EQ(regionMonthName(1, MonthNaming::German), QStringLiteral("Januar"));
    EXPECT_EQ(regionMonthName(13, MonthNaming::Austrian), QString());
}

} // namespace
