// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Picture files people have, written into a folder for the tests of the picture dialogs and
// the command line: sound PNG, TIFF, WebP and GIF, and one of each fault the check at choice
// must name (damaged, wrong type, a type no one reads here).

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <vector>

namespace zuv::testing {

// A GIF of one colour (Qt writes no GIF): two palette entries, LZW codes of 3 bits with a
// clear code after every two pixels, so that the code size never grows.
inline QByteArray gifOfColour(int width, int height, const QColor& colour)
{
    QByteArray gif("GIF89a");
    const auto put16 = [&](int v) { gif += char(v & 0xFF); gif += char(v >> 8); };
    put16(width);
    put16(height);
    gif += char(0x80);   // a global palette of two colours
    gif += QByteArray("\0\0", 2);
    gif += char(colour.red()); gif += char(colour.green()); gif += char(colour.blue());
    gif += QByteArray(3, '\0');
    gif += ',';
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    gif += '\0';
    gif += char(2);      // minimum code size: clear 4, end 5
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](quint32 code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            codes += char(bits & 0xFF);
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0)
            put(4);
        put(0);
    }
    put(5);
    if (count > 0)
        codes += char(bits & 0xFF);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size());
        gif += block;
    }
    gif += '\0';
    gif += ';';
    return gif;
}

struct PictureFileCase {
    QString name;        // file name in the folder
    const char* cause;   // part of the German message; nullptr: the picture is usable
};

// Writes the files into folder; sound pictures are 40 x 30 of colour.
inline std::vector<PictureFileCase> writePictureFiles(const QString& folder, const QColor& colour = Qt::red)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    const QDir dir(folder);
    for (const char* format : {"png", "tiff", "webp", "jpg"})
        image.save(dir.filePath(QStringLiteral("b_%1.%1").arg(QLatin1String(format))), format);
    // A PNG cut in its pixel data, a JPEG named .png, a type this program does not read.
    QFile png(dir.filePath(QStringLiteral("b_png.png")));
    png.open(QIODevice::ReadOnly);
    const QByteArray whole = png.readAll();
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    };
    write("b_gif.gif", gifOfColour(40, 30, colour));
    write("c_kaputt.png", whole.left(whole.size() - 20));
    QFile jpeg(dir.filePath(QStringLiteral("b_jpg.jpg")));
    jpeg.open(QIODevice::ReadOnly);
    write("d_jpeg.png", jpeg.readAll());
    write("e_foto.heic", QByteArray("\0\0\0\x18" "ftypheic", 12) + QByteArray(64, '\0'));
    return {
        {QStringLiteral("b_gif.gif"), nullptr},
        {QStringLiteral("b_jpg.jpg"), nullptr},
        {QStringLiteral("b_png.png"), nullptr},
        {QStringLiteral("b_tiff.tiff"), nullptr},
        {QStringLiteral("b_webp.webp"), nullptr},
        {QStringLiteral("c_kaputt.png"), "beschädigt"},
        {QStringLiteral("d_jpeg.png"), "enthält ein JPEG-Bild, erwartet wird aber ein PNG-Bild"},
        {QStringLiteral("e_foto.heic"), "unbekannte Dateierweiterung \"heic\""},
    };
}

} // namespace zuv::testing
