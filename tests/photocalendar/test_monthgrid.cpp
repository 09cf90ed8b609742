// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The month grid: week rows, week numbers, holiday marks and the holiday line.

#include "monthgrid.h"
#include "printers.h"
#include "table.h"

#include <gtest/gtest.h>

namespace {

using zuv::photo::buildMonthGrid;
using zuv::photo::GridRow;
using zuv::photo::MonthGrid;

// State positions in the "Bundesland" box.
constexpr int kBayern = 1;
constexpr int kBerlin = 4;
constexpr int kNordrheinWestfalen = 10;

// A row written as "KW|Mo|Di|Mi|Do|Fr|Sa|So".
QString rowText(const GridRow& row)
{
    QStringList parts{row.week};
    for (int w = 1; w <= 7; ++w)
        parts << row.cells[static_cast<std::size_t>(w)];
    return parts.join(QLatin1Char('|'));
}

QStringList rowTexts(const MonthGrid& grid)
{
    QStringList rows;
    for (const GridRow& row : grid.rows)
        rows << rowText(row);
    return rows;
}

struct GridCase {
    const char* what;
    int year, month, state;
    QStringList rows;
};

class MonthGridRows : public ::testing::TestWithParam<GridCase> {};

TEST_P(MonthGridRows, MatchTheCalendar)
{
    const GridCase& c = GetParam();
    const MonthGrid grid = buildMonthGrid(c.year, c.month, c.state, QStringLiteral("X"));
    EXPECT_EQ(rowTexts(grid), c.rows) << c.what;
}

// Expected rows from a printed calendar; the marks from the public holidays of the state.
INSTANTIATE_TEST_SUITE_P(
    Months, MonthGridRows,
    ::testing::Values(
        // Worked example: 1 January 2010 is a Friday in ISO week 53 of 2009.
        GridCase{"January 2010, Berlin", 2010, 1, kBerlin,
                 {"53|||||1x|2|3", "1|4|5|6|7|8|9|10", "2|11|12|13|14|15|16|17",
                  "3|18|19|20|21|22|23|24", "4|25|26|27|28|29|30|31"}},
        // Starts on a Monday: four full rows; Valentine's day is named but no holiday.
        GridCase{"February 2010, Berlin", 2010, 2, kBerlin,
                 {"5|1|2|3|4|5|6|7", "6|8|9|10|11|12|13|14", "7|15|16|17|18|19|20|21",
                  "8|22|23|24|25|26|27|28"}},
        // Rose Monday (Easter 2010 = 4 April, minus 48 days) is a holiday in NRW only.
        GridCase{"February 2010, NRW", 2010, 2, kNordrheinWestfalen,
                 {"5|1|2|3|4|5|6|7", "6|8|9|10|11|12|13|14", "7|15x|16|17|18|19|20|21",
                  "8|22|23|24|25|26|27|28"}},
        // Starts on a Saturday: week 53 of 2004 holds the weekend only.
        GridCase{"January 2005, Berlin", 2005, 1, kBerlin,
                 {"53||||||1x|2", "1|3|4|5|6|7|8|9", "2|10|11|12|13|14|15|16",
                  "3|17|18|19|20|21|22|23", "4|24|25|26|27|28|29|30", "5|31||||||"}},
        // Starts on a Sunday: week 52 of 2005 holds the Sunday alone.
        GridCase{"January 2006, Berlin", 2006, 1, kBerlin,
                 {"52|||||||1x", "1|2|3|4|5|6|7|8", "2|9|10|11|12|13|14|15",
                  "3|16|17|18|19|20|21|22", "4|23|24|25|26|27|28|29", "5|30|31|||||"}},
        // Ends on a Wednesday in week 1 of 2009; Christmas Eve is no holiday.
        GridCase{"December 2008, Bayern", 2008, 12, kBayern,
                 {"49|1|2|3|4|5|6|7", "50|8|9|10|11|12|13|14", "51|15|16|17|18|19|20|21",
                  "52|22|23|24|25x|26x|27|28", "1|29|30|31||||"}},
        // A 31-day month starting on a Saturday needs six rows; Ascension 13 May,
        // Whit Sunday and Monday 23/24 May 2010.
        GridCase{"May 2010, Berlin", 2010, 5, kBerlin,
                 {"17||||||1x|2", "18|3|4|5|6|7|8|9", "19|10|11|12|13x|14|15|16",
                  "20|17|18|19|20|21|22|23x", "21|24x|25|26|27|28|29|30", "22|31||||||"}},
        // A 30-day month starting on a Sunday needs six rows too.
        GridCase{"November 2015, Berlin", 2015, 11, kBerlin,
                 {"44|||||||1", "45|2|3|4|5|6|7|8", "46|9|10|11|12|13|14|15",
                  "47|16|17|18|19|20|21|22", "48|23|24|25|26|27|28|29", "49|30||||||"}}));

struct LineCase {
    const char* what;
    int year, month, state;
    const char* stateText;
    QString line;
};

class HolidayLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(HolidayLine, ListsMarkedDaysWithTheirNames)
{
    const LineCase& c = GetParam();
    const MonthGrid grid =
        buildMonthGrid(c.year, c.month, c.state, QString::fromUtf8(c.stateText));
    EXPECT_EQ(grid.holidayLine, c.line) << c.what;
}

// Names as the holiday calendar records them: most begin with its group separator " " and
// end with a blank, "2.Weihnachtstag" has neither.
INSTANTIATE_TEST_SUITE_P(
    Months, HolidayLine,
    ::testing::Values(
        LineCase{"worked example", 2010, 1, kBerlin, "Berlin",
                 QStringLiteral("Feiertage in Berlin:   01. Neujahr ")},
        LineCase{"two holidays", 2008, 12, kBayern, "Bayern",
                 QStringLiteral("Feiertage in Bayern:   25. Weihnachten   26.2.Weihnachtstag")},
        LineCase{"four holidays, Mother's day unlisted", 2010, 5, kBerlin, "Berlin",
                 QStringLiteral("Feiertage in Berlin:   01. Maifeiertag   13. Chr.Himmelfahrt "
                                "  23. Pfingstsonntag   24. Pfingstmontag ")},
        LineCase{"no holiday: no prefix either", 2015, 11, kBerlin, "Berlin", QString()},
        LineCase{"Valentine's day alone is no holiday", 2010, 2, kBerlin, "Berlin", QString()},
        LineCase{"state text as typed", 2010, 2, kNordrheinWestfalen, "nordrhein-westfalen ",
                 QStringLiteral("Feiertage in nordrhein-westfalen :   15. Rosenmontag ")}));

TEST(MonthGrid, RefusesMonthsYearsAndStatesOutOfRange)
{
    EXPECT_THROW(buildMonthGrid(2010, 0, 0, QStringLiteral("X")), std::exception);
    EXPECT_THROW(buildMonthGrid(2010, 13, 0, QStringLiteral("X")), std::exception);
    EXPECT_THROW(buildMonthGrid(0, 1, 0, QStringLiteral("X")), std::exception);
    EXPECT_THROW(buildMonthGrid(10000, 1, 0, QStringLiteral("X")), std::exception);
    EXPECT_THROW(buildMonthGrid(2010, 1, -1, QStringLiteral("X")), std::exception);
    EXPECT_THROW(buildMonthGrid(2010, 1, 16, QStringLiteral("X")), std::exception);
    EXPECT_NO_THROW(buildMonthGrid(1, 1, 0, QStringLiteral("X")));
    EXPECT_NO_THROW(buildMonthGrid(9999, 12, 15, QStringLiteral("X")));
}

TEST(MonthGrid, AppendedRowsKeepOrderAndLeaveOutsideDaysEmpty)
{
    zuv::store::Table table(QStringLiteral("CLDBildkalender"));
    for (const auto& f : zuv::photo::bildkalenderFields())
        table.addFieldDef(f.name, f.type, f.size);
    table.createDataSet();
    const MonthGrid grid = buildMonthGrid(2010, 1, kBerlin, QStringLiteral("Berlin"));
    zuv::photo::appendGrid(table, grid);

    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.cell(0, 0).toString(), QStringLiteral("53"));
    EXPECT_TRUE(table.cell(0, 1).isNull());   // Monday 28 December lies outside the month
    EXPECT_EQ(table.cell(0, 5).toString(), QStringLiteral("1x"));
    EXPECT_EQ(table.cell(0, table.fieldIndex(QStringLiteral("So"))).toString(), QStringLiteral("3"));
    EXPECT_EQ(table.cell(4, 7).toString(), QStringLiteral("31"));
}

TEST(MonthGrid, FieldListIsWeekThenMondayToSunday)
{
    const auto fields = zuv::photo::bildkalenderFields();
    ASSERT_EQ(fields.size(), 8u);
    const char* names[] = {"KW", "Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].name, QString::fromLatin1(names[i]));
        EXPECT_EQ(fields[i].type, zuv::store::FieldType::String);
        EXPECT_EQ(fields[i].size, i == 0 ? 2 : 4);
    }
}

TEST(EntryIndex, AcceptsEntriesAsTypedAndRefusesOthers)
{
    const QStringList& months = zuv::photo::monthBoxEntries();
    EXPECT_EQ(months[1], QStringLiteral("Februar "));
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral("Februar ")), 1);
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral("februar")), 1);
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral(" März")), 2);
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral("Dezember")), 11);
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral("Feb")), std::nullopt);
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral("13")), std::nullopt);
    EXPECT_EQ(zuv::photo::entryIndex(months, QString()), std::nullopt);
    EXPECT_EQ(zuv::photo::entryIndex(months, QStringLiteral("   ")), std::nullopt);
}

} // namespace
