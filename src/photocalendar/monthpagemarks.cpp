// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthpagemarks.h"

#include <QCoreApplication>
#include <array>

namespace zuv::photo {

QString moonSymbol(zuv::astronomy::MoonPhase phase)
{
    static const std::array<QChar, 4> symbols{QChar(0x25CF), QChar(0x25D0), QChar(0x25CB),
                                              QChar(0x25D1)};
    return QString(symbols[static_cast<std::size_t>(phase)]);
}

void addDayMarks(MonthPageInput& input, const zuv::daymarks::MonthMarks& marks)
{
    for (int day = 1; day <= 31; ++day) {
        const zuv::daymarks::DayMarks& m = marks.days[static_cast<std::size_t>(day)];
        if (m.moon)
            input.notes.push_back({day, {DayMarkKind::MoonPhase, moonSymbol(*m.moon)}});
        if (m.bridgeDay)
            input.notes.push_back(
                {day, {DayMarkKind::BridgeDay, QCoreApplication::translate("zuv::photo::MonthPage", "Br")}});
        if (m.secondRegionOnly)
            input.notes.push_back({day, {DayMarkKind::SecondRegion, marks.secondRegionCode}});
    }
    for (const QString& line : {marks.moonLine, marks.bridgeLine})
        if (!line.isEmpty())
            input.moreLines << line;
}

void addAppointments(MonthPageInput& input, const std::vector<zuv::exchange::Appointment>& all)
{
    const auto month = zuv::exchange::appointmentsInMonth(all, input.year, input.month);
    if (month.empty())
        return;
    input.moreLines << zuv::exchange::appointmentLine(month);
    const auto band = zuv::exchange::bandDays(month);
    for (int day = 1; day <= 31; ++day)
        if (band[static_cast<std::size_t>(day)])
            input.notes.push_back({day, {DayMarkKind::Appointment, {}}});
}

MonthPage buildMarkedMonthPage(MonthPageInput input, const zuv::daymarks::MarkOptions& options,
                               const std::vector<zuv::exchange::Appointment>& appointments)
{
    addAppointments(input, appointments);
    if (options == zuv::daymarks::MarkOptions())
        return buildMonthPage(input);
    const zuv::daymarks::MonthMarks marks = zuv::daymarks::buildMonthMarks(
        input.year, input.month, input.regionCode, input.regionName, options);
    addDayMarks(input, marks);
    MonthPage page = buildMonthPage(input);
    if (!marks.secondRegionCode.isEmpty())
        page.holidayLine = marks.holidayLine;
    return page;
}

} // namespace zuv::photo
