// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Drawing the perpetual birthday calendar on A4 portrait pages in report pixels (96 per
// inch, as the month page): each month page has its title, optionally its picture, and one
// ruled row per day with the day number, the people born on it and the sign of the zodiac
// that begins there; every row keeps the same height in every month, so empty days leave
// room to write. Pages are laid out as zuv::photo::ReportPage values and drawn by the
// month page's render function, so screen, printer and PDF show the same.
//
// Works on values passed in and may run on a worker thread.

#include "birthdaycalendar.h"
#include "calendarreport.h"
#include "yearrender.h"

#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace zuv::yearcal {

// Page geometry in report pixels.
struct BirthdayLayout {
    static constexpr double kLeft = 38;                 // 10 mm margins
    static constexpr double kRight = 38 + 718;
    static constexpr double kTop = 38;
    static constexpr double kBottom = 1122.5 - 38;
    static constexpr double kTitleHeight = 70;
    static constexpr double kPictureHeight = 240;      // box below the title, full width
    static constexpr double kGap = 10;
    static constexpr int kRows = 31;                    // every month's rows share this height
    static constexpr double kDayWidth = 48;             // day number column
    static constexpr double kZodiacWidth = 190;         // right end of a row with a new sign
};

// Top of the first day row and the height of every row, with or without a picture.
double birthdayRowsTop(bool withPicture);
double birthdayRowHeight(bool withPicture);

// Element names of a laid-out month page; day rows carry their row index (day - 1).
inline const QString kBirthdayDayName = QStringLiteral("Tag");
inline const QString kBirthdayPeopleName = QStringLiteral("Geburtstage");
inline const QString kBirthdayZodiacName = QStringLiteral("Sternzeichen");

// "♒ Wassermann" for a sign name.
QString zodiacLabel(const QString& sign);

zuv::photo::ReportPage layoutBirthdayMonth(const BirthdayMonthPage& page, const QString& titleFont,
                                           const zuv::pictures::ReportPicture& picture);
zuv::photo::ReportPage layoutBirthdayCover(const BirthdayCalendar& calendar,
                                           const zuv::pictures::ReportPicture& picture);

// Lays out page index (0 = cover, 1..12 = months), loading its picture; a picture that
// cannot be used costs its place only and is reported in problems.
zuv::photo::ReportPage layoutBirthdayPage(const BirthdayCalendar& calendar, int index,
                                          std::vector<PictureProblem>& problems);

// Draws page index into target (device coordinates of the whole sheet).
void render(QPainter& painter, const QRectF& target, const BirthdayCalendar& calendar, int index,
            std::vector<PictureProblem>& problems);

// All thirteen pages onto a paged device (printer) in one job. Returns false when cancelled.
bool printBirthdayCalendar(QPagedPaintDevice& device, QPainter& painter,
                           const BirthdayCalendar& calendar, std::vector<PictureProblem>& problems,
                           const YearProgress& progress = {});

// Writes the calendar as one PDF of 13 A4 pages through a temporary file. Returns false
// when cancelled (nothing written). Throws zuv::core::Error when the file cannot be written.
bool writeBirthdayPdf(const QString& path, const BirthdayCalendar& calendar,
                      std::vector<PictureProblem>& problems, const YearProgress& progress = {});

} // namespace zuv::yearcal
