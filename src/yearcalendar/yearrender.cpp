// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearrender.h"

#include "biorhythm.h"
#include "chartrender.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "pdfexport.h"
#include "pictureloader.h"
#include "safefile.h"
#include "table.h"

#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <future>

namespace zuv::yearcal {

using zuv::photo::CalendarReport;
using zuv::photo::PageText;
using zuv::photo::ReportPage;
using zuv::photo::ReportPicture;
using zuv::photo::ReportText;

namespace {

// The chart is laid out at about the size it has on the biorhythm page and scaled into
// its slot, so its texts keep their proportions.
const QSize kChartLogicalSize(900, 255);

const QColor kBirthdayColour(0x80, 0x00, 0x80);
const QColor kCriticalColour(0x00, 0x66, 0x00);
const QColor kBridgeColour(0x00, 0x00, 0xC0);
const QColor kBlack(0x00, 0x00, 0x00);

QFont markFont(bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(bold);
    return f;
}

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

// The table the report's detail band reads: the month page's grid table, in memory.
void fillGridTable(zuv::core::Table& table, const zuv::photo::MonthGrid& grid)
{
    for (const auto& f : zuv::photo::bildkalenderFields())
        table.addFieldDef(f.name, f.type, f.size);
    table.createDataSet();
    zuv::photo::appendGrid(table, grid);
}

void addMark(ReportPage& page, const QString& name, int row, const QRectF& cell, int line,
             const QString& text, const QColor& colour)
{
    const QFont font = markFont(name == kBirthdayMarkName);
    // Right of the cell's box, top-aligned; the next weekday's cell starts 47 pixels on.
    const QRectF rect(cell.right() + 1, cell.top() + line * 13, 34, 13);
    page.texts.push_back({name, row, rect, text, font, colour,
                          int(Qt::AlignLeft | Qt::AlignTop), false});
}

} // namespace

QString problemText(const PictureProblem& problem, int year)
{
    const QString where = problem.month == 0
        ? QStringLiteral("Titelseite %1").arg(year)
        : QStringLiteral("%1 %2").arg(zuv::core::monthName(problem.month)).arg(year);
    return where + QStringLiteral(": ") + problem.message;
}

QString moonSymbol(zuv::astronomy::MoonPhase phase)
{
    static const std::array<QChar, 4> symbols{QChar(0x25CF), QChar(0x25D0), QChar(0x25CB),
                                              QChar(0x25D1)};
    return QString(symbols[static_cast<std::size_t>(phase)]);
}

QString summaryText(const MonthPage& page)
{
    QStringList lines{page.grid.holidayLine};
    for (const QString& extra : {page.marks.moonLine, page.marks.bridgeLine})
        if (!extra.isEmpty())
            lines << extra;
    lines << page.birthdayLine << page.legendLine;
    return lines.join(QStringLiteral("\r\n"));
}

std::vector<int> pictureSlots(int pictureCount)
{
    if (pictureCount <= 0)
        return {};
    if (pictureCount == 1)
        return {1};
    return pictureCount == 2 ? std::vector<int>{2, 3} : std::vector<int>{2, 3, 4};
}

MonthPictures loadMonthPictures(const MonthPage& page, const CalendarReport& design,
                                std::vector<PictureProblem>& problems)
{
    CalendarReport report = design;
    report.applyLayout(page.chartPerson ? zuv::photo::kLayoutWithChart
                                        : zuv::photo::kLayoutWithoutChart);
    const std::vector<int> targets = pictureSlots(static_cast<int>(page.pictures.size()));
    // The pictures of one page are decoded side by side (the picture cache is thread-safe);
    // the next page waits, so no more than one page's pictures are being decoded at once.
    struct Load {
        ReportPicture picture;
        std::vector<PictureProblem> problems;
    };
    std::vector<std::future<Load>> loads;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const QString file = page.pictures[static_cast<qsizetype>(i)];
        const QSizeF slot = report.image(targets[i]).geometry.size();
        loads.push_back(std::async(std::launch::async, [file, slot, month = page.month] {
            Load load;
            load.picture = loadOne(month, file, slot, load.problems);
            return load;
        }));
    }
    MonthPictures pictures;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        Load load = loads[i].get();
        pictures.bySlot[static_cast<std::size_t>(targets[i] - 1)] = std::move(load.picture);
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
    zuv::bio::setPrintColours(model);
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
    zuv::core::Table grid(QStringLiteral("CLDBildkalender"));
    fillGridTable(grid, page.grid);

