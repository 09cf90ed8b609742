// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main window's scale for everything else the program shows. The main window draws its
// pages at a factor of their design size (2 on a 1920x1080 screen); menus, message boxes,
// file dialogs and the other windows follow that factor and the main window's font family,
// so that nothing appears at half the size beside the page.

#include <QFont>
#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace zuv::widgets {

class WindowScale : public QObject {
    Q_OBJECT
public:
    // The one scale of the running program.
    static WindowScale& instance();

    // The factor now, 1 before the main window is sized; > 0.
    double factor() const { return m_factor; }
    // A design size (pixels at factor 1) at the factor now.
    QSize scaled(QSize design) const;

    // Makes designFont at factor the application's font: every window, menu and dialog
    // without a font of its own draws with it. Tells the windows placed by hand.
    void set(const QFont& designFont, double factor);

signals:
    void changed(double factor);

private:
    double m_factor = 1;
};

// Keeps a window whose controls are placed by hand at the program's scale: its size and the
// places and fonts of its controls (and of the controls on its panels) at the factor, now
// and whenever it changes. The window and its controls must stand at their design size and
// places when this is called. afterwards, if given, runs after each change with the factor
// (for what the scaler does not know, e.g. a grid's column widths).
void followWindowScale(QWidget& window, QSize design,
                       std::function<void(double factor)> afterwards = {});

} // namespace zuv::widgets
