// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Row-level writing: two tables on one file stand for two running copies of the program.
#include "datafolder.h"
#include "programfolder.h"
#include "sqlitefaults.h"
#include "table.h"
#include "tablefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

using namespace zuv::core;
using namespace zuv::store;

namespace {

const std::vector<FieldDef> kNameFields = {{"Name", FieldType::String, 30},
                                           {"Geburtsdatum", FieldType::Date, 0}};

class RowLevel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.path() + "/Namensliste";
        for (Table* t : {&a, &b}) {
            t->setRowLevelWrites(true);
            openOrCreate(*t, m_file, kNameFields);
        }
    }
    static void add(Table& t, const QString& name)
    {
        t.append();
        t.setValue("Name", name);
        t.post();
    }
    static QStringList names(const Table& t)
    {
        QStringList out;
        for (int r = 0; r < t.rowCount(); ++r)
            out << t.cell(r, 0).toString();
        return out;
    }
    QStringList onDisk() const
    {
        Table c("c");
        c.setFileName(m_file);
        c.loadFromFile();
        return names(c);
    }

    QTemporaryDir m_dir;
    QString m_file;
    Table a{"A"};
    Table b{"B"};
};

// Each step by one copy, then what both copies and the file hold afterwards. Expected
// values: no acknowledged name may vanish; an edit of a row the other copy changed or
// deleted is kept as a new row.
TEST_F(RowLevel, NeitherCopyWritesOverTheOther)
{
    add(a, "Anna");
    add(b, "Bernd");   // b has not seen Anna yet
    EXPECT_EQ(onDisk(), (QStringList{"Anna", "Bernd"}));
    EXPECT_TRUE(a.reloadIfChanged());
    EXPECT_TRUE(b.reloadIfChanged());
    EXPECT_FALSE(a.reloadIfChanged());   // nothing new since
    EXPECT_EQ(names(a), (QStringList{"Anna", "Bernd"}));

    // Both change Anna: the second edit does not replace the first, both are kept.
    a.setCurrentRow(0);
    a.edit();
    a.setValue("Name", "Anna A");
    a.post();
    b.setCurrentRow(0);
    b.edit();
    b.setValue("Name", "Anna B");
    b.post();
    EXPECT_EQ(onDisk(), (QStringList{"Anna A", "Bernd", "Anna B"}));

    // a deletes Bernd; b, still showing him, deletes him too: gone once, nothing else.
    a.setCurrentRow(1);
    a.deleteRow();
    b.setCurrentRow(1);
    b.deleteRow();
    EXPECT_EQ(onDisk(), (QStringList{"Anna A", "Anna B"}));

    // b deletes a row a has just changed: a's change survives.
    ASSERT_TRUE(a.reloadIfChanged());
    ASSERT_TRUE(b.reloadIfChanged());
    a.setCurrentRow(1);
    a.edit();
    a.setValue("Name", "Anna B2");
    a.post();
    b.setCurrentRow(1);
    b.deleteRow();
    EXPECT_EQ(onDisk(), (QStringList{"Anna A", "Anna B2"}));
    EXPECT_TRUE(b.reloadIfChanged());
    EXPECT_EQ(names(b), onDisk());
}

// Ids are never given twice while their row exists, also after the last row was deleted.
TEST_F(RowLevel, CloseWritesNothingMoreAndReopenKeepsOrder)
{
    for (const char* n : {"Eins", "Zwei", "Drei"})
        add(a, n);
    a.setCurrentRow(2);
    a.deleteRow();
    add(a, "Vier");
    EXPECT_FALSE(a.isModified());
    a.close();
    EXPECT_EQ(onDisk(), (QStringList{"Eins", "Zwei", "Vier"}));
}

// SQLite reports a failure at commit: only a row that did not reach the file counts as not
// saved (one that did, shown as failed, would come back as a duplicate when the user
// tries again).
TEST_F(RowLevel, CommitErrorCountsOnlyWhenTheRowIsNotInTheFile)
{
    using sqlitefaults::JournalDelete;
    const struct {
        const char* what;
        JournalDelete fault;
        bool saved;
    } cases[] = {
        {"journal removed, error reported", JournalDelete::DeleteThenFail, true},
        {"journal left behind", JournalDelete::FailWithoutDelete, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        a.emptyTable();
        a.append();
        a.setValue("Name", "Anna");
        bool posted = true;
        {
            sqlitefaults::Armed armed(c.fault);
            try {
                a.post();
            } catch (const TableError&) {
                posted = false;
            }
        }
        EXPECT_EQ(posted, c.saved);
        EXPECT_EQ(a.state(), c.saved ? TableState::Browse : TableState::Insert);
        EXPECT_EQ(onDisk(), c.saved ? QStringList{"Anna"} : QStringList{});
        a.cancel();
    }
}

// Emptying and inserting in front write only this copy's rows: what the other copy added
// meanwhile stays, in its place. The file's ids are consecutive, as an earlier version
// wrote them: no id is free between two rows.
TEST_F(RowLevel, EmptyAndInsertInFrontKeepTheOthersRows)
{
    add(a, "Anna");
    add(a, "Clara");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(m_file).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "UPDATE data SET ord = ord / 1024", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ASSERT_TRUE(a.reloadIfChanged());
    add(b, "Bernd");   // b does not show Anna and Clara
    a.setCurrentRow(1);
    a.insert(1);
    a.setValue("Name", "Ben");
    a.post();
    a.insert(0);
    a.setValue("Name", "Aaron");
    a.post();
    // Clara moved to make room: a still changes her in place, no second row.
    a.setCurrentRow(3);
    a.edit();
    a.setValue("Name", "Clara K");
    a.post();
    EXPECT_EQ(onDisk(), (QStringList{"Aaron", "Anna", "Ben", "Clara K", "Bernd"}));
    a.emptyTable();
    EXPECT_FALSE(a.isModified());
    a.close();
    EXPECT_EQ(onDisk(), QStringList{"Bernd"});
}

// A batch of rows (the names an import brings) is one transaction: a commit that fails
// leaves neither the file nor the table with part of it, and a good one raises the file's
// change counter once, not once a row.
TEST_F(RowLevel, AppendRowsWritesAllOrNone)
{
    const std::vector<std::vector<QVariant>> rows = {{"Anna", {}}, {"Bert", "01.02.1990"}, {"Cora", {}}};
    {
        sqlitefaults::Armed armed(sqlitefaults::JournalDelete::FailWithoutDelete);
        EXPECT_THROW(a.appendRows(rows), TableError);
    }
    EXPECT_EQ(names(a), QStringList{});
    EXPECT_EQ(onDisk(), QStringList{});

    const quint32 counter = tablefile::changeCounter(m_file);
    a.appendRows(rows);
    EXPECT_EQ(tablefile::changeCounter(m_file), counter + 1);
    const QStringList all{"Anna", "Bert", "Cora"};
    EXPECT_EQ(names(a), all);
    EXPECT_EQ(onDisk(), all);
    EXPECT_EQ(a.cell(1, 1).toDate(), QDate(1990, 2, 1));
    b.reloadIfChanged();
    EXPECT_EQ(names(b), all);
}

} // namespace
