// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar page report: band stacking, element positions, the print-time rules, the
// picture slots, and the month page drawn onto an image and into a PDF.

#include "calendarreport.h"
#include "germandate.h"
#include "monthpage.h"
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

zuv::photo::MonthPageInput monthInput(int year, int month, int state)
{
    zuv::photo::MonthPageInput input;
    input.year = year;
    input.month = month;
    input.regionCode = zuv::core::federalStates()[static_cast<std::size_t>(state)].code;
    input.regionName = QStringLiteral("X");
    return input;
}

class ReportLayout : public ::testing::Test {
protected:
    ReportPage layout(int year, int month, int state) const
    {
        return zuv::photo::layoutMonthPage(zuv::photo::buildMonthPage(monthInput(year, month, state)), report);
    }
    CalendarReport report;
};

TEST_F(ReportLayout, EmptyGridPrintsNothing)
{
    const ReportPage page = zuv::photo::layoutMonthPage(zuv::photo::MonthPage(), report);
    EXPECT_TRUE(page.bands.empty());
    EXPECT_TRUE(page.texts.empty());
    EXPECT_TRUE(page.lines.empty());
}

// Band tops: margin 38, title 155, headings 56, rows 48 each (report pixels at 96 dpi).
TEST_F(ReportLayout, BandsStackFromTheTopMargin)
{
    const ReportPage page = layout(2010, 5, 4);   // six rows
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
    const ReportPage page = layout(2010, 2, 4);
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
    const ReportPage page = layout(2010, 2, 4);
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
    const ReportPage page = layout(2010, 2, 4);
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

// The slot rule and the slot rectangles of the page design (left, top, width, height in
// report pixels on the sheet, from the design's picture table and its two layouts).
TEST(PictureSlots, PicturesGoWhereTheChoiceAndTheChartSay)
{
    using zuv::photo::SlotPlan;
    struct Case { const char* what; QStringList files; bool chart; std::vector<SlotPlan> expected; };
    const QString a = QStringLiteral("a.jpg"), b = QStringLiteral("b.jpg"), c = QStringLiteral("c.jpg");
    const Case cases[] = {
        {"picture 1 alone", {a, {}, c}, false, {{0, 1, QRectF(96, 640, 609, 377)}}},
        {"picture 1 alone, chart", {a}, true, {{0, 1, QRectF(96, 768, 609, 289)}}},
        {"pictures 1 and 2", {a, b}, false,
         {{0, 2, QRectF(72, 712, 201, 289)}, {1, 3, QRectF(296, 712, 201, 289)}, {2, 4, QRectF(520, 712, 201, 289)}}},
        {"three, chart", {a, b, c}, true,
         {{0, 2, QRectF(72, 768, 201, 289)}, {1, 3, QRectF(296, 768, 201, 289)}, {2, 4, QRectF(520, 768, 201, 289)}}},
        {"no picture 1", {{}, b, c}, true, {}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(zuv::photo::pictureSlots(k.files, k.chart), k.expected) << k.what;
    EXPECT_EQ(zuv::photo::chartSlot(true), QRectF(56, 580, 681, 193));
    EXPECT_TRUE(zuv::photo::chartSlot(false).isEmpty());
}

// --- the month page's texts ---

TEST(MonthPageText, TitleIsMonthTextTwoBlanksAndYear)
{
    zuv::photo::MonthPageInput input = monthInput(2010, 2, 0);
    EXPECT_EQ(zuv::photo::buildMonthPage(input).title, QStringLiteral("Februar   2010"));   // "Februar " keeps its blank
    input.monthText = QStringLiteral("februar");   // as typed into the month box
    EXPECT_EQ(zuv::photo::buildMonthPage(input).title, QStringLiteral("februar  2010"));
}

TEST(MonthPageText, SummaryIsHolidayLineFurtherLinesBirthdaysAndLegend)
{
    zuv::photo::MonthPage page;
    EXPECT_EQ(page.summaryText(), QStringLiteral("\r\n\r\n"));
    page.holidayLine = QStringLiteral("H");
    page.moreLines = QStringList{QStringLiteral("M")};
    page.legendLine = QStringLiteral("L");
    EXPECT_EQ(page.summaryText(), QStringLiteral("H\r\nM\r\n\r\nL"));
}

class ReportWindow : public PhotoFixture {};

// The print colours of day cells (red holiday, blue Saturday, Sunday in its font's colour,
// black otherwise), read through the report window's cell callbacks.
TEST_F(ReportWindow, DayCellsTakeTheirColours)
{
    using zuv::photo::DayCell;
    using zuv::photo::DayMarkKind;
    using zuv::photo::PrintedCell;
    const QColor red(0xFF, 0, 0), black(0, 0, 0), blue(0, 0, 0xFF), green(0, 0x80, 0);
    // Sunday keeps its own colour: set to green here to see that nothing changes it.
    report->QRBildkalender.dayCell(7).color = green;
    const DayMarkKind H = DayMarkKind::Holiday, Sa = DayMarkKind::Saturday, Su = DayMarkKind::Sunday;
    struct Case { int weekday; int day; std::vector<DayMarkKind> marks; const char* printed; QColor colour; };
    const Case cases[] = {
        {1, 25, {H}, "25", red},     {1, 24, {}, "24", black},    {5, 1, {H}, "1", red},
        {6, 1, {Sa, H}, "1", red},   {6, 2, {Sa}, "2", blue},     {6, 0, {Sa}, "", blue},
        {7, 3, {Su, H}, "3", green}, {7, 10, {Su}, "10", green},  {3, 0, {}, "", black},
    };
    for (const Case& c : cases) {
        DayCell cell;
        cell.day = c.day;
        for (DayMarkKind k : c.marks)
            cell.marks.push_back({k, {}});
        PrintedCell printed;
        switch (c.weekday) {
        case 1: printed = report->QRDBText2Print(cell); break;
        case 3: printed = report->QRDBText4Print(cell); break;
        case 5: printed = report->QRDBText6Print(cell); break;
        case 6: printed = report->QRDBText7Print(cell); break;
        case 7: printed = report->QRDBText8Print(cell); break;
        }
        EXPECT_EQ(printed.text, QString::fromLatin1(c.printed)) << c.weekday << " " << c.day;
        EXPECT_EQ(printed.colour, c.colour) << c.weekday << " " << c.day;
    }
}

TEST(MonthPageCells, HolidayMarkColoursTheCellAndStaysInTheGrid)
{
    // Berlin: 1 January 2010 (a Friday) is a holiday; 2 January an ordinary Saturday.
    const zuv::photo::MonthPage page = zuv::photo::buildMonthPage(monthInput(2010, 1, 4));
    const CalendarReport report;
    const ReportPage first = zuv::photo::layoutMonthPage(page, report);
    const ReportPage second = zuv::photo::layoutMonthPage(page, report);
    ASSERT_NE(first.find(QStringLiteral("QRDBText6"), 0), nullptr);
    EXPECT_EQ(first.find(QStringLiteral("QRDBText6"), 0)->text, QStringLiteral("1"));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText6"), 0)->color, QColor(0xFF, 0, 0));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText6"), 1)->color, QColor(0, 0, 0));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText7"), 0)->color, QColor(0, 0, 0xFF));
    EXPECT_EQ(first.find(QStringLiteral("QRDBText1"), 0)->text, QStringLiteral("53"));
    EXPECT_EQ(second.find(QStringLiteral("QRDBText6"), 0)->color, QColor(0xFF, 0, 0));
    EXPECT_EQ(zuv::photo::gridOf(page).rows[0].cells[5], QStringLiteral("1x"));
}

