// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// PictureCache: the user's pictures decoded for the calendar pages, kept between previews
// (and between the months of a year calendar). An image is keyed by the file's absolute
// path, its size in bytes, its modification time and the pixel size asked for; it is
// decoded again only when one of these changed, so a second preview of the same page does
// no decoding at all. A metafile is converted to a drawing (in the helper process) once
// per file version and only drawn anew for another pixel size.
//
//     const QSize pixels = printPixels(slot.geometry.size());       // 300 dpi
//     QImage img = pictureCache().image(path, pixels);              // throws core::Error
//     PictureCache::Result r = pictureCache().tryImage(path, pixels);   // or: no throw
//     if (!r.ok()) show(r.error);                                   // German, file + cause
//
// The images are at most `pixels` (JPEG, bitmap and icon are never enlarged; a drawing is
// exactly that size, transparent where it is empty) and are stretched into their slot by
// the caller. Thread-safe: the lookups share a lock, decoding runs outside it, so pages may
// be built on worker threads; two threads asking for the same new picture may both decode
// it. Decoding runs on the calling thread and can take seconds (a camera photo, a large
// drawing), so the window asks for its pictures from a worker (loadPagePicturesAsync in
// pagepictures.h). Memory stays within the budgets: the least recently used entries go
// first.

#include <QByteArray>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <vector>

namespace zuv::pictures {

class PictureCache {
public:
    // Default budgets: decoded images (ARGB, 4 bytes a pixel) and converted drawings.
    static constexpr qint64 kImageBudgetBytes = 384ll * 1024 * 1024;
    static constexpr qint64 kDrawingBudgetBytes = 96ll * 1024 * 1024;

    explicit PictureCache(qint64 imageBudgetBytes = kImageBudgetBytes,
                          qint64 drawingBudgetBytes = kDrawingBudgetBytes);

    // The picture at path decoded for pixels. Throws zuv::core::Error with the message the
    // user sees ("Das Bild ... kann nicht geladen werden:" and the cause). Failures are not
    // kept: the next call tries the file again.
    QImage image(const QString& path, const QSize& pixels);

    struct Result {
        QImage image;
        QString error;       // empty when image holds the picture
        bool ok() const { return error.isEmpty(); }
    };
    Result tryImage(const QString& path, const QSize& pixels);

    void clear();

    struct Stats {
        int decodes = 0;          // images decoded or drawn (cache misses)
        int conversions = 0;      // metafiles converted by the helper
        int hits = 0;             // images handed out from the cache
        qint64 imageBytes = 0;    // held now
        qint64 drawingBytes = 0;
    };
    Stats stats() const;

private:
    struct FileVersion {
        QString path;             // absolute
        qint64 bytes = 0;
        qint64 modifiedMs = 0;
        bool operator==(const FileVersion&) const = default;
    };
    struct ImageEntry {
        FileVersion file;
        QSize pixels;
        QImage image;
        quint64 lastUse = 0;
    };
    struct DrawingEntry {
        FileVersion file;
        QByteArray svg;
        quint64 lastUse = 0;
    };

    static FileVersion versionOf(const QString& path);
    QByteArray drawingFor(const FileVersion& version, bool enhanced, const QByteArray& metafile);
    void trimLocked();

    mutable QMutex m_mutex;
    qint64 m_imageBudget;
    qint64 m_drawingBudget;
    quint64 m_clock = 0;
    std::vector<ImageEntry> m_images;       // a handful of pictures: a linear walk
    std::vector<DrawingEntry> m_drawings;
    Stats m_stats;
};

// The program's cache, shared by the calendar page and the year calendar.
PictureCache& pictureCache();

} // namespace zuv::pictures
