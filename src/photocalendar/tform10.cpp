// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "tform10.h"

#include "biopage.h"
#include "chart.h"
#include "dialogs.h"
#include "pdfexport.h"
#include "pictureloader.h"
#include "table.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QToolBar>
#include <QPainter>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace zuv::photo {

namespace {

// Sizes the preview for its screen; a tool bar wider than the screen gets smaller icons.
void fitPreview(QPrintPreviewDialog& dialog)
{
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    auto* bar = dialog.findChild<QToolBar*>();
    // The dialog's frame and the tool bar's handle take a little beside the buttons.
    const auto barWidth = [bar] { return bar ? bar->sizeHint().width() + 24 : 0; };
    if (bar && barWidth() > area.width())
        bar->setIconSize(QSize(16, 16));
    dialog.resize(previewDialogSize(area, barWidth()));
}

template <typename Fn>
void swallow(Fn&& fn)
{
    try {
        fn();
    } catch (...) {
    }
}

} // namespace

QSize previewDialogSize(const QRect& area, int toolbarWidth)
{
    const int h = area.height() * 9 / 10;
    return {std::min(area.width(), std::max(h * 3 / 4 + 120, toolbarWidth)), h};
}

TForm10::TForm10(zuv::core::Table& CLDBildkalender, zuv::core::Table& CLDSBio,
                 zuv::bio::BioPage& bioPage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_grid(CLDBildkalender), m_bioTable(CLDSBio), m_bioPage(bioPage)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Bild - Kalender"));
    QRBildkalender.dataSet = &m_grid;
    QRBildkalender.onPrint = [this](ReportText& element, QString& value) {
        const QString& n = element.name;
        if (n == QLatin1String("QRLabel1"))
            QRLabel1Print(value);
        else if (n == QLatin1String("QRLabel10"))
            QRLabel10Print(value);
        else if (n.startsWith(QLatin1String("QRDBText")) && element.field >= 1)
            dayCellPrint(element.field, value);
    };
}

void TForm10::QRLabel1Print(QString& value)
{
    value = (m_source.monthText ? m_source.monthText() : QString()) + QStringLiteral("  ")
        + (m_source.yearText ? m_source.yearText() : QString());
}

void TForm10::dayCellPrint(int weekday, QString& value)
{
    applyDayCellRule(QRBildkalender.dayCell(weekday), weekday, value);
}

void TForm10::QRDBText2Print(QString& value) { dayCellPrint(1, value); }
void TForm10::QRDBText3Print(QString& value) { dayCellPrint(2, value); }
void TForm10::QRDBText4Print(QString& value) { dayCellPrint(3, value); }
void TForm10::QRDBText5Print(QString& value) { dayCellPrint(4, value); }
void TForm10::QRDBText6Print(QString& value) { dayCellPrint(5, value); }
void TForm10::QRDBText7Print(QString& value) { dayCellPrint(6, value); }
void TForm10::QRDBText8Print(QString& value) { dayCellPrint(7, value); }

void TForm10::QRLabel10Print(QString& value)
{
    auto text = [](const std::function<QString()>& fn) { return fn ? fn() : QString(); };
    value = text(m_source.holidayLine) + QStringLiteral("\r\n") + text(m_source.summaryLine2)
        + QStringLiteral("\r\n") + text(m_source.summaryLine3);
}

void TForm10::loadSlot(int slot, const QString& file)
{
    ImageSlot& target = QRBildkalender.image(slot);
    target.picture = {};
    if (file.isEmpty())
        return;   // a slot without a chosen picture stays empty
    target.picture = loadPicture(file, target.geometry.size());
}

void TForm10::QRBildkalenderBeforePrint()
{
    const std::array<QString, 3> files =
        m_source.pictureFiles ? m_source.pictureFiles() : std::array<QString, 3>{};
    if (!files[0].isEmpty() && files[1].isEmpty()) {
        loadSlot(1, files[0]);
    } else if (!files[0].isEmpty() && !files[1].isEmpty()) {
        loadSlot(2, files[0]);
        loadSlot(3, files[1]);
        loadSlot(4, files[2]);
    }
}

ReportPage TForm10::generatePage()
{
    QRBildkalenderBeforePrint();
    return QRBildkalender.generate();
}

void TForm10::printPage(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString device = printer.outputFormat() == QPrinter::PdfFormat
            ? printer.outputFileName()
            : printer.printerName();
        throw zuv::core::Error(QStringLiteral("Der Druckauftrag „%1“ konnte auf dem Drucker "
                                              "„%2“ nicht gestartet werden.")
                                   .arg(printer.docName(), device));
    }
    const QRectF sheet = printer.pageLayout().fullRectPixels(printer.resolution());
    zuv::photo::render(painter, QRectF(QPointF(0, 0), sheet.size()), m_page);
    if (!painter.end())
        throw zuv::core::Error(
            QStringLiteral("Der Druckauftrag „%1“ ist fehlgeschlagen.").arg(printer.docName()));
}

void TForm10::preview()
{
    try {
        m_page = generatePage();
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setFullPage(true);
        printer.setDocName(windowTitle());
        // The preview belongs to the main window: in front of it and centred on it.
        QPrintPreviewDialog dialog(&printer, parentWidget() ? parentWidget()->window() : this);
        dialog.setWindowTitle(windowTitle());
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [this, &dialog](QPrinter* p) {
                    // Called by the preview for its pages and for printing: a print that
                    // cannot start or fails is reported like the chart's.
                    zuv::core::guarded(&dialog, [this, p] { printPage(*p); });
                });
        // The month page saved as a PDF straight from its preview.
        if (auto* bar = dialog.findChild<QToolBar*>()) {
            QAction* save = bar->addAction(QStringLiteral("Als PDF speichern..."));
            save->setObjectName(QStringLiteral("AlsPdfSpeichern1"));
            connect(save, &QAction::triggered, this, [this, &dialog] { AlsPdfSpeichern1Click(&dialog); });
        }
        fitPreview(dialog);
        zuv::core::dialogs().exec(dialog);
    } catch (...) {
        QRBildkalenderAfterPreview();
        throw;
    }
    QRBildkalenderAfterPreview();
}

void TForm10::AlsPdfSpeichern1Click(QWidget* parent)
{
    zuv::core::guarded(parent, [this, parent] {
        QFileDialog dialog(parent, QStringLiteral("Als PDF speichern"));
        zuv::core::preparePdfSaveDialog(dialog, QStringLiteral("PdfSaveDialog1"));
        const QString title = m_source.monthText && m_source.yearText
            ? (m_source.monthText().trimmed() + QLatin1Char(' ') + m_source.yearText())
            : windowTitle();
        dialog.selectFile(QStringLiteral("Kalender %1.pdf").arg(title));
        if (zuv::core::dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        writePagePdf(dialog.selectedFiles().constFirst(), title, m_page);
    });
}

void TForm10::QRBildkalenderAfterPreview()
{
    // Each step runs even when an earlier one failed, so that the next build finds an empty
    // grid and empty slots.
    swallow([this] { m_grid.emptyTable(); });
    swallow([this] { m_bioTable.close(); });
    swallow([this] { QRBildkalender.clearPictures(); });
    swallow([this] { close(); });
}

void TForm10::FormClose()
{
    m_bioPage.setScreenColours();
    m_bioPage.Button4Click();
}

void TForm10::closeEvent(QCloseEvent* event)
{
    swallow([this] { FormClose(); });
    event->accept();
}

} // namespace zuv::photo
