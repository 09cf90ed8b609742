// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Drawing a year calendar: every month page is the month page value of the photo calendar
// (monthpage.h), laid out on the report's design and drawn by its render function; the
// year's birthday and critical-day marks and its two summary lines are part of that value
// (yearpages.h), the pictures and the chart are put on it here. The cover
// page shows the year and the first picture of January. Pictures are decoded scaled, one
// page at a time, so a year of camera photos stays small in memory.
//
// Everything here works on values passed in and may run on a worker thread.

#include "calendarreport.h"
#include "monthpage.h"
#include "yearpages.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace zuv::yearcal {

// A picture that could not be used: it costs its slot only. Or one that prints soft: its
// message is then the whole text ("März, Bild 1: 96 ppi, wird unscharf").
struct PictureProblem {
    int month = 0;      // 1..12; 0 for the cover
    QString file;
    QString message;    // the loader's German reason
    int year = 0;       // the page's year when it is not the calendar's
    bool softOnly = false;
    bool operator==(const PictureProblem&) const = default;
};
// "März 2027: <message>" (the message names the file); a soft picture's message as it is.
QString problemText(const PictureProblem& problem, int year);

// The picture file for a slot of slot's size (points), or an empty picture when file is empty
// or cannot be used; then its cause is added to problems for month (0: the cover).
zuv::pictures::ReportPicture loadCheckedPicture(int month, const QString& file, const QSizeF& slot,
                                              std::vector<PictureProblem>& problems);

// The pictures of a month page, loaded for the slots the month page's slot rule
// (zuv::photo::pictureSlots) gives them. Slot numbers 1..4 index bySlot[0..3].
struct MonthPictures {
    std::array<zuv::pictures::ReportPicture, 4> bySlot;
    std::array<QRectF, 4> rects;   // where each is drawn (its fit in the slot); empty: the slot
};
MonthPictures loadMonthPictures(const MonthPage& page, const zuv::photo::CalendarReport& design,
                                std::vector<PictureProblem>& problems,
                                const PrintSettings& print = {});

// The month chart of the person for the page's month, in print colours, as a picture.
zuv::pictures::ReportPicture monthChartPicture(const MonthPage& page);

// Names of the added marks in a laid-out page (row = detail row).
inline const QString kBirthdayMarkName = QStringLiteral("Geburtstag");
inline const QString kCriticalMarkName = QStringLiteral("KritischeTage");
inline const QString kMoonMarkName = QStringLiteral("Mondphase");
inline const QString kBridgeMarkName = QStringLiteral("Brueckentag");
inline const QString kSecondRegionMarkName = QStringLiteral("Region2");

// Lays out a month page with the pictures and the chart on a copy of design (the month
// page's report with its fonts); titleFont (QFont::toString, may be empty) replaces the
// title's font.
zuv::photo::ReportPage layoutMonthPage(const MonthPage& page,
                                       const zuv::photo::CalendarReport& design,
                                       const QString& titleFont, const MonthPictures& pictures,
                                       const zuv::pictures::ReportPicture& chart);

// Where a picture of size goes inside box, keeping its proportions and centred.
QRectF fitInside(const QSizeF& size, const QRectF& box);
// The cover's picture box in report pixels.
inline constexpr QRectF kCoverPictureBox{96, 300, 609, 740};
zuv::photo::ReportPage layoutCoverPage(const CoverPage& cover, const QString& titleFont,
                                       const zuv::pictures::ReportPicture& picture);

// Lays out page index (0 = cover, 1..12 = months), loading its pictures.
zuv::photo::ReportPage layoutPage(const YearDocument& doc, int index,
                                  const zuv::photo::CalendarReport& design,
                                  std::vector<PictureProblem>& problems);

// Called after each finished page with pages done and the total; false cancels.
using YearProgress = std::function<bool(int done, int total)>;

// Draws every page onto a paged device (printer) in one job, starting a new page for each.
// Returns false when cancelled.
bool printYear(QPagedPaintDevice& device, QPainter& painter, const YearDocument& doc,
               const zuv::photo::CalendarReport& design, std::vector<PictureProblem>& problems,
               const YearProgress& progress = {});

// Writes the year as one PDF of doc.pageCount() A4 pages through a temporary file.
// Returns false when cancelled (nothing written). Throws zuv::core::Error when the file
// cannot be written.
bool writeYearPdf(const QString& path, const YearDocument& doc,
                  const zuv::photo::CalendarReport& design, std::vector<PictureProblem>& problems,
                  const YearProgress& progress = {});

} // namespace zuv::yearcal
