// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The access keys (Alt + underlined letter) of a window's visible controls, for tests that
// no key reaches two of them: Qt then only moves the focus between them and presses none.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <map>
#include <string>

namespace zuv::testing {

// Each key, lower case, with the texts that claim it: buttons and boxes, captions with a
// buddy, group titles. Menus have keys of their own and are left out.
inline std::map<QChar, QStringList> accessKeys(QWidget& window)
{
    std::map<QChar, QStringList> keys;
    const auto claim = [&keys](const QString& text) {
        const int at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size() && text.at(at + 1) != QLatin1Char('&'))
            keys[text.at(at + 1).toLower()] << text;
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            claim(button->text());
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            claim(label->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            claim(group->title());
    }
    return keys;
}

// The keys claimed more than once, as "Alt+k: text | text" lines; empty when none is.
inline std::string sharedAccessKeys(QWidget& window)
{
    std::string shared;
    for (const auto& [key, texts] : accessKeys(window)) {
        if (texts.size() > 1)
            shared += "Alt+" + QString(key).toStdString() + ": "
                      + texts.join(QStringLiteral(" | ")).toStdString() + "\n";
    }
    return shared;
}

} // namespace zuv::testing
