// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Layout of a chart: plot rectangle, pixel mapping, labels and legend, computed exactly.

#include "chart_test_models.h"

#include <algorithm>

using namespace charttest;

TEST_F(ChartTest, PixelMappingHitsThePlotEdges)
{
    const ChartModel m = monthModel(2024, 1);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
    ASSERT_FALSE(L.plot.isEmpty());
    EXPECT_DOUBLE_EQ(L.xToPixel(m, m.bottom.minimum), L.plot.left());
    EXPECT_DOUBLE_EQ(L.xToPixel(m, m.bottom.maximum), L.plot.right());
    EXPECT_DOUBLE_EQ(L.yToPixel(m, 100), L.plot.top());
    EXPECT_DOUBLE_EQ(L.yToPixel(m, -100), L.plot.bottom());
    // The after-draw zero line sits at (top + bottom) / 2 of the plot.
    EXPECT_DOUBLE_EQ(L.yToPixel(m, 0), (L.plot.top() + L.plot.bottom()) / 2.0);
    // Days are evenly spaced: day 16 is halfway between day 1 and day 31.
    EXPECT_DOUBLE_EQ(L.xToPixel(m, m.bottom.minimum + 15),
                     (L.plot.left() + L.plot.right()) / 2.0);
}

TEST_F(ChartTest, LayoutStaysInsideTheTargetAndFollowsIt)
{
    const ChartModel m = monthModel(2024, 1);
    const QRect at0(QPoint(0, 0), kMonthSize);
    const ChartLayout L = layoutChart(at0, m);
    EXPECT_TRUE(at0.contains(L.plot));
    EXPECT_TRUE(at0.contains(L.titleRect));
    EXPECT_TRUE(at0.contains(L.legend));
    EXPECT_TRUE(at0.contains(L.bottomTitleRect));
    EXPECT_TRUE(at0.contains(L.leftTitleRect));
    // Title on top, the legend under it, then the plot.
    EXPECT_LT(L.titleRect.bottom(), L.legend.top());
    EXPECT_LT(L.legend.bottom(), L.plot.top());
    EXPECT_LT(L.leftTitleRect.right(), L.plot.left());
    EXPECT_GT(L.bottomTitleRect.top(), L.plot.bottom());
    // Axes shifted outward by 1 % of the width and 4 % of the height (8 and 11 pixels).
    EXPECT_EQ(L.leftAxisX, L.plot.left() - 1 - 8);
    EXPECT_EQ(L.bottomAxisY, L.plot.bottom() + 1 + 11);
    // The title and the legend are centred (to a pixel of rounding).
    EXPECT_NEAR(L.titleRect.center().x(), at0.center().x(), 1);
    EXPECT_NEAR(L.legend.center().x(), at0.center().x(), 1);

    // Moving the target moves every part by the same amount.
    const ChartLayout moved = layoutChart(at0.translated(10, 20), m);
    EXPECT_EQ(moved.plot, L.plot.translated(10, 20));
    EXPECT_EQ(moved.legend, L.legend.translated(10, 20));
    ASSERT_EQ(moved.bottomLabels.size(), L.bottomLabels.size());
    EXPECT_EQ(moved.bottomLabels.back().rect, L.bottomLabels.back().rect.translated(10, 20));
}

TEST_F(ChartTest, OneTurnedLabelPerDay)
{
    // Day counts from the calendar; 1 Jan 2024 is a Monday, 1 Feb 2023 a Wednesday.
    const struct { int year, month; size_t days; const char* first; const char* last; } cases[] = {
        {2024, 1, 31, "Mo 01", "Mi 31"},
        {2024, 2, 29, "Do 01", "Do 29"},
        {2023, 2, 28, "Mi 01", "Di 28"},
        {2024, 4, 30, "Mo 01", "Di 30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1-%2").arg(c.year).arg(c.month).toStdString());
        const ChartModel m = monthModel(c.year, c.month);
        const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
        ASSERT_EQ(L.bottomLabels.size(), c.days);
        EXPECT_EQ(L.bottomLabels.front().text, QString::fromUtf8(c.first));
        EXPECT_EQ(L.bottomLabels.back().text, QString::fromUtf8(c.last));
        for (size_t i = 0; i < L.bottomLabels.size(); ++i) {
            const AxisLabel& a = L.bottomLabels[i];
            EXPECT_DOUBLE_EQ(a.value, m.bottom.minimum + static_cast<double>(i));
            // Turned: taller than wide, centred on its day, below the axis.
            EXPECT_GT(a.rect.height(), a.rect.width());
            EXPECT_NEAR(QRectF(a.rect).center().x(), L.xToPixel(m, a.value), 1.0);
            EXPECT_GT(a.rect.top(), L.bottomAxisY);
            EXPECT_LT(a.rect.bottom(), L.bottomTitleRect.top());
            if (i > 0) {
                EXPECT_FALSE(a.rect.intersects(L.bottomLabels[i - 1].rect));
            }
        }
    }
}

