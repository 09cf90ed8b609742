#include "krv_calendar.h"

#include "krv_rules.h"

#include <cmath>

namespace KRV_Calendar {

namespace {

// Calendar facts of the year the table holds, so that a query of that year needs no
// date conversion. Valid while Year equals the table's Year.
struct THeldYear {
    std::int32_t Year = 0;
    std::int32_t FirstSerial = 0; // 1 January
    std::int32_t Length = 0;      // 365 or 366
    std::int32_t Jan1Weekday = 0; // 1..7
};

TYear& Table() noexcept
{
    static TYear table;
    return table;
}

THeldYear& Held() noexcept
{
    static THeldYear held;
    return held;
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

void Rebuild(TYear& table, THeldYear& held, std::int32_t year)
{
    held.Year = 0;
    BuildYear(table, year);
    held.FirstSerial = DaySerial(year, 1, 1);
    held.Length = IsLeapYear(year) ? 366 : 365;
    held.Jan1Weekday = IsoWeekday(held.FirstSerial);
    held.Year = year;
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
    TYear& table = Table();
    THeldYear& held = Held();

    std::int32_t offset = serial - held.FirstSerial;
    // Rebuilding for the year already held would give the same table, so only a
    // new year (or a table rebuilt in between) is built.
    if (held.Year == 0 || table.Year != held.Year || offset < 0 || offset >= held.Length) {
        Rebuild(table, held, DateOfSerial(serial).Year);
        offset = serial - held.FirstSerial;
    }
    const std::int32_t dayOfYear = offset + 1;
    const std::int32_t weekday = (held.Jan1Weekday - 1 + offset) % 7 + 1;

    TDayInfo& day = table.Day(dayOfYear);
    // Every query stores the asked day's week in the table.
    day.Week = static_cast<std::int8_t>(IsoWeek(held.Year, dayOfYear, weekday));

    info.Regions = day.Regions;
    info.Names = day.Names; // reuses the caller's buffer
    info.Week = day.Week;
    info.IsHoliday = region < day.Regions.size() && day.Regions.test(region);
}

void BuildYear(std::int32_t year)
{
    Rebuild(Table(), Held(), year);
}

const TYear& YearTable() noexcept
{
    return Table();
}

} // namespace KRV_Calendar
