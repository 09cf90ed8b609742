// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the program icon into an icon theme folder: hicolor/scalable/apps/<id>.svg and
// hicolor/<n>x<n>/apps/<id>.png for the usual sizes, from the drawing the program shows.
// Usage: zuv_icon_export <output folder> <application id>
#include "programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "Aufruf: zuv_icon_export <Zielordner> <Anwendungskennung>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);

    const QString svgDir = out.filePath(QStringLiteral("hicolor/scalable/apps"));
    if (!QDir().mkpath(svgDir))
        return 1;
    constexpr int kSvgSize = 128;
    QSvgGenerator svg;
    svg.setFileName(QDir(svgDir).filePath(id + QStringLiteral(".svg")));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Zuvododerod"));
    {
        QPainter painter(&svg);
        zuv::info::paintProgramIcon(painter, kSvgSize);
    }

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir =
            out.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        if (!QDir().mkpath(dir))
            return 1;
        if (!zuv::info::programIconPixmap(size).save(QDir(dir).filePath(id + QStringLiteral(".png"))))
            return 1;
    }
    return 0;
}
