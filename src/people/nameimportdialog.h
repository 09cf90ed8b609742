// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Namen einlesen…" of the name-list window: choose a vCard or CSV file, see what would be
// added, what is already there and what cannot be read, and confirm. Every modal step runs
// through the dialog seam (zuv::core::dialogs()).

#include "importpreview.h"
#include "table.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zuv::people {

// The preview: one line per contact with a birthday entry (name, birth date or the text as
// written, status), a summary, "Übernehmen" (only when there is something to add) and
// "Abbrechen".
class NameImportDialog : public QDialog {
    Q_OBJECT
public:
    NameImportDialog(const QString& fileName, const zuv::exchange::ImportPreview& preview,
                     QWidget* parent = nullptr);

    QTableWidget* Grid = nullptr;
    QLabel* Summary = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

// Asks for a file (an open-file dialog), then runs importNamesFrom.
void importNames(zuv::store::Table& names, QWidget* parent);

// Reads path, shows the preview and, when the user confirms, adds the new rows in one write
// (addNames). An unreadable or unknown file and a failed write are shown in the error box;
// the table then stays as it was. Returns the number of rows added.
int importNamesFrom(zuv::store::Table& names, const QString& path, QWidget* parent);

} // namespace zuv::people
