// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthpage.h"

#include "dialogs.h"
#include "germandate.h"
#include "krv_calendar.h"
#include "monthgrid.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <string>

namespace zuv::photo {

namespace {

// The picture slots on the sheet: left and width are fixed, top and height follow the
// layout (with or without the chart).
struct SlotColumn {
    int slot;
    int left;
    int width;
};
constexpr SlotColumn kSingleSlot{1, 96, 609};
constexpr SlotColumn kThreeSlots[3] = {{2, 72, 201}, {3, 296, 201}, {4, 520, 201}};
constexpr int kThreeSlotHeight = 289;
constexpr SlotColumn kChartColumn{kChartSlot, 56, 681};
constexpr int kChartHeight = 193;

const PictureLayout& layoutFor(bool withChart)
{
    return withChart ? kLayoutWithChart : kLayoutWithoutChart;
}

} // namespace

bool DayCell::has(DayMarkKind kind) const
{
    return std::any_of(marks.begin(), marks.end(), [kind](const DayMark& m) { return m.kind == kind; });
}

QString MonthPage::summaryText() const
{
    QStringList lines{holidayLine};
    lines << moreLines << birthdayLine << legendLine;
    return lines.join(QStringLiteral("\r\n"));
}

bool MonthPage::hasChart() const
{
    return std::any_of(pictures.begin(), pictures.end(),
                       [](const PlacedPicture& p) { return p.slot == kChartSlot; });
}

std::vector<SlotPlan> pictureSlots(const QStringList& pictureFiles, bool withChart)
{
    const PictureLayout& layout = layoutFor(withChart);
    const bool first = !pictureFiles.value(0).isEmpty();
    const bool second = !pictureFiles.value(1).isEmpty();
    if (!first)
        return {};
    if (!second)
        return {{0, kSingleSlot.slot,
                 QRectF(kSingleSlot.left, layout.singleTop, kSingleSlot.width, layout.singleHeight)}};
    std::vector<SlotPlan> plans;
    for (int i = 0; i < 3; ++i) {
        const SlotColumn& c = kThreeSlots[i];
        plans.push_back({i, c.slot, QRectF(c.left, layout.threeTop, c.width, kThreeSlotHeight)});
    }
    return plans;
}

QRectF chartSlot(bool withChart)
{
    if (!withChart)
        return {};
    return QRectF(kChartColumn.left, kLayoutWithChart.chartTop, kChartColumn.width, kChartHeight);
}

void placePictures(MonthPage& page, const QStringList& pictureFiles,
                   const std::vector<pictures::ReportPicture>& loaded, const pictures::ReportPicture& chart)
{
    page.pictures.clear();
    const bool withChart = !chart.isEmpty();
    for (const SlotPlan& plan : pictureSlots(pictureFiles, withChart)) {
        const auto index = static_cast<std::size_t>(plan.index);
        page.pictures.push_back({plan.slot, plan.rect,
                                 index < loaded.size() ? loaded[index] : pictures::ReportPicture(), {},
                                 plan.rect, plan.index});
    }
    if (withChart)
        page.pictures.push_back({kChartSlot, chartSlot(true), chart, {}, chartSlot(true), -1});
    refitPictures(page);
}

void refitPictures(MonthPage& page)
{
    for (PlacedPicture& p : page.pictures) {
        if (p.index < 0 || p.index >= kMaxPagePictures)
            continue;
        if (page.pictureFit == PictureFit::Stretch || p.picture.isEmpty()) {
            p.rect = p.slotRect;
            p.source = {};
            continue;
        }
        const FittedRect fitted = fitPicture(p.picture.size(), p.slotRect, page.pictureFit,
                                             page.focus[static_cast<std::size_t>(p.index)]);
        p.rect = fitted.target;
        p.source = fitted.source;
    }
}

int pictureAt(const MonthPage& page, const QPointF& point)
{
    for (const PlacedPicture& p : page.pictures)
        if (p.index >= 0 && !p.picture.isEmpty() && p.slotRect.contains(point))
            return p.index;
    return -1;
}

FocusPoint draggedFocus(FocusPoint focus, const QPointF& moved, const QSizeF& picture,
                        const QRectF& slot, PictureFit fit)
{
    if (fit != PictureFit::Crop || picture.isEmpty() || slot.isEmpty())
        return focus;
    // From the centre of the part shown now: a focus point past the edge moves nothing
    // until it comes back, which would feel stuck.
    const FittedRect now = fitPicture(picture, slot, fit, focus);
    const double perPixel = now.source.width() / slot.width();
    const QPointF centre = now.source.center() - moved * perPixel;
    return clampedFocus({centre.x() / picture.width(), centre.y() / picture.height()});
}

MonthPage buildMonthPage(const MonthPageInput& in)
{
    if (in.year < 1 || in.year > 9999 || in.month < 1 || in.month > 12)
        throw zuv::core::Error(QCoreApplication::translate("Photo", "Ungültiges Datum: Monat %1 im Jahr %2")
                                   .arg(in.month)
                                   .arg(in.year));
    const std::string code = in.regionCode.toStdString();
    const auto& codes = KRV_Calendar::kRegionCodes;
    if (std::find(codes.begin(), codes.end(), code) == codes.end())
        throw zuv::core::Error(
            QCoreApplication::translate("Photo", "Unbekannte Region: %1").arg(in.regionCode));

    MonthPage page;
    page.year = in.year;
    page.month = in.month;
    page.pageSize = in.pageSize;
    const QString monthText =
        in.monthText.isEmpty() ? monthBoxEntries()[in.month - 1] : in.monthText;
    page.title = monthText + QStringLiteral("  ") + QString::number(in.year);

    const QDate firstDay(in.year, in.month, 1);
    const int n = zuv::core::daysInMonth(in.year, in.month);
    const std::uint8_t region = KRV_Calendar::RegionIndex(code);
    KRV_Calendar::TDayInfo info;
    for (int i = 0; i < n; ++i) {
        const QDate date = firstDay.addDays(i);
        KRV_Calendar::GetDayInfo(region, info, KRV_Calendar::DateValue(in.year, in.month, date.day()));
        // Both are needed: a special day with a name is no holiday, and a holiday without
        // a name would leave an empty entry in the line.
        const bool marked = info.IsHoliday && !info.Names.empty();
        if (marked)
            page.holidayLine += QStringLiteral("  ") + date.toString(QStringLiteral("dd."))
                + QString::fromStdString(info.Names);
        const int w = date.dayOfWeek();
        if (w == 1 || i == 0) {
            WeekRow row;
            row.isoWeek = info.Week;
            row.days[5].marks.push_back({DayMarkKind::Saturday, {}});
            row.days[6].marks.push_back({DayMarkKind::Sunday, {}});
            page.rows.push_back(row);
        }
        DayCell& cell = page.rows.back().days[static_cast<std::size_t>(w - 1)];
        cell.day = date.day();
        if (marked)
            cell.marks.push_back({DayMarkKind::Holiday, {}});
    }
    if (!page.holidayLine.isEmpty())
        page.holidayLine = QCoreApplication::translate("Photo", "Feiertage in %1: %2")
                               .arg(in.regionName, page.holidayLine);

    // Notes go on their day; a day the month does not have carries none.
    for (const DayNote& note : in.notes)
        for (WeekRow& row : page.rows)
            for (DayCell& cell : row.days)
                if (cell.day != 0 && cell.day == note.day)
                    cell.marks.push_back(note.mark);
    page.moreLines = in.moreLines;
    page.birthdayLine = in.birthdayLine;
    page.legendLine = in.legendLine;
    page.pictureFit = in.pictureFit;
    page.focus = in.focus;

    placePictures(page, in.pictureFiles, in.loaded, in.chart);
    return page;
}

} // namespace zuv::photo
