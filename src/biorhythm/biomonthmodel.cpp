// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "biomonthmodel.h"

namespace zuv::bio {

BioMonthModel::BioMonthModel(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("BioMonth"));
}

MonthChartOptions BioMonthModel::options() const
{
    MonthChartOptions o;
    o.colours = m_colours;
    o.markerColour = m_markerColour;
    o.markerStyle = m_markerStyle;
    return o;
}

void BioMonthModel::setMonth(BioMonth month, ChartColours colours)
{
    m_month = std::move(month);
    m_colours = colours;
    emit monthChanged();
}

void BioMonthModel::setColours(ChartColours colours)
{
    if (colours == m_colours)
        return;
    m_colours = colours;
    emit monthChanged();
}

void BioMonthModel::setMarkerDay(const QDateTime& value)
{
    if (value == m_month.chosen)
        return;
    m_month.chosen = value;
    emit monthChanged();
}

void BioMonthModel::setMarkerLook(const QColor& colour, Qt::PenStyle style)
{
    m_markerColour = colour;
    m_markerStyle = style;
    emit monthChanged();
}

void BioMonthModel::setChartSize(const QSize& size, double contentScale)
{
    m_chartSize = size;
    if (contentScale > 0)
        m_chartScale = contentScale;
}

void BioMonthModel::enterBirthDate(const QString& text)
{
    emit birthDateEntered(text);
}

} // namespace zuv::bio
