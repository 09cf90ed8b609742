// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures people have, checked when they are chosen: PNG, TIFF, WebP and GIF read with
// their own pixels, each fault named with the file and its cause.

#include "picturecache.h"
#include "picturechoice.h"
#include "picturefiles.h"
#include "pictureloader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zuv::photo;
using namespace zuv::pictures;

TEST(PictureChoice, EveryFileOfTheTableIsJudgedWhenChosen)
{
    QTemporaryDir dir;
    for (const auto& c : zuv::testing::writePictureFiles(dir.path(), QColor(0x20, 0x80, 0xE0))) {
        const QString path = dir.filePath(c.name);
        const QString problem = checkChosenPicture(path);
        if (!c.cause) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            const QImage image = PictureCache().image(path, QSize(400, 400));
            EXPECT_EQ(image.size(), QSize(40, 30)) << c.name.toStdString();
            const QColor seen = image.pixelColor(20, 15);   // JPEG and WebP are lossy
            EXPECT_NEAR(seen.red(), 0x20, 8) << c.name.toStdString();
            EXPECT_NEAR(seen.green(), 0x80, 8) << c.name.toStdString();
            EXPECT_NEAR(seen.blue(), 0xE0, 8) << c.name.toStdString();
            continue;
        }
        EXPECT_TRUE(problem.startsWith(pictureError(path, {}))) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.cause))) << problem.toStdString();
    }
}

} // namespace
