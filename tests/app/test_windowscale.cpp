// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Everything the main window opens follows its scale: on a 1920x1080 screen the page is
// drawn at about twice its design size, and menus, message boxes, the name list, the help
// window and the sign's text must not stay at half that size beside it.

#include "apptestsupport.h"
#include "biopage.h"
#include "helpwindow.h"
#include "printers.h"
#include "tform1.h"
#include "tform3.h"
#include "windowscale.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

using zuv::app::TForm1;
using zuv::widgets::WindowScale;

namespace {

class WindowScaleTest : public ShippedDataTest {
protected:
    void SetUp() override
    {
        ShippedDataTest::SetUp();
        m_appFont = QApplication::font();
    }
    void TearDown() override
    {
        // The scale belongs to the whole program: give the next test the design scale.
        WindowScale::instance().set(m_appFont, 1.0);
        ShippedDataTest::TearDown();
    }
    RecordingDialogs m_dialogs;
    QFont m_appFont;
};

// The largest explicit point size in a text (the sign texts set their sizes themselves).
double largestPointSize(const QTextDocument& doc)
{
    double largest = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            largest = std::max(largest, it.fragment().charFormat().fontPointSize());
    return largest;
}

TEST_F(WindowScaleTest, MenusDialogsAndWindowsFollowTheMainWindowAt1920x1080)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    w.bioPage().ShowZodiacSign(QDate(1960, 3, 2));
    const double loadedText = largestPointSize(*w.bioPage().RichEdit1()->document());
    ASSERT_GT(loadedText, 0);

    w.fitToScreen(QRect(0, 0, 1920, 1080), 1.0);
    w.show();
    QApplication::processEvents();
    const double factor = w.sizing().factor;
    ASSERT_GT(factor, 1.5) << "a 1920x1080 screen draws the page at about twice its design";
    const QFont main = w.font();

    // Menus and message boxes have no font of their own: they take the main window's.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zuvododerod"),
                    QStringLiteral("Text"), QMessageBox::Ok, &w);
    for (const QWidget* popup : {static_cast<const QWidget*>(&w.fotoMenu()),
                                 static_cast<const QWidget*>(&box)}) {
        EXPECT_DOUBLE_EQ(popup->font().pointSizeF(), main.pointSizeF()) << popup->metaObject()->className();
        EXPECT_EQ(popup->font().family(), main.family()) << popup->metaObject()->className();
    }

    // The name list is placed by hand: its size, controls and fonts grow as one.
    zuv::people::TForm3& names = w.nameListWindow();
    EXPECT_NEAR(names.width(), 364 * factor, 1);
    EXPECT_NEAR(names.height(), 178 * factor, 1);
    auto* close = names.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(close, nullptr);
    EXPECT_NEAR(close->geometry().right() + 1, (184 + 121) * factor, 1);
    EXPECT_NEAR(close->font().pointSizeF(), 8 * factor, 0.01);

    w.Inhalt1Click();
    auto* help = w.findChild<zuv::info::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_GE(help->width(), 680 * factor - 1);
    help->close();

    // The sign's text grows with the page and wraps: no horizontal bar.
    QTextEdit* text = w.bioPage().RichEdit1();
    const double pageFactor = w.bioPage().scale().font;
    EXPECT_NEAR(largestPointSize(*text->document()), loadedText * pageFactor, 0.01);
    EXPECT_FALSE(text->horizontalScrollBar()->isVisible());

    // Back at design size nothing compounds: the text returns to its loaded sizes.
    w.resize(w.minimumSize());
    w.bioPage().resize(zuv::app::kPageDesignSize);
    QApplication::processEvents();
    EXPECT_NEAR(largestPointSize(*text->document()), loadedText * w.bioPage().scale().font, 0.01);
    w.close();
}

} // namespace
