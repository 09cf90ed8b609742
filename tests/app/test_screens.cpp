// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window on the user's desktop: Qt's own texts in German and the windows that
// belong to the main window.

#include "aboutbox.h"
#include "application.h"
#include "apptestsupport.h"
#include "helpwindow.h"
#include "programfolder.h"
#include "tform1.h"
#include "tform10.h"
#include "tform3.h"

#include "biopage.h"
#include "chart.h"
#include "fotopage.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <cmath>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using zuv::app::TForm1;

namespace {

class ScreensTest : public ShippedDataTest {
protected:
    RecordingDialogs m_dialogs;
};

// Texts of Qt's own dialogs as Qt's German catalogue has them (qtbase_de.qm of Debian 12's
// qt6-translations-l10n 6.4.2).
TEST_F(ScreensTest, QtsOwnDialogsSpeakGerman)
{
    ASSERT_TRUE(zuv::app::installQtGermanCatalogue(*QCoreApplication::instance()));
    const struct {
        const char* context;
        const char* source;
        const char* german;
    } texts[] = {
        {"QPrintDialog", "Print", "Drucken"},
        {"QPlatformTheme", "Cancel", "Abbrechen"},
        {"QFileDialog", "File &name:", "Datei&name:"},
        {"QPrintPreviewDialog", "Page Setup", "Seite einrichten"},
        {"QFontDialog", "Select Font", "Schriftart auswählen"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(QCoreApplication::translate(t.context, t.source).toStdString(), t.german)
            << t.context << " / " << t.source;
}

TEST_F(ScreensTest, AMissingCatalogueIsReported)
{
    QTemporaryDir empty;
    EXPECT_FALSE(zuv::app::installQtGermanCatalogue(*QCoreApplication::instance(), empty.path()));
}

// Every other window belongs to the main window: it is a window of its own (transient for
// the main window, no task-bar entry) and opens centred on it.
TEST_F(ScreensTest, EveryWindowBelongsToTheMainWindowAndOpensCentredOnIt)
{
    TForm1 w(&fixedNow);
    w.FormCreate();
    w.move(40, 30);
    w.show();
    const QPoint centre = w.frameGeometry().center();
    QWidget* windows[] = {&w.reportWindow(), &w.aboutBox(), &w.nameListWindow()};
    for (QWidget* child : windows) {
        EXPECT_TRUE(child->isWindow()) << child->objectName().toStdString();
        ASSERT_NE(child->parentWidget(), nullptr) << child->objectName().toStdString();
        EXPECT_EQ(child->parentWidget()->window(), &w) << child->objectName().toStdString();
    }
    for (QWidget* shown : {static_cast<QWidget*>(&w.aboutBox()),
                           static_cast<QWidget*>(&w.nameListWindow())}) {
        shown->show();
        const QPoint c = shown->frameGeometry().center();
        EXPECT_LE((c - centre).manhattanLength(), 2) << shown->objectName().toStdString();
        shown->hide();
    }
    w.Inhalt1Click();
    auto* help = w.findChild<zuv::info::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isWindow());
    help->close();
}


std::string describe(const QWidget* w, const QRect& r)
{
    return (w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                      : w->objectName().toStdString())
        + " at " + std::to_string(r.x()) + "," + std::to_string(r.y()) + " "
        + std::to_string(r.width()) + "x" + std::to_string(r.height());
}

// Every visible control of the shown page and of the status bar lies inside the window and
// inside its page; captions fit their controls.
void expectEverythingInside(TForm1& w, const std::string& where)
{
    QApplication::processEvents();
    const QRect window = w.rect();
    QWidget* page = w.pageControl().currentWidget();
    const QRect pageRect(page->mapTo(&w, QPoint(0, 0)), page->size());
    EXPECT_TRUE(window.contains(pageRect)) << where << ": page " << describe(page, pageRect);
    auto check = [&](QWidget* container, bool inPage) {
        for (QWidget* c : container->findChildren<QWidget*>()) {
            if (c->isWindow() || !c->isVisibleTo(&w))
                continue;
            const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
            EXPECT_TRUE(window.contains(r)) << where << ": " << describe(c, r);
            if (inPage) {
                EXPECT_TRUE(pageRect.contains(r)) << where << ": " << describe(c, r);
            }
            // Captions may not be cut: every line of a caption is as wide as the control at most.
            QString caption;
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                caption = b->text().remove(QLatin1Char('&'));
            else if (auto* l = qobject_cast<QLabel*>(c); l && !l->wordWrap() && l->pixmap().isNull())
                caption = l->buddy() ? l->text().remove(QLatin1Char('&')) : l->text();
            for (const QString& line : caption.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                EXPECT_LE(c->fontMetrics().horizontalAdvance(line), c->width())
                    << where << ": caption \"" << line.toStdString() << "\" of " << describe(c, r);
            }
        }
    };
    check(page, true);
    auto* status = w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(status, nullptr);
    const QRect statusRect(status->mapTo(&w, QPoint(0, 0)), status->size());
    EXPECT_TRUE(window.contains(statusRect)) << where << ": " << describe(status, statusRect);
    check(status, false);
}

// Screens from 1024 x 768 to 3840 x 2160 at the scale factors desktops offer; the logical
// work area is the screen divided by the factor, less a panel where a desktop has one.
TEST_F(ScreensTest, NothingIsCutOffOnAnyScreenAtAnyScaleFactor)
{
    const struct {
        QSize screen;
        double scale;
        int panel;   // height of a desktop panel at the top, logical pixels
    } screens[] = {
        {{1024, 768}, 1.0, 0},  {{1280, 1024}, 1.0, 0}, {{1366, 768}, 1.0, 27},
        {{1920, 1080}, 1.0, 0}, {{1920, 1080}, 1.0, 40}, {{2560, 1440}, 1.0, 0},
        {{3840, 2160}, 1.0, 0}, {{1920, 1080}, 2.0, 0},  {{1024, 768}, 2.0, 0},
        {{2560, 1440}, 1.5, 32}, {{3840, 2160}, 2.0, 0}, {{1280, 800}, 1.25, 0},
    };
    for (const auto& sc : screens) {
        const QRect work(0, sc.panel, int(sc.screen.width() / sc.scale),
                         int(sc.screen.height() / sc.scale) - sc.panel);
        const std::string where = std::to_string(sc.screen.width()) + "x"
            + std::to_string(sc.screen.height()) + " @" + std::to_string(sc.scale);
        TForm1 w(&fixedNow);
        w.FormCreate();
        w.fitToScreen(work, sc.scale);
        w.show();
        QApplication::processEvents();
        // The window with the frame reserved for the window manager lies in the work area.
        const QRect outer(w.pos(), w.size() + zuv::app::kFrameEstimate);
        EXPECT_TRUE(work.contains(outer)) << where;
        EXPECT_LE(w.minimumSizeHint().width() + zuv::app::kFrameEstimate.width(), work.width()) << where;
        EXPECT_LE(w.minimumSizeHint().height() + zuv::app::kFrameEstimate.height(), work.height()) << where;
        // The charts' texts grow and shrink with the controls' fonts.
        const double pageFactor = w.bioPage().scale().font;
        EXPECT_NEAR(pageFactor, w.sizing().factor, 0.01) << where;
        EXPECT_DOUBLE_EQ(w.bioPage().DBChart1()->contentScale(), pageFactor) << where;
        EXPECT_DOUBLE_EQ(w.bioPage().DBChart2()->contentScale(), pageFactor) << where;

        // Both pages as opened, at the smallest size the window allows and at the whole work
        // area: the pages follow the window.
        const QSize sizes[] = {w.size(), w.minimumSizeHint(),
                               work.size() - zuv::app::kFrameEstimate};
        for (const QSize& size : sizes) {
            w.resize(size);
            for (int pageIndex : {0, 1}) {
                w.pageControl().setCurrentIndex(pageIndex);
                expectEverythingInside(w, where + " " + std::to_string(size.width()) + "x"
                                              + std::to_string(size.height()) + " page "
                                              + std::to_string(pageIndex));
            }
        }
        w.close();
    }
}


// Relative luminance and contrast ratio as the web content accessibility guidelines define
// them (WCAG 2.1, 1.4.3: at least 4.5:1 for text).
double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Contrast, TheGuidelinesOwnExamples)
{
    EXPECT_NEAR(contrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);   // just too light
    EXPECT_NEAR(contrast(Qt::blue, QColor(0x33, 0x33, 0x33)), 1.4, 0.1);     // the issue's link
}

// The background a text is drawn on: its own when it fills it, else its parents'.
QColor backgroundOf(const QWidget* w, QPalette::ColorRole role)
{
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p == w && role != QPalette::Window)
            return p->palette().color(role);
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(QPalette::Window);
    }
    return w->palette().color(QPalette::Window);
}

