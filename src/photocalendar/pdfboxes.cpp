// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The page boxes a print shop reads. Qt's PDF writer sets only the MediaBox; the PDF is
// read and written again by qpdf, which rebuilds the cross-reference table, so the offsets
// stay right whatever Qt writes. Streams (pictures, page contents) are copied unchanged.
#include "papersize.h"

#include "dialogs.h"

// Our code uses std::shared_ptr only, not qpdf's old PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

#include <QCoreApplication>

namespace zuv::photo {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

// A rectangle in millimetres from the top left of media, as PDF counts: from bottom left.
QPDFObjectHandle rectangle(const QRectF& mm, const QPDFObjectHandle::Rectangle& media)
{
    return QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
        media.llx + mm.left() * kPointsPerMm, media.ury - mm.bottom() * kPointsPerMm,
        media.llx + mm.right() * kPointsPerMm, media.ury - mm.top() * kPointsPerMm));
}

} // namespace

QByteArray withPageBoxes(const QByteArray& pdf, const PrintSheet& sheet)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("Kalender", pdf.constData(), static_cast<size_t>(pdf.size()));
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(document).getAllPages()) {
            const QPDFObjectHandle::Rectangle media = page.getMediaBox().getArrayAsRectangle();
            QPDFObjectHandle dictionary = page.getObjectHandle();
            dictionary.replaceKey("/BleedBox", rectangle(sheet.bleedMm(), media));
            dictionary.replaceKey("/TrimBox", rectangle(sheet.trimMm(), media));
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(out->getBuffer()),
                          static_cast<qsizetype>(out->getSize()));
    } catch (const std::exception& e) {
        throw zuv::core::Error(
            QCoreApplication::translate(
                "Photo", "Die Schnittmarken-Angaben der PDF-Datei können nicht gesetzt werden:\n%1")
                .arg(QString::fromLocal8Bit(e.what())));
    }
}

} // namespace zuv::photo
