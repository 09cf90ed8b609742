// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar page report: band stacking, element positions, the print-time rules, the
// picture layouts, and the page drawn onto an image and into a PDF.

#include "calendarreport.h"
#include "photofixture.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>

namespace {

using zuv::photo::CalendarReport;
using zuv::photo::PageGeometry;
using zuv::photo::ReportPage;

void fillGrid(zuv::core::Table& table, int year, int month, int state)
{
    table.emptyTable();
    zuv::photo::appendGrid(table, zuv::photo::buildMonthGrid(year, month, state, QStringLiteral("X")));
}

class ReportLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& f : zuv::photo::bildkalenderFields())
            table.addFieldDef(f.name, f.type, f.size);
        table.createDataSet();
        report.dataSet = &table;
    }
    zuv::core::Table table{QStringLiteral("CLDBildkalender")};
    CalendarReport report;
};

TEST_F(ReportLayout, EmptyGridPrintsNothing)
{
    const ReportPage page = report.generate();
    EXPECT_TRUE(page.bands.empty());
    EXPECT_TRUE(page.texts.empty());
    EXPECT_TRUE(page.lines.empty());
}

// Band tops: margin 38, title 155, headings 56, rows 48 each (report pixels at 96 dpi).
TEST_F(ReportLayout, BandsStackFromTheTopMargin)
{
    fillGrid(table, 2010, 5, 4);   // six rows
    const ReportPage page = report.generate();
    ASSERT_EQ(page.bands.size(), 9u);
    EXPECT_EQ(page.bands[0].rect, QRectF(38, 38, 718, 155));
    EXPECT_EQ(page.bands[1].rect, QRectF(38, 193, 718, 56));
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(page.bands[2 + r].rect, QRectF(38, 249 + 48 * r, 718, 48)) << r;
    EXPECT_EQ(page.bands[8].name, QStringLiteral("SummaryBand1"));
    EXPECT_EQ(page.bands[8].rect.top(), 537);   // the grid of six rows ends at 537
    EXPECT_GE(page.bands[8].rect.height(), 32);
    EXPECT_NEAR(page.size.width(), 793.7, 0.05);
    EXPECT_NEAR(page.size.height(), 1122.5, 0.05);
}

TEST_F(ReportLayout, ElementsSitAtTheirDesignPositions)
{
    fillGrid(table, 2010, 2, 4);
    const ReportPage page = report.generate();
    struct Expected { const char* name; int row; double left, top; };
    // left = 38 + element left; top = band top + element top.
    const Expected cases[] = {
        {"QRLabel9", -1, 46, 217},  {"QRLabel2", -1, 134, 209}, {"QRLabel3", -1, 226, 209},
        {"QRLabel7", -1, 594, 209}, {"QRLabel8", -1, 686, 209}, {"QRDBText1", 0, 46, 269},
        {"QRDBText2", 0, 134, 257}, {"QRDBText5", 1, 406, 305}, {"QRDBText8", 3, 686, 401},
        {"QRLabel10", -1, 94, 449},
    };
    for (const Expected& e : cases) {
        const auto* t = page.find(QString::fromLatin1(e.name), e.row);
        ASSERT_NE(t, nullptr) << e.name;
        EXPECT_EQ(t->rect.left(), e.left) << e.name;
        EXPECT_EQ(t->rect.top(), e.top) << e.name;
    }
    const auto* cell = page.find(QStringLiteral("QRDBText6"), 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rect.size(), QSizeF(41, 31));
    EXPECT_EQ(cell->text, QStringLiteral("19"));
    EXPECT_TRUE(cell->flags & Qt::AlignHCenter);
    const auto* summary = page.find(QStringLiteral("QRLabel10"));
    EXPECT_EQ(summary->rect.width(), 641);
    EXPECT_FALSE(summary->opaque);
    EXPECT_TRUE(page.find(QStringLiteral("QRLabel2"))->opaque);
}

