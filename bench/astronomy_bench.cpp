// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Cost of the moon phases of a year as a calendar page asks for them.

#include "moonphases.h"

#include <benchmark/benchmark.h>

using namespace zuv::astronomy;

namespace {

// A year of phases with local days in Berlin; years near the present, in the last
// century of the range (past the time-zone database's last rule) and in year 1.
void PhasesOfYear(benchmark::State& state)
{
    const QTimeZone zone = regionTimeZone(QStringLiteral("BY"));
    const int year = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(moonPhasesOfYear(year, zone));
}
BENCHMARK(PhasesOfYear)->Arg(2027)->Arg(9998)->Arg(1)->Unit(benchmark::kMicrosecond);

// The series alone, for one phase.
void OnePhase(benchmark::State& state)
{
    std::int64_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(phaseJde(++k % 1000, MoonPhase::Full));
}
BENCHMARK(OnePhase);

} // namespace
