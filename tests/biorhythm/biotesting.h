// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared helpers of the biorhythm tests: readable Qt values in failure messages and a
// dialog seam that records instead of blocking.

#include "dialogs.h"
#include "printers.h"
#include "recordingdialogs.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>


namespace zuv::bio::testing {

using zuv::testing::RecordingDialogs;

} // namespace zuv::bio::testing
