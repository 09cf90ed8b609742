// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "krv_calendar.h"

namespace KRV_Calendar {

double OsterSonn(std::int32_t year)
{
    const std::optional<std::int32_t> easter = zuv::dates::easterSunday(year);
    if (!easter)
        throw CalendarError("Ostersonntag nur für die Jahre 1 bis 9999");
    return static_cast<double>(*easter);
}

} // namespace KRV_Calendar
