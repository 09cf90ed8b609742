// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "birthdaycalendar.h"

#include "germandate.h"
#include "zodiac.h"

#include <algorithm>

namespace zuv::yearcal {

QString personText(const BirthdayPerson& person)
{
    return QStringLiteral("%1 (%2)").arg(person.name).arg(person.birthYear);
}

QString rowText(const BirthdayRow& row)
{
    QStringList parts;
    for (const BirthdayPerson& p : row.people)
        parts << personText(p);
    return parts.join(QStringLiteral(", "));
}

BirthdayCalendar buildBirthdayCalendar(const std::vector<Person>& people,
                                       const std::array<QStringList, 12>& pictures)
{
    BirthdayCalendar calendar;
    for (int month = 1; month <= 12; ++month) {
        BirthdayMonthPage& page = calendar.months[static_cast<std::size_t>(month - 1)];
        page.month = month;
        page.title = zuv::core::monthName(month);
        // A leap year gives every month its longest length, February its 29th.
        const int days = zuv::core::daysInMonth(2000, month);
        for (int day = 1; day <= days; ++day)
            page.rows.push_back({day, {}, {}});
        for (const auto& sign : zuv::people::zodiacSigns())
            if (sign.fromMonth == month)
                page.rows[static_cast<std::size_t>(sign.fromDay - 1)].zodiacStart = sign.sign;
        const QStringList& mine = pictures[static_cast<std::size_t>(month - 1)];
        if (!mine.isEmpty())
            page.picture = mine.front();
    }
    calendar.coverPicture = calendar.months[0].picture;

    for (const Person& p : people) {
        const QString name = p.name.trimmed();
        if (!p.birthDate.isValid() || name.isEmpty())
            continue;
        auto& row = calendar.months[static_cast<std::size_t>(p.birthDate.month() - 1)]
                        .rows[static_cast<std::size_t>(p.birthDate.day() - 1)];
        row.people.push_back({name, p.birthDate.year()});
    }
    for (auto& page : calendar.months)
        for (auto& row : page.rows)
            std::stable_sort(row.people.begin(), row.people.end(),
                             [](const BirthdayPerson& a, const BirthdayPerson& b) {
                                 return a.birthYear < b.birthYear;
                             });
    return calendar;
}

} // namespace zuv::yearcal
