// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "chart.h"

#include <QAccessibleWidget>
#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace zuv::charts {

namespace {

// A chart is a chart to assistive technology too (a plain widget is an unnamed filler):
// its name and description are the widget's accessible name and description, which the
// owner keeps current.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Chart::staticMetaObject.className()) && object
        && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

Chart::Chart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool installed = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void Chart::clearSeries()
{
    for (Series& s : m_model.series)
        s.points.clear();
    update();
}

void Chart::setContentScale(double scale)
{
    if (scale <= 0 || scale == m_contentScale)
        return;
    m_contentScale = scale;
    update();
}

QSize Chart::logicalSize() const
{
    return (QSizeF(size()) / m_contentScale).toSize();
}

ChartLayout Chart::currentLayout() const
{
    return layoutChart(QRect(QPoint(0, 0), logicalSize()), m_model);
}

void Chart::renderAt(QPainter& painter, QSize pixels, bool xorMarkers) const
{
    painter.save();
    painter.scale(m_contentScale, m_contentScale);
    const QSize logical = (QSizeF(pixels) / m_contentScale).toSize();
    zuv::charts::render(painter, QRect(QPoint(0, 0), logical), m_model, m_hooks, {xorMarkers});
    painter.restore();
}

QSize Chart::sizeOr(QSize size) const
{
    return size.isEmpty() ? this->size() : size;
}

QImage Chart::toImage(QSize size) const
{
    size = sizeOr(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderAt(painter, size, true);
    return image;
}

QPicture Chart::toPicture(QSize size) const
{
    size = sizeOr(size);
    QPicture picture;
    QPainter painter(&picture);
    renderAt(painter, size, false);
    painter.end();
    picture.setBoundingRect(QRect(QPoint(0, 0), size));
    return picture;
}

QByteArray Chart::toSvg(QSize size) const
{
    size = sizeOr(size);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(objectName());
    {
        QPainter painter(&generator);
        renderAt(painter, size, false);
    }
    return data;
}

ChartLayout Chart::print(QPainter& painter, const QRectF& area) const
{
    return renderScaled(painter, area, logicalSize(), m_model, m_hooks, {false});
}

void Chart::paintEvent(QPaintEvent*)
{
    // Painting goes through an RGB32 image so that the after-draw hook can draw with
    // exclusive-or whatever backend the window system offers.
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (pixels.isEmpty())
        return;
    if (m_buffer.size() != pixels)
        m_buffer = QImage(pixels, QImage::Format_RGB32);
    m_buffer.setDevicePixelRatio(dpr);
    {
        QPainter painter(&m_buffer);
        renderAt(painter, size(), true);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_buffer);
}

} // namespace zuv::charts
