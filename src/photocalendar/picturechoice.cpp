// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picturechoice.h"

#include "calendarreport.h"
#include "picturecache.h"
#include "pictureloader.h"

#include <QFileInfo>

namespace zuv::photo {

QString checkChosenPicture(const QString& path)
{
    // QRImage1 without the chart: the size the page asks for first.
    const QSizeF slot(609, kLayoutWithoutChart.singleHeight);
    return pictures::pictureCache().tryImage(path, pictures::printPixels(slot)).error;
}

FolderPictures checkFolderPictures(const QStringList& files, int wanted)
{
    FolderPictures result;
    for (const QString& file : files) {
        if (result.usable.size() >= wanted)
            break;
        const QString problem = checkChosenPicture(file);
        if (problem.isEmpty()) {
            result.usable << file;
            continue;
        }
        // The cause alone, after the file's name: the message's first line names the file.
        result.skipped << QFileInfo(file).fileName() + QStringLiteral(": ")
                + problem.section(QLatin1Char('\n'), 1).simplified();
    }
    return result;
}

} // namespace zuv::photo