TEST_F(ReportLayout, TitleIsCentredOnTheBand)
{
    fillGrid(table, 2010, 2, 4);
    report.onPrint = [](zuv::photo::ReportText& e, QString& v) {
        if (e.name == QLatin1String("QRLabel1"))
            v = QStringLiteral("Februar   2010");
    };
    const ReportPage page = report.generate();
    const auto* title = page.find(QStringLiteral("QRLabel1"));
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->rect.center().x(), 38 + 718 / 2.0, 0.5);
    EXPECT_EQ(title->rect.top(), 38 + 112);
    EXPECT_GT(title->rect.width(), 50);
    EXPECT_TRUE(title->font.bold());
    EXPECT_EQ(title->color, QColor(0xFF, 0, 0));
}

TEST_F(ReportLayout, RulesJoinAcrossRows)
{
    fillGrid(table, 2010, 2, 4);
    const ReportPage page = report.generate();
    // QRShape1: horizontal through the middle of its 9-pixel box; QRShape2 and one QRShape3
    // per row: vertical at x = 38 + 56.
    ASSERT_EQ(page.lines.size(), 2u + 4u);
    EXPECT_EQ(page.lines[0], QLineF(46, 193 + 48 + 4, 46 + 681, 193 + 48 + 4));
    EXPECT_EQ(page.lines[1], QLineF(94, 209, 94, 250));
    for (int r = 0; r < 4; ++r) {
        const double top = 249 + 48 * r;
        EXPECT_EQ(page.lines[2 + r], QLineF(94, top - 16, 94, top + 41)) << r;
    }
    // Each row's rule reaches the next row's start (top + 48 - 16 < top + 41).
}

TEST_F(ReportLayout, PictureLayoutsPlaceTheSlots)
{
    struct Case { const char* what; zuv::photo::PictureLayout layout; int chartTop, singleTop, singleHeight, threeTop; };
    // Slot tops from the report design: chart 580, pictures below it at 768; without the
    // chart, the single picture at 640 (377 high), three pictures at 712.
    const Case cases[] = {
        {"with chart", zuv::photo::kLayoutWithChart, 580, 768, 289, 768},
        {"without chart", zuv::photo::kLayoutWithoutChart, 580, 640, 377, 712},
    };
    EXPECT_EQ(report.image(5).geometry, QRect(56, 528, 681, 193));   // before any layout
    EXPECT_EQ(report.image(1).geometry, QRect(96, 768, 609, 289));
    for (const Case& c : cases) {
        report.applyLayout(c.layout);
        EXPECT_EQ(report.image(5).geometry, QRect(56, c.chartTop, 681, 193)) << c.what;
        EXPECT_EQ(report.image(1).geometry, QRect(96, c.singleTop, 609, c.singleHeight)) << c.what;
        EXPECT_EQ(report.image(2).geometry, QRect(72, c.threeTop, 201, 289)) << c.what;
        EXPECT_EQ(report.image(3).geometry, QRect(296, c.threeTop, 201, 289)) << c.what;
        EXPECT_EQ(report.image(4).geometry, QRect(520, c.threeTop, 201, 289)) << c.what;
    }
}

// --- print-time rules of the report window ---

class ReportWindow : public PhotoFixture {};

TEST_F(ReportWindow, TitleIsMonthBoxTextTwoBlanksAndYear)
{
    auto* month = child<QComboBox>("ComboBox1");
    month->setCurrentIndex(1);
    QString title;
    report->QRLabel1Print(title);
    EXPECT_EQ(title, QStringLiteral("Februar   2010"));   // "Februar " keeps its blank
    month->setCurrentIndex(9);
    report->QRLabel1Print(title);
    EXPECT_EQ(title, QStringLiteral("Oktober  2010"));
}

