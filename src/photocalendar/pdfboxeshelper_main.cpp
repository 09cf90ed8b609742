// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// zuvododerod-pdfboxes: sets the page boxes a print shop reads. Qt's PDF writer sets only
// the MediaBox; the PDF is read and written again by qpdf, which rebuilds the
// cross-reference table, so the offsets stay right whatever Qt writes. Streams (pictures,
// page contents) are copied unchanged. A process of its own, so that the program does not
// load qpdf and its libraries at every start for the few PDFs that need boxes.
// Usage: zuvododerod-pdfboxes BLEED TRIM  < pdf  > pdf
//   BLEED, TRIM: left,top,right,bottom in millimetres from the sheet's top left corner.
// Exit code 0 with the PDF on stdout, 1 with qpdf's reason on stderr, 2 on wrong arguments.

// Our code uses std::shared_ptr only, not qpdf's old PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct RectMm {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Four numbers separated by commas; the helper keeps the C locale, so the point is decimal.
bool parseRect(const char* text, RectMm& rect)
{
    std::array<double, 4> values{};
    const char* p = text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        char* end = nullptr;
        values[i] = std::strtod(p, &end);
        if (end == p || *end != (i + 1 < values.size() ? ',' : '\0'))
            return false;
        p = end + 1;
    }
    rect = {values[0], values[1], values[2], values[3]};
    return rect.left < rect.right && rect.top < rect.bottom;
}

// A rectangle in millimetres from the top left of media, as PDF counts: from bottom left.
QPDFObjectHandle rectangle(const RectMm& mm, const QPDFObjectHandle::Rectangle& media)
{
    return QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
        media.llx + mm.left * kPointsPerMm, media.ury - mm.bottom * kPointsPerMm,
        media.llx + mm.right * kPointsPerMm, media.ury - mm.top * kPointsPerMm));
}

std::string readAll(std::FILE* in)
{
    std::string data;
    char chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        data.append(chunk, n);
    return data;
}

} // namespace

int main(int argc, char** argv)
{
    RectMm bleed;
    RectMm trim;
    if (argc != 3 || !parseRect(argv[1], bleed) || !parseRect(argv[2], trim)) {
        std::fputs("Aufruf: zuvododerod-pdfboxes links,oben,rechts,unten links,oben,rechts,unten"
                   " < PDF > PDF\n",
                   stderr);
        return 2;
    }
    try {
        const std::string pdf = readAll(stdin);
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("Kalender", pdf.data(), pdf.size());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(document).getAllPages()) {
            const QPDFObjectHandle::Rectangle media = page.getMediaBox().getArrayAsRectangle();
            QPDFObjectHandle dictionary = page.getObjectHandle();
            dictionary.replaceKey("/BleedBox", rectangle(bleed, media));
            dictionary.replaceKey("/TrimBox", rectangle(trim, media));
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        std::fwrite(out->getBuffer(), 1, out->getSize(), stdout);
    } catch (const std::exception& e) {
        std::fputs(e.what(), stderr);
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
