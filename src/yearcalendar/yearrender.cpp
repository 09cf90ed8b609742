// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearrender.h"
#include "designfont.h"

#include "biorhythm.h"
#include "chartrender.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "pdfexport.h"
#include "pagepictures.h"
#include "picturefit.h"
#include "safefile.h"
#include "yearslots.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <future>

namespace zuv::yearcal {

using zuv::photo::CalendarReport;
using zuv::photo::ReportPage;
using zuv::pictures::ReportPicture;

namespace {

// The chart is laid out at about the size it has on the biorhythm page and scaled into
// its slot, so its texts keep their proportions.
const QSize kChartLogicalSize(900, 255);


// A month's picture fitted into its slot as the project says, with a note when it prints
// soft; a picture that cannot be used costs its slot only.
pictures::ReportPicture placeOne(const MonthPage& page, int number, const QString& file, const QRectF& slot,
                       const PicturePlacement& placement, double scale, QRectF& rect,
                       std::vector<PictureProblem>& problems)
{
    const zuv::store::FileCheck check = zuv::store::checkRegularFile(file);
    if (!check.ok()) {
        problems.push_back({page.month, file, zuv::store::fileProblemMessage(file, check.problem),
                            page.year});
        return {};
    }
    try {
        const zuv::photo::FittedPicture fitted =
            zuv::photo::placePicture(file, slot, placement.fit, placement.focus, scale);
        rect = fitted.target;
        // The month as the page's title names it ("Jänner" on Austrian pages).
        const QString title = page.sheet.title;
        const QString monthText = title.left(title.lastIndexOf(QLatin1Char(' '))).trimmed();
        if (const auto soft = zuv::photo::resolutionWarning(
                monthText.isEmpty() ? zuv::core::monthName(page.month) : monthText, number,
                fitted.ppi))
            problems.push_back({page.month, file, *soft, page.year, true});
        return pictures::ReportPicture::fromImage(fitted.image);
    } catch (const zuv::core::Error& e) {
        problems.push_back({page.month, file, e.message(), page.year});
    }
    return {};
}

} // namespace

pictures::ReportPicture loadCheckedPicture(int month, const QString& file, const QSizeF& slot,
                                 std::vector<PictureProblem>& problems)
{
    if (file.isEmpty())
        return {};
    // A FIFO, a folder or an unreadable file is refused before anything opens it.
    const zuv::store::FileCheck check = zuv::store::checkRegularFile(file);
    if (!check.ok()) {
        problems.push_back({month, file, zuv::store::fileProblemMessage(file, check.problem)});
        return {};
    }
    try {
        return zuv::photo::loadPicture(file, slot);
    } catch (const zuv::core::Error& e) {
        problems.push_back({month, file, e.message()});
    }
    return {};
}

QString problemText(const PictureProblem& problem, int year)
{
    if (problem.softOnly)
        return problem.message;
    if (problem.year != 0)
        year = problem.year;
    const QString where = problem.month == 0
        ? QCoreApplication::translate("YearCalendar", "Titelseite %1").arg(year)
        : QStringLiteral("%1 %2").arg(zuv::core::monthName(problem.month)).arg(year);
    return where + QStringLiteral(": ") + problem.message;
}

MonthPictures loadMonthPictures(const MonthPage& page, const CalendarReport&,
                                std::vector<PictureProblem>& problems,
                                const PrintSettings& print)
{
    // A slot without a file (the third of two pictures) stays empty.
    std::vector<zuv::photo::SlotPlan> targets;
    for (const zuv::photo::SlotPlan& plan :
         zuv::photo::pictureSlots(page.pictures, page.chartPerson.has_value()))
        if (!page.pictures.value(plan.index).isEmpty())
            targets.push_back(plan);
    // The pictures of one page are decoded side by side (the picture cache is thread-safe);
    // the next page waits, so no more than one page's pictures are being decoded at once.
    struct Load {
        pictures::ReportPicture picture;
        QRectF rect;
        std::vector<PictureProblem> problems;
    };
    std::vector<std::future<Load>> loads;
    for (const zuv::photo::SlotPlan& target : targets) {
        const QString file = page.pictures.value(target.index);
        // With bleed the single picture runs from edge to edge and on into the bleed.
        const QRectF slot = printedSlot(target, print.sheet);
        const PicturePlacement placement = placementOf(print, file);
        const int number = static_cast<int>(target.index) + 1;
        const double scale = print.sheet.printScale();
        loads.push_back(std::async(std::launch::async, [&page, number, file, slot, placement, scale] {
            Load load;
            load.picture = placeOne(page, number, file, slot, placement, scale, load.rect,
                                    load.problems);
            return load;
        }));
    }
    MonthPictures pictures;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        Load load = loads[i].get();
        pictures.bySlot[static_cast<std::size_t>(targets[i].slot - 1)] = std::move(load.picture);
        pictures.rects[static_cast<std::size_t>(targets[i].slot - 1)] = load.rect;
        problems.insert(problems.end(), load.problems.begin(), load.problems.end());
    }
    return pictures;
}

