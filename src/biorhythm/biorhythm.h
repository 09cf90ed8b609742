// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The biorhythm computation: the four cycles, the values of every day of a month, the
// month chart's texts, and the fill of the month table CLDSBio and the day-percent table
// CLDProzent. Pure functions apart from the table fills, which work on the tables passed in.

#include "table.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace zuv::bio {

struct CycleDef {
    QString field;       // field of CLDSBio and CLDProzent
    int period;          // days
    QString lineTitle;   // title of the month chart's line
};

// physical 23, emotional 28, intellectual 33, intuitive 38, in this order.
const std::array<CycleDef, 4>& cycles();

// 2π as used by the cycle formula, in the widest floating-point format.
inline constexpr long double kTwoPi = 6.283185307179586477L;

// Nearest whole number, exact halves to the even neighbour.
int roundHalfEven(long double value);

// Value of a cycle of `period` days at age t days: round(sin(t·2π/period)·100), -100..100.
int cycleValue(qint32 t, int period);

// Age in days on `day` (negative before the birth), whole days only.
qint32 ageInDays(const QDate& day, const QDate& birth);

struct DayValues {
    QDate day;
    std::array<int, 4> values{};   // in the order of cycles()
};

// One entry per day of month/year (28..31), ascending; year 1..9999, month 1..12.
std::vector<DayValues> monthValues(int year, int month, const QDate& birth);

struct MonthBounds {
    QDate first;   // the 1st
    QDate last;    // the month's last day, leap years counted
};
MonthBounds monthBounds(int year, int month);

// "Zuvododerod für Monat Juni 1990 ( name )"; an empty name leaves two spaces in the brackets.
QString chartTitle(int month, int year, const QString& name);
// "Tage im Monat Juni 1990"
QString axisCaption(int month, int year);

// Relative file names below the program folder.
inline const QString kMonthTableFile = QStringLiteral("BioTab/Koerper");
inline const QString kDayPercentFile = QStringLiteral("BioTab/Prozente");

// "Tag" (date), "Sns", "Sns1", "Sns2", "Sns3" (float).
std::vector<zuv::store::FieldDef> monthTableFields();
// "Tag" (integer, never written), "Sns", "Sns1", "Sns2", "Sns3" (float).
std::vector<zuv::store::FieldDef> dayPercentTableFields();

// Closes the table (writing it back) and reopens it from the program folder with fields,
// or creates it empty; then empties it.
void reopenEmpty(zuv::store::Table& table, const QString& relativeFile,
                 const std::vector<zuv::store::FieldDef>& fields);

// Appends and posts one row per day to an open, empty month table.
void fillMonthTable(zuv::store::Table& CLDSBio, const std::vector<DayValues>& days);

// Copies the four values of `day` from the month table into one new row of the day-percent
// table ("Tag" left empty). False, and nothing appended, when the month has no such day.
bool copyDayPercent(zuv::store::Table& CLDSBio, zuv::store::Table& CLDProzent, const QDate& day);

// Texts of the page's refusals.
QString msgNoBirthDate();     // "Geben Sie ein Geburtsdatum ein."
QString msgBeforeBirth();     // "Datum liegt vor der Geburt"
QString msgNoBirthDateInList(); // "Kein Geburtsdatum"

// The refresh refuses a month of the birth year before the birth month; any other year,
// earlier ones included, is computed.
bool monthBeforeBirth(const QDate& birth, int year, int month);

} // namespace zuv::bio
