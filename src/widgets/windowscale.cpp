// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowscale.h"

#include "designscaler.h"

#include <QApplication>
#include <QFrame>
#include <QLayout>
#include <QWidget>
#include <cmath>
#include <memory>
#include <vector>

namespace zuv::widgets {

WindowScale& WindowScale::instance()
{
    static WindowScale scale;
    return scale;
}

QSize WindowScale::scaled(QSize design) const
{
    return {int(std::lround(design.width() * m_factor)), int(std::lround(design.height() * m_factor))};
}

void WindowScale::set(const QFont& designFont, double factor)
{
    const QFont font = scaleFont(designFont, factor);
    if (QApplication::font() != font)
        QApplication::setFont(font);
    if (std::abs(factor - m_factor) < 1e-6)
        return;
    m_factor = factor;
    emit changed(factor);
}

namespace {

// The scalers of one window: the window's own first, then those of its panels, so that a
// panel has its new size before its controls are placed in it.
struct WindowScalers {
    std::vector<std::pair<QWidget*, DesignScaler>> scalers;
    QSize design;
};

void scaleWindow(QWidget& window, WindowScalers& w)
{
    const QSize size = WindowScale::instance().scaled(w.design);
    window.setFixedSize(size);
    for (auto& [panel, scaler] : w.scalers)
        scaler.apply(panel == &window ? size : panel->size());
}

} // namespace

void followWindowScale(QWidget& window, QSize design, std::function<void(double)> afterwards)
{
    auto w = std::make_shared<WindowScalers>();
    w->design = design;
    w->scalers.emplace_back(&window, DesignScaler());
    w->scalers.back().second.capture(&window, design);
    // Panels placed by hand: plain frames and panels holding controls, without a layout.
    // (Composite controls such as grids keep the insides Qt places for them.)
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const QMetaObject* kind = child->metaObject();
        if (kind != &QWidget::staticMetaObject && kind != &QFrame::staticMetaObject)
            continue;
        if (child->isWindow() || child->layout() || child->parentWidget()->layout()
            || child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            continue;
        w->scalers.emplace_back(child, DesignScaler());
        w->scalers.back().second.capture(child, child->size());
    }
    const auto follow = [&window, w, afterwards](double factor) {
        scaleWindow(window, *w);
        if (afterwards)
            afterwards(factor);
    };
    QObject::connect(&WindowScale::instance(), &WindowScale::changed, &window, follow);
    if (std::abs(WindowScale::instance().factor() - 1) > 1e-6)
        follow(WindowScale::instance().factor());
}

} // namespace zuv::widgets
