// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names and birthdays from address book exports: vCard 2.1/3.0/4.0 (FN or N, BDAY) and
// CSV files of mail programs and address books, whose name and birthday columns are found
// by their headers (English and German; a birthday split into year, month and day columns
// too). Text is UTF-8, UTF-16 with byte order mark, or else Latin-1.

#include "contactdates.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zuv::exchange {

enum class ContactFormat { Unknown, VCard, Csv };

// One contact with a birthday entry.
struct ContactEntry {
    QString name;           // as written, blanks simplified; may be empty
    ContactDate birthday;
    QString birthdayText;   // the value as written
    int line = 0;           // where the contact begins, 1-based
    bool operator==(const ContactEntry&) const = default;
};

struct ContactFile {
    ContactFormat format = ContactFormat::Unknown;
    std::vector<ContactEntry> entries;   // contacts that have a birthday entry, in file order
    int withoutBirthday = 0;             // contacts without one
};

// vCard when the text begins with BEGIN:VCARD; CSV when its first row has a name and a
// birthday column; otherwise Unknown (entries empty).
ContactFile readContacts(const QByteArray& bytes);

} // namespace zuv::exchange
