// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the program may place its own windows. On X11 a program centres its dialogs on the
// main window; a Wayland compositor places every window itself, ignores moves and reports the
// whole output as the available area, so there the program neither moves nor relies on it.

#include <QString>

class QWidget;

namespace zuv::core {

// False for Wayland platforms ("wayland", "wayland-egl", ...), true for all others.
bool platformPlacesWindows(const QString& platformName);

// Centres window on its parent's window (or on its screen's work area without a parent),
// where the platform lets programs place windows; elsewhere leaves it to the compositor.
void centreOnParent(QWidget* window);

} // namespace zuv::core
