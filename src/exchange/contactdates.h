// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Birthdays as address books write them: ISO ("1987-03-14", "19870314", with or without a
// time), German ("14.03.1987", "14.3.1987"), US ("3/14/1987"), and without a year ("--0314",
// "--03-14", "14.03.").

#include <QDate>
#include <QString>

namespace zuv::exchange {

enum class DateStatus {
    Ok,
    Empty,        // no birthday (also Outlook's "0.0.00")
    NoYear,       // day and month only
    Unreadable,   // none of the known forms, or no such day
};

struct ContactDate {
    DateStatus status = DateStatus::Empty;
    QDate date;    // valid for Ok
    bool operator==(const ContactDate&) const = default;
};

ContactDate parseContactDate(const QString& text);

} // namespace zuv::exchange
