// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QProxyStyle>

namespace zuv::widgets {

// The application's style with the extension buttons' icons (the "»" of a menu bar or tool
// bar too narrow for its entries) loaded when first drawn instead of when the bar is made.
// Qt reads them from image files, and the first image it reads that way asks every image
// plugin whether it knows the format, loading them all with their libraries: a good part
// of the program's start, for a button a window at its size never shows. Everything else is
// the base style's.
class DeferredIconStyle : public QProxyStyle
{
public:
    // baseStyleKey: the style to wrap, as QStyleFactory names it (the application's style).
    explicit DeferredIconStyle(const QString& baseStyleKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace zuv::widgets
