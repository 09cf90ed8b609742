// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a month page shows beside its region's holidays, when switched on: the moon
// phases, a second region's own holidays, bridge days (zuv::daymarks) and the
// appointments of calendar files (zuv::exchange), as marks on the days and lines under
// the holiday line, in the month page's input. With everything off the page is the plain
// month page.
//
//     MonthPageInput in = ...;                       // year, month, region, pictures
//     const MonthPage page = buildMarkedMonthPage(in, {.moonPhases = true}, appointments);

#include "appointments.h"
#include "monthmarks.h"
#include "monthpage.h"

#include <vector>

namespace zuv::photo {

// The symbol of a moon phase beside a day number: ● new, ◐ first quarter, ○ full, ◑ last.
QString moonSymbol(zuv::astronomy::MoonPhase phase);

// The moon phases, bridge days and the second region's own holidays of marks as notes on
// their days, the moon and bridge-day lines appended to input.moreLines.
void addDayMarks(MonthPageInput& input, const zuv::daymarks::MonthMarks& marks);

// The appointments touching the input's month: the line "Termine: ..." appended to
// input.moreLines and the shaded band on the days of multi-day ones.
void addAppointments(MonthPageInput& input, const std::vector<zuv::exchange::Appointment>& all);

// buildMonthPage with the appointments (first, right under the holidays) and the marks
// options asks for; with a second region the holiday line tags its own holidays. Throws
// zuv::core::Error as buildMonthPage does, and for a second region that is unknown or the
// page's own region (German messages).
MonthPage buildMarkedMonthPage(MonthPageInput input, const zuv::daymarks::MarkOptions& options,
                               const std::vector<zuv::exchange::Appointment>& appointments = {});

} // namespace zuv::photo
