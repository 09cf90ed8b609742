// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearpages.h"

#include "dialogs.h"

#include <algorithm>

namespace zuv::yearcal {

MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people)
{
    MonthPage page;
    page.year = project.year;
    page.month = month;
    if (project.birthdays) {
        page.birthdays = birthdaysInMonth(people, project.year, month);
        page.birthdayLine = birthdayLine(page.birthdays);
    }
    if (project.person && project.person->birthDate.isValid()) {
        page.chartPerson = project.person;
        if (project.criticalDays) {
            page.criticalDays = criticalDaysInMonth(project.person->birthDate, project.year, month,
                                                    project.intuitive);
            page.legendLine = criticalLegend(project.person->name, project.intuitive);
        }
    }
    page.pictures = project.pictures[static_cast<std::size_t>(month - 1)].mid(0, kMaxPicturesPerMonth);

    zuv::photo::MonthPageInput input;
    input.year = project.year;
    input.month = month;
    input.regionCode = region.code;
    input.regionName = region.name;
    // One birthday mark per day, then the critical-day letters below it.
    for (std::size_t i = 0; i < page.birthdays.size(); ++i)
        if (i == 0 || page.birthdays[i].day != page.birthdays[i - 1].day)
            input.notes.push_back({page.birthdays[i].day, {zuv::photo::DayMarkKind::Birthday, kBirthdayMark}});
    for (const CriticalDay& c : page.criticalDays)
        input.notes.push_back({c.day, {zuv::photo::DayMarkKind::CriticalDay, criticalMarks(c)}});
    input.birthdayLine = page.birthdayLine;
    input.legendLine = page.legendLine;
    page.sheet = zuv::photo::buildMonthPage(input);
    return page;
}

YearDocument buildYearDocument(const YearProject& project, const std::vector<Person>& people)
{
    if (project.year < 1 || project.year > 9999)
        throw zuv::core::Error(
            QStringLiteral("Das Jahr %1 liegt nicht zwischen 1 und 9999.").arg(project.year));
    const std::optional<Region> region = findRegion(project.regionCode);
    if (!region || region->code != project.regionCode)
        throw zuv::core::Error(QStringLiteral("Unbekannte Region \"%1\".").arg(project.regionCode));

    YearDocument doc;
    doc.titleFont = project.titleFont;
    doc.cover.year = project.year;
    doc.cover.title = QString::number(project.year);
    doc.cover.subtitle = QStringLiteral("Feiertage: ") + region->name;
    doc.cover.picture = project.pictures[0].value(0);
    for (int m = 1; m <= 12; ++m)
        doc.months.push_back(buildMonthPage(project, *region, m, people));
    return doc;
}

} // namespace zuv::yearcal
