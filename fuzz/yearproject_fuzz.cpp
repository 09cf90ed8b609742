// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes as a year calendar project file. The reader either refuses them
// with zuv::core::Error or returns a project that is in range and survives writing and
// reading back unchanged.
#include "dialogs.h"
#include "yearproject.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    zuv::yearcal::YearProject project;
    try {
        project = zuv::yearcal::projectFromJson(bytes);
    } catch (const zuv::core::Error&) {
        return 0;
    }
    if (project.year < 1 || project.year > 9999 || !zuv::yearcal::findRegion(project.regionCode))
        std::abort();
    for (const QStringList& month : project.pictures)
        if (month.size() > zuv::yearcal::kMaxPicturesPerMonth)
            std::abort();
    if (zuv::yearcal::projectFromJson(zuv::yearcal::projectToJson(project)) != project)
        std::abort();
    return 0;
}
