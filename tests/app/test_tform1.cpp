// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "apptestsupport.h"
#include "biopage.h"
#include "programfolder.h"
#include "programicon.h"
#include "tform1.h"
#include "tform3.h"
#include "yearwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using zuv::app::TForm1;

namespace {

class MainWindowTest : public ShippedDataTest {
protected:
    RecordingDialogs m_dialogs;
};

TEST_F(MainWindowTest, StartsOnTheBiorhythmPageWithTodaysDateAndClock)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zuvododerod"));
    EXPECT_EQ(w.pageControl().currentIndex(), 0);
    EXPECT_EQ(w.pageControl().tabText(0), QStringLiteral("Zuvododerod"));
    EXPECT_EQ(w.pageControl().tabText(1), QStringLiteral("Foto Kalender"));
    EXPECT_EQ(w.statusText(0), QStringLiteral("10:11:12"));
    EXPECT_EQ(w.statusText(1), QStringLiteral(" Heute ist Dienstag, der 8.Dezember 2026"));
    auto* birth = w.findChild<QLineEdit*>(QStringLiteral("MaskEdit1"));
    ASSERT_NE(birth, nullptr);
    EXPECT_EQ(birth->text(), QStringLiteral("08.12.2026"));
    // Today as birth date: the month table holds December with 0 % on the 8th.
    ASSERT_EQ(w.CLDSBio.rowCount(), 31);
    w.CLDSBio.setCurrentRow(7);
    EXPECT_EQ(w.CLDSBio.asDate(QStringLiteral("Tag")), QDate(2026, 12, 8));
    for (const char* f : {"Sns", "Sns1", "Sns2", "Sns3"})
        EXPECT_EQ(w.CLDSBio.asFloat(QString::fromLatin1(f)), 0.0) << f;
    EXPECT_TRUE(m_dialogs.infos.isEmpty());
    EXPECT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, ProgramIconFollowsTheFirstFrame)
{
    // Drawing the icon at five sizes would delay the first frame; it comes right after it.
    TForm1 w(&fixedNow);
    w.FormCreate();
    w.show();
    EXPECT_TRUE(w.windowIcon().isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
    EXPECT_EQ(w.windowIcon().cacheKey(), zuv::info::programIcon().cacheKey());
}

TEST_F(MainWindowTest, MenusFollowThePage)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    struct Expect { int page; bool foto; bool printing; bool zuvododerod; };
    // Page 0 shows the biorhythm menu and printing; page 1 the photo-calendar menu.
    for (const Expect& e : {Expect{0, false, true, true}, Expect{1, true, false, false},
                            Expect{0, false, true, true}}) {
        w.pageControl().setCurrentIndex(e.page);
        EXPECT_EQ(w.fotoMenu().menuAction()->isVisible(), e.foto) << e.page;
        EXPECT_EQ(w.printAction().isEnabled(), e.printing) << e.page;
        EXPECT_EQ(w.printerSetupAction().isEnabled(), e.printing) << e.page;
        EXPECT_EQ(w.zuvododerodMenu().menuAction()->isVisible(), e.zuvododerod) << e.page;
    }
}

TEST_F(MainWindowTest, EnterRefreshesTheBiorhythmPageFromEitherPage)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    w.show();
    auto* birth = w.findChild<QLineEdit*>(QStringLiteral("MaskEdit1"));
    ASSERT_NE(birth, nullptr);
    // Birth on 1 December: the first row of the month becomes 0 % after a refresh.
    w.CLDSBio.setCurrentRow(0);
    EXPECT_EQ(w.CLDSBio.asFloat(QStringLiteral("Sns")), -94.0);   // t = -7
    birth->setText(QStringLiteral("01.12.2026"));
    w.pageControl().setCurrentIndex(1);
    auto* state = w.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    ASSERT_NE(state, nullptr);
    state->setFocus();
    QTest::keyClick(w.windowHandle(), Qt::Key_Return);
    w.CLDSBio.setCurrentRow(0);
    EXPECT_EQ(w.CLDSBio.asFloat(QStringLiteral("Sns")), 0.0);
    EXPECT_EQ(w.pageControl().currentIndex(), 1);

    // And on the first page, from the birth-date field itself.
    w.pageControl().setCurrentIndex(0);
    birth->setText(QStringLiteral("02.12.2026"));
    birth->setFocus();
    QTest::keyClick(w.windowHandle(), Qt::Key_Return);
    w.CLDSBio.setCurrentRow(1);
    EXPECT_EQ(w.CLDSBio.asFloat(QStringLiteral("Sns")), 0.0);
}

TEST_F(MainWindowTest, ProgressBarSitsEmptyInTheThirdStatusPanel)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    w.show();
    EXPECT_EQ(w.progressBar().geometry(), w.statusPanelRect(2));
    EXPECT_EQ(w.progressBar().value(), 0);
    // 50 pixels at design, scaled with the window.
    EXPECT_EQ(w.statusPanelRect(2).width(), qRound(50 * w.sizing().factor));
}

