// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "krv_calendar.h"


namespace KRV_Calendar {

namespace {

// Codes are 1..3 bytes: length and bytes packed into one integer each.
constexpr std::uint32_t PackCode(std::string_view code) noexcept
{
    std::uint32_t key = static_cast<std::uint32_t>(code.size()) << 24;
    for (std::size_t i = 0; i < code.size(); ++i)
        key |= std::uint32_t{static_cast<unsigned char>(code[i])} << (16 - 8 * i);
    return key;
}

constexpr std::array<std::uint32_t, kRegionCount> MakeKeys() noexcept
{
    std::array<std::uint32_t, kRegionCount> keys{};
    for (std::size_t i = 0; i < kRegionCount; ++i)
        keys[i] = PackCode(kRegionCodes[i]);
    return keys;
}

constexpr std::array<std::uint32_t, kRegionCount> kRegionKeys = MakeKeys();

// The first equal code is the only one.
constexpr bool KeysDistinct() noexcept
{
    for (std::size_t i = 0; i < kRegionCount; ++i)
        for (std::size_t j = i + 1; j < kRegionCount; ++j)
            if (kRegionKeys[i] == kRegionKeys[j])
                return false;
    return true;
}
static_assert(KeysDistinct());

} // namespace

std::uint8_t RegionIndex(std::string_view code) noexcept
{
    if (code.empty() || code.size() > 3)
        return 0;
    const std::uint32_t key = PackCode(code);
    for (std::size_t i = 0; i < kRegionKeys.size(); ++i)
        if (kRegionKeys[i] == key)
            return static_cast<std::uint8_t>(i);
    return 0;
}

} // namespace KRV_Calendar
