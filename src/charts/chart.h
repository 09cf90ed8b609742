// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The chart widget: holds a ChartModel whose series carry their points as values, repaints
// through render() and makes copies of itself for printing and the clipboard.

#include "chartmodel.h"
#include "chartrender.h"

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QWidget>

namespace zuv::charts {

class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);

    ChartModel& model() { return m_model; }
    const ChartModel& model() const { return m_model; }
    ChartHooks& hooks() { return m_hooks; }

    // Removes every point of every series.
    void clearSeries();

    // Texts, lines and margins are drawn this many times their model size (1 at design
    // size, > 0): a page that scales its controls scales its charts' contents with them.
    // Copies (image, picture, SVG, print) keep the proportions seen on screen.
    void setContentScale(double scale);
    double contentScale() const { return m_contentScale; }
    // The size the chart is laid out at: its size divided by the content scale.
    QSize logicalSize() const;

    // The layout on screen, in logical pixels (see logicalSize).
    ChartLayout currentLayout() const;
    // Renders the whole chart at the given size (widget size when empty), hooks included.
    // The image is RGB32, so exclusive-or drawing in hooks works on it.
    QImage toImage(QSize size = {}) const;
    // Vector copies for the clipboard and reports; XOR drawing is not available there.
    QPicture toPicture(QSize size = {}) const;
    QByteArray toSvg(QSize size = {}) const;
    // Prints the chart at its widget size scaled into area (e.g. a printer's page rect).
    ChartLayout print(QPainter& painter, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize sizeOr(QSize size) const;
    // Renders into a surface of `pixels` at the content scale.
    void renderAt(QPainter& painter, QSize pixels, bool xorMarkers) const;

    ChartModel m_model;
    ChartHooks m_hooks;
    QImage m_buffer;                            // raster surface of paintEvent
    double m_contentScale = 1;
};

} // namespace zuv::charts