TEST_F(MainWindowTest, ClockFollowsTheTimerAcrossMidnight)
{
    QDateTime now(QDate(2026, 12, 8), QTime(23, 59, 59));
    TForm1 w([&now] { return now; });
    w.FormCreate();
    EXPECT_EQ(w.statusText(1), QStringLiteral(" Heute ist Dienstag, der 8.Dezember 2026"));
    now = now.addSecs(1);
    w.Timer1Timer();
    EXPECT_EQ(w.statusText(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(w.statusText(1), QStringLiteral(" Heute ist Mittwoch, der 9.Dezember 2026"));
}

TEST_F(MainWindowTest, TablesAreCreatedInTheProgramFolderAndWrittenBackOnClose)
{
    {
        TForm1 w(&fixedNow);
        w.FormCreate();
        w.close();
    }
    for (const char* f : {"BioTab/Koerper", "BioTab/Prozente", "BioTab/Bildkalender",
                          "BioTab/Namensliste"})
        EXPECT_TRUE(QFile::exists(m_folder.path() + QLatin1Char('/') + QLatin1String(f))) << f;
}

} // namespace

namespace {

TEST_F(MainWindowTest, NameListGridFollowsTheRefillToTheLastName)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    zuv::store::Table& names = w.CDSNamensliste;
    for (const char* n : {"Anna", "Bert", "Carla"}) {
        names.append();
        names.setValue(QStringLiteral("Name"), QString::fromLatin1(n));
        names.post();
    }
    auto* box = w.findChild<QComboBox*>(QStringLiteral("ComboBox3"));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 3);

    zuv::people::TForm3& list = w.nameListWindow();
    list.showNameList();
    QAbstractItemModel* model = list.DBGrid1->model();
    list.DBGrid1->setCurrentIndex(model->index(0, 0));
    ASSERT_TRUE(model->setData(model->index(0, 0), QStringLiteral("Anne"), Qt::EditRole));
    // Leaving the edited row posts it; the refill walks the table to its end and the grid
    // goes with it, to the last name rather than the row that was clicked.
    list.DBGrid1->setCurrentIndex(model->index(1, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(box->itemText(0), QStringLiteral("Anne"));
    EXPECT_TRUE(box->currentText().isEmpty());
    EXPECT_EQ(list.DBGrid1->currentIndex().row(), 2);
    list.close();
}

TEST_F(MainWindowTest, NameListWindowIsMadeWhenTheNameLinkIsFirstUsed)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    // Not at start: most starts never open it. Then once, however often it is asked for.
    EXPECT_EQ(w.findChild<zuv::people::TForm3*>(), nullptr);
    w.bioPage().StaticText5Click();
    w.bioPage().StaticText5Click();
    ASSERT_EQ(w.findChildren<zuv::people::TForm3*>().size(), 1);
    EXPECT_TRUE(w.nameListWindow().isVisible());
    w.nameListWindow().close();
}

} // namespace

namespace {

TEST_F(MainWindowTest, QuittingWithAnInvalidBirthDateAsksNothing)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    auto* birth = w.findChild<QLineEdit*>(QStringLiteral("MaskEdit1"));
    ASSERT_NE(birth, nullptr);
    birth->setText(QStringLiteral("31.02.2000"));
    w.close();
    EXPECT_TRUE(m_dialogs.infos.isEmpty()) << m_dialogs.infos.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(m_dialogs.errors.isEmpty());
}

} // namespace

namespace {

// The year calendar opens from the photo-calendar page's menu and context menu, with the
// people of the name table and the clock's year, and keeps its project in the data folder.
TEST_F(MainWindowTest, YearCalendarOpensFromThePhotoCalendarPage)
{
    QString projectFile;
    {
        TForm1 w(&fixedNow);
        w.FormCreate();
        w.CDSNamensliste.append();
        w.CDSNamensliste.setValue(0, QStringLiteral("Anna"));
        w.CDSNamensliste.setValue(1, QDate(1987, 3, 14));
        w.CDSNamensliste.post();
        EXPECT_EQ(w.yearWindow(), nullptr);   // made on first use
        for (const char* entry : {"Jahreskalender1", "Jahreskalender2"}) {
            QAction* action = w.findChild<QAction*>(QString::fromLatin1(entry));
            ASSERT_NE(action, nullptr) << entry;
            EXPECT_EQ(action->text(), QStringLiteral("Jahreskalender..."));
            action->trigger();
            ASSERT_NE(w.yearWindow(), nullptr);
            EXPECT_TRUE(w.yearWindow()->isVisible());
            w.yearWindow()->hide();
        }
        EXPECT_TRUE(w.fotoMenu().actions().contains(w.findChild<QAction*>(QStringLiteral("Jahreskalender1"))));
        auto* person = w.yearWindow()->findChild<QComboBox*>(QStringLiteral("PersonBox"));
        ASSERT_NE(person, nullptr);
        EXPECT_EQ(person->itemText(1), QStringLiteral("Anna (14.03.1987)"));
        zuv::yearcal::YearProject p = w.yearWindow()->project();
        EXPECT_EQ(p.year, 2026);
        p.regionCode = QStringLiteral("W");
        w.yearWindow()->setProject(p);
        projectFile = w.yearWindow()->projectPath();
    }
    // Closing the program kept the project.
    EXPECT_EQ(zuv::yearcal::loadProject(projectFile).regionCode, QStringLiteral("W"));
    EXPECT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

} // namespace
