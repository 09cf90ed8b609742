// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Cost of the holiday calendar as the photo calendar uses it.

#include "krv_calendar.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace KRV_Calendar;

namespace {

// Every day of a year for one state, day by day. Two years alternate, both kept.
void StateYear(benchmark::State& state)
{
    const std::uint8_t region = RegionIndex("BY");
    TDayInfo info;
    int holidays = 0;
    std::int32_t year = 2023;
    for (auto _ : state) {
        year = year == 2023 ? 2024 : 2023;
        const std::int32_t first = DaySerial(year, 1, 1);
        const std::int32_t last = DaySerial(year, 12, 31);
        for (std::int32_t day = first; day <= last; ++day) {
            GetDayInfo(region, info, day);
            holidays += info.IsHoliday;
        }
        benchmark::DoNotOptimize(holidays);
    }
}
BENCHMARK(StateYear);

// The same through the whole-year answer, into a reused buffer.
void StateYearAtOnce(benchmark::State& state)
{
    const std::uint8_t region = RegionIndex("BY");
    std::vector<TDayInfo> days;
    std::int32_t year = 2023;
    for (auto _ : state) {
        year = year == 2023 ? 2024 : 2023;
        GetYearInfo(region, year, days);
        benchmark::DoNotOptimize(days.data());
    }
}
BENCHMARK(StateYearAtOnce);

// A whole year of a year not kept: one rebuild, then the answer. Walks more years
// than the module keeps so that every pass builds.
void StateYearNewYear(benchmark::State& state)
{
    const std::uint8_t region = RegionIndex("BY");
    std::vector<TDayInfo> days;
    std::int32_t year = 2000;
    for (auto _ : state) {
        year = year == 2040 ? 2000 : year + 1;
        GetYearInfo(region, year, days);
        benchmark::DoNotOptimize(days.data());
    }
}
BENCHMARK(StateYearNewYear);

// Single queries that alternate between two years (a week row across New Year, two
// pages side by side): each query moves to the other kept year.
void AlternatingYears(benchmark::State& state)
{
    const std::uint8_t region = RegionIndex("BY");
    TDayInfo info;
    const double dates[2] = {DateValue(2024, 12, 30), DateValue(2025, 1, 1)};
    unsigned i = 0;
    for (auto _ : state) {
        GetDayInfo(region, info, dates[i++ & 1u]);
        benchmark::DoNotOptimize(info.IsHoliday);
    }
}
BENCHMARK(AlternatingYears);

// One month page (31 days; the region is looked up per day, as the page does) of a
// year not kept: includes one rebuild.
void MonthPageNewYear(benchmark::State& state)
{
    TDayInfo info;
    int holidays = 0;
    std::int32_t year = 2000;
    for (auto _ : state) {
        year = year == 2040 ? 2000 : year + 1;
        const std::int32_t first = DaySerial(year, 12, 1);
        for (std::int32_t i = 0; i < 31; ++i) {
            GetDayInfo(RegionIndex("BY"), info, first + i);
            holidays += info.IsHoliday && !info.Names.empty();
        }
        benchmark::DoNotOptimize(holidays);
    }
}
BENCHMARK(MonthPageNewYear);

// One month page of the year already held (the next month of the same year).
void MonthPageSameYear(benchmark::State& state)
{
    TDayInfo info;
    int holidays = 0;
    for (auto _ : state) {
        const std::int32_t first = DaySerial(2024, 12, 1);
        for (std::int32_t i = 0; i < 31; ++i) {
            GetDayInfo(RegionIndex("BY"), info, first + i);
            holidays += info.IsHoliday && !info.Names.empty();
        }
        benchmark::DoNotOptimize(holidays);
    }
}
BENCHMARK(MonthPageSameYear);

void BuildYearAlone(benchmark::State& state)
{
    std::int32_t year = 2023;
    for (auto _ : state) {
        year = year == 2023 ? 2024 : 2023; // BuildYear builds kept years again
        BuildYear(year);
        benchmark::DoNotOptimize(YearTable().Days.data());
    }
}
BENCHMARK(BuildYearAlone);

} // namespace
