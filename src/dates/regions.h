// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The holiday regions: their codes in the order of the holiday engine's index, and the
// one table of the regions with their German names, in the order the program offers
// them. The photo page's "Bundesland" box, the year calendar, its command line and the
// help texts all read this table. Texts are UTF-8. No Qt.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace zuv::dates {

inline constexpr std::size_t kRegionCount = 54;

// A region's engine index is its position here. Swiss cantons are prefixed with the
// first letter of their own code so that none equals a German code.
inline constexpr std::array<std::string_view, kRegionCount> kRegionCodes = {
    "BU",                                                             // 0: Germany as a whole
    "SH", "HH", "HB", "NS", "NW", "RP", "HE", "BW",                   // 1..8
    "BY", "SN", "ST", "MV", "BE", "BB", "TH", "SL",                   // 9..16
    "A",                                                              // 17: Austria as a whole
    "V", "T", "K", "Sb", "S", "O", "N", "W", "B",                     // 18..26
    "CH",                                                             // 27: Switzerland as a whole
    "AAG", "AAR", "AAI", "BBL", "BBS", "BBE", "FFR", "GGE", "GGL",    // 28..36
    "GGR", "JJU", "LLU", "NNE", "NNW", "OOW", "SSG", "SSH", "SSZ",    // 37..45
    "SSO", "TTG", "TTI", "UUR", "VVD", "VVS", "ZZG", "ZZH",           // 46..53
};

// Engine index of a code known at compile time; an unknown code does not compile.
consteval std::uint8_t codeIndex(std::string_view code)
{
    for (std::size_t i = 0; i < kRegionCount; ++i)
        if (kRegionCodes[i] == code)
            return static_cast<std::uint8_t>(i);
    throw "unknown region code";
}

enum class Country : std::uint8_t { Germany, Austria, Switzerland };

struct Region {
    std::string_view code; // as in kRegionCodes ("BY", "W", "ZZH")
    std::string_view name; // German name ("Bayern", "Wien", "Zürich")
    Country country;
    std::uint8_t index;    // engine index 0..53
};

// Every region once, in the order offered: the 16 German federal states in the order
// of the "Bundesland" box, Austria and its nine states by name, then the regions no
// window offers yet (Germany as a whole, Switzerland and its cantons).
const std::array<Region, kRegionCount>& regionTable() noexcept;

// The 16 German federal states in the order of the "Bundesland" box.
std::span<const Region> federalStates() noexcept;

// The regions the year calendar offers: the federal states, then Austria and its states.
std::span<const Region> yearCalendarRegions() noexcept;

// The row of a code, compared exactly; nullptr for an unknown code.
const Region* regionOfCode(std::string_view code) noexcept;

} // namespace zuv::dates
