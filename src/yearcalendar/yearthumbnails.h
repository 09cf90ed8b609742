// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The thumbnails of the year window's pictures, decoded on the thread pool (QtConcurrent):
// a camera photo takes a good part of a second to decode even at an eighth of its size, and
// the window must stay responsive while twelve of them come in. Each path is decoded once;
// ready() says when its thumbnail is there. Also keeps each picture's own pixel size, which
// the soft-picture warning needs.

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>

class QThreadPool;

namespace zuv::yearcal {

struct Thumbnail {
    QImage image;   // null when the file cannot be read as a picture
    QSize pixels;   // the picture's size as shown (EXIF turn applied); empty when unknown
};

class YearThumbnails : public QObject {
    Q_OBJECT
public:
    explicit YearThumbnails(QObject* parent = nullptr);

    // Starts decoding path unless it is decoded or on its way.
    void request(const QString& path);
    // The thumbnail of path; nullptr while it is being decoded or when never requested.
    const Thumbnail* find(const QString& path) const;
    // The picture's pixel size, or an empty size while it is not known.
    QSize pixelSize(const QString& path) const;
    // Decodes still running.
    int pending() const { return m_pending; }

signals:
    void ready(const QString& path);

private:
    QHash<QString, Thumbnail> m_done;
    QSet<QString> m_started;
    int m_pending = 0;
};

// The threads that decode the window's pictures. Not Qt's global pool: the raster painter
// splits its own work onto that one, and a window painting while it is busy with photos would
// wait for them.
QThreadPool& pictureWorkers();

// Decodes one thumbnail (blocks; run on a worker).
Thumbnail decodeYearThumbnail(const QString& path);

} // namespace zuv::yearcal
