// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "programicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace zuv::info {

void paintProgramIcon(QPainter& p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
    QLinearGradient ground(box.topLeft(), box.bottomLeft());
    ground.setColorAt(0, QColor(0x00, 0x00, 0xFF));
    ground.setColorAt(1, Qt::white);
    p.setPen(QPen(QColor(0x40, 0x00, 0x40), size / 32.0));
    p.setBrush(ground);
    p.drawRoundedRect(box, size / 6.0, size / 6.0);

    // The physical, emotional and intellectual cycles over the same days.
    struct Curve { double periodDays; QColor colour; };
    const std::array<Curve, 3> curves = {{
        {23, QColor(0xFF, 0x00, 0x00)},
        {28, QColor(0xFF, 0xFF, 0x00)},
        {33, QColor(0x00, 0x80, 0x80)},
    }};
    const double mid = size / 2.0;
    const double amplitude = size * 0.3;
    const double margin = size * 0.12;
    for (const Curve& c : curves) {
        QPainterPath path;
        for (int i = 0; i <= 40; ++i) {
            const double day = i * 33.0 / 40.0;
            const double x = margin + (size - 2 * margin) * i / 40.0;
            const double y = mid - amplitude * std::sin(2 * M_PI * day / c.periodDays);
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.setPen(QPen(c.colour, qMax(1.0, size / 16.0), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(QPen(Qt::white, qMax(1.0, size / 32.0)));
    p.drawLine(QPointF(margin, mid), QPointF(size - margin, mid));
}

QPixmap programIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintProgramIcon(p, size);
    return pixmap;
}

QIcon programIcon()
{
    // Drawn once per run: every window that shows it shares the same pixmaps.
    static const QIcon icon = [] {
        QIcon built;
        for (int size : {16, 32, 48, 64, 128})
            built.addPixmap(programIconPixmap(size));
        return built;
    }();
    return icon;
}

} // namespace zuv::info
