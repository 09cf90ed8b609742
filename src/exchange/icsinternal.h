// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Between the file reader and the expansion of one event: the time zones of a file and
// one parsed event. Private to the library.

#include "icsreader.h"

#include <QByteArray>
#include <libical/ical.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zuv::exchange::detail {

// The time zones a file defines (VTIMEZONE), then the system's by Olson name.
class Zones {
public:
    explicit Zones(icaltimezone* local) : m_local(local) {}
    ~Zones();
    Zones(const Zones&) = delete;
    Zones& operator=(const Zones&) = delete;

    // Takes ownership of a parsed VTIMEZONE; false when it has no TZID.
    bool add(icalcomponent* vtimezone);
    // nullptr when the zone is neither in the file nor known to the system.
    icaltimezone* find(const char* tzid) const;
    icaltimezone* local() const { return m_local; }

private:
    std::map<std::string, icaltimezone*> m_own;
    icaltimezone* m_local;
};

// A changed or cancelled single occurrence: the master leaves it out.
struct Override {
    std::string uid;
    time_t start;     // RECURRENCE-ID as a moment (all-day: midnight UTC of that date)
    bool operator<(const Override& o) const { return uid != o.uid ? uid < o.uid : start < o.start; }
};

// Adds the occurrences of event that touch from..to to out. Returns an empty text or the
// German reason why the event was left out (out then unchanged); warning gets a remark
// about an event that still counts (an unknown time zone read as local time).
QString expandEvent(icalcomponent* event, const Zones& zones, const std::set<Override>& overrides,
                    const QDate& from, const QDate& to, std::vector<Appointment>& out,
                    QString& warning);

// The moment of a RECURRENCE-ID or EXDATE value for comparison with occurrences.
time_t momentOf(icaltimetype t, icaltimezone* zone);

// The zone of a DATE-TIME property: its TZID, UTC, or floating (local). unknown names
// a TZID that could not be found (read as local).
icaltimezone* zoneOf(icalproperty* p, icaltimetype t, const Zones& zones, QString* unknown);

} // namespace zuv::exchange::detail
