// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Hand-placed controls that follow their panel's size. A panel's controls are placed once at
// the panel's design size; afterwards every resize places them again from those design
// rectangles: left edges and widths by panel width / design width, top edges and heights by
// panel height / design height, and fonts by the smaller of the two factors, so every text
// still fits its control and every control stays inside the panel.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace zuv::widgets {

struct ScaleFactors {
    double x = 1;      // horizontal, size / design
    double y = 1;      // vertical
    double font = 1;   // the smaller of x and y
};

// Factors for a panel of size `size` designed at `design`; 1 where a design extent is empty.
ScaleFactors scaleFactors(QSize design, QSize size);

// A design rectangle on a scaled panel. Edges are rounded, not lengths, so that neighbours
// stay neighbours and a control at the design edge ends at the panel's edge.
QRect scaleRect(const QRect& design, const ScaleFactors& f);

// A design font at a factor: point sizes keep their fraction, pixel sizes are rounded; never
// below 1 point or 1 pixel.
QFont scaleFont(const QFont& design, double factor);

class DesignScaler {
public:
    // Records the geometry of panel's direct children and the fonts set on panel and on them.
    // Call once the controls sit at their design places and the panel has its design size.
    void capture(QWidget* panel, QSize design);
    // Places the recorded controls for the panel's size now. Fonts change only when the
    // font factor does. Returns the factors used.
    ScaleFactors apply(QSize size);

    QSize designSize() const { return m_design; }
    // The design rectangle of a recorded control, empty for others.
    QRect designRect(const QWidget* control) const;

private:
    struct Control {
        QPointer<QWidget> widget;
        QRect rect;
        bool ownFont = false;
        QFont font;
    };
    QPointer<QWidget> m_panel;
    QFont m_panelFont;
    QSize m_design;
    std::vector<Control> m_controls;
    double m_fontFactor = 1;
};

} // namespace zuv::widgets
