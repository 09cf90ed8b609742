// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearexchange.h"

#include "criticaldays.h"
#include "dialogs.h"
#include "icswriter.h"
#include "nameimport.h"
#include "table.h"
#include "yearevents.h"

#include <QTextStream>

namespace zuv::yearcal {

namespace {

std::vector<zuv::exchange::ExportEvent> criticalDayEvents(const YearProject& project)
{
    const Person& person = *project.person;
    std::vector<zuv::exchange::NamedDate> days;
    for (int m = 1; m <= 12; ++m)
        for (const zuv::bio::CriticalDay& d :
             zuv::bio::criticalDaysInMonth(person.birthDate, project.year, m, project.intuitive))
            days.push_back({QStringLiteral("Kritischer Tag: %1 (%2)").arg(person.name, zuv::bio::criticalMarks(d)),
                            QDate(project.year, m, d.day)});
    return zuv::exchange::markedDayEvents(days, QStringLiteral("kritisch"),
                                          person.name + QLatin1Char('|') + person.birthDate.toString(Qt::ISODate),
                                          QStringLiteral("Kritischer Tag"),
                                          zuv::bio::criticalLegend(person.name, project.intuitive));
}

} // namespace

std::vector<zuv::exchange::NamedDate> namedDates(const std::vector<Person>& people)
{
    std::vector<zuv::exchange::NamedDate> list;
    for (const Person& p : people)
        list.push_back({p.name, p.birthDate});
    return list;
}

std::vector<zuv::exchange::ExportEvent> yearEvents(const YearProject& project, const std::vector<Person>& people)
{
    std::vector<zuv::exchange::ExportEvent> events = zuv::exchange::holidayEvents(project.year, project.regionCode);
    if (project.birthdays) {
        const auto birthdays = zuv::exchange::birthdayEvents(namedDates(people), project.year);
        events.insert(events.end(), birthdays.begin(), birthdays.end());
    }
    if (project.person && project.person->birthDate.isValid() && project.criticalDays) {
        const auto critical = criticalDayEvents(project);
        events.insert(events.end(), critical.begin(), critical.end());
    }
    return events;
}

void saveYearIcs(const QString& path, const YearProject& project, const std::vector<Person>& people,
                 const QDateTime& stamp)
{
    zuv::exchange::saveIcs(path, yearEvents(project, people), stamp);
}

int runNameImport(const QString& path, zuv::store::Table& names, QTextStream& out, QTextStream& err)
{
    using zuv::people::NameFile;
    const NameFile file = zuv::people::previewNameFile(path, zuv::people::namesOf(names));
    if (file.status != NameFile::Ok) {
        err << QStringLiteral("Fehler: ") << file.message << '\n';
        err.flush();
        return file.status == NameFile::UnknownFormat ? kNamesUnknownFormat : kNamesUnreadable;
    }
    for (const zuv::exchange::PreviewRow& row : file.preview.rows)
        out << QStringLiteral("  %1  %2  %3\n")
                   .arg(row.name, -30)
                   .arg(row.birthDate.isValid() ? row.birthDate.toString(QStringLiteral("dd.MM.yyyy")) : row.source, -10)
                   .arg(zuv::exchange::rowStatusText(row));
    try {
        zuv::people::addNames(names, file.preview.toAdd());
    } catch (const std::exception& e) {
        err << QStringLiteral("Fehler: Die Namensliste kann nicht geschrieben werden; nichts wurde "
                              "eingelesen: ")
            << QString::fromUtf8(e.what()) << '\n';
        err.flush();
        return kNamesNotWritten;
    }
    out << QStringLiteral("Namen eingelesen: ") << zuv::exchange::previewSummary(file.preview) << '\n';
    out.flush();
    return kNamesOk;
}

} // namespace zuv::yearcal
