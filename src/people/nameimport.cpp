// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "nameimport.h"

#include "namelist.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zuv::people {

namespace {

// Address book exports are small; a larger file is none.
constexpr qint64 kMaxContactBytes = 32 * 1024 * 1024;

} // namespace

std::vector<zuv::exchange::NamedDate> namesOf(const zuv::store::Table& names)
{
    std::vector<zuv::exchange::NamedDate> list;
    const int nameField = names.fieldIndex(kNameField);
    const int dateField = names.fieldIndex(kBirthDateField);
    if (nameField < 0 || dateField < 0)
        return list;
    for (int row = 0; row < names.rowCount(); ++row)
        list.push_back({names.cell(row, nameField).toString(), names.cell(row, dateField).toDate()});
    return list;
}

NameFile previewNameFile(const QString& path, const std::vector<zuv::exchange::NamedDate>& existing)
{
    NameFile result;
    zuv::store::FileProblem problem = zuv::store::FileProblem::None;
    const QByteArray bytes = zuv::store::readRegularFile(path, kMaxContactBytes, problem);
    if (problem != zuv::store::FileProblem::None) {
        result.status = NameFile::Unreadable;
        result.message = zuv::store::fileProblemMessage(path, problem);
        return result;
    }
    const zuv::exchange::ContactFile contacts = zuv::exchange::readContacts(bytes);
    if (contacts.format == zuv::exchange::ContactFormat::Unknown) {
        result.status = NameFile::UnknownFormat;
        result.message
            = QCoreApplication::translate("People",
                                          "Die Datei „%1“ ist weder eine vCard-Datei noch eine CSV-Datei mit "
                                          "Spalten für Name und Geburtstag.")
                  .arg(QFileInfo(path).fileName());
        return result;
    }
    result.preview = zuv::exchange::previewImport(contacts, existing, kNameLength);
    return result;
}

void addNames(zuv::store::Table& names, const std::vector<zuv::exchange::NamedDate>& rows)
{
    // One write for all rows, keyed by ids of their own as the grid's rows are, so a second
    // running copy's names are never written over and nothing is ever half-imported.
    if (names.rowLevelWrites())
        names.reloadIfChanged();
    const int nameField = names.indexOf(kNameField);
    const int dateField = names.indexOf(kBirthDateField);
    std::vector<std::vector<QVariant>> values;
    values.reserve(rows.size());
    for (const zuv::exchange::NamedDate& r : rows) {
        std::vector<QVariant> row(names.fieldDefs().size());
        row[static_cast<std::size_t>(nameField)] = r.name;
        row[static_cast<std::size_t>(dateField)] = r.date;
        values.push_back(std::move(row));
    }
    const int before = names.rowCount();
    names.appendRows(values);
    if (names.rowLevelWrites())
        return;
    try {
        names.saveToFile();
    } catch (...) {
        // The whole file could not be written: the list stays as it was.
        while (names.rowCount() > before) {
            names.setCurrentRow(names.rowCount() - 1);
            names.deleteRow();
        }
        throw;
    }
}

} // namespace zuv::people
