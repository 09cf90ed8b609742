// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the year window keeps between runs: its size and place, the folder pictures were
// last taken from and the project file last opened or saved. Kept in the user's settings (QSettings, group "Jahreskalender"); these two
// functions are the one place that reads and writes them.

#include <QByteArray>
#include <QString>

namespace zuv::yearcal {

struct YearWindowMemory {
    QByteArray geometry;     // QWidget::saveGeometry(); empty: the window's own size
    QString pictureFolder;   // empty: none yet
    QString lastProject;     // absolute path; empty: the default project
};

YearWindowMemory recallYearWindow();
void keepYearWindow(const YearWindowMemory& memory);

} // namespace zuv::yearcal