TEST_F(ChartTest, LeftLabelsKeepTheirSeparation)
{
    // Rule: the smallest step of 1, 2 or 5 times a power of ten whose labels stand at least
    // their height plus the 50 % separation apart; the first label at the minimum.
    const double steps[] = {1, 2, 5, 10, 20, 50, 100, 200};
    for (int height : {287, 450, 600, 900}) {
        SCOPED_TRACE(height);
        const ChartModel m = monthModel(2024, 1);
        const ChartLayout L = layoutChart(QRect(0, 0, 793, height), m);
        ASSERT_GE(L.leftLabels.size(), 2u);
        EXPECT_DOUBLE_EQ(L.leftLabels.front().value, -100);
        EXPECT_DOUBLE_EQ(L.leftLabels.back().value, 100);
        const double step = L.leftLabels[1].value - L.leftLabels[0].value;
        const double needed = L.leftLabels[0].rect.height() * 1.5;
        const auto spacing = [&](double s) { return L.yToPixel(m, 0) - L.yToPixel(m, s); };
        EXPECT_GE(spacing(step), needed);
        const auto it = std::find(std::begin(steps), std::end(steps), step);
        ASSERT_NE(it, std::end(steps));
        if (it != std::begin(steps)) {
            EXPECT_LT(spacing(*(it - 1)), needed);
        }
        for (const AxisLabel& a : L.leftLabels) {
            EXPECT_LT(a.rect.right(), L.leftAxisX);
            EXPECT_NEAR(QRectF(a.rect).center().y(), L.yToPixel(m, a.value), 1.0);
        }
    }
    // The month chart itself: -100, -50, 0, 50, 100.
    const ChartModel m = monthModel(2024, 1);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
    QStringList texts;
    for (const AxisLabel& a : L.leftLabels)
        texts << a.text;
    EXPECT_EQ(texts, QStringList({"-100", "-50", "0", "50", "100"}));
}

TEST_F(ChartTest, FirstLabelRounding)
{
    ChartModel m;
    m.left.minimum = -95;
    m.left.maximum = 100;
    m.left.increment = 50;
    const QRect target(0, 0, 300, 300);
    EXPECT_DOUBLE_EQ(layoutChart(target, m).leftLabels.front().value, -95);
    m.left.roundFirstLabel = true;
    EXPECT_DOUBLE_EQ(layoutChart(target, m).leftLabels.front().value, -50);
}

TEST_F(ChartTest, EmptyRangeMapsToTheCentre)
{
    const ChartModel m = dayFormModel();   // bottom axis without bounds
    const ChartLayout L = layoutChart(QRect(0, 0, 137, 89), m);
    EXPECT_DOUBLE_EQ(L.xToPixel(m, 0), (L.plot.left() + L.plot.right()) / 2.0);
    EXPECT_DOUBLE_EQ(L.xToPixel(m, 42), (L.plot.left() + L.plot.right()) / 2.0);
    EXPECT_TRUE(L.bottomLabels.empty());
}

TEST_F(ChartTest, RightLegendWithLastValues)
{
    const ChartModel m = dayFormModel();
    const QRect target(0, 0, 137, 89);
    const ChartLayout L = layoutChart(target, m);
    ASSERT_EQ(L.legendEntries.size(), 4u);
    EXPECT_EQ(L.legend.top(), 25);
    EXPECT_LE(L.legend.right(), target.right() - 137 * 5 / 100);
    EXPECT_LT(L.plot.right(), L.legend.left());
    const char* values[] = {"50", "-50", "100", "27"};
    for (size_t i = 0; i < 4; ++i) {
        const LegendEntry& e = L.legendEntries[i];
        EXPECT_EQ(e.value, QString::fromLatin1(values[i]));
        EXPECT_TRUE(L.legend.contains(e.symbol));
        EXPECT_TRUE(L.legend.contains(e.text));
        EXPECT_LT(e.symbol.right(), e.text.left());
        if (i > 0) {
            EXPECT_EQ(e.text.top(), L.legendEntries[i - 1].text.bottom() + 1);
        }
    }
    // 25 % colour boxes are a quarter as wide as the default 100 %.
    ChartModel wide = m;
    wide.legend.symbolWidthPercent = 100;
    const ChartLayout W = layoutChart(target, wide);
    EXPECT_NEAR(W.legendEntries[0].symbol.width(), 4 * L.legendEntries[0].symbol.width(), 4);
}

