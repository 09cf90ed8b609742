// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// "Einlesen…" of the name-list window: the preview, the confirmation and one write for all rows.
#include "nameimport.h"
#include "nameimportdialog.h"
#include "namelist.h"
#include "recordingdialogs.h"
#include "tform3.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuv::people;

namespace {

class NameImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        zuv::store::openOrCreate(names, dir.filePath(QStringLiteral("Namensliste")), nameListFields());
        connectNameTable(names, [this] { ++refills; });
        names.append();
        names.setValue(kNameField, QStringLiteral("Anna Muster"));
        names.setValue(kBirthDateField, QDate(1987, 3, 14));
        names.post();
        refills = 0;
        contacts = dir.filePath(QStringLiteral("kontakte.vcf"));
        QFile f(contacts);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BEGIN:VCARD\nVERSION:3.0\nFN:Anna Muster\nBDAY:1987-03-14\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Bert Becker\nBDAY:1990-01-02\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Maximiliane Theodora von Hohenberg-Schilling\nBDAY:1970-05-05\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:4.0\nFN:Carl\nBDAY:--0501\nEND:VCARD\n");
    }
    int storedRows() const
    {
        zuv::store::Table stored(QStringLiteral("CDSNamensliste"));
        stored.setFileName(names.fileName());
        stored.loadFromFile();
        return stored.rowCount();
    }

    QTemporaryDir dir;
    zuv::store::Table names{QStringLiteral("CDSNamensliste")};
    QString contacts;
    int refills = 0;
    zuv::testing::RecordingDialogs seam;
};

// Through the window's button: file dialog, preview, confirmation; the new rows are in the
// file, and the name box is refilled once.
TEST_F(NameImport, ButtonPreviewsAndAddsTheNewRows)
{
    TForm3 form(names);
    int previewRows = -1;
    QString summary;
    seam.answer = [&](QDialog& d) {
        if (auto* files = qobject_cast<QFileDialog*>(&d)) {
            files->selectFile(contacts);
            return int(QDialog::Accepted);
        }
        auto& preview = dynamic_cast<NameImportDialog&>(d);
        previewRows = preview.Grid->rowCount();
        summary = preview.Summary->text();
        EXPECT_TRUE(preview.Grid->item(2, 2)->text().endsWith(QStringLiteral("(Name gekürzt)")));
        return int(QDialog::Accepted);
    };
    form.Button3->click();
    EXPECT_EQ(previewRows, 4);
    EXPECT_EQ(summary, QStringLiteral("2 Namen neu, 1 schon vorhanden, 1 ohne Geburtsjahr übersprungen, 0 nicht lesbar"));
    EXPECT_EQ(names.rowCount(), 3);
    EXPECT_EQ(storedRows(), 3);
    EXPECT_EQ(refills, 1);   // one write for all new rows
    EXPECT_TRUE(seam.errors.isEmpty()) << seam.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(NameImport, CancelledPreviewAddsNothing)
{
    seam.answer = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_EQ(importNamesFrom(names, contacts, nullptr), 0);
    EXPECT_EQ(names.rowCount(), 1);
    EXPECT_EQ(storedRows(), 1);
}

// A file that cannot be written leaves memory as it was: nothing is half imported.
TEST_F(NameImport, FailedWriteLeavesTheListAsItWas)
{
    names.setFileName(dir.filePath(QStringLiteral("fehlt/Namensliste")));
    EXPECT_ANY_THROW(addNames(names, {{QStringLiteral("A"), QDate(1990, 1, 1)}, {QStringLiteral("B"), QDate(1991, 1, 1)}}));
    ASSERT_EQ(names.rowCount(), 1);
    EXPECT_EQ(names.cell(0, 0).toString(), QStringLiteral("Anna Muster"));
    EXPECT_TRUE(names.rowLevelWrites());
    EXPECT_EQ(refills, 0);
}

} // namespace
