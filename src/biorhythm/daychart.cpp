// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "daychart.h"
#include "designfont.h"

#include "biorhythm.h"
#include "germandate.h"

#include <array>

#include <QCoreApplication>

namespace zuv::bio {

using zuv::charts::ChartModel;
using zuv::charts::Series;
using zuv::charts::SeriesKind;

namespace {

struct BarStyle {
    QString name;
    QString title;
    QColor colour;
};

const std::array<BarStyle, 4>& barStyles()
{
    static const std::array<BarStyle, 4> styles = {{
        {QStringLiteral("Series5"), QCoreApplication::translate("Biorhythm", "Körper"),
         QColor(0xFF, 0x00, 0x00)},
        {QStringLiteral("Series6"), QCoreApplication::translate("Biorhythm", "Seele"),
         QColor(0x00, 0x00, 0xFF)},
        {QStringLiteral("Series7"), QCoreApplication::translate("Biorhythm", "Geist"),
         QColor(0x00, 0x80, 0x00)},
        {QStringLiteral("Series8"), QCoreApplication::translate("Biorhythm", "Intuition"),
         QColor(0x40, 0x00, 0x40)},
    }};
    return styles;
}

} // namespace

void configureDayChart(ChartModel& m)
{
    const QColor silver(0xC0, 0xC0, 0xC0);
    m.title.clear();
    m.panelColor = silver;
    m.gradient = true;
    m.gradientStart = QColor(0xFF, 0xFF, 0x80);
    m.gradientEnd = Qt::white;
    m.wallColor = silver;
    m.wallBrushWhite = true;
    m.marginLeft = 0;
    m.marginTop = 0;
    m.marginBottom = 0;
    m.marginRight = 5;

    m.left.automatic = false;
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.showLabels = true;
    QFont small(zuv::core::installedFamily(QStringLiteral("Small Fonts")));
    small.setPixelSize(9);
    m.left.labelFont = small;
    m.left.labelColor = Qt::black;

    // No bounds: the bars of the one row stand in the middle; the axis shows no labels.
    m.bottom.automatic = false;
    m.bottom.minimum = 0;
    m.bottom.maximum = 0;
    m.bottom.increment = 1;
    m.bottom.showLabels = false;
    m.bottom.labelSeparationPercent = 0;
    m.bottom.grid = false;

    // The chart's standard legend place (right of the plot), 25 pixels from the top.
    m.legend.visible = true;
    m.legend.alignment = zuv::charts::LegendAlignment::Right;
    m.legend.showLastValue = true;
    QFont legend(zuv::core::installedFamily(QStringLiteral("Arial")));
    legend.setPointSize(8);
    m.legend.font = legend;
    m.titleFont = legend;
    m.legend.symbolWidthPercent = 25;
    m.legend.topPosition = 25;

    m.series.clear();
    for (size_t i = 0; i < 4; ++i) {
        Series s;
        s.name = barStyles()[i].name;
        s.title = barStyles()[i].title;
        s.kind = SeriesKind::Bar;
        s.color = barStyles()[i].colour;
        s.barWidthPixels = 0;
        s.xField = QStringLiteral("Tag");
        s.yField = cycles()[i].field;
        m.series.push_back(s);
    }
}

QString dayChartTitle(const QDate& day)
{
    return QStringLiteral("       ") + zuv::core::formatDate(day);
}

void fixDayBarWidth(ChartModel& m)
{
    for (Series& s : m.series) {
        if (s.kind == SeriesKind::Bar)
            s.barWidthPixels = kDayBarWidth;
    }
}

} // namespace zuv::bio
