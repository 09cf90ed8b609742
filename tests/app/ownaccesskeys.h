// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every window of the program, and each page of the main window in turn, in the language
// installed now: no access key reaches two of its controls.

#include "accesskeys.h"
#include "aboutbox.h"
#include "tform1.h"
#include "tform10.h"
#include "tform3.h"
#include "yearwindow.h"

#include <QTabWidget>
#include <gtest/gtest.h>

inline void expectOwnAccessKeys(zuv::app::TForm1& w)
{
    w.show();
    for (int page = 0; page < w.pageControl().count(); ++page) {
        w.pageControl().setCurrentIndex(page);
        EXPECT_EQ(zuv::testing::sharedAccessKeys(w), "") << "page " << page;
    }
    w.Jahreskalender1Click();
    ASSERT_NE(w.yearWindow(), nullptr);
    for (QWidget* window : {static_cast<QWidget*>(&w.nameListWindow()),
                            static_cast<QWidget*>(&w.reportWindow()),
                            static_cast<QWidget*>(&w.aboutBox()),
                            static_cast<QWidget*>(w.yearWindow())}) {
        window->show();
        EXPECT_EQ(zuv::testing::sharedAccessKeys(*window), "") << window->objectName().toStdString();
        window->hide();
    }
}
