// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a year calendar's pictures print, and which of them print soft. The month page's
// design keeps every picture inside its 10 mm margins, so nothing would reach the trimmed
// edge; for a print shop ("Druckerei") the single picture of a month runs from edge to edge
// of the page and 3 mm on into the bleed. Plain functions on values; report pixels of the
// A4 design (96 per inch).

#include "monthpage.h"
#include "yearproject.h"

#include <QRectF>
#include <QSize>
#include <QStringList>
#include <functional>

namespace zuv::yearcal {

// The rectangle a picture of plan fills on a page of sheet: the slot itself, or with bleed
// the single picture's band across the whole width and into the bleed on both sides.
QRectF printedSlot(const zuv::photo::SlotPlan& plan, const zuv::photo::PrintSheet& sheet);

// The pixel size of a picture file as it is shown (turned as its EXIF says); an empty size
// when it is not known (then the picture is not judged).
using PictureSize = std::function<QSize(const QString& path)>;

// The soft pictures of the project in page order, as the pages will say them ("März, Bild 1:
// 96 ppi, wird unscharf"; the month as the pages name it, "Jänner" on Austrian pages). An
// empty list for a year out of range.
QStringList softPictureWarnings(const YearProject& project, const PictureSize& sizeOf);

} // namespace zuv::yearcal
