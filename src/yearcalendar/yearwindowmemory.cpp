// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearwindowmemory.h"

#include <QSettings>

namespace zuv::yearcal {

namespace {

const QString kGeometry = QStringLiteral("Jahreskalender/Fenster");
const QString kFolder = QStringLiteral("Jahreskalender/Bilderordner");

} // namespace

YearWindowMemory recallYearWindow()
{
    const QSettings settings;
    return {settings.value(kGeometry).toByteArray(), settings.value(kFolder).toString()};
}

void keepYearWindow(const YearWindowMemory& memory)
{
    QSettings settings;
    settings.setValue(kGeometry, memory.geometry);
    settings.setValue(kFolder, memory.pictureFolder);
}

} // namespace zuv::yearcal
