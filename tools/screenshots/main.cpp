// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Takes the screenshots of the software-centre listing: the main window on both pages, on a
// fixed day with a fixed birth date, grabbed from the window itself.
// Usage (under a display, see tools/make_screenshots.sh): zuv_screenshots <output folder>
#include "application.h"
#include "biopage.h"
#include "tform1.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextStream>
#include <QTimeZone>

int main(int argc, char** argv)
{
    zuv::app::Application app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "Aufruf: zuv_screenshots <Zielordner>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path()))
        return 1;

    // The day the pictures show, so that they change only when the program does.
    const QDateTime day(QDate(2026, 12, 9), QTime(10, 30), QTimeZone::systemTimeZone());
    zuv::app::TForm1 window([day] { return day; });
    window.FormCreate();
    window.show();
    QApplication::processEvents();

    window.bioPage().MaskEdit1()->setText(QStringLiteral("14.03.1985"));
    window.bioPage().Button4Click();
    QApplication::processEvents();
    if (!window.grab().save(out.filePath(QStringLiteral("biorhythmus.png"))))
        return 1;

    window.pageControl().setCurrentIndex(1);
    QApplication::processEvents();
    if (!window.grab().save(out.filePath(QStringLiteral("fotokalender.png"))))
        return 1;
    return 0;
}
