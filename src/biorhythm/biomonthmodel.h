// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The biorhythm month the program shows now, with its colour scheme and the look of the
// day marker. The main window owns one; the biorhythm page computes into it, and the page's
// charts, the calendar page and printing read it. Every change is announced by
// monthChanged(), to any number of receivers.

#include "biomonth.h"
#include "monthchart.h"

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QSize>
#include <QString>

namespace zuv::bio {

class BioMonthModel : public QObject {
    Q_OBJECT
public:
    explicit BioMonthModel(QObject* parent = nullptr);

    const BioMonth& month() const { return m_month; }
    ChartColours colours() const { return m_colours; }
    // Colour scheme and marker look, for drawing the month with renderMonthChart().
    MonthChartOptions options() const;

    // A newly computed month shown in colours.
    void setMonth(BioMonth month, ChartColours colours);
    void setColours(ChartColours colours);
    // The marker follows the day picker at once (date plus its time of day); the values of
    // the chosen day follow with the next computation.
    void setMarkerDay(const QDateTime& value);
    // Colour and pen style of the day marker (yellow, solid unless set).
    void setMarkerLook(const QColor& colour, Qt::PenStyle style);

    // The month chart's size on the biorhythm page in device-independent pixels and the
    // factor its texts and lines are drawn at there (> 0): copies keep what the page shows.
    void setChartSize(const QSize& size, double contentScale);
    QSize chartSize() const { return m_chartSize; }
    double chartContentScale() const { return m_chartScale; }

    // Another page entered a birth date ("dd.mm.yyyy" as typed) for the biorhythm: the
    // biorhythm page takes it into its birth-date field.
    void enterBirthDate(const QString& text);

signals:
    void monthChanged();
    void birthDateEntered(const QString& text);

private:
    BioMonth m_month;
    ChartColours m_colours = ChartColours::Screen;
    QColor m_markerColour = Qt::yellow;
    Qt::PenStyle m_markerStyle = Qt::SolidLine;
    QSize m_chartSize;
    double m_chartScale = 1;
};

} // namespace zuv::bio
