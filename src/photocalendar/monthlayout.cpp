// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Laying a MonthPage out on the report's design and drawing it.
#include "monthpage.h"
#include "designfont.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zuv::photo {

namespace {

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

// The colour of a day number: the first rule whose mark the cell carries decides; no colour
// means the cell keeps its font's colour. A cell without any of these marks is black.
struct CellColourRule {
    DayMarkKind mark;
    std::optional<QColor> colour;
};
const CellColourRule kCellColourRules[] = {
    {DayMarkKind::Sunday, std::nullopt},
    {DayMarkKind::Holiday, kRed},
    {DayMarkKind::Saturday, kBlue},
};

// The marks drawn as text beside the day number: element name, font, colour.
struct TextMarkStyle {
    DayMarkKind mark;
    const char* name;
    bool bold;
    QColor colour;
    const char* family = "Arial";
    int pointSize = 8;
};
const TextMarkStyle kTextMarkStyles[] = {
    {DayMarkKind::Birthday, "Geburtstag", true, QColor(0x80, 0x00, 0x80)},
    {DayMarkKind::CriticalDay, "KritischeTage", false, QColor(0x00, 0x66, 0x00)},
    // The moon's symbols are geometric shapes, which Arial lacks.
    {DayMarkKind::MoonPhase, "Mondphase", false, kBlack, "DejaVu Sans", 9},
    {DayMarkKind::BridgeDay, "Brueckentag", false, QColor(0x00, 0x00, 0xC0)},
    {DayMarkKind::SecondRegion, "Region2", false, kBlack},
};
// Marks that draw a box around the day number: the second region's holidays are outlined
// where the page's own are red.
const DayMarkKind kOutlinedMarks[] = {DayMarkKind::SecondRegion};
// One line per mark, right of the cell's box and top-aligned; the next weekday's cell
// starts 47 pixels on.
constexpr double kMarkLineHeight = 13;
constexpr double kMarkWidth = 34;
constexpr double kCellPitch = 47;
const QColor kAppointmentShade(0xDD, 0xDD, 0xDD);

// The part of a placed picture that is shown: a cut-out for Zuschneiden, so that the PDF
// keeps only what is seen; the whole picture otherwise.
pictures::ReportPicture shownPart(const PlacedPicture& p)
{
    const QImage* image = p.picture.image();
    if (p.source.isEmpty() || !image || p.source == QRectF(QPointF(0, 0), p.picture.size()))
        return p.picture;
    const int left = std::clamp(int(std::lround(p.source.left())), 0, image->width() - 1);
    const int top = std::clamp(int(std::lround(p.source.top())), 0, image->height() - 1);
    const QSize size(std::clamp(int(std::lround(p.source.width())), 1, image->width() - left),
                     std::clamp(int(std::lround(p.source.height())), 1, image->height() - top));
    return pictures::ReportPicture::fromImage(image->copy(QRect(QPoint(left, top), size)));
}

const TextMarkStyle* textMarkStyle(DayMarkKind kind)
{
    for (const TextMarkStyle& s : kTextMarkStyles)
        if (s.mark == kind)
            return &s;
    return nullptr;
}

// Text measurement happens at 96 dots per inch, so font points turn into report pixels.
const QPaintDevice& reportDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(3780);   // 96 per inch
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return device;
}

void placeText(ReportPage& page, const ReportText& element, double bandTop, int row,
               const QString& printed, const QColor& colour)
{
    const QFontMetricsF fm(element.font, &reportDevice());
    const double left = PageGeometry::kMargin;
    QRectF rect(left + element.geometry.left(), bandTop + element.geometry.top(),
                element.geometry.width(), element.geometry.height());
    int flags = element.alignment;
    if (element.wordWrap)
        flags |= Qt::TextWordWrap;
    if (element.autoSize) {
        const QRectF bounds = fm.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, printed);
        rect.setSize(QSizeF(std::ceil(bounds.width()), std::ceil(bounds.height())));
        if (element.alignToBand)
            rect.moveLeft(left + (PageGeometry::kBandWidth - rect.width()) / 2.0);
    } else if (element.growsDownward) {
        const QRectF bounds = fm.boundingRect(QRectF(0, 0, rect.width(), 1e6), flags, printed);
        rect.setHeight(std::max<double>(rect.height(), std::ceil(bounds.height())));
    }
    page.texts.push_back({element.name, row, rect, printed, element.font, colour, flags,
                          !element.transparent});
}

void addShapes(ReportPage& page, const ReportBand& band, double top)
{
    const double left = PageGeometry::kMargin;
    for (const ReportShape& s : band.shapes) {
        const QRectF r(left + s.geometry.left(), top + s.geometry.top(), s.geometry.width(),
                       s.geometry.height());
        if (s.orientation == Qt::Horizontal)
            page.lines.emplace_back(r.left(), r.top() + std::floor(r.height() / 2), r.right(),
                                    r.top() + std::floor(r.height() / 2));
        else
            page.lines.emplace_back(r.left(), r.top(), r.left(), r.bottom());
    }
}

// The text an element of a band other than the detail band prints.
QString bandText(const ReportText& element, const MonthPage& page)
{
    switch (element.role) {
    case TextRole::Title: return page.title;
    case TextRole::Summary: return page.summaryText();
    case TextRole::Caption:
    case TextRole::Field: break;
    }
    return element.caption;
}

} // namespace

