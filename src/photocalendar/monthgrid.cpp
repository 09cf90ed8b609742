// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthgrid.h"

#include "dialogs.h"
#include "germandate.h"
#include "krv_calendar.h"

#include <QDate>
#include <algorithm>
#include <string>

namespace zuv::photo {

using zuv::core::FieldType;

std::vector<zuv::core::FieldDef> bildkalenderFields()
{
    return {
        {QStringLiteral("KW"), FieldType::String, 2},
        {QStringLiteral("Mo"), FieldType::String, 4},
        {QStringLiteral("Di"), FieldType::String, 4},
        {QStringLiteral("Mi"), FieldType::String, 4},
        {QStringLiteral("Do"), FieldType::String, 4},
        {QStringLiteral("Fr"), FieldType::String, 4},
        {QStringLiteral("Sa"), FieldType::String, 4},
        {QStringLiteral("So"), FieldType::String, 4},
    };
}

MonthGrid buildMonthGrid(int year, int month, int statePosition, const QString& stateText)
{
    const auto& states = zuv::core::federalStates();
    if (statePosition < 0 || statePosition >= static_cast<int>(states.size()))
        throw zuv::core::Error(QStringLiteral("Unbekanntes Bundesland: %1").arg(stateText));
    return buildMonthGridForRegion(year, month,
                                   states[static_cast<std::size_t>(statePosition)].code, stateText);
}

MonthGrid buildMonthGridForRegion(int year, int month, const QString& regionCode,
                                  const QString& regionName)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        throw zuv::core::Error(QStringLiteral("Ungültiges Datum: Monat %1 im Jahr %2")
                                   .arg(month)
                                   .arg(year));
    const std::string code = regionCode.toStdString();
    const auto& codes = KRV_Calendar::kRegionCodes;
    if (std::find(codes.begin(), codes.end(), code) == codes.end())
        throw zuv::core::Error(QStringLiteral("Unbekannte Region: %1").arg(regionCode));

    const QDate firstDay(year, month, 1);
    const int n = zuv::core::daysInMonth(year, month);
    const std::uint8_t region = KRV_Calendar::RegionIndex(code);

    MonthGrid grid;
    KRV_Calendar::TDayInfo info;
    for (int i = 0; i < n; ++i) {
        const QDate date = firstDay.addDays(i);
        KRV_Calendar::GetDayInfo(region, info, KRV_Calendar::DateValue(year, month, date.day()));
        const bool marked = info.IsHoliday && !info.Names.empty();
        if (marked)
            grid.holidayLine += QStringLiteral("  ") + date.toString(QStringLiteral("dd."))
                + QString::fromStdString(info.Names);
        const int w = date.dayOfWeek();
        if (w == 1 || i == 0) {
            GridRow row;
            row.week = QString::number(info.Week);
            grid.rows.push_back(row);
        }
        grid.rows.back().cells[static_cast<std::size_t>(w)] =
            QString::number(date.day()) + (marked ? QStringLiteral("x") : QString());
    }
    if (!grid.holidayLine.isEmpty())
        grid.holidayLine = QStringLiteral("Feiertage in ") + regionName + QStringLiteral(": ")
            + grid.holidayLine;
    return grid;
}

void appendGrid(zuv::core::Table& table, const MonthGrid& grid)
{
    for (const GridRow& row : grid.rows) {
        table.append();
        table.setValue(0, row.week);
        for (int w = 1; w <= 7; ++w) {
            const QString& cell = row.cells[static_cast<std::size_t>(w)];
            if (!cell.isEmpty())
                table.setValue(w, cell);
        }
        table.post();
    }
}

std::optional<int> entryIndex(const QStringList& entries, const QString& text)
{
    const int exact = static_cast<int>(entries.indexOf(text));
    if (exact >= 0)
        return exact;
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

const QStringList& monthBoxEntries()
{
    static const QStringList entries = {
        QStringLiteral("Januar"),    QStringLiteral("Februar "), QStringLiteral("März"),
        QStringLiteral("April"),     QStringLiteral("Mai"),      QStringLiteral("Juni"),
        QStringLiteral("Juli"),      QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("Oktober"),   QStringLiteral("November"), QStringLiteral("Dezember"),
    };
    return entries;
}

} // namespace zuv::photo
