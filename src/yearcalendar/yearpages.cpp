// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearpages.h"

#include "beforebirth.h"
#include "biorhythm.h"
#include "dialogs.h"

#include <algorithm>

namespace zuv::yearcal {

MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people,
                         const std::vector<zuv::exchange::Appointment>& appointments)
{
    return buildMonthPage(project, region, CalendarMonth{project.year, month}, people, appointments);
}

MonthPage buildMonthPage(const YearProject& project, const Region& region, CalendarMonth when,
                         const std::vector<Person>& people,
                         const std::vector<zuv::exchange::Appointment>& appointments)
{
    const int month = when.month;
    const int year = when.year;
    MonthPage page;
    page.year = year;
    page.month = month;
    if (project.birthdays) {
        page.birthdays = birthdaysInMonth(people, year, month);
        page.birthdayLine = birthdayLine(page.birthdays);
    }
    if (project.person && project.person->birthDate.isValid()
        && !monthEndsBeforeBirth(project.person->birthDate, year, month)) {
        page.chartPerson = project.person;
        if (project.criticalDays) {
            page.criticalDays = criticalDaysInMonth(project.person->birthDate, year, month,
                                                    project.intuitive);
            page.legendLine = criticalLegend(project.person->name, project.intuitive);
        }
    }
    page.pictures = project.pictures[static_cast<std::size_t>(month - 1)].mid(0, kMaxPicturesPerMonth);

    zuv::photo::MonthPageInput input;
    input.year = year;
    input.month = month;
    input.regionCode = region.code;
    input.regionName = region.name;
    if (namingOf(project.print, region.code) == zuv::photo::MonthNaming::Austrian)
        input.monthText = zuv::photo::regionMonthName(month, zuv::photo::MonthNaming::Austrian);
    // One birthday mark per day, then the critical-day letters below it.
    for (std::size_t i = 0; i < page.birthdays.size(); ++i)
        if (i == 0 || page.birthdays[i].day != page.birthdays[i - 1].day)
            input.notes.push_back({page.birthdays[i].day, {zuv::photo::DayMarkKind::Birthday, kBirthdayMark}});
    for (const CriticalDay& c : page.criticalDays)
        input.notes.push_back({c.day, {zuv::photo::DayMarkKind::CriticalDay, criticalMarks(c)}});
    const auto termine = zuv::exchange::appointmentsInMonth(appointments, year, month);
    if (!termine.empty())
        input.moreLines << zuv::exchange::appointmentLine(termine);
    const auto band = zuv::exchange::bandDays(termine);
    for (int d = 1; d <= 31; ++d)
        if (band[static_cast<std::size_t>(d)])
            input.notes.push_back({d, {zuv::photo::DayMarkKind::Appointment, {}}});
    input.birthdayLine = page.birthdayLine;
    input.legendLine = page.legendLine;
    page.sheet = zuv::photo::buildMonthPage(input);
    return page;
}

YearDocument buildYearDocument(const YearProject& project, const std::vector<Person>& people,
                               const std::vector<zuv::exchange::Appointment>& appointments)
{
    if (project.year < 1 || project.year > 9999)
        throw zuv::core::Error(
            QStringLiteral("Das Jahr %1 liegt nicht zwischen 1 und 9999.").arg(project.year));
    const std::optional<Region> region = findRegion(project.regionCode);
    if (!region || region->code != project.regionCode)
        throw zuv::core::Error(QStringLiteral("Unbekannte Region \"%1\".").arg(project.regionCode));

    const auto months = calendarMonths(project.year, project.print.firstMonth);
    YearDocument doc;
    doc.titleFont = project.titleFont;
    doc.print = project.print;
    doc.cover.year = project.year;
    doc.cover.title = spanTitle(project.year, project.print.firstMonth);
    doc.cover.subtitle = QStringLiteral("Feiertage: ") + region->name;
    doc.cover.picture = project.pictures[static_cast<std::size_t>(months[0].month - 1)].value(0);
    for (const CalendarMonth& m : months)
        doc.months.push_back(buildMonthPage(project, *region, m, people, appointments));
    return doc;
}

} // namespace zuv::yearcal
