// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthmarks.h"

#include "dialogs.h"
#include "krv_calendar.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <map>
#include <string>

namespace zuv::daymarks {

namespace {

using KRV_Calendar::TDayInfo;

// The region's index in the holiday calendar, or -1 for a code it does not know.
int regionIndexOf(const QString& code)
{
    const auto& codes = KRV_Calendar::kRegionCodes;
    const auto it = std::find(codes.begin(), codes.end(), code.toStdString());
    return it == codes.end() ? -1 : static_cast<int>(it - codes.begin());
}

// The days of a region's years, asked once per year.
class RegionDays {
public:
    explicit RegionDays(int region) : m_region(static_cast<std::uint8_t>(region)) {}

    const TDayInfo& day(const QDate& date)
    {
        auto it = m_years.find(date.year());
        if (it == m_years.end())
            it = m_years.emplace(date.year(), KRV_Calendar::GetYearInfo(m_region, date.year())).first;
        return it->second[static_cast<std::size_t>(date.dayOfYear() - 1)];
    }
    // A public holiday as the month grid marks it: the mark and a name.
    bool holiday(const QDate& date)
    {
        if (date.year() < 1 || date.year() > 9999)
            return false;
        const TDayInfo& info = day(date);
        return info.IsHoliday && !info.Names.empty();
    }

private:
    std::uint8_t m_region;
    std::map<int, std::vector<TDayInfo>> m_years;
};

void checkMonth(int year, int month)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        throw zuv::core::Error(
            QCoreApplication::translate("DayMarks", "Ungültiges Datum: Monat %1 im Jahr %2")
                .arg(month)
                .arg(year));
}

int checkedRegion(const QString& code)
{
    const int index = regionIndexOf(code);
    if (index < 0)
        throw zuv::core::Error(QCoreApplication::translate("DayMarks", "Unbekannte Region: %1").arg(code));
    return index;
}

std::vector<int> bridgeDays(int year, int month, RegionDays& region)
{
    std::vector<int> out;
    const QDate first(year, month, 1);
    for (QDate d = first; d.month() == month; d = d.addDays(1)) {
        // The neighbour that must be a holiday: Thursday before a Friday, Tuesday after a Monday.
        const int w = d.dayOfWeek();
        const int towardsHoliday = w == 5 ? -1 : w == 1 ? 1 : 0;
        if (towardsHoliday != 0 && !region.holiday(d) && region.holiday(d.addDays(towardsHoliday)))
            out.push_back(d.day());
    }
    return out;
}

QString twoDigits(int day)
{
    return QStringLiteral("%1.").arg(day, 2, 10, QLatin1Char('0'));
}

} // namespace

bool isSecondRegionCode(const QString& code)
{
    const int index = regionIndexOf(code);
    return index >= KRV_Calendar::CodeIndex("BU") && index <= KRV_Calendar::CodeIndex("B");
}

void checkSecondRegion(const QString& firstRegion, const QString& secondRegion)
{
    if (secondRegion.isEmpty())
        return;
    if (!isSecondRegionCode(secondRegion))
        throw zuv::core::Error(QCoreApplication::translate(
                                   "DayMarks",
                                   "Unbekannte zweite Region „%1“. Möglich sind die Kürzel der deutschen "
                                   "und österreichischen Bundesländer, z. B. BY, SN, W, T.")
                                   .arg(secondRegion));
    if (secondRegion == firstRegion)
        throw zuv::core::Error(
            QCoreApplication::translate("DayMarks",
                                        "Die zweite Region „%1“ ist dieselbe wie die erste. Wählen Sie eine "
                                        "andere Region.")
                .arg(secondRegion));
}

std::vector<int> bridgeDaysInMonth(int year, int month, const QString& regionCode)
{
    checkMonth(year, month);
    RegionDays region(checkedRegion(regionCode));
    return bridgeDays(year, month, region);
}

