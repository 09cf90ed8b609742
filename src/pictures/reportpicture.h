// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A picture in one of the calendar page's picture slots: a raster image, a vector picture
// (the month chart) or an SVG drawing (a converted metafile). Drawn stretched to a
// rectangle; the aspect ratio is not kept.

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QRectF>
#include <memory>
#include <variant>

class QPainter;
class QSvgRenderer;

namespace zuv::pictures {

class ReportPicture {
public:
    ReportPicture() = default;
    static ReportPicture fromImage(QImage image);
    // picture drawn in its own coordinates 0,0 .. size
    static ReportPicture fromPicture(QPicture picture, QSizeF size);
    // Throws zuv::core::Error when the SVG cannot be parsed.
    static ReportPicture fromSvg(const QByteArray& svg);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_content); }
    bool isImage() const { return std::holds_alternative<QImage>(m_content); }
    bool isVector() const { return !isEmpty() && !isImage(); }
    // Size in the picture's own units (pixels for images).
    QSizeF size() const;
    const QImage* image() const { return std::get_if<QImage>(&m_content); }

    // Fills target with the picture, stretched.
    void draw(QPainter& painter, const QRectF& target) const;

private:
    struct Vector {
        QPicture picture;
        QSizeF size;
    };
    std::variant<std::monostate, QImage, Vector, std::shared_ptr<QSvgRenderer>> m_content;
};

} // namespace zuv::pictures
