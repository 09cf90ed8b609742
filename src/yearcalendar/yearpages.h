// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What goes on the pages of a year calendar, apart from the pictures' pixels: the month
// grid of the month page with its holiday line, the birthdays of the name list, the
// critical days of the chosen person, and the list of pages (a cover, then January to
// December). Plain values computed from the project; nothing here paints or reads files.

#include "criticaldays.h"
#include "monthmarks.h"
#include "monthpage.h"
#include "appointments.h"
#include "person.h"
#include "yearspan.h"
#include "yearproject.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace zuv::yearcal {

using zuv::people::Birthday;
using zuv::people::birthdayLine;
using zuv::people::birthdaysInMonth;
using zuv::bio::kCycleCount;
using zuv::bio::CriticalDay;
using zuv::bio::crossesZero;
using zuv::bio::criticalDaysInMonth;
using zuv::bio::cycleLetter;
using zuv::bio::criticalMarks;
using zuv::bio::criticalLegend;

// Marks beside a day number: the birthday mark and the critical-day letters.
inline const QString kBirthdayMark = QStringLiteral("*");

// One month page: the photo calendar's month page with what the year adds (birthday and
// critical-day marks, their lines), and what the drawing adds: the pictures and the chart.
struct MonthPage {
    int year = 0;
    int month = 0;                        // 1..12
    zuv::photo::MonthPage sheet;          // without pictures and chart
    std::vector<Birthday> birthdays;
    std::vector<CriticalDay> criticalDays;
    QString birthdayLine;                 // second summary line
    QString legendLine;                   // third summary line
    zuv::daymarks::MonthMarks marks;      // moon phases, second region, bridge days (as switched)
    QStringList pictures;                 // 0..3 paths
    std::optional<Person> chartPerson;    // biorhythm chart below the grid
};

struct CoverPage {
    int year = 0;
    QString title;                        // "2027"
    QString subtitle;                     // "Feiertage: Bayern"
    QString picture;                      // first picture of January; empty: none
};

// The pages of a year in print order: the cover, then twelve months from the first month.
struct YearDocument {
    CoverPage cover;
    std::vector<MonthPage> months;        // 12
    QString titleFont;                    // from the project
    PrintSettings print;                  // fit of each picture, paper and bleed
    int pageCount() const { return 1 + static_cast<int>(months.size()); }
};

// Builds the pages of project with the people of the name list. Asks the holiday calendar
// (not reentrant: call on one thread at a time). Throws zuv::core::Error for a year out of
// range, an unknown region or a bad second region.
// appointments (from the project's calendar files, zuv::exchange::readIcsFiles) add the line
// "Termine: ..." under the holidays and a shaded band on the days of multi-day ones.
YearDocument buildYearDocument(const YearProject& project, const std::vector<Person>& people,
                               const std::vector<zuv::exchange::Appointment>& appointments = {});
MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people,
                         const std::vector<zuv::exchange::Appointment>& appointments = {});
// The page of a month of another year (a calendar not starting in January).
MonthPage buildMonthPage(const YearProject& project, const Region& region, CalendarMonth month,
                         const std::vector<Person>& people,
                         const std::vector<zuv::exchange::Appointment>& appointments = {});
// The same with the month's marks computed beforehand (zuv::daymarks::buildYearMarks).
MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people, const zuv::daymarks::MonthMarks& marks);

} // namespace zuv::yearcal