QString moonLine(const std::vector<zuv::astronomy::MoonEvent>& events)
{
    QStringList parts;
    for (const auto& e : events)
        parts << twoDigits(e.localDay.day()) + u' ' + zuv::astronomy::moonPhaseName(e.phase);
    return parts.isEmpty()
        ? QString()
        : QCoreApplication::translate("DayMarks", "Mondphasen: %1").arg(parts.join(QStringLiteral("  ")));
}

QString bridgeLine(const std::vector<int>& days)
{
    QStringList parts;
    for (int day : days)
        parts << twoDigits(day);
    return parts.isEmpty() ? QString()
                           : QCoreApplication::translate("DayMarks", "Brückentage: %1").arg(parts.join(u' '));
}

namespace {

MonthMarks monthMarks(int year, int month, const QString& regionName, const MarkOptions& options,
                      RegionDays& first, std::optional<RegionDays>& second,
                      const std::vector<zuv::astronomy::MoonEvent>& yearPhases)
{
    MonthMarks marks;
    marks.year = year;
    marks.month = month;
    marks.secondRegionCode = options.secondRegion;
    QString entries;
    for (QDate d(year, month, 1); d.month() == month; d = d.addDays(1)) {
        DayMarks& m = marks.days[static_cast<std::size_t>(d.day())];
        m.holiday = first.holiday(d);
        m.secondRegionOnly = !m.holiday && second && second->holiday(d);
        if (m.holiday) {
            entries += QStringLiteral("  ") + d.toString(QStringLiteral("dd."))
                + QString::fromStdString(first.day(d).Names);
        } else if (m.secondRegionOnly) {
            QString names = QString::fromStdString(second->day(d).Names);
            if (!names.endsWith(u' '))
                names += u' ';
            entries += QStringLiteral("  ") + d.toString(QStringLiteral("dd.")) + names + u'('
                + options.secondRegion + u')';
        }
    }
    if (!entries.isEmpty())
        marks.holidayLine
            = QCoreApplication::translate("DayMarks", "Feiertage in %1: %2").arg(regionName, entries);

    if (options.moonPhases) {
        const auto events = zuv::astronomy::eventsInMonth(yearPhases, year, month);
        for (const auto& e : events)
            marks.days[static_cast<std::size_t>(e.localDay.day())].moon = e.phase;
        marks.moonLine = moonLine(events);
    }
    if (options.bridgeDays) {
        const std::vector<int> days = bridgeDays(year, month, first);
        for (int day : days)
            marks.days[static_cast<std::size_t>(day)].bridgeDay = true;
        marks.bridgeLine = bridgeLine(days);
    }
    return marks;
}

} // namespace

std::array<MonthMarks, 12> buildYearMarks(int year, const QString& regionCode,
                                          const QString& regionName, const MarkOptions& options)
{
    checkMonth(year, 1);
    RegionDays first(checkedRegion(regionCode));
    checkSecondRegion(regionCode, options.secondRegion);
    std::optional<RegionDays> second;
    if (!options.secondRegion.isEmpty())
        second.emplace(checkedRegion(options.secondRegion));
    const auto phases = options.moonPhases
        ? zuv::astronomy::moonPhasesOfYear(year, zuv::astronomy::regionTimeZone(regionCode))
        : std::vector<zuv::astronomy::MoonEvent>{};
    std::array<MonthMarks, 12> out;
    for (int month = 1; month <= 12; ++month)
        out[static_cast<std::size_t>(month - 1)] =
            monthMarks(year, month, regionName, options, first, second, phases);
    return out;
}

MonthMarks buildMonthMarks(int year, int month, const QString& regionCode,
                           const QString& regionName, const MarkOptions& options)
{
    checkMonth(year, month);
    RegionDays first(checkedRegion(regionCode));
    checkSecondRegion(regionCode, options.secondRegion);
    std::optional<RegionDays> second;
    if (!options.secondRegion.isEmpty())
        second.emplace(checkedRegion(options.secondRegion));
    const auto phases = options.moonPhases
        ? zuv::astronomy::moonPhasesOfYear(year, zuv::astronomy::regionTimeZone(regionCode))
        : std::vector<zuv::astronomy::MoonEvent>{};
    return monthMarks(year, month, regionName, options, first, second, phases);
}

} // namespace zuv::daymarks