TEST_F(ReportWindow, SummaryIsHolidayLineAndTwoEmptyLines)
{
    QString summary = QStringLiteral("old");
    report->QRLabel10Print(summary);
    EXPECT_EQ(summary, QStringLiteral("\r\n\r\n"));
}

TEST_F(ReportWindow, DayCellsTakeTheirColoursAndLoseTheMark)
{
    struct Case { int weekday; const char* value; const char* printed; QColor colour; };
    const QColor red(0xFF, 0, 0), black(0, 0, 0), blue(0, 0, 0xFF), green(0, 0x80, 0);
    // Sunday keeps its own colour: set to green here to see that nothing changes it.
    report->QRBildkalender.dayCell(7).color = green;
    const Case cases[] = {
        {1, "25x", "25", red}, {1, "24", "24", black}, {5, "1x", "1", red},
        {6, "1x", "1", red},   {6, "2", "2", blue},    {6, "", "", blue},
        {7, "3x", "3", green}, {7, "10", "10", green}, {3, "", "", black},
    };
    for (const Case& c : cases) {
        QString value = QString::fromLatin1(c.value);
        switch (c.weekday) {
        case 1: report->QRDBText2Print(value); break;
        case 3: report->QRDBText4Print(value); break;
        case 5: report->QRDBText6Print(value); break;
        case 6: report->QRDBText7Print(value); break;
        case 7: report->QRDBText8Print(value); break;
        }
        EXPECT_EQ(value, QString::fromLatin1(c.printed)) << c.weekday << c.value;
        EXPECT_EQ(report->QRBildkalender.dayCell(c.weekday).color, c.colour) << c.weekday << c.value;
    }
}

TEST_F(ReportWindow, GeneratedPageKeepsTheStoredMarks)
{
    fillGrid(grid, 2010, 1, 4);   // Berlin: 1 January (Friday) marked
    const ReportPage first = report->generatePage();
    const ReportPage second = report->generatePage();
    ASSERT_NE(first.find(QStringLiteral("QRDBText6"), 0), nullptr);
    EXPECT_EQ(first.find(QStringLiteral("QRDBText6"), 0)->text, QStringLiteral("1"));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText6"), 0)->color, QColor(0xFF, 0, 0));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText6"), 1)->color, QColor(0, 0, 0));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText7"), 0)->color, QColor(0, 0, 0xFF));
    EXPECT_EQ(grid.cell(0, 5).toString(), QStringLiteral("1x"));
    EXPECT_EQ(second.find(QStringLiteral("QRDBText6"), 0)->text, QStringLiteral("1"));
    EXPECT_EQ(second.find(QStringLiteral("QRDBText6"), 0)->color, QColor(0xFF, 0, 0));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText1"), 0)->text, QStringLiteral("53"));
}

// --- drawing ---

QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A page of January 2010 with three coloured pictures and a green "chart" in slot 5.
ReportPage samplePage(CalendarReport& report)
{
    report.applyLayout(zuv::photo::kLayoutWithChart);
    report.image(2).picture = zuv::photo::ReportPicture::fromImage(solid({40, 60}, Qt::red));
    report.image(3).picture = zuv::photo::ReportPicture::fromImage(solid({40, 60}, Qt::blue));
    report.image(4).picture = zuv::photo::ReportPicture::fromImage(solid({40, 60}, Qt::yellow));
    QPicture chart;
    {
        QPainter p(&chart);
        p.fillRect(QRect(0, 0, 681, 193), QColor(0, 0xC0, 0));
    }
    report.image(5).picture = zuv::photo::ReportPicture::fromPicture(chart, QSizeF(681, 193));
    return report.generate();
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixel positions on a 96-dpi image of the sheet: slots from the "with chart" layout,
// the heading rule at y 245.
void checkSheet(const QImage& sheet, double scale)
{
    auto at = [&](double x, double y) { return QColor(sheet.pixel(int(x * scale), int(y * scale))); };
    EXPECT_TRUE(near(at(72 + 100, 768 + 140), Qt::red));
    EXPECT_TRUE(near(at(296 + 100, 768 + 140), Qt::blue));
    EXPECT_TRUE(near(at(520 + 100, 768 + 140), Qt::yellow));
    EXPECT_TRUE(near(at(56 + 340, 580 + 96), QColor(0, 0xC0, 0)));
    EXPECT_TRUE(near(at(20, 20), Qt::white));               // margin stays white
    EXPECT_TRUE(near(at(400, 1100), Qt::white));             // below the pictures
    EXPECT_TRUE(near(at(300, 245.5), Qt::black, 120));       // heading rule
    // Some red of the title inside the title band.
    int redPixels = 0;
    for (int y = int(150 * scale); y < int(190 * scale); ++y)
        for (int x = int(200 * scale); x < int(600 * scale); ++x)
            redPixels += near(QColor(sheet.pixel(x, y)), Qt::red, 60) ? 1 : 0;
    EXPECT_GT(redPixels, 20);
}

TEST(ReportPicture, VectorPictureFillsItsTargetAtAnyResolution)
{
    QPicture picture;
    {
        QPainter p(&picture);
        p.fillRect(QRect(0, 0, 100, 50), QColor(0, 0xC0, 0));
    }
    const auto vector = zuv::photo::ReportPicture::fromPicture(picture, QSizeF(100, 50));
    for (int dpi : {96, 300, 600}) {
        QImage device(400, 300, QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(dpi / 0.0254));
        device.setDotsPerMeterY(qRound(dpi / 0.0254));
        device.fill(Qt::white);
        QPainter painter(&device);
        vector.draw(painter, QRectF(10, 10, 200, 100));
        painter.end();
        EXPECT_EQ(QColor(device.pixel(12, 12)), QColor(0, 0xC0, 0)) << dpi;
        EXPECT_EQ(QColor(device.pixel(205, 105)), QColor(0, 0xC0, 0)) << dpi;
        EXPECT_EQ(QColor(device.pixel(215, 50)), QColor(Qt::white)) << dpi;
        EXPECT_EQ(QColor(device.pixel(100, 115)), QColor(Qt::white)) << dpi;
    }
}

TEST_F(ReportLayout, RendersOntoAnImage)
{
    fillGrid(table, 2010, 1, 4);
    report.onPrint = [](zuv::photo::ReportText& e, QString& v) {
        if (e.name == QLatin1String("QRLabel1"))
            v = QStringLiteral("Januar  2010");
    };
    const ReportPage page = samplePage(report);
    QImage sheet(794, 1123, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    zuv::photo::render(painter, QRectF(0, 0, 794, 1123), page);
    painter.end();
    checkSheet(sheet, 794 / PageGeometry::kWidth);
}

TEST_F(ReportLayout, RendersIntoAnA4Pdf)
{
    fillGrid(table, 2010, 1, 4);
    report.onPrint = [](zuv::photo::ReportText& e, QString& v) {
        if (e.name == QLatin1String("QRLabel1"))
            v = QStringLiteral("Januar  2010");
    };
    const ReportPage page = samplePage(report);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        QPainter painter(&pdf);
        zuv::photo::render(painter, QRectF(0, 0, pdf.width(), pdf.height()), page);
    }
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdfData = f.readAll();
    EXPECT_TRUE(pdfData.startsWith("%PDF"));
    EXPECT_EQ(pdfData.count("/Type /Page\n") + pdfData.count("/Type /Page\r"), 1);
    EXPECT_TRUE(pdfData.contains("/MediaBox [0 0 595")) << "A4 portrait";

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) not installed: PDF pixels not checked";
    QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), file, dir.filePath(QStringLiteral("page"))});
    const QImage sheet(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(sheet.isNull());
    checkSheet(sheet.convertToFormat(QImage::Format_RGB32), sheet.width() / PageGeometry::kWidth);
}

} // namespace
