// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's tables at start and while another copy of the program runs on the
// same name file.
#include "apptestsupport.h"
#include "biopage.h"
#include "datafolder.h"
#include "namelist.h"
#include "programfolder.h"
#include "tform1.h"
#include "tform3.h"

#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>

using zuv::app::TForm1;

namespace {

class TableStart : public ShippedDataTest {
protected:
    void SetUp() override
    {
        ShippedDataTest::SetUp();
        if (HasFatalFailure())
            return;
        zuv::store::setUserDataFolder(QString());
        m_names = m_folder.path() + QStringLiteral("/BioTab/Namensliste");
    }

    void storeNames(const QStringList& names)
    {
        zuv::store::Table t(QStringLiteral("other copy"));
        t.setRowLevelWrites(true);
        zuv::store::openOrCreate(t, m_names, zuv::people::nameListFields());
        for (const QString& n : names) {
            t.append();
            t.setValue(0, n);
            t.post();
        }
        t.close();
    }

    QString m_names;
    RecordingDialogs m_dialogs;
};

// What the user sees at start for a name file in each state; the rest of the program
// opens and refreshes all the same. Messages as the store words them.
TEST_F(TableStart, EachTableOpensOnItsOwnAndTheUserIsTold)
{
    const struct {
        const char* what;
        std::function<void(const QString&)> prepare;
        const char* info;    // part of the information box, "" none
        const char* error;   // part of the error box, "" none
        int names;
    } cases[] = {
        {"healthy", [](const QString&) {}, "", "", 2},
        {"FIFO in its place",
         [](const QString& f) {
             QFile::remove(f);
             ::mkfifo(QFile::encodeName(f).constData(), 0600);
         },
         "", "kein normaler Datei-Typ", 0},
        {"one bad date",
         [](const QString& f) {
             sqlite3* db = nullptr;
             sqlite3_open(QFile::encodeName(f).constData(), &db);
             sqlite3_exec(db, "INSERT INTO data VALUES(50, 'Dora', '1980-02-30')", nullptr,
                          nullptr, nullptr);
             sqlite3_close(db);
         },
         "1 Zeile(n) nicht gelesen", "", 2},
        {"garbage", [](const QString& f) {
             QFile g(f);
             g.open(QIODevice::WriteOnly | QIODevice::Truncate);
             g.write(QByteArray(2048, '#'));
         },
         "beiseitegelegt", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& f : QDir(m_folder.path() + "/BioTab").entryList({"Namensliste*"}, QDir::Files | QDir::System | QDir::Hidden))
            QFile::remove(m_folder.path() + "/BioTab/" + f);
        storeNames({QStringLiteral("Anna"), QStringLiteral("Bernd")});
        c.prepare(m_names);
        m_dialogs.infos.clear();
        m_dialogs.errors.clear();
        TForm1 w(&fixedNow);
        w.FormCreate();
        const QString info = m_dialogs.infos.join('\n');
        const QString error = m_dialogs.errors.join('\n');
        EXPECT_EQ(info.isEmpty(), QByteArray(c.info).isEmpty()) << info.toStdString();
        EXPECT_TRUE(info.contains(QString::fromUtf8(c.info))) << info.toStdString();
        EXPECT_EQ(error.isEmpty(), QByteArray(c.error).isEmpty()) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
        EXPECT_EQ(w.bioPage().ComboBox3()->count(), c.names);
        EXPECT_TRUE(w.CLDBildkalender.isActive());   // the calendar grid opened anyway
        EXPECT_GT(w.CLDSBio.rowCount(), 27);         // and the first refresh ran
        w.close();
    }
}

// Another copy adds and deletes: this window shows it when its name box or list opens.
TEST_F(TableStart, ChangesOfAnotherCopyShowWhenTheListOpens)
{
    storeNames({QStringLiteral("Anna")});
    TForm1 w(&fixedNow);
    w.FormCreate();
    QComboBox* box = w.bioPage().ComboBox3();
    ASSERT_EQ(box->count(), 1);
    storeNames({QStringLiteral("Bernd")});   // the other copy
    box->showPopup();
    box->hidePopup();
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1), QStringLiteral("Bernd"));

    // This copy adds one; the other's name is kept, not written over.
    w.CDSNamensliste.append();
    w.CDSNamensliste.setValue(0, QStringLiteral("Clara"));
    w.CDSNamensliste.post();
    storeNames({QStringLiteral("Dora")});
    zuv::people::TForm3& list = w.nameListWindow();
    list.showNameList();
    EXPECT_EQ(list.DBGrid1->model()->rowCount(), 5);   // four names and the new-entry row
    box->showPopup();
    box->hidePopup();
    EXPECT_EQ(box->count(), 4);
    list.close();
    w.close();
    zuv::store::Table check(QStringLiteral("check"));
    check.setFileName(m_names);
    check.loadFromFile();
    EXPECT_EQ(zuv::people::lookupBirthDate(check, QStringLiteral("Dora")).has_value(), true);
    EXPECT_EQ(check.rowCount(), 4);
}

} // namespace
