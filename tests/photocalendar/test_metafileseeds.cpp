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
    zuv::photo::setMetafileHelperPath(
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
                zuv::photo::convertInHelper(file.endsWith(QLatin1String(".emf")), f.readAll());
            const auto picture = zuv::photo::ReportPicture::fromSvg(svg);
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
    zuv::photo::setMetafileHelperPath(QStringLiteral("/nonexistent/zuvododerod-metafile"));
    EXPECT_THROW(zuv::photo::convertInHelper(true, QByteArray("x")), zuv::core::Error);
    zuv::photo::setMetafileHelperPath(QString());
}

} // namespace
