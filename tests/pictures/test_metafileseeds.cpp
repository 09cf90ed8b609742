// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Every metafile seed of the fuzz target, and every input that crashed the conversion
// libraries, replayed through the helper process as the program runs it: a drawing or a
// reported error, never a crash of the caller.

#include "dialogs.h"
#include "pictureloader.h"
#include "printers.h"
#include "reportpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList seeds()
{
    QStringList files;
    QDirIterator it(QStringLiteral(ZUV_TEST_DATA_DIR "/photocalendar"),
                    {QStringLiteral("*.emf"), QStringLiteral("*.wmf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

TEST(MetafileSeeds, ConvertOrReportWithoutHarm)
{
    zuv::pictures::setMetafileHelperPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zuvododerod-metafile")));
    const QStringList files = seeds();
    ASSERT_GE(files.size(), 7);
    int converted = 0;
    for (const QString& file : files) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        const bool sound = QFileInfo(file).fileName().startsWith(QLatin1String("sample."));
        try {
            const QByteArray svg =
                zuv::pictures::convertInHelper(file.endsWith(QLatin1String(".emf")), f.readAll());
            const auto picture = zuv::pictures::ReportPicture::fromSvg(svg);
            EXPECT_TRUE(picture.isVector()) << file.toStdString();
            ++converted;
        } catch (const zuv::core::Error& e) {
            EXPECT_FALSE(sound) << file.toStdString() << ": " << e.message().toStdString();
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
    EXPECT_GE(converted, 2);
}

TEST(MetafileSeeds, MissingHelperIsReported)
{
    zuv::pictures::setMetafileHelperPath(QStringLiteral("/nonexistent/zuvododerod-metafile"));
    EXPECT_THROW(zuv::pictures::convertInHelper(true, QByteArray("x")), zuv::core::Error);
    zuv::pictures::setMetafileHelperPath(QString());
}

// The helper's end as the program judges it, the same at every run: a too large drawing by
// the whole output once the helper has ended (not only what arrived while it ran), and a
// stop at the processor-time limit as a drawing too costly, not as a damaged file.
TEST(MetafileSeeds, AHelperThatRanAwayIsJudgedByItsEnd)
{
    QTemporaryDir dir;
    const struct { const char* script; const char* reason; } cases[] = {
        {"cat >/dev/null; head -c 1048577 /dev/zero", "zu große Zeichnung (2 MB, höchstens 1 MB)"},
        {"cat >/dev/null; kill -XCPU $$", "zu aufwendig"},
    };
    for (const auto& c : cases) {
        const QString helper = dir.filePath(QStringLiteral("helper.sh"));
        QFile f(helper);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("#!/bin/sh\n") + c.script + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        zuv::pictures::setMetafileHelperPath(helper);
        for (int run = 0; run < 2; ++run) {
            try {
                zuv::pictures::convertInHelper(true, QByteArray("x"), zuv::pictures::kMetafileTimeoutMs, 1 << 20);
                ADD_FAILURE() << c.script << " accepted";
            } catch (const zuv::core::Error& e) {
                EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << e.message().toStdString();
                EXPECT_FALSE(e.message().contains(QStringLiteral("ist beschädigt"))) << e.message().toStdString();
            }
        }
    }
    zuv::pictures::setMetafileHelperPath(QString());
}

} // namespace
