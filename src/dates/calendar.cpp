// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "calendar.h"

namespace zuv::dates {

std::optional<std::int32_t> easterSunday(std::int32_t year) noexcept
{
    if (year < 1 || year > 9999)
        return std::nullopt;
    // Gregorian computus in the arithmetic form of Meeus, Jones and Butcher:
    // h is the epact-derived distance to the Paschal full moon, l the step to Sunday.
    const std::int32_t a = year % 19;
    const std::int32_t b = year / 100;
    const std::int32_t c = year % 100;
    const std::int32_t d = b / 4;
    const std::int32_t e = b % 4;
    const std::int32_t f = (b + 8) / 25;
    const std::int32_t g = (b - f + 1) / 3;
    const std::int32_t h = (19 * a + b - d - g + 15) % 30;
    const std::int32_t i = c / 4;
    const std::int32_t k = c % 4;
    const std::int32_t l = (32 + 2 * e + 2 * i - h - k) % 7;
    const std::int32_t m = (a + 11 * h + 22 * l) / 451;
    const std::int32_t month = (h + l - 7 * m + 114) / 31;
    const std::int32_t day = (h + l - 7 * m + 114) % 31 + 1;
    return daySerial(year, month, day);
}

} // namespace zuv::dates
