// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "person.h"

#include "namelist.h"
#include "table.h"

#include <QStringList>
#include <algorithm>

namespace zuv::people {

std::vector<Person> peopleOf(const zuv::store::Table& names)
{
    std::vector<Person> people;
    const int nameField = names.fieldIndex(kNameField);
    const int dateField = names.fieldIndex(kBirthDateField);
    if (nameField < 0 || dateField < 0)
        return people;
    for (int row = 0; row < names.rowCount(); ++row)
        people.push_back({names.cell(row, nameField).toString(), names.cell(row, dateField).toDate()});
    return people;
}

std::vector<Birthday> birthdaysInMonth(const std::vector<Person>& people, int year, int month)
{
    std::vector<Birthday> list;
    const int lastDay = QDate(year, month, 1).daysInMonth();
    for (const Person& p : people) {
        if (!p.birthDate.isValid() || p.name.trimmed().isEmpty() || p.birthDate.month() != month)
            continue;
        const int day = std::min(p.birthDate.day(), lastDay);   // 29 February -> 28
        const int age = year - p.birthDate.year();
        if (age < 0)
            continue;
        list.push_back({day, p.name.trimmed(), age});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Birthday& a, const Birthday& b) { return a.day < b.day; });
    return list;
}

QString birthdayLine(const std::vector<Birthday>& birthdays)
{
    if (birthdays.empty())
        return {};
    QStringList parts;
    for (const Birthday& b : birthdays)
        parts << QStringLiteral("%1. %2 (%3)").arg(b.day).arg(b.name).arg(b.age);
    return QStringLiteral("Geburtstage: ") + parts.join(QStringLiteral("  "));
}

} // namespace zuv::people
