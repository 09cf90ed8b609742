// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window by keyboard alone: Enter, Esc in the birth-date field, the year keys and
// the window's shortcuts, typed through the window system as a user types them.

#include "apptestsupport.h"
#include "ownaccesskeys.h"
#include "biopage.h"
#include "daypicker.h"
#include "helpwindow.h"
#include "pagewidgets.h"
#include "tform3.h"
#include "printing.h"
#include "programfolder.h"
#include "tform1.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using zuv::app::TForm1;

namespace {

const QString kAskForBirthDate = QStringLiteral("Geben Sie ein Geburtsdatum ein.");

// A message box on a desktop takes the activation from the main window while it is open, and
// the window gets it back only later, from the window system. Boxes here do the same.
class DesktopDialogs : public RecordingDialogs {
public:
    void information(QWidget* parent, const QString& text) override
    {
        RecordingDialogs::information(parent, text);
        QApplication::setActiveWindow(nullptr);
    }
};

class KeysTest : public ShippedDataTest {
protected:
    void SetUp() override
    {
        ShippedDataTest::SetUp();
        if (HasFatalFailure())
            return;
        w = std::make_unique<TForm1>(&fixedNow);
        w->FormCreate();
        w->show();
        QApplication::setActiveWindow(w.get());
        QApplication::processEvents();
    }
    void TearDown() override
    {
        w.reset();
        ShippedDataTest::TearDown();
    }

