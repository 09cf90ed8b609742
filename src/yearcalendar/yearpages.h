// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What goes on the pages of a year calendar, apart from the pictures' pixels: the month
// grid of the month page with its holiday line, the birthdays of the name list, the
// critical days of the chosen person, and the list of pages (a cover, then January to
// December). Plain values computed from the project; nothing here paints or reads files.

#include "monthmarks.h"
#include "monthpage.h"
#include "yearproject.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace zuv::yearcal {

// A birthday on a month page. In common years a person born on 29 February is shown on
// 28 February.
struct Birthday {
    int day = 0;       // day of the month the birthday is shown on
    QString name;
    int age = 0;       // years completed in the page's year (0 in the year of birth)
    bool operator==(const Birthday&) const = default;
};

// The birthdays of people in month (1..12) of year, by day and then in list order. People
// without a birth date, with an empty name or born after that month are left out.
std::vector<Birthday> birthdaysInMonth(const std::vector<Person>& people, int year, int month);

// "Geburtstage: 14. Anna (40)  29. Bert (1)"; empty for no birthdays.
QString birthdayLine(const std::vector<Birthday>& birthdays);

// The four cycles in the order of the month chart: physical, emotional, intellectual,
// intuitive.
inline constexpr int kCycleCount = 4;

// A day on which at least one cycle crosses zero. A cycle of period p crosses zero at ages
// k·p/2 days; the crossing belongs to the day (age t .. t+1) in which it falls.
struct CriticalDay {
    int day = 0;                              // day of the month
    std::array<bool, kCycleCount> cycles{};   // which cycles cross on it
    bool operator==(const CriticalDay&) const = default;
};

// True when the cycle of period days crosses zero during the day of age t (t >= 0).
bool crossesZero(qint64 t, int period);

// Critical days of a person born on birth in month (1..12) of year; days before the birth
// have none. The intuitive cycle counts only when withIntuitive is set.
std::vector<CriticalDay> criticalDaysInMonth(const QDate& birth, int year, int month,
                                             bool withIntuitive);

// One letter per cycle for the grid marks: "K", "E", "G", "I".
QString cycleLetter(int cycle);
// Marks of one day, e.g. "KG".
QString criticalMarks(const CriticalDay& day);
// "Kritische Tage von Anna: K körperlich  E emotional  G geistig" (+ "  I intuitiv").
QString criticalLegend(const QString& person, bool withIntuitive);

// Marks beside a day number: the birthday mark and the critical-day letters.
inline const QString kBirthdayMark = QStringLiteral("*");

// The symbol of a moon phase beside a day number: ● new, ◐ first quarter, ○ full, ◑ last.
QString moonSymbol(zuv::astronomy::MoonPhase phase);

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

// The pages of a year in print order: the cover, then January to December.
struct YearDocument {
    CoverPage cover;
    std::vector<MonthPage> months;        // 12
    QString titleFont;                    // from the project
    int pageCount() const { return 1 + static_cast<int>(months.size()); }
};

// Builds the pages of project with the people of the name list. Asks the holiday calendar
// (not reentrant: call on one thread at a time). Throws zuv::core::Error for a year out of
// range, an unknown region or a bad second region.
YearDocument buildYearDocument(const YearProject& project, const std::vector<Person>& people);
MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people);
// The same with the month's marks computed beforehand (zuv::daymarks::buildYearMarks).
MonthPage buildMonthPage(const YearProject& project, const Region& region, int month,
                         const std::vector<Person>& people, const zuv::daymarks::MonthMarks& marks);

} // namespace zuv::yearcal
