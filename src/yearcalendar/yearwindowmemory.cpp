// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearwindowmemory.h"

#include "settings.h"

namespace zuv::yearcal {

namespace {

const QString kGeometry = QStringLiteral("Jahreskalender/Fenster");
const QString kFolder = QStringLiteral("Jahreskalender/Bilderordner");
const QString kProject = QStringLiteral("Jahreskalender/Projekt");

} // namespace

YearWindowMemory recallYearWindow()
{
    const zuv::core::Settings& settings = zuv::core::settings();
    return {settings.value(kGeometry).toByteArray(), settings.string(kFolder), settings.string(kProject)};
}

void keepYearWindow(const YearWindowMemory& memory)
{
    zuv::core::Settings& settings = zuv::core::settings();
    settings.set(kGeometry, memory.geometry);
    settings.set(kFolder, memory.pictureFolder);
    settings.set(kProject, memory.lastProject);
    settings.sync();
}

} // namespace zuv::yearcal
