// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "designscaler.h"
#include "sizing.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "apptestsupport.h"

using namespace zuv::app;
using zuv::widgets::DesignScaler;
using zuv::widgets::ScaleFactors;

namespace {

// The factor is the smaller of (work - frame - chrome) / page across and down, page 840 x 478;
// worked out by hand with a frame of 8 x 32 and a chrome of 4 x 70.
TEST(Sizing, TheSmallerOfTheTwoFactorsFitsThePageOnTheScreen)
{
    const QSize frame(8, 32);
    const QSize chrome(4, 70);
    const struct {
        QSize work;
        double factor;
        const char* why;
    } cases[] = {
        {{1920, 1080}, 978.0 / 478, "wide screen: the height decides"},
        {{1024, 768}, 1012.0 / 840, "4:3 screen: the width decides"},
        {{960, 540}, 438.0 / 478, "1920 x 1080 at scale factor 2"},
        {{3840, 2160}, 2058.0 / 478, "4K"},
        {{1280, 1024}, 1268.0 / 840, "5:4 screen"},
        {{100, 100}, 0.1, "smaller than the chrome: the floor"},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(fitFactor(c.work, frame, chrome), c.factor) << c.why;
}

// Window = chrome + page at the factor (edges rounded); the pages' minimum is the page at
// 0.75 device pixels per design pixel (rounded up), never larger than the page itself.
TEST(Sizing, WindowAndMinimumFollowTheFactorAndTheDevicePixelRatio)
{
    const struct {
        double factor;
        QSize chrome;
        double dpr;
        QSize window;
        QSize minimumPage;
    } cases[] = {
        {2.0, {4, 70}, 1.0, {1684, 1026}, {630, 359}},   // 478 * 0.75 = 358.5
        {0.5, {4, 50}, 2.0, {424, 289}, {315, 180}},     // readable at 0.375: 179.25 -> 180
        {0.3, {4, 50}, 2.0, {256, 193}, {252, 143}},     // below readable: the page itself
        {1.0, {0, 0}, 1.0, {840, 478}, {630, 359}},
    };
    for (const auto& c : cases) {
        const Sizing s = sizingFor(c.factor, c.chrome, c.dpr);
        EXPECT_EQ(s.window, c.window) << c.factor;
        EXPECT_EQ(s.minimumPage, c.minimumPage) << c.factor;
    }
}

// Edges are rounded, not lengths: 0..10 and 10..20 at 1.25 become 0..13 and 13..25.
TEST(DesignScaler, RectanglesKeepTheirNeighboursAndThePanelEdge)
{
    const struct {
        QRect design;
        ScaleFactors f;
        QRect scaled;
    } cases[] = {
        {{0, 0, 10, 10}, {1.25, 1.25, 1.25}, {0, 0, 13, 13}},
        {{10, 0, 10, 10}, {1.25, 1.25, 1.25}, {13, 0, 12, 13}},
        {{16, 309, 121, 17}, {1.5, 2.0, 1.5}, {24, 618, 182, 34}},   // 205.5 -> 206
        {{8, 12, 793, 287}, {0.5, 0.5, 0.5}, {4, 6, 397, 144}},     // 400.5 -> 401, 149.5 -> 150
        {{0, 0, 840, 478}, {1920.0 / 840, 978.0 / 478, 978.0 / 478}, {0, 0, 1920, 978}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zuv::widgets::scaleRect(c.design, c.f), c.scaled) << c.design.x() << "," << c.design.y();
    EXPECT_DOUBLE_EQ(zuv::widgets::scaleFactors({840, 478}, {1680, 717}).font, 1.5);
    EXPECT_DOUBLE_EQ(zuv::widgets::scaleFactors({840, 478}, {420, 956}).font, 0.5);
}

TEST(DesignScaler, FontsScaleByTheSmallerFactorAndNeverVanish)
{
    ensureApp();
    QFont points(QStringLiteral("Arial"));
    points.setPointSize(8);
    QFont pixels(QStringLiteral("Arial"));
    pixels.setPixelSize(11);
    EXPECT_DOUBLE_EQ(zuv::widgets::scaleFont(points, 1.5).pointSizeF(), 12.0);
    EXPECT_EQ(zuv::widgets::scaleFont(pixels, 1.5).pixelSize(), 17);   // 16.5 rounds up
    EXPECT_DOUBLE_EQ(zuv::widgets::scaleFont(points, 0.1).pointSizeF(), 1.0);
    EXPECT_EQ(zuv::widgets::scaleFont(pixels, 0.05).pixelSize(), 1);
}

// A panel scaled up and back again returns to its design places and fonts exactly: nothing
// accumulates from one resize to the next.
TEST(DesignScaler, PanelFollowsItsSizeAndComesBackToTheDesign)
{
    ensureApp();
    QWidget panel;
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPointSize(8);
    panel.setFont(panelFont);
    panel.resize(840, 478);
    auto* inherits = new QLabel(QStringLiteral("Geburtsdat."), &panel);
    inherits->setGeometry(160, 309, 81, 14);
    auto* own = new QLabel(QStringLiteral("Tagesform am..."), &panel);
    QFont ownFont(QStringLiteral("Arial"));
    ownFont.setPixelSize(11);
    own->setFont(ownFont);
    own->setGeometry(712, 316, 89, 17);

    DesignScaler scaler;
    scaler.capture(&panel, {840, 478});
    const ScaleFactors f = scaler.apply({1680, 1434});   // 2 across, 3 down
    EXPECT_DOUBLE_EQ(f.font, 2.0);
    EXPECT_EQ(inherits->geometry(), QRect(320, 927, 162, 42));
    EXPECT_EQ(own->geometry(), QRect(1424, 948, 178, 51));
    EXPECT_DOUBLE_EQ(inherits->font().pointSizeF(), 16.0);
    EXPECT_EQ(own->font().pixelSize(), 22);

    scaler.apply({840, 478});
    EXPECT_EQ(inherits->geometry(), QRect(160, 309, 81, 14));
    EXPECT_EQ(own->geometry(), QRect(712, 316, 89, 17));
    EXPECT_DOUBLE_EQ(inherits->font().pointSizeF(), 8.0);
    EXPECT_EQ(own->font().pixelSize(), 11);
    EXPECT_EQ(scaler.designRect(own), QRect(712, 316, 89, 17));
}

} // namespace
