// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year's pages as values: the month page's grid for every month and region, birthdays
// and critical days on the pages, the page list and the regions offered.

#include "dialogs.h"
#include "germandate.h"
#include "monthgrid.h"
#include "yearpages.h"
#include "yearproject.h"

#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;

// --- the month page's own grid, month by month ---------------------------------------

// The year pages of a German state must show exactly what the month page shows for the
// same month and state (same rows, marks and holiday line).
TEST(YearGrid, EveryMonthEqualsTheMonthPage)
{
    struct Case { int year; int statePosition; };
    // Positions in the "Bundesland" box: 1 Bayern, 4 Berlin, 10 Sachsen-Anhalt.
    for (const Case c : {Case{2027, 1}, Case{2024, 4}, Case{2010, 10}}) {
        const auto& state = zuv::core::federalStates()[static_cast<std::size_t>(c.statePosition)];
        YearProject project;
        project.year = c.year;
        project.regionCode = state.code;
        const YearDocument doc = buildYearDocument(project, {});
        ASSERT_EQ(doc.months.size(), 12u);
        for (int m = 1; m <= 12; ++m) {
            const auto expected = zuv::photo::buildMonthGrid(c.year, m, c.statePosition, state.name);
            EXPECT_EQ(zuv::photo::gridOf(doc.months[static_cast<std::size_t>(m - 1)].sheet), expected)
                << state.code.toStdString() << " " << c.year << "-" << m;
        }
    }
}

// The marks of a day, looked up by day of the month.
QString cellOf(const zuv::photo::MonthGrid& grid, int day)
{
    for (const auto& row : grid.rows)
        for (const QString& cell : row.cells)
            if (!cell.isEmpty() && cell.chopped(cell.endsWith(QLatin1Char('x')) ? 1 : 0).toInt() == day)
                return cell;
    return {};
}

// Austrian and German public holidays (federal laws: Nationalfeiertag 26 October in
// Austria; Tag der Deutschen Einheit 3 October in Germany) land in the right regions, and
// the holiday line names the region as the list shows it.
TEST(YearGrid, AustrianRegionsMarkTheirOwnHolidays)
{
    struct Case {
        const char* code;
        int day;
        bool marked;
        const char* prefix;
    };
    const Case cases[] = {
        {"W", 26, true, "Feiertage in Wien: "},
        {"A", 26, true, "Feiertage in Österreich: "},
        {"B", 26, true, "Feiertage in Burgenland: "},
        {"W", 3, false, "Feiertage in Wien: "},
        {"BY", 3, true, "Feiertage in Bayern: "},
        {"BY", 26, false, "Feiertage in Bayern: "},
    };
    for (const Case& c : cases) {
        const auto region = findRegion(QString::fromUtf8(c.code));
        ASSERT_TRUE(region) << c.code;
        YearProject project;
        project.year = 2027;
        project.regionCode = region->code;
        const MonthPage page = buildMonthPage(project, *region, 10, {});
        EXPECT_EQ(cellOf(zuv::photo::gridOf(page.sheet), c.day), QString::number(c.day) + (c.marked ? "x" : ""))
            << c.code << " " << c.day;
        EXPECT_TRUE(page.sheet.holidayLine.startsWith(QString::fromUtf8(c.prefix)))
            << c.code << ": " << page.sheet.holidayLine.toStdString();
        EXPECT_EQ(page.sheet.holidayLine.contains(QStringLiteral("  %1.").arg(c.day, 2, 10, QLatin1Char('0'))), c.marked)
            << c.code;
    }
}

TEST(YearGrid, RegionsAreTheStatesThenAustria)
{
    const auto& regions = yearRegions();
    ASSERT_EQ(regions.size(), 26u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(regions[i].name, zuv::core::federalStates()[i].name);
        EXPECT_EQ(regions[i].code, zuv::core::federalStates()[i].code);
    }
    EXPECT_EQ(regions[16].name, QStringLiteral("Österreich"));
    EXPECT_EQ(regions[17].name, QStringLiteral("Burgenland"));
    EXPECT_EQ(regions[25].name, QStringLiteral("Wien"));

    // Codes of the holiday calendar for the Austrian states (Salzburg "Sb", Steiermark "S").
    struct Lookup { const char* text; const char* code; };
    const Lookup lookups[] = {
        {"BY", "BY"}, {"by", "BY"}, {"Bayern", "BY"}, {" wien ", "W"}, {"S", "S"},
        {"Sb", "Sb"}, {"SB", "Sb"}, {"Steiermark", "S"}, {"Salzburg", "Sb"},
        {"Österreich", "A"}, {"Kärnten", "K"}, {"Vorarlberg", "V"},
    };
    for (const Lookup& l : lookups) {
        const auto r = findRegion(QString::fromUtf8(l.text));
        ASSERT_TRUE(r) << l.text;
        EXPECT_EQ(r->code, QString::fromUtf8(l.code)) << l.text;
    }
    // Switzerland stays out; so do codes of no region.
    for (const char* text : {"CH", "ZZH", "BU", "", "XX"})
        EXPECT_FALSE(findRegion(QString::fromUtf8(text))) << text;
}