// --- drawing ---

QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A page of January 2010 with three coloured pictures and a green "chart" in slot 5.
zuv::photo::MonthPage samplePage()
{
    zuv::photo::MonthPageInput input = monthInput(2010, 1, 4);
    input.pictureFiles = {QStringLiteral("rot"), QStringLiteral("blau"), QStringLiteral("gelb")};
    input.loaded = {zuv::pictures::ReportPicture::fromImage(solid({40, 60}, Qt::red)),
                    zuv::pictures::ReportPicture::fromImage(solid({40, 60}, Qt::blue)),
                    zuv::pictures::ReportPicture::fromImage(solid({40, 60}, Qt::yellow))};
    QPicture chart;
    {
        QPainter p(&chart);
        p.fillRect(QRect(0, 0, 681, 193), QColor(0, 0xC0, 0));
    }
    input.chart = zuv::pictures::ReportPicture::fromPicture(chart, QSizeF(681, 193));
    return zuv::photo::buildMonthPage(input);
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
    const auto vector = zuv::pictures::ReportPicture::fromPicture(picture, QSizeF(100, 50));
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
    QImage sheet(794, 1123, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    zuv::photo::renderMonthPage(painter, QRectF(0, 0, 794, 1123), samplePage(), report);
    painter.end();
    checkSheet(sheet, 794 / PageGeometry::kWidth);
}

TEST_F(ReportLayout, RendersIntoAnA4Pdf)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        QPainter painter(&pdf);
        zuv::photo::renderMonthPage(painter, QRectF(0, 0, pdf.width(), pdf.height()), samplePage(), report);
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
