// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the controls of the biorhythm page sit at design size: pixels inside the page's
// panel Panel28 (the page is 840 x 478 at design, the main window scales it).

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace zuv::bio {

struct ControlPlace {
    QString name;   // objectName of the control
    QRect rect;     // left, top, width, height
};

inline constexpr QSize kPageDesignSize{840, 478};

// Every placed control of the page, by objectName.
const std::vector<ControlPlace>& pageLayout();

// The design rectangle of a control; an empty rectangle for an unknown name.
QRect designRect(const QString& name);

} // namespace zuv::bio
