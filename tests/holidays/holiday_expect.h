// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Test-side transcription of the region list and region-set helpers, written apart
// from the production tables so that a slip in either shows up.

#include <bitset>
#include <initializer_list>
#include <string>
#include <string_view>

namespace holiday_expect {

inline constexpr std::string_view kCodes[54] = {
    "BU",  "SH",  "HH",  "HB",  "NS",  "NW",  "RP",  "HE",  "BW",  "BY",  "SN",  "ST",  "MV", "BE",
    "BB",  "TH",  "SL",  "A",   "V",   "T",   "K",   "Sb",  "S",   "O",   "N",   "W",   "B",  "CH",
    "AAG", "AAR", "AAI", "BBL", "BBS", "BBE", "FFR", "GGE", "GGL", "GGR", "JJU", "LLU", "NNE", "NNW",
    "OOW", "SSG", "SSH", "SSZ", "SSO", "TTG", "TTI", "UUR", "VVD", "VVS", "ZZG", "ZZH",
};

using Regions = std::bitset<56>;

inline int IndexOf(std::string_view code)
{
    for (int i = 0; i < 54; ++i)
        if (kCodes[i] == code)
            return i;
    throw std::string("test table lacks ") + std::string(code);
}

inline Regions Codes(std::initializer_list<std::string_view> codes)
{
    Regions r;
    for (auto c : codes)
        r.set(static_cast<std::size_t>(IndexOf(c)));
    return r;
}

inline Regions Span(std::string_view first, std::string_view last)
{
    Regions r;
    for (int i = IndexOf(first); i <= IndexOf(last); ++i)
        r.set(static_cast<std::size_t>(i));
    return r;
}

inline Regions All() { return Span("BU", "ZZH"); }
inline Regions Germany() { return Span("BU", "SL"); }
inline Regions Austria() { return Span("A", "B"); }
inline Regions Cantons() { return Span("AAG", "ZZH"); }

} // namespace holiday_expect
