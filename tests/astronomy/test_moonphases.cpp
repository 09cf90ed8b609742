// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "moonphases.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>

using namespace zuv::astronomy;

namespace {

struct Reference {
    double ut = 0;              // date value
    int phase = 0;
    std::array<int, 3> shift{}; // local day minus UT day in Berlin, Vienna, Zurich
};

// tests/data/astronomy/moon_phases_1900_2100.txt, written by tools/moon_reference with
// PyEphem and the system's time-zone database.
std::vector<Reference> readReference()
{
    QFile file(QStringLiteral(ZUV_TEST_DATA_DIR "/astronomy/moon_phases_1900_2100.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Reference> out;
    const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0), QTimeZone::utc());
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u' ');
        const QDateTime at = QDateTime::fromString(f[0] + u'T' + f[1] + u'Z', Qt::ISODate);
        Reference r;
        r.ut = static_cast<double>(zero.msecsTo(at)) / 86400000.0;
        r.phase = f[2].toInt();
        for (int z = 0; z < 3; ++z)
            r.shift[z] = f[3][z] == u'+' ? 1 : f[3][z] == u'-' ? -1 : 0;
        out.push_back(r);
    }
    return out;
}

TEST(MoonPhases, AgreeWithReferenceLibraryInEveryZone1900To2100)
{
    const std::vector<Reference> reference = readReference();
    ASSERT_GT(reference.size(), 9900U);
    const std::array<QString, 3> regions{QStringLiteral("BY"), QStringLiteral("W"), QStringLiteral("ZZH")};
    const QDate zero(1899, 12, 30);
    for (int z = 0; z < 3; ++z) {
        std::vector<MoonEvent> ours;
        for (int year = 1899; year <= 2101; ++year) {
            const auto list = moonPhasesOfYear(year, regionTimeZone(regions[z]));
            ours.insert(ours.end(), list.begin(), list.end());
        }
        const auto inRange = [&](double ut) { return ut >= reference.front().ut - 0.5 && ut <= reference.back().ut + 0.5; };
        EXPECT_EQ(std::count_if(ours.begin(), ours.end(), [&](const MoonEvent& e) { return inRange(e.ut); }),
                  static_cast<long>(reference.size()));
        int wrong = 0;
        for (const Reference& r : reference) {
            // ours is in time order: the nearest event is at or just before the first later one.
            auto it = std::lower_bound(ours.begin(), ours.end(), r.ut,
                                       [](const MoonEvent& e, double ut) { return e.ut < ut; });
            if (it == ours.end() || (it != ours.begin() && r.ut - std::prev(it)->ut < it->ut - r.ut))
                it = std::prev(it);
            const QDate expectedDay = zero.addDays(static_cast<qint64>(std::floor(r.ut)) + r.shift[z]);
            const bool ok = static_cast<int>(it->phase) == r.phase && std::abs(it->ut - r.ut) * 1440 < 2.0
                            && it->localDay == expectedDay;
            if (!ok && ++wrong <= 5)
                ADD_FAILURE() << regions[z].toStdString() << " phase " << r.phase << " expected "
                              << expectedDay.toString(Qt::ISODate).toStdString() << ", got "
                              << it->localDay.toString(Qt::ISODate).toStdString() << " off by "
                              << (it->ut - r.ut) * 1440 << " min";
        }
        EXPECT_EQ(wrong, 0) << regions[z].toStdString();
    }
}

// No reference reaches the ends of the range: there the list must still be a proper
// sequence, each phase following the one before after about a quarter lunation.
TEST(MoonPhases, StayInCycleAtTheEndsOfTheRange)
{
    for (int year : {1, 2, 5000, 9998, 9999}) {
        const auto list = moonPhasesOfYear(year, regionTimeZone(QStringLiteral("BY")));
        ASSERT_GE(list.size(), 49U) << year;
        ASSERT_LE(list.size(), 51U) << year;
        EXPECT_EQ(list.front().localDay.year(), year);
        EXPECT_EQ(list.back().localDay.year(), year);
        for (std::size_t i = 1; i < list.size(); ++i) {
            EXPECT_EQ((static_cast<int>(list[i - 1].phase) + 1) % 4, static_cast<int>(list[i].phase)) << year;
            const double gap = list[i].ut - list[i - 1].ut;
            EXPECT_GT(gap, 5.8) << year;
            EXPECT_LT(gap, 9.0) << year;
        }
    }
    EXPECT_TRUE(moonPhasesOfYear(0, regionTimeZone(QStringLiteral("BY"))).empty());
    EXPECT_TRUE(moonPhasesOfYear(10000, regionTimeZone(QStringLiteral("BY"))).empty());
}

TEST(MoonPhases, RegionsUseTheirCountrysZone)
{
    const struct {
        const char* code;
        const char* zone;
    } cases[] = {{"BY", "Europe/Berlin"}, {"BU", "Europe/Berlin"}, {"A", "Europe/Vienna"},
                 {"W", "Europe/Vienna"},  {"CH", "Europe/Zurich"}, {"TTI", "Europe/Zurich"},
                 {"XX", "Europe/Berlin"}};
    for (const auto& c : cases)
        EXPECT_EQ(regionTimeZone(QString::fromLatin1(c.code)).id(), QByteArray(c.zone)) << c.code;
}

} // namespace
