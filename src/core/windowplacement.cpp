// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zuv::core {

bool platformPlacesWindows(const QString& platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

void centreOnParent(QWidget* window)
{
    if (!window || !platformPlacesWindows(QGuiApplication::platformName()))
        return;
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QPoint centre = parent             ? parent->frameGeometry().center()
                          : window->screen() ? window->screen()->availableGeometry().center()
                                             : window->frameGeometry().center();
    QRect frame = window->frameGeometry();
    frame.moveCenter(centre);
    window->move(frame.topLeft());
}

} // namespace zuv::core
