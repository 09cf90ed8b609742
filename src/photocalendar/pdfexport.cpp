// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pdfexport.h"

#include "calendarreport.h"
#include "dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace zuv::photo {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw zuv::core::Error(
        QCoreApplication::translate("Photo", "Die PDF-Datei \"%1\" kann nicht geschrieben werden:\n%2")
            .arg(QDir::toNativeSeparators(path), reason));
}

void drawCropMarks(QPainter& painter, const PrintSheet& paper, double pixelsPerMm)
{
    QPen pen(Qt::black);
    pen.setWidthF(0.5 / 72.0 * kPdfDotsPerInch);   // 0.5 pt, as print shops ask
    painter.save();
    painter.setPen(pen);
    for (const QLineF& mark : cropMarksMm(paper))
        painter.drawLine(QLineF(mark.p1() * pixelsPerMm, mark.p2() * pixelsPerMm));
    painter.restore();
}

} // namespace

bool writePdf(const QString& path, const QString& title, int pageCount,
              const PdfPagePainter& paintPage, const PrintSheet& paper)
{
    if (path.isEmpty())
        cannotWrite(path, QCoreApplication::translate("Photo", "Es ist kein Dateiname angegeben."));
    if (QFileInfo(path).isDir())
        cannotWrite(path, QCoreApplication::translate("Photo", "Das ist ein Ordner."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path, file.errorString());

    // With bleed the PDF is finished in memory: its page boxes are added afterwards.
    QBuffer memory;
    memory.open(QIODevice::WriteOnly);
    QIODevice& target = paper.bleed ? static_cast<QIODevice&>(memory) : file;
    bool complete = true;
    {
        QPdfWriter pdf(&target);
        pdf.setPageSize(paper == PrintSheet{} ? QPageSize(QPageSize::A4)
                                              : QPageSize(paper.mediaMm(), QPageSize::Millimeter,
                                                          paperName(paper.paper),
                                                          QPageSize::ExactMatch));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Zuvododerod"));
        QPainter painter(&pdf);
        if (!painter.isActive())
            cannotWrite(path,
                        QCoreApplication::translate("Photo", "Die PDF-Ausgabe kann nicht begonnen werden."));
        const double pixelsPerMm = pdf.resolution() / 25.4;
        const QRectF trim = paper.trimMm();
        // Without bleed the page is the whole sheet as the writer made it (whole points).
        const QRectF sheet = paper.bleed
            ? QRectF(trim.topLeft() * pixelsPerMm, trim.size() * pixelsPerMm)
            : QRectF(0, 0, pdf.width(), pdf.height());
        for (int i = 0; i < pageCount && complete; ++i) {
            if (i > 0)
                pdf.newPage();
            painter.save();
            complete = paintPage(painter, sheet, i);
            painter.restore();
            drawCropMarks(painter, paper, pixelsPerMm);
        }
        painter.end();
    }
    if (!complete) {
        file.cancelWriting();
        return false;
    }
    if (paper.bleed) {
        const QByteArray boxed = withPageBoxes(memory.data(), paper);
        if (file.write(boxed) != boxed.size())
            cannotWrite(path, file.errorString());
    }
    if (!file.commit())
        cannotWrite(path, file.errorString());
    return true;
}

void writePagePdf(const QString& path, const QString& title, const ReportPage& page)
{
    writePdf(path, title, 1, [&page](QPainter& painter, const QRectF& sheet, int) {
        render(painter, sheet, page);
        return true;
    });
}

} // namespace zuv::photo
