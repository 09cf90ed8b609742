// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "calendarreport.h"

#include "table.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPaintDevice>
#include <optional>
#include <stdexcept>

namespace zuv::photo {

namespace {

const QColor kWindowText(0x00, 0x00, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

QFont makeFont(const QString& family, int points, bool bold = false)
{
    QFont f(family);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

ReportText label(const QString& name, int left, int top, const QString& caption,
                 const QFont& font, const QColor& color)
{
    ReportText t;
    t.name = name;
    t.geometry = QRect(left, top, 0, 0);
    t.caption = caption;
    t.font = font;
    t.color = color;
    return t;
}

ReportText dayCellElement(const QString& name, int left, int field, const QFont& font,
                          const QColor& color)
{
    ReportText t;
    t.name = name;
    t.geometry = QRect(left, 8, 41, 31);
    t.autoSize = false;
    t.alignment = Qt::AlignHCenter | Qt::AlignTop;
    t.wordWrap = true;
    t.font = font;
    t.color = color;
    t.field = field;
    return t;
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

// The same font for a device whose painter is scaled from report pixels: its point size
// is adjusted so that the glyphs keep their size in report pixels.
QFont deviceFont(const QFont& font, const QPaintDevice* device)
{
    QFont f = font;
    const int dpi = device ? device->logicalDpiY() : 96;
    if (font.pointSizeF() > 0 && dpi > 0)
        f.setPointSizeF(font.pointSizeF() * PageGeometry::kPixelsPerInch / dpi);
    return f;
}

} // namespace

QFont titleBandFont() { return makeFont(QStringLiteral("Calligraph421 BT"), 22, true); }
QFont headerBandFont() { return makeFont(QStringLiteral("Calligraph421 BT"), 18); }
QFont detailBandFont() { return makeFont(QStringLiteral("Calligraph421 BT"), 18); }

const PageText* ReportPage::find(const QString& name, int row) const
{
    for (const PageText& t : texts)
        if (t.name == name && t.row == row)
            return &t;
    return nullptr;
}

CalendarReport::CalendarReport()
{
    const QFont calligraph9 = makeFont(QStringLiteral("Calligraph421 BT"), 9);

    TitleBand1 = {QStringLiteral("TitleBand1"), BandKind::Title, 155, titleBandFont(), kRed, {}, {}};
    ReportText title = label(QStringLiteral("QRLabel1"), 291, 112, {}, titleBandFont(), kRed);
    title.alignToBand = true;
    TitleBand1.texts.push_back(title);

    ColumnHeaderBand1 = {QStringLiteral("ColumnHeaderBand1"), BandKind::ColumnHeader, 56,
                         headerBandFont(), kWindowText, {}, {}};
    ColumnHeaderBand1.texts.push_back(
        label(QStringLiteral("QRLabel9"), 8, 24, QStringLiteral("KW"), calligraph9, kWindowText));
    struct Heading { const char* name; int left; const char* caption; QColor color; };
    const Heading headings[] = {
        {"QRLabel2", 96, "Mo", kWindowText},  {"QRLabel3", 188, "Di", kWindowText},
        {"QRLabel4", 280, "Mi", kWindowText}, {"QRLabel5", 372, "Do", kWindowText},
        {"QRLabel6", 464, "Fr", kWindowText}, {"QRLabel7", 556, "Sa", kBlue},
        {"QRLabel8", 648, "So", kRed},
    };
    for (const Heading& h : headings)
        ColumnHeaderBand1.texts.push_back(label(QString::fromLatin1(h.name), h.left, 16,
                                                QString::fromLatin1(h.caption),
                                                headerBandFont(), h.color));
    ColumnHeaderBand1.shapes = {
        {QStringLiteral("QRShape1"), QRect(8, 48, 681, 9), Qt::Horizontal},
        {QStringLiteral("QRShape2"), QRect(56, 16, 1, 41), Qt::Vertical},
    };

    DetailBand1 = {QStringLiteral("DetailBand1"), BandKind::Detail, 48, detailBandFont(),
                   kWindowText, {}, {}};
    ReportText week = label(QStringLiteral("QRDBText1"), 8, 20, {}, calligraph9, kWindowText);
    week.field = 0;
    DetailBand1.texts.push_back(week);
    struct Cell { const char* name; int left; QColor color; };
    const Cell cells[] = {
        {"QRDBText2", 96, kWindowText},  {"QRDBText3", 184, kWindowText},
        {"QRDBText4", 272, kWindowText}, {"QRDBText5", 368, kWindowText},
        {"QRDBText6", 464, kWindowText}, {"QRDBText7", 552, kBlue},
        {"QRDBText8", 648, kRed},
    };
    int field = 1;
    for (const Cell& c : cells)
        DetailBand1.texts.push_back(dayCellElement(QString::fromLatin1(c.name), c.left, field++,
                                                   detailBandFont(), c.color));
    DetailBand1.shapes = {{QStringLiteral("QRShape3"), QRect(56, -16, 1, 57), Qt::Vertical}};

    const QFont times8 = makeFont(QStringLiteral("Times New Roman"), 8);
    SummaryBand1 = {QStringLiteral("SummaryBand1"), BandKind::Summary, 32, times8, kWindowText,
                    {}, {}};
    ReportText summary = label(QStringLiteral("QRLabel10"), 56, 8, {}, times8, kWindowText);
    summary.geometry = QRect(56, 8, 641, 17);
    summary.autoSize = false;
    summary.wordWrap = true;
    summary.growsDownward = true;
    summary.transparent = true;
    SummaryBand1.texts.push_back(summary);

    images = {{
        {QStringLiteral("QRImage1"), QRect(96, 768, 609, 289), {}},
        {QStringLiteral("QRImage2"), QRect(72, 768, 201, 289), {}},
        {QStringLiteral("QRImage3"), QRect(296, 768, 201, 289), {}},
        {QStringLiteral("QRImage4"), QRect(520, 768, 201, 289), {}},
        {QStringLiteral("QRImage5"), QRect(56, 528, 681, 193), {}},
    }};
}

ReportText& CalendarReport::text(const QString& name)
{
    for (ReportBand* band : {&TitleBand1, &ColumnHeaderBand1, &DetailBand1, &SummaryBand1})
        for (ReportText& t : band->texts)
            if (t.name == name)
                return t;
    throw std::out_of_range("unknown report element");
}

ImageSlot& CalendarReport::image(int number)
{
    return images.at(static_cast<std::size_t>(number - 1));
}

ReportText& CalendarReport::heading(int weekday)
{
    return text(QStringLiteral("QRLabel%1").arg(weekday + 1));
}

ReportText& CalendarReport::dayCell(int weekday)
{
    return text(QStringLiteral("QRDBText%1").arg(weekday + 1));
}

void CalendarReport::applyLayout(const PictureLayout& layout)
{
    if (layout.withChart)
        image(5).geometry.moveTop(layout.chartTop);
    image(1).geometry.moveTop(layout.singleTop);
    image(1).geometry.setHeight(layout.singleHeight);
    for (int i = 2; i <= 4; ++i)
        image(i).geometry.moveTop(layout.threeTop);
}

void CalendarReport::clearPictures()
{
    for (ImageSlot& slot : images)
        slot.picture = {};
}

void CalendarReport::placeText(ReportPage& page, ReportText& element, double bandTop, int row,
                               const QString& value)
{
    QString printed = value;
    if (onPrint)
        onPrint(element, printed);

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
        const QRectF bounds =
            fm.boundingRect(QRectF(0, 0, rect.width(), 1e6), flags, printed);
        rect.setHeight(std::max<double>(rect.height(), std::ceil(bounds.height())));
    }
    page.texts.push_back({element.name, row, rect, printed, element.font, element.color, flags,
                          !element.transparent});
}

ReportPage CalendarReport::generate()
{
    ReportPage page;
    const int rows = dataSet && dataSet->isActive() ? dataSet->rowCount() : 0;
    if (rows == 0)
        return page;

    const double left = PageGeometry::kMargin;
    double top = PageGeometry::kMargin;
    auto addShapes = [&](const ReportBand& band) {
        for (const ReportShape& s : band.shapes) {
            const QRectF r(left + s.geometry.left(), top + s.geometry.top(), s.geometry.width(),
                           s.geometry.height());
            if (s.orientation == Qt::Horizontal)
                page.lines.emplace_back(r.left(), r.top() + std::floor(r.height() / 2),
                                        r.right(), r.top() + std::floor(r.height() / 2));
            else
                page.lines.emplace_back(r.left(), r.top(), r.left(), r.bottom());
        }
    };
    auto simpleBand = [&](ReportBand& band) {
        page.bands.push_back({band.name, QRectF(left, top, PageGeometry::kBandWidth, band.height)});
        for (ReportText& t : band.texts)
            placeText(page, t, top, -1, t.caption);
        addShapes(band);
        top += band.height;
    };

    simpleBand(TitleBand1);
    simpleBand(ColumnHeaderBand1);
    for (int r = 0; r < rows; ++r) {
        page.bands.push_back(
            {DetailBand1.name, QRectF(left, top, PageGeometry::kBandWidth, DetailBand1.height)});
        for (ReportText& t : DetailBand1.texts)
            placeText(page, t, top, r, dataSet->cell(r, t.field).toString());
        addShapes(DetailBand1);
        top += DetailBand1.height;
    }

    // The summary band grows by as much as its text outgrows the label.
    const std::size_t firstSummaryText = page.texts.size();
    for (ReportText& t : SummaryBand1.texts)
        placeText(page, t, top, -1, t.caption);
    double growth = 0;
    for (std::size_t i = firstSummaryText; i < page.texts.size(); ++i) {
        const ReportText& design = text(page.texts[i].name);
        growth = std::max(growth, page.texts[i].rect.height() - design.geometry.height());
    }
    page.bands.push_back({SummaryBand1.name,
                          QRectF(left, top, PageGeometry::kBandWidth, SummaryBand1.height + growth)});

    for (const ImageSlot& slot : images)
        if (!slot.picture.isEmpty())
            page.pictures.push_back({slot.name, QRectF(slot.geometry), slot.picture});
    return page;
}

namespace {
// Colours of a day cell at print time, by ISO weekday; no colour = the element keeps its own.
struct CellColours {
    std::optional<QColor> holiday;
    std::optional<QColor> ordinary;
};
const CellColours kCellColours[8] = {
    {},                          // unused
    {kRed, kWindowText},         // Monday
    {kRed, kWindowText},         // Tuesday
    {kRed, kWindowText},         // Wednesday
    {kRed, kWindowText},         // Thursday
    {kRed, kWindowText},         // Friday
    {kRed, kBlue},               // Saturday
    {std::nullopt, std::nullopt} // Sunday: the font's own colour
};
} // namespace

void applyDayCellRule(ReportText& cell, int weekday, QString& value)
{
    if (weekday < 1 || weekday > 7)
        return;
    const CellColours& colours = kCellColours[weekday];
    if (value.endsWith(QLatin1Char('x'))) {
        value.chop(1);
        if (colours.holiday)
            cell.color = *colours.holiday;
    } else if (colours.ordinary) {
        cell.color = *colours.ordinary;
    }
}

void render(QPainter& painter, const QRectF& target, const ReportPage& page)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.size.width(), target.height() / page.size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    for (const PageBand& band : page.bands)
        painter.fillRect(band.rect, Qt::white);
    for (const PagePicture& p : page.pictures)
        p.picture.draw(painter, p.rect);

    QPen rule(Qt::black);
    rule.setWidthF(1.0);
    painter.setPen(rule);
    for (const QLineF& line : page.lines)
        painter.drawLine(line);

    for (const PageText& t : page.texts) {
        if (t.opaque)
            painter.fillRect(t.rect, Qt::white);
        painter.setFont(deviceFont(t.font, painter.device()));
        painter.setPen(t.color);
        painter.drawText(t.rect, t.flags, t.text);
    }
    painter.restore();
}

} // namespace zuv::photo
