// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Calendar files. Goals: reading a file of 10,000 events (one-day, multi-day, timed in
// New York time, yearly) and placing them on the twelve month pages of a year under
// 200 ms; writing a year (holidays of a region and 60 birthdays) under 50 ms.

#include "appointments.h"
#include "icsreader.h"
#include "icswriter.h"
#include "yearevents.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zuv::exchange;

QByteArray tenThousandEvents()
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//DE\r\n";
    const QDate start(2027, 1, 1);
    for (int i = 0; i < 10000; ++i) {
        const QByteArray day = start.addDays(i % 365).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        const QByteArray end = start.addDays(i % 365 + 1 + i % 7).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        text += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) + "\r\nSUMMARY:Termin " + QByteArray::number(i)
            + "\r\nDTSTAMP:20260101T000000Z\r\n";
        switch (i % 4) {
        case 0: text += "DTSTART;VALUE=DATE:" + day + "\r\n"; break;
        case 1: text += "DTSTART;VALUE=DATE:" + day + "\r\nDTEND;VALUE=DATE:" + end + "\r\n"; break;
        case 2: text += "DTSTART;TZID=America/New_York:" + day + "T233000\r\nDURATION:PT1H\r\n"; break;
        default: text += "DTSTART;VALUE=DATE:1990" + day.mid(4) + "\r\nRRULE:FREQ=YEARLY\r\n"; break;
        }
        text += "END:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

void BM_ReadTenThousandEventsOntoAYear(benchmark::State& state)
{
    const QByteArray text = tenThousandEvents();
    for (auto _ : state) {
        const IcsResult r = readIcs(text, QStringLiteral("bench.ics"), QDate(2027, 1, 1), QDate(2027, 12, 31));
        for (int m = 1; m <= 12; ++m) {
            const auto month = appointmentsInMonth(r.appointments, 2027, m);
            benchmark::DoNotOptimize(appointmentLine(month));
            benchmark::DoNotOptimize(bandDays(month));
        }
        if (r.events != 10000)
            state.SkipWithError("events lost");
    }
}
BENCHMARK(BM_ReadTenThousandEventsOntoAYear)->Unit(benchmark::kMillisecond);

void BM_WriteYearWithSixtyBirthdays(benchmark::State& state)
{
    std::vector<NamedDate> people;
    for (int i = 0; i < 60; ++i)
        people.push_back({QStringLiteral("Person %1").arg(i), QDate(1950 + i % 60, 1 + i % 12, 1 + i % 28)});
    const QDateTime stamp(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC);
    for (auto _ : state) {
        std::vector<ExportEvent> events = holidayEvents(2027, QStringLiteral("BY"));
        const auto birthdays = birthdayEvents(people, 2027);
        events.insert(events.end(), birthdays.begin(), birthdays.end());
        benchmark::DoNotOptimize(writeIcs(events, stamp));
    }
}
BENCHMARK(BM_WriteYearWithSixtyBirthdays)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
