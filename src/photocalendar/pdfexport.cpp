// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pdfexport.h"

#include "calendarreport.h"
#include "dialogs.h"

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
    throw zuv::core::Error(QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden:\n%2")
                               .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

bool writePdf(const QString& path, const QString& title, int pageCount,
              const PdfPagePainter& paintPage)
{
    if (path.isEmpty())
        cannotWrite(path, QStringLiteral("Es ist kein Dateiname angegeben."));
    if (QFileInfo(path).isDir())
        cannotWrite(path, QStringLiteral("Das ist ein Ordner."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path, file.errorString());

    bool complete = true;
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Zuvododerod"));
        QPainter painter(&pdf);
        if (!painter.isActive())
            cannotWrite(path, QStringLiteral("Die PDF-Ausgabe kann nicht begonnen werden."));
        const QRectF sheet(0, 0, pdf.width(), pdf.height());
        for (int i = 0; i < pageCount && complete; ++i) {
            if (i > 0)
                pdf.newPage();
            painter.save();
            complete = paintPage(painter, sheet, i);
            painter.restore();
        }
        painter.end();
    }
    if (!complete) {
        file.cancelWriting();
        return false;
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