PrintedCell printedDayCell(const DayCell& cell, const ReportText& cellDesign)
{
    PrintedCell printed{cell.day > 0 ? QString::number(cell.day) : QString(), kBlack};
    for (const CellColourRule& rule : kCellColourRules)
        if (cell.has(rule.mark)) {
            printed.colour = rule.colour.value_or(cellDesign.color);
            break;
        }
    return printed;
}

ReportPage layoutMonthPage(const MonthPage& page, const CalendarReport& design)
{
    ReportPage laid;
    laid.size = page.pageSize;
    if (page.rows.empty())
        return laid;

    const double left = PageGeometry::kMargin;
    double top = PageGeometry::kMargin;
    auto simpleBand = [&](const ReportBand& band, double height) {
        laid.bands.push_back({band.name, QRectF(left, top, PageGeometry::kBandWidth, height)});
        for (const ReportText& t : band.texts)
            placeText(laid, t, top, -1, bandText(t, page), t.color);
        addShapes(laid, band, top);
        top += height;
    };
    simpleBand(design.TitleBand1, design.TitleBand1.height);
    simpleBand(design.ColumnHeaderBand1, design.ColumnHeaderBand1.height);

    // Day cells by row and weekday, for the marks drawn beside them.
    struct CellBox {
        int row;
        QRectF rect;
        const DayCell* cell;
    };
    std::vector<CellBox> cells;
    const ReportBand& detail = design.DetailBand1;
    for (std::size_t r = 0; r < page.rows.size(); ++r) {
        const WeekRow& row = page.rows[r];
        const int rowIndex = static_cast<int>(r);
        laid.bands.push_back({detail.name, QRectF(left, top, PageGeometry::kBandWidth, detail.height)});
        for (const ReportText& t : detail.texts) {
            if (t.role != TextRole::Field || t.field < 0 || t.field > 7) {
                placeText(laid, t, top, rowIndex, bandText(t, page), t.color);
            } else if (t.field == 0) {
                placeText(laid, t, top, rowIndex, QString::number(row.isoWeek), t.color);
            } else {
                const DayCell& cell = row.days[static_cast<std::size_t>(t.field - 1)];
                const PrintedCell printed = printedDayCell(cell, t);
                placeText(laid, t, top, rowIndex, printed.text, printed.colour);
                if (cell.day > 0)
                    cells.push_back({rowIndex, laid.texts.back().rect, &cell});
                if (cell.has(DayMarkKind::Appointment)) {
                    // The band runs under the number and its marks, to the next weekday's cell.
                    PageText& number = laid.texts.back();
                    number.opaque = false;
                    laid.fills.push_back({QStringLiteral("Termin"), QRectF(number.rect.left(), number.rect.top(),
                                                                        kCellPitch, number.rect.height()),
                                          kAppointmentShade});
                }
            }
        }
        addShapes(laid, detail, top);
        top += detail.height;
    }

    // The summary band grows by as much as its text outgrows the label.
    const std::size_t firstSummaryText = laid.texts.size();
    const ReportBand& summary = design.SummaryBand1;
    for (const ReportText& t : summary.texts)
        placeText(laid, t, top, -1, bandText(t, page), t.color);
    double growth = 0;
    for (std::size_t i = firstSummaryText; i < laid.texts.size(); ++i)
        growth = std::max(growth, laid.texts[i].rect.height()
                                      - summary.texts[i - firstSummaryText].geometry.height());
    laid.bands.push_back({summary.name, QRectF(left, top, PageGeometry::kBandWidth, summary.height + growth)});

    // Text marks beside the day numbers, over everything else of the grid.
    for (const CellBox& box : cells) {
        for (DayMarkKind outlined : kOutlinedMarks)
            if (box.cell->has(outlined)) {
                const QRectF r = box.rect.adjusted(-2, -1, 2, 1);
                laid.lines.emplace_back(r.topLeft(), r.topRight());
                laid.lines.emplace_back(r.topRight(), r.bottomRight());
                laid.lines.emplace_back(r.bottomRight(), r.bottomLeft());
                laid.lines.emplace_back(r.bottomLeft(), r.topLeft());
            }
        int line = 0;
        for (const DayMark& mark : box.cell->marks) {
            const TextMarkStyle* style = textMarkStyle(mark.kind);
            if (!style || mark.text.isEmpty())
                continue;
            QFont font(zuv::core::installedFamily(QString::fromLatin1(style->family)));
            font.setPointSize(style->pointSize);
            font.setBold(style->bold);
            const QRectF rect(box.rect.right() + 1, box.rect.top() + line * kMarkLineHeight,
                              kMarkWidth, kMarkLineHeight);
            laid.texts.push_back({QString::fromLatin1(style->name), box.row, rect, mark.text, font,
                                  style->colour, int(Qt::AlignLeft | Qt::AlignTop), false});
            ++line;
        }
    }

    for (const PlacedPicture& p : page.pictures)
        if (!p.picture.isEmpty())
            laid.pictures.push_back({QStringLiteral("QRImage%1").arg(p.slot), p.rect, shownPart(p)});
    return laid;
}

void renderMonthPage(QPainter& painter, const QRectF& target, const MonthPage& page,
                     const CalendarReport& design)
{
    render(painter, target, layoutMonthPage(page, design));
}

} // namespace zuv::photo
