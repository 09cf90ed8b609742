// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A photo-calendar page wired as the main window wires it: the tables, the biorhythm page,
// the report window and the page, in a temporary program folder, with a dialog seam that
// records every message and answers every modal dialog.

#include "biopage.h"
#include "dialogs.h"
#include "recordingdialogs.h"
#include "zodiacfolder.h"
#include "fotopage.h"
#include "fotopagefonts.h"
#include "monthgrid.h"
#include "namelist.h"
#include "pagepictures.h"
#include "pictureloader.h"
#include "printers.h"
#include "programfolder.h"
#include "settings.h"
#include "table.h"
#include "tform10.h"
#include "zodiac.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using zuv::testing::RecordingDialogs;
using zuv::testing::makeProgramFolder;

inline QString testData(const QString& name)
{
    return QStringLiteral(ZUV_TEST_DATA_DIR "/photocalendar/") + name;
}

class PhotoFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // The page keeps its choices in the settings file: one of the test's own.
        m_settingsBefore = qgetenv("ZUVODODEROD_SETTINGS");
        qputenv("ZUVODODEROD_SETTINGS", QDir(m_dir.path()).filePath(QStringLiteral("zuvododerod.conf")).toUtf8());
        zuv::core::reopenSettings();
        makeProgramFolder(m_dir.path());
        zuv::core::setProgramFolder(m_dir.path());
        zuv::pictures::setMetafileHelperPath(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zuvododerod-metafile")));
        zuv::store::openOrCreate(names, zuv::people::kNameListFile, zuv::people::nameListFields());
        zuv::store::openOrCreate(grid, QStringLiteral("BioTab/Bildkalender"),
                                zuv::photo::bildkalenderFields());
        grid.emptyTable();
        bioPage = std::make_unique<zuv::bio::BioPage>(bioMonth, bio, percent, names);
        bioPage->initialise(kToday);
        bioPage->Button4Click();
        report = std::make_unique<zuv::photo::TForm10>(grid, bio, *bioPage);
        page = std::make_unique<zuv::photo::FotoPage>(grid, *bioPage, *report);
        page->initialise(kToday);
        dialogs.infos.clear();
        dialogs.errors.clear();
    }
    QByteArray m_settingsBefore;
    void TearDown() override
    {
        page.reset();
        report.reset();
        bioPage.reset();
        zuv::core::setProgramFolder(QString());
        // Writes the test's settings while its folder still exists, and lets go of them.
        qputenv("ZUVODODEROD_SETTINGS", m_settingsBefore);
        zuv::core::reopenSettings();
        QDir::setCurrent(m_startDir);
        qunsetenv("ZUVODODEROD_SETTINGS");
    }

    template <typename W>
    W* child(const char* name) const
    {
        W* w = page->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    static inline const QDate kToday{2010, 1, 20};
    QString m_startDir = QDir::currentPath();
    QTemporaryDir m_dir;
    RecordingDialogs dialogs;
    zuv::bio::BioMonthModel bioMonth;
    zuv::store::Table bio{QStringLiteral("CLDSBio")};
    zuv::store::Table percent{QStringLiteral("CLDProzent")};
    zuv::store::Table names{QStringLiteral("CDSNamensliste")};
    zuv::store::Table grid{QStringLiteral("CLDBildkalender")};
    std::unique_ptr<zuv::bio::BioPage> bioPage;
    std::unique_ptr<zuv::photo::TForm10> report;
    std::unique_ptr<zuv::photo::FotoPage> page;
};
