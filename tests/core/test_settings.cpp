// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings.h"

#include "recordingdialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zuv::core::Settings;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(Settings, ValuesOfTheWrongTypeOrRangeGiveTheFallback)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.conf"));
    writeFile(path, "[G]\nint=12\nbig=99999\nword=abc\nflag=vielleicht\nsize=7\n"
                    "goodsize=@Size(640 480)\nfont=keine Schrift\n");
    const Settings s(path);
    EXPECT_TRUE(s.problem().isEmpty());
    EXPECT_EQ(s.integer(QStringLiteral("G/int"), 1, 0, 100), 12);
    EXPECT_EQ(s.integer(QStringLiteral("G/big"), 1, 0, 100), 1);
    EXPECT_EQ(s.integer(QStringLiteral("G/word"), 1, 0, 100), 1);
    EXPECT_TRUE(s.boolean(QStringLiteral("G/flag"), true));
    EXPECT_EQ(s.size(QStringLiteral("G/size"), QSize(1, 2)), QSize(1, 2));
    EXPECT_EQ(s.size(QStringLiteral("G/goodsize")), QSize(640, 480));
    const QFont fallback(QStringLiteral("Liberation Serif"), 17);
    EXPECT_EQ(s.font(QStringLiteral("G/font"), fallback), fallback);
}

TEST(Settings, KeptAcrossReopeningAndWrittenWithoutATemporaryLeftBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/z.conf"));
    const QFont font(QStringLiteral("Liberation Sans"), 23, QFont::Bold);
    {
        Settings s(path);
        s.set(QStringLiteral("Drucker/Name"), QStringLiteral("Büro „2“"));
        s.set(QStringLiteral("Hauptfenster/Groesse"), QSize(900, 600));
        s.setFont(QStringLiteral("F/Titel"), font);
        EXPECT_TRUE(s.sync());
    }
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("z.conf")});
    const Settings again(path);
    EXPECT_EQ(again.string(QStringLiteral("Drucker/Name")), QStringLiteral("Büro „2“"));
    EXPECT_EQ(again.size(QStringLiteral("Hauptfenster/Groesse")), QSize(900, 600));
    EXPECT_EQ(again.font(QStringLiteral("F/Titel"), QFont()), font);
}

// A file QSettings refuses (a section header without its bracket) and one a crash filled
// with NUL bytes: defaults, one message through the seam, the file kept aside, and the
// next write makes a fresh file.
TEST(Settings, DamagedFileMeansDefaultsOneMessageAndIsKept)
{
    const QByteArray damaged[] = {QByteArray("[Hauptfenster\nGroesse=@Size(900 600)\n"),
                                  QByteArray("Groesse=1\n") + QByteArray(64, '\0')};
    for (const QByteArray& bytes : damaged) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z.conf"));
        writeFile(path, bytes);
        zuv::testing::RecordingDialogs boxes;
        zuv::core::reopenSettings(path);
        EXPECT_EQ(zuv::core::settings().size(QStringLiteral("Hauptfenster/Groesse")), QSize());
        zuv::core::settings().set(QStringLiteral("A/b"), 5);
        EXPECT_TRUE(zuv::core::settings().sync());
        zuv::core::settings();
        ASSERT_EQ(boxes.infos.size(), 1) << bytes.constData();
        EXPECT_TRUE(boxes.infos[0].contains(QStringLiteral("beschädigt"))) << boxes.infos[0].toStdString();
        QFile kept(path + QStringLiteral(".defekt"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
        zuv::core::reopenSettings(path);
        EXPECT_EQ(zuv::core::settings().integer(QStringLiteral("A/b"), 0, 0, 9), 5);
        zuv::core::reopenSettings();
        EXPECT_EQ(boxes.infos.size(), 1);
    }
}

// A folder where the file should be is neither renamed nor written into.
TEST(Settings, FolderInThePlaceOfTheFileIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.conf"));
    ASSERT_TRUE(QDir().mkpath(path));
    Settings s(path);
    EXPECT_FALSE(s.problem().isEmpty());
    s.set(QStringLiteral("A/b"), 5);
    EXPECT_EQ(s.integer(QStringLiteral("A/b"), 0, 0, 9), 5);
    EXPECT_FALSE(s.sync());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(QDir(path).isEmpty());
}
