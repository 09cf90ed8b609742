// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reads the events of iCalendar files (school holidays, family dates) as the day ranges
// they cover in a window of dates, through libical: all-day and multi-day events, timed
// events by their local date in one time zone (Europe/Berlin), recurrences (RRULE, RDATE,
// EXDATE, changed single occurrences). A broken event is reported with file and line and
// left out; the good events of the same file still count.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace zuv::exchange {

// One occurrence of an event: the days it covers, in the local time zone.
struct Appointment {
    QDate first;
    QDate last;       // inclusive; == first for a one-day event
    QString summary;  // blanks simplified; "(ohne Titel)" for an event without one
    bool operator==(const Appointment&) const = default;
};

// A problem found in a file; line is 1-based (0: the file as a whole).
struct IcsMessage {
    QString file;
    int line = 0;
    QString text;
    // "termine.ics, Zeile 12: <text>"
    QString toString() const;
    bool operator==(const IcsMessage&) const = default;
};

struct IcsResult {
    std::vector<Appointment> appointments;   // sorted by first day, then file order
    std::vector<IcsMessage> messages;
    int events = 0;                          // events read whole (recurrences count once)
};

inline const QByteArray kLocalZone = QByteArrayLiteral("Europe/Berlin");

// Occurrences of the events of bytes that touch from..to (inclusive). fileName only names
// the file in messages. zone is the time zone whose dates count (an Olson name).
IcsResult readIcs(const QByteArray& bytes, const QString& fileName, const QDate& from,
                  const QDate& to, const QByteArray& zone = kLocalZone);

// The same for several files, appended in order; a file that cannot be read is one message.
IcsResult readIcsFiles(const QStringList& paths, const QDate& from, const QDate& to,
                       const QByteArray& zone = kLocalZone);

} // namespace zuv::exchange
