// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "infotestsupport.h"

#include <biopage.h>
#include <help.h>
#include <helpwindow.h>
#include <programfolder.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

using namespace zuv::info;
using namespace zuv::info::test;

namespace {

// Keeps the working directory of the test and restores it.
struct WorkingDirectory {
    explicit WorkingDirectory(const QString& path)
        : m_old(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(m_old); }
    QString m_old;
};

struct ProgramFolder {
    explicit ProgramFolder(const QString& path) { zuv::core::setProgramFolder(path); }
    ~ProgramFolder() { zuv::core::setProgramFolder({}); }
};

QStringList linksOf(const QTextDocument& doc)
{
    QStringList links;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()
                && !links.contains(format.anchorHref()))
                links << format.anchorHref();
        }
    }
    return links;
}

int helpWindowCount()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += qobject_cast<HelpWindow*>(w) != nullptr;
    return count;
}

} // namespace

TEST(General, AllgemeinesShowsTheGeneralTextFromTheProgramFolder)
{
    ProgramFolder folder(QStringLiteral(ZUV_TEST_DATA_DIR "/info"));
    QTemporaryDir elsewhere;
    WorkingDirectory cwd(elsewhere.path());
    QTextEdit RichEdit1;
    RichEdit1.setPlainText(QStringLiteral("Zwillinge: alter Text"));
    RecordingDialogs dialogs;
    EXPECT_TRUE(Allgemeines1Click(RichEdit1));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    const QString text = RichEdit1.toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Biorhythmus allgemein"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("einem körperlichen von 23 Tagen")));
    EXPECT_FALSE(text.contains(QStringLiteral("alter Text")));
}

TEST(General, MissingGeneralTextIsReportedAndLeavesTheBoxEmpty)
{
    QTemporaryDir empty;
    ProgramFolder folder(empty.path());
    QTextEdit RichEdit1;
    RichEdit1.setPlainText(QStringLiteral("Zwillinge: alter Text"));
    EXPECT_THROW(loadGeneralText(RichEdit1), zuv::core::Error);
    EXPECT_TRUE(RichEdit1.toPlainText().isEmpty());

    RichEdit1.setPlainText(QStringLiteral("Zwillinge: alter Text"));
    RecordingDialogs dialogs;
    EXPECT_FALSE(Allgemeines1Click(RichEdit1));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("BiorhythText.rtf")))
        << dialogs.errors.front().toStdString();
    EXPECT_TRUE(RichEdit1.toPlainText().isEmpty());
}

TEST(General, SignTextComesBackAfterTheGeneralText)
{
    RecordingDialogs dialogs;
    PageFixture fixture;
    zuv::bio::BioPage& page = fixture.page();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    QTextEdit& RichEdit1 = *page.RichEdit1();
    ASSERT_TRUE(RichEdit1.toPlainText().contains(QLatin1String(kSignText)));

    Allgemeines1Click(RichEdit1);
    EXPECT_TRUE(RichEdit1.toPlainText().startsWith(QStringLiteral("Biorhythmus allgemein")));
    // A click on the sign's picture brings its text back ...
    page.Image2Click();
    EXPECT_TRUE(RichEdit1.toPlainText().contains(QLatin1String(kSignText)));
    EXPECT_FALSE(RichEdit1.toPlainText().contains(QStringLiteral("Biorhythmus allgemein")));
    // ... and so does the next refresh.
    Allgemeines1Click(RichEdit1);
    page.Button4Click();
    EXPECT_TRUE(RichEdit1.toPlainText().contains(QLatin1String(kSignText)));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST(Help, ContentsOpenFromAnotherWorkingDirectory)
{
    QTemporaryDir elsewhere;
    WorkingDirectory cwd(elsewhere.path());
    QWidget owner;
    RecordingDialogs dialogs;

    HelpWindow* window = Inhalt1Click(&owner);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_TRUE(window->isWindow());
    const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/BioHelp/BioHilfe.html");
    EXPECT_EQ(helpFilePath(), expected);
    EXPECT_EQ(window->browser()->source(), QUrl::fromLocalFile(expected));
    EXPECT_EQ(window->browser()->documentTitle(), QStringLiteral("Zuvododerod – Hilfe"));
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("Inhalt")));
    EXPECT_TRUE(dialogs.execs.isEmpty());   // modeless: no modal loop

    // A second request uses the same window and shows the contents page again.
    window->browser()->setSource(QUrl(QStringLiteral("drucken.html")));
    EXPECT_EQ(Inhalt1Click(&owner), window);
    EXPECT_EQ(helpWindow(), window);
    EXPECT_EQ(helpWindowCount(), 1);
    EXPECT_EQ(window->browser()->source(), QUrl::fromLocalFile(expected));
}

