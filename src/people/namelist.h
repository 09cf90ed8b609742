// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The stored list of people (table CDSNamensliste: "Name", "Geburtsdatum") as the
// biorhythm page uses it: its fields, the refill of the name box, the lookup of a birth
// date by name and the wiring that saves the file and refills the box after every change.

#include "table.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QWidget;

namespace zuv::people {

inline const QString kNameField = QStringLiteral("Name");
inline const QString kBirthDateField = QStringLiteral("Geburtsdatum");
inline constexpr int kNameLength = 30;   // characters
// Relative to the program folder.
inline const QString kNameListFile = QStringLiteral("BioTab/Namensliste");

// Name (string, 30 characters), Geburtsdatum (date), in this order.
std::vector<zuv::store::FieldDef> nameListFields();

// Fills ComboBox3 with the "Name" of every row in table order (empty names and duplicates
// included), through a model that reads the table (no copy of the names: the same cost at
// any length). clearText empties the box's edit text too (after a post or delete); otherwise
// the text stays. Walks the table from first to eof, leaving the cursor behind the last row.
void refillNameBox(QComboBox& ComboBox3, zuv::store::Table& names, bool clearText);

// True when ComboBox3 shows the table's current rows (refilled since the last change).
bool nameBoxIsCurrent(const QComboBox& ComboBox3, const zuv::store::Table& names);

// A row found by name. birthDate is null when the row has no birth date
// (the caller then shows "Kein Geburtsdatum").
struct NameLookup {
    int row = -1;
    QDate birthDate;
    bool hasBirthDate() const { return birthDate.isValid(); }
};

// The first posted row whose "Name" equals name as a whole, ignoring case; nullopt when
// there is none. Reads the rows directly: the cursor and a pending edit stay untouched.
std::optional<NameLookup> lookupBirthDate(const zuv::store::Table& names, const QString& name);

// Switches the name table to row-level writes (each post and delete is stored at once in
// one durable transaction; a failure is thrown by post/delete and the row stays pending)
// and subscribes to afterPost and afterDelete: each runs refill. A table that still has
// changes to write whole (no row-level writes possible) is saved first; a failed save is
// shown in the error box (parent may be null) and the refill still runs. The
// subscriptions end with errorParent; without one the table must outlive refill.
void connectNameTable(zuv::store::Table& names, std::function<void()> refill,
                      QWidget* errorParent = nullptr);

} // namespace zuv::people