    CalendarReport report = design;
    report.dataSet = &grid;
    if (!titleFont.isEmpty()) {
        QFont font;
        if (font.fromString(titleFont))
            report.text(QStringLiteral("QRLabel1")).font = font;
    }
    const QString title = zuv::photo::monthBoxEntries()[page.month - 1] + QStringLiteral("  ")
        + QString::number(page.year);
    const QString summary = summaryText(page);
    report.onPrint = [&](ReportText& element, QString& value) {
        if (element.name == QLatin1String("QRLabel1"))
            value = title;
        else if (element.name == QLatin1String("QRLabel10"))
            value = summary;
        else if (element.name.startsWith(QLatin1String("QRDBText")) && element.field >= 1)
            zuv::photo::applyDayCellRule(element, element.field, value);
    };
    report.applyLayout(page.chartPerson ? zuv::photo::kLayoutWithChart
                                        : zuv::photo::kLayoutWithoutChart);
    for (int slot = 1; slot <= 4; ++slot)
        report.image(slot).picture = pictures.bySlot[static_cast<std::size_t>(slot - 1)];
    report.image(5).picture = chart;

    ReportPage laid = report.generate();

    // The year's marks beside the day numbers of the grid.
    const std::size_t cellTexts = laid.texts.size();
    for (std::size_t i = 0; i < cellTexts; ++i) {
        const PageText cell = laid.texts[i];
        if (cell.row < 0 || !cell.name.startsWith(QLatin1String("QRDBText"))
            || cell.name == QLatin1String("QRDBText1") || cell.text.isEmpty())
            continue;
        const int day = cell.text.toInt();
        int line = 0;
        for (const Birthday& b : page.birthdays)
            if (b.day == day) {
                addMark(laid, kBirthdayMarkName, cell.row, cell.rect, line++, kBirthdayMark,
                        kBirthdayColour);
                break;
            }
        for (const CriticalDay& c : page.criticalDays)
            if (c.day == day)
                addMark(laid, kCriticalMarkName, cell.row, cell.rect, line++, criticalMarks(c),
                        kCriticalColour);
        if (day < 1 || day > 31)
            continue;
        const zuv::daymarks::DayMarks& marks = page.marks.days[static_cast<std::size_t>(day)];
        if (marks.moon) {
            addMark(laid, kMoonMarkName, cell.row, cell.rect, line++, moonSymbol(*marks.moon),
                    kBlack);
            // A font that has the geometric shapes, larger than the letters beside it.
            QFont shapes(QStringLiteral("DejaVu Sans"));
            shapes.setPointSize(9);
            laid.texts.back().font = shapes;
        }
        if (marks.bridgeDay)
            addMark(laid, kBridgeMarkName, cell.row, cell.rect, line++, QStringLiteral("Br"),
                    kBridgeColour);
        if (marks.secondRegionOnly) {
            // The second region's own holidays: an outline where the first region's are red.
            const QRectF box = cell.rect.adjusted(-2, -1, 2, 1);
            laid.lines.emplace_back(box.topLeft(), box.topRight());
            laid.lines.emplace_back(box.topRight(), box.bottomRight());
            laid.lines.emplace_back(box.bottomRight(), box.bottomLeft());
            laid.lines.emplace_back(box.bottomLeft(), box.topLeft());
            addMark(laid, kSecondRegionMarkName, cell.row, cell.rect, line++,
                    page.marks.secondRegionCode, kBlack);
        }
    }
    return laid;
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
