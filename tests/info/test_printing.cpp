// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "infotestsupport.h"

#include <biopage.h>
#include <biomonthmodel.h>
#include <chart.h>
#include <chartrender.h>
#include <germandate.h>
#include <printing.h>
#include <settings.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QLineEdit>
#include <QProcess>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuv::info;
using namespace zuv::info::test;

namespace {

const QColor kBlue(0x00, 0x00, 0xFF);

void expectScreenColours(zuv::charts::Chart& chart)
{
    EXPECT_EQ(chart.model().bottom.labelColor, QColor(Qt::white));
    EXPECT_EQ(chart.model().gradientStart, kBlue);
    EXPECT_EQ(chart.model().gradientEnd, QColor(Qt::white));
}

void expectPrintColours(zuv::charts::Chart& chart)
{
    EXPECT_EQ(chart.model().bottom.labelColor, QColor(Qt::black));
    EXPECT_EQ(chart.model().gradientStart, QColor(Qt::white));
    EXPECT_EQ(chart.model().gradientEnd, QColor(Qt::white));
}

// A printer writing PDF to path, set to portrait so that printing has to turn it.
void toPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

} // namespace

TEST(Printing, ChartPrintRect)
{
    struct Case {
        QRect paper;
        QSize chart;
        QRect expected;
    };
    // Worked by hand: margins 5 % of width and height, then the largest rectangle with the
    // chart's aspect ratio, centred (integer division).
    const Case cases[] = {
        // area (50,25,900,450); 900*287 <= 450*793, so width 900, height 900*287/793 = 325,
        // top 25 + (450-325)/2 = 87
        {{0, 0, 1000, 500}, {793, 287}, {50, 87, 900, 325}},
        // area (50,50,900,900); tall chart: height 900, width 900*100/400 = 225,
        // left 50 + (900-225)/2 = 387
        {{0, 0, 1000, 1000}, {100, 400}, {387, 50, 225, 900}},
        // exact fit: area (20,25,180,90) has the chart's 2:1 ratio
        {{10, 20, 200, 100}, {2, 1}, {20, 25, 180, 90}},
        // A4 landscape at 1200 dpi inside Qt's default margins (13167 x 9248 pixels):
        // area (658,462,11851,8324); width-limited, height 11851*287/793 = 4289,
        // top 462 + (8324-4289)/2 = 2479
        {{0, 0, 13167, 9248}, {793, 287}, {658, 2479, 11851, 4289}},
        // no chart size: the whole area inside the margins
        {{0, 0, 1000, 500}, {}, {50, 25, 900, 450}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chartPrintRect(c.paper, c.chart), c.expected)
            << c.paper.width() << "x" << c.paper.height() << " chart " << c.chart.width();
}

TEST(Printing, HasPrinter)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/tmp/x.pdf"));
    EXPECT_TRUE(hasPrinter(printer));
    // What Qt gives when the system has no printer at all: PDF without a file name.
    printer.setOutputFileName({});
    printer.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_FALSE(hasPrinter(printer));
}