TEST(Help, EveryTopicOfTheContentsExistsAndLeadsBack)
{
    QWidget owner;
    HelpWindow* window = Inhalt1Click(&owner);
    QTextBrowser* browser = window->browser();
    const QUrl contents = browser->source();
    const QStringList topics = linksOf(*browser->document());
    // biorhythm page, name list, photo calendar, holidays, printing, year calendar,
    // command line, where the files live
    ASSERT_EQ(topics.size(), 8) << topics.join(QLatin1Char(' ')).toStdString();
    for (const QString& topic : topics) {
        const QUrl url = contents.resolved(QUrl(topic));
        ASSERT_TRUE(QFileInfo::exists(url.toLocalFile())) << topic.toStdString();
        browser->setSource(url);   // what a click on the link does
        EXPECT_EQ(browser->source(), url);
        EXPECT_FALSE(browser->documentTitle().isEmpty()) << topic.toStdString();
        EXPECT_TRUE(linksOf(*browser->document()).contains(QStringLiteral("BioHilfe.html")))
            << topic.toStdString();
        EXPECT_TRUE(window->backButton()->isEnabled());
        window->backButton()->click();
        EXPECT_EQ(browser->source(), contents);
        EXPECT_TRUE(window->forwardButton()->isEnabled());
        window->forwardButton()->click();
        EXPECT_EQ(browser->source(), url);
        window->contentsButton()->click();
        EXPECT_EQ(browser->source(), contents);
    }
}

TEST(Help, EscCtrlWAndTheButtonCloseTheWindow)
{
    QWidget owner;
    const struct {
        const char* how;
        std::function<void(HelpWindow*)> close;
    } ways[] = {
        {"Esc", [](HelpWindow* w) { QTest::keyClick(w->browser(), Qt::Key_Escape); }},
        {"Ctrl+W", [](HelpWindow* w) { QTest::keyClick(w->browser(), Qt::Key_W, Qt::ControlModifier); }},
        {"button", [](HelpWindow* w) { w->closeButton()->click(); }},
    };
    for (const auto& way : ways) {
        HelpWindow* window = Inhalt1Click(&owner);
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << way.how;
        way.close(window);
        EXPECT_FALSE(window->isVisible()) << way.how;
    }
}

TEST(Help, MissingHelpFileIsShownInTheWindow)
{
    QTemporaryDir empty;
    ProgramFolder folder(empty.path());
    RecordingDialogs dialogs;
    QWidget owner;
    HelpWindow* window = Inhalt1Click(&owner);
    const QString text = window->browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Die Hilfedatei wurde nicht gefunden")));
    EXPECT_TRUE(text.contains(QDir(empty.path()).absoluteFilePath(QStringLiteral("BioHelp/BioHilfe.html"))));
    EXPECT_FALSE(window->backButton()->isEnabled());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST(Help, GrabOfTheHelpWindow)
{
    QWidget owner;
    HelpWindow* window = Inhalt1Click(&owner);
    const QPixmap shot = window->grab();
    EXPECT_FALSE(shot.isNull());
    if (!qEnvironmentVariableIsEmpty("ZUV_SHOT_DIR"))
        shot.save(qEnvironmentVariable("ZUV_SHOT_DIR") + QStringLiteral("/helpwindow.png"));
}