pictures::ReportPicture monthChartPicture(const MonthPage& page)
{
    if (!page.chartPerson)
        return {};
    zuv::charts::ChartModel model;
    zuv::bio::configureMonthChart(model);
    zuv::bio::setColours(model, zuv::bio::ChartColours::Print);
    model.title = QStringList{zuv::bio::chartTitle(page.month, page.year, page.chartPerson->name)};
    const zuv::bio::MonthBounds bounds = zuv::bio::monthBounds(page.year, page.month);
    model.bottom.minimum = zuv::core::toDateValue(bounds.first);
    model.bottom.maximum = zuv::core::toDateValue(bounds.last);
    model.bottom.title = zuv::bio::axisCaption(page.month, page.year);
    const auto& cycles = zuv::bio::cycles();
    const auto values = zuv::bio::monthValues(page.year, page.month, page.chartPerson->birthDate);
    for (zuv::charts::Series& s : model.series) {
        for (std::size_t c = 0; c < cycles.size(); ++c) {
            if (s.yField != cycles[c].field)
                continue;
            for (const zuv::bio::DayValues& d : values)
                s.points.emplace_back(zuv::core::toDateValue(d.day), d.values[c]);
        }
    }
    zuv::charts::ChartHooks hooks;
    hooks.afterDraw = [](QPainter& painter, const QRect& plot) {
        zuv::bio::drawZeroLine(painter, plot, 2);
    };
    hooks.axisLabel = [&model](zuv::charts::AxisId axis, const QString& text, QColor& colour) {
        if (axis == zuv::charts::AxisId::Bottom)
            colour = zuv::bio::dayLabelColour(text, model.gradientStart);
    };
    QPicture picture;
    {
        QPainter painter(&picture);
        zuv::charts::RenderOptions options;
        options.xorMarkers = false;
        zuv::charts::render(painter, QRect(QPoint(0, 0), kChartLogicalSize), model, hooks, options);
    }
    return pictures::ReportPicture::fromPicture(picture, QSizeF(kChartLogicalSize));
}

ReportPage layoutMonthPage(const MonthPage& page, const CalendarReport& design,
                           const QString& titleFont, const MonthPictures& pictures,
                           const pictures::ReportPicture& chart)
{
    CalendarReport report = design;
    if (!titleFont.isEmpty()) {
        QFont font;
        if (font.fromString(titleFont))
            report.text(QStringLiteral("QRLabel1")).font = font;
    }
    // The pictures by their index among the month's files, as the slot rule placed them.
    std::vector<pictures::ReportPicture> loaded(static_cast<std::size_t>(page.pictures.size()));
    for (const zuv::photo::SlotPlan& plan : zuv::photo::pictureSlots(page.pictures, !chart.isEmpty()))
        if (plan.index < page.pictures.size())
            loaded[static_cast<std::size_t>(plan.index)] =
                pictures.bySlot[static_cast<std::size_t>(plan.slot - 1)];
    zuv::photo::MonthPage sheet = page.sheet;
    zuv::photo::placePictures(sheet, page.pictures, loaded, chart);
    // Each picture where its fit puts it inside (or, with bleed, beyond) its slot.
    for (zuv::photo::PlacedPicture& placed : sheet.pictures)
        if (placed.slot >= 1 && placed.slot <= 4
            && !pictures.rects[static_cast<std::size_t>(placed.slot - 1)].isEmpty())
            placed.rect = pictures.rects[static_cast<std::size_t>(placed.slot - 1)];
    return zuv::photo::layoutMonthPage(sheet, report);
}

QRectF fitInside(const QSizeF& size, const QRectF& box)
{
    if (size.isEmpty() || box.isEmpty())
        return {};
    const QSizeF fitted = size.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.left() + (box.width() - fitted.width()) / 2,
                  box.top() + (box.height() - fitted.height()) / 2, fitted.width(), fitted.height());
}

