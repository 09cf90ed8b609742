// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "papersize.h"

#include "calendarreport.h"

namespace zuv::photo {

namespace {

struct PaperRow {
    Paper paper;
    const char* name;
    double width;    // mm, portrait
    double height;
};
// ISO 216.
constexpr PaperRow kPapers[] = {
    {Paper::A4, "A4", 210, 297},
    {Paper::A3, "A3", 297, 420},
    {Paper::A5, "A5", 148, 210},
};

const PaperRow& rowOf(Paper paper)
{
    for (const PaperRow& r : kPapers)
        if (r.paper == paper)
            return r;
    return kPapers[0];
}

} // namespace

QString paperName(Paper paper)
{
    return QString::fromLatin1(rowOf(paper).name);
}

std::optional<Paper> paperFromName(const QString& name)
{
    const QString wanted = name.trimmed();
    for (const PaperRow& r : kPapers)
        if (wanted.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0)
            return r.paper;
    return std::nullopt;
}

QSizeF paperSizeMm(Paper paper)
{
    const PaperRow& r = rowOf(paper);
    return {r.width, r.height};
}

double PrintSheet::slugMm() const
{
    return bleed ? kCropMarkGapMm + kCropMarkLengthMm : 0.0;
}

QSizeF PrintSheet::mediaMm() const
{
    const QSizeF trim = paperSizeMm(paper);
    return {trim.width() + 2 * slugMm(), trim.height() + 2 * slugMm()};
}

QRectF PrintSheet::trimMm() const
{
    return {QPointF(slugMm(), slugMm()), paperSizeMm(paper)};
}

QRectF PrintSheet::bleedMm() const
{
    const double b = bleed ? kBleedMm : 0.0;
    return trimMm().adjusted(-b, -b, b, b);
}

double PrintSheet::designScale() const
{
    return PageGeometry::kWidth / paperSizeMm(paper).width();
}

double PrintSheet::printScale() const
{
    return paperSizeMm(paper).width() / paperSizeMm(Paper::A4).width();
}

std::vector<QLineF> cropMarksMm(const PrintSheet& sheet)
{
    if (!sheet.bleed)
        return {};
    const QRectF t = sheet.trimMm();
    const double near = kCropMarkGapMm;
    const double far = kCropMarkGapMm + kCropMarkLengthMm;
    std::vector<QLineF> marks;
    for (const double outX : {-1.0, 1.0}) {
        for (const double outY : {-1.0, 1.0}) {
            const double x = outX < 0 ? t.left() : t.right();
            const double y = outY < 0 ? t.top() : t.bottom();
            // Along the horizontal trim line, then along the vertical one.
            marks.emplace_back(x + outX * near, y, x + outX * far, y);
            marks.emplace_back(x, y + outY * near, x, y + outY * far);
        }
    }
    return marks;
}

QRectF intoBleed(const QRectF& rect, const QSizeF& pageSize, double bleed)
{
    constexpr double kTouch = 0.5;
    QRectF r = rect;
    if (rect.left() <= kTouch)
        r.setLeft(rect.left() - bleed);
    if (rect.top() <= kTouch)
        r.setTop(rect.top() - bleed);
    if (rect.right() >= pageSize.width() - kTouch)
        r.setRight(rect.right() + bleed);
    if (rect.bottom() >= pageSize.height() - kTouch)
        r.setBottom(rect.bottom() + bleed);
    return r;
}

} // namespace zuv::photo
