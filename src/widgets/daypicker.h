// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The day picker DTP1: a date with a fixed time of day inside an allowed range. DayRange
// holds the rules (a new bound pulls the date along; a date outside the range is refused
// with the picker's German message); DayPicker is the spin-button widget that shows it.

#include <QDate>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QString>
#include <QTime>
#include <QTimeZone>

namespace zuv::widgets {

// The picker's time of day at design, kept through every change of its date; the month
// chart's marker stands this far (0.2838832755 of a day) right of the day's position.
inline const QTime kPickerTimeOfDay = QTime(6, 48, 47);

// Dates the picker can show: the spin box handles no year before 100.
inline const QDate kFirstShownDate = QDate(100, 1, 1);
inline const QDate kLastShownDate = QDate(9999, 12, 31);

class DayRange {
public:
    DayRange() = default;
    explicit DayRange(const QDate& date) : m_date(date) {}

    QDate date() const { return m_date; }
    QDateTime value() const { return QDateTime(m_date, kPickerTimeOfDay, QTimeZone::utc()); }
    QDate minimum() const { return m_min; }
    QDate maximum() const { return m_max; }

    // Throws zuv::core::Error: after the maximum "Datum überschreitet das Maximum von
    // dd.mm.yyyy", before the minimum "Datum unterschreitet das Minimum von dd.mm.yyyy",
    // before the year 100 a message that the picker cannot show it. Unchanged on failure.
    void setDate(const QDate& date);
    // A bound after the maximum (before the minimum) is refused the same way; a date
    // outside the new bound becomes the bound.
    void setMinimum(const QDate& min);
    void setMaximum(const QDate& max);
    // The displayed month: minimum first, then maximum; when the old maximum lies before
    // the new minimum, maximum first. Unchanged when a bound cannot be shown.
    void limitTo(const QDate& first, const QDate& last);

private:
    static void requireShown(const QDate& date);

    QDate m_date = QDate(2000, 1, 1);
    QDate m_min = kFirstShownDate;
    QDate m_max = kLastShownDate;
};

// Shows a DayRange as "dd.MM.yyyy" with spin buttons; the user steps day, month or year
// inside the range. Changes made by the program emit valueChanged only.
class DayPicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit DayPicker(QWidget* parent = nullptr);

    const DayRange& range() const { return m_range; }
    QDate date() const { return m_range.date(); }
    // Date plus the time of day 06:48:47.
    QDateTime value() const { return m_range.value(); }

    // As DayRange; throw zuv::core::Error and leave the picker unchanged on refusal.
    void setDate(const QDate& date);
    void limitTo(const QDate& first, const QDate& last);

signals:
    // The user stepped the date.
    void userChanged();
    // The date changed, by the user or the program (emitted before userChanged).
    void valueChanged();

private:
    void display(const DayRange& range);
    void takeUserChange(const QDateTime& shown);

    DayRange m_range;
    bool m_showing = false;
};

} // namespace zuv::widgets
