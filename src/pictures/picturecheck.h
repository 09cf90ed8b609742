// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Checks of picture files that the image readers do not make: whether a Windows bitmap
// holds all the rows its header promises (a reader fills missing rows with whatever memory
// it got, which then shows and prints), and which entry of an icon file to show. Pure
// functions on the file's bytes; no decoding.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zuv::pictures {

// The German reason why a bitmap file (BMP/DIB with its file header) cannot be shown as a
// whole: header cut off, pixel data beyond the end of the file, rows missing. nullopt when
// the file holds everything its header announces. Compressed (RLE) bitmaps are checked
// against the data size their header gives.
std::optional<QString> bitmapProblem(const QByteArray& file);

// One entry of an icon file's directory.
struct IconEntry {
    int width = 0;        // pixels, 1..65535 (a directory's 0 means 256)
    int height = 0;
    int bitsPerPixel = 0; // colour depth of the entry's own bitmap (32 for PNG entries)
    quint32 offset = 0;
    quint32 bytes = 0;
};

struct IconChoice {
    int index = -1;       // the entry to show; -1 when the file cannot be used
    QString problem;      // German reason when index is -1
};

// The largest entry of an icon file (by area), the deepest colour on a tie, the first of
// equals. An entry reaching past the end of the file makes the file cut short.
IconChoice chooseIconEntry(const QByteArray& file);

} // namespace zuv::pictures
