// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "daypicker.h"

#include "dialogs.h"
#include "germandate.h"

#include <QSignalBlocker>

namespace zuv::widgets {

using zuv::core::Error;
using zuv::core::formatDate;

void DayRange::requireShown(const QDate& date)
{
    if (!date.isValid() || date < kFirstShownDate || date > kLastShownDate)
        throw Error(QStringLiteral("Das Tagesfeld zeigt nur Daten vom %1 bis %2; "
                                   "der %3 liegt außerhalb.")
                        .arg(formatDate(kFirstShownDate), formatDate(kLastShownDate),
                             formatDate(date)));
}

void DayRange::setDate(const QDate& date)
{
    requireShown(date);
    if (date > m_max)
        throw Error(QStringLiteral("Datum überschreitet das Maximum von %1").arg(formatDate(m_max)));
    if (date < m_min)
        throw Error(QStringLiteral("Datum unterschreitet das Minimum von %1").arg(formatDate(m_min)));
    m_date = date;
}

void DayRange::setMinimum(const QDate& min)
{
    requireShown(min);
    if (min > m_max)
        throw Error(QStringLiteral("Datum überschreitet das Maximum von %1").arg(formatDate(m_max)));
    m_min = min;
    if (m_date < m_min)
        m_date = m_min;
}

void DayRange::setMaximum(const QDate& max)
{
    requireShown(max);
    if (max < m_min)
        throw Error(QStringLiteral("Datum unterschreitet das Minimum von %1").arg(formatDate(m_min)));
    m_max = max;
    if (m_date > m_max)
        m_date = m_max;
}

void DayRange::limitTo(const QDate& first, const QDate& last)
{
    requireShown(first);
    requireShown(last);
    DayRange next = *this;
    if (first > next.m_max) {
        next.setMaximum(last);
        next.setMinimum(first);
    } else {
        next.setMinimum(first);
        next.setMaximum(last);
    }
    *this = next;
}

DayPicker::DayPicker(QWidget* parent)
    : QDateTimeEdit(parent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    setTimeZone(QTimeZone::utc());
#else
    setTimeSpec(Qt::UTC);   // the time-zone setter came with Qt 6.7
#endif
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setCalendarPopup(false);
    setKeyboardTracking(false);
    setWrapping(false);
    display(m_range);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &DayPicker::takeUserChange);
}

void DayPicker::setDate(const QDate& date)
{
    DayRange next = m_range;
    next.setDate(date);
    display(next);
}

void DayPicker::limitTo(const QDate& first, const QDate& last)
{
    DayRange next = m_range;
    next.limitTo(first, last);
    display(next);
}

void DayPicker::display(const DayRange& range)
{
    const bool moved = range.value() != m_range.value();
    m_range = range;
    {
        const QSignalBlocker block(this);
        m_showing = true;
        setDateTimeRange(QDateTime(range.minimum(), QTime(0, 0), QTimeZone::utc()),
                         QDateTime(range.maximum(), QTime(23, 59, 59, 999), QTimeZone::utc()));
        setDateTime(range.value());
        m_showing = false;
    }
    if (moved)
        emit valueChanged();
}

void DayPicker::takeUserChange(const QDateTime& shown)
{
    if (m_showing || shown.date() == m_range.date())
        return;
    // The spin box keeps to its range, so the step is always allowed.
    DayRange next = m_range;
    try {
        next.setDate(shown.date());
    } catch (const Error&) {
        display(m_range);
        return;
    }
    m_range = next;
    emit valueChanged();
    emit userChanged();
}

} // namespace zuv::widgets
