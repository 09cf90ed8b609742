// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A program folder for page tests: the table folder and a tiny picture and text for every
// sign of the zodiac, so that a refresh finds what it shows.

#include "zodiac.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace zuv::testing {

inline void makeProgramFolder(const QString& root)
{
    QDir dir(root);
    dir.mkpath(QStringLiteral("BioTab"));
    for (const auto& sign : zuv::people::zodiacSigns()) {
        const QString picture = dir.filePath(sign.pictureFile);
        const QString text = dir.filePath(sign.textFile);
        dir.mkpath(QFileInfo(picture).path());
        dir.mkpath(QFileInfo(text).path());
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(picture, "BMP");
        QFile rtf(text);
        if (rtf.open(QIODevice::WriteOnly))
            rtf.write("{\\rtf1\\ansi " + sign.sign.toLatin1() + " text}");
    }
}

} // namespace zuv::testing
