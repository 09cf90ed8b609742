// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthgrid.h"

#include "dialogs.h"
#include "germandate.h"
#include "monthpage.h"

#include <QCoreApplication>

namespace zuv::photo {

using zuv::store::FieldType;

std::vector<zuv::store::FieldDef> bildkalenderFields()
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
        throw zuv::core::Error(
            QCoreApplication::translate("Photo", "Unbekanntes Bundesland: %1").arg(stateText));
    return buildMonthGridForRegion(year, month,
                                   states[static_cast<std::size_t>(statePosition)].code, stateText);
}

MonthGrid buildMonthGridForRegion(int year, int month, const QString& regionCode,
                                  const QString& regionName)
{
    MonthPageInput input;
    input.year = year;
    input.month = month;
    input.regionCode = regionCode;
    input.regionName = regionName;
    return gridOf(buildMonthPage(input));
}

MonthGrid gridOf(const MonthPage& page)
{
    MonthGrid grid;
    for (const WeekRow& row : page.rows) {
        GridRow out;
        out.week = QString::number(row.isoWeek);
        for (std::size_t w = 0; w < row.days.size(); ++w) {
            const DayCell& cell = row.days[w];
            if (cell.day > 0)
                out.cells[w + 1] = QString::number(cell.day)
                    + (cell.has(DayMarkKind::Holiday) ? QStringLiteral("x") : QString());
        }
        grid.rows.push_back(out);
    }
    grid.holidayLine = page.holidayLine;
    return grid;
}

void appendGrid(zuv::store::Table& table, const MonthGrid& grid)
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

QStringList monthBoxEntries()
{
    static const char* const kEntries[] = {
        QT_TRANSLATE_NOOP("Photo", "Januar"),  QT_TRANSLATE_NOOP("Photo", "Februar "),
        QT_TRANSLATE_NOOP("Photo", "März"),    QT_TRANSLATE_NOOP("Photo", "April"),
        QT_TRANSLATE_NOOP("Photo", "Mai"),     QT_TRANSLATE_NOOP("Photo", "Juni"),
        QT_TRANSLATE_NOOP("Photo", "Juli"),    QT_TRANSLATE_NOOP("Photo", "August"),
        QT_TRANSLATE_NOOP("Photo", "September"), QT_TRANSLATE_NOOP("Photo", "Oktober"),
        QT_TRANSLATE_NOOP("Photo", "November"), QT_TRANSLATE_NOOP("Photo", "Dezember"),
    };
    QStringList entries;
    for (const char* entry : kEntries)
        entries << QCoreApplication::translate("Photo", entry);
    return entries;
}

} // namespace zuv::photo
