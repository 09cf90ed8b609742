// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearrender.h"

#include "biorhythm.h"
#include "chartrender.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "pdfexport.h"
#include "pagepictures.h"
#include "safefile.h"

#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <future>

namespace zuv::yearcal {

using zuv::photo::CalendarReport;
using zuv::photo::ReportPage;
using zuv::photo::ReportPicture;

namespace {

// The chart is laid out at about the size it has on the biorhythm page and scaled into
// its slot, so its texts keep their proportions.
const QSize kChartLogicalSize(900, 255);

ReportPicture loadOne(int month, const QString& file, const QSizeF& slot,
                      std::vector<PictureProblem>& problems)
{
    // A FIFO, a folder or an unreadable file is refused before anything opens it.
    const zuv::core::FileCheck check = zuv::core::checkRegularFile(file);
    if (!check.ok()) {
        problems.push_back({month, file, zuv::core::fileProblemMessage(file, check.problem)});
        return {};
    }
    try {
        return zuv::photo::loadPicture(file, slot);
    } catch (const zuv::core::Error& e) {
        problems.push_back({month, file, e.message()});
    }
    return {};
}

} // namespace

QString problemText(const PictureProblem& problem, int year)
{
    const QString where = problem.month == 0
        ? QStringLiteral("Titelseite %1").arg(year)
        : QStringLiteral("%1 %2").arg(zuv::core::monthName(problem.month)).arg(year);
    return where + QStringLiteral(": ") + problem.message;
}

MonthPictures loadMonthPictures(const MonthPage& page, const CalendarReport&,
                                std::vector<PictureProblem>& problems)
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
        ReportPicture picture;
        std::vector<PictureProblem> problems;
    };
    std::vector<std::future<Load>> loads;
    for (const zuv::photo::SlotPlan& target : targets) {
        const QString file = page.pictures.value(target.index);
        const QSizeF slot = target.rect.size();
        loads.push_back(std::async(std::launch::async, [file, slot, month = page.month] {
            Load load;
            load.picture = loadOne(month, file, slot, load.problems);
            return load;
        }));
    }
    MonthPictures pictures;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        Load load = loads[i].get();
        pictures.bySlot[static_cast<std::size_t>(targets[i].slot - 1)] = std::move(load.picture);
        problems.insert(problems.end(), load.problems.begin(), load.problems.end());
    }
    return pictures;
}

ReportPicture monthChartPicture(const MonthPage& page)
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
    return ReportPicture::fromPicture(picture, QSizeF(kChartLogicalSize));
}

ReportPage layoutMonthPage(const MonthPage& page, const CalendarReport& design,
                           const QString& titleFont, const MonthPictures& pictures,
                           const ReportPicture& chart)
{
    CalendarReport report = design;
    if (!titleFont.isEmpty()) {
        QFont font;
        if (font.fromString(titleFont))
            report.text(QStringLiteral("QRLabel1")).font = font;
    }
    // The pictures by their index among the month's files, as the slot rule placed them.
    std::vector<ReportPicture> loaded(static_cast<std::size_t>(page.pictures.size()));
    for (const zuv::photo::SlotPlan& plan : zuv::photo::pictureSlots(page.pictures, !chart.isEmpty()))
        if (plan.index < page.pictures.size())
            loaded[static_cast<std::size_t>(plan.index)] =
                pictures.bySlot[static_cast<std::size_t>(plan.slot - 1)];
    zuv::photo::MonthPage sheet = page.sheet;
    zuv::photo::placePictures(sheet, page.pictures, loaded, chart);
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
                           const ReportPicture& picture)
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
    QFont small(QStringLiteral("Times New Roman"));
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
        ReportPicture picture;
        if (!doc.cover.picture.isEmpty() && zuv::core::checkRegularFile(doc.cover.picture).ok()) {
            // The cover keeps the picture's proportions: it is decoded for the part of the
            // box it will fill, which the file's header tells (turned as its EXIF says).
            QImageReader header(doc.cover.picture);
            header.setAutoTransform(true);
            QSizeF size = header.size();
            if (header.transformation() & QImageIOHandler::TransformationRotate90)
                size.transpose();
            const QSizeF slot = size.isEmpty() ? kCoverPictureBox.size()
                                               : fitInside(size, kCoverPictureBox).size();
            picture = loadOne(0, doc.cover.picture, slot, problems);
        } else if (!doc.cover.picture.isEmpty()) {
            picture = loadOne(0, doc.cover.picture, kCoverPictureBox.size(), problems);
        }
        return layoutCoverPage(doc.cover, doc.titleFont, picture);
    }
    const MonthPage& month = doc.months.at(static_cast<std::size_t>(index - 1));
    const MonthPictures pictures = loadMonthPictures(month, design, problems);
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
    const bool done = zuv::photo::writePdf(
        path, QStringLiteral("Jahreskalender %1").arg(doc.cover.year), doc.pageCount(),
        [&](QPainter& painter, const QRectF& sheet, int index) {
            // Decoded pictures live only while their page is drawn.
            zuv::photo::render(painter, sheet, layoutPage(doc, index, design, found));
            return !progress || progress(index + 1, doc.pageCount());
        });
    problems.insert(problems.end(), found.begin(), found.end());
    return done;
}

} // namespace zuv::yearcal
