// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "reportpicture.h"

#include "dialogs.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zuv::pictures {

ReportPicture ReportPicture::fromImage(QImage image)
{
    ReportPicture p;
    if (!image.isNull())
        p.m_content = std::move(image);
    return p;
}

ReportPicture ReportPicture::fromPicture(QPicture picture, QSizeF size)
{
    ReportPicture p;
    if (size.width() > 0 && size.height() > 0)
        p.m_content = Vector{std::move(picture), size};
    return p;
}

ReportPicture ReportPicture::fromSvg(const QByteArray& svg)
{
    auto renderer = std::make_shared<QSvgRenderer>(svg);
    if (!renderer->isValid() || renderer->viewBoxF().isEmpty())
        throw zuv::core::Error(QStringLiteral("Die Zeichnung ist beschädigt oder leer."));
    ReportPicture p;
    p.m_content = std::move(renderer);
    return p;
}

QSizeF ReportPicture::size() const
{
    if (const auto* img = std::get_if<QImage>(&m_content))
        return img->size();
    if (const auto* v = std::get_if<Vector>(&m_content))
        return v->size;
    if (const auto* svg = std::get_if<std::shared_ptr<QSvgRenderer>>(&m_content))
        return (*svg)->viewBoxF().size();
    return {};
}

void ReportPicture::draw(QPainter& painter, const QRectF& target) const
{
    if (isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    if (const auto* img = std::get_if<QImage>(&m_content)) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, *img);
    } else if (const auto* v = std::get_if<Vector>(&m_content)) {
        // Playing a picture back scales it by the ratio of the device's resolution to the
        // picture's own; that ratio is taken out so that the picture fills the target.
        const QPaintDevice* device = painter.device();
        const double dpiX = device ? double(v->picture.logicalDpiX()) / device->logicalDpiX() : 1.0;
        const double dpiY = device ? double(v->picture.logicalDpiY()) / device->logicalDpiY() : 1.0;
        painter.translate(target.topLeft());
        painter.scale(target.width() / v->size.width() * dpiX,
                      target.height() / v->size.height() * dpiY);
        painter.drawPicture(0, 0, v->picture);
    } else if (const auto* svg = std::get_if<std::shared_ptr<QSvgRenderer>>(&m_content)) {
        (*svg)->setAspectRatioMode(Qt::IgnoreAspectRatio);
        (*svg)->render(&painter, target);
    }
    painter.restore();
}

} // namespace zuv::pictures
