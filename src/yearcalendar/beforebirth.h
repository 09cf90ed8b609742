// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Months of a year calendar that end before the chosen person was born: a biorhythm has no
// values there, so such a page shows neither the chart nor the critical-days legend. The
// rest of the page (grid, holidays, birthdays, pictures) stays as usual.

#include "yearproject.h"

#include <QDate>
#include <QString>

namespace zuv::yearcal {

// True when the last day of month (1..12) of year lies before birth. A month holding the
// birthday is not before it. False for an invalid birth date.
bool monthEndsBeforeBirth(const QDate& birth, int year, int month);

// What the window and the command line say once for a calendar of year, e.g. "Bert ist am
// 29.07.2026 geboren: Januar bis Juni 2026 erscheinen ohne Biorhythmus und kritische
// Tage." Empty when no month of year ends before the birth.
QString beforeBirthNote(const Person& person, int year);

} // namespace zuv::yearcal
