// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "nameimportdialog.h"

#include "dialogs.h"
#include "nameimport.h"
#include "windowscale.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zuv::people {

NameImportDialog::NameImportDialog(const QString& fileName, const zuv::exchange::ImportPreview& preview,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NameImportDialog"));
    setWindowTitle(QStringLiteral("Namen einlesen – %1").arg(fileName));
    resize(zuv::widgets::WindowScale::instance().scaled(QSize(560, 360)));

    Grid = new QTableWidget(static_cast<int>(preview.rows.size()), 3, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Geburtsdatum"), QStringLiteral("Übernahme")});
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setColumnWidth(0, 220);
    for (int r = 0; r < static_cast<int>(preview.rows.size()); ++r) {
        const zuv::exchange::PreviewRow& row = preview.rows[static_cast<std::size_t>(r)];
        const QString date = row.birthDate.isValid() ? row.birthDate.toString(QStringLiteral("dd.MM.yyyy")) : row.source;
        Grid->setItem(r, 0, new QTableWidgetItem(row.name));
        Grid->setItem(r, 1, new QTableWidgetItem(date));
        Grid->setItem(r, 2, new QTableWidgetItem(zuv::exchange::rowStatusText(row)));
    }
    Summary = new QLabel(zuv::exchange::previewSummary(preview), this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);

    const int adding = preview.count(zuv::exchange::RowStatus::Add);
    OkButton = new QPushButton(adding == 1 ? QStringLiteral("1 Namen &übernehmen")
                                           : QStringLiteral("%1 Namen &übernehmen").arg(adding),
                               this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setEnabled(adding > 0);
    OkButton->setDefault(adding > 0);
    CancelButton = new QPushButton(QStringLiteral("&Abbrechen"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid);
    layout->addWidget(Summary);
    layout->addLayout(buttons);
}

void importNames(zuv::store::Table& names, QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Namen einlesen"));
    dialog.setObjectName(QStringLiteral("OpenContacts"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Kontakte (*.vcf *.vcard *.csv *.txt)"), QStringLiteral("Alle Dateien (*)")});
    if (zuv::core::dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    importNamesFrom(names, dialog.selectedFiles().constFirst(), parent);
}

int importNamesFrom(zuv::store::Table& names, const QString& path, QWidget* parent)
{
    const NameFile file = previewNameFile(path, namesOf(names));
    if (file.status != NameFile::Ok) {
        zuv::core::dialogs().error(parent, file.message);
        return 0;
    }
    NameImportDialog preview(QFileInfo(path).fileName(), file.preview, parent);
    if (zuv::core::dialogs().exec(preview) != QDialog::Accepted)
        return 0;
    const std::vector<zuv::exchange::NamedDate> rows = file.preview.toAdd();
    const bool ok = zuv::core::guarded(parent, [&] { addNames(names, rows); });
    return ok ? static_cast<int>(rows.size()) : 0;
}

} // namespace zuv::people
