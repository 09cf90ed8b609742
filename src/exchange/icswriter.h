// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes all-day events as an iCalendar file (RFC 5545, UTF-8, CRLF lines folded at 75
// octets) through libical. A calendar program that imports the file a second time finds
// the same UIDs and updates the events instead of doubling them.

#include "exportevent.h"

#include <QByteArray>
#include <QDateTime>
#include <vector>

namespace zuv::exchange {

// The calendar text. stamp is the moment of writing (DTSTAMP of every event, in UTC);
// passing it in keeps the output reproducible.
QByteArray writeIcs(const std::vector<ExportEvent>& events, const QDateTime& stamp);

// Writes writeIcs() to path through a temporary file in the same folder, so an old file
// stays whole when writing fails. Throws zuv::core::Error with a German message.
void saveIcs(const QString& path, const std::vector<ExportEvent>& events, const QDateTime& stamp);

} // namespace zuv::exchange
