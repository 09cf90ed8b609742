// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "namelist.h"

#include "dialogs.h"
#include "namebox.h"

#include <QComboBox>
#include <QPointer>
#include <QSignalBlocker>
#include <QWidget>

namespace zuv::people {

using zuv::store::FieldDef;
using zuv::store::FieldType;
using zuv::store::Table;

std::vector<FieldDef> nameListFields()
{
    return {FieldDef{kNameField, FieldType::String, kNameLength},
            FieldDef{kBirthDateField, FieldType::Date, 0}};
}

void refillNameBox(QComboBox& ComboBox3, Table& names, bool clearText)
{
    // The page reacts to the user's choice only; filling the box is no choice.
    const QSignalBlocker blocker(ComboBox3);
    const QString text = ComboBox3.currentText();
    auto* model = qobject_cast<NameBoxModel*>(ComboBox3.model());
    if (!model || &model->table() != &names) {
        model = new NameBoxModel(names, &ComboBox3);
        ComboBox3.setModel(model);
    }
    model->refill();
    // The refill walks the table to its end, as reading every row does.
    if (names.isActive())
        names.setCurrentRow(names.rowCount());
    // After a refill nothing is selected.
    ComboBox3.setCurrentIndex(-1);
    if (ComboBox3.isEditable())
        ComboBox3.setEditText(clearText ? QString() : text);
}

bool nameBoxIsCurrent(const QComboBox& ComboBox3, const Table& names)
{
    const auto* model = qobject_cast<const NameBoxModel*>(ComboBox3.model());
    return model && &model->table() == &names && model->shownGeneration() == names.generation();
}

std::optional<NameLookup> lookupBirthDate(const Table& names, const QString& name)
{
    const int nameIndex = names.fieldIndex(kNameField);
    const int dateIndex = names.fieldIndex(kBirthDateField);
    if (nameIndex < 0 || dateIndex < 0)
        return std::nullopt;
    for (int row = 0; row < names.rowCount(); ++row) {
        const QString stored = names.cell(row, nameIndex).toString();
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return NameLookup{row, names.cell(row, dateIndex).toDate()};
    }
    return std::nullopt;
}

void connectNameTable(Table& names, std::function<void()> refill, QWidget* errorParent)
{
    // Each post and delete writes its own row at once (one durable transaction), so a
    // session's edits survive a crash and a second running copy keeps its own.
    names.setRowLevelWrites(true);
    QPointer<QWidget> parent(errorParent);
    auto saveAndRefill = [&names, refill = std::move(refill), parent] {
        // A table whose rows are written one by one has nothing left to save; others
        // (opened without a file, or after a whole-file change) are written whole.
        if (!names.fileName().isEmpty() && names.isModified()) {
            QString problem;
            try {
                names.saveToFile();
            } catch (const zuv::store::TableError& e) {
                problem = e.message();
            } catch (const zuv::core::Error& e) {
                problem = e.message();
            } catch (const std::exception& e) {
                problem = QString::fromLocal8Bit(e.what());
            }
            if (!problem.isNull()) {
                zuv::core::dialogs().error(
                    parent, QStringLiteral("Die Namensliste konnte nicht gespeichert werden.\n%1")
                                .arg(problem));
            }
        }
        if (refill)
            refill();
    };
    names.afterPost.subscribe(errorParent, saveAndRefill);
    names.afterDelete.subscribe(errorParent, saveAndRefill);
}

} // namespace zuv::people
