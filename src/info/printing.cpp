// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "printing.h"

#include <biomonthmodel.h>
#include <biopage.h>
#include <chart.h>
#include <dialogs.h>
#include <monthchart.h>
#include <settings.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zuv::info {

namespace {

QPrinter* g_printer = nullptr;

void deletePrinter()
{
    delete g_printer;
    g_printer = nullptr;
}

const QString kPrinterKey = QStringLiteral("Drucker/Name");
const QString kPdfKey = QStringLiteral("Drucker/PDF");
const QString kPdfFileKey = QStringLiteral("Drucker/PDF-Datei");
const QString kPaperKey = QStringLiteral("Drucker/Papier");

QString jobTitle(const charts::Chart& chart)
{
    return chart.objectName().isEmpty() ? QStringLiteral("DBChart1") : chart.objectName();
}

} // namespace

// Set when the user chose a PDF file as printer: its name is asked for at each print.
bool g_pdfFileAskedAtPrint = false;

QPrinter& currentPrinter()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        // Gone with the application, while the print system is still there.
        qAddPostRoutine(deletePrinter);
        restorePrinterChoice(*g_printer, core::settings());
    }
    return *g_printer;
}

void restorePrinterChoice(QPrinter& printer, const core::Settings& kept)
{
    if (kept.boolean(kPdfKey, false)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(kept.string(kPdfFileKey));
        g_pdfFileAskedAtPrint = true;
    } else {
        // A printer removed since is not asked for: the system's default stays.
        const QString name = kept.string(kPrinterKey);
        if (!name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull())
            printer.setPrinterName(name);
    }
    const int paper = kept.integer(kPaperKey, -1, 0, QPageSize::LastPageSize);
    if (paper >= 0 && paper != QPageSize::Custom)
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
}

void savePrinterChoice(const QPrinter& printer, core::Settings& kept)
{
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    kept.set(kPdfKey, pdf);
    kept.set(kPrinterKey, pdf ? QString() : printer.printerName());
    kept.set(kPdfFileKey, pdf ? printer.outputFileName() : QString());
    kept.set(kPaperKey, int(printer.pageLayout().pageSize().id()));
    kept.sync();
}

bool hasPrinter(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && printer.isValid();
}

