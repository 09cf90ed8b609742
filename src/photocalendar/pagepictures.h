// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pictures of one month page, loaded through the picture cache for the slots the slot
// rule gives them (pictureSlots in monthpage.h), at the size each slot needs for print
// (300 dpi). Decoding a camera photo or drawing a large metafile takes seconds, so the
// window loads them on a worker with loadPagePicturesAsync and opens its preview when they
// are ready; a worker that draws pages (the year calendar) loads them in place.

#include "reportpicture.h"

#include <QFuture>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace zuv::photo {

// Loads path for a slot of slotSize report pixels through pictureCache(): an image of at
// most printPixels(slotSize). Blocks while decoding. Throws zuv::core::Error with the
// message the user sees (file and cause).
pictures::ReportPicture loadPicture(const QString& path, const QSizeF& slotSize);

// The chosen pictures (up to three, an empty path = not chosen) by their index; a picture
// the page has no slot for, or no file, stays empty. Blocks while decoding. Throws
// zuv::core::Error for the first picture that cannot be loaded.
std::vector<pictures::ReportPicture> loadPagePictures(const QStringList& files, bool withChart);

// The same on a thread of the global pool. The future reports progress (one step per
// picture to decode: progressMinimum 0, progressMaximum the count) and can be cancelled
// between pictures. Its one result holds the pictures, or the message of the first
// picture that could not be loaded.
struct PagePictures {
    std::vector<pictures::ReportPicture> pictures;
    QString error;             // empty when every chosen picture was loaded
};
QFuture<PagePictures> loadPagePicturesAsync(const QStringList& files, bool withChart);

// How many of files will be decoded for the page (those that get a slot).
int picturesToLoad(const QStringList& files, bool withChart);

} // namespace zuv::photo
