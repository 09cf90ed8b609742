// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Whole-range cross-checks of the calendar arithmetic against Qt's QDate and of
// OsterSonn against a second, independently formulated Easter computus.

#include "krv_calendar.h"

#include <QDate>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace KRV_Calendar;

namespace {

// Knuth, TAOCP vol. 1, 1.3.2 exercise 14 (Algorithm E: golden number, century,
// corrections, epact), deliberately unlike the production formula.
QDate KnuthEaster(int year)
{
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int x = 3 * century / 4 - 12;
    const int z = (8 * century + 5) / 25 - 5;
    const int d = 5 * year / 4 - x - 10;
    int epact = (11 * golden + 20 + z - x) % 30;
    if ((epact == 25 && golden > 11) || epact == 24)
        ++epact;
    int n = 44 - epact;
    if (n < 21)
        n += 30;
    n = n + 7 - (d + n) % 7;
    return n > 31 ? QDate(year, 4, n - 31) : QDate(year, 3, n);
}

constexpr qint64 kJulianDayOfZero = 2415019; // QDate's day number of 30.12.1899

QDate ToQDate(double value)
{
    return QDate::fromJulianDay(static_cast<qint64>(value) + kJulianDayOfZero);
}

} // namespace

TEST(KrvDate, ZeroDateValueIs30December1899)
{
    EXPECT_EQ(QDate(1899, 12, 30).toJulianDay(), kJulianDayOfZero);
    EXPECT_EQ(DateValue(1899, 12, 30), 0.0);
    EXPECT_EQ(DateValue(1, 1, 1), kFirstDay);
    EXPECT_EQ(DateValue(9999, 12, 31), kLastDay);
}

// Every day of 01.01.0001 .. 31.12.9999: the date conversions against QDate, and the
// week number handed out by GetDayInfo against QDate::weekNumber.
TEST(KrvDate, EveryDayAgreesWithQDate)
{
    TDayInfo info;
    int failures = 0;
    for (std::int32_t serial = kFirstDay; serial <= kLastDay && failures < 10; ++serial) {
        const QDate q = QDate::fromJulianDay(serial + kJulianDayOfZero);
        const TDate d = DateOfSerial(serial);
        GetDayInfo(0, info, serial);
        const bool ok = d.Year == q.year() && d.Month == q.month() && d.Day == q.day()
                        && DaySerial(d.Year, d.Month, d.Day) == serial
                        && DayOfYear(d.Year, d.Month, d.Day) == q.dayOfYear()
                        && IsoWeekday(serial) == q.dayOfWeek() && info.Week == q.weekNumber();
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "day " << serial << " = " << q.toString(Qt::ISODate).toStdString()
                          << ": got " << d.Year << '-' << d.Month << '-' << d.Day << " week "
                          << int(info.Week) << ", QDate week " << q.weekNumber();
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(KrvDate, EasterAgreesWithKnuthForEveryYear)
{
    for (int year = 1; year <= 9999; ++year) {
        const QDate easter = ToQDate(OsterSonn(year));
        ASSERT_EQ(easter, KnuthEaster(year)) << "year " << year;
        ASSERT_EQ(easter.dayOfWeek(), 7) << "year " << year;
    }
}

TEST(KrvDate, EasterKnownDates)
{
    // Published Easter tables (Gregorian).
    const struct { int y, m, d; } cases[] = {
        {1818, 3, 22}, {2285, 3, 22}, // earliest possible
        {1943, 4, 25}, {2038, 4, 25}, // latest possible
        {2000, 4, 23}, {2008, 3, 23}, {2016, 3, 27}, {2023, 4, 9}, {2024, 3, 31}, {2025, 4, 20},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OsterSonn(c.y), DateValue(c.y, c.m, c.d)) << c.y;
}

TEST(KrvDate, EasterOutsideRangeThrows)
{
    EXPECT_THROW(OsterSonn(0), CalendarError);
    EXPECT_THROW(OsterSonn(10000), CalendarError);
    EXPECT_THROW(OsterSonn(-5), CalendarError);
}

TEST(KrvDate, WholeDayIsTheDayTheValueFallsOn)
{
    // A date value is the day plus the time of day, on both sides of 30.12.1899: -0.5 is
    // 29.12.1899 noon, as the German date helpers read it too.
    EXPECT_EQ(WholeDay(45000.99), 45000);
    EXPECT_EQ(WholeDay(-0.5), -1);
    EXPECT_EQ(WholeDay(-1.25), -2);
    EXPECT_EQ(WholeDay(kFirstDay + 0.5), kFirstDay);
    EXPECT_EQ(WholeDay(kLastDay + 0.99), kLastDay);
}

TEST(KrvDate, WholeDayRejectsValuesOutsideTheCalendar)
{
    for (double bad : {kFirstDay - 0.5, kLastDay + 1.0, std::nan(""), 1e300,
                       -std::numeric_limits<double>::infinity()})
        EXPECT_THROW(WholeDay(bad), CalendarError) << bad;
}
