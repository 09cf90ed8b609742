// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "birthdayrender.h"
#include "designfont.h"

#include "dialogs.h"
#include "pdfexport.h"
#include "pagepictures.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>

namespace zuv::yearcal {

using zuv::photo::PageText;
using zuv::photo::ReportPage;
using zuv::pictures::ReportPicture;
using L = BirthdayLayout;

namespace {

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kZodiacColour(0x00, 0x00, 0xFF);

QFont titleFontOf(const QString& titleFont, int pointSize)
{
    QFont f = zuv::photo::titleBandFont();
    if (!titleFont.isEmpty())
        f.fromString(titleFont);
    f.setPointSize(pointSize);
    return f;
}

QFont plainFont(int pointSize, bool bold = false, bool italic = false)
{
    QFont f(zuv::core::installedFamily(QStringLiteral("Arial")));
    f.setPointSize(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QRectF pictureBox()
{
    return QRectF(L::kLeft, L::kTop + L::kTitleHeight, L::kRight - L::kLeft, L::kPictureHeight);
}


} // namespace

double birthdayRowsTop(bool withPicture)
{
    return L::kTop + L::kTitleHeight + (withPicture ? L::kPictureHeight + L::kGap : 0);
}

double birthdayRowHeight(bool withPicture)
{
    return (L::kBottom - birthdayRowsTop(withPicture)) / L::kRows;
}

QString zodiacLabel(const QString& sign)
{
    // The signs' own symbols, Aries to Pisces.
    static const std::array<std::pair<const char*, char16_t>, 12> symbols{{
        {"Widder", u'\u2648'}, {"Stier", u'\u2649'}, {"Zwillinge", u'\u264A'},
        {"Krebs", u'\u264B'}, {"Löwe", u'\u264C'}, {"Jungfrau", u'\u264D'},
        {"Waage", u'\u264E'}, {"Skorpion", u'\u264F'}, {"Schütze", u'\u2650'},
        {"Steinbock", u'\u2651'}, {"Wassermann", u'\u2652'}, {"Fische", u'\u2653'},
    }};
    for (const auto& [name, symbol] : symbols)
        if (sign == QString::fromUtf8(name))
            return QString(QChar(symbol)) + u' ' + sign;
    return sign;
}

ReportPage layoutBirthdayMonth(const BirthdayMonthPage& page, const QString& titleFont,
                               const pictures::ReportPicture& picture)
{
    ReportPage out;
    const double width = out.size.width();
    out.bands.push_back({QStringLiteral("Monat"), QRectF(0, 0, width, out.size.height())});
    out.texts.push_back({QStringLiteral("Titel"), -1,
                         QRectF(L::kLeft, L::kTop, L::kRight - L::kLeft, L::kTitleHeight - 10),
                         page.title, titleFontOf(titleFont, 26), kRed, int(Qt::AlignCenter), false});
    const bool withPicture = !picture.isEmpty();
    if (withPicture)
        out.pictures.push_back({QStringLiteral("Bild"), fitInside(picture.size(), pictureBox()), picture});

    const double top = birthdayRowsTop(withPicture);
    const double h = birthdayRowHeight(withPicture);
    const int size = h >= 28 ? 11 : 9;
    const QFont dayFont = plainFont(size, true);
    const QFont peopleFont = plainFont(size);
    const QFont zodiacFont = plainFont(size - 1, false, true);
    // Pixels at 96 per inch for a point size: the page's unit.
    QFont measured = peopleFont;
    measured.setPixelSize(qRound(size * 96.0 / 72.0));
    const QFontMetricsF metrics(measured);
    const int vcenter = int(Qt::AlignVCenter);
    for (std::size_t i = 0; i < page.rows.size(); ++i) {
        const BirthdayRow& row = page.rows[i];
        const double y = top + static_cast<double>(i) * h;
        const int r = static_cast<int>(i);
        out.texts.push_back({kBirthdayDayName, r, QRectF(L::kLeft, y, L::kDayWidth - 8, h),
                             QString::number(row.day) + u'.', dayFont, kBlack,
                             int(Qt::AlignRight) | vcenter, false});
        const double peopleLeft = L::kLeft + L::kDayWidth + 8;
        const double peopleRight = row.zodiacStart.isEmpty() ? L::kRight : L::kRight - L::kZodiacWidth;
        const QString people = rowText(row);
        if (!people.isEmpty())
            out.texts.push_back({kBirthdayPeopleName, r, QRectF(peopleLeft, y, peopleRight - peopleLeft, h),
                                 metrics.elidedText(people, Qt::ElideRight, peopleRight - peopleLeft),
                                 peopleFont, kBlack, int(Qt::AlignLeft) | vcenter, false});
        if (!row.zodiacStart.isEmpty())
            out.texts.push_back({kBirthdayZodiacName, r,
                                 QRectF(L::kRight - L::kZodiacWidth, y, L::kZodiacWidth, h),
                                 zodiacLabel(row.zodiacStart), zodiacFont, kZodiacColour,
                                 int(Qt::AlignRight) | vcenter, false});
        out.lines.emplace_back(L::kLeft, y + h, L::kRight, y + h);
    }
    out.lines.emplace_back(L::kLeft, top, L::kRight, top);
    out.lines.emplace_back(L::kLeft + L::kDayWidth, top, L::kLeft + L::kDayWidth,
                           top + static_cast<double>(page.rows.size()) * h);
    return out;
}

ReportPage layoutBirthdayCover(const BirthdayCalendar& calendar, const pictures::ReportPicture& picture)
{
    ReportPage out;
    const double width = out.size.width();
    out.bands.push_back({QStringLiteral("Titelseite"), QRectF(0, 0, width, out.size.height())});
    out.texts.push_back({QStringLiteral("Titel"), -1, QRectF(0, 80, width, 120), calendar.title,
                         titleFontOf(calendar.titleFont, 40), kRed, int(Qt::AlignCenter), false});
    out.texts.push_back({QStringLiteral("Untertitel"), -1, QRectF(0, 200, width, 40),
                         calendar.subtitle, plainFont(16, false, true), kBlack,
                         int(Qt::AlignCenter), false});
    if (!picture.isEmpty())
        out.pictures.push_back({QStringLiteral("Titelbild"),
                                fitInside(picture.size(), kCoverPictureBox), picture});
    return out;
}

ReportPage layoutBirthdayPage(const BirthdayCalendar& calendar, int index,
                              std::vector<PictureProblem>& problems)
{
    if (index == 0)
        return layoutBirthdayCover(
            calendar, loadCheckedPicture(0, calendar.coverPicture, kCoverPictureBox.size(), problems));
    const BirthdayMonthPage& page = calendar.months.at(static_cast<std::size_t>(index - 1));
    return layoutBirthdayMonth(page, calendar.titleFont,
                               loadCheckedPicture(page.month, page.picture, pictureBox().size(), problems));
}

void render(QPainter& painter, const QRectF& target, const BirthdayCalendar& calendar, int index,
            std::vector<PictureProblem>& problems)
{
    zuv::photo::render(painter, target, layoutBirthdayPage(calendar, index, problems));
}

bool printBirthdayCalendar(QPagedPaintDevice& device, QPainter& painter,
                           const BirthdayCalendar& calendar, std::vector<PictureProblem>& problems,
                           const YearProgress& progress)
{
    const QRectF sheet(0, 0, device.width(), device.height());
    for (int i = 0; i < calendar.pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        render(painter, sheet, calendar, i, problems);
        if (progress && !progress(i + 1, calendar.pageCount()))
            return false;
    }
    return true;
}

bool writeBirthdayPdf(const QString& path, const BirthdayCalendar& calendar,
                      std::vector<PictureProblem>& problems, const YearProgress& progress)
{
    std::vector<PictureProblem> found;
    const bool done
        = zuv::photo::writePdf(path, QCoreApplication::translate("YearCalendar", "Geburtstagskalender"),
                               calendar.pageCount(), [&](QPainter& painter, const QRectF& sheet, int index) {
                                   render(painter, sheet, calendar, index, found);
                                   return !progress || progress(index + 1, calendar.pageCount());
                               });
    problems.insert(problems.end(), found.begin(), found.end());
    return done;
}

} // namespace zuv::yearcal