TEST(Printing, PrintsOneLandscapePageAndRestoresTheScreenColours)
{
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::bio::BioPage& page = fixture.page();
    zuv::charts::Chart& chart = *page.DBChart1();
    expectScreenColours(chart);
    const QStringList title = chart.model().title;

    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, out.filePath(QStringLiteral("first.pdf")));
    printMonthChart(page, printer);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(printer.docName(), QStringLiteral("DBChart1"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(chart.property(kPrintResolutionProperty).toInt(), 25);
    expectScreenColours(chart);
    EXPECT_EQ(chart.model().title, title);

    const QByteArray first = readFile(out.filePath(QStringLiteral("first.pdf")));
    if (!qEnvironmentVariableIsEmpty("ZUV_SHOT_DIR"))
        writeFile(qEnvironmentVariable("ZUV_SHOT_DIR") + QStringLiteral("/chart.pdf"), first);
    const PdfFacts facts = readPdfFacts(first);
    EXPECT_EQ(facts.pages, 1);
    EXPECT_TRUE(facts.landscape()) << facts.width << "x" << facts.height;
    EXPECT_NEAR(facts.width, 841.9, 1.0);    // A4 turned: 297 mm wide
    EXPECT_NEAR(facts.height, 595.3, 1.0);

    // Printing again, after portrait was chosen once more, gives the same page.
    toPdf(printer, out.filePath(QStringLiteral("second.pdf")));
    printMonthChart(page, printer);
    expectScreenColours(chart);
    const QByteArray second = readFile(out.filePath(QStringLiteral("second.pdf")));
    EXPECT_EQ(readPdfFacts(second).pages, 1);
    EXPECT_TRUE(readPdfFacts(second).landscape());
    const QList<QByteArray> a = inflatedStreams(first);
    const QList<QByteArray> b = inflatedStreams(second);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, b);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// What goes onto the paper: the shown month in print colours, laid out at the chart's screen
// size enlarged by the print resolution (793 x 287 + 25 %), with the marker drawn plainly
// because a printer cannot invert the page.
TEST(Printing, ChartIsDrawnInPrintColoursWithAPlainMarker)
{
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::bio::BioMonthModel& month = fixture.page().monthModel();
    const QSize logical(991, 358);
    const auto drawn = [&] {
        QImage image(logical, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderChartPage(painter, image.rect(), month, kPrintResolution);
        return image;
    };
    const QImage screen = drawn();
    month.setColours(zuv::bio::ChartColours::Print);
    const QImage print = drawn();

    const zuv::charts::ChartModel chart =
        zuv::bio::monthChartModel(month.month(), zuv::bio::ChartColours::Print);
    const QRect plot = zuv::charts::layoutChart(QRect(QPoint(0, 0), logical), chart).plot;
    const int markerX = qRound(zuv::charts::xToPixel(plot, chart, zuv::core::toDateValue(
                                                                      month.month().chosen)))
        - zuv::bio::kMarkerShift;
    // Gradient start at the bottom: blue on screen, white on paper.
    const QPoint corner(3, logical.height() - 3);
    EXPECT_LT(qRed(screen.pixel(corner)), 0x10);
    EXPECT_EQ(qBlue(screen.pixel(corner)), 0xFF);
    EXPECT_EQ(print.pixel(corner) & 0xFFFFFF, 0xFFFFFFu);
    // The marker is yellow itself; exclusive-or on the white wall would give blue. At 50 %
    // no cycle of 20.6.1990 (ages 5 and 6 days) passes.
    const int y = plot.top() + plot.height() / 4;
    EXPECT_EQ(print.pixel(markerX, y) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(print.pixel(markerX + 6, y) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

namespace {

// Extent in points along the line of every word pdftotext finds on the first page.
QMap<QString, double> wordLengths(const QString& pdf)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
             QStringLiteral("1"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    QMap<QString, double> lengths;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const double w = m.captured(3).toDouble() - m.captured(1).toDouble();
        const double h = m.captured(4).toDouble() - m.captured(2).toDouble();
        lengths.insert(m.captured(5), std::max(w, h));   // turned words run down the page
    }
    return lengths;
}

} // namespace

// The printed chart is the screen chart enlarged onto the page: its legend texts (8 pt on
// screen) and its axis texts keep their size relative to the chart. Before, the legend was
// set at the printer's 1200 dpi and printed as oversized, clipped blobs.
TEST(Printing, ChartTextsKeepTheirScreenSizeOnThePage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) not installed: glyph boxes not checked";
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::charts::Chart& chart = *fixture.page().DBChart1();
    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, out.filePath(QStringLiteral("chart.pdf")));
    printMonthChart(fixture.page(), printer);
    ASSERT_TRUE(dialogs.errors.isEmpty());

    // Expected: the text's advance at screen resolution, times the print's scale from the
    // chart's print layout (screen size +25 %) to its rectangle on the paper, in points.
    const QSize screen = chart.size().isEmpty() ? kDesignChartSize : chart.size();
    const QRect paper(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const QRect target = chartPrintRect(paper, screen);
    const double logicalWidth = (QSizeF(screen) * 1.25).toSize().width();
    const double pointsPerLogical = target.width() / logicalWidth * 72.0 / printer.resolution();
    const zuv::charts::ChartModel& m = chart.model();
    const QMap<QString, double> words = wordLengths(out.filePath(QStringLiteral("chart.pdf")));
    struct Case { QString word; QFont font; };
    const Case cases[] = {
        {m.series.at(0).title, m.legend.font},                 // legend, point size
        {m.series.at(3).title, m.legend.font},
        {QStringLiteral("Leistungsfähigkeit"), m.left.titleFont},   // pixel size
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(words.contains(c.word)) << c.word.toStdString() << " not in the PDF";
        const double expected = QFontMetricsF(c.font).horizontalAdvance(c.word) * pointsPerLogical;
        EXPECT_NEAR(words.value(c.word), expected, expected * 0.08) << c.word.toStdString();
    }
}

TEST(Printing, NoPrinterIsReportedAndThePrintColoursStay)
{
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::bio::BioPage& page = fixture.page();
    QPrinter& printer = currentPrinter();
    // What Qt gives when the system has no printer at all: PDF without a file name.
    printer.setOutputFileName({});
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Portrait);

    EXPECT_FALSE(Drucken3Click(page));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().startsWith(QStringLiteral("Es ist kein Drucker verfügbar.")))
        << dialogs.errors.front().toStdString();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    expectPrintColours(*page.DBChart1());

    // The next refresh brings the screen colours back.
    page.Button4Click();
    expectScreenColours(*page.DBChart1());
}

TEST(Printing, FailingJobIsReportedAndThePrintColoursStay)
{
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::bio::BioPage& page = fixture.page();
    QTemporaryDir out;
    QPrinter& printer = currentPrinter();
    toPdf(printer, out.filePath(QStringLiteral("no/such/folder/chart.pdf")));

    EXPECT_FALSE(Drucken3Click(page));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors.front(),
              QStringLiteral("Der Druckauftrag „DBChart1“ konnte auf dem Drucker „%1“ nicht "
                             "gestartet werden.\nDer Ordner „%2“ existiert nicht.")
                  .arg(out.filePath(QStringLiteral("no/such/folder/chart.pdf")),
                       out.filePath(QStringLiteral("no/such/folder"))));
    expectPrintColours(*page.DBChart1());
}

