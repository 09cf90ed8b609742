// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Fits the main window to the screen it opens on. The pages were designed at 840 x 478
// pixels; they, their fonts and charts, the menu, the tab bar and the status bar all grow or
// shrink by one factor: the smaller of what the screen's work area allows across and down.
// Scaling by the smaller factor keeps every control and the status bar on the screen on wide
// screens and at any scale factor, where stretching the window to the screen in both
// directions and the controls by the width alone pushed the lower controls out of sight.

#include "pagelayout.h"

#include <QRect>
#include <QSize>

namespace zuv::app {

// Size of either page at design, in pixels: the biorhythm page's.
using zuv::bio::kPageDesignSize;
// Device pixels per design pixel below which texts get too small to read; the window's
// minimum size keeps to it unless the screen itself is smaller.
inline constexpr double kSmallestReadableScale = 0.75;
// What a window manager's frame usually takes when the real frame is not known yet.
inline constexpr QSize kFrameEstimate{8, 32};

// Room a Wayland session's panels and the window's own title bar may take: there the screen's
// available geometry is the whole output, and the compositor does not say where its panels are.
inline constexpr QSize kUnknownPanelAllowance{48, 112};

struct Sizing {
    double factor = 1;       // pages, fonts, menu, tab bar and status bar
    QSize window;            // the window's size without the window manager's frame
    QSize minimumPage;       // the pages' smallest size; the window's minimum follows from it
};

// The factor that fits a page of kPageDesignSize, with `chrome` (menu, tab bar and its frame,
// status bar) and the window manager's `frame` around it, into `workArea` (logical pixels).
// Never below 0.1.
double fitFactor(QSize workArea, QSize frame, QSize chrome);

// The window for factor: chrome plus the page at factor (edges rounded). The pages' minimum is
// the page at the smallest readable scale for devicePixelRatio (physical pixels per logical
// pixel), but never more than the page at factor, so the window fits the screen it was made for.
Sizing sizingFor(double factor, QSize chrome, double devicePixelRatio);

// The area the window may fill. Where the platform reports the desktop's work area
// (`workAreaKnown`, X11 and the like) that is `available`; otherwise (Wayland) the output less
// kUnknownPanelAllowance, centred, so the status bar stays visible under any usual panel.
QRect usableArea(QRect available, bool workAreaKnown);

} // namespace zuv::app
