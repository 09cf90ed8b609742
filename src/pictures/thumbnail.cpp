// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "thumbnail.h"

#include <QImageReader>

namespace zuv::pictures {

QImage decodeThumbnail(const QString& path, const QSize& box)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (!size.isValid() || box.isEmpty())
        return {};
    // The scaled size applies before the EXIF turn.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize shown = turned ? size.transposed() : size;
    QSize scaled = shown.scaled(box, Qt::KeepAspectRatio).boundedTo(shown);
    if (turned)
        scaled.transpose();
    reader.setScaledSize(scaled.expandedTo(QSize(1, 1)));
    return reader.read();
}

} // namespace zuv::pictures
