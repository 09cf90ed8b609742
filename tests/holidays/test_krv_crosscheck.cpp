// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The public holidays of the German states and Austria, 1990-2035, laid beside an
// independent source: the npm package date-holidays, its "public" days written to
// tests/data/holidays by tools/holidays_reference/make.sh. Every difference is
// listed; only the accepted ones below may remain.

#include "krv_calendar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace KRV_Calendar;

namespace {

constexpr int kFirstYear = 1990;
constexpr int kLastYear = 2035;

const char* const kCompared[] = {
    "BU", "SH", "HH", "HB", "NS", "NW", "RP", "HE", "BW", "BY", "SN", "ST", "MV", "BE",
    "BB", "TH", "SL", "A",  "V",  "T",  "K",  "Sb", "S",  "O",  "N",  "W",  "B",
};

enum class Side { OursOnly, ReferenceOnly };

// A difference that is meant: the side that has the holiday, the name it has there
// (ours as stored, the reference's as written), the regions (empty: any) and years.
struct Accepted {
    const char* why;
    Side side;
    std::string name;
    std::set<std::string> regions;
    int first = kFirstYear;
    int last = kLastYear;
};

const std::vector<Accepted>& AcceptedDifferences()
{
    static const std::vector<Accepted> accepted = {
        // The calendar names Easter Sunday and Whit Sunday a holiday everywhere; the
        // reference only where a law names them (Brandenburg).
        {"Sundays", Side::OursOnly, "Ostersonntag ", {}},
        {"Sundays", Side::OursOnly, "Pfingstsonntag ", {}},
        // Carnival Monday is kept for Nordrhein-Westfalen.
        {"Rosenmontag NW", Side::OursOnly, "Rosenmontag ", {"NW"}},
        // Assumption Day for all of Bavaria, not only its Catholic communities.
        {"Maria Himmelf. BY", Side::OursOnly, "Maria Himmelf. ", {"BY"}},
        // The reference lacks Repentance Day 1990-1994 outside Saxony, which every
        // state's law then had (struck from 1995 for the long-term care insurance).
        {"reference lacks the law", Side::OursOnly, "Buß & Bettag ",
         {"BU", "SH", "HH", "HB", "NS", "NW", "RP", "HE", "BW", "BY", "ST", "MV", "BE", "BB", "TH",
          "SL"},
         1990, 1994},
        // Berlin's one-off holiday on 17 June 2028 (75 years since the 1953 uprising),
        // asked for by a resolution of its parliament; not among the calendar's laws yet.
        {"not decided yet", Side::ReferenceOnly, "75-jähriges Jubiläum des Volksaufstands in der DDR",
         {"BE"}, 2028, 2028},
    };
    return accepted;
}

struct Difference {
    Side side;
    std::string code;
    int year;
    std::string date; // yyyy-mm-dd
    std::string name;
};

// date -> region code -> name, from the reference file.
using Reference = std::map<std::string, std::map<std::string, std::string>>;

Reference ReadReference(const std::string& path)
{
    std::ifstream in(path);
    Reference ref;
    if (!in)
        return ref;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto tab1 = line.find('\t');
        const auto tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos)
            continue;
        const std::string date = line.substr(0, tab1);
        const std::string name = line.substr(tab1 + 1, tab2 - tab1 - 1);
        std::istringstream codes(line.substr(tab2 + 1));
        std::string code;
        while (codes >> code)
            ref[date][code] = name;
    }
    return ref;
}

std::string IsoDate(int y, int m, int d)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

const Accepted* Acceptance(const Difference& diff)
{
    for (const Accepted& a : AcceptedDifferences())
        if (a.side == diff.side && diff.name.find(a.name) != std::string::npos
            && (a.regions.empty() || a.regions.count(diff.code)) && a.first <= diff.year
            && diff.year <= a.last)
            return &a;
    return nullptr;
}

} // namespace

TEST(CrossCheck, GermanStatesAndAustriaAgreeWithDateHolidays)
{
    const Reference ref = ReadReference(ZUV_TEST_DATA_DIR "/holidays/date_holidays_de_at.txt");
    ASSERT_FALSE(ref.empty()) << "reference file missing";

    std::vector<Difference> differences;
    std::vector<TDayInfo> days;
    for (const char* code : kCompared) {
        const std::uint8_t region = RegionIndex(code);
        ASSERT_TRUE(region != 0 || std::string(code) == "BU") << code;
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            GetYearInfo(region, year, days);
            int refCount = 0;
            for (std::size_t i = 0; i < days.size(); ++i) {
                const TDate date = DateOfSerial(DaySerial(year, 1, 1) + static_cast<std::int32_t>(i));
                const std::string iso = IsoDate(date.Year, date.Month, date.Day);
                const auto day = ref.find(iso);
                const bool inRef = day != ref.end() && day->second.count(code);
                refCount += inRef;
                if (days[i].IsHoliday && !inRef)
                    differences.push_back({Side::OursOnly, code, year, iso, days[i].Names});
                else if (!days[i].IsHoliday && inRef)
                    differences.push_back({Side::ReferenceOnly, code, year, iso, day->second.at(code)});
            }
            // Every region-year is in the file: at least the eight days common to all
            // (nine, less Ascension on 1 May in 2008).
            EXPECT_GE(refCount, 8) << code << ' ' << year;
        }
    }

    // The list, grouped by side, name and region with the years; unaccepted ones in full.
    std::map<std::string, std::vector<int>> accepted;
    std::vector<std::string> unaccepted;
    for (const Difference& diff : differences) {
        const std::string side = diff.side == Side::OursOnly ? "ours only     " : "reference only";
        if (const Accepted* a = Acceptance(diff))
            accepted[side + " " + a->why + ": " + a->name + " " + diff.code].push_back(diff.year);
        else
            unaccepted.push_back(side + " " + diff.code + " " + diff.date + " \"" + diff.name + "\"");
    }
    std::ostringstream list;
    list << differences.size() << " differences, " << unaccepted.size() << " not accepted\n";
    for (const auto& [what, years] : accepted)
        list << "  accepted  " << what << " (" << years.size() << " years " << years.front() << "-"
             << years.back() << ")\n";
    for (const std::string& line : unaccepted)
        list << "  NOT accepted  " << line << '\n';
    std::cout << list.str();
    EXPECT_TRUE(unaccepted.empty()) << list.str();
}
