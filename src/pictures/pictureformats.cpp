// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pictureformats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <array>

namespace zuv::pictures {

namespace {

// In the order the dialogs list them.
constexpr std::array<PictureFormatInfo, 9> kFormats {{
    {PictureFormat::Jpeg, "jpg jpeg jpe jfif", "jpeg", QT_TRANSLATE_NOOP("Pictures", "JPEG-Bilder"),
     QT_TRANSLATE_NOOP("Pictures", "ein JPEG-Bild"),
     QT_TRANSLATE_NOOP("Pictures", "kein gültiges JPEG-Bild")},
    {PictureFormat::Png, "png", "png", QT_TRANSLATE_NOOP("Pictures", "PNG-Bilder"),
     QT_TRANSLATE_NOOP("Pictures", "ein PNG-Bild"), QT_TRANSLATE_NOOP("Pictures", "kein gültiges PNG-Bild")},
    {PictureFormat::Tiff, "tif tiff", "tiff", QT_TRANSLATE_NOOP("Pictures", "TIFF-Bilder"),
     QT_TRANSLATE_NOOP("Pictures", "ein TIFF-Bild"),
     QT_TRANSLATE_NOOP("Pictures", "kein gültiges TIFF-Bild")},
    {PictureFormat::WebP, "webp", "webp", QT_TRANSLATE_NOOP("Pictures", "WebP-Bilder"),
     QT_TRANSLATE_NOOP("Pictures", "ein WebP-Bild"),
     QT_TRANSLATE_NOOP("Pictures", "kein gültiges WebP-Bild")},
    {PictureFormat::Gif, "gif", "gif", QT_TRANSLATE_NOOP("Pictures", "GIF-Bilder"),
     QT_TRANSLATE_NOOP("Pictures", "ein GIF-Bild"), QT_TRANSLATE_NOOP("Pictures", "kein gültiges GIF-Bild")},
    {PictureFormat::Bitmap, "bmp dib", "bmp", QT_TRANSLATE_NOOP("Pictures", "Bitmaps"),
     QT_TRANSLATE_NOOP("Pictures", "eine Windows-Bitmap"),
     QT_TRANSLATE_NOOP("Pictures", "keine gültige Windows-Bitmap")},
    {PictureFormat::Icon, "ico", "ico", QT_TRANSLATE_NOOP("Pictures", "Symbole"),
     QT_TRANSLATE_NOOP("Pictures", "ein Symbol"), QT_TRANSLATE_NOOP("Pictures", "kein gültiges Symbol")},
    {PictureFormat::EnhancedMetafile, "emf", nullptr, QT_TRANSLATE_NOOP("Pictures", "Erweiterte Metadateien"),
     QT_TRANSLATE_NOOP("Pictures", "eine erweiterte Metadatei"),
     QT_TRANSLATE_NOOP("Pictures", "keine gültige erweiterte Metadatei")},
    {PictureFormat::Metafile, "wmf", nullptr, QT_TRANSLATE_NOOP("Pictures", "Metadateien"),
     QT_TRANSLATE_NOOP("Pictures", "eine Metadatei"),
     QT_TRANSLATE_NOOP("Pictures", "keine gültige Metadatei")},
}};

QStringList extensionsOf(const PictureFormatInfo& info)
{
    return QString::fromLatin1(info.extensions).split(QLatin1Char(' '));
}

} // namespace

const PictureFormatInfo& formatInfo(PictureFormat format)
{
    for (const PictureFormatInfo& info : kFormats)
        if (info.format == format)
            return info;
    return kFormats.front();
}

std::optional<PictureFormat> formatFromExtension(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const PictureFormatInfo& info : kFormats)
        if (extensionsOf(info).contains(suffix))
            return info.format;
    return std::nullopt;
}

bool formatReadable(PictureFormat format)
{
    const PictureFormatInfo& info = formatInfo(format);
    return !info.reader || QImageReader::supportedImageFormats().contains(QByteArray(info.reader));
}

QStringList pictureNameFilters()
{
    QStringList all;
    QStringList filters;
    for (const PictureFormatInfo& info : kFormats) {
        if (!formatReadable(info.format))
            continue;
        QStringList patterns;
        for (const QString& e : extensionsOf(info))
            patterns << QStringLiteral("*.") + e;
        all << patterns;
        filters << QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("Pictures", info.filterName),
                                                 patterns.join(QLatin1Char(' ')));
    }
    filters.prepend(
        QCoreApplication::translate("Pictures", "Alle Bilder (%1)").arg(all.join(QLatin1Char(' '))));
    return filters;
}

QString readableFormatsText()
{
    QStringList parts;
    for (const PictureFormatInfo& info : kFormats) {
        if (!formatReadable(info.format))
            continue;
        QStringList dotted;
        for (const QString& e : extensionsOf(info))
            dotted << QLatin1Char('.') + e;
        const QString name
            = QCoreApplication::translate("Pictures", info.filterName).section(QLatin1Char('-'), 0, 0);
        parts << QStringLiteral("%1 (%2)").arg(name, dotted.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace zuv::pictures
