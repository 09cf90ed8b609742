// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "germandate.h"

#include "calendar.h"
#include "regions.h"

#include <cmath>

#include <QCoreApplication>

namespace zuv::core {

namespace {

constexpr qint64 kJulianDayOf30Dec1899 = 2415019;

// Translated at every look-up, so the names follow the language installed at start.
constexpr const char* kLongWeekdays[7]
    = {QT_TRANSLATE_NOOP("Dates", "Montag"),   QT_TRANSLATE_NOOP("Dates", "Dienstag"),
       QT_TRANSLATE_NOOP("Dates", "Mittwoch"), QT_TRANSLATE_NOOP("Dates", "Donnerstag"),
       QT_TRANSLATE_NOOP("Dates", "Freitag"),  QT_TRANSLATE_NOOP("Dates", "Samstag"),
       QT_TRANSLATE_NOOP("Dates", "Sonntag")};

constexpr const char* kShortWeekdays[7]
    = {QT_TRANSLATE_NOOP("Dates", "Mo"), QT_TRANSLATE_NOOP("Dates", "Di"), QT_TRANSLATE_NOOP("Dates", "Mi"),
       QT_TRANSLATE_NOOP("Dates", "Do"), QT_TRANSLATE_NOOP("Dates", "Fr"), QT_TRANSLATE_NOOP("Dates", "Sa"),
       QT_TRANSLATE_NOOP("Dates", "So")};

constexpr const char* kMonthNames[12]
    = {QT_TRANSLATE_NOOP("Dates", "Januar"),    QT_TRANSLATE_NOOP("Dates", "Februar"),
       QT_TRANSLATE_NOOP("Dates", "März"),      QT_TRANSLATE_NOOP("Dates", "April"),
       QT_TRANSLATE_NOOP("Dates", "Mai"),       QT_TRANSLATE_NOOP("Dates", "Juni"),
       QT_TRANSLATE_NOOP("Dates", "Juli"),      QT_TRANSLATE_NOOP("Dates", "August"),
       QT_TRANSLATE_NOOP("Dates", "September"), QT_TRANSLATE_NOOP("Dates", "Oktober"),
       QT_TRANSLATE_NOOP("Dates", "November"),  QT_TRANSLATE_NOOP("Dates", "Dezember")};

// Reads blanks, then one to `maxDigits` digits. False when no digit follows the blanks.
bool readNumber(const QString& text, qsizetype& pos, int maxDigits, int& value)
{
    while (pos < text.size() && text.at(pos) == QLatin1Char(' '))
        ++pos;
    int digits = 0;
    value = 0;
    while (pos < text.size() && digits < maxDigits && text.at(pos).isDigit()
           && text.at(pos).unicode() < 128) {
        value = value * 10 + (text.at(pos).unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

bool readSeparator(const QString& text, qsizetype& pos)
{
    if (pos < text.size() && text.at(pos) == QLatin1Char('.')) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

std::optional<QDate> parseDate(const QString& text)
{
    qsizetype pos = 0;
    int day = 0, month = 0, year = 0;
    if (!readNumber(text, pos, 2, day) || !readSeparator(text, pos))
        return std::nullopt;
    if (!readNumber(text, pos, 2, month) || !readSeparator(text, pos))
        return std::nullopt;
    if (!readNumber(text, pos, 4, year))
        return std::nullopt;
    while (pos < text.size() && text.at(pos) == QLatin1Char(' '))
        ++pos;
    if (pos != text.size())
        return std::nullopt;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1
        || day > daysInMonth(year, month))
        return std::nullopt;
    return QDate(year, month, day);
}

bool IsDate(const QString& text)
{
    return parseDate(text).has_value();
}

QString formatDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

DateValue toDateValue(const QDate& date)
{
    return static_cast<double>(date.toJulianDay() - kJulianDayOf30Dec1899);
}

DateValue toDateValue(const QDateTime& dateTime)
{
    const QTime t = dateTime.time();
    return toDateValue(dateTime.date()) + t.msecsSinceStartOfDay() / 86400000.0;
}

QDate dateFromValue(DateValue value)
{
    if (const std::optional<std::int32_t> day = zuv::dates::dayNumber(value)) {
        const zuv::dates::Date d = zuv::dates::dateOfSerial(*day);
        return QDate(d.year, d.month, d.day);
    }
    // Outside the calendar's years: the same rounding, on QDate's wider range.
    if (!std::isfinite(value))
        return {};
    return QDate::fromJulianDay(static_cast<qint64>(std::floor(value)) + kJulianDayOf30Dec1899);
}

bool isLeapYear(int year)
{
    return zuv::dates::isLeapYear(year);
}

int daysInMonth(int year, int month)
{
    return zuv::dates::daysInMonth(year, month);
}

QString longWeekdayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7
        ? QCoreApplication::translate("Dates", kLongWeekdays[dayOfWeek - 1])
        : QString();
}

QString shortWeekdayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7
        ? QCoreApplication::translate("Dates", kShortWeekdays[dayOfWeek - 1])
        : QString();
}

std::array<QString, 12> MonthNames()
{
    std::array<QString, 12> names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = QCoreApplication::translate("Dates", kMonthNames[i]);
    return names;
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? QCoreApplication::translate("Dates", kMonthNames[month - 1])
                                     : QString();
}

QString formatDateTime(const QString& pattern, const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    QString out;
    qsizetype i = 0;
    const qsizetype n = pattern.size();
    auto runOf = [&](QChar c) {
        qsizetype len = 0;
        while (i + len < n && pattern.at(i + len).toLower() == c)
            ++len;
        return len;
    };
    while (i < n) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = pattern.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = end < 0 ? n : end + 1;
            continue;
        }
        const QChar lc = c.toLower();
        if (lc == QLatin1Char('d')) {
            const qsizetype len = runOf(lc);
            if (len == 1)
                out += QString::number(date.day());
            else if (len == 2)
                out += QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
            else if (len == 3)
                out += shortWeekdayName(date.dayOfWeek());
            else
                out += longWeekdayName(date.dayOfWeek());
            i += len;
        } else if (lc == QLatin1Char('m')) {
            const qsizetype len = runOf(lc);
            if (len == 1)
                out += QString::number(date.month());
            else if (len == 2)
                out += QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
            else if (len == 3)
                out += monthName(date.month()).left(3);
            else
                out += monthName(date.month());
            i += len;
        } else if (lc == QLatin1Char('y')) {
            const qsizetype len = runOf(lc);
            if (len <= 2)
                out += QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
            else
                out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            i += len;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

QString todayStatusText(const QDate& today)
{
    return formatDateTime(QCoreApplication::translate("Dates", " \"Heute ist \"dddd\", der \"d.mmmm yyyy\""),
                          QDateTime(today, QTime(0, 0)));
}

const std::array<FederalState, 16>& federalStates()
{
    static const std::array<FederalState, 16> states = [] {
        std::array<FederalState, 16> list;
        const auto rows = zuv::dates::federalStates();
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = {QString::fromUtf8(rows[i].name.data(), qsizetype(rows[i].name.size())),
                       QString::fromUtf8(rows[i].code.data(), qsizetype(rows[i].code.size()))};
        return list;
    }();
    return states;
}

} // namespace zuv::core
