// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The region table as the holiday engine and the windows read it.

#include "regions.h"

#include <gtest/gtest.h>

using namespace zuv::dates;

namespace {

// The "Bundesland" box's positions 0..15 name these engine indices, in this order (the
// mapping of the photo calendar's state box to the holiday regions).
TEST(DatesRegions, FederalStatesMapToTheEngineIndicesOfTheStateBox)
{
    const std::uint8_t expected[16] = {8, 9, 10, 14, 13, 12, 1, 2, 4, 3, 5, 6, 16, 7, 11, 15};
    const auto states = federalStates();
    ASSERT_EQ(states.size(), 16u);
    for (std::size_t i = 0; i < states.size(); ++i) {
        EXPECT_EQ(states[i].index, expected[i]) << states[i].name;
        EXPECT_EQ(kRegionCodes[states[i].index], states[i].code) << states[i].name;
    }
}

TEST(DatesRegions, CodesAreFoundExactly)
{
    // Salzburg "Sb" and Steiermark "S" differ only by a letter; the Swiss "SSG" is not "SG".
    const struct { const char* code; const char* name; } cases[] = {
        {"Sb", "Salzburg"}, {"S", "Steiermark"}, {"SSG", "St. Gallen"}, {"BU", "Deutschland"},
        {"sb", nullptr},    {"SG", nullptr},     {"", nullptr},
    };
    for (const auto& c : cases) {
        const Region* r = regionOfCode(c.code);
        if (c.name == nullptr)
            EXPECT_EQ(r, nullptr) << c.code;
        else
            EXPECT_EQ(r ? r->name : "-", c.name) << c.code;
    }
}

} // namespace
