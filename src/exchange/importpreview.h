// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What an import of contacts would do to the name list, before anything is written: the
// rows to add, those already there, those skipped for want of a birth year, and those that
// cannot be read. Names longer than the name field are shortened and marked.

#include "contacts.h"
#include "exportevent.h"

#include <QString>
#include <vector>

namespace zuv::exchange {

enum class RowStatus { Add, AlreadyThere, NoYear, Unreadable };

struct PreviewRow {
    QString name;         // as it would be stored (at most maxNameLength characters)
    QDate birthDate;      // valid for Add and AlreadyThere
    RowStatus status = RowStatus::Unreadable;
    bool shortened = false;
    QString source;       // the birthday as written
    int line = 0;         // in the contact file
    bool operator==(const PreviewRow&) const = default;
};

struct ImportPreview {
    std::vector<PreviewRow> rows;   // in file order
    int withoutBirthday = 0;        // contacts without any birthday: not listed
    int count(RowStatus status) const;
    // The rows to add, as name list rows.
    std::vector<NamedDate> toAdd() const;
};

// A contact is already there when the name list has a row with the same (shortened) name,
// ignoring case, and the same birth date; so is the second of two equal contacts.
ImportPreview previewImport(const ContactFile& contacts, const std::vector<NamedDate>& existing,
                            int maxNameLength = 30);

// "wird hinzugefügt", "schon vorhanden", "ohne Geburtsjahr übersprungen", "nicht lesbar";
// with " (Name gekürzt)" for a shortened name.
QString rowStatusText(const PreviewRow& row);

// "3 Namen neu, 1 schon vorhanden, 1 ohne Geburtsjahr übersprungen, 1 nicht lesbar"
QString previewSummary(const ImportPreview& preview);

} // namespace zuv::exchange
