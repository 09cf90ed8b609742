// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picturecheck.h"

#include <cstdint>

namespace zuv::pictures {

namespace {

std::uint32_t le32(const QByteArray& d, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData()) + at;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const QByteArray& d, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData()) + at;
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t be32(const QByteArray& d, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData()) + at;
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8
        | std::uint32_t(p[3]);
}

const QString kHeaderCut = QStringLiteral("Die Datei ist abgeschnitten: schon ihr Dateikopf ist unvollständig.");

// BMP compression codes whose pixel rows are stored uncompressed.
bool uncompressed(std::uint32_t compression)
{
    return compression == 0 || compression == 3 || compression == 6;   // RGB, (ALPHA)BITFIELDS
}

// Colour depth of an icon entry's own data: PNG from its header, else the bitmap's.
int entryDepth(const QByteArray& file, std::uint32_t offset, std::uint32_t bytes, int fallback)
{
    static const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    if (bytes >= 26 && file.mid(offset, 8) == png) {
        static const int channels[7] = {1, 0, 3, 1, 2, 0, 4};   // by PNG colour type
        const int type = static_cast<unsigned char>(file.at(offset + 25));
        const int depth = static_cast<unsigned char>(file.at(offset + 24));
        return type >= 0 && type < 7 ? depth * channels[type] : fallback;
    }
    if (bytes >= 16)
        return le16(file, offset + 14);
    return fallback;
}

// Whether run-length coded pixels (RLE8 or RLE4) reach their end-of-bitmap mark inside
// the file; headers often leave the data size 0, so the runs themselves are walked.
bool runsComplete(const QByteArray& file, qsizetype at, bool fourBit)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(file.at(i)); };
    while (at + 1 < file.size()) {
        const int count = byte(at);
        const int code = byte(at + 1);
        at += 2;
        if (count > 0)
            continue;                      // a run of count pixels
        if (code == 1)
            return true;                   // end of bitmap
        if (code == 0)
            continue;                      // end of line
        if (code == 2) {
            at += 2;                       // delta
            continue;
        }
        const qsizetype bytes = fourBit ? (code + 1) / 2 : code;
        at += bytes + (bytes & 1);         // absolute run, padded to a word
    }
    return false;
}

} // namespace

std::optional<QString> bitmapProblem(const QByteArray& file)
{
    const qint64 size = file.size();
    if (size < 2 || file.at(0) != 'B' || file.at(1) != 'M')
        return std::nullopt;   // not a bitmap: the format check speaks for it
    if (size < 18)
        return kHeaderCut;
    const std::uint32_t offBits = le32(file, 10);
    const std::uint32_t infoSize = le32(file, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageBytes = 0;
    if (infoSize == 12) {
        if (size < 26)
            return kHeaderCut;
        width = le16(file, 18);
        height = le16(file, 20);
        bits = le16(file, 24);
    } else {
        if (size < 14 + 40)
            return kHeaderCut;
        width = static_cast<std::int32_t>(le32(file, 18));
        height = static_cast<std::int32_t>(le32(file, 22));
        bits = le16(file, 28);
        compression = le32(file, 30);
        imageBytes = le32(file, 34);
    }
    if (height < 0)
        height = -height;   // rows stored top-down
    if (width <= 0 || height <= 0 || bits <= 0)
        return std::nullopt;   // nonsense sizes: the reader refuses the file itself
    if (offBits >= size)
        return QStringLiteral("Die Datei ist abgeschnitten: ihre Bilddaten fehlen ganz.");
    if (uncompressed(compression)) {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        const qint64 rowsPresent = (size - offBits) / stride;
        if (rowsPresent < height)
            return QStringLiteral("Die Datei ist abgeschnitten: es fehlen %1 von %2 Bildzeilen.")
                .arg(height - rowsPresent)
                .arg(height);
    } else if (compression == 1 || compression == 2) {
        if (imageBytes > 0 && size < qint64(offBits) + imageBytes)
            return QStringLiteral("Die Datei ist abgeschnitten: es fehlen %1 Bytes der Bilddaten.")
                .arg(qint64(offBits) + imageBytes - size);
        if (!runsComplete(file, offBits, compression == 2))
            return QStringLiteral("Die Datei ist abgeschnitten: die Bilddaten enden vor ihrem "
                                  "Schlusszeichen.");
    }
    return std::nullopt;
}

IconChoice chooseIconEntry(const QByteArray& file)
{
    IconChoice choice;
    const qint64 size = file.size();
    if (size < 6) {
        choice.problem = kHeaderCut;
        return choice;
    }
    const int count = le16(file, 4);
    if (le16(file, 0) != 0 || (le16(file, 2) != 1 && le16(file, 2) != 2)) {
        choice.problem = QStringLiteral("Die Datei ist keine Symboldatei (falscher Dateityp).");
        return choice;
    }
    if (count == 0) {
        choice.problem = QStringLiteral("Die Symboldatei enthält kein Bild.");
        return choice;
    }
    if (6 + 16 * qint64(count) > size) {
        choice.problem = QStringLiteral("Die Datei ist abgeschnitten: ihr Bildverzeichnis ist unvollständig.");
        return choice;
    }
    qint64 bestArea = -1;
    int bestDepth = -1;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        IconEntry e;
        e.width = static_cast<unsigned char>(file.at(at)) ? static_cast<unsigned char>(file.at(at)) : 256;
        e.height = static_cast<unsigned char>(file.at(at + 1)) ? static_cast<unsigned char>(file.at(at + 1)) : 256;
        e.bytes = le32(file, at + 8);
        e.offset = le32(file, at + 12);
        if (qint64(e.offset) + e.bytes > size) {
            choice.problem = QStringLiteral("Die Datei ist abgeschnitten: Bild %1 von %2 reicht "
                                            "über das Dateiende hinaus.")
                                 .arg(i + 1)
                                 .arg(count);
            choice.index = -1;
            return choice;
        }
        static const QByteArray png("\x89PNG\r\n\x1a\n", 8);
        if (e.bytes >= 24 && file.mid(e.offset, 8) == png) {
            // A PNG entry's own header holds its true size (256 and more).
            e.width = static_cast<int>(std::min<std::uint32_t>(be32(file, e.offset + 16), 65535));
            e.height = static_cast<int>(std::min<std::uint32_t>(be32(file, e.offset + 20), 65535));
        }
        e.bitsPerPixel = entryDepth(file, e.offset, e.bytes, le16(file, at + 6));
        const qint64 area = qint64(e.width) * e.height;
        if (area > bestArea || (area == bestArea && e.bitsPerPixel > bestDepth)) {
            bestArea = area;
            bestDepth = e.bitsPerPixel;
            choice.index = i;
        }
    }
    return choice;
}

} // namespace zuv::pictures
