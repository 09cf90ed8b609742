// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// No access key (Alt + underlined letter) reaches two visible controls of one window: Qt
// would only move the focus between them. Checked for every window of the program.

#include "aboutbox.h"
#include "tform1.h"
#include "tform10.h"
#include "tform3.h"
#include "yearwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>
#include <map>

// Buttons, boxes, captions with a buddy and group titles shown now, by access key.
inline void expectOwnKeys(QWidget& window)
{
    std::map<QChar, QStringList> keys;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* group = qobject_cast<QGroupBox*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString text = button ? button->text() : group ? group->title()
                           : label && label->buddy() ? label->text() : QString();
        const int at = text.indexOf(QLatin1Char('&'));   // "&&" is an ampersand
        if (w->isVisibleTo(&window) && w->window() == &window && at >= 0
            && at + 1 < text.size() && text.at(at + 1) != QLatin1Char('&'))
            keys[text.at(at + 1).toLower()] << text;
    }
    for (const auto& [key, texts] : keys)
        EXPECT_EQ(texts.size(), 1) << window.objectName().toStdString() << ": "
                                   << texts.join(QStringLiteral(" | ")).toStdString();
}

// Each page of a started main window in turn, then its other windows, in the language set now.
inline void expectOwnAccessKeys(std::function<QDateTime()> clock)
{
    zuv::app::TForm1 w(std::move(clock));
    w.FormCreate();
    w.show();
    for (int page = 0; page < w.pageControl().count(); ++page) {
        w.pageControl().setCurrentIndex(page);
        expectOwnKeys(w);
    }
    w.Jahreskalender1Click();
    ASSERT_NE(w.yearWindow(), nullptr);
    for (QWidget* window : std::vector<QWidget*>{&w.nameListWindow(), &w.reportWindow(),
                                                &w.aboutBox(), w.yearWindow()}) {
        window->show();
        expectOwnKeys(*window);
        window->hide();
    }
}
