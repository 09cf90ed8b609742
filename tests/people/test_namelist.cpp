// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "namelist.h"
#include "namelistmodel.h"
#include "peopletesting.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuv::people;
using namespace zuv::people::testing;
using zuv::store::Table;
using zuv::store::TableState;

namespace {

// Collects the model tester's complaints (it reports through warnings).
QStringList g_modelFailures;
void collectFailures(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && text.contains(QStringLiteral("FAIL!")))
        g_modelFailures << text;
}

class NameList : public ::testing::Test {
protected:
    void SetUp() override { makeNameTable(names); }
    Table names{QStringLiteral("CDSNamensliste")};
    RecordingDialogs dialogs;
};

TEST_F(NameList, FieldsAreNameThenBirthDate)
{
    const std::vector<zuv::store::FieldDef> expected = {
        {QStringLiteral("Name"), zuv::store::FieldType::String, 30},
        {QStringLiteral("Geburtsdatum"), zuv::store::FieldType::Date, 0}};
    EXPECT_EQ(nameListFields(), expected);
}

TEST_F(NameList, LookupFindsTheFirstRowIgnoringCase)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    addPerson(names, QStringLiteral("ANNA"), QDate(1990, 4, 3));
    addPerson(names, QStringLiteral("Jörg"));

    const auto anna = lookupBirthDate(names, QStringLiteral("anna"));
    ASSERT_TRUE(anna.has_value());
    EXPECT_EQ(anna->row, 0);
    EXPECT_EQ(anna->birthDate, QDate(1980, 2, 1));
    const auto upper = lookupBirthDate(names, QStringLiteral("ANNA"));
    ASSERT_TRUE(upper.has_value());
    EXPECT_EQ(upper->row, 0);

    const auto jorg = lookupBirthDate(names, QStringLiteral("JÖRG"));
    ASSERT_TRUE(jorg.has_value());
    EXPECT_FALSE(jorg->hasBirthDate());

    EXPECT_FALSE(lookupBirthDate(names, QStringLiteral("Ann")).has_value());
    EXPECT_FALSE(lookupBirthDate(names, QStringLiteral("Anna ")).has_value());
}

TEST_F(NameList, LookupLeavesAPendingEditAlone)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    addPerson(names, QStringLiteral("Bernd"), QDate(1970, 1, 1));
    names.setCurrentRow(1);
    names.edit();
    names.setValue(kNameField, QStringLiteral("Berndt"));
    ASSERT_TRUE(lookupBirthDate(names, QStringLiteral("anna")).has_value());
    EXPECT_EQ(names.state(), TableState::Edit);
    EXPECT_EQ(names.asString(kNameField), QStringLiteral("Berndt"));
}

TEST_F(NameList, RefillListsEveryRowInTableOrder)
{
    addPerson(names, QStringLiteral("Zora"));
    addPerson(names, QString());
    addPerson(names, QStringLiteral("Anna"));
    addPerson(names, QStringLiteral("Zora"));

    QComboBox box;
    box.setEditable(true);
    box.setEditText(QStringLiteral("getippt"));
    refillNameBox(box, names, false);
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Zora"), QString(), QStringLiteral("Anna"),
                                  QStringLiteral("Zora")}));
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), QStringLiteral("getippt"));
    EXPECT_TRUE(names.eof());

    box.setCurrentIndex(2);
    refillNameBox(box, names, true);
    EXPECT_EQ(box.count(), 4);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_TRUE(box.currentText().isEmpty());
}

TEST_F(NameList, ModelShowsRowsPlusTheNewRow)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    addPerson(names, QStringLiteral("Bernd"));
    NameListModel model(names);

    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Geburtsdatum"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("Anna"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("01.02.1980"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::EditRole).toString(),
              QStringLiteral("01.02.1980"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QString());
    EXPECT_TRUE(model.isNewRow(2));
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), QString());
    EXPECT_EQ(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("*"));
}

