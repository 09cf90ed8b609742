// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "regions.h"

namespace zuv::dates {

namespace {

consteval Region row(std::string_view code, std::string_view name, Country country)
{
    return {code, name, country, codeIndex(code)};
}

constexpr Country DE = Country::Germany;
constexpr Country AT = Country::Austria;
constexpr Country CH = Country::Switzerland;

constexpr std::size_t kFederalStateCount = 16;
constexpr std::size_t kYearCalendarCount = 26;

constexpr std::array<Region, kRegionCount> kTable = {{
    row("BW", "Baden-Württemberg", DE),
    row("BY", "Bayern", DE),
    row("SN", "Sachsen", DE),
    row("BB", "Brandenburg", DE),
    row("BE", "Berlin", DE),
    row("MV", "Mecklenburg-Vorpommern", DE),
    row("SH", "Schleswig-Holstein", DE),
    row("HH", "Hamburg", DE),
    row("NS", "Niedersachsen", DE),
    row("HB", "Bremen", DE),
    row("NW", "Nordrhein-Westfalen", DE),
    row("RP", "Rheinland-Pfalz", DE),
    row("SL", "Saarland", DE),
    row("HE", "Hessen", DE),
    row("ST", "Sachsen-Anhalt", DE),
    row("TH", "Thüringen", DE),
    row("A", "Österreich", AT),
    row("B", "Burgenland", AT),
    row("K", "Kärnten", AT),
    row("N", "Niederösterreich", AT),
    row("O", "Oberösterreich", AT),
    row("Sb", "Salzburg", AT),
    row("S", "Steiermark", AT),
    row("T", "Tirol", AT),
    row("V", "Vorarlberg", AT),
    row("W", "Wien", AT),
    row("BU", "Deutschland", DE),
    row("CH", "Schweiz", CH),
    row("AAG", "Aargau", CH),
    row("AAR", "Appenzell Ausserrhoden", CH),
    row("AAI", "Appenzell Innerrhoden", CH),
    row("BBL", "Basel-Landschaft", CH),
    row("BBS", "Basel-Stadt", CH),
    row("BBE", "Bern", CH),
    row("FFR", "Freiburg", CH),
    row("GGE", "Genf", CH),
    row("GGL", "Glarus", CH),
    row("GGR", "Graubünden", CH),
    row("JJU", "Jura", CH),
    row("LLU", "Luzern", CH),
    row("NNE", "Neuenburg", CH),
    row("NNW", "Nidwalden", CH),
    row("OOW", "Obwalden", CH),
    row("SSG", "St. Gallen", CH),
    row("SSH", "Schaffhausen", CH),
    row("SSZ", "Schwyz", CH),
    row("SSO", "Solothurn", CH),
    row("TTG", "Thurgau", CH),
    row("TTI", "Tessin", CH),
    row("UUR", "Uri", CH),
    row("VVD", "Waadt", CH),
    row("VVS", "Wallis", CH),
    row("ZZG", "Zug", CH),
    row("ZZH", "Zürich", CH),
}};

// Each engine index once, and the offered parts hold what their names promise: the
// federal states are the engine's indices 1..16, the year calendar adds 17..26.
constexpr bool tableIsSound()
{
    std::array<bool, kRegionCount> seen{};
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        const Region& r = kTable[i];
        if (seen[r.index])
            return false;
        seen[r.index] = true;
        if (i < kFederalStateCount && (r.country != DE || r.index < 1 || r.index > 16))
            return false;
        if (i >= kFederalStateCount && i < kYearCalendarCount && r.country != AT)
            return false;
    }
    return true;
}
static_assert(tableIsSound());

} // namespace

const std::array<Region, kRegionCount>& regionTable() noexcept
{
    return kTable;
}

std::span<const Region> federalStates() noexcept
{
    return std::span<const Region>(kTable).first(kFederalStateCount);
}

std::span<const Region> yearCalendarRegions() noexcept
{
    return std::span<const Region>(kTable).first(kYearCalendarCount);
}

const Region* regionOfCode(std::string_view code) noexcept
{
    for (const Region& r : kTable)
        if (r.code == code)
            return &r;
    return nullptr;
}

} // namespace zuv::dates
