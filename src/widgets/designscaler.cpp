// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "designscaler.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zuv::widgets {

ScaleFactors scaleFactors(QSize design, QSize size)
{
    ScaleFactors f;
    if (design.width() > 0)
        f.x = double(size.width()) / design.width();
    if (design.height() > 0)
        f.y = double(size.height()) / design.height();
    f.font = std::min(f.x, f.y);
    return f;
}

QRect scaleRect(const QRect& design, const ScaleFactors& f)
{
    const auto edge = [](int v, double factor) { return int(std::lround(v * factor)); };
    const int left = edge(design.x(), f.x);
    const int top = edge(design.y(), f.y);
    const int right = edge(design.x() + design.width(), f.x);
    const int bottom = edge(design.y() + design.height(), f.y);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QFont scaleFont(const QFont& design, double factor)
{
    QFont font = design;
    if (design.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(design.pixelSize() * factor))));
    else if (design.pointSizeF() > 0)
        font.setPointSizeF(std::max(1.0, design.pointSizeF() * factor));
    return font;
}

void DesignScaler::capture(QWidget* panel, QSize design)
{
    m_panel = panel;
    m_design = design;
    m_panelFont = panel->font();
    m_controls.clear();
    m_fontFactor = 1;
    const auto children = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        const bool ownFont = child->testAttribute(Qt::WA_SetFont);
        m_controls.push_back({child, child->geometry(), ownFont, ownFont ? child->font() : QFont()});
    }
}

ScaleFactors DesignScaler::apply(QSize size)
{
    const ScaleFactors f = scaleFactors(m_design, size);
    const bool fontsChange = std::abs(f.font - m_fontFactor) > 1e-6;
    if (fontsChange && m_panel)
        m_panel->setFont(scaleFont(m_panelFont, f.font));
    for (const Control& c : m_controls) {
        if (!c.widget)
            continue;
        if (fontsChange && c.ownFont)
            c.widget->setFont(scaleFont(c.font, f.font));
        c.widget->setGeometry(scaleRect(c.rect, f));
    }
    m_fontFactor = f.font;
    return f;
}

QRect DesignScaler::designRect(const QWidget* control) const
{
    for (const Control& c : m_controls) {
        if (c.widget == control)
            return c.rect;
    }
    return {};
}

} // namespace zuv::widgets
