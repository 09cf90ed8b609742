// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picturecache.h"

#include "dialogs.h"
#include "pictureloader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>
#include <algorithm>

namespace zuv::pictures {

namespace {

// Drops the least recently used entries until the rest fits the budget; the newest entry
// stays even when it alone is larger.
template <typename Entries, typename Size>
void trim(Entries& entries, qint64 budget, Size size)
{
    qint64 total = 0;
    for (const auto& e : entries)
        total += size(e);
    while (total > budget && entries.size() > 1) {
        auto oldest = std::min_element(entries.begin(), entries.end(),
                                       [](const auto& a, const auto& b) { return a.lastUse < b.lastUse; });
        total -= size(*oldest);
        entries.erase(oldest);
    }
}

} // namespace

PictureCache::PictureCache(qint64 imageBudgetBytes, qint64 drawingBudgetBytes)
    : m_imageBudget(imageBudgetBytes), m_drawingBudget(drawingBudgetBytes)
{
}

PictureCache::FileVersion PictureCache::versionOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {info.absoluteFilePath(), -1, 0};
    return {info.absoluteFilePath(), info.size(),
            info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
}

QImage PictureCache::image(const QString& path, const QSize& pixels)
{
    const FileVersion version = versionOf(path);
    if (!path.isEmpty() && version.bytes >= 0) {
        QMutexLocker lock(&m_mutex);
        for (ImageEntry& e : m_images) {
            if (e.file == version && e.pixels == pixels) {
                e.lastUse = ++m_clock;
                ++m_stats.hits;
                return e.image;
            }
        }
    }

    const PictureFile file = readPictureFile(path);
    QImage decoded;
    try {
        if (file.format == PictureFormat::Metafile || file.format == PictureFormat::EnhancedMetafile) {
            const QByteArray svg =
                drawingFor(version, file.format == PictureFormat::EnhancedMetafile, file.bytes);
            decoded = renderDrawing(svg, pixels);
        } else {
            decoded = decodeRaster(file.bytes, file.format, pixels);
        }
    } catch (const zuv::core::Error& e) {
        throw zuv::core::Error(pictureError(path, e.message()));
    }

    QMutexLocker lock(&m_mutex);
    ++m_stats.decodes;
    // Older versions of the file are of no more use; other sizes of this version may be.
    std::erase_if(m_images, [&](const ImageEntry& e) {
        return e.file.path == version.path && (e.file != version || e.pixels == pixels);
    });
    m_images.push_back({version, pixels, decoded, ++m_clock});
    trimLocked();
    return decoded;
}

PictureCache::Result PictureCache::tryImage(const QString& path, const QSize& pixels)
{
    try {
        return {image(path, pixels), {}};
    } catch (const zuv::core::Error& e) {
        return {{}, e.message()};
    }
}

QByteArray PictureCache::drawingFor(const FileVersion& version, bool enhanced,
                                    const QByteArray& metafile)
{
    {
        QMutexLocker lock(&m_mutex);
        for (DrawingEntry& d : m_drawings) {
            if (d.file == version) {
                d.lastUse = ++m_clock;
                return d.svg;
            }
        }
    }
    const QByteArray svg = convertInHelper(enhanced, metafile);
    QMutexLocker lock(&m_mutex);
    ++m_stats.conversions;
    std::erase_if(m_drawings, [&](const DrawingEntry& d) { return d.file.path == version.path; });
    m_drawings.push_back({version, svg, ++m_clock});
    trimLocked();
    return svg;
}

void PictureCache::trimLocked()
{
    trim(m_images, m_imageBudget, [](const ImageEntry& e) { return qint64(e.image.sizeInBytes()); });
    trim(m_drawings, m_drawingBudget, [](const DrawingEntry& d) { return qint64(d.svg.size()); });
}

void PictureCache::clear()
{
    QMutexLocker lock(&m_mutex);
    m_images.clear();
    m_drawings.clear();
}

PictureCache::Stats PictureCache::stats() const
{
    QMutexLocker lock(&m_mutex);
    Stats s = m_stats;
    s.imageBytes = 0;
    for (const ImageEntry& e : m_images)
        s.imageBytes += e.image.sizeInBytes();
    s.drawingBytes = 0;
    for (const DrawingEntry& d : m_drawings)
        s.drawingBytes += d.svg.size();
    return s;
}

PictureCache& pictureCache()
{
    static PictureCache cache;
    return cache;
}

} // namespace zuv::pictures
