// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared pieces of the main-window tests: one QApplication for the process, the recording
// dialog seam, and a copy of the shipped data as a program folder of their own.

#include "dialogs.h"
#include "programfolder.h"
#include "recordingdialogs.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

inline QApplication& ensureApp()
{
    static int argc = 1;
    static char arg0[] = "test_app";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

using zuv::testing::RecordingDialogs;

// Copies a folder tree (the shipped data) into a fresh program folder.
inline void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir src(from);
    for (const QString& f : src.entryList(QDir::Files))
        QFile::copy(src.filePath(f), to + QLatin1Char('/') + f);
    for (const QString& d : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyTree(src.filePath(d), to + QLatin1Char('/') + d);
}

// A main-window test whose program folder is a fresh copy of the shipped data, with the clock
// fixed at 8 December 2026, 10:11:12.
class ShippedDataTest : public ::testing::Test {
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
};
