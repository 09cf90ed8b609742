// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "tform10.h"

#include "biopage.h"
#include "chart.h"
#include "dialogs.h"
#include "pdfexport.h"
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

TForm10::TForm10(zuv::store::Table& CLDBildkalender, zuv::store::Table& CLDSBio,
                 zuv::bio::BioPage& bioPage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_grid(CLDBildkalender), m_bioTable(CLDSBio), m_bioPage(bioPage)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Bild - Kalender"));
}

PrintedCell TForm10::dayCellPrint(int weekday, const DayCell& cell) const
{
    return printedDayCell(cell, QRBildkalender.dayCell(weekday));
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
    zuv::photo::render(painter, QRectF(QPointF(0, 0), sheet.size()), m_laid);
    if (!painter.end())
        throw zuv::core::Error(
            QStringLiteral("Der Druckauftrag „%1“ ist fehlgeschlagen.").arg(printer.docName()));
}

void TForm10::preview(const MonthPage& page)
{
    try {
        m_page = page;
        m_laid = layoutMonthPage(m_page, QRBildkalender);
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
        const QString title = m_page.title.isEmpty() ? windowTitle()
                                                     : m_page.title.simplified();
        dialog.selectFile(QStringLiteral("Kalender %1.pdf").arg(title));
        if (zuv::core::dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        writePagePdf(dialog.selectedFiles().constFirst(), title, m_laid);
    });
}

void TForm10::QRBildkalenderAfterPreview()
{
    // Each step runs even when an earlier one failed, so that the next build finds an empty
    // grid and empty slots.
    swallow([this] { m_grid.emptyTable(); });
    swallow([this] { m_bioTable.close(); });
    swallow([this] { m_page = MonthPage(); });
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
