// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Access keys (Alt + underlined letter) that reach two visible controls of a window: Qt then
// only moves the focus between them and presses neither.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <map>
#include <string>

namespace zuv::testing {

// "Alt+k: text | text" for each key that buttons, boxes, captions with a buddy or group
// titles claim more than once; empty when none is. Menus have keys of their own.
inline std::string sharedAccessKeys(QWidget& window)
{
    std::map<QChar, QStringList> keys;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window)
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        auto* group = qobject_cast<QGroupBox*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString text = button ? button->text()
            : group                 ? group->title()
            : label && label->buddy() ? label->text()
                                      : QString();
        const int at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size() && text.at(at + 1) != QLatin1Char('&'))
            keys[text.at(at + 1).toLower()] << text;
    }
    std::string shared;
    for (const auto& [key, texts] : keys)
        if (texts.size() > 1)
            shared += "Alt+" + QString(key).toStdString() + ": " + texts.join(" | ").toStdString() + "\n";
    return shared;
}

} // namespace zuv::testing
