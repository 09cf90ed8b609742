// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Month pages as the preview draws them, compared pixel for pixel with reference images
// drawn before the month page became one value with one render function (so the value,
// its builder and its render function change nothing a user sees): months of four
// to six rows, holidays on a weekday and on a Saturday, one and three pictures, the chart,
// and the fonts of the page's font menus.

#include "calendarreport.h"
#include "germandate.h"
#include "monthpage.h"
#include "pagepictures.h"
#include "photofixture.h"
#include "referenceimage.h"

#include <QPainter>
#include <QPicture>

namespace {

using zuv::photo::CalendarReport;
using zuv::pictures::ReportPicture;

struct PageCase {
    const char* reference;     // file below tests/data/photocalendar/reference
    int year;
    int month;
    int state;                 // position in the federal-state list
    const char* stateText;
    std::array<const char*, 3> pictures;   // below tests/data/photocalendar/pictures
    bool chart;
    bool ownFonts;             // title, headings and day numbers in fonts of the font menus
};

// A chart-like drawing: the vector path of the chart slot.
ReportPicture chartDrawing()
{
    QPicture picture;
    {
        QPainter p(&picture);
        p.fillRect(QRect(0, 0, 900, 255), QColor(0xF0, 0xF0, 0xFF));
        p.setPen(QPen(QColor(0xC0, 0, 0), 3));
        p.drawLine(QPoint(20, 200), QPoint(880, 40));
        p.setPen(QPen(QColor(0, 0x80, 0), 3));
        p.drawEllipse(QRect(300, 60, 300, 140));
    }
    return ReportPicture::fromPicture(picture, QSizeF(900, 255));
}

void applyOwnFonts(CalendarReport& report)
{
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPointSize(20);
    title.setItalic(true);
    report.text(QStringLiteral("QRLabel1")).font = title;
    report.text(QStringLiteral("QRLabel1")).color = QColor(0, 0x80, 0);
    QFont day(QStringLiteral("DejaVu Sans"));
    day.setPointSize(14);
    day.setBold(true);
    for (int w = 1; w <= 7; ++w) {
        report.heading(w).font = day;
        report.dayCell(w).font = day;
    }
    report.heading(6).color = report.dayCell(6).color = QColor(0, 0, 0xFF);
    report.heading(7).color = report.dayCell(7).color = QColor(0xFF, 0, 0);
}

QImage drawPreviewPage(const PageCase& c)
{
    zuv::photo::MonthPageInput input;
    input.year = c.year;
    input.month = c.month;
    input.regionCode = zuv::core::federalStates()[static_cast<std::size_t>(c.state)].code;
    input.regionName = QString::fromUtf8(c.stateText);
    for (const char* file : c.pictures)
        input.pictureFiles << (file ? testData(QStringLiteral("pictures/") + QString::fromUtf8(file)) : QString());
    if (c.chart)
        input.chart = chartDrawing();
    input.loaded = zuv::photo::loadPagePictures(input.pictureFiles, c.chart);
    CalendarReport design;
    if (c.ownFonts)
        applyOwnFonts(design);
    QImage sheet = zuv::testing::a4Sheet();
    QPainter painter(&sheet);
    zuv::photo::renderMonthPage(painter, QRectF(0, 0, sheet.width(), sheet.height()),
                                zuv::photo::buildMonthPage(input), design);
    painter.end();
    return sheet;
}

TEST(MonthPagePixels, PreviewPagesLookAsBefore)
{
    const PageCase cases[] = {
        // Five rows, New Year on a Friday in week 53, no pictures.
        {"januar2010_by.png", 2010, 1, 1, "Bayern", {nullptr, nullptr, nullptr}, false, false},
        // Christmas on Friday and Saturday (red Saturday), one picture and the chart.
        {"dezember2026_nw.png", 2026, 12, 10, "Nordrhein-Westfalen", {"orange.jpg", nullptr, nullptr}, true, false},
        // Six rows, three pictures of three formats, the fonts of the font menus.
        {"august2026_bw.png", 2026, 8, 0, "Baden-Württemberg",
         {"orange.jpg", "halves24.bmp", "red16_green48.ico"}, false, true},
        // Four rows (February 2010), two pictures with the chart: the third slot stays empty.
        {"februar2010_be.png", 2010, 2, 4, "Berlin", {"orange.jpg", "halves24.bmp", nullptr}, true, false},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.reference);
        zuv::testing::expectSameAsReference(
            drawPreviewPage(c), testData(QStringLiteral("reference/") + QString::fromUtf8(c.reference)));
    }
}

} // namespace
