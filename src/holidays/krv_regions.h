// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 54 holiday regions of Germany, Austria and Switzerland and region sets
// written as 64-bit masks (bit i = region index i), so that rule tables can be
// constant data checked by the compiler.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace KRV_Calendar {

using TRegionMask = std::uint64_t;

inline constexpr std::size_t kRegionCount = 54;

// A region's index is its position here. Swiss cantons are prefixed with the first
// letter of their own code so that none equals a German code.
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

// Index of a code known at compile time; an unknown code does not compile.
consteval std::uint8_t CodeIndex(std::string_view code)
{
    for (std::size_t i = 0; i < kRegionCount; ++i)
        if (kRegionCodes[i] == code)
            return static_cast<std::uint8_t>(i);
    throw "unknown region code";
}

consteval TRegionMask Set(std::initializer_list<std::string_view> codes)
{
    TRegionMask mask = 0;
    for (std::string_view code : codes)
        mask |= TRegionMask{1} << CodeIndex(code);
    return mask;
}

// Indices first..last inclusive.
consteval TRegionMask Range(std::uint8_t first, std::uint8_t last)
{
    TRegionMask mask = 0;
    for (unsigned i = first; i <= last; ++i)
        mask |= TRegionMask{1} << i;
    return mask;
}

inline constexpr TRegionMask kAllRegions = Range(0, 53);
inline constexpr TRegionMask kGermany = Range(CodeIndex("BU"), CodeIndex("SL"));
inline constexpr TRegionMask kAustria = Range(CodeIndex("A"), CodeIndex("B"));
inline constexpr TRegionMask kAustrianStates = Range(CodeIndex("V"), CodeIndex("B"));
inline constexpr TRegionMask kSwissCantons = Range(CodeIndex("AAG"), CodeIndex("ZZH"));

consteval TRegionMask Without(TRegionMask mask, std::initializer_list<std::string_view> codes)
{
    return mask & ~Set(codes);
}

} // namespace KRV_Calendar
