// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The year calendar and the calendar and contact files: what the year's calendar file
// holds (holidays, birthdays, critical days of the project's person), and the import of
// contacts into the name list.

#include "exportevent.h"
#include "yearproject.h"

#include <QDateTime>
#include <QString>
#include <vector>

class QTextStream;

namespace zuv::store { class Table; }

namespace zuv::yearcal {

// The events of the project's year as its pages show them: the holidays of its region,
// with project.birthdays the birthdays of people, with a person and project.criticalDays
// that person's critical days. Throws zuv::core::Error for a year or region out of range.
std::vector<zuv::exchange::ExportEvent> yearEvents(const YearProject& project,
                                                   const std::vector<Person>& people);

// Writes yearEvents() as an iCalendar file (atomically). Throws zuv::core::Error.
void saveYearIcs(const QString& path, const YearProject& project, const std::vector<Person>& people,
                 const QDateTime& stamp);

std::vector<zuv::exchange::NamedDate> namedDates(const std::vector<Person>& people);

// Exit statuses of --namen-einlesen.
enum NameImportStatus : int {
    kNamesOk = 0,
    kNamesUnknownFormat = 2,
    kNamesUnreadable = 3,
    kNamesNotWritten = 4,
};

// Imports the contacts of path into names without asking and prints the summary.
int runNameImport(const QString& path, zuv::store::Table& names, QTextStream& out, QTextStream& err);

} // namespace zuv::yearcal