TEST_F(NameList, ModelPassesTheItemModelTesterThroughEditsAndDeletes)
{
    g_modelFailures.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectFailures);
    {
        addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
        NameListModel model(names);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Warning);

        EXPECT_TRUE(model.setData(model.index(1, 0), QStringLiteral("Bernd")));
        EXPECT_TRUE(model.setData(model.index(1, 1), QStringLiteral("12.03.1975")));
        EXPECT_TRUE(model.postPending());
        EXPECT_EQ(model.rowCount(), 3);
        EXPECT_TRUE(model.setData(model.index(0, 0), QStringLiteral("Anne")));
        model.revertPending();
        EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("Anna"));
        EXPECT_TRUE(model.setData(model.index(2, 0), QStringLiteral("Carla")));
        model.deleteRow(2);   // a new row not yet stored is dropped
        model.deleteRow(0);
        EXPECT_EQ(model.rowCount(), 2);
        names.emptyTable();   // a change from outside the grid
        EXPECT_EQ(model.rowCount(), 1);
        addPerson(names, QStringLiteral("Dora"));
        EXPECT_EQ(model.rowCount(), 2);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_modelFailures.isEmpty()) << g_modelFailures.join(QLatin1Char('\n')).toStdString();
}

TEST_F(NameList, NewRowIsStoredOnlyWhenPosted)
{
    NameListModel model(names);
    ASSERT_TRUE(model.setData(model.index(0, 0), QStringLiteral("Anna")));
    EXPECT_EQ(names.rowCount(), 0);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("Anna"));
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("*"));
    ASSERT_TRUE(model.setData(model.index(0, 1), QDate(1980, 2, 1)));
    ASSERT_TRUE(model.postPending());
    ASSERT_EQ(names.rowCount(), 1);
    EXPECT_EQ(names.cell(0, 0).toString(), QStringLiteral("Anna"));
    EXPECT_EQ(names.cell(0, 1).toDate(), QDate(1980, 2, 1));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_FALSE(model.hasPending());
}

TEST_F(NameList, EditingAnotherRowPostsThePreviousOne)
{
    addPerson(names, QStringLiteral("Anna"));
    addPerson(names, QStringLiteral("Bernd"));
    NameListModel model(names);
    ASSERT_TRUE(model.setData(model.index(0, 0), QStringLiteral("Anne")));
    ASSERT_TRUE(model.setData(model.index(1, 0), QStringLiteral("Berndt")));
    EXPECT_EQ(names.cell(0, 0).toString(), QStringLiteral("Anne"));
    EXPECT_EQ(model.pendingRow(), 1);
}

TEST_F(NameList, UnchangedValueStartsNoEdit)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    NameListModel model(names);
    EXPECT_TRUE(model.setData(model.index(0, 1), QStringLiteral("01.02.1980")));
    EXPECT_TRUE(model.setData(model.index(1, 0), QString()));
    EXPECT_FALSE(model.hasPending());
    EXPECT_EQ(names.state(), TableState::Browse);
}

TEST_F(NameList, InvalidDatesAreRefusedWithAMessage)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    NameListModel model(names);
    const char* bad[] = {"31.02.2000", "1980-02-01", "xx", "12.13.1980", "01.01.10000"};
    for (const char* text : bad) {
        dialogs.infos.clear();
        EXPECT_FALSE(model.setData(model.index(0, 1), QString::fromLatin1(text))) << text;
        ASSERT_EQ(dialogs.infos.size(), 1) << text;
        EXPECT_TRUE(dialogs.infos.front().contains(QString::fromLatin1(text)));
        EXPECT_TRUE(dialogs.infos.front().contains(QStringLiteral("kein gültiges Datum")));
    }
    EXPECT_FALSE(model.hasPending());
    EXPECT_EQ(names.cell(0, 1).toDate(), QDate(1980, 2, 1));

    EXPECT_TRUE(model.setData(model.index(0, 1), QStringLiteral(" 5.3.1971")));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("05.03.1971"));
    EXPECT_TRUE(model.setData(model.index(0, 1), QString()));
    EXPECT_TRUE(model.postPending());
    EXPECT_TRUE(names.cell(0, 1).isNull());
}

