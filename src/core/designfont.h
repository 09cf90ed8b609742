// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The font families the windows and pages are designed with are Windows families, rarely
// installed here; each has look-alikes of the same metrics. Qt finds a look-alike through
// the substitutions registered below, but only after asking fontconfig for a whole list of
// fallback fonts for the missing family, per style: a good part of the program's start.
// Fonts the program makes itself therefore name the installed look-alike straight away.

#include <QString>

namespace zuv::core {

// The family that draws designFamily here: designFamily itself when it is installed, else
// its first installed look-alike, else designFamily unchanged (left to Qt's fallback).
// Without a QGuiApplication, designFamily unchanged. Safe from any thread.
QString installedFamily(const QString& designFamily);

// Registers the look-alikes as Qt font substitutions, for the fonts that come from files
// and settings (rich texts, stored fonts) rather than from the design.
void registerLookAlikes();

} // namespace zuv::core
