// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearpages.h"

#include "beforebirth.h"
#include "biorhythm.h"
#include "dialogs.h"
#include "monthpagemarks.h"

#include <algorithm>

#include <QCoreApplication>

namespace zuv::yearcal {

namespace {

bool withMarks(const YearProject& project)
{
    return project.moonPhases || project.bridgeDays || !project.secondRegion.isEmpty();
}

zuv::daymarks::MarkOptions markOptions(const YearProject& project)
{
    return {project.moonPhases, project.secondRegion, project.bridgeDays};
}

MonthPage buildPage(const YearProject& project, const Region& region, CalendarMonth when,
                    const std::vector<Person>& people,
                    const std::vector<zuv::exchange::Appointment>& appointments,
                    const zuv::daymarks::MonthMarks* marks)
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
    zuv::photo::addAppointments(input, appointments);
    if (marks) {
        page.marks = *marks;
        zuv::photo::addDayMarks(input, *marks);
    }
    input.birthdayLine = page.birthdayLine;
    input.legendLine = page.legendLine;
    page.sheet = zuv::photo::buildMonthPage(input);
    if (marks)
        page.sheet.holidayLine = marks->holidayLine;
    return page;
}

} // namespace

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
    if (!withMarks(project))
        return buildPage(project, region, when, people, appointments, nullptr);
    const auto marks = zuv::daymarks::buildMonthMarks(when.year, when.month, region.code, region.name,
                                                      markOptions(project));
    return buildPage(project, region, when, people, appointments, &marks);
}

MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people, const zuv::daymarks::MonthMarks& marks)
{
    return buildPage(project, region, CalendarMonth{project.year, month}, people, {}, &marks);
}

YearDocument buildYearDocument(const YearProject& project, const std::vector<Person>& people,
                               const std::vector<zuv::exchange::Appointment>& appointments)
{
    if (project.year < 1 || project.year > 9999)
        throw zuv::core::Error(
            QCoreApplication::translate("YearCalendar", "Das Jahr %1 liegt nicht zwischen 1 und 9999.")
                .arg(project.year));
    const std::optional<Region> region = findRegion(project.regionCode);
    if (!region || region->code != project.regionCode)
        throw zuv::core::Error(
            QCoreApplication::translate("YearCalendar", "Unbekannte Region \"%1\".").arg(project.regionCode));

    zuv::daymarks::checkSecondRegion(project.regionCode, project.secondRegion);
    const auto months = calendarMonths(project.year, project.print.firstMonth);
    YearDocument doc;
    doc.titleFont = project.titleFont;
    doc.print = project.print;
    doc.cover.year = project.year;
    doc.cover.title = spanTitle(project.year, project.print.firstMonth);
    doc.cover.subtitle = QCoreApplication::translate("YearCalendar", "Feiertage: %1").arg(region->name);
    doc.cover.picture = project.pictures[static_cast<std::size_t>(months[0].month - 1)].value(0);
    // A calendar year's marks are worked out at once; a school year's month by month.
    const bool marked = withMarks(project);
    std::array<zuv::daymarks::MonthMarks, 12> yearMarks;
    if (marked && project.print.firstMonth == 1)
        yearMarks = zuv::daymarks::buildYearMarks(project.year, region->code, region->name, markOptions(project));
    for (const CalendarMonth& m : months) {
        if (!marked) {
            doc.months.push_back(buildPage(project, *region, m, people, appointments, nullptr));
        } else if (project.print.firstMonth == 1) {
            doc.months.push_back(buildPage(project, *region, m, people, appointments,
                                           &yearMarks[static_cast<std::size_t>(m.month - 1)]));
        } else {
            const auto marks = zuv::daymarks::buildMonthMarks(m.year, m.month, region->code, region->name,
                                                              markOptions(project));
            doc.months.push_back(buildPage(project, *region, m, people, appointments, &marks));
        }
    }
    return doc;
}

} // namespace zuv::yearcal
