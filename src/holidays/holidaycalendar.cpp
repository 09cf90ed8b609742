// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "holidaycalendar.h"

#include "krv_rules.h"

#include <utility>

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

bool Holds(const TKeptYear& slot, std::int32_t year) noexcept
{
    return slot.Year == year && slot.Table.Year == year;
}

void Rebuild(TKeptYear& slot, std::int32_t year)
{
    slot.Year = 0;
    KRV_Calendar::BuildYear(slot.Table, year);
    slot.FirstSerial = DaySerial(year, 1, 1);
    slot.Length = zuv::dates::daysInYear(year);
    slot.Jan1Weekday = IsoWeekday(slot.FirstSerial);
    slot.Year = year;
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

} // namespace

// A handful of slots searched linearly: cheaper than any map at this size.
struct HolidayCalendar::Kept {
    std::array<TKeptYear, kKeptYears> Slots;
    TKeptYear* Current = &Slots[0]; // the slot asked last
    std::uint64_t Clock = 0;

    // The slot holding year, built into the least recently used slot when none does.
    TKeptYear& Acquire(std::int32_t year)
    {
        TKeptYear* chosen = nullptr;
        for (TKeptYear& slot : Slots)
            if (Holds(slot, year)) {
                chosen = &slot;
                break;
            }
        if (chosen == nullptr) {
            chosen = &Slots[0];
            for (TKeptYear& slot : Slots)
                if (slot.LastUse < chosen->LastUse)
                    chosen = &slot;
            Rebuild(*chosen, year);
        }
        chosen->LastUse = ++Clock;
        Current = chosen;
        return *chosen;
    }
};

HolidayCalendar::Kept& HolidayCalendar::kept()
{
    if (!m_kept)
        m_kept = new Kept;
    return *m_kept;
}

HolidayCalendar::~HolidayCalendar()
{
    delete m_kept;
}

HolidayCalendar::HolidayCalendar(HolidayCalendar&& other) noexcept : m_kept(std::exchange(other.m_kept, nullptr)) {}

HolidayCalendar& HolidayCalendar::operator=(HolidayCalendar&& other) noexcept
{
    if (this != &other) {
        delete m_kept;
        m_kept = std::exchange(other.m_kept, nullptr);
    }
    return *this;
}

void HolidayCalendar::GetDayInfo(std::uint8_t region, TDayInfo& info, double date)
{
    const std::int32_t serial = WholeDay(date);
    Kept& kept = this->kept();
    TKeptYear* slot = kept.Current;
    std::int32_t offset = serial - slot->FirstSerial;
    if (slot->Year == 0 || slot->Table.Year != slot->Year || offset < 0 || offset >= slot->Length) {
        slot = &kept.Acquire(DateOfSerial(serial).Year);
        offset = serial - slot->FirstSerial;
    }
    CopyDay(*slot, offset, region, info);
}

void HolidayCalendar::GetYearInfo(std::uint8_t region, std::int32_t year, std::vector<TDayInfo>& days)
{
    if (year < 1 || year > 9999)
        throw CalendarError("Jahr außerhalb des Kalenders (1 bis 9999)");
    TKeptYear& slot = kept().Acquire(year);
    days.resize(static_cast<std::size_t>(slot.Length));
    for (std::int32_t offset = 0; offset < slot.Length; ++offset)
        CopyDay(slot, offset, region, days[static_cast<std::size_t>(offset)]);
}

void HolidayCalendar::BuildYear(std::int32_t year)
{
    Kept& kept = this->kept();
    bool wasKept = false;
    for (const TKeptYear& slot : kept.Slots)
        wasKept = wasKept || Holds(slot, year);
    TKeptYear& slot = kept.Acquire(year);
    if (wasKept) // a kept year is built again, as asked
        Rebuild(slot, year);
}

const TYear& HolidayCalendar::YearTable() const noexcept
{
    static const TYear kNotBuilt;
    return m_kept ? m_kept->Current->Table : kNotBuilt;
}

namespace {
// Constant-initialised: asking for it costs no guard, and it holds no table until used.
constinit thread_local HolidayCalendar t_defaultCalendar;
} // namespace

HolidayCalendar& DefaultCalendar()
{
    return t_defaultCalendar;
}

// The façade lives here, beside the calendar it forwards to, so that the compiler can
// fold the forwarding away on the per-day path.

std::int32_t WholeDay(double date)
{
    const std::optional<std::int32_t> day = zuv::dates::dayNumber(date);
    if (!day)
        throw CalendarError("Datum außerhalb des Kalenders (01.01.0001 bis 31.12.9999)");
    return *day;
}

void GetDayInfo(std::uint8_t region, TDayInfo& info, double date)
{
    t_defaultCalendar.GetDayInfo(region, info, date);
}

void GetYearInfo(std::uint8_t region, std::int32_t year, std::vector<TDayInfo>& days)
{
    t_defaultCalendar.GetYearInfo(region, year, days);
}

std::vector<TDayInfo> GetYearInfo(std::uint8_t region, std::int32_t year)
{
    std::vector<TDayInfo> days;
    t_defaultCalendar.GetYearInfo(region, year, days);
    return days;
}

void BuildYear(std::int32_t year)
{
    t_defaultCalendar.BuildYear(year);
}

const TYear& YearTable() noexcept
{
    return t_defaultCalendar.YearTable();
}

} // namespace KRV_Calendar
