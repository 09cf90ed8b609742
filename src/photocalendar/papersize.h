// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The sheet calendar pages are printed on: A4 (the design size), A3 or A5, portrait, the
// layout scaled from A4 (all three have the same proportions). For a print shop
// ("Druckerei") the sheet grows by 3 mm of bleed on every side, into which pictures and
// coloured areas that touch the page's edge run on, and by a margin outside the bleed that
// carries the crop marks. Lengths in millimetres unless a name says points (1/72 inch,
// the PDF's unit) or report pixels (96 per inch).

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace zuv::photo {

enum class Paper { A4, A3, A5 };

// "A4", "A3", "A5".
QString paperName(Paper paper);
// The paper a name means, ignoring case and blanks at both ends; nullopt otherwise.
std::optional<Paper> paperFromName(const QString& name);
// Width and height of the trimmed page, portrait.
QSizeF paperSizeMm(Paper paper);

inline constexpr double kBleedMm = 3.0;
// Crop marks start this far outside the trimmed page (beyond the bleed, so that none
// shows on a page trimmed a little off) and are this long.
inline constexpr double kCropMarkGapMm = 4.0;
inline constexpr double kCropMarkLengthMm = 5.0;

struct PrintSheet {
    Paper paper = Paper::A4;
    bool bleed = false;   // "Druckerei": bleed, crop marks, trim and bleed boxes
    bool operator==(const PrintSheet&) const = default;

    // What is cut around the trimmed page on each side: 0 without bleed.
    double slugMm() const;
    // The whole sheet (the PDF's MediaBox).
    QSizeF mediaMm() const;
    // The page as it is after trimming, and with its bleed, on the sheet (top-left origin).
    QRectF trimMm() const;
    QRectF bleedMm() const;
    // Report pixels of the A4 design per millimetre of this paper's trimmed page.
    double designScale() const;
    // Printed length of a length of the A4 design: 1 for A4, about 1.41 for A3.
    double printScale() const;
};

// The eight crop marks (two at each corner, along the trim lines, outside the bleed) in
// millimetres on the sheet; none without bleed.
std::vector<QLineF> cropMarksMm(const PrintSheet& sheet);

// A rectangle of the design page (report pixels, page of pageSize) that touches an edge of
// the page, run on by bleed report pixels past that edge; other rectangles unchanged. An
// edge counts as touched within half a pixel.
QRectF intoBleed(const QRectF& rect, const QSizeF& pageSize, double bleed);

// Sets the TrimBox and BleedBox of every page of a PDF drawn on sheet to sheet's trimmed
// page and bleed, measured from the top left corner of the page's MediaBox as written (Qt
// writes it in whole points, so it can be a fraction of a point larger or smaller than
// the sheet). The PDF is rewritten by the helper program zuvododerod-pdfboxes. Returns the
// new PDF; throws zuv::core::Error with a German message when pdf is no PDF that can be
// read or the helper cannot be run.
QByteArray withPageBoxes(const QByteArray& pdf, const PrintSheet& sheet);

// The helper withPageBoxes runs; an empty path means the one shipped with the program.
void setPdfBoxesHelperPath(const QString& path);

} // namespace zuv::photo
