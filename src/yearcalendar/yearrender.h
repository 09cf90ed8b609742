// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Drawing a year calendar: every month page is laid out by the month page's own report
// (bands, fonts, colours, picture slots) and drawn by its render function; the year adds
// birthday and critical-day marks beside the day numbers and two summary lines. The cover
// page shows the year and the first picture of January. Pictures are decoded scaled, one
// page at a time, so a year of camera photos stays small in memory.
//
// Everything here works on values passed in and may run on a worker thread.

#include "calendarreport.h"
#include "yearpages.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace zuv::yearcal {

// A picture that could not be used: it costs its slot only.
struct PictureProblem {
    int month = 0;      // 1..12; 0 for the cover
    QString file;
    QString message;    // the loader's German reason
    bool operator==(const PictureProblem&) const = default;
};
// "März 2027: <message>" (the message names the file).
QString problemText(const PictureProblem& problem, int year);

// The pictures of a month page, loaded for the slots they go into: one picture fills
// QRImage1, two or three go into QRImage2..4. Slot numbers 1..4 index bySlot[0..3].
struct MonthPictures {
    std::array<zuv::photo::ReportPicture, 4> bySlot;
};
// The report slots (1..4) the month's pictures go into, in picture order.
std::vector<int> pictureSlots(int pictureCount);
MonthPictures loadMonthPictures(const MonthPage& page, const zuv::photo::CalendarReport& design,
                                std::vector<PictureProblem>& problems);

// The month chart of the person for the page's month, in print colours, as a picture.
zuv::photo::ReportPicture monthChartPicture(const MonthPage& page);

// Names of the added marks in a laid-out page (row = detail row).
inline const QString kBirthdayMarkName = QStringLiteral("Geburtstag");
inline const QString kCriticalMarkName = QStringLiteral("KritischeTage");
inline const QString kMoonMarkName = QStringLiteral("Mondphase");
inline const QString kBridgeMarkName = QStringLiteral("Brueckentag");
inline const QString kSecondRegionMarkName = QStringLiteral("Region2");

// The symbol of a moon phase beside a day number: ● new, ◐ first quarter, ○ full, ◑ last.
QString moonSymbol(zuv::astronomy::MoonPhase phase);
// The summary under the grid: the holiday line, the moon and bridge-day lines when on, the
// birthdays and the critical-day legend, one a line.
QString summaryText(const MonthPage& page);

// Lays out a month page on a copy of design (the month page's report with its fonts);
// titleFont (QFont::toString, may be empty) replaces the title's font.
zuv::photo::ReportPage layoutMonthPage(const MonthPage& page,
                                       const zuv::photo::CalendarReport& design,
                                       const QString& titleFont, const MonthPictures& pictures,
                                       const zuv::photo::ReportPicture& chart);

// Where a picture of size goes inside box, keeping its proportions and centred.
QRectF fitInside(const QSizeF& size, const QRectF& box);
// The cover's picture box in report pixels.
inline constexpr QRectF kCoverPictureBox{96, 300, 609, 740};
zuv::photo::ReportPage layoutCoverPage(const CoverPage& cover, const QString& titleFont,
                                       const zuv::photo::ReportPicture& picture);

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
