// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// HolidayCalendar: the holiday calendar as an object that owns its kept year tables.
// Two instances share nothing, so a thread that uses its own instance needs no lock;
// the functions of krv_calendar.h (GetDayInfo, GetYearInfo, BuildYear, YearTable) are a
// façade over one default instance per thread (DefaultCalendar), which makes them safe
// on the GUI thread and a PDF worker alike. One instance is not to be used by two
// threads at once.
//
//     KRV_Calendar::HolidayCalendar calendar;        // e.g. owned by a worker
//     std::vector<KRV_Calendar::TDayInfo> days;
//     calendar.GetYearInfo(KRV_Calendar::RegionIndex("BY"), 2027, days);

#include "krv_calendar.h"


namespace KRV_Calendar {

class HolidayCalendar {
public:
    // Makes nothing yet: the tables come with the first query.
    constexpr HolidayCalendar() noexcept = default;
    ~HolidayCalendar();
    HolidayCalendar(HolidayCalendar&&) noexcept;
    HolidayCalendar& operator=(HolidayCalendar&&) noexcept;
    HolidayCalendar(const HolidayCalendar&) = delete;
    HolidayCalendar& operator=(const HolidayCalendar&) = delete;

    // As the free functions of krv_calendar.h, on this instance's kept years.
    void GetDayInfo(std::uint8_t region, TDayInfo& info, double date);
    void GetYearInfo(std::uint8_t region, std::int32_t year, std::vector<TDayInfo>& days);
    void BuildYear(std::int32_t year);
    const TYear& YearTable() const noexcept;

private:
    struct Kept;
    Kept& kept();
    // Owned; on the heap so that an instance is small, null until the first query (a
    // plain pointer keeps the constructor constexpr with Kept defined out of sight).
    Kept* m_kept = nullptr;
};

// The calling thread's own instance; its tables are made on its first query and freed
// when the thread ends.
HolidayCalendar& DefaultCalendar();

} // namespace KRV_Calendar
