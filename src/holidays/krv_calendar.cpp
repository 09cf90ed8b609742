// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "krv_calendar.h"

#include "krv_rules.h"

#include <cmath>

namespace KRV_Calendar {

namespace {

// One built year with the calendar facts that let a query of it go without date
// conversion. Year is 0 while the slot is empty or being built.
struct TKeptYear {
    TYear Table;
    std::int32_t Year = 0;
    std::int32_t FirstSerial = 0; // 1 January
    std::int32_t Length = 0;      // 365 or 366
    std::int32_t Jan1Weekday = 0; // 1..7
    std::uint64_t LastUse = 0;    // larger is more recent
};

// A handful of slots searched linearly: cheaper than any map at this size.
struct TKeptYears {
    std::array<TKeptYear, kKeptYears> Slots;
    TKeptYear* Current = &Slots[0]; // the slot asked last
    std::uint64_t Clock = 0;
};

TKeptYears& Kept() noexcept
{
    static TKeptYears kept;
    return kept;
}

bool Holds(const TKeptYear& slot, std::int32_t year) noexcept
{
    return slot.Year == year && slot.Table.Year == year;
}

void Rebuild(TKeptYear& slot, std::int32_t year)
{
    slot.Year = 0;
    BuildYear(slot.Table, year);
    slot.FirstSerial = DaySerial(year, 1, 1);
    slot.Length = IsLeapYear(year) ? 366 : 365;
    slot.Jan1Weekday = IsoWeekday(slot.FirstSerial);
    slot.Year = year;
}

// The slot holding year, built into the least recently used slot when none does.
TKeptYear& Acquire(TKeptYears& kept, std::int32_t year)
{
    TKeptYear* chosen = nullptr;
    for (TKeptYear& slot : kept.Slots)
        if (Holds(slot, year)) {
            chosen = &slot;
            break;
        }
    if (chosen == nullptr) {
        chosen = &kept.Slots[0];
        for (TKeptYear& slot : kept.Slots)
            if (slot.LastUse < chosen->LastUse)
                chosen = &slot;
        Rebuild(*chosen, year);
    }
    chosen->LastUse = ++kept.Clock;
    kept.Current = chosen;
    return *chosen;
}

// Copies a day of slot out for region, leaving the day's week in the table as every
// query does.
void CopyDay(TKeptYear& slot, std::int32_t offset, std::uint8_t region, TDayInfo& info)
{
    const std::int32_t dayOfYear = offset + 1;
    const std::int32_t weekday = (slot.Jan1Weekday - 1 + offset) % 7 + 1;
    TDayInfo& day = slot.Table.Day(dayOfYear);
    day.Week = static_cast<std::int8_t>(IsoWeek(slot.Year, dayOfYear, weekday));

    info.Regions = day.Regions;
    info.Names = day.Names; // reuses the caller's buffer
    info.Week = day.Week;
    info.IsHoliday = region < day.Regions.size() && day.Regions.test(region);
}

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

std::int32_t WholeDay(double date)
{
    if (!std::isfinite(date) || date <= kFirstDay - 1.0 || date >= kLastDay + 1.0)
        throw CalendarError("Datum außerhalb des Kalenders (01.01.0001 bis 31.12.9999)");
    return static_cast<std::int32_t>(date); // truncates towards zero
}

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

void GetDayInfo(std::uint8_t region, TDayInfo& info, double date)
{
    const std::int32_t serial = WholeDay(date);
    TKeptYears& kept = Kept();
    TKeptYear* slot = kept.Current;
    std::int32_t offset = serial - slot->FirstSerial;
    if (slot->Year == 0 || slot->Table.Year != slot->Year || offset < 0 || offset >= slot->Length) {
        slot = &Acquire(kept, DateOfSerial(serial).Year);
        offset = serial - slot->FirstSerial;
    }
    CopyDay(*slot, offset, region, info);
}

void GetYearInfo(std::uint8_t region, std::int32_t year, std::vector<TDayInfo>& days)
{
    if (year < 1 || year > 9999)
        throw CalendarError("Jahr außerhalb des Kalenders (1 bis 9999)");
    TKeptYear& slot = Acquire(Kept(), year);
    days.resize(static_cast<std::size_t>(slot.Length));
    for (std::int32_t offset = 0; offset < slot.Length; ++offset)
        CopyDay(slot, offset, region, days[static_cast<std::size_t>(offset)]);
}

std::vector<TDayInfo> GetYearInfo(std::uint8_t region, std::int32_t year)
{
    std::vector<TDayInfo> days;
    GetYearInfo(region, year, days);
    return days;
}

void BuildYear(std::int32_t year)
{
    TKeptYears& kept = Kept();
    bool wasKept = false;
    for (const TKeptYear& slot : kept.Slots)
        wasKept = wasKept || Holds(slot, year);
    TKeptYear& slot = Acquire(kept, year);
    if (wasKept) // a kept year is built again, as asked
        Rebuild(slot, year);
}

const TYear& YearTable() noexcept
{
    return Kept().Current->Table;
}

} // namespace KRV_Calendar
