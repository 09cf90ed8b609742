// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An all-day event as the calendar file written by the program holds it: holidays,
// birthdays and critical days. Plain value; icswriter.h turns a list of them into text.

#include <QDate>
#include <QString>

namespace zuv::exchange {

enum class Repeat {
    None,
    Yearly,              // every year on the day of first
    LastDayOfFebruary,   // every year on the last day of February (29 February birthdays)
};

struct ExportEvent {
    QString uid;           // stable: the same day of the same source gives the same UID
    QString summary;
    QString description;   // may be empty
    QString category;      // "Feiertag", "Geburtstag", "Kritischer Tag"
    QDate first;           // first day
    QDate last;            // last day, inclusive (>= first)
    Repeat repeat = Repeat::None;
    bool operator==(const ExportEvent&) const = default;
};

// A name with a date: a person of the name list with the birth date (null: none stored).
struct NamedDate {
    QString name;
    QDate date;
    bool operator==(const NamedDate&) const = default;
};

} // namespace zuv::exchange
