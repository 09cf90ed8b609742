// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The style that loads the extension buttons' icons late: they look as the base style's.

#include "deferrediconstyle.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(DeferredIconStyle, ExtensionIconsDrawAsTheBaseStylesAndTheRestIsUntouched)
{
    zuv::widgets::DeferredIconStyle style(QStringLiteral("fusion"));
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    QMenuBar bar;
    for (QStyle::StandardPixmap which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                        QStyle::SP_ToolBarVerticalExtensionButton,
                                        QStyle::SP_MessageBoxWarning}) {
        const QImage late = style.standardIcon(which, nullptr, &bar).pixmap(16, 16).toImage();
        const QImage base = fusion->standardIcon(which, nullptr, &bar).pixmap(16, 16).toImage();
        ASSERT_FALSE(base.isNull()) << which;
        EXPECT_EQ(late.convertToFormat(QImage::Format_ARGB32), base.convertToFormat(QImage::Format_ARGB32))
            << which;
    }
}

} // namespace
