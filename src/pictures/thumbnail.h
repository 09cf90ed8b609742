// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small pictures for lists of chosen photos. A camera photo is decoded straight to a small
// size (JPEG decodes at 1/2, 1/4 or 1/8 of its size without reading every pixel), turned as
// its EXIF says. Blocks while decoding: run it on a worker thread, never on the GUI thread.

#include <QImage>
#include <QSize>
#include <QString>

namespace zuv::pictures {

inline constexpr QSize kThumbnailBox{160, 120};

// The picture at path scaled to fit inside box, proportions kept; a null image when the file
// cannot be read as a picture (the list then shows its name only).
QImage decodeThumbnail(const QString& path, const QSize& box = kThumbnailBox);

} // namespace zuv::pictures
