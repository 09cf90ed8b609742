// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearthumbnails.h"

#include "thumbnail.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QImageReader>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace zuv::yearcal {

QThreadPool& pictureWorkers()
{
    static QThreadPool pool;
    // The decoders use Qt's image plugins, which are gone by the time statics are destroyed:
    // the application waits for them as it ends, as it does for its own pool, and drops
    // pictures that were only queued.
    static const bool joinsAtExit = [] {
        qAddPostRoutine([] {
            pictureWorkers().clear();
            pictureWorkers().waitForDone();
        });
        return true;
    }();
    (void)joinsAtExit;
    return pool;
}

Thumbnail decodeYearThumbnail(const QString& path)
{
    Thumbnail t;
    t.image = zuv::pictures::decodeThumbnail(path);
    if (t.image.isNull())
        return t;
    // The header tells the size without decoding the picture again.
    QImageReader header(path);
    header.setAutoTransform(true);
    t.pixels = header.size();
    if (header.transformation() & QImageIOHandler::TransformationRotate90)
        t.pixels.transpose();
    return t;
}

YearThumbnails::YearThumbnails(QObject* parent) : QObject(parent) {}

void YearThumbnails::request(const QString& path)
{
    if (path.isEmpty() || m_started.contains(path))
        return;
    m_started.insert(path);
    ++m_pending;
    auto* watcher = new QFutureWatcher<Thumbnail>(this);
    connect(watcher, &QFutureWatcher<Thumbnail>::finished, this, [this, watcher, path] {
        m_done.insert(path, watcher->result());
        --m_pending;
        watcher->deleteLater();
        emit ready(path);
    });
    // The task gets the path only: it never touches this object, which may be gone first.
    watcher->setFuture(QtConcurrent::run(&pictureWorkers(), decodeYearThumbnail, path));
}

const Thumbnail* YearThumbnails::find(const QString& path) const
{
    const auto it = m_done.constFind(path);
    return it == m_done.constEnd() ? nullptr : &it.value();
}

QSize YearThumbnails::pixelSize(const QString& path) const
{
    const Thumbnail* t = find(path);
    return t ? t->pixels : QSize();
}

} // namespace zuv::yearcal
