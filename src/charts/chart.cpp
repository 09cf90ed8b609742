// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "chart.h"

#include "germandate.h"
#include "table.h"

#include <QBuffer>
#include <QPainter>
#include <QPointer>
#include <QSvgGenerator>
#include <algorithm>
#include <optional>

namespace zuv::charts {

namespace {

// An x or y value read from a table cell; nullopt for an empty or non-numeric cell.
std::optional<double> cellValue(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return std::nullopt;
    switch (v.typeId()) {
    case QMetaType::QDate:
        return zuv::core::toDateValue(v.toDate());
    case QMetaType::QDateTime:
        return zuv::core::toDateValue(v.toDateTime());
    default:
        break;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

} // namespace

Chart::Chart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Chart::bindTable(zuv::core::Table* table)
{
    if (m_table == table)
        return;
    m_tableSubscription.reset();
    m_table = table;
    if (m_table)
        m_tableSubscription = m_table->onDataChanged.subscribe([this] { refreshFromTable(); });
    refreshFromTable();
}

void Chart::refreshFromTable()
{
    clearSeries();
    if (m_table && m_table->isActive()) {
        const int rows = m_table->rowCount();
        for (Series& s : m_model.series) {
            const int yi = s.yField.isEmpty() ? -1 : m_table->fieldIndex(s.yField);
            if (yi < 0)
                continue;
            const int xi = s.xField.isEmpty() ? -1 : m_table->fieldIndex(s.xField);
            s.points.reserve(rows);
            for (int row = 0; row < rows; ++row) {
                const std::optional<double> y = cellValue(m_table->cell(row, yi));
                if (!y)
                    continue;
                // An empty x cell places the point at its row number.
                const std::optional<double> x = xi >= 0 ? cellValue(m_table->cell(row, xi))
                                                        : std::nullopt;
                s.points.emplace_back(x.value_or(row), *y);
            }
            std::stable_sort(s.points.begin(), s.points.end(),
                             [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        }
    }
    update();
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
