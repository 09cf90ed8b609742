// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 54 holiday regions of Germany, Austria and Switzerland and region sets
// written as 64-bit masks (bit i = region index i), so that rule tables can be
// constant data checked by the compiler.

#include "regions.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace KRV_Calendar {

using TRegionMask = std::uint64_t;

inline constexpr std::size_t kRegionCount = zuv::dates::kRegionCount;

// A region's index is its position in the program's region codes (regions.h).
inline constexpr const auto& kRegionCodes = zuv::dates::kRegionCodes;

// Index of a code known at compile time; an unknown code does not compile.
consteval std::uint8_t CodeIndex(std::string_view code)
{
    return zuv::dates::codeIndex(code);
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
