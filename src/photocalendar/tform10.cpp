// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "tform10.h"

#include "biopage.h"
#include "chart.h"
#include "dialogs.h"
#include "pdfexport.h"
#include "table.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QPainter>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
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
    setWindowTitle(tr("Bild - Kalender"));
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
        throw zuv::core::Error(tr("Der Druckauftrag „%1“ konnte auf dem Drucker "
                                  "„%2“ nicht gestartet werden.")
                                   .arg(printer.docName(), device));
    }
    const QRectF sheet = printer.pageLayout().fullRectPixels(printer.resolution());
    zuv::photo::render(painter, QRectF(QPointF(0, 0), sheet.size()), m_laid);
    if (!painter.end())
        throw zuv::core::Error(
            tr("Der Druckauftrag „%1“ ist fehlgeschlagen.").arg(printer.docName()));
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
        // Dragging a cropped picture moves its focus point; the page view scrolls otherwise.
        m_previewWidget = dialog.findChild<QPrintPreviewWidget*>();
        m_paperPixels = printer.pageLayout().fullRectPixels(printer.resolution()).size();
        if (auto* view = m_previewWidget ? m_previewWidget->findChild<QGraphicsView*>() : nullptr)
            view->viewport()->installEventFilter(this);
        if (!m_notes.isEmpty()) {
            auto* notes = new QLabel(m_notes.join(QLatin1Char('\n')), &dialog);
            notes->setObjectName(QStringLiteral("Hinweise"));
            notes->setWordWrap(true);
            notes->setStyleSheet(QStringLiteral("QLabel { color: #A00000; padding: 4px; }"));
            if (dialog.layout())
                dialog.layout()->addWidget(notes);
        }
        // The month page saved as a PDF straight from its preview.
        if (auto* bar = dialog.findChild<QToolBar*>()) {
            QAction* save = bar->addAction(tr("Als PDF speichern..."));
            save->setObjectName(QStringLiteral("AlsPdfSpeichern1"));
            connect(save, &QAction::triggered, this, [this, &dialog] { AlsPdfSpeichern1Click(&dialog); });
        }
        fitPreview(dialog);
        zuv::core::dialogs().exec(dialog);
    } catch (...) {
        m_previewWidget = nullptr;
        QRBildkalenderAfterPreview();
        throw;
    }
    m_previewWidget = nullptr;
    QRBildkalenderAfterPreview();
}

std::optional<QPointF> TForm10::sheetPoint(const QPoint& viewportPos) const
{
    auto* view = m_previewWidget ? m_previewWidget->findChild<QGraphicsView*>() : nullptr;
    if (!view || m_paperPixels.isEmpty())
        return std::nullopt;
    // The preview shows each page as an item whose own coordinates are the printer's sheet.
    const QGraphicsItem* item = view->itemAt(viewportPos);
    if (!item)
        return std::nullopt;
    const QPointF local = item->mapFromScene(view->mapToScene(viewportPos));
    const QPointF sheet(local.x() / m_paperPixels.width() * m_page.pageSize.width(),
                        local.y() / m_paperPixels.height() * m_page.pageSize.height());
    if (!QRectF(QPointF(0, 0), m_page.pageSize).contains(sheet))
        return std::nullopt;
    return sheet;
}

void TForm10::setPictureFocus(int index, FocusPoint focus)
{
    if (index < 0 || index >= kMaxPagePictures)
        return;
    m_page.focus[static_cast<std::size_t>(index)] = clampedFocus(focus);
    refitPictures(m_page);
    m_laid = layoutMonthPage(m_page, QRBildkalender);
    if (m_previewWidget)
        m_previewWidget->updatePreview();
}

void TForm10::focusChosen(int index, FocusPoint focus)
{
    setPictureFocus(index, focus);
    if (m_focusMoved)
        m_focusMoved(index, m_page.focus[static_cast<std::size_t>(index)]);
}

QMenu* TForm10::PictureMenu1(int index)
{
    delete m_pictureMenu;
    m_pictureMenu = new QMenu(this);
    m_pictureMenu->setObjectName(QStringLiteral("PictureMenu1"));
    m_pictureMenu->addSection(tr("Bildausschnitt von Bild %1").arg(index + 1));
    for (int i = 0; i < kFocusPresetCount; ++i) {
        const FocusPreset& preset = focusPreset(i);
        QAction* a = m_pictureMenu->addAction(preset.label);
        a->setCheckable(true);
        a->setChecked(m_page.focus[static_cast<std::size_t>(index)] == preset.point);
        const FocusPoint point = preset.point;
        connect(a, &QAction::triggered, this, [this, index, point] { focusChosen(index, point); });
    }
    return m_pictureMenu;
}

bool TForm10::pageViewEvent(QEvent* event)
{
    const bool crop = m_page.pictureFit == PictureFit::Crop;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto at = sheetPoint(mouse->position().toPoint());
        const int index = at && crop ? pictureAt(m_page, *at) : -1;
        if (mouse->button() != Qt::LeftButton || index < 0)
            return false;
        m_drag = {index, *at, m_page.focus[static_cast<std::size_t>(index)]};
        return true;
    }
    case QEvent::MouseMove: {
        if (m_drag.index < 0)
            return false;
        const auto at = sheetPoint(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!at)
            return true;
        for (const PlacedPicture& p : m_page.pictures)
            if (p.index == m_drag.index)
                setPictureFocus(m_drag.index, draggedFocus(m_drag.focus, *at - m_drag.start,
                                                           p.picture.size(), p.slotRect,
                                                           m_page.pictureFit));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (m_drag.index < 0)
            return false;
        const int index = m_drag.index;
        m_drag = {};
        focusChosen(index, m_page.focus[static_cast<std::size_t>(index)]);
        return true;
    }
    case QEvent::ContextMenu: {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const auto at = sheetPoint(menu->pos());
        const int index = at && crop ? pictureAt(m_page, *at) : -1;
        if (index < 0)
            return false;
        PictureMenu1(index)->popup(menu->globalPos());
        return true;
    }
    default:
        return false;
    }
}

bool TForm10::eventFilter(QObject* watched, QEvent* event)
{
    bool handled = false;
    zuv::core::guarded(this, [&] { handled = pageViewEvent(event); });
    return handled || QWidget::eventFilter(watched, event);
}

void TForm10::AlsPdfSpeichern1Click(QWidget* parent)
{
    zuv::core::guarded(parent, [this, parent] {
        QFileDialog dialog(parent, tr("Als PDF speichern"));
        zuv::core::preparePdfSaveDialog(dialog, QStringLiteral("PdfSaveDialog1"));
        const QString title = m_page.title.isEmpty() ? windowTitle()
                                                     : m_page.title.simplified();
        dialog.selectFile(tr("Kalender %1.pdf").arg(title));
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
    swallow([this] { m_notes.clear(); });
    m_drag = {};
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
