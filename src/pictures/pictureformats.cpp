// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pictureformats.h"

#include <QFileInfo>
#include <QImageReader>
#include <array>

namespace zuv::pictures {

namespace {

// In the order the dialogs list them.
constexpr std::array<PictureFormatInfo, 9> kFormats{{
    {PictureFormat::Jpeg, "jpg jpeg jpe jfif", "jpeg", "JPEG-Bilder", "ein JPEG-Bild", "kein gültiges JPEG-Bild"},
    {PictureFormat::Png, "png", "png", "PNG-Bilder", "ein PNG-Bild", "kein gültiges PNG-Bild"},
    {PictureFormat::Tiff, "tif tiff", "tiff", "TIFF-Bilder", "ein TIFF-Bild", "kein gültiges TIFF-Bild"},
    {PictureFormat::WebP, "webp", "webp", "WebP-Bilder", "ein WebP-Bild", "kein gültiges WebP-Bild"},
    {PictureFormat::Gif, "gif", "gif", "GIF-Bilder", "ein GIF-Bild", "kein gültiges GIF-Bild"},
    {PictureFormat::Bitmap, "bmp dib", "bmp", "Bitmaps", "eine Windows-Bitmap", "keine gültige Windows-Bitmap"},
    {PictureFormat::Icon, "ico", "ico", "Symbole", "ein Symbol", "kein gültiges Symbol"},
    {PictureFormat::EnhancedMetafile, "emf", nullptr, "Erweiterte Metadateien", "eine erweiterte Metadatei",
     "keine gültige erweiterte Metadatei"},
    {PictureFormat::Metafile, "wmf", nullptr, "Metadateien", "eine Metadatei", "keine gültige Metadatei"},
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
        filters << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(info.filterName), patterns.join(QLatin1Char(' ')));
    }
    filters.prepend(QStringLiteral("Alle Bilder (%1)").arg(all.join(QLatin1Char(' '))));
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
        const QString name = QString::fromUtf8(info.filterName).section(QLatin1Char('-'), 0, 0);
        parts << QStringLiteral("%1 (%2)").arg(name, dotted.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace zuv::pictures
