// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window on a real Wayland compositor (weston's headless backend, started by
// wayland_run.sh): it comes up and its status bar lies inside the output, although the
// compositor reports the whole output as available and keeps a panel of its own on it.

#include "apptestsupport.h"
#include "tform1.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

using zuv::app::TForm1;

TEST_F(ShippedDataTest, MainWindowFitsTheWaylandOutput)
{
    ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        << QGuiApplication::platformName().toStdString();
    TForm1 w(&fixedNow);
    w.FormCreate();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect output = w.screen()->geometry();
    // The title bar Qt draws on Wayland is part of the frame; the panel is the compositor's.
    const QRect frame = w.frameGeometry();
    EXPECT_LE(frame.width(), output.width());
    EXPECT_LE(frame.height() + 32, output.height()) << "no room left for weston's panel";
    const auto* status = w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(status, nullptr);
    ASSERT_TRUE(status->isVisible());
    const int statusBottom = status->mapTo(&w, QPoint(0, status->height())).y();
    EXPECT_LE(statusBottom + (w.geometry().top() - frame.top()), output.height() - 32);
}
