// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "namelist.h"
#include "namelistmodel.h"
#include "peopletesting.h"
#include "namelistdelegate.h"
#include "tform3.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QFontInfo>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace zuv::people;
using namespace zuv::people::testing;
using zuv::store::Table;
using zuv::store::TableState;

namespace {

class NameListWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        file = dir.path() + QStringLiteral("/Namensliste");
        zuv::store::openOrCreate(names, file, nameListFields());
        box.setEditable(true);
        connectNameTable(names, [this] { refillNameBox(box, names, true); });
    }

    // The grid's editor opened on a cell, as a user starts typing into it.
    static QLineEdit* startTyping(TForm3& form, int row, int column, const QString& text)
    {
        QTableView* grid = form.DBGrid1;
        grid->setCurrentIndex(form.model()->index(row, column));
        QTest::keyClicks(grid, text.left(1));
        auto* editor = openEditor(form);
        if (editor && text.size() > 1)
            QTest::keyClicks(editor, text.mid(1));
        return editor;
    }

    static QLineEdit* openEditor(TForm3& form)
    {
        return qobject_cast<QLineEdit*>(form.delegate()->openEditor());
    }

    QStringList boxItems() const
    {
        QStringList items;
        for (int i = 0; i < box.count(); ++i)
            items << box.itemText(i);
        return items;
    }

    QTemporaryDir dir;
    QString file;
    Table names{QStringLiteral("CDSNamensliste")};
    QComboBox box;
    RecordingDialogs dialogs;
};

// The birthday calendar is asked for from the context menu; the window keeps its size.
TEST_F(NameListWindow, ContextMenuAsksForTheBirthdayCalendar)
{
    TForm3 form(&names);
    int asked = 0;
    QObject::connect(&form, &TForm3::birthdayCalendarRequested, [&] { ++asked; });
    ASSERT_TRUE(form.actions().contains(form.BirthdayCalendarAction));
    EXPECT_EQ(form.contextMenuPolicy(), Qt::ActionsContextMenu);
    form.BirthdayCalendarAction->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form.size(), QSize(364, 178));
}

