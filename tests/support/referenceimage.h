// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Comparing a rendered page with a stored reference image, pixel for pixel. The references
// were drawn on the build machine (Debian 12, its fonts through fontconfig); on a machine
// with other fonts they are written anew with ZUV_WRITE_REFERENCES=1 and checked by eye.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace zuv::testing {

// An A4 sheet at 96 dots per inch, white.
inline QImage a4Sheet()
{
    QImage sheet(794, 1123, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3780);
    sheet.setDotsPerMeterY(3780);
    sheet.fill(Qt::white);
    return sheet;
}

// Exact comparison: the same primitives drawn in the same order by the same Qt give the
// same pixels, so any difference is a change a user could see. A failing image is kept in
// the temp folder beside the reference's name.
inline void expectSameAsReference(const QImage& actual, const QString& reference)
{
    if (qEnvironmentVariableIsSet("ZUV_WRITE_REFERENCES")) {
        ASSERT_TRUE(actual.save(reference)) << reference.toStdString();
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "missing reference " << reference.toStdString();
    ASSERT_EQ(expected.size(), actual.size());
    const QImage got = actual.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            differing += got.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
    if (differing > 0) {
        const QString kept = QDir::temp().filePath(QStringLiteral("actual-")
                                                   + QFileInfo(reference).fileName());
        got.save(kept);
        ADD_FAILURE() << differing << " pixels differ from " << reference.toStdString()
                      << "; drawn page kept as " << kept.toStdString();
    }
}

} // namespace zuv::testing
