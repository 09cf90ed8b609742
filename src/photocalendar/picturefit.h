// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How a picture fills its slot on a calendar page, and how sharp it prints there.
//   Zuschneiden: the slot is filled, the proportions kept, the rest cut off around a focus
//                point (a place in the picture that stays visible, by default its centre);
//   Einpassen:   the whole picture, proportions kept, centred in the slot;
//   Verzerren:   the whole picture stretched to the slot (the month page's old behaviour).
// Plain values and free functions; sizes of pictures in their pixels, slots in report
// pixels (96 per inch).

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace zuv::photo {

enum class PictureFit { Crop, Fit, Stretch };

// "Zuschneiden", "Einpassen", "Verzerren" as menus show them.
QString fitLabel(PictureFit fit);
// "zuschneiden", "einpassen", "verzerren" as project files and the command line write them.
QString fitWord(PictureFit fit);
// The fit a word names, ignoring case and blanks at both ends; nullopt for anything else.
std::optional<PictureFit> fitFromWord(const QString& word);

// A place in the picture as fractions of its width and height: (0, 0) top left,
// (1, 1) bottom right, (0.5, 0.5) the centre.
struct FocusPoint {
    double x = 0.5;
    double y = 0.5;
    bool operator==(const FocusPoint&) const = default;
};

// The nine positions a menu offers, in reading order (top left .. bottom right).
struct FocusPreset {
    QString label;       // "oben links" .. "unten rechts"
    FocusPoint point;
};
inline constexpr int kFocusPresetCount = 9;
FocusPreset focusPreset(int index);   // 0..8; out of range: the centre; label translated

// The focus point moved onto the picture (for dragging past its edge).
FocusPoint clampedFocus(FocusPoint focus);
// The focus point when it lies on the picture; throws zuv::core::Error with a German message
// ("Der Bildausschnitt ... liegt außerhalb des Bildes") otherwise (also for NaN).
FocusPoint checkedFocus(FocusPoint focus);

// Which part of the picture is shown (source, in picture pixels) and where (target, in slot
// coordinates, inside slot). Empty rectangles when the picture or the slot is empty.
struct FittedRect {
    QRectF source;
    QRectF target;
    bool operator==(const FittedRect&) const = default;
};
// The focus point is clamped onto the picture; only Zuschneiden uses it.
FittedRect fitPicture(const QSizeF& picture, const QRectF& slot, PictureFit fit,
                      FocusPoint focus = {});

// --- resolution ---
inline constexpr double kSharpPpi = 150.0;    // below: the print looks soft
inline constexpr double kStoredPpi = 300.0;   // pictures are never kept finer than this
inline constexpr double kHalfDecodePpi = 200.0;   // a half-size decode is taken down to this

// Pixels per inch the shown part prints at (the coarser of both directions); 0 when empty.
// scale is the printed size of the A4 design's length (A3 about 1.41, A5 about 0.70).
double printedPpi(const FittedRect& fitted, double scale = 1.0);
// "März, Bild 1: 96 ppi, wird unscharf" below kSharpPpi; nullopt otherwise.
std::optional<QString> resolutionWarning(const QString& monthName, int pictureNumber,
                                         double ppi);
// Pixel size the shown part is kept at: its own size, or less so that it prints at no more
// than kStoredPpi in target (report pixels, printed at scale); never enlarged.
QSize storedPixels(const QSizeF& source, const QSizeF& target, double scale = 1.0);

// A picture ready for its slot: only the shown part, at most kStoredPpi, and where it goes.
struct FittedPicture {
    QImage image;        // the shown part; null when nothing loaded
    QRectF target;       // in the slot's coordinates
    double ppi = 0;      // at its printed size, of the file's own pixels
};

// Reads a picture file for a slot (report pixels, printed at scale). Throws
// zuv::core::Error with the loader's German message (naming the file) when it cannot be read.
FittedPicture placePicture(const QString& path, const QRectF& slot, PictureFit fit,
                           FocusPoint focus = {}, double scale = 1.0);

} // namespace zuv::photo
