// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Month and day chart settings, weekday label colours and the after-draw marks.

#include "chartrender.h"
#include "daychart.h"
#include "monthchart.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTimeZone>
#include "biotesting.h"

#include <gtest/gtest.h>

namespace {

using zuv::bio::dayLabelColour;

const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kWhite(0xFF, 0xFF, 0xFF);

TEST(DayLabelColour, WeekendsInBothSchemesOthersByGradientStart)
{
    // Expected colours: the label rule of the month chart (Sunday red, Saturday yellow,
    // other days black on a white gradient start, white otherwise).
    struct Case { const char* label; QColor start; QRgb colour; };
    const Case cases[] = {
        {"So 07", kBlue, 0xFF0000}, {"Sa 06", kBlue, 0xFFFF00}, {"Mo 08", kBlue, 0xFFFFFF},
        {"Fr 05", kBlue, 0xFFFFFF}, {"So 07", kWhite, 0xFF0000}, {"Sa 06", kWhite, 0xFFFF00},
        {"Mo 08", kWhite, 0x000000}, {"Di 09", kWhite, 0x000000},
        {"Mo 08", QColor(0x80, 0x80, 0x80), 0xFFFFFF}, {"", kBlue, 0xFFFFFF},
        {"S", kWhite, 0x000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dayLabelColour(QString::fromUtf8(c.label), c.start).rgb() & 0xFFFFFF, c.colour)
            << c.label << " on " << c.start.name().toStdString();
    }
}

TEST(MonthChart, SchemesSwitchLabelsAndGradient)
{
    zuv::charts::ChartModel m;
    zuv::bio::configureMonthChart(m);
    EXPECT_EQ(m.gradientStart, kBlue);
    EXPECT_EQ(m.bottom.labelColor, kWhite);
    zuv::bio::setColours(m, zuv::bio::ChartColours::Print);
    EXPECT_EQ(m.gradientStart, kWhite);
    EXPECT_EQ(m.gradientEnd, kWhite);
    EXPECT_EQ(m.bottom.labelColor, QColor(Qt::black));
    zuv::bio::setColours(m, zuv::bio::ChartColours::Screen);
    EXPECT_EQ(m.gradientStart, kBlue);
    EXPECT_EQ(m.gradientEnd, kWhite);
    EXPECT_EQ(m.bottom.labelColor, kWhite);
}

TEST(MonthChart, SeriesAndAxes)
{
    zuv::charts::ChartModel m;
    zuv::bio::configureMonthChart(m);
    struct Expect { const char* name; const char* title; QRgb colour; Qt::PenStyle style; const char* y; };
    const Expect expect[] = {
        {"Series1", "Körperlich", 0xFF0000, Qt::SolidLine, "Sns"},
        {"Series2", "Emotional", 0x0000FF, Qt::SolidLine, "Sns1"},
        {"Series3", "Geistig", 0x008080, Qt::DotLine, "Sns2"},
        {"Series4", "Intuitiv", 0x400040, Qt::DashDotLine, "Sns3"},
    };
    ASSERT_EQ(m.series.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        const auto& s = m.series[i];
        EXPECT_EQ(s.name, QString::fromUtf8(expect[i].name));
        EXPECT_EQ(s.title, QString::fromUtf8(expect[i].title));
        EXPECT_EQ(s.color.rgb() & 0xFFFFFF, expect[i].colour);
        EXPECT_EQ(s.lineStyle, expect[i].style);
        EXPECT_EQ(s.lineWidth, 2);
        EXPECT_EQ(s.xField, QStringLiteral("Tag"));
        EXPECT_EQ(s.yField, QString::fromUtf8(expect[i].y));
    }
    EXPECT_EQ(m.left.minimum, -100);
    EXPECT_EQ(m.left.maximum, 100);
    EXPECT_FALSE(m.left.automatic);
    EXPECT_EQ(m.left.title, QStringLiteral("Leistungsfähigkeit in %"));
    EXPECT_EQ(m.bottom.dateFormat, QStringLiteral("ddd dd"));
    EXPECT_EQ(m.bottom.increment, 1);
    EXPECT_EQ(m.bottom.labelAngle, 90);
    EXPECT_EQ(m.title, QStringList{QStringLiteral("Zuvododerod")});
}

TEST(DayChart, TitleSeriesAndBarWidth)
{
    EXPECT_EQ(zuv::bio::dayChartTitle(QDate(2024, 2, 29)), QStringLiteral("       29.02.2024"));
    zuv::charts::ChartModel m;
    zuv::bio::configureDayChart(m);
    const QStringList titles{"Körper", "Seele", "Geist", "Intuition"};
    const QRgb colours[] = {0xFF0000, 0x0000FF, 0x008000, 0x400040};
    ASSERT_EQ(m.series.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(m.series[i].title, titles[static_cast<int>(i)]);
        EXPECT_EQ(m.series[i].color.rgb() & 0xFFFFFF, colours[i]);
        EXPECT_EQ(m.series[i].kind, zuv::charts::SeriesKind::Bar);
        EXPECT_EQ(m.series[i].barWidthPixels, 0);
    }
    EXPECT_TRUE(m.legend.showLastValue);
    EXPECT_EQ(m.gradientStart.rgb() & 0xFFFFFF, 0xFFFF80u);
    zuv::bio::fixDayBarWidth(m);
    for (const auto& s : m.series)
        EXPECT_EQ(s.barWidthPixels, 16);
}

TEST(AfterDraw, ZeroLineAtTheVerticalCentreOfThePlot)
{
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect plot(10, 11, 70, 50);   // top 11, bottom 60: centre row 35
    {
        QPainter p(&image);
        zuv::bio::drawZeroLine(p, plot, 2);
    }
    EXPECT_EQ(image.pixel(40, 35) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(plot.left(), 35) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(plot.right(), 35) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(40, 30) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(40, 40) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(plot.right() + 2, 35) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(AfterDraw, MarkerBandIsExclusiveOrOnImages)
{
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(QColor(0x12, 0x34, 0x56));
    const QRect plot(5, 5, 50, 50);
    {
        QPainter p(&image);
        p.fillRect(QRect(0, 30, 60, 2), QColor(0xFF, 0x00, 0x00));
        zuv::bio::drawMarkerBand(p, 20, plot, Qt::yellow, Qt::SolidLine);
    }
    // Background 123456 ^ FFFF00 = EDCB56; red FF0000 ^ FFFF00 = 00FF00.
    EXPECT_EQ(image.pixel(20, 10) & 0xFFFFFF, 0xEDCB56u);
    EXPECT_EQ(image.pixel(17, 10) & 0xFFFFFF, 0xEDCB56u);
    EXPECT_EQ(image.pixel(22, 10) & 0xFFFFFF, 0xEDCB56u);
    EXPECT_EQ(image.pixel(20, 30) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(24, 10) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(image.pixel(16, 10) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(image.pixel(20, 2) & 0xFFFFFF, 0x123456u);
}

TEST(AfterDraw, MarkerColumnFollowsTheAxisWithTheTimeOfDay)
{
    zuv::charts::ChartModel m;
    zuv::bio::configureMonthChart(m);
    m.bottom.minimum = 45444;   // 1.6.2024
    m.bottom.maximum = 45473;   // 30.6.2024
    const QRect plot(100, 20, 581, 200);   // 580 pixels for 29 days: 20 per day
    const double x = zuv::bio::dateToPixel(m, plot, QDateTime(QDate(2024, 6, 11),
                                                              QTime(6, 48, 47), QTimeZone::utc()));
    // 06:48:47 is 24527 of 86400 seconds.
    EXPECT_NEAR(x, 100 + 20 * (10 + 24527.0 / 86400), 1e-6);
}

} // namespace
