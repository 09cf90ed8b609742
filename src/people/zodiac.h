// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The twelve signs of the zodiac with their date ranges, pictures and texts, and the
// routine that shows a sign on the biorhythm page (picture, caption, explanatory text).

#include <QDate>
#include <QString>
#include <array>

class QLabel;
class QTextEdit;

namespace zuv::people {

struct ZodiacSign {
    int order = 0;          // 1..12, the order in which the table is searched
    QString sign;           // "Steinbock" .. "Schütze"
    int fromDay = 0;        // first day of the range (inclusive)
    int fromMonth = 0;      // 1..12
    int toDay = 0;          // last day of the range (inclusive)
    int toMonth = 0;        // 1..12; less than fromMonth when the range crosses the year end
    QString pictureFile;    // relative to the program folder, "BioBMPs/Steinbock.bmp"
    QString textFile;       // relative to the program folder, "TZeichen/Steinbock.rtf"
    QString caption;        // two lines: sign, then its range
    bool upright = false;   // picture in portrait format, shown in the upright slot (Image3)

    // True when day/month lies in [from, to]; a range with toMonth < fromMonth wraps.
    bool contains(int day, int month) const;
};

// The twelve signs in search order, Steinbock first.
const std::array<ZodiacSign, 12>& zodiacSigns();

// The first sign whose range contains the birth date's day and month (29 February gives
// Fische). Throws zuv::core::Error for an invalid date.
const ZodiacSign& zodiacSignFor(const QDate& birth);

// A zodiac picture larger than this is refused (the shipped ones are a few kilobytes).
inline constexpr qint64 kMaxZodiacPictureBytes = 32 * 1024 * 1024;

// Shows a sign on the page's controls, in this order: hide Image3 and show Image2; for an
// upright sign show Image3 and hide Image2; load the picture (programFolder + pictureFile)
// stretched into the visible slot; clear RichEdit1 and load the text file into it; set
// Label3 to the caption. Throws zuv::core::Error when the picture or the text cannot be
// read (also when the path is no regular file: FIFOs and devices are refused without
// blocking); the steps before the failing one stay done, the later ones are not run.
void applyZodiacSign(const ZodiacSign& sign, QLabel& Label3, QLabel& Image2, QLabel& Image3,
                     QTextEdit& RichEdit1, const QString& programFolder);

} // namespace zuv::people
