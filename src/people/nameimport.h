// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names and birthdays from an address book export (vCard, CSV) into the name table: the
// preview of a file against the rows the table holds, and the addition of the new rows as
// one write of the table's file.

#include "importpreview.h"
#include "table.h"

#include <QString>
#include <vector>

namespace zuv::people {

// The table's rows as names with birth dates (null date: none), in table order.
std::vector<zuv::exchange::NamedDate> namesOf(const zuv::store::Table& names);

// What reading a contact file found.
struct NameFile {
    enum Status { Ok, UnknownFormat, Unreadable } status = Ok;
    QString message;                        // German, for UnknownFormat and Unreadable
    zuv::exchange::ImportPreview preview;   // for Ok
};
NameFile previewNameFile(const QString& path, const std::vector<zuv::exchange::NamedDate>& existing);

// Appends rows to the name table ("Name", "Geburtsdatum"). A table that writes row by row
// stores each row as the grid does (rows another program wrote meanwhile are read first and
// kept); otherwise the file is written once at the end. When anything fails the rows this
// call added are taken back and the error is thrown (zuv::store::TableError).
void addNames(zuv::store::Table& names, const std::vector<zuv::exchange::NamedDate>& rows);

} // namespace zuv::people