ReportPage layoutCoverPage(const CoverPage& cover, const QString& titleFont,
                           const pictures::ReportPicture& picture)
{
    ReportPage page;
    const double width = zuv::photo::PageGeometry::kWidth;
    page.bands.push_back({QStringLiteral("Titelseite"), QRectF(0, 0, width, page.size.height())});

    QFont yearFont = zuv::photo::titleBandFont();
    if (!titleFont.isEmpty())
        yearFont.fromString(titleFont);
    yearFont.setPointSize(72);
    page.texts.push_back({QStringLiteral("Jahr"), -1, QRectF(0, 80, width, 160), cover.title,
                          yearFont, QColor(0xFF, 0x00, 0x00), int(Qt::AlignCenter), false});
    QFont small(zuv::core::installedFamily(QStringLiteral("Times New Roman")));
    small.setPointSize(12);
    page.texts.push_back({QStringLiteral("Region"), -1, QRectF(0, 240, width, 30), cover.subtitle,
                          small, QColor(0x00, 0x00, 0x00), int(Qt::AlignCenter), false});
    if (!picture.isEmpty())
        page.pictures.push_back({QStringLiteral("Titelbild"),
                                 fitInside(picture.size(), kCoverPictureBox), picture});
    return page;
}

ReportPage layoutPage(const YearDocument& doc, int index, const CalendarReport& design,
                      std::vector<PictureProblem>& problems)
{
    if (index == 0) {
        pictures::ReportPicture picture;
        if (!doc.cover.picture.isEmpty() && zuv::store::checkRegularFile(doc.cover.picture).ok()) {
            // The cover keeps the picture's proportions: it is decoded for the part of the
            // box it will fill, which the file's header tells (turned as its EXIF says).
            QImageReader header(doc.cover.picture);
            header.setAutoTransform(true);
            QSizeF size = header.size();
            if (header.transformation() & QImageIOHandler::TransformationRotate90)
                size.transpose();
            // On another paper the box prints larger or smaller: 300 dpi of its printed size.
            const QSizeF slot = (size.isEmpty() ? kCoverPictureBox.size()
                                                : fitInside(size, kCoverPictureBox).size())
                * doc.print.sheet.printScale();
            picture = loadCheckedPicture(0, doc.cover.picture, slot, problems);
        } else if (!doc.cover.picture.isEmpty()) {
            picture = loadCheckedPicture(0, doc.cover.picture, kCoverPictureBox.size(), problems);
        }
        return layoutCoverPage(doc.cover, doc.titleFont, picture);
    }
    const MonthPage& month = doc.months.at(static_cast<std::size_t>(index - 1));
    const MonthPictures pictures = loadMonthPictures(month, design, problems, doc.print);
    return layoutMonthPage(month, design, doc.titleFont, pictures, monthChartPicture(month));
}

bool printYear(QPagedPaintDevice& device, QPainter& painter, const YearDocument& doc,
               const CalendarReport& design, std::vector<PictureProblem>& problems,
               const YearProgress& progress)
{
    const QRectF sheet(0, 0, device.width(), device.height());
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        zuv::photo::render(painter, sheet, layoutPage(doc, i, design, problems));
        if (progress && !progress(i + 1, doc.pageCount()))
            return false;
    }
    return true;
}

bool writeYearPdf(const QString& path, const YearDocument& doc, const CalendarReport& design,
                  std::vector<PictureProblem>& problems, const YearProgress& progress)
{
    std::vector<PictureProblem> found;
    // The next page's pictures are decoded while this one is drawn and compressed, so both
    // cores work; no more than two pages' pictures are held at once.
    struct Laid {
        ReportPage page;
        std::vector<PictureProblem> problems;
    };
    const auto lay = [&doc, &design](int index) {
        return std::async(std::launch::async, [&doc, &design, index] {
            Laid laid;
            laid.page = layoutPage(doc, index, design, laid.problems);
            return laid;
        });
    };
    std::future<Laid> next = lay(0);
    const bool done = zuv::photo::writePdf(
        path, QCoreApplication::translate("YearCalendar", "Jahreskalender %1").arg(doc.cover.year),
        doc.pageCount(),
        [&](QPainter& painter, const QRectF& sheet, int index) {
            Laid laid = next.get();
            if (index + 1 < doc.pageCount())
                next = lay(index + 1);
            zuv::photo::render(painter, sheet, laid.page);
            found.insert(found.end(), laid.problems.begin(), laid.problems.end());
            return !progress || progress(index + 1, doc.pageCount());
        },
        doc.print.sheet);
    // A cancelled or failed save leaves the page being laid out: it is waited for here.
    if (next.valid())
        next.wait();
    problems.insert(problems.end(), found.begin(), found.end());
    return done;
}

} // namespace zuv::yearcal
