// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The calendar page report QRBildkalender: the design of the one-page banded month page on
// A4 portrait, that is its bands with their elements (positions, fonts, colours; the font
// menus of the photo page change them), and the laid-out page (ReportPage: texts, lines
// and pictures in report pixels at 96 per inch) with the render function that draws it
// onto any painter. What goes on a month page is the MonthPage value (monthpage.h).

#include "reportpicture.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace zuv::photo {

// A4 in report pixels at 96 per inch, with its 10 mm margins.
struct PageGeometry {
    static constexpr double kPixelsPerInch = 96.0;
    static constexpr double kWidth = 210.0 / 25.4 * kPixelsPerInch;   // 793.7
    static constexpr double kHeight = 297.0 / 25.4 * kPixelsPerInch;  // 1122.5
    static constexpr int kMargin = 38;                                // 10 mm
    static constexpr int kBandWidth = 718;                            // 190 mm
};

// What a text element prints: its fixed caption, the page title, the summary lines, or a
// field of the grid (0 the week number, 1..7 the days Monday..Sunday).
enum class TextRole { Caption, Title, Summary, Field };

// A text element (label or data field) of a band. Positions are relative to the band.
struct ReportText {
    QString name;                 // "QRLabel1", "QRDBText2", ...
    QRect geometry;               // left, top, width, height; size ignored when autoSize
    bool autoSize = true;         // sized to the text
    bool alignToBand = false;     // centred on the band's width
    int alignment = Qt::AlignLeft;
    bool wordWrap = false;
    bool transparent = false;     // else drawn on white
    bool growsDownward = false;   // fixed width, height grows with the lines
    QFont font;                   // point size
    QColor color;
    QString caption;              // fixed text of a label
    int field = -1;               // field index of a data element, -1 for labels
    TextRole role = TextRole::Caption;
};

// A ruled line: horizontal lines run through the middle of their box, vertical ones along
// its left edge.
struct ReportShape {
    QString name;
    QRect geometry;
    Qt::Orientation orientation = Qt::Horizontal;
};

enum class BandKind { Title, ColumnHeader, Detail, Summary };

struct ReportBand {
    QString name;
    BandKind kind = BandKind::Title;
    int height = 0;
    QFont font;
    QColor fontColor;
    std::vector<ReportText> texts;
    std::vector<ReportShape> shapes;
};

// Picture slot tops and heights of the two layouts (report pixels on the sheet).
struct PictureLayout {
    bool withChart = false;
    int chartTop = 0;             // QRImage5 (only with chart)
    int singleTop = 0;            // QRImage1
    int singleHeight = 0;
    int threeTop = 0;             // QRImage2 .. QRImage4
};
inline constexpr PictureLayout kLayoutWithChart{true, 580, 768, 289, 768};
inline constexpr PictureLayout kLayoutWithoutChart{false, 0, 640, 377, 712};

// One generated page in report pixels.
struct PageText {
    QString name;                 // element name
    int row = -1;                 // detail row, -1 outside the detail band
    QRectF rect;
    QString text;
    QFont font;
    QColor color;
    int flags = 0;                // Qt alignment and word-wrap flags for drawText
    bool opaque = true;
};
struct PageBand {
    QString name;
    QRectF rect;
};
struct PagePicture {
    QString name;
    QRectF rect;
    pictures::ReportPicture picture;
};
// A shaded area under the texts (the band of a multi-day appointment).
struct PageFill {
    QString name;
    QRectF rect;
    QColor color;
};
struct ReportPage {
    QSizeF size{PageGeometry::kWidth, PageGeometry::kHeight};
    std::vector<PageBand> bands;
    std::vector<PageFill> fills;
    std::vector<PageText> texts;
    std::vector<QLineF> lines;
    std::vector<PagePicture> pictures;
    const PageText* find(const QString& name, int row = -1) const;
};

// The design of the month page: a plain value, copied to worker threads as it is.
class CalendarReport {
public:
    CalendarReport();

    ReportBand TitleBand1, ColumnHeaderBand1, DetailBand1, SummaryBand1;

    ReportText& text(const QString& name);    // throws std::out_of_range when unknown
    const ReportText& text(const QString& name) const;
    // The weekday heading (QRLabel2..8) and the day cell (QRDBText2..8) of a weekday 1..7.
    ReportText& heading(int weekday);
    ReportText& dayCell(int weekday);
    const ReportText& dayCell(int weekday) const;
};

// The design fonts of the report, for "Standard" and for tests.
QFont titleBandFont();
QFont headerBandFont();
QFont detailBandFont();

// Draws a generated page into target (device coordinates of the whole sheet).
void render(QPainter& painter, const QRectF& target, const ReportPage& page);

} // namespace zuv::photo
