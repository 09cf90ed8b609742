// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The month page value: marks from outside the holiday calendar on their days, the page
// size as a parameter, and the page's pictures loaded on a worker.

#include "monthpage.h"
#include "pagepictures.h"
#include "photofixture.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QThread>

namespace {

using zuv::photo::DayMarkKind;
using zuv::photo::MonthPageInput;

MonthPageInput bavaria(int year, int month)
{
    MonthPageInput input;
    input.year = year;
    input.month = month;
    input.regionCode = QStringLiteral("BY");
    input.regionName = QStringLiteral("Bayern");
    return input;
}

const zuv::photo::DayCell* cellOf(const zuv::photo::MonthPage& page, int day)
{
    for (const auto& row : page.rows)
        for (const auto& cell : row.days)
            if (cell.day == day)
                return &cell;
    return nullptr;
}

TEST(MonthPageNotes, GoOnTheirDayInTheOrderGiven)
{
    // March 2027: the 31st is a Wednesday; there is no 32nd.
    MonthPageInput input = bavaria(2027, 3);
    input.notes = {{31, {DayMarkKind::CriticalDay, QStringLiteral("KG")}},
                   {31, {DayMarkKind::Birthday, QStringLiteral("*")}},
                   {32, {DayMarkKind::Birthday, QStringLiteral("*")}}};
    const zuv::photo::MonthPage page = zuv::photo::buildMonthPage(input);
    const auto* cell = cellOf(page, 31);
    ASSERT_NE(cell, nullptr);
    ASSERT_EQ(cell->marks.size(), 2u);
    EXPECT_EQ(cell->marks[0].text, QStringLiteral("KG"));
    // The note for a 32nd went nowhere.
    int birthdays = 0;
    for (const auto& row : page.rows)
        for (const auto& c : row.days)
            birthdays += c.has(DayMarkKind::Birthday) ? 1 : 0;
    EXPECT_EQ(birthdays, 1);
}

TEST(MonthPageSize, TheSheetIsAParameterOfThePage)
{
    MonthPageInput input = bavaria(2027, 3);
    input.pageSize = QSizeF(900, 1300);   // a larger sheet, as with bleed
    const zuv::photo::MonthPage page = zuv::photo::buildMonthPage(input);
    const zuv::photo::ReportPage laid = zuv::photo::layoutMonthPage(page, zuv::photo::CalendarReport());
    EXPECT_EQ(laid.size, QSizeF(900, 1300));
    // Drawn onto a sheet of 900 x 1300 pixels, the heading rule (y 245 on the page) stays
    // at y 245: nothing is scaled to A4.
    QImage sheet(900, 1300, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    zuv::photo::renderMonthPage(painter, QRectF(0, 0, 900, 1300), page, zuv::photo::CalendarReport());
    painter.end();
    EXPECT_LT(std::min(qGray(sheet.pixel(400, 244)), qGray(sheet.pixel(400, 245))), 200);
    EXPECT_EQ(qGray(sheet.pixel(400, 250)), 255);
    EXPECT_EQ(qGray(sheet.pixel(400, 278)), 255);   // where an A4 page scaled up would put it
}

// Waits for a future without a clock: the watcher's signal ends the loop.
template <typename T>
void waitFor(const QFuture<T>& future)
{
    QFutureWatcher<T> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<T>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
}

TEST(PagePictures, LoadOnAWorkerWithProgressAndTheFirstFailure)
{
    const QString good = testData(QStringLiteral("pictures/orange.jpg"));
    const QString bad = testData(QStringLiteral("damaged.jpg"));
    struct Case { const char* what; QStringList files; int steps; std::vector<bool> loaded; bool fails; };
    const Case cases[] = {
        {"single", {good, {}, good}, 1, {true, false, false}, false},
        {"three, the third empty", {good, good, {}}, 2, {true, true, false}, false},
        {"damaged second", {good, bad, good}, 3, {true, false, false}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zuv::photo::picturesToLoad(c.files, false), c.steps) << c.what;
        const QFuture<zuv::photo::PagePictures> future = zuv::photo::loadPagePicturesAsync(c.files, false);
        waitFor(future);
        EXPECT_EQ(future.progressMaximum(), c.steps) << c.what;
        ASSERT_EQ(future.resultCount(), 1) << c.what;
        const zuv::photo::PagePictures result = future.result();
        ASSERT_EQ(result.pictures.size(), c.loaded.size()) << c.what;
        for (std::size_t i = 0; i < c.loaded.size(); ++i)
            EXPECT_EQ(!result.pictures[i].isEmpty(), c.loaded[i]) << c.what << " " << i;
        EXPECT_EQ(result.error.contains(QStringLiteral("damaged.jpg")), c.fails) << c.what;
    }
}

} // namespace
