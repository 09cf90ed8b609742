// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Prints the month chart through a real print server: the private CUPS server of
// tests/info/cups_sandbox.sh with its cups-pdf queue. Skipped, with the reason, when that
// server is not running.
#include "infotestsupport.h"

#include <biopage.h>
#include <printing.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QPrinter>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace zuv::info;
using namespace zuv::info::test;

namespace {

// The first page of a PDF as an image, by Ghostscript (which cups-pdf itself uses).
QImage rasterizePdf(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page.png"));
    QProcess gs;
    gs.start(QStringLiteral("gs"),
             {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
              QStringLiteral("-dSAFER"), QStringLiteral("-dFirstPage=1"),
              QStringLiteral("-dLastPage=1"), QStringLiteral("-sDEVICE=pnggray"),
              QStringLiteral("-r%1").arg(dpi), QStringLiteral("-sOutputFile=") + png, pdf});
    if (!gs.waitForFinished(60 * 1000) || gs.exitCode() != 0)
        return {};
    return QImage(png);
}

// The rectangle of everything that is not white.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 200)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

TEST(CupsRoundTrip, MonthChartComesOutAsOneLandscapePage)
{
    const QString server = qEnvironmentVariable("ZUV_CUPS_SERVER");
    if (server.isEmpty()) {
        const QString reason = qEnvironmentVariable("ZUV_CUPS_SKIP_REASON");
        GTEST_SKIP() << "no private CUPS server: "
                     << (reason.isEmpty()
                             ? std::string("ZUV_CUPS_SERVER is not set (start it with "
                                           "tests/info/cups_sandbox.sh start)")
                             : reason.toStdString());
    }
    const QString queue = qEnvironmentVariable("ZUV_CUPS_QUEUE");
    const QDir outDir(qEnvironmentVariable("ZUV_CUPS_OUTDIR"));
    ASSERT_FALSE(queue.isEmpty());
    ASSERT_TRUE(outDir.exists()) << outDir.path().toStdString();
    ASSERT_EQ(qEnvironmentVariable("CUPS_SERVER"), server);
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(queue))
        << QPrinterInfo::availablePrinterNames().join(QLatin1Char(' ')).toStdString();
    const QStringList before = outDir.entryList({QStringLiteral("*.pdf")}, QDir::Files);

    RecordingDialogs dialogs;
    PageFixture fixture;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setPageOrientation(QPageLayout::Portrait);
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    ASSERT_TRUE(hasPrinter(printer));
    printMonthChart(fixture.page(), printer);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();

    // The server converts the job in the background; wait for its PDF to be complete.
    QString produced;
    QByteArray pdf;
    const QDeadlineTimer deadline(120 * 1000);
    while (!deadline.hasExpired()) {
        for (const QString& name : outDir.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (!before.contains(name))
                produced = outDir.filePath(name);
        }
        if (!produced.isEmpty()) {
            pdf = readFile(produced);
            if (pdf.trimmed().endsWith("%%EOF"))
                break;
        }
        QThread::msleep(200);
    }
    ASSERT_FALSE(produced.isEmpty()) << "no PDF from the queue " << queue.toStdString();
    EXPECT_TRUE(produced.contains(QStringLiteral("DBChart1"))) << produced.toStdString();
    const PdfFacts facts = readPdfFacts(pdf);
    EXPECT_EQ(facts.pages, 1);
    // The server puts a landscape job on the queue's paper as it comes out of a printer:
    // either a landscape page, or a portrait sheet with the drawing turned. Either way the
    // chart's long side runs along the sheet's long side.
    const QImage sheet = rasterizePdf(produced, 30);
    ASSERT_FALSE(sheet.isNull()) << "Ghostscript could not render " << produced.toStdString();
    const QRect drawn = inkBounds(sheet);
    ASSERT_FALSE(drawn.isEmpty());
    const bool sheetLong = sheet.height() > sheet.width();
    const bool chartLong = drawn.height() > drawn.width();
    EXPECT_EQ(sheetLong, chartLong) << "sheet " << sheet.width() << "x" << sheet.height()
                                    << ", chart " << drawn.width() << "x" << drawn.height();
    // The whole chart on the one page: 793 x 287 on screen, about 2.8 : 1.
    const double ratio = double(qMax(drawn.width(), drawn.height()))
                         / qMin(drawn.width(), drawn.height());
    EXPECT_GT(ratio, 2.3);
    EXPECT_LT(ratio, 3.3);
}
