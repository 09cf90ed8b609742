// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture formats the calendar pages read: one table of extensions, the Qt image reader
// that decodes each (metafiles go through the helper instead) and the German words for it.
// PNG, TIFF, WebP and GIF are read where Qt's image plugins are installed (TIFF and WebP
// come with qt6-image-formats-plugins); the open-picture dialogs list only what is read.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zuv::pictures {

enum class PictureFormat { Jpeg, Bitmap, Icon, Metafile, EnhancedMetafile, Png, Tiff, WebP, Gif };

struct PictureFormatInfo {
    PictureFormat format;
    const char* extensions;   // lower case, blank-separated, the first is the usual one
    const char* reader;       // QImageReader's format name; nullptr for metafiles
    const char* filterName;   // "PNG-Bilder", in the dialogs' filter list
    const char* name;         // "ein PNG-Bild", in messages
    const char* invalid;      // "kein gültiges PNG-Bild"
};

const PictureFormatInfo& formatInfo(PictureFormat format);

// By extension, case-insensitive (jpg jpeg jpe jfif, bmp dib, ico, wmf, emf, png, tif tiff,
// webp, gif), whether or not this system reads the format.
std::optional<PictureFormat> formatFromExtension(const QString& path);

// Whether this system reads the format: the image plugin is there (metafiles: always).
bool formatReadable(PictureFormat format);

// Filters for the open-picture dialogs: "Alle Bilder (...)" first, then one per format;
// formats this system does not read are left out.
QStringList pictureNameFilters();

// "JPEG (.jpg, .jpeg), ..., GIF (.gif)": the readable formats, for messages.
QString readableFormatsText();

} // namespace zuv::pictures