TEST(Printing, RefusedRefreshAfterPrintingKeepsThePrintColours)
{
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::bio::BioPage& page = fixture.page();
    QTemporaryDir out;
    QPrinter& printer = currentPrinter();
    toPdf(printer, out.filePath(QStringLiteral("chart.pdf")));
    page.MaskEdit1()->setText(QStringLiteral("31.02.2000"));

    EXPECT_TRUE(Drucken3Click(page));
    EXPECT_EQ(readPdfFacts(readFile(out.filePath(QStringLiteral("chart.pdf")))).pages, 1);
    EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Geben Sie ein Geburtsdatum ein.")});
    expectPrintColours(*page.DBChart1());
}

TEST(Printing, PrinterDialogWorksOnTheCurrentPrinter)
{
    RecordingDialogs dialogs;
    QPrinter& printer = currentPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/tmp/vorher.pdf"));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrinter* seen = nullptr;
    dialogs.answer = [&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        EXPECT_NE(print, nullptr);
        if (print)
            seen = print->printer();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Drucker auswählen"));
        return int(QDialog::Rejected);
    };

    EXPECT_EQ(Druckerauswhlen1Click(nullptr), int(QDialog::Rejected));
    EXPECT_EQ(seen, &printer);
    // Cancelled: the printer is as it was.
    EXPECT_EQ(&currentPrinter(), &printer);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/vorher.pdf"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

namespace {

// The printer dialog applies a choice: its button reads "Übernehmen" when it is on screen.
TEST(Printing, PrinterDialogButtonSaysWhatItDoes)
{
    RecordingDialogs dialogs;
    QString shownText;
    dialogs.answer = [&](QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
                shownText = ok->text();
        }
        dialog.hide();
        return int(QDialog::Rejected);
    };
    Druckerauswhlen1Click(nullptr);
    EXPECT_EQ(shownText.toStdString(), "&Übernehmen");
}

// Choosing a PDF file as printer asks for the file in a save dialog; cancelling it leaves
// the printer as it was before the printer dialog.
// Choosing the PDF printer asks nothing more; the file is asked for at the print, a
// cancelled save dialog prints nothing, and the status text says where the page went.
TEST(Printing, PdfPrinterAsksForItsFileWhenPrinting)
{
    QTemporaryDir out;
    const QString chosen = out.filePath(QStringLiteral("gewählt.pdf"));
    RecordingDialogs dialogs;
    PageFixture fixture;
    QPrinter& printer = currentPrinter();
    dialogs.answer = [&](QDialog& dialog) {
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };
    EXPECT_EQ(Druckerauswhlen1Click(nullptr), int(QDialog::Accepted));
    EXPECT_EQ(dialogs.execs, QStringList{QStringLiteral("QPrintDialog")});

    for (const bool saved : {false, true}) {
        dialogs.execs.clear();
        dialogs.answer = [&](QDialog& dialog) {
            auto* save = qobject_cast<QFileDialog*>(&dialog);
            EXPECT_NE(save, nullptr);
            if (!save || !saved)
                return int(QDialog::Rejected);
            save->selectFile(chosen);
            return int(QDialog::Accepted);
        };
        EXPECT_EQ(Drucken3Click(fixture.page()), saved);
        EXPECT_EQ(dialogs.execs, QStringList{QStringLiteral("QFileDialog")});
        EXPECT_EQ(QFileInfo::exists(chosen), saved);
        EXPECT_TRUE(dialogs.errors.isEmpty());
    }
    EXPECT_EQ(printedToText(printer), QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(chosen));
}

// A print job that cannot start names its cause.
TEST(Printing, StartFailuresNameTheirCause)
{
    QTemporaryDir out;
    QDir(out.path()).mkdir(QStringLiteral("ordner.pdf"));
    const struct {
        const char* target;   // below the temporary folder
        const char* cause;    // %1: the path shown
        const char* shown;
    } cases[] = {
        {"fehlt/chart.pdf", "Der Ordner „%1“ existiert nicht.", "fehlt"},
        {"ordner.pdf", "„%1“ ist ein Ordner, keine Datei.", "ordner.pdf"},
    };
    QPrinter printer;
    for (const auto& c : cases) {
        printer.setOutputFileName(out.filePath(QString::fromUtf8(c.target)));
        EXPECT_EQ(printStartFailureCause(printer),
                  QString::fromUtf8(c.cause).arg(out.filePath(QString::fromUtf8(c.shown))))
            << c.target;
    }
}

} // namespace

// The printer choice comes back in the next run; a printer removed since is not forced on it.
TEST(Printing, PrinterChoiceIsKeptForTheNextRun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.conf"));
    {
        zuv::core::Settings kept(path);
        QPrinter chosen(QPrinter::HighResolution);
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(dir.filePath(QStringLiteral("monat.pdf")));
        chosen.setPageSize(QPageSize(QPageSize::A5));
        savePrinterChoice(chosen, kept);
    }
    zuv::core::Settings kept(path);
    QPrinter next(QPrinter::HighResolution);
    restorePrinterChoice(next, kept);
    EXPECT_EQ(next.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(next.outputFileName(), dir.filePath(QStringLiteral("monat.pdf")));
    EXPECT_EQ(next.pageLayout().pageSize().id(), QPageSize::A5);

    kept.set(QStringLiteral("Drucker/PDF"), false);
    kept.set(QStringLiteral("Drucker/Name"), QStringLiteral("Abgebauter Drucker"));
    QPrinter fresh(QPrinter::HighResolution);
    const QString systemDefault = fresh.printerName();
    restorePrinterChoice(fresh, kept);
    EXPECT_EQ(fresh.printerName(), systemDefault);
}
