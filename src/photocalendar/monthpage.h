// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One month page of the photo calendar as a value: the title, the week rows with their ISO
// week numbers, the day cells with their marks, the summary lines under the grid and the
// pictures in their slots. buildMonthPage() makes it from explicit inputs (it asks the
// holiday calendar; call it on one thread at a time); renderMonthPage() draws it on any
// painter (preview, printer, PDF, image) and may run on any thread. The preview window and
// the year calendar both draw their month pages this way.
//
//     MonthPageInput in;                       // year, month, region, pictures, chart ...
//     in.year = 2027; in.month = 3; in.regionCode = "BY"; in.regionName = "Bayern";
//     const MonthPage page = buildMonthPage(in);
//     renderMonthPage(painter, sheetRect, page, CalendarReport());   // fonts of the design
//
// Positions are report pixels at 96 per inch on the sheet (see PageGeometry).

#include "calendarreport.h"
#include "reportpicture.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QPainter;

namespace zuv::photo {

// What a day carries besides its number. Holiday, Saturday and Sunday decide the colour of
// the number; the others are short texts drawn beside it, one line each, in the order the
// cell holds them. A new kind of mark needs a row in the mark table of monthpage.cpp.
enum class DayMarkKind {
    Holiday,       // a public holiday of the page's region
    Saturday,
    Sunday,
    Birthday,      // text: "*"
    CriticalDay,   // text: the letters of the cycles, "KG"
    Appointment,   // a day of a multi-day appointment: a shaded band behind the cell
    MoonPhase,     // text: the phase's symbol
    BridgeDay,     // text: "Br"
    SecondRegion,  // a holiday of a second region only; text: its code; the number is outlined
};

struct DayMark {
    DayMarkKind kind = DayMarkKind::Holiday;
    QString text;  // drawn beside the day number; empty for the colouring marks
    bool operator==(const DayMark&) const = default;
};

struct DayCell {
    int day = 0;                   // 1..31; 0: the day lies outside the month (prints empty)
    std::vector<DayMark> marks;
    bool has(DayMarkKind kind) const;
    bool operator==(const DayCell&) const = default;
};

struct WeekRow {
    int isoWeek = 0;               // 1..53, of the row's first day that lies in the month
    std::array<DayCell, 7> days;   // Monday .. Sunday
    bool operator==(const WeekRow&) const = default;
};

// A picture placed on the sheet. Slot numbers follow the report's picture elements:
// 1 the single picture, 2..4 the three pictures, 5 the month chart.
struct PlacedPicture {
    int slot = 0;
    QRectF rect;                   // report pixels on the sheet; the picture is stretched
    pictures::ReportPicture picture;
};

inline constexpr int kChartSlot = 5;

struct MonthPage {
    int year = 0;
    int month = 0;                 // 1..12
    QString title;                 // "Oktober  2007": month text, two blanks, year
    std::vector<WeekRow> rows;     // 4 to 6, in date order
    QString holidayLine;           // "Feiertage in Bayern:  01. Neujahr ..."; may be empty
    QStringList moreLines;         // further lines under the holiday line
    QString birthdayLine;          // "Geburtstage: ..."; may be empty
    QString legendLine;            // legend of the day marks; may be empty
    std::vector<PlacedPicture> pictures;   // in slot order; the chart has kChartSlot
    QSizeF pageSize{PageGeometry::kWidth, PageGeometry::kHeight};

    // The summary under the grid: the holiday line, the further lines, the birthday line
    // and the legend, separated by CR LF (so a page without them has three empty lines).
    QString summaryText() const;
    bool hasChart() const;
};

// A mark for one day that comes from outside the holiday calendar (birthdays, critical
// days, and later moon phases or events).
struct DayNote {
    int day = 0;                   // day of the month
    DayMark mark;
};

// What a month page is made from.
struct MonthPageInput {
    int year = 0;                  // 1..9999
    int month = 0;                 // 1..12
    QString regionCode;            // region of the holiday calendar ("BY", "A", "W")
    QString regionName;            // goes into "Feiertage in <name>: " as given
    QString monthText;             // the title's month as shown; empty: the month box entry
    // The pictures the user chose, in order (up to three; an empty path = not chosen): they
    // decide the slots (pictureSlots()). loaded holds each one's picture, loaded for its
    // slot's size; an entry that is missing or empty leaves its slot empty.
    QStringList pictureFiles;
    std::vector<pictures::ReportPicture> loaded;
    pictures::ReportPicture chart;           // the month chart in print colours; empty: no chart
    std::vector<DayNote> notes;    // put on the days in the order given
    QStringList moreLines;
    QString birthdayLine;
    QString legendLine;
    QSizeF pageSize{PageGeometry::kWidth, PageGeometry::kHeight};
};

// Where picture number index (0-based among pictureFiles) goes and how large the slot is.
struct SlotPlan {
    int index = 0;
    int slot = 0;
    QRectF rect;
    bool operator==(const SlotPlan&) const = default;
};
// The one slot rule: picture 1 alone fills the single slot; pictures 1 and 2 go with 3
// into the three slots; without picture 1 the page has no picture. With the chart the
// pictures move below it.
std::vector<SlotPlan> pictureSlots(const QStringList& pictureFiles, bool withChart);
// The chart's slot, empty without the chart.
QRectF chartSlot(bool withChart);

// Puts the pictures and the chart on a page, replacing those it had: pictureSlots() places
// pictureFiles, loaded holds their pictures by index (missing or empty: the slot stays
// empty). Asks nothing but its arguments, so a worker thread can finish a page built on
// the thread of the holiday calendar.
void placePictures(MonthPage& page, const QStringList& pictureFiles,
                   const std::vector<pictures::ReportPicture>& loaded, const pictures::ReportPicture& chart);

// Builds the page. Throws zuv::core::Error for a month or year out of range or a region
// code the holiday calendar does not know.
MonthPage buildMonthPage(const MonthPageInput& input);

// Lays the page out with the design's fonts and colours (CalendarReport: the user's font
// choices); the result is what renderMonthPage draws, in report pixels.
ReportPage layoutMonthPage(const MonthPage& page, const CalendarReport& design);

// Draws the page into target (device coordinates of the whole sheet).
void renderMonthPage(QPainter& painter, const QRectF& target, const MonthPage& page,
                     const CalendarReport& design);

// The printed text and colour of a day cell of weekday 1..7 whose design element is
// cellDesign: the day number, red for a holiday (Sunday keeps its font's colour), else
// black, Saturday blue.
struct PrintedCell {
    QString text;
    QColor colour;
};
PrintedCell printedDayCell(const DayCell& cell, const ReportText& cellDesign);

} // namespace zuv::photo
