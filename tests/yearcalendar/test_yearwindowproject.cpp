// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year window's project files: opened and saved under another name, the last one
// opened again when the window is made anew on the same settings (as at the next start),
// and a last project that is gone or damaged.

#include "recordingdialogs.h"
#include "settings.h"
#include "yearwindow.h"
#include "yearwindowmemory.h"

#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace zuv::yearcal;

class YearProjectFilesTest : public ::testing::Test {
protected:
    void SetUp() override { zuv::core::reopenSettings(dir.filePath(QStringLiteral("zuvododerod.conf"))); }
    void TearDown() override { zuv::core::reopenSettings(); }

    // A window as the program makes it: the default project in the data folder.
    std::unique_ptr<YearWindow> start()
    {
        auto w = std::make_unique<YearWindow>(defaultPath, [] { return std::vector<Person>(); },
                                              [] { return zuv::photo::CalendarReport(); });
        w->openProject(2027);
        return w;
    }
    // Closes the window (saving its project) and lets the settings go to their file.
    void stop(std::unique_ptr<YearWindow>& w)
    {
        w->reject();
        w.reset();
        zuv::core::reopenSettings(dir.filePath(QStringLiteral("zuvododerod.conf")));
    }
    void click(YearWindow& w, const char* button, const QString& file)
    {
        dialogs.answer = [file](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(file);
            return int(QDialog::Accepted);
        };
        w.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        dialogs.answer = {};
    }
    void setYear(YearWindow& w, int year)
    {
        YearProject p = w.project();
        p.year = year;
        w.setProject(p);
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString defaultPath = dir.filePath(QStringLiteral("daten/") + kProjectFileName);
    zuv::testing::RecordingDialogs dialogs;
};

TEST_F(YearProjectFilesTest, TheProjectLastOpenedOrSavedComesBack)
{
    auto w = start();
    setYear(*w, 2031);
    click(*w, "SaveProjectAsButton", file("familie.json"));
    EXPECT_EQ(loadProject(file("familie.json")).year, 2031);
    stop(w);

    w = start();
    EXPECT_EQ(w->projectPath(), file("familie.json"));
    EXPECT_EQ(w->project().year, 2031);
    // Opening another project keeps the changes of the one left in its file.
    YearProject grandma = w->project();
    grandma.year = 2040;
    saveProject(file("oma.json"), grandma);
    setYear(*w, 2032);
    click(*w, "OpenProjectButton", file("oma.json"));
    EXPECT_EQ(w->project().year, 2040);
    EXPECT_EQ(loadProject(file("familie.json")).year, 2032);
    // A file that is no project is reported; the project shown stays.
    QFile text(file("notiz.json"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Einkaufsliste");
    text.close();
    click(*w, "OpenProjectButton", file("notiz.json"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(w->projectPath(), file("oma.json"));
    stop(w);

    w = start();
    EXPECT_EQ(w->project().year, 2040);
    EXPECT_FALSE(QFile::exists(defaultPath));   // the default project was never written
}

TEST_F(YearProjectFilesTest, ALastProjectGoneOrDamagedIsReportedOnceAndTheDefaultOpens)
{
    const struct {
        const char* what;
        QByteArray content;            // empty: the file is gone
        const char* message;
        int defaultYear;               // of the default project's file; 0: there is none
    } cases[] = {{"weg", {}, "gibt es nicht mehr", 0}, {"kaputt", "{ kaputt", "kein Jahreskalender-Projekt", 2029}};
    for (const auto& c : cases) {
        dialogs.errors.clear();
        QFile::remove(defaultPath);
        if (c.defaultYear) {
            YearProject standard;
            standard.year = c.defaultYear;
            saveProject(defaultPath, standard);
        }
        const QString last = file(c.what) + QStringLiteral(".json");
        if (!c.content.isEmpty()) {
            QFile f(last);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.content);
        }
        YearWindowMemory memory = recallYearWindow();
        memory.lastProject = last;
        keepYearWindow(memory);

        auto w = start();
        ASSERT_EQ(dialogs.errors.size(), 1) << c.what;
        EXPECT_TRUE(dialogs.errors[0].contains(QString::fromUtf8(c.message))) << dialogs.errors[0].toStdString();
        EXPECT_EQ(w->projectPath(), defaultPath);
        EXPECT_EQ(w->project().year, c.defaultYear ? c.defaultYear : 2027);   // else a new one
        stop(w);
        w = start();
        EXPECT_EQ(dialogs.errors.size(), 1) << c.what << ": said once";
        stop(w);
    }
}

} // namespace
