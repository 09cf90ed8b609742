// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Month names as a region says them: Austrian pages call January "Jänner" and February
// "Feber". Whether a page uses them is a switch of the page, on by default for Austria and
// its nine federal states.

#include <QString>

namespace zuv::photo {

enum class MonthNaming { German, Austrian };

// True for the holiday calendar's code of Austria ("A") or of an Austrian federal state
// ("B", "K", "N", "O", "Sb", "S", "T", "V", "W"); exact, case matters ("S" is Steiermark).
bool isAustrianRegion(const QString& code);
// Austrian names for Austrian regions, German names for all others.
MonthNaming defaultNaming(const QString& regionCode);

// Name of month 1..12: "Januar" .. "Dezember", or with Austrian naming "Jänner" and "Feber".
// Empty for a month out of range.
QString regionMonthName(int month, MonthNaming naming);

} // namespace zuv::photo