// --- birthdays ---------------------------------------------------------------------------

const std::vector<Person> kPeople = {
    {QStringLiteral("Anna"), QDate(1987, 3, 14)},
    {QStringLiteral("Bert"), QDate(2024, 2, 29)},
    {QStringLiteral("Carl"), QDate(2000, 2, 29)},
    {QStringLiteral("Dora"), QDate(2027, 3, 5)},    // born in the page's year
    {QStringLiteral("Emil"), QDate(2028, 3, 1)},    // born after the page's year
    {QStringLiteral("Frida"), QDate()},             // no birth date stored
    {QString(), QDate(1990, 3, 2)},                 // no name
    {QStringLiteral("Gus"), QDate(1950, 12, 31)},
};

TEST(Birthdays, SwitchedOffOrOnInThePages)
{
    YearProject project;
    project.year = 2027;
    project.regionCode = QStringLiteral("BY");
    const YearDocument on = buildYearDocument(project, kPeople);
    EXPECT_EQ(on.months[2].birthdayLine, QStringLiteral("Geburtstage: 5. Dora (0)  14. Anna (40)"));
    ASSERT_EQ(on.months[2].birthdays.size(), 2u);
    EXPECT_EQ(on.months[2].birthdays[1], (Birthday{14, QStringLiteral("Anna"), 40}));
    project.birthdays = false;
    const YearDocument off = buildYearDocument(project, kPeople);
    for (const MonthPage& page : off.months) {
        EXPECT_TRUE(page.birthdays.empty());
        EXPECT_TRUE(page.birthdayLine.isEmpty());
    }
}

// --- the page list ---------------------------------------------------------------------

TEST(PageList, CoverThenTwelveMonths)
{
    YearProject project;
    project.year = 2027;
    project.regionCode = QStringLiteral("W");
    project.pictures[0] = QStringList{QStringLiteral("/a/jan1.jpg"), QStringLiteral("/a/jan2.jpg")};
    project.pictures[11] = QStringList{QStringLiteral("/a/dez.jpg")};
    project.person = Person{QStringLiteral("Anna"), QDate(1987, 3, 14)};
    project.criticalDays = true;

    const YearDocument doc = buildYearDocument(project, {});
    EXPECT_EQ(doc.pageCount(), 13);
    EXPECT_EQ(doc.cover.title, QStringLiteral("2027"));
    EXPECT_EQ(doc.cover.subtitle, QStringLiteral("Feiertage: Wien"));
    EXPECT_EQ(doc.cover.picture, QStringLiteral("/a/jan1.jpg"));
    for (int m = 1; m <= 12; ++m) {
        const MonthPage& page = doc.months[static_cast<std::size_t>(m - 1)];
        EXPECT_EQ(page.month, m);
        EXPECT_EQ(page.year, 2027);
        EXPECT_EQ(page.pictures, project.pictures[static_cast<std::size_t>(m - 1)]);
        EXPECT_TRUE(page.chartPerson);
        EXPECT_EQ(page.legendLine, criticalLegend(QStringLiteral("Anna"), false));
        EXPECT_FALSE(page.criticalDays.empty());   // every month has critical days
    }

    project.criticalDays = false;
    project.pictures[0].clear();
    const YearDocument plain = buildYearDocument(project, {});
    EXPECT_TRUE(plain.cover.picture.isEmpty());
    EXPECT_TRUE(plain.months[4].criticalDays.empty());
    EXPECT_TRUE(plain.months[4].legendLine.isEmpty());
    EXPECT_TRUE(plain.months[4].chartPerson);   // the chart stays without the marks

    project.person.reset();
    EXPECT_FALSE(buildYearDocument(project, {}).months[0].chartPerson);
}

TEST(PageList, RefusesBadYearsAndRegions)
{
    YearProject project;
    project.regionCode = QStringLiteral("BY");
    for (int year : {0, -5, 10000}) {
        project.year = year;
        EXPECT_THROW(buildYearDocument(project, {}), zuv::core::Error) << year;
    }
    project.year = 2027;
    for (const char* code : {"XX", "CH", "by", ""}) {
        project.regionCode = QString::fromUtf8(code);
        EXPECT_THROW(buildYearDocument(project, {}), zuv::core::Error) << code;
    }
    for (int year : {1, 9999}) {
        project.year = year;
        project.regionCode = QStringLiteral("A");
        EXPECT_EQ(buildYearDocument(project, {}).pageCount(), 13) << year;
    }
}

} // namespace