    template <typename T>
    T* child(const char* name) { return w->findChild<T*>(QString::fromLatin1(name)); }
    // A key typed on the keyboard: through the window system to the window with the focus.
    void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(w->windowHandle(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    }

    DesktopDialogs m_dialogs;
    std::unique_ptr<TForm1> w;
};

// Enter refreshes once wherever the focus is: with no valid birth date every refresh asks
// for one, so the number of questions is the number of refreshes.
TEST_F(KeysTest, EnterRefreshesExactlyOnceFromEveryControl)
{
    const struct {
        int page;
        const char* control;
    } controls[] = {
        {0, "MaskEdit1"}, {0, "ComboBox4"}, {0, "LabeledEdit1"}, {0, "Button4"},
        {0, "CheckBox4"}, {0, "ComboBox3"}, {0, "DTP1"},     {0, "RichEdit1"},
        {1, "ComboBox2"}, {1, "ComboBox1"}, {1, "Button1"},  {1, "LabeledEdit2"},
    };
    for (const auto& c : controls) {
        w->pageControl().setCurrentIndex(c.page);
        QApplication::processEvents();
        w->bioPage().MaskEdit1()->setText(QStringLiteral("31.02.2000"));
        auto* target = child<QWidget>(c.control);
        ASSERT_NE(target, nullptr) << c.control;
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {   // main and keypad Enter
            QApplication::setActiveWindow(w.get());
            target->setFocus(Qt::OtherFocusReason);
            QApplication::processEvents();
            m_dialogs.infos.clear();
            type(key);
            EXPECT_EQ(m_dialogs.infos.size(), 1) << c.control << " " << key;
            EXPECT_EQ(m_dialogs.infos.value(0).toStdString(), kAskForBirthDate.toStdString());
        }
    }
}


// Esc in the birth-date field brings back the last valid birth date, however the field lost
// it: typed over, emptied and refused on leaving, or refused on Enter.
TEST_F(KeysTest, EscRestoresTheLastValidBirthDate)
{
    QLineEdit* birth = w->bioPage().MaskEdit1();
    const struct {
        const char* why;
        const char* typed;     // typed over the whole field; empty: the field is emptied
        int before;            // key pressed before Esc (0: none)
        const char* message;   // what the key before Esc brings up
    } cases[] = {
        {"typed over", "31022000", 0, nullptr},
        {"emptied, then Tab refused", "", Qt::Key_Tab,
         "Ungültiger Eingabewert. Mit Esc werden die Änderungen rückgängig gemacht."},
        {"day left blank, then Enter refused", "  122000", Qt::Key_Return,
         "Geben Sie ein Geburtsdatum ein."},
    };
    for (const auto& c : cases) {
        QApplication::setActiveWindow(w.get());
        birth->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_EQ(birth->text(), QStringLiteral("08.12.2026")) << c.why;
        birth->selectAll();
        type(Qt::Key_Delete);
        QTest::keyClicks(birth, QString::fromLatin1(c.typed));
        m_dialogs.infos.clear();
        m_dialogs.errors.clear();
        if (c.before) {
            type(c.before);
            QApplication::setActiveWindow(w.get());
            QApplication::processEvents();
            const QStringList shown = m_dialogs.infos + m_dialogs.errors;
            ASSERT_EQ(shown.size(), 1) << c.why;
            EXPECT_EQ(shown[0].toStdString(), c.message) << c.why;
            EXPECT_EQ(QApplication::focusWidget(), birth) << c.why;
        }
        type(Qt::Key_Escape);
        EXPECT_EQ(birth->text().toStdString(), "08.12.2026") << c.why;
    }
}

// A date confirmed with Enter or put in by the program is the one Esc returns to.
TEST_F(KeysTest, EscReturnsToTheDateConfirmedLast)
{
    QLineEdit* birth = w->bioPage().MaskEdit1();
    birth->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    birth->selectAll();
    QTest::keyClicks(birth, QStringLiteral("01121990"));
    type(Qt::Key_Return);
    EXPECT_TRUE(m_dialogs.infos.isEmpty());
    birth->selectAll();
    QTest::keyClicks(birth, QStringLiteral("3102"));
    type(Qt::Key_Escape);
    EXPECT_EQ(birth->text().toStdString(), "01.12.1990");

    // The program puts a name's date in while the field has no focus.
    w->bioPage().ComboBox4()->setFocus();
    birth->setText(QStringLiteral("15.06.1980"));
    birth->setFocus(Qt::TabFocusReason);
    birth->selectAll();
    type(Qt::Key_Delete);
    type(Qt::Key_Escape);
    EXPECT_EQ(birth->text().toStdString(), "15.06.1980");
}


// Up/Down step the year by one, PageUp/PageDown by ten, and each step refreshes the page;
// the year stops at 1 and 9999. Reached with the caption's accelerator Alt+J.
TEST_F(KeysTest, YearKeysStepTheYearAndRefresh)
{
    type(Qt::Key_J, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), w->bioPage().LabeledEdit1());
    const struct {
        int key;
        int year;
    } steps[] = {
        {Qt::Key_Up, 2027}, {Qt::Key_PageUp, 2037}, {Qt::Key_Down, 2036}, {Qt::Key_PageDown, 2026},
    };
    for (const auto& st : steps) {
        type(st.key);
        EXPECT_EQ(w->bioPage().LabeledEdit1()->text(), QString::number(st.year)) << st.key;
        EXPECT_EQ(w->bioPage().DBChart1()->model().title.join(QString()),
                  QStringLiteral("Zuvododerod für Monat Dezember %1 (  )").arg(st.year))
            << st.key;
    }
    w->bioPage().UpDown5()->setPosition(9995);
    type(Qt::Key_PageUp);
    type(Qt::Key_Up);
    EXPECT_EQ(w->bioPage().LabeledEdit1()->text(), QStringLiteral("9999"));
    w->bioPage().UpDown5()->setPosition(5);
    type(Qt::Key_PageDown);
    EXPECT_EQ(w->bioPage().LabeledEdit1()->text(), QStringLiteral("1"));
}

// Each caption's accelerator puts the focus into its input, on either page.
TEST_F(KeysTest, AcceleratorsReachEveryInput)
{
    const struct {
        int page;
        int key;
        const char* input;
    } accelerators[] = {
        {0, Qt::Key_G, "MaskEdit1"},  {0, Qt::Key_M, "ComboBox4"}, {0, Qt::Key_J, "LabeledEdit1"},
        {0, Qt::Key_N, "ComboBox3"},  {0, Qt::Key_T, "DTP1"},      {0, Qt::Key_Z, "CheckBox4"},
        {1, Qt::Key_B, "ComboBox2"},  {1, Qt::Key_M, "ComboBox1"}, {1, Qt::Key_J, "LabeledEdit2"},
        {1, Qt::Key_Z, "CheckBox3"},  {1, Qt::Key_G, "MaskEdit2"},
    };
    w->bioPage().MaskEdit1()->setText(QStringLiteral("01.01.2000"));
    // The birth-date field of the second page shows with "Mit Zuvododerod" ticked.
    child<QCheckBox>("CheckBox3")->click();
    for (const auto& a : accelerators) {
        w->pageControl().setCurrentIndex(a.page);
        QApplication::processEvents();
        type(a.key, Qt::AltModifier);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_EQ(focus ? focus->objectName().toStdString() : std::string("-"), a.input)
            << "Alt+" << char(a.key);
    }
}

// Every input of both pages has a caption with an accelerator that leads to it.
TEST_F(KeysTest, EveryInputHasABuddyCaption)
{
    for (QWidget* page : {static_cast<QWidget*>(&w->bioPage()), w->pageControl().widget(1)}) {
        QList<QWidget*> buddies;
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (label->buddy() && label->text().contains(QLatin1Char('&')))
                buddies << label->buddy();
        }
        for (QWidget* input : page->findChildren<QWidget*>()) {
            const bool isInput = qobject_cast<QLineEdit*>(input) || qobject_cast<QComboBox*>(input)
                || qobject_cast<QAbstractSpinBox*>(input);
            // Inputs inside other inputs (a box's own edit) are reached through them.
            if (!isInput || !input->parentWidget()
                || !input->parentWidget()->objectName().startsWith(QLatin1String("Panel")))
                continue;
            EXPECT_TRUE(buddies.contains(input)) << input->objectName().toStdString();
        }
    }
}

