// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's one date convention: "dd.mm.yyyy" with "." as separator, German names
// whatever the system locale, and the date value (days since 30.12.1899 with a fraction).
// Valid years are 1..9999 (proleptic Gregorian calendar).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace zuv::core {

// Days since 30 December 1899 plus the time of day as a fraction; the day is the whole
// part rounded towards minus infinity (zuv::dates::dayNumber, the program's one rule).
using DateValue = double;

// Parses "dd.mm.yyyy": day, month, year in this order separated by "."; blanks before a
// number are skipped. Fails (nullopt) on empty text, a blank day or month, a day that does
// not exist (31.02.), a year outside 1..9999, or anything after the year but blanks.
std::optional<QDate> parseDate(const QString& text);

// True when parseDate accepts the text.
bool IsDate(const QString& text);

// "dd.mm.yyyy", year with four digits (0001..9999). Empty text for a null date.
QString formatDate(const QDate& date);
// Input mask of every field that takes a date: two digits each for day and month, up to four
// for the year, the dots already in place (Qt: 0 optional digit, 9 required; blanks shown as
// spaces).
inline constexpr char kDateInputMask[] = "00.00.9999; ";

DateValue toDateValue(const QDate& date);
DateValue toDateValue(const QDateTime& dateTime);
// The day of a date value (fraction dropped towards minus infinity); a null date for a
// value that is not finite.
QDate dateFromValue(DateValue value);

bool isLeapYear(int year);
// 28..31; month 1..12, year 1..9999.
int daysInMonth(int year, int month);

// German names, never from the system locale.
// dayOfWeek as QDate::dayOfWeek: 1 = Monday .. 7 = Sunday.
QString longWeekdayName(int dayOfWeek);   // "Montag" .. "Sonntag"
QString shortWeekdayName(int dayOfWeek);  // "Mo" .. "So", no full stop
QString monthName(int month);             // "Januar" .. "Dezember"

// The twelve month names, index 0..11 for months 1..12.
std::array<QString, 12> MonthNames();

// Formats with Delphi-style pattern letters: d dd ddd dddd m mm mmm mmmm yy yyyy,
// text in double quotes taken literally, anything else copied. German names.
QString formatDateTime(const QString& pattern, const QDateTime& dateTime);

// The status line " Heute ist Dienstag, der 8.Dezember 2026".
QString todayStatusText(const QDate& today);

struct FederalState {
    QString name;   // as shown in the "Bundesland" box
    QString code;   // region code of the holiday calendar
};
// The sixteen German federal states in the order of the "Bundesland" box.
const std::array<FederalState, 16>& federalStates();

} // namespace zuv::core
