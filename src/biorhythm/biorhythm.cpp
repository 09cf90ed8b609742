// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "biorhythm.h"

#include "germandate.h"
#include "programfolder.h"

#include <cfenv>
#include <cmath>

namespace zuv::bio {

using zuv::store::FieldDef;
using zuv::store::FieldType;

const std::array<CycleDef, 4>& cycles()
{
    static const std::array<CycleDef, 4> table = {{
        {QStringLiteral("Sns"), 23, QStringLiteral("Körperlich")},
        {QStringLiteral("Sns1"), 28, QStringLiteral("Emotional")},
        {QStringLiteral("Sns2"), 33, QStringLiteral("Geistig")},
        {QStringLiteral("Sns3"), 38, QStringLiteral("Intuitiv")},
    }};
    return table;
}

int roundHalfEven(long double value)
{
    // nearbyint follows the rounding mode; the program never leaves the default
    // (to nearest, ties to even), but a library may have changed it.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyint(value);
    if (saved != FE_TONEAREST)
        std::fesetround(saved);
    return static_cast<int>(r);
}

int cycleValue(qint32 t, int period)
{
    const long double angle = static_cast<long double>(t) * kTwoPi / period;
    return roundHalfEven(std::sin(angle) * 100.0L);
}

qint32 ageInDays(const QDate& day, const QDate& birth)
{
    return static_cast<qint32>(birth.daysTo(day));
}

std::vector<DayValues> monthValues(int year, int month, const QDate& birth)
{
    const MonthBounds bounds = monthBounds(year, month);
    const int n = zuv::core::daysInMonth(year, month);
    std::vector<DayValues> days;
    days.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        DayValues d;
        d.day = bounds.first.addDays(i);
        const qint32 t = ageInDays(d.day, birth);
        for (size_t c = 0; c < 4; ++c)
            d.values[c] = cycleValue(t, cycles()[c].period);
        days.push_back(d);
    }
    return days;
}

MonthBounds monthBounds(int year, int month)
{
    return {QDate(year, month, 1), QDate(year, month, zuv::core::daysInMonth(year, month))};
}

QString chartTitle(int month, int year, const QString& name)
{
    return QStringLiteral("Zuvododerod für Monat ") + zuv::core::monthName(month)
        + QStringLiteral(" ") + QString::number(year) + QStringLiteral(" ( ") + name
        + QStringLiteral(" )");
}

QString axisCaption(int month, int year)
{
    return QStringLiteral("Tage im Monat ") + zuv::core::monthName(month) + QStringLiteral(" ")
        + QString::number(year);
}

std::vector<FieldDef> monthTableFields()
{
    std::vector<FieldDef> fields{{QStringLiteral("Tag"), FieldType::Date, 0}};
    for (const CycleDef& c : cycles())
        fields.push_back({c.field, FieldType::Float, 0});
    return fields;
}

std::vector<FieldDef> dayPercentTableFields()
{
    std::vector<FieldDef> fields{{QStringLiteral("Tag"), FieldType::Integer, 0}};
    for (const CycleDef& c : cycles())
        fields.push_back({c.field, FieldType::Float, 0});
    return fields;
}

void reopenEmpty(zuv::store::Table& table, const QString& relativeFile,
                 const std::vector<FieldDef>& fields)
{
    table.close();
    zuv::store::openOrCreate(table, relativeFile, fields, zuv::store::TableRole::Recomputed);
    table.setActive(true);
    table.emptyTable();
}

void fillMonthTable(zuv::store::Table& CLDSBio, const std::vector<DayValues>& days)
{
    const int tag = CLDSBio.fieldIndex(QStringLiteral("Tag"));
    std::array<int, 4> fields{};
    for (size_t c = 0; c < 4; ++c)
        fields[c] = CLDSBio.fieldIndex(cycles()[c].field);
    for (const DayValues& d : days) {
        CLDSBio.append();
        CLDSBio.setValue(tag, d.day);
        for (size_t c = 0; c < 4; ++c)
            CLDSBio.setValue(fields[c], static_cast<double>(d.values[c]));
        CLDSBio.post();
    }
}

bool copyDayPercent(zuv::store::Table& CLDSBio, zuv::store::Table& CLDProzent, const QDate& day)
{
    if (!CLDSBio.locate(QStringLiteral("Tag"), zuv::core::formatDate(day)))
        return false;
    CLDProzent.append();
    for (const CycleDef& c : cycles())
        CLDProzent.setValue(c.field, CLDSBio.asFloat(c.field));
    CLDProzent.post();
    return true;
}

QString msgNoBirthDate()
{
    return QStringLiteral("Geben Sie ein Geburtsdatum ein.");
}

QString msgBeforeBirth()
{
    return QStringLiteral("Datum liegt vor der Geburt");
}

QString msgNoBirthDateInList()
{
    return QStringLiteral("Kein Geburtsdatum");
}

bool monthBeforeBirth(const QDate& birth, int year, int month)
{
    return birth.year() == year && month < birth.month();
}

} // namespace zuv::bio