// Tab visits the inputs of the biorhythm page in order and nothing that cannot show the focus.
TEST_F(KeysTest, TabVisitsOnlyControlsThatShowTheFocus)
{
    // Reading order, column by column, from the birth date the page starts on; Tab walks the
    // day picker's day, month and year before it leaves.
    const char* order[] = {"MaskEdit1", "ComboBox4", "LabeledEdit1", "Button4", "RichEdit1",
                           "DTP1", "DTP1", "DTP1", "CheckBox4", "ComboBox3", "StaticText5",
                           "MaskEdit1"};
    w->bioPage().MaskEdit1()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (const char* expected : order) {
        QWidget* focus = QApplication::focusWidget();
        EXPECT_EQ(focus ? focus->objectName().toStdString() : std::string("-"), expected);
        type(Qt::Key_Tab);
    }
    // The name-list link opens its window with the space bar.
    auto* link = child<QWidget>("StaticText5");
    link->setFocus(Qt::TabFocusReason);
    type(Qt::Key_Space);
    EXPECT_TRUE(w->nameListWindow().isVisible());
    w->nameListWindow().close();
}

// F1 opens the help, Ctrl+P prints the chart on the first page and shows the calendar
// page's preview on the second, Ctrl+Q quits.
TEST_F(KeysTest, ShortcutsOpenHelpPrintPreviewAndQuit)
{
    type(Qt::Key_F1);
    auto* help = w->findChild<zuv::info::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
    QApplication::setActiveWindow(w.get());

    QPrinter& printer = zuv::info::currentPrinter();
    const QString pdf = m_folder.filePath(QStringLiteral("chart.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    type(Qt::Key_P, Qt::ControlModifier);
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join(QLatin1Char('|')).toStdString();

    w->pageControl().setCurrentIndex(1);
    QApplication::processEvents();
    m_dialogs.execs.clear();
    type(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_dialogs.execs, QStringList{QStringLiteral("QPrintPreviewDialog")});

    type(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(KeysTest, NoTwoControlsOfAWindowShareAnAccessKey)
{
    expectOwnAccessKeys(&fixedNow);
}

} // namespace