TEST_F(NameList, NameOfThirtyCharactersIsStoredWholeAndLongerRefused)
{
    NameListModel model(names);
    const QString thirty = QStringLiteral("Maximiliane Wilhelmine Schäfer");
    ASSERT_EQ(thirty.size(), 30);
    EXPECT_FALSE(model.setData(model.index(0, 0), thirty + QLatin1Char('X')));
    EXPECT_EQ(dialogs.infos.size(), 1);
    EXPECT_FALSE(model.hasPending());
    ASSERT_TRUE(model.setData(model.index(0, 0), thirty));
    ASSERT_TRUE(model.postPending());
    EXPECT_EQ(names.cell(0, 0).toString(), thirty);
}

TEST_F(NameList, DeletingOnAnEmptyListDoesNothing)
{
    NameListModel model(names);
    int deletes = 0;
    const auto counting = names.afterDelete.subscribe([&] { ++deletes; });
    model.deleteRow(0);
    model.deleteRow(-1);
    model.deleteRow(5);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(names.rowCount(), 0);
    EXPECT_EQ(deletes, 0);
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(NameList, EveryPostAndDeleteIsSavedAndRefillsTheBox)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/Namensliste");
    zuv::store::openOrCreate(names, file, nameListFields());
    QComboBox box;
    box.setEditable(true);
    connectNameTable(names, [&] { refillNameBox(box, names, true); });
    NameListModel model(names);

    box.setEditText(QStringLiteral("alt"));
    ASSERT_TRUE(model.setData(model.index(0, 0), QStringLiteral("Anna")));
    ASSERT_TRUE(model.postPending());
    ASSERT_EQ(box.count(), 1);
    EXPECT_EQ(box.itemText(0), QStringLiteral("Anna"));
    EXPECT_TRUE(box.currentText().isEmpty());
    EXPECT_FALSE(names.isModified());
    {
        Table copy;
        zuv::store::openOrCreate(copy, file, nameListFields());
        EXPECT_EQ(storedNames(copy), QStringList{QStringLiteral("Anna")});
    }

    model.deleteRow(0);
    EXPECT_EQ(box.count(), 0);
    Table copy;
    zuv::store::openOrCreate(copy, file, nameListFields());
    EXPECT_EQ(copy.rowCount(), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Each post is written at once; when the file cannot take it the post fails with the
// reason, the row stays pending (nothing acknowledged is lost) and the box is not refilled.
TEST_F(NameList, FailedRowWriteKeepsTheRowPending)
{
    QTemporaryDir dir;
    names.setFileName(dir.path() + QStringLiteral("/fehlt/Namensliste"));
    QComboBox box;
    int refills = 0;
    connectNameTable(names, [&] { ++refills; refillNameBox(box, names, true); });
    names.append();
    names.setValue(kNameField, QStringLiteral("Anna"));
    try {
        names.post();
        ADD_FAILURE() << "a post into a missing folder succeeded";
    } catch (const zuv::store::TableError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("fehlt/Namensliste")))
            << e.message().toStdString();
    }
    EXPECT_EQ(names.state(), zuv::store::TableState::Insert);
    EXPECT_EQ(names.asString(kNameField), QStringLiteral("Anna"));
    EXPECT_EQ(refills, 0);
    EXPECT_EQ(names.rowCount(), 0);
}

TEST_F(NameList, TableOutlivingTheModelNotifiesNobody)
{
    {
        NameListModel model(names);
        ASSERT_EQ(model.rowCount(), 1);
    }
    addPerson(names, QStringLiteral("Anna"));   // would reach a dead model otherwise
    EXPECT_EQ(names.rowCount(), 1);
}

} // namespace
