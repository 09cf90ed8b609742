// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Loading the user's pictures for the calendar page. The format is taken from the file's
// extension (pictureformats.h) and checked against the content: JPEG, PNG, TIFF, WebP, GIF,
// Windows bitmap and icon are read with
// QImageReader (allocation limit kept) at the size the slot needs for 300 dpi print, EXIF
// orientation honoured, a cut-off bitmap refused, an icon's largest entry chosen; Windows
// metafiles (EMF, WMF) are converted to SVG by the helper process zuvododerod-metafile,
// bounded in memory and time, and drawn into an image of the slot's size. Every failure is
// a zuv::core::Error with a German message naming the file and the cause (not found, no
// permission, damaged or cut off, wrong file type, too large); nothing here can crash the
// program. Decoded pictures are kept in the PictureCache (picturecache.h); pictures for a
// page's slots are loaded through it by pagepictures.h.

#include "pictureformats.h"
#include "reportpicture.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

namespace zuv::pictures {

inline constexpr int kPrintDotsPerInch = 300;
// Pixels a slot of slotSize report pixels (96 per inch) needs at 300 dpi, rounded up.
QSize printPixels(const QSizeF& slotSize);

// Largest picture file read (bytes); metafiles have their own, smaller limit.
inline constexpr qint64 kMaxPictureFileBytes = 256ll * 1024 * 1024;

// The message the user sees for a picture that cannot be loaded: the file and the reason.
QString pictureError(const QString& path, const QString& reason);

// A picture file read whole after the checks every format shares (name given, found, a
// regular file, readable, not empty, not too large, known extension). Throws
// zuv::core::Error with pictureError's message.
struct PictureFile {
    QString path;           // absolute
    PictureFormat format = PictureFormat::Jpeg;
    QByteArray bytes;
};
PictureFile readPictureFile(const QString& path);

// Decodes a raster picture (not a metafile) to at most pixels (never enlarged). Throws
// zuv::core::Error with the German reason alone (no file name).
QImage decodeRaster(const QByteArray& bytes, PictureFormat format, const QSize& pixels);
// Draws an SVG drawing stretched into an image of exactly pixels, transparent where the
// drawing leaves the page empty. Throws zuv::core::Error with the reason alone.
QImage renderDrawing(const QByteArray& svg, const QSize& pixels);

// The metafile helper: its path (default: next to the running executable, else in the
// installed helper folder) and the time a conversion may take before the helper is
// killed. The helper's own processor-time limit (10 s) bounds the work; this bounds the
// wait on a busy machine, where a large drawing's few seconds of work stretch out.
QString metafileHelperPath();
void setMetafileHelperPath(const QString& path);
inline constexpr int kMetafileTimeoutMs = 15000;
inline constexpr int kMaxSvgBytes = 64 * 1024 * 1024;   // the helper's own limit too

// Runs the helper on the metafile's bytes; returns the SVG. Throws zuv::core::Error with
// the helper's reason, or a message on a crash, timeout or missing helper.
QByteArray convertInHelper(bool enhanced, const QByteArray& metafile,
                           int timeoutMs = kMetafileTimeoutMs, qsizetype maxSvgBytes = kMaxSvgBytes);

} // namespace zuv::pictures
