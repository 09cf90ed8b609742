// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's icon: three cycle curves over a blue-to-white ground, drawn in code so that
// it needs no file. tools/make_icons.sh exports the same drawing to the icon theme files.

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace zuv::info {

// Paints the icon into the square (0, 0, size, size) of any paint device (pixmap, SVG).
void paintProgramIcon(QPainter& painter, int size);
// The icon at size x size pixels (size >= 16).
QPixmap programIconPixmap(int size);
// The program icon in the usual sizes (16, 32, 48, 64, 128), drawn on the first call.
QIcon programIcon();

} // namespace zuv::info
