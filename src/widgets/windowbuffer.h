// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A window's first paint touches its whole buffer (width x height x 4 bytes, shared with
// the window system), and every 4 KiB page of it costs a page fault of its own, a good
// part of the program's start on a virtual machine. This maps the buffer in one call.

#include <QtGlobal>

class QWidget;

namespace zuv::widgets {

// Gives the top-level window its buffer at the window's size now and maps all of it.
// Returns the bytes mapped: 0 on platforms other than X11 and offscreen, where the buffer
// is no image in memory, or where the system cannot map ahead (Linux before 5.14). The
// pixels are not changed.
qsizetype mapWindowBuffer(QWidget& window);

} // namespace zuv::widgets
