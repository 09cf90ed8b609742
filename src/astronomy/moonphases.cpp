// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "moonphases.h"

#include "krv_regions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <array>
#include <cmath>
#include <numbers>

namespace zuv::astronomy {

namespace {

// A point on the unit circle, cos + i sin of an angle. std::complex would do, but its
// multiplication guards against infinities at several times the cost.
struct Phasor {
    double re = 1, im = 0;
    friend Phasor operator*(const Phasor& a, const Phasor& b)
    {
        return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    }
};

constexpr double kDegree = std::numbers::pi / 180.0;

// One periodic term: coefficient (days) * E^ePower * sin(m*M + mp*M' + f*F + om*Omega).
struct Term {
    double coefficient;
    int ePower;
    int m, mp, f, om;
};

constexpr std::array<Term, 25> kNewMoon{{
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},   {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},  {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0}, {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},  {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},  {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

constexpr std::array<Term, 25> kFullMoon{{
    {-0.40614, 0, 0, 1, 0, 0}, {0.17302, 1, 1, 0, 0, 0},   {0.01614, 0, 0, 2, 0, 0},
    {0.01043, 0, 0, 0, 2, 0},  {0.00734, 1, -1, 1, 0, 0},  {-0.00515, 1, 1, 1, 0, 0},
    {0.00209, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0}, {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},  {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},  {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

constexpr std::array<Term, 25> kQuarter{{
    {-0.62801, 0, 0, 1, 0, 0}, {0.17172, 1, 1, 0, 0, 0},   {-0.01183, 1, 1, 1, 0, 0},
    {0.00862, 0, 0, 2, 0, 0},  {0.00804, 0, 0, 0, 2, 0},   {0.00454, 1, -1, 1, 0, 0},
    {0.00204, 2, 2, 0, 0, 0},  {-0.00180, 0, 0, 1, -2, 0}, {-0.00070, 0, 0, 1, 2, 0},
    {-0.00040, 0, 0, 3, 0, 0}, {-0.00034, 1, -1, 2, 0, 0}, {0.00032, 1, 1, 0, 2, 0},
    {0.00032, 1, 1, 0, -2, 0}, {-0.00028, 2, 2, 1, 0, 0},  {0.00027, 1, 1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1}, {-0.00005, 0, -1, 1, -2, 0}, {0.00004, 0, 0, 2, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0}, {0.00004, 0, -2, 1, 0, 0},  {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 3, 0, 0, 0},  {0.00002, 0, 0, 2, -2, 0},  {0.00002, 0, -1, 1, 2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
}};

// The quarters' extra term W: coefficient * E^ePower * cos(m*M + mp*M' + f*F), plus 0.00306.
constexpr std::array<Term, 5> kQuarterW{{
    {-0.00038, 1, 1, 0, 0, 0}, {0.00026, 0, 0, 1, 0, 0}, {-0.00002, 0, -1, 1, 0, 0},
    {0.00002, 0, 1, 1, 0, 0},  {0.00002, 0, 0, 0, 2, 0},
}};

// The planetary arguments common to all phases: coefficient * sin(a0 + a1*k [+ a2*T^2]).
struct PlanetaryTerm {
    double coefficient, a0, a1, a2;
};
constexpr std::array<PlanetaryTerm, 14> kPlanetary{{
    {0.000325, 299.77, 0.107408, -0.009173}, {0.000165, 251.88, 0.016321, 0},
    {0.000164, 251.83, 26.651886, 0},        {0.000126, 349.42, 36.412478, 0},
    {0.000110, 84.66, 18.206239, 0},         {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},         {0.000056, 154.84, 7.306860, 0},
    {0.000047, 34.52, 27.261239, 0},         {0.000042, 207.19, 0.121824, 0},
    {0.000040, 291.34, 1.844379, 0},         {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},        {0.000023, 331.55, 3.592518, 0},
}};

// Powers e^(i*n*x) for n = -4..4 of one argument, so that every term's angle is a product
// of a few phasors instead of its own sine.
struct Powers {
    std::array<Phasor, 9> p;
    explicit Powers(double degrees)
    {
        const double x = std::fmod(degrees, 360.0) * kDegree;
        p[4] = {};
        p[5] = {std::cos(x), std::sin(x)};
        for (int n = 2; n <= 4; ++n)
            p[4 + n] = p[3 + n] * p[5];
        for (int n = 1; n <= 4; ++n)
            p[4 - n] = {p[4 + n].re, -p[4 + n].im};
    }
    const Phasor& operator[](int n) const { return p[static_cast<std::size_t>(n + 4)]; }
};

struct Arguments {
    Powers m, mp, f, om;
    double e;
    Phasor of(const Term& t) const { return m[t.m] * mp[t.mp] * f[t.f] * om[t.om]; }
    double scale(const Term& t) const { return t.ePower == 0 ? 1.0 : t.ePower == 1 ? e : e * e; }
};

template <std::size_t N>
double sineSum(const std::array<Term, N>& terms, const Arguments& a)
{
    double sum = 0;
    for (const Term& t : terms)
        sum += t.coefficient * a.scale(t) * a.of(t).im;
    return sum;
}

} // namespace

QString moonPhaseName(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::New:
        return QCoreApplication::translate("Astronomy", "Neumond");
    case MoonPhase::FirstQuarter:
        return QCoreApplication::translate("Astronomy", "Erstes Viertel");
    case MoonPhase::Full:
        return QCoreApplication::translate("Astronomy", "Vollmond");
    case MoonPhase::LastQuarter:
        return QCoreApplication::translate("Astronomy", "Letztes Viertel");
    }
    return {};
}

double phaseJde(std::int64_t lunation, MoonPhase phase)
{
    const double k = static_cast<double>(lunation) + 0.25 * static_cast<int>(phase);
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3
                        + 0.00000000073 * t4;
    const Arguments a{
        Powers(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3),
        Powers(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3
               - 0.000000058 * t4),
        Powers(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3
               + 0.000000011 * t4),
        Powers(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3),
        1.0 - 0.002516 * t - 0.0000074 * t2,
    };

    double correction = 0;
    switch (phase) {
    case MoonPhase::New: correction = sineSum(kNewMoon, a); break;
    case MoonPhase::Full: correction = sineSum(kFullMoon, a); break;
    case MoonPhase::FirstQuarter:
    case MoonPhase::LastQuarter: {
        double w = 0.00306;
        for (const Term& term : kQuarterW)
            w += term.coefficient * a.scale(term) * a.of(term).re;
        correction = sineSum(kQuarter, a) + (phase == MoonPhase::FirstQuarter ? w : -w);
        break;
    }
    }
    for (const PlanetaryTerm& p : kPlanetary)
        correction += p.coefficient * std::sin(std::fmod(p.a0 + p.a1 * k + p.a2 * t2, 360.0) * kDegree);
    return mean + correction;
}

double deltaTSeconds(double y)
{
    // Piecewise polynomials, each in its own variable; the table is walked in order and the
    // first piece whose end lies beyond y applies.
    if (y < -500 || y >= 2150) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 500) {
        const double u = y / 100;
        return 10583.6 + u * (-1014.41 + u * (33.78311 + u * (-5.952053 + u * (-0.1798452
               + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600) {
        const double u = (y - 1000) / 100;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781 + u * (-0.8503463
               + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700) {
        const double t = y - 1600;
        return 120 + t * (-0.9808 + t * (-0.01532 + t / 7129));
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000)));
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436
               + t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624
               + t / 233174))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814
               + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

namespace {

// The zone's offsets over one span, looked up once: asking the zone for every event costs
// far more, above all in years where the offsets come from the zone's rule.
class ZoneOffsets {
public:
    ZoneOffsets(const QTimeZone& zone, qint64 fromMsecs, qint64 toMsecs)
        : m_first(zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(fromMsecs, QTimeZone::utc())))
    {
        const QTimeZone::OffsetDataList list =
            zone.transitions(QDateTime::fromMSecsSinceEpoch(fromMsecs, QTimeZone::utc()),
                             QDateTime::fromMSecsSinceEpoch(toMsecs, QTimeZone::utc()));
        for (const QTimeZone::OffsetData& t : list)
            m_changes.push_back({t.atUtc.toMSecsSinceEpoch(), t.offsetFromUtc});
    }
    // Seconds east of UTC at msecs (inside the span).
    int at(qint64 msecs) const
    {
        int offset = m_first;
        for (const auto& [when, value] : m_changes) {
            if (when > msecs)
                break;
            offset = value;
        }
        return offset;
    }

private:
    int m_first;
    std::vector<std::pair<qint64, int>> m_changes;
};

constexpr double kUnixEpoch = 25569.0;          // 01.01.1970 as a date value
constexpr double kMeanLunation = 29.530588861;  // days
constexpr double kLunationZero = 36530.59766;   // mean new moon of lunation 0 as a date value

qint64 msecsOf(double dateValue)
{
    return static_cast<qint64>(std::llround((dateValue - kUnixEpoch) * 86400000.0));
}

} // namespace

std::vector<MoonEvent> moonPhasesOfYear(int year, const QTimeZone& zone)
{
    std::vector<MoonEvent> events;
    if (year < 1 || year > 9999)
        return events;
    events.reserve(52);
    const QDate zero(1899, 12, 30);
    const auto start = static_cast<double>(zero.daysTo(QDate(year, 1, 1)));
    const auto end = static_cast<double>(zero.daysTo(QDate(year + 1, 1, 1)));
    // Local days differ from UT by at most a few hours, the series from the mean lunation
    // by under a day, Delta T by under three days in 1..9999: one lunation of margin.
    const ZoneOffsets offsets(zone, msecsOf(start - 2), msecsOf(end + 2));
    const auto first = static_cast<std::int64_t>(std::floor((start - kLunationZero) / kMeanLunation)) - 1;
    for (std::int64_t k = first;; ++k) {
        for (int p = 0; p < 4; ++p) {
            const auto phase = static_cast<MoonPhase>(p);
            // The series moves a phase by less than a day from its mean time, the local day
            // lies a few hours after UT and UT before TT: phases whose mean time is more than
            // three days before the year (the secular term adds up to one) cannot fall in it.
            const double kq = static_cast<double>(k) + 0.25 * p;
            if (dateValueOfJulianDay(2451550.09766 + kMeanLunation * kq) + 3.0 < start)
                continue;
            const double jde = phaseJde(k, phase);
            const double decimalYear = 2000.0 + (jde - 2451545.0) / 365.25;
            const double ut = dateValueOfJulianDay(jde) - deltaTSeconds(decimalYear) / 86400.0;
            const int offset = offsets.at(msecsOf(ut));
            const QDate local = zero.addDays(static_cast<qint64>(std::floor(ut + offset / 86400.0)));
            if (local.year() > year)
                return events;
            if (local.year() == year)
                events.push_back({phase, ut, local});
        }
    }
}

std::vector<MoonEvent> eventsInMonth(const std::vector<MoonEvent>& list, int year, int month)
{
    std::vector<MoonEvent> out;
    for (const MoonEvent& e : list)
        if (e.localDay.year() == year && e.localDay.month() == month)
            out.push_back(e);
    return out;
}

QTimeZone regionTimeZone(const QString& regionCode)
{
    using namespace KRV_Calendar;
    const std::string code = regionCode.toStdString();
    std::uint8_t index = 0;
    for (std::size_t i = 0; i < kRegionCount; ++i)
        if (kRegionCodes[i] == code)
            index = static_cast<std::uint8_t>(i);
    const TRegionMask bit = TRegionMask{1} << index;
    if (bit & kAustria)
        return QTimeZone("Europe/Vienna");
    if (bit & (kSwissCantons | Set({"CH"})))
        return QTimeZone("Europe/Zurich");
    return QTimeZone("Europe/Berlin");
}

} // namespace zuv::astronomy
