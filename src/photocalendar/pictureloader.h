#pragma once
// Loading the user's pictures for the calendar page. The format is taken from the file's
// extension and checked against the content: JPEG, Windows bitmap and icon are read with
// QImageReader (allocation limit kept) at the size the slot needs for 300 dpi print, EXIF
// orientation honoured; Windows metafiles (EMF, WMF) are converted to SVG by the helper
// process zuvododerod-metafile, bounded in memory and time. Every failure is a
// zuv::core::Error with a German message; nothing here can crash the program.

#include "reportpicture.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

namespace zuv::photo {

enum class PictureFormat { Jpeg, Bitmap, Icon, Metafile, EnhancedMetafile };

// By extension, case-insensitive: jpg jpeg jpe jfif, bmp dib, ico, wmf, emf.
std::optional<PictureFormat> formatFromExtension(const QString& path);

inline constexpr int kPrintDotsPerInch = 300;
// Pixels a slot of slotSize report pixels (96 per inch) needs at 300 dpi, rounded up.
QSize printPixels(const QSizeF& slotSize);

// Loads path for a slot of slotSize report pixels. Throws zuv::core::Error.
ReportPicture loadPicture(const QString& path, const QSizeF& slotSize);

// The metafile helper: its path (default: next to the running executable) and the time a
// conversion may take before the helper is killed.
QString metafileHelperPath();
void setMetafileHelperPath(const QString& path);
inline constexpr int kMetafileTimeoutMs = 5000;
inline constexpr int kMaxSvgBytes = 64 * 1024 * 1024;

// Runs the helper on the metafile's bytes; returns the SVG. Throws zuv::core::Error with
// the helper's reason, or a message on a crash, timeout or missing helper.
QByteArray convertInHelper(bool enhanced, const QByteArray& metafile,
                           int timeoutMs = kMetafileTimeoutMs);

} // namespace zuv::photo
