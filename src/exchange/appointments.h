// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The appointments of one month page: which days they cover within the month, the line
// under the holidays ("Termine: 15. Zahnarzt  25.–30. Herbstferien") and the days of the
// shaded band that multi-day appointments get.

#include "icsreader.h"

#include <QString>
#include <array>
#include <vector>

namespace zuv::exchange {

struct MonthAppointment {
    int firstDay = 0;    // day of the month, 1..31, clipped to the month
    int lastDay = 0;     // inclusive, >= firstDay
    QString summary;
    bool multiDay = false;   // the appointment covers more than one day (also outside the month)
    bool operator==(const MonthAppointment&) const = default;
};

// The appointments touching month (1..12) of year, by first day, then last day, then the
// order given; the same range and summary from two files appears once.
std::vector<MonthAppointment> appointmentsInMonth(const std::vector<Appointment>& all, int year, int month);

// "Termine: 15. Zahnarzt  25.–30. Herbstferien"; empty for no appointments.
QString appointmentLine(const std::vector<MonthAppointment>& month);

// Index = day of the month (1..31; 0 unused): true on the days of multi-day appointments.
std::array<bool, 32> bandDays(const std::vector<MonthAppointment>& month);

} // namespace zuv::exchange
