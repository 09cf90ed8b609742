// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The yardstick of start-up: an empty QMainWindow of the main window's size, shown.
//   bare_window [<width>x<height>]   (pixels; 848x571, the design size, when not given)
// The program fits its window to the screen, so first_paint.sh passes the size it took:
// clearing and sending a window's pixels costs the same for any program of that size.

#include <QApplication>
#include <QMainWindow>
#include <QSize>
#include <QString>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QSize size(848, 571);
    if (argc > 1) {
        const QStringList parts = QString::fromLocal8Bit(argv[1]).split(QLatin1Char('x'));
        if (parts.size() == 2 && parts[0].toInt() > 0 && parts[1].toInt() > 0)
            size = QSize(parts[0].toInt(), parts[1].toInt());
    }
    QMainWindow window;
    window.resize(size);
    window.show();
    return app.exec();
}
