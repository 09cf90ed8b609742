// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "nameimport.h"

#include "namelist.h"
#include "safefile.h"

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
        result.message = QStringLiteral("Die Datei „%1“ ist weder eine vCard-Datei noch eine CSV-Datei mit "
                                        "Spalten für Name und Geburtstag.")
                             .arg(QFileInfo(path).fileName());
        return result;
    }
    result.preview = zuv::exchange::previewImport(contacts, existing, kNameLength);
    return result;
}

void addNames(zuv::store::Table& names, const std::vector<zuv::exchange::NamedDate>& rows)
{
    // Each row goes into the file as the name grid's rows do, keyed by its own id, so a
    // second running copy's names are never written over; a failure takes back the rows this
    // import already added, so nothing is left half-imported.
    if (names.rowLevelWrites())
        names.reloadIfChanged();
    const int before = names.rowCount();
    try {
        for (const zuv::exchange::NamedDate& r : rows) {
            names.append();
            names.setValue(kNameField, r.name);
            names.setValue(kBirthDateField, r.date);
            names.post();
        }
        if (!names.rowLevelWrites())
            names.saveToFile();
    } catch (...) {
        if (names.isActive()) {
            names.cancel();
            try {
                while (names.rowCount() > before) {
                    names.setCurrentRow(names.rowCount() - 1);
                    names.deleteRow();
                }
            } catch (...) {
                // The file refuses every write: the rows it took stay and are shown.
            }
        }
        throw;
    }
}

} // namespace zuv::people
