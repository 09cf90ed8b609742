// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearslots.h"

#include "beforebirth.h"
#include "dialogs.h"
#include "picturefit.h"
#include "regionmonthnames.h"
#include "yearspan.h"

namespace zuv::yearcal {

namespace {

constexpr int kSinglePictureSlot = 1;

} // namespace

QRectF printedSlot(const zuv::photo::SlotPlan& plan, const zuv::photo::PrintSheet& sheet)
{
    if (!sheet.bleed)
        return plan.rect;
    using zuv::photo::PageGeometry;
    const QSizeF page(PageGeometry::kWidth, PageGeometry::kHeight);
    QRectF rect = plan.rect;
    if (plan.slot == kSinglePictureSlot)
        rect = QRectF(0, rect.top(), page.width(), rect.height());
    return zuv::photo::intoBleed(rect, page, zuv::photo::kBleedMm * sheet.designScale());
}

QStringList softPictureWarnings(const YearProject& project, const PictureSize& sizeOf)
{
    std::array<CalendarMonth, 12> months;
    try {
        months = calendarMonths(project.year, project.print.firstMonth);
    } catch (const zuv::core::Error&) {
        return {};
    }
    const zuv::photo::PrintSheet& sheet = project.print.sheet;
    const auto naming = namingOf(project.print, project.regionCode);
    QStringList warnings;
    for (const CalendarMonth& m : months) {
        const QStringList files =
            project.pictures[static_cast<std::size_t>(m.month - 1)].mid(0, kMaxPicturesPerMonth);
        // The chart takes room from the pictures on pages from the person's birth on.
        const bool chart = project.person && project.person->birthDate.isValid()
            && !monthEndsBeforeBirth(project.person->birthDate, m.year, m.month);
        for (const zuv::photo::SlotPlan& plan : zuv::photo::pictureSlots(files, chart)) {
            const QString file = files.value(plan.index);
            const QSize size = file.isEmpty() ? QSize() : sizeOf(file);
            if (size.isEmpty())
                continue;
            const PicturePlacement placement = placementOf(project.print, file);
            const auto fitted = zuv::photo::fitPicture(QSizeF(size), printedSlot(plan, sheet),
                                                       placement.fit, placement.focus);
            if (const auto soft = zuv::photo::resolutionWarning(
                    zuv::photo::regionMonthName(m.month, naming), plan.index + 1,
                    zuv::photo::printedPpi(fitted, sheet.printScale())))
                warnings << *soft;
        }
    }
    return warnings;
}

} // namespace zuv::yearcal