TEST_F(NameListWindow, LayoutAndCaptions)
{
    TForm3 form(&names);
    EXPECT_EQ(form.objectName(), QStringLiteral("TForm3"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Namensliste"));
    EXPECT_EQ(form.size(), QSize(364, 178));
    EXPECT_FALSE(form.isModal());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form.DBGrid1->objectName(), QStringLiteral("DBGrid1"));
    EXPECT_EQ(form.DBGrid1->geometry(), QRect(0, 0, 363, 129));
    EXPECT_EQ(form.Button2->objectName(), QStringLiteral("Button2"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("&Name löschen"));
    EXPECT_EQ(form.Button2->geometry(), QRect(40, 144, 97, 25));
    EXPECT_EQ(form.Button1->objectName(), QStringLiteral("Button1"));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("&Fenster schliessen"));
    EXPECT_EQ(form.Button1->geometry(), QRect(184, 144, 121, 25));
    // The design's MS Sans Serif, named by its installed look-alike: Qt draws the family it
    // is asked for, without a fallback search.
    EXPECT_TRUE((QStringList{"MS Sans Serif", "Liberation Sans"}.contains(form.font().family())))
        << form.font().family().toStdString();
    EXPECT_EQ(QFontInfo(form.font()).family(), form.font().family());
    EXPECT_EQ(form.font().pointSize(), 8);
}

TEST_F(NameListWindow, ShownCentredOnTheDesktop)
{
    TForm3 form(&names);
    form.showNameList();
    const QRect desktop = form.screen()->availableGeometry();
    EXPECT_LE(std::abs(form.frameGeometry().center().x() - desktop.center().x()), 1);
    EXPECT_LE(std::abs(form.frameGeometry().center().y() - desktop.center().y()), 1);
    form.close();
}

TEST_F(NameListWindow, NameTypedIntoTheGridIsListedAfterLeavingTheRow)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    TForm3 form(&names);
    form.showNameList();
    box.setEditText(QStringLiteral("Anna"));

    QLineEdit* editor = startTyping(form, 1, 0, QStringLiteral("Bernd"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(form.DBGrid1->currentIndex(), form.model()->index(1, 1));
    editor = openEditor(form);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("12.03.1975"));
    EXPECT_EQ(names.rowCount(), 1);   // not stored while the row is being filled

    QTest::keyClick(editor, Qt::Key_Up);   // leave the row
    ASSERT_EQ(names.rowCount(), 2);
    EXPECT_EQ(storedNames(names), (QStringList{QStringLiteral("Anna"), QStringLiteral("Bernd")}));
    EXPECT_EQ(names.cell(1, 1).toDate(), QDate(1975, 3, 12));
    EXPECT_EQ(boxItems(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Bernd")}));
    EXPECT_TRUE(box.currentText().isEmpty());
    EXPECT_EQ(form.model()->rowCount(), 3);
    form.close();
}

TEST_F(NameListWindow, DownOnTheNewRowStoresItAndOpensTheNextOne)
{
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 0, QStringLiteral("Carla"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(storedNames(names), QStringList{QStringLiteral("Carla")});
    EXPECT_EQ(form.DBGrid1->currentIndex().row(), 1);
    EXPECT_TRUE(form.model()->isNewRow(1));
    form.close();
}

TEST_F(NameListWindow, ThirtyFirstCharacterIsNotAccepted)
{
    TForm3 form(&names);
    form.showNameList();
    const QString thirty = QStringLiteral("Maximiliane Wilhelmine Schafer");   // typed as ASCII
    ASSERT_EQ(thirty.size(), 30);
    QLineEdit* editor = startTyping(form, 0, 0, thirty + QStringLiteral("X"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), thirty);
    form.Button1Click();
    EXPECT_EQ(storedNames(names), QStringList{thirty});
}

TEST_F(NameListWindow, ClosingWhileEditingPostsTheEdit)
{
    addPerson(names, QStringLiteral("Anna"));
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 0, QStringLiteral("Annette"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(names.cell(0, 0).toString(), QStringLiteral("Anna"));

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(names.state(), TableState::Browse);
    EXPECT_EQ(storedNames(names), QStringList{QStringLiteral("Annette")});
    EXPECT_EQ(boxItems(), QStringList{QStringLiteral("Annette")});
    Table reread;
    zuv::store::openOrCreate(reread, file, nameListFields());
    EXPECT_EQ(storedNames(reread), QStringList{QStringLiteral("Annette")});
}

TEST_F(NameListWindow, QuittingWithTheWindowOpenPostsTheEdit)
{
    addPerson(names, QStringLiteral("Anna"));
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 0, QStringLiteral("Antje"));
    ASSERT_NE(editor, nullptr);
    // What QCoreApplication::exit() emits before the event loop ends.
    ASSERT_TRUE(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    EXPECT_EQ(storedNames(names), QStringList{QStringLiteral("Antje")});
    Table reread;
    zuv::store::openOrCreate(reread, file, nameListFields());
    EXPECT_EQ(storedNames(reread), QStringList{QStringLiteral("Antje")});
}

TEST_F(NameListWindow, EscapeDropsTheRowsChange)
{
    addPerson(names, QStringLiteral("Anna"));
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 0, QStringLiteral("Zoe"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.model()->hasPending());
    form.close();
    EXPECT_EQ(storedNames(names), QStringList{QStringLiteral("Anna")});
}

TEST_F(NameListWindow, DeleteButtonRemovesTheCurrentRowWithoutAsking)
{
    addPerson(names, QStringLiteral("Anna"));
    addPerson(names, QStringLiteral("Bernd"));
    addPerson(names, QStringLiteral("Carla"));
    TForm3 form(&names);
    form.showNameList();
    form.DBGrid1->setCurrentIndex(form.model()->index(1, 0));
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    EXPECT_EQ(storedNames(names), (QStringList{QStringLiteral("Anna"), QStringLiteral("Carla")}));
    EXPECT_EQ(boxItems(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Carla")}));
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    Table reread;
    zuv::store::openOrCreate(reread, file, nameListFields());
    EXPECT_EQ(storedNames(reread), (QStringList{QStringLiteral("Anna"), QStringLiteral("Carla")}));
    form.close();
}

TEST_F(NameListWindow, DeleteOnANewUnstoredRowDropsIt)
{
    addPerson(names, QStringLiteral("Anna"));
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 1, 0, QStringLiteral("Neu"));
    ASSERT_NE(editor, nullptr);
    form.Button2Click();
    EXPECT_EQ(names.state(), TableState::Browse);
    EXPECT_EQ(storedNames(names), QStringList{QStringLiteral("Anna")});
    EXPECT_EQ(form.model()->rowCount(), 2);
    form.close();
    EXPECT_EQ(storedNames(names), QStringList{QStringLiteral("Anna")});
}

TEST_F(NameListWindow, DeleteOnAnEmptyListDoesNothing)
{
    TForm3 form(&names);
    form.showNameList();
    form.Button2Click();
    form.DBGrid1->setCurrentIndex(form.model()->index(0, 0));
    form.Button2Click();
    EXPECT_EQ(names.rowCount(), 0);
    EXPECT_EQ(form.model()->rowCount(), 1);
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    form.close();
}

TEST_F(NameListWindow, InvalidDateTypedIntoTheGridIsRefused)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 1, QStringLiteral("31.02.2000"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();   // the grid commits a cell after Enter is handled
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos.front().contains(QStringLiteral("31.02.2000")));
    form.close();
    EXPECT_EQ(names.cell(0, 1).toDate(), QDate(1980, 2, 1));
}

TEST_F(NameListWindow, PostedNamesSurviveAProcessThatNeverCloses)
{
    fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child edits like a user and then dies without closing anything.
        Table own(QStringLiteral("CDSNamensliste"));
        zuv::store::openOrCreate(own, file, nameListFields());
        connectNameTable(own, [] {});
        TForm3 form(&own);
        NameListModel& model = *form.model();
        bool ok = model.setData(model.index(0, 0), QStringLiteral("Dora"))
            && model.setData(model.index(0, 1), QStringLiteral("07.08.1961"))
            && model.postPending()
            && model.setData(model.index(1, 0), QStringLiteral("Emil")) && model.postPending();
        _exit(ok ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    Table reread;
    zuv::store::openOrCreate(reread, file, nameListFields());
    EXPECT_EQ(storedNames(reread), (QStringList{QStringLiteral("Dora"), QStringLiteral("Emil")}));
    EXPECT_EQ(reread.cell(0, 1).toDate(), QDate(1961, 8, 7));
}

TEST_F(NameListWindow, RenderedWindow)
{
    addPerson(names, QStringLiteral("Anna Müller"), QDate(1980, 2, 1));
    addPerson(names, QStringLiteral("Bernd"), QDate(1975, 3, 12));
    addPerson(names, QStringLiteral("Carla ohne Datum"));
    TForm3 form(&names);
    form.showNameList();
    form.DBGrid1->setCurrentIndex(form.model()->index(1, 1));
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(364, 178) * shot.devicePixelRatio());
    if (const QString out = qEnvironmentVariable("ZUV_SHOT_DIR"); !out.isEmpty())
        shot.save(out + QStringLiteral("/tform3.png"));
    form.close();
}

// A year of one or two digits is the latest such date not after today (Wednesday,
// 9 December 2026 here); expected dates worked out by hand from that rule.
TEST(GridDate, TwoDigitYearsAreTheLatestDateNotInTheFuture)
{
    const QDate today(2026, 12, 9);
    const struct {
        const char* typed;
        QDate expected;   // invalid: refused
    } cases[] = {
        {"1.1.80", QDate(1980, 1, 1)},
        {"01.01.80", QDate(1980, 1, 1)},
        {"1.1.26", QDate(2026, 1, 1)},
        {"9.12.26", QDate(2026, 12, 9)},     // today itself is not in the future
        {"10.12.26", QDate(1926, 12, 10)},   // tomorrow is: a century back
        {"1.1.5", QDate(2005, 1, 1)},
        {"29.2.00", QDate(2000, 2, 29)},
        {"29.2.25", QDate()},                // neither 2025 nor 1925 is a leap year
        {"1.13.80", QDate()},
        {"x.1.80", QDate()},
        {"1.1.", QDate()},
        {"1.1.0080", QDate(80, 1, 1)},       // four digits: the year as typed
        {"24.12.1960", QDate(1960, 12, 24)},
    };
    for (const auto& c : cases) {
        const auto got = parseGridDate(QString::fromLatin1(c.typed), today);
        EXPECT_EQ(got.value_or(QDate()), c.expected) << c.typed;
    }
}

TEST_F(NameListWindow, TwoDigitYearTypedIntoTheGridIsStoredWithItsCentury)
{
    addPerson(names, QStringLiteral("Anna"));
    TForm3 form(&names);
    form.model()->setToday([] { return QDate(2026, 12, 9); });
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 1, QStringLiteral("1.1.80"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(names.cell(0, 1).toDate(), QDate(1980, 1, 1));
    EXPECT_TRUE(dialogs.infos.isEmpty());
    form.close();
}

// However the user tries to leave the cell, an invalid date stays in its editor, the row
// is not posted and the user is told once; corrected, it is stored.
TEST_F(NameListWindow, InvalidDateStaysInItsEditorUntilCorrected)
{
    const struct {
        const char* how;
        std::function<void(TForm3&, QLineEdit*)> leave;
    } ways[] = {
        {"Up", [](TForm3&, QLineEdit* e) { QTest::keyClick(e, Qt::Key_Up); }},
        {"Down", [](TForm3&, QLineEdit* e) { QTest::keyClick(e, Qt::Key_Down); }},
        {"Tab", [](TForm3&, QLineEdit* e) { QTest::keyClick(e, Qt::Key_Tab); }},
        {"Return", [](TForm3&, QLineEdit* e) { QTest::keyClick(e, Qt::Key_Return); }},
        {"click on another row",
         [](TForm3& f, QLineEdit*) {
             const QRect cell = f.DBGrid1->visualRect(f.model()->index(1, 0));
             QTest::mouseClick(f.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
         }},
        {"closing the window", [](TForm3& f, QLineEdit*) { f.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        Table table(QStringLiteral("CDSNamensliste"));
        zuv::store::openOrCreate(table, dir.path() + QStringLiteral("/") + way.how, nameListFields());
        addPerson(table, QStringLiteral("Anna"), QDate(1980, 2, 1));
        addPerson(table, QStringLiteral("Bernd"));
        dialogs.infos.clear();
        TForm3 form(&table);
        form.showNameList();
        QApplication::setActiveWindow(&form);
        QLineEdit* editor = startTyping(form, 0, 1, QStringLiteral("30.02.1980"));
        ASSERT_NE(editor, nullptr);
        way.leave(form, editor);
        QCoreApplication::processEvents();
        EXPECT_EQ(openEditor(form), editor);
        EXPECT_EQ(editor->text(), QStringLiteral("30.02.1980"));
        EXPECT_EQ(form.DBGrid1->currentIndex(), form.model()->index(0, 1));
        EXPECT_TRUE(form.isVisible());
        ASSERT_EQ(dialogs.infos.size(), 1);
        EXPECT_TRUE(dialogs.infos.front().contains(QStringLiteral("30.02.1980")));
        EXPECT_EQ(table.cell(0, 1).toDate(), QDate(1980, 2, 1));
        editor->setText(QStringLiteral("29.02.1980"));
        QTest::keyClick(editor, Qt::Key_Down);   // leaves the row: posted
        EXPECT_EQ(table.cell(0, 1).toDate(), QDate(1980, 2, 29));
        form.close();
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(NameListWindow, EscapeCancelsAnInvalidDate)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    TForm3 form(&names);
    form.showNameList();
    QLineEdit* editor = startTyping(form, 0, 1, QStringLiteral("99.99.9999"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(openEditor(form), nullptr);
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_EQ(names.cell(0, 1).toDate(), QDate(1980, 2, 1));
    form.close();
    EXPECT_FALSE(form.isVisible());
}

// The 30-character limit counts what the user sees as one character; expected lengths
// in UTF-16 code units: emoji 2, e + combining acute 2.
TEST_F(NameListWindow, NameLimitNeverSplitsACharacter)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");   // U+1F600
    const QString eAcute = QStringLiteral("e") + QChar(0x0301);
    const struct {
        const char* what;
        QString typed;
        QString stored;
    } cases[] = {
        {"29 letters and an emoji", QString(29, 'a') + emoji, QString(29, 'a') + emoji},
        {"30 letters and an emoji", QString(30, 'a') + emoji, QString(30, 'a')},
        {"30 emoji", emoji.repeated(30), emoji.repeated(30)},
        {"31 emoji", emoji.repeated(31), emoji.repeated(30)},
        {"29 letters and a combined e", QString(29, 'a') + eAcute, QString(29, 'a') + eAcute},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table table(QStringLiteral("CDSNamensliste"));
        const QString path = dir.path() + QStringLiteral("/") + QString::fromUtf8(c.what);
        zuv::store::openOrCreate(table, path, nameListFields());
        table.setRowLevelWrites(true);
        TForm3 form(&table);
        form.showNameList();
        QLineEdit* editor = startTyping(form, 0, 0, QStringLiteral("x"));
        ASSERT_NE(editor, nullptr);
        editor->setText(c.typed);
        EXPECT_EQ(editor->text(), c.stored);
        QTest::keyClick(editor, Qt::Key_Down);
        form.close();
        Table back(QStringLiteral("back"));
        back.setFileName(path);
        ASSERT_NO_THROW(back.loadFromFile());
        ASSERT_EQ(back.rowCount(), 1);
        EXPECT_EQ(back.cell(0, 0).toString(), c.stored);
    }
}

} // namespace

// The name grid as a new user fills it: digits alone make a date, Enter or Down after a
// complete row begins the next person with the name, a cut name is said, and Ctrl+Z brings
// the last deleted name back (deleting asks nothing).
TEST_F(NameListWindow, NewUserFillsTheGrid)
{
    TForm3 form(&names);
    form.model()->setToday([] { return QDate(2026, 12, 9); });
    form.showNameList();
    QApplication::setActiveWindow(&form);
    const struct {
        const char* leave;
        Qt::Key key;
    } ways[] = {{"Enter", Qt::Key_Return}, {"Down", Qt::Key_Down}};
    int stored = 0;
    for (const auto& way : ways) {
        const int row = form.model()->rowCount() - 1;
        QLineEdit* name = startTyping(form, row, NameListModel::NameColumn, QStringLiteral("Anna"));
        ASSERT_NE(name, nullptr) << way.leave;
        QTest::keyClick(name, Qt::Key_Tab);
        QLineEdit* date = openEditor(form);   // Tab went on editing the date
        ASSERT_NE(date, nullptr) << way.leave;
        QTest::keyClicks(date, QStringLiteral("01021980"));
        ASSERT_NE(date, nullptr) << way.leave;
        QTest::keyClick(date, way.key);
        // The grid closes the editor after Enter in a queued call; the next row follows that.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ASSERT_EQ(names.rowCount(), ++stored) << way.leave;
        EXPECT_EQ(names.cell(stored - 1, 1).toDate(), QDate(1980, 2, 1)) << way.leave;
        const QModelIndex next = form.DBGrid1->currentIndex();
        EXPECT_TRUE(form.model()->isNewRow(next.row())) << way.leave;
        EXPECT_EQ(next.column(), int(NameListModel::NameColumn)) << way.leave;
    }

    QLineEdit* longName = startTyping(form, form.model()->rowCount() - 1, NameListModel::NameColumn,
                                      QString(31, QLatin1Char('x')));
    ASSERT_NE(longName, nullptr);
    EXPECT_EQ(QToolTip::text(), nameCutNotice());
    QTest::keyClick(longName, Qt::Key_Escape);
    form.model()->revertPending();

    form.DBGrid1->setCurrentIndex(form.model()->index(0, NameListModel::NameColumn));
    form.Button2Click();
    ASSERT_EQ(names.rowCount(), 1);
    QTest::keyClick(form.DBGrid1, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(names.rowCount(), 2);
    EXPECT_EQ(names.cell(1, 0).toString(), QStringLiteral("Anna"));
    EXPECT_EQ(names.cell(1, 1).toDate(), QDate(1980, 2, 1));
    EXPECT_FALSE(form.canUndoDelete());
    form.close();
}

// Tab moves between the grid's cells but never keeps the keyboard there: Ctrl+Tab leaves at
// once, Tab at the last cell and Shift+Tab at the first leave too.
TEST_F(NameListWindow, TabLeavesTheGrid)
{
    addPerson(names, QStringLiteral("Anna"), QDate(1980, 2, 1));
    TForm3 form(&names);
    form.showNameList();
    QApplication::setActiveWindow(&form);
    QTableView* grid = form.DBGrid1;
    const int last = form.model()->rowCount() - 1;
    struct Case { int row; int column; Qt::Key key; Qt::KeyboardModifiers modifiers; bool leaves; };
    const Case cases[] = {
        {0, 0, Qt::Key_Tab, Qt::NoModifier, false},
        {0, 0, Qt::Key_Tab, Qt::ControlModifier, true},
        {last, 1, Qt::Key_Tab, Qt::NoModifier, true},
        {0, 0, Qt::Key_Backtab, Qt::ShiftModifier, true},
    };
    for (const Case& c : cases) {
        grid->setFocus(Qt::OtherFocusReason);
        grid->setCurrentIndex(form.model()->index(c.row, c.column));
        QTest::keyClick(grid, c.key, c.modifiers);
        QWidget* focus = QApplication::focusWidget();
        const bool inGrid = focus == grid || grid->isAncestorOf(focus);
        EXPECT_EQ(!inGrid, c.leaves) << c.row << "," << c.column << " key " << c.key
                                     << " focus " << (focus ? focus->objectName().toStdString() : "-");
    }
    form.close();
}
