// Cost of the holiday calendar as the photo calendar uses it.

#include "krv_calendar.h"

#include <benchmark/benchmark.h>

using namespace KRV_Calendar;

namespace {

// Every day of a year for one state. Years alternate so that each pass pays for
// one rebuild of the year table, as a fresh query of a new year does.
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

// One month page (31 days; the region is looked up per day, as the page does) after a
// change of year: includes one rebuild.
void MonthPageNewYear(benchmark::State& state)
{
    TDayInfo info;
    int holidays = 0;
    std::int32_t year = 2023;
    for (auto _ : state) {
        year = year == 2023 ? 2024 : 2023;
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
        year = year == 2023 ? 2024 : 2023;
        BuildYear(year);
        benchmark::DoNotOptimize(YearTable().Days.data());
    }
}
BENCHMARK(BuildYearAlone);

} // namespace
