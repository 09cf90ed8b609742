#include "namelist.h"

#include "dialogs.h"

#include <QComboBox>
#include <QPointer>
#include <QSignalBlocker>
#include <QWidget>

namespace zuv::people {

using zuv::core::FieldDef;
using zuv::core::FieldType;
using zuv::core::Table;

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
    ComboBox3.clear();
    if (names.isActive()) {
        for (names.first(); !names.eof(); names.next())
            ComboBox3.addItem(names.asString(kNameField));
    }
    // Adding to an empty box selects its first item; after a refill nothing is selected.
    ComboBox3.setCurrentIndex(-1);
    if (ComboBox3.isEditable())
        ComboBox3.setEditText(clearText ? QString() : text);
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
    names.setDurable(true);
    QPointer<QWidget> parent(errorParent);
    auto saveAndRefill = [&names, refill = std::move(refill), parent] {
        if (!names.fileName().isEmpty()) {
            QString problem;
            try {
                names.saveToFile();
            } catch (const zuv::core::TableError& e) {
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
    names.afterPost = saveAndRefill;
    names.afterDelete = saveAndRefill;
}

} // namespace zuv::people
