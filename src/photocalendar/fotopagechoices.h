// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the user chose on the "Foto Kalender" page beyond the month itself and keeps from
// run to run: how the pictures fill their slots and each one's focus point, the marks
// (moon phases, bridge days, a second region) and the calendar files whose appointments go
// on the page. Kept under "FotoKalender/..." in the program's settings file.

#include "picturefit.h"

#include <QString>
#include <QStringList>
#include <array>

namespace zuv::core { class Settings; }

namespace zuv::photo {

struct FotoPageChoices {
    PictureFit fit = PictureFit::Stretch;        // the month page's documented behaviour
    std::array<FocusPoint, 3> focus{};           // picture 1..3, for Zuschneiden
    bool moonPhases = false;
    bool bridgeDays = false;
    QString secondRegion;                        // holiday calendar code; empty: none
    QStringList appointmentFiles;                // iCalendar files, absolute paths
    bool operator==(const FotoPageChoices&) const = default;
};

// Reads the choices; a missing or unusable value (an unknown fit word, a focus point off
// the picture, a code that is no German or Austrian region) gives its default.
FotoPageChoices readFotoPageChoices(const zuv::core::Settings& settings);
void writeFotoPageChoices(zuv::core::Settings& settings, const FotoPageChoices& choices);

// The choices in the program's settings (zuv::core::settings()).
FotoPageChoices loadFotoPageChoices();
void saveFotoPageChoices(const FotoPageChoices& choices);

} // namespace zuv::photo
