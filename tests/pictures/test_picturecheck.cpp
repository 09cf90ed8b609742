// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The bitmap check on files made here byte by byte: rows padded to four bytes, and run-length
// coded bitmaps with absolute runs padded to a 16-bit word (the layout of the BMP format).

#include "picturecheck.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using zuv::pictures::bitmapProblem;

// A BMP with a BITMAPINFOHEADER, a palette of colours entries and data as the pixels.
QByteArray bitmap(int width, int height, int bits, int compression, const QByteArray& data, int colours = 0)
{
    QByteArray file(54 + 4 * colours, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, file.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, file.data() + at); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, quint32(file.size() + data.size()));
    put32(10, quint32(file.size()));   // pixel data follow the palette
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, quint16(bits));
    put32(30, quint32(compression));
    put32(46, quint32(colours));
    return file + data;
}

// 24 bits, 3 pixels wide: 9 bytes of a row padded to 12. 100 bytes hold 8 whole rows of 10
// (unpadded they would hold 11, and the cut would pass unseen).
TEST(BitmapCheck, RowsArePaddedToFourBytes)
{
    const struct { int dataBytes; const char* problem; } cases[] = {
        {120, nullptr},
        {100, "es fehlen 2 von 10 Bildzeilen"},
    };
    for (const auto& c : cases) {
        const auto problem = bitmapProblem(bitmap(3, 10, 24, 0, QByteArray(c.dataBytes, '\x40')));
        ASSERT_EQ(problem.has_value(), c.problem != nullptr) << c.dataBytes;
        if (c.problem) {
            EXPECT_TRUE(problem->contains(QLatin1String(c.problem))) << problem->toStdString();
        }
    }
}

// An absolute run (00 n, then n pixels) is padded to a 16-bit word: RLE8 with 3 pixel bytes
// and RLE4 with 5 pixels in 3 bytes each take one byte of padding before the end mark
// 00 01. A walker that skips no padding, or reads the pixels as codes ("00 01" among them),
// or counts RLE4 pixels as bytes, misses the end mark or finds one too early.
TEST(BitmapCheck, AbsoluteRunsAndTheirPadding)
{
    const QByteArray rle8Run("\x00\x03\x00\x01\x07\x00", 6);
    const QByteArray rle4Run("\x00\x05\x00\x01\x70\x00", 6);
    const QByteArray end("\x00\x01", 2);
    const struct { const char* what; int bits; int compression; QByteArray data; bool complete; } cases[] = {
        {"RLE8 whole", 8, 1, rle8Run + end, true},
        {"RLE8 without its end mark", 8, 1, rle8Run, false},
        {"RLE4 whole", 4, 2, rle4Run + end, true},
        {"RLE4 without its end mark", 4, 2, rle4Run, false},
    };
    for (const auto& c : cases) {
        const QByteArray file = bitmap(c.compression == 1 ? 3 : 5, 1, c.bits, c.compression, c.data, 8);
        EXPECT_EQ(!bitmapProblem(file).has_value(), c.complete) << c.what;
    }
}

} // namespace
