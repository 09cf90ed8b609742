// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the "Foto Kalender" page keeps from run to run besides its menu choices
// (fotopagechoices.h): the region of its "Bundesland" box and the fonts its font menus gave
// the calendar page (title, weekday headings, day numbers), each with its colour. Kept under
// "FotoKalender/..." in the program's settings file.

#include <QString>
#include <QStringList>

namespace zuv::core { class Settings; }

namespace zuv::photo {

class CalendarReport;

// The text elements whose font and colour the font menus change: the title (QRLabel1), the
// weekday headings (QRLabel2..8) and the day cells (QRDBText2..8).
QStringList fontMenuElements();

// The stored region's holiday calendar code; empty when none is stored or it is no region
// of the year calendar's list (zuv::dates::yearCalendarRegions()).
QString readFotoPageRegion(const zuv::core::Settings& settings);
void writeFotoPageRegion(zuv::core::Settings& settings, const QString& code);

// Gives each element of fontMenuElements() its stored font and colour. A missing or unusable
// value (not a font, a size outside 1..400 points, not a colour) leaves the element as it is,
// that is the design's.
void readReportFonts(const zuv::core::Settings& settings, CalendarReport& report);
void writeReportFonts(zuv::core::Settings& settings, const CalendarReport& report);

} // namespace zuv::photo
