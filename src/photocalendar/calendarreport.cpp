// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "calendarreport.h"
#include "designfont.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPaintDevice>
#include <stdexcept>

namespace zuv::photo {

namespace {

const QColor kWindowText(0x00, 0x00, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

QFont makeFont(const QString& family, int points, bool bold = false)
{
    QFont f(zuv::core::installedFamily(family));
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
    t.role = TextRole::Field;
    return t;
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
    title.role = TextRole::Title;
    TitleBand1.texts.push_back(title);

    ColumnHeaderBand1 = {QStringLiteral("ColumnHeaderBand1"), BandKind::ColumnHeader, 56,
                         headerBandFont(), kWindowText, {}, {}};
    ColumnHeaderBand1.texts.push_back(
        label(QStringLiteral("QRLabel9"), 8, 24, QCoreApplication::translate("Photo", "KW"), calligraph9,
              kWindowText));
    struct Heading { const char* name; int left; const char* caption; QColor color; };
    const Heading headings[] = {
        {"QRLabel2", 96, QT_TRANSLATE_NOOP("Dates", "Mo"), kWindowText},
        {"QRLabel3", 188, QT_TRANSLATE_NOOP("Dates", "Di"), kWindowText},
        {"QRLabel4", 280, QT_TRANSLATE_NOOP("Dates", "Mi"), kWindowText},
        {"QRLabel5", 372, QT_TRANSLATE_NOOP("Dates", "Do"), kWindowText},
        {"QRLabel6", 464, QT_TRANSLATE_NOOP("Dates", "Fr"), kWindowText},
        {"QRLabel7", 556, QT_TRANSLATE_NOOP("Dates", "Sa"), kBlue},
        {"QRLabel8", 648, QT_TRANSLATE_NOOP("Dates", "So"), kRed},
    };
    for (const Heading& h : headings)
        ColumnHeaderBand1.texts.push_back(label(QString::fromLatin1(h.name), h.left, 16,
                                                QCoreApplication::translate("Dates", h.caption),
                                                headerBandFont(), h.color));
    ColumnHeaderBand1.shapes = {
        {QStringLiteral("QRShape1"), QRect(8, 48, 681, 9), Qt::Horizontal},
        {QStringLiteral("QRShape2"), QRect(56, 16, 1, 41), Qt::Vertical},
    };

    DetailBand1 = {QStringLiteral("DetailBand1"), BandKind::Detail, 48, detailBandFont(),
                   kWindowText, {}, {}};
    ReportText week = label(QStringLiteral("QRDBText1"), 8, 20, {}, calligraph9, kWindowText);
    week.field = 0;
    week.role = TextRole::Field;
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
    summary.role = TextRole::Summary;
    SummaryBand1.texts.push_back(summary);
}

ReportText& CalendarReport::text(const QString& name)
{
    for (ReportBand* band : {&TitleBand1, &ColumnHeaderBand1, &DetailBand1, &SummaryBand1})
        for (ReportText& t : band->texts)
            if (t.name == name)
                return t;
    throw std::out_of_range("unknown report element");
}

const ReportText& CalendarReport::text(const QString& name) const
{
    return const_cast<CalendarReport*>(this)->text(name);
}

ReportText& CalendarReport::heading(int weekday)
{
    return text(QStringLiteral("QRLabel%1").arg(weekday + 1));
}

ReportText& CalendarReport::dayCell(int weekday)
{
    return text(QStringLiteral("QRDBText%1").arg(weekday + 1));
}

const ReportText& CalendarReport::dayCell(int weekday) const
{
    return text(QStringLiteral("QRDBText%1").arg(weekday + 1));
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
    for (const PageFill& f : page.fills)
        painter.fillRect(f.rect, f.color);
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
