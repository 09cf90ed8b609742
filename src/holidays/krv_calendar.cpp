#include "krv_calendar.h"

#include "krv_rules.h"

#include <cmath>

namespace KRV_Calendar {

namespace {

TYear& Table() noexcept
{
    static TYear table;
    return table;
}

} // namespace

std::int32_t WholeDay(double date)
{
    if (!std::isfinite(date) || date <= kFirstDay - 1.0 || date >= kLastDay + 1.0)
        throw CalendarError("Datum außerhalb des Kalenders (01.01.0001 bis 31.12.9999)");
    return static_cast<std::int32_t>(date); // truncates towards zero
}

std::uint8_t RegionIndex(std::string_view code) noexcept
{
    std::uint8_t index = 0;
    for (std::size_t i = 0; i < kRegionCodes.size(); ++i)
        if (kRegionCodes[i] == code)
            index = static_cast<std::uint8_t>(i);
    return index;
}

void GetDayInfo(std::uint8_t region, TDayInfo& info, double date)
{
    const std::int32_t serial = WholeDay(date);
    const TDate ymd = DateOfSerial(serial);
    const std::int32_t dayOfYear = DayOfYear(ymd.Year, ymd.Month, ymd.Day);

    TYear& table = Table();
    // The asked day's week is stored before the build, which keeps weeks.
    table.Day(dayOfYear).Week =
        static_cast<std::int8_t>(IsoWeek(ymd.Year, dayOfYear, IsoWeekday(serial)));
    // A rebuild for the year already held would produce the same table.
    if (table.Year != ymd.Year)
        KRV_Calendar::BuildYear(table, ymd.Year);

    const TDayInfo& day = table.Day(dayOfYear);
    info.Regions = day.Regions;
    info.Names = day.Names; // reuses the caller's buffer
    info.Week = day.Week;
    info.IsHoliday = region < day.Regions.size() && day.Regions.test(region);
}

void BuildYear(std::int32_t year)
{
    BuildYear(Table(), year);
}

const TYear& YearTable() noexcept
{
    return Table();
}

} // namespace KRV_Calendar
