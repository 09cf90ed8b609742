// The main window by keyboard alone: Enter, Esc in the birth-date field, the year keys and
// the window's shortcuts, typed through the window system as a user types them.

#include "apptestsupport.h"
#include "biopage.h"
#include "daypicker.h"
#include "programfolder.h"
#include "tform1.h"

#include <QCheckBox>
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

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        ASSERT_TRUE(m_folder.isValid());
        copyTree(QStringLiteral(ZUV_SOURCE_DIR "/data"), m_folder.path());
        zuv::core::setProgramFolder(m_folder.path());
        w = std::make_unique<TForm1>(&fixedNow);
        w->FormCreate();
        w->show();
        QApplication::setActiveWindow(w.get());
        QApplication::processEvents();
    }
    void TearDown() override
    {
        w.reset();
        zuv::core::setProgramFolder(QString());
    }
    static QDateTime fixedNow() { return QDateTime(QDate(2026, 12, 8), QTime(10, 11, 12)); }

    template <typename T>
    T* child(const char* name) { return w->findChild<T*>(QString::fromLatin1(name)); }
    // A key typed on the keyboard: through the window system to the window with the focus.
    void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(w->windowHandle(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    }

    QTemporaryDir m_folder;
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

} // namespace
