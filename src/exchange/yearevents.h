// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The events of one year calendar for the file export: the holidays of a region (the days
// the month pages mark, with the names they print), the birthdays of the name list and
// single marked days such as critical days.

#include "exportevent.h"

#include <QStringList>
#include <vector>

namespace zuv::exchange {

// The public holidays of regionCode (a code of the holiday calendar, "BY", "A") in year
// (1..9999): the days the month page marks, each with the names it prints (blanks
// simplified). Throws zuv::core::Error for an unknown code or a year out of range.
std::vector<ExportEvent> holidayEvents(int year, const QString& regionCode);

// One yearly all-day event per person with a name and a birth date not after year, on the
// day the month page shows it in year (29 February: the last day of February, so 28
// February in common years), the age reached in year in the description. Order of people.
std::vector<ExportEvent> birthdayEvents(const std::vector<NamedDate>& people, int year);

// Single all-day events, one per entry: the entry's name is the summary. kind ("kritisch")
// and owner (e.g. a person's name and birth date) make the UID, so that another owner's
// days do not replace these.
std::vector<ExportEvent> markedDayEvents(const std::vector<NamedDate>& days, const QString& kind,
                                         const QString& owner, const QString& category,
                                         const QString& description);

} // namespace zuv::exchange
