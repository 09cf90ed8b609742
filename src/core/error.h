// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The base of the program's errors. Every error the program throws for the user to read
// derives from Error (TableError, the year calendar's command-line failures...); its
// message is German, complete and shown as it is by the application's error box
// (dialogs.h: guarded, and the application's event handler). what() is the message in
// UTF-8. The holiday calendar, which uses no Qt, throws its own CalendarError, a
// std::runtime_error with a UTF-8 message, which the error box shows the same way.

#include <QString>
#include <stdexcept>

namespace zuv::core {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);
    // The message as given.
    QString message() const;
};

} // namespace zuv::core
