// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The four main phases of the moon (new moon, first quarter, full moon, last quarter) for
// the years 1 to 9999, from the periodic series of the mean lunation with the Sun's and the
// Moon's anomalies and the Moon's argument of latitude (accurate to well under a minute
// near the present, a few minutes in the distant past and future apart from the
// uncertainty of Delta T there), and the day on which each falls in a local time zone.
//
//     const QTimeZone zone = zuv::astronomy::regionTimeZone(QStringLiteral("BY"));
//     for (const MoonEvent& e : zuv::astronomy::moonPhasesOfYear(2027, zone)) ...
//
// Instants are shared date values in UT (days since 30.12.1899 00:00 UT, with fraction).
// Pure functions; safe on any thread.

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <vector>

namespace zuv::astronomy {

enum class MoonPhase : std::uint8_t { New = 0, FirstQuarter = 1, Full = 2, LastQuarter = 3 };

// "Neumond", "Erstes Viertel", "Vollmond", "Letztes Viertel".
QString moonPhaseName(MoonPhase phase);

// Julian Ephemeris Day (dynamical time) of phase in lunation k; lunation 0 holds the new
// moon of 6 January 2000, negative lunations lie before it.
double phaseJde(std::int64_t lunation, MoonPhase phase);

// Delta T = TT - UT in seconds for a decimal year (2000.5 = mid-2000), from the piecewise
// polynomials fitted to the historical record and its long-term parabola. Any year.
double deltaTSeconds(double decimalYear);

// Converts a Julian Day to the shared date value (days since 30.12.1899 00:00).
constexpr double dateValueOfJulianDay(double jd) { return jd - 2415018.5; }

struct MoonEvent {
    MoonPhase phase = MoonPhase::New;
    double ut = 0;       // instant, shared date value in UT
    QDate localDay;      // the day it falls on in the asked time zone
    bool operator==(const MoonEvent&) const = default;
};

// The main phases whose local day lies in year (1..9999), in time order (49 to 51 of
// them). Returns an empty list for years outside 1..9999.
std::vector<MoonEvent> moonPhasesOfYear(int year, const QTimeZone& zone);

// The events of list whose local day lies in month (1..12) of year, in order.
std::vector<MoonEvent> eventsInMonth(const std::vector<MoonEvent>& list, int year, int month);

// The time zone whose local day the calendar of a holiday region uses: Europe/Berlin for
// Germany and its states, Europe/Vienna for Austria and its states, Europe/Zurich for
// Switzerland and its cantons; Europe/Berlin for an unknown code. Summer time and the
// historic offsets come from the system's time-zone database.
QTimeZone regionTimeZone(const QString& regionCode);

} // namespace zuv::astronomy
