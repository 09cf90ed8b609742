// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Helpers of the year calendar tests: pictures on disk and what poppler reads from a PDF.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace yeartest {

// A JPEG of one colour with a white disc, like a small camera photo; by default large enough
// to print sharp (150 ppi) in every slot.
inline QString writePhoto(const QString& path, const QColor& colour, QSize size = {1280, 960})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "JPEG", 90);
    return path;
}

// Output of a poppler tool; fails the test when it cannot run.
inline QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "Pages:", "Page size:" ... of pdfinfo.
inline QString pdfInfo(const QString& pdf, const QString& key)
{
    for (const QString& line : poppler(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

// The text of page (1-based), blanks squeezed to one.
inline QString pdfText(const QString& pdf, int page)
{
    const QString text = poppler(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                  QString::number(page), pdf, QStringLiteral("-")});
    return text.simplified();
}

} // namespace yeartest
