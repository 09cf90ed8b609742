// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "designfont.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

using zuv::core::installedFamily;

TEST(DesignFont, DesignFamiliesAreDrawnByTheFamilyNamed)
{
    // Installed here (tools/deps.sh): Liberation, DejaVu, URW; no Windows family. A family
    // Qt must search a fallback for costs start-up time: each comes back as one Qt draws.
    const struct {
        const char* design;
        const char* expected;
    } cases[] = {
        {"Arial", "Liberation Sans"},            // metric look-alike
        {"MS Sans Serif", "Liberation Sans"},    // first of two look-alikes
        {"Times New Roman", "Liberation Serif"},
        {"Calligraph421 BT", "Z003"},
        {"DejaVu Sans", "DejaVu Sans"},          // installed: itself
        {"arial", "Liberation Sans"},            // font names ignore case
        {"Keine Schrift", "Keine Schrift"},      // unknown: left to Qt
    };
    for (const auto& c : cases) {
        const QString family = installedFamily(QString::fromUtf8(c.design));
        EXPECT_EQ(family, QString::fromUtf8(c.expected)) << c.design;
        if (family != QLatin1String("Keine Schrift")) {
            // Z003 comes from two foundries; Qt then adds the foundry: "Z003 [urw]".
            EXPECT_EQ(QFontInfo(QFont(family)).family().section(QStringLiteral(" ["), 0, 0), family)
                << c.design;
        }
    }
}
