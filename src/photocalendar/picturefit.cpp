// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picturefit.h"

#include "dialogs.h"
#include "pictureloader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

namespace zuv::photo {

namespace {

struct FitWords {
    PictureFit fit;
    const char* word;
    const char* label;
};
constexpr FitWords kFits[] = {
    {PictureFit::Crop, "zuschneiden", QT_TRANSLATE_NOOP("Pictures", "Zuschneiden")},
    {PictureFit::Fit, "einpassen", QT_TRANSLATE_NOOP("Pictures", "Einpassen")},
    {PictureFit::Stretch, "verzerren", QT_TRANSLATE_NOOP("Pictures", "Verzerren")},
};

const FitWords& wordsOf(PictureFit fit)
{
    for (const FitWords& f : kFits)
        if (f.fit == fit)
            return f;
    return kFits[0];
}

QString decimal(double value)
{
    return QString::number(value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

// The size the picture has as the reader hands it out (turned as its EXIF says).
QSize shownSize(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size;
}

// The part of image at part (pixels) cut to size pixels: rounding never adds a column.
QImage cutOut(const QImage& image, const QRectF& part, QSize size)
{
    const int left = std::clamp(int(std::lround(part.left())), 0, image.width() - 1);
    const int top = std::clamp(int(std::lround(part.top())), 0, image.height() - 1);
    size = size.boundedTo(QSize(image.width() - left, image.height() - top));
    const QRect cut(QPoint(left, top), size);
    return cut == image.rect() ? image : image.copy(cut);
}

} // namespace

QString fitLabel(PictureFit fit)
{
    return QCoreApplication::translate("Pictures", wordsOf(fit).label);
}

QString fitWord(PictureFit fit)
{
    return QString::fromUtf8(wordsOf(fit).word);
}

std::optional<PictureFit> fitFromWord(const QString& word)
{
    const QString wanted = word.trimmed();
    for (const FitWords& f : kFits)
        if (wanted.compare(QLatin1String(f.word), Qt::CaseInsensitive) == 0)
            return f.fit;
    return std::nullopt;
}

FocusPreset focusPreset(int index)
{
    struct Preset {
        const char* label;
        FocusPoint point;
    };
    static const Preset kPresets[kFocusPresetCount] = {
        {QT_TRANSLATE_NOOP("Pictures", "oben links"), {0, 0}},
        {QT_TRANSLATE_NOOP("Pictures", "oben"), {0.5, 0}},
        {QT_TRANSLATE_NOOP("Pictures", "oben rechts"), {1, 0}},
        {QT_TRANSLATE_NOOP("Pictures", "links"), {0, 0.5}},
        {QT_TRANSLATE_NOOP("Pictures", "Mitte"), {0.5, 0.5}},
        {QT_TRANSLATE_NOOP("Pictures", "rechts"), {1, 0.5}},
        {QT_TRANSLATE_NOOP("Pictures", "unten links"), {0, 1}},
        {QT_TRANSLATE_NOOP("Pictures", "unten"), {0.5, 1}},
        {QT_TRANSLATE_NOOP("Pictures", "unten rechts"), {1, 1}},
    };
    const Preset& p = index >= 0 && index < kFocusPresetCount ? kPresets[index] : kPresets[4];
    return {QCoreApplication::translate("Pictures", p.label), p.point};
}

FocusPoint clampedFocus(FocusPoint focus)
{
    const auto onPicture = [](double v) { return std::isnan(v) ? 0.5 : std::clamp(v, 0.0, 1.0); };
    return {onPicture(focus.x), onPicture(focus.y)};
}

FocusPoint checkedFocus(FocusPoint focus)
{
    const auto inside = [](double v) { return v >= 0.0 && v <= 1.0; };   // false for NaN
    if (!inside(focus.x) || !inside(focus.y))
        throw zuv::core::Error(QCoreApplication::translate(
                                   "Pictures",
                                   "Der Bildausschnitt (%1 / %2) liegt außerhalb des Bildes: erlaubt sind "
                                   "Werte von 0 bis 1 (0 links oder oben, 1 rechts oder unten).")
                                   .arg(decimal(focus.x), decimal(focus.y)));
    return focus;
}

FittedRect fitPicture(const QSizeF& picture, const QRectF& slot, PictureFit fit, FocusPoint focus)
{
    if (picture.isEmpty() || slot.isEmpty())
        return {};
    const QRectF whole(QPointF(0, 0), picture);
    switch (fit) {
    case PictureFit::Stretch:
        return {whole, slot};
    case PictureFit::Fit: {
        const QSizeF size = picture.scaled(slot.size(), Qt::KeepAspectRatio);
        const QPointF corner(slot.left() + (slot.width() - size.width()) / 2,
                             slot.top() + (slot.height() - size.height()) / 2);
        return {whole, QRectF(corner, size)};
    }
    case PictureFit::Crop:
        break;
    }
    // The largest part of the picture with the slot's proportions, centred on the focus and
    // moved back onto the picture where it would stick out.
    const QSizeF part = slot.size().scaled(picture, Qt::KeepAspectRatio);
    const FocusPoint f = clampedFocus(focus);
    const double left = std::clamp(f.x * picture.width() - part.width() / 2, 0.0,
                                   picture.width() - part.width());
    const double top = std::clamp(f.y * picture.height() - part.height() / 2, 0.0,
                                  picture.height() - part.height());
    return {QRectF(QPointF(left, top), part), slot};
}

double printedPpi(const FittedRect& fitted, double scale)
{
    if (fitted.source.isEmpty() || fitted.target.isEmpty() || scale <= 0)
        return 0;
    const double inchesWide = fitted.target.width() * scale / 96.0;
    const double inchesHigh = fitted.target.height() * scale / 96.0;
    return std::min(fitted.source.width() / inchesWide, fitted.source.height() / inchesHigh);
}

std::optional<QString> resolutionWarning(const QString& monthName, int pictureNumber, double ppi)
{
    if (ppi >= kSharpPpi)
        return std::nullopt;
    return QCoreApplication::translate("Pictures", "%1, Bild %2: %3 ppi, wird unscharf")
        .arg(monthName)
        .arg(pictureNumber)
        .arg(static_cast<int>(std::lround(ppi)));
}

QSize storedPixels(const QSizeF& source, const QSizeF& target, double scale)
{
    if (source.isEmpty() || target.isEmpty() || scale <= 0)
        return {};
    const double most = std::min(target.width() * scale * kStoredPpi / 96.0 / source.width(),
                                 target.height() * scale * kStoredPpi / 96.0 / source.height());
    const double shrink = std::min(1.0, most);
    return QSize(std::max(1, static_cast<int>(std::ceil(source.width() * shrink - 1e-6))),
                 std::max(1, static_cast<int>(std::ceil(source.height() * shrink - 1e-6))));
}

FittedPicture placePicture(const QString& path, const QRectF& slot, PictureFit fit,
                           FocusPoint focus, double scale)
{
    const pictures::PictureFile file = pictures::readPictureFile(path);
    FittedPicture placed;
    try {
        const bool drawing = file.format == pictures::PictureFormat::Metafile
            || file.format == pictures::PictureFormat::EnhancedMetafile;
        QByteArray svg;
        QSize size;
        if (drawing) {
            svg = pictures::convertInHelper(file.format == pictures::PictureFormat::EnhancedMetafile, file.bytes);
            size = QSvgRenderer(svg).viewBoxF().size().toSize();
        } else {
            size = shownSize(file.bytes);
            // A header that cannot be read: the decoder tells why.
            if (size.isEmpty())
                size = pictures::decodeRaster(file.bytes, file.format, QSize(1 << 14, 1 << 14)).size();
        }
        if (size.isEmpty())
            throw zuv::core::Error(
                QCoreApplication::translate("Pictures", "Die Bildgröße kann nicht gelesen werden."));
        const FittedRect fitted = fitPicture(QSizeF(size), slot, fit, focus);
        placed.target = fitted.target;
        // A drawing is sharp at any size; it is rendered at the resolution pictures are kept at.
        placed.ppi = drawing ? kStoredPpi : printedPpi(fitted, scale);
        // The whole picture is decoded at the scale its shown part is kept at (JPEG decodes
        // straight to that scale), then the shown part is cut out.
        // A drawing has no pixels of its own: it is rendered at exactly kStoredPpi.
        const QSizeF printed = fitted.target.size() * scale * kStoredPpi / 96.0;
        QSize keep = drawing
            ? QSize(std::max(1, int(std::ceil(printed.width()))), std::max(1, int(std::ceil(printed.height()))))
            : storedPixels(fitted.source.size(), fitted.target.size(), scale);
        double decodeScale = double(keep.width()) / fitted.source.width();
        // A JPEG decodes to half its size in a fraction of the time of the whole: a picture
        // that would need a little more than half is kept at half when that still gives
        // kHalfDecodePpi at its printed size (a page-wide photo on a print-shop page).
        const double keptPpi = std::min(placed.ppi, kStoredPpi);
        if (!drawing && decodeScale > 0.5 && decodeScale < 1
            && keptPpi * 0.5 / decodeScale >= kHalfDecodePpi) {
            const double shrink = 0.5 / decodeScale;
            keep = QSize(std::max(1, int(std::lround(keep.width() * shrink))),
                         std::max(1, int(std::lround(keep.height() * shrink))));
            decodeScale = 0.5;
        }
        const QSize decoded(std::max(1, int(std::lround(size.width() * decodeScale))),
                            std::max(1, int(std::lround(size.height() * decodeScale))));
        const QImage whole = drawing ? pictures::renderDrawing(svg, decoded)
                                     : pictures::decodeRaster(file.bytes, file.format, decoded);
        const double sx = double(whole.width()) / size.width();
        const double sy = double(whole.height()) / size.height();
        const QRectF part(fitted.source.left() * sx, fitted.source.top() * sy,
                          fitted.source.width() * sx, fitted.source.height() * sy);
        placed.image = cutOut(whole, part, keep);
    } catch (const zuv::core::Error& e) {
        throw zuv::core::Error(pictures::pictureError(file.path, e.message()));
    }
    return placed;
}

} // namespace zuv::photo
