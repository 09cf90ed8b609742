#include "sizing.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "apptestsupport.h"

using namespace zuv::app;

namespace {

// Expected values worked out by hand from the sizing rule: client height * H / 551 + frame,
// client width * W / 848 + frame, with the design window 856 x 605 around 848 x 551.
TEST(Sizing, ClientAreaFollowsTheScreenAndControlsScaleByWidth)
{
    const struct {
        QSize screen;
        bool scale;
        QSize window;
        int num, den;
    } cases[] = {
        {{848, 551}, false, {856, 605}, 1, 1},
        {{1280, 1024}, true, {1288, 1078}, 1280, 848},
        {{1920, 1080}, true, {1928, 1134}, 1920, 848},
        {{848, 600}, true, {856, 654}, 848, 848},      // only the height differs
        {{800, 551}, true, {808, 605}, 800, 848},      // only the width differs
    };
    for (const auto& c : cases) {
        const Sizing s = computeSizing(c.screen, QSize(848, 551), QSize(856, 605));
        EXPECT_EQ(s.scale, c.scale) << c.screen.width() << "x" << c.screen.height();
        EXPECT_EQ(s.window, c.window) << c.screen.width() << "x" << c.screen.height();
        EXPECT_EQ(s.numerator, c.num);
        EXPECT_EQ(s.denominator, c.den);
    }
}

TEST(Sizing, ScaledTruncatesAfterMultiplying)
{
    EXPECT_EQ(scaled(100, 1280, 848), 150);   // 150.94
    EXPECT_EQ(scaled(309, 1280, 848), 466);   // 466.41
    EXPECT_EQ(scaled(7, 800, 848), 6);        // 6.60
    EXPECT_EQ(scaled(793, 848, 848), 793);
}

TEST(Sizing, HandPlacedControlsScaleAndLaidOutOnesAreLeftToTheirLayout)
{
    ensureApp();

    QWidget root;
    auto* placed = new QWidget(&root);
    placed->setGeometry(16, 309, 121, 17);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    placed->setFont(f);
    auto* child = new QWidget(placed);
    child->setGeometry(4, 8, 20, 10);

    auto* box = new QWidget(&root);
    box->setGeometry(200, 0, 100, 100);
    auto* layout = new QHBoxLayout(box);
    auto* laidOut = new QWidget(box);
    layout->addWidget(laidOut);
    box->show();
    const QRect laidOutBefore = laidOut->geometry();

    scaleControls(&root, 1280, 848);
    EXPECT_EQ(placed->geometry(), QRect(24, 466, 182, 25));
    EXPECT_EQ(placed->font().pixelSize(), 18);
    EXPECT_EQ(child->geometry(), QRect(6, 12, 30, 15));
    EXPECT_EQ(box->geometry(), QRect(301, 0, 150, 150));
    EXPECT_EQ(laidOut->geometry(), laidOutBefore);
}

} // namespace