int Druckerauswhlen1Click(QWidget* parent)
{
    QPrinter& printer = currentPrinter();
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.setWindowTitle(QCoreApplication::translate("Printing", "Drucker auswählen"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile
                      | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only chooses and sets up the printer: its button says so, not "Drucken".
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(kApplyPrinterText);
    }
    const int result = core::dialogs().exec(dialog);
    // A PDF "printer" asks for its file when something is printed, not now.
    if (result == QDialog::Accepted) {
        g_pdfFileAskedAtPrint = printer.outputFormat() == QPrinter::PdfFormat;
        savePrinterChoice(printer, core::settings());
    }
    return result;
}

bool choosePdfTarget(QWidget* parent, QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || !g_pdfFileAskedAtPrint)
        return true;
    QFileDialog save(parent, QCoreApplication::translate("Printing", "Druck in PDF-Datei speichern"));
    zuv::core::preparePdfSaveDialog(save, QStringLiteral("PdfFileDialog1"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    save.selectFile(printer.outputFileName().isEmpty()
                        ? QDir(documents).filePath(QStringLiteral("Zuvododerod.pdf"))
                        : printer.outputFileName());
    if (core::dialogs().exec(save) != QDialog::Accepted || save.selectedFiles().isEmpty())
        return false;
    printer.setOutputFileName(save.selectedFiles().constFirst());
    savePrinterChoice(printer, core::settings());
    return true;
}

QString printedToText(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("Printing", "Gespeichert: %1")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    return QCoreApplication::translate("Printing", "Gedruckt auf „%1“").arg(printer.printerName());
}

QString printStartFailureCause(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return QCoreApplication::translate("Printing",
                                           "Der Drucker nimmt keine Aufträge an: Er ist ausgeschaltet, "
                                           "angehalten oder nicht erreichbar.");
    const QFileInfo target(printer.outputFileName());
    const QFileInfo folder(target.absolutePath());
    const auto shown = [](const QFileInfo& f) {
        return QDir::toNativeSeparators(f.absoluteFilePath());
    };
    if (!folder.isDir())
        return QCoreApplication::translate("Printing", "Der Ordner „%1“ existiert nicht.").arg(shown(folder));
    if (target.isDir())
        return QCoreApplication::translate("Printing", "„%1“ ist ein Ordner, keine Datei.")
            .arg(shown(target));
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return QCoreApplication::translate("Printing", "Für „%1“ fehlt die Schreibberechtigung.")
            .arg(shown(target));
    return QCoreApplication::translate("Printing", "Die Datei „%1“ kann nicht angelegt werden.")
        .arg(shown(target));
}

QRect chartPrintRect(const QRect& paper, const QSize& chartSize)
{
    const int mx = paper.width() * kPrintMarginPercent / 100;
    const int my = paper.height() * kPrintMarginPercent / 100;
    const QRect area = paper.adjusted(mx, my, -mx, -my);
    if (chartSize.isEmpty() || area.isEmpty())
        return area;
    const qint64 cw = chartSize.width();
    const qint64 ch = chartSize.height();
    int w = area.width();
    int h = area.height();
    if (qint64(area.width()) * ch <= qint64(area.height()) * cw)
        h = int(qint64(area.width()) * ch / cw);
    else
        w = int(qint64(area.height()) * cw / ch);
    return {area.x() + (area.width() - w) / 2, area.y() + (area.height() - h) / 2, w, h};
}

QSize chartScreenSize(const bio::BioMonthModel& month)
{
    const QSize shown = month.chartSize();
    if (shown.isEmpty())
        return kDesignChartSize;
    return (QSizeF(shown) / month.chartContentScale()).toSize();
}

void renderChartPage(QPainter& painter, const QRect& target, const bio::BioMonthModel& month,
                     int resolution)
{
    const QSize logical = chartScreenSize(month) * (100.0 + resolution) / 100.0;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / logical.width(),
                  double(target.height()) / logical.height());
    bio::MonthChartOptions options = month.options();
    // Printers and PDF cannot invert what is already on the page.
    options.xorMarker = false;
    bio::renderMonthChart(painter, QRect(QPoint(0, 0), logical), month.month(), options);
    painter.restore();
}

void printChart(const bio::BioMonthModel& month, int resolution, const QString& title,
                QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!hasPrinter(printer)) {
        throw core::Error(QCoreApplication::translate(
            "Printing",
            "Es ist kein Drucker verfügbar. Bitte richten Sie einen Drucker ein und wählen "
            "Sie ihn unter „Datei“ > „Drucker auswählen“ aus."));
    }
    printer.setDocName(title);
    printer.setFullPage(false);

    QPainter painter;
    if (!painter.begin(&printer)) {
        throw core::Error(QCoreApplication::translate("Printing",
                                                      "Der Druckauftrag „%1“ konnte auf dem Drucker „%2“ "
                                                      "nicht gestartet werden.\n%3")
                              .arg(title,
                                   printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                                 : printer.printerName(),
                                   printStartFailureCause(printer)));
    }
    const QRect paper(QPoint(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    try {
        renderChartPage(painter, chartPrintRect(paper, chartScreenSize(month)), month, resolution);
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    if (!painter.end())
        throw core::Error(
            QCoreApplication::translate("Printing", "Der Druckauftrag „%1“ ist fehlgeschlagen.").arg(title));
}

void printMonthChart(bio::BioPage& page, QPrinter& printer)
{
    page.setPrintColours();
    charts::Chart& chart = *page.DBChart1();
    chart.setProperty(kPrintResolutionProperty, kPrintResolution);
    printChart(page.monthModel(), kPrintResolution, jobTitle(chart), printer);
    page.Button4Click();
}

bool Drucken3Click(bio::BioPage& page)
{
    QPrinter& printer = currentPrinter();
    if (!choosePdfTarget(&page, printer))
        return false;
    return core::guarded(&page, [&page, &printer] { printMonthChart(page, printer); });
}

} // namespace zuv::info
