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

#include <QCoreApplication>
#include <QLibraryInfo>
#include <gtest/gtest.h>

using zuv::app::TForm1;

namespace {

class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        ASSERT_TRUE(m_folder.isValid());
        copyTree(QStringLiteral(ZUV_SOURCE_DIR "/data"), m_folder.path());
        zuv::core::setProgramFolder(m_folder.path());
    }
    void TearDown() override { zuv::core::setProgramFolder(QString()); }
    static QDateTime fixedNow() { return QDateTime(QDate(2026, 12, 8), QTime(10, 11, 12)); }

    QTemporaryDir m_folder;
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

} // namespace