QPalette darkTheme()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    p.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    return p;
}

// Every text of both pages keeps 4.5:1 against what it is drawn on, in a light and in a dark
// desktop theme: a colour the pages set always comes with its partner.
TEST_F(ScreensTest, TextsKeepTheirContrastInLightAndDarkThemes)
{
    const QPalette original = QApplication::palette();
    const struct {
        const char* name;
        QPalette palette;
    } themes[] = {{"light", QApplication::style()->standardPalette()}, {"dark", darkTheme()}};
    for (const auto& theme : themes) {
        QApplication::setPalette(theme.palette);
        TForm1 w(&fixedNow);
        w.FormCreate();
        for (QWidget* page : {static_cast<QWidget*>(&w.bioPage()), w.pageControl().widget(1)}) {
            int checked = 0;
            for (QWidget* c : page->findChildren<QWidget*>()) {
                QPalette::ColorRole fg = QPalette::WindowText;
                QPalette::ColorRole bg = QPalette::Window;
                if (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractSpinBox*>(c)
                    || qobject_cast<QTextEdit*>(c)
                    || (qobject_cast<QComboBox*>(c) && static_cast<QComboBox*>(c)->isEditable())) {
                    fg = QPalette::Text;
                    bg = QPalette::Base;
                } else if (qobject_cast<QPushButton*>(c) || qobject_cast<QComboBox*>(c)) {
                    fg = QPalette::ButtonText;
                    bg = QPalette::Button;
                } else if (!qobject_cast<QLabel*>(c) && !qobject_cast<QCheckBox*>(c)) {
                    continue;
                }
                if (auto* l = qobject_cast<QLabel*>(c); l && !l->pixmap().isNull())
                    continue;
                ++checked;
                const double ratio = contrast(c->palette().color(fg), backgroundOf(c, bg));
                EXPECT_GE(ratio, 4.5) << theme.name << ": " << c->objectName().toStdString() << " "
                                      << c->metaObject()->className();
            }
            EXPECT_GT(checked, 10) << theme.name;
        }
    }
    QApplication::setPalette(original);
}

} // namespace
