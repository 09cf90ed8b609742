// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The occurrences of one event in a window of dates, by their local dates.
#include "icsinternal.h"

#include <algorithm>
#include <cstring>

#include <QCoreApplication>

namespace zuv::exchange::detail {

namespace {

// Steps of a recurrence walked for one event; a rule denser than this (every minute for
// years) is cut off rather than let the pages wait.
constexpr int kMaxSteps = 20000;

QDate dateOf(const icaltimetype& t)
{
    return QDate(t.year, t.month, t.day);
}

// The local date and time of a moment.
icaltimetype localOf(time_t moment, icaltimezone* local)
{
    return icaltime_from_timet_with_zone(moment, 0, local);
}

// How long each occurrence lasts: whole days for all-day events, else seconds.
struct Length {
    int days = 1;
    qint64 seconds = 0;
};

// Reads DTEND or DURATION; an empty text when they are fine, else why not.
QString lengthOf(icalcomponent* ev, const icaltimetype& start, icaltimezone* startZone, const Zones& zones,
                 Length& len)
{
    icalproperty* endProp = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY);
    icalproperty* durProp = icalcomponent_get_first_property(ev, ICAL_DURATION_PROPERTY);
    if (endProp) {
        const icaltimetype end = icalproperty_get_dtend(endProp);
        if (icaltime_is_null_time(end) || !icaltime_is_valid_time(end) || !dateOf(end).isValid())
            return QCoreApplication::translate("Exchange", "hat ein ungültiges Ende (DTEND)");
        if (start.is_date) {
            len.days = static_cast<int>(dateOf(start).daysTo(dateOf(end)));
        } else {
            const time_t a = momentOf(start, startZone);
            const time_t b = momentOf(end, zoneOf(endProp, end, zones, nullptr));
            len.seconds = static_cast<qint64>(b) - static_cast<qint64>(a);
        }
    } else if (durProp) {
        const icaldurationtype d = icalproperty_get_duration(durProp);
        const qint64 secs = static_cast<qint64>(icaldurationtype_as_int(d));
        if (start.is_date)
            len.days = static_cast<int>(secs / 86400);
        else
            len.seconds = secs;
    } else {
        return {};   // all-day: one day; timed: a moment
    }
    if (len.days < 0 || len.seconds < 0)
        return QCoreApplication::translate("Exchange", "endet vor seinem Beginn");
    if (start.is_date && len.days == 0)
        len.days = 1;
    return {};
}

// Plain "every n years on the day of DTSTART", the commonest rule (birthdays, anniversaries):
// walked here, as the library's general iterator costs a calendar object per event.
bool plainYearly(const icalrecurrencetype& r)
{
    if (r.freq != ICAL_YEARLY_RECURRENCE || r.count != 0 || r.interval < 1 || r.rscale)
        return false;
    for (const short* by : {r.by_second, r.by_minute, r.by_hour, r.by_day, r.by_month_day, r.by_year_day,
                            r.by_week_no, r.by_month, r.by_set_pos})
        if (by[0] != ICAL_RECURRENCE_ARRAY_MAX)
            return false;
    return true;
}

struct Walk {
    icaltimetype start;        // DTSTART in its own zone
    icaltimezone* zone;        // nullptr for all-day
    Length len;
    std::set<time_t> exMoments;
    std::set<QDate> exDates;
    const std::set<Override>* overrides;
    std::string uid;
    QString summary;
    QDate from;
    QDate to;
    std::vector<Appointment>* out;

    bool excluded(const icaltimetype& s) const
    {
        if (exDates.count(dateOf(s)))
            return true;
        const time_t m = momentOf(s, zone);
        return exMoments.count(m) || overrides->count({uid, m});
    }

    // Places one occurrence starting at s; false once s lies beyond the window.
    bool place(const icaltimetype& s)
    {
        QDate first;
        QDate last;
        if (s.is_date) {
            first = dateOf(s);
            last = first.addDays(len.days - 1);
        } else {
            const time_t a = momentOf(s, zone);
            const icaltimetype la = localOf(a, localZone);
            const icaltimetype lb = localOf(a + static_cast<time_t>(len.seconds), localZone);
            first = dateOf(la);
            last = dateOf(lb);
            // An event that ends at midnight does not touch the next day.
            if (len.seconds > 0 && lb.hour == 0 && lb.minute == 0 && lb.second == 0)
                last = last.addDays(-1);
            if (last < first)
                last = first;
        }
        if (first > to)
            return false;
        // A rule denser than a day gives the same days again: placed once.
        Appointment a{first, last, summary};
        if (last >= from && !excluded(s) && (out->empty() || !(out->back() == a)))
            out->push_back(std::move(a));
        return true;
    }
    icaltimezone* localZone = nullptr;
};

// Every interval years from DTSTART; a year without the day (29 February) has none.
void walkYears(Walk& w, const icalrecurrencetype& rule, const QDate& from, const QDate& to)
{
    const int y0 = w.start.year;
    const int first = std::max(y0, from.year() - 1);
    int y = y0 + (first - y0 + rule.interval - 1) / rule.interval * rule.interval;
    const bool until = !icaltime_is_null_time(rule.until);
    for (; y <= std::min(9999, to.year() + 1); y += rule.interval) {
        if (!QDate::isValid(y, w.start.month, w.start.day))
            continue;
        icaltimetype s = w.start;
        s.year = y;
        if (until && (w.start.is_date ? icaltime_compare_date_only(s, rule.until) : icaltime_compare(s, rule.until)) > 0)
            break;
        if (!w.place(s))
            break;
    }
}

} // namespace

Zones::~Zones()
{
    for (auto& [id, z] : m_own)
        icaltimezone_free(z, 1);
}

bool Zones::add(icalcomponent* vtimezone)
{
    icalproperty* p = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
    const char* id = p ? icalproperty_get_tzid(p) : nullptr;
    if (!id || !*id || m_own.count(id))
        return false;
    icaltimezone* z = icaltimezone_new();
    if (!icaltimezone_set_component(z, vtimezone)) {
        icaltimezone_free(z, 1);
        return false;
    }
    m_own[id] = z;
    return true;
}

icaltimezone* Zones::find(const char* tzid) const
{
    if (!tzid || !*tzid)
        return nullptr;
    if (auto it = m_own.find(tzid); it != m_own.end())
        return it->second;
    if (icaltimezone* z = icaltimezone_get_builtin_timezone(tzid))
        return z;
    // Names with a publisher's prefix ("/mozilla.org/20050126_1/Europe/Berlin"): the
    // Olson name is the last two parts.
    const char* slash = std::strrchr(tzid, '/');
    if (slash && slash != tzid) {
        const char* p = slash - 1;
        while (p > tzid && *p != '/')
            --p;
        if (*p == '/' && p != slash)
            return icaltimezone_get_builtin_timezone(p + 1);
    }
    return nullptr;
}

time_t momentOf(icaltimetype t, icaltimezone* zone)
{
    if (t.is_date)
        return icaltime_as_timet_with_zone(t, icaltimezone_get_utc_timezone());
    return icaltime_as_timet_with_zone(t, zone ? zone : icaltimezone_get_utc_timezone());
}

icaltimezone* zoneOf(icalproperty* p, icaltimetype t, const Zones& zones, QString* unknown)
{
    if (t.is_date)
        return nullptr;
    if (icaltime_is_utc(t))
        return icaltimezone_get_utc_timezone();
    if (icalparameter* tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER)) {
        const char* id = icalparameter_get_tzid(tz);
        if (icaltimezone* z = zones.find(id))
            return z;
        if (unknown)
            *unknown = QString::fromUtf8(id ? id : "");
    }
    return zones.local();   // floating time: the local clock
}

QString expandEvent(icalcomponent* ev, const Zones& zones, const std::set<Override>& overrides,
                    const QDate& from, const QDate& to, std::vector<Appointment>& out, QString& warning)
{
    icalproperty* startProp = icalcomponent_get_first_property(ev, ICAL_DTSTART_PROPERTY);
    if (!startProp)
        return QCoreApplication::translate("Exchange", "hat keinen Beginn (DTSTART)");
    icaltimetype start = icalproperty_get_dtstart(startProp);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start) || !dateOf(start).isValid()
        || start.year < 1 || start.year > 9999)
        return QCoreApplication::translate("Exchange", "hat einen ungültigen Beginn (DTSTART)");
    QString unknownZone;
    Walk w;
    w.start = start;
    w.zone = zoneOf(startProp, start, zones, &unknownZone);
    w.localZone = zones.local();
    if (!unknownZone.isEmpty())
        warning = QCoreApplication::translate("Exchange",
                                              "Die Zeitzone „%1“ ist unbekannt; die Zeit gilt als Ortszeit.")
                      .arg(unknownZone);
    if (QString why = lengthOf(ev, start, w.zone, zones, w.len); !why.isEmpty())
        return why;
    const char* uid = icalcomponent_get_uid(ev);
    w.uid = uid ? uid : "";
    const char* summary = icalcomponent_get_summary(ev);
    w.summary = summary ? QString::fromUtf8(summary).simplified() : QString();
    if (w.summary.isEmpty())
        w.summary = QCoreApplication::translate("Exchange", "(ohne Titel)");
    w.overrides = &overrides;
    w.from = from;
    w.to = to;

    // A changed single occurrence is placed as it is; its master skips the original.
    const bool isOverride = icalcomponent_get_first_property(ev, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    std::set<Override> none;
    if (isOverride)
        w.overrides = &none;

    for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(ev, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype x = icalproperty_get_exdate(p);
        if (x.is_date)
            w.exDates.insert(dateOf(x));
        else
            w.exMoments.insert(momentOf(x, zoneOf(p, x, zones, nullptr)));
    }

    std::vector<Appointment> found;
    w.out = &found;
    icalproperty* ruleProp = isOverride ? nullptr : icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY);
    if (!ruleProp) {
        w.place(start);
    } else {
        const icalrecurrencetype rule = icalproperty_get_rrule(ruleProp);
        if (rule.freq == ICAL_NO_RECURRENCE)
            return QCoreApplication::translate("Exchange", "hat eine ungültige Wiederholungsregel (RRULE)");
        if (plainYearly(rule)) {
            walkYears(w, rule, from, to);
            out.insert(out.end(), found.begin(), found.end());
            return {};
        }
        icalrecur_iterator* it = icalrecur_iterator_new(rule, start);
        if (!it)
            return QCoreApplication::translate(
                "Exchange", "hat eine Wiederholungsregel (RRULE), die nicht zu seinem Beginn passt");
        // Jump close to the window: occurrences that end before it need no walk.
        const int reach = std::max(w.len.days, static_cast<int>(w.len.seconds / 86400) + 1) + 1;
        if (rule.count == 0 && dateOf(start) < from.addDays(-reach)) {
            icaltimetype jump = start;
            const QDate d = from.addDays(-reach);
            jump.year = d.year();
            jump.month = d.month();
            jump.day = d.day();
            icalrecur_iterator_set_start(it, jump);
        }
        int steps = 0;
        for (icaltimetype s = icalrecur_iterator_next(it); !icaltime_is_null_time(s);
             s = icalrecur_iterator_next(it)) {
            if (++steps > kMaxSteps) {
                warning = QCoreApplication::translate(
                              "Exchange", "Die Wiederholung ist zu dicht; nach %1 Schritten abgebrochen.")
                              .arg(kMaxSteps);
                break;
            }
            s.zone = start.zone;
            if (!w.place(s))
                break;
        }
        icalrecur_iterator_free(it);
    }
    for (icalproperty* p = isOverride ? nullptr : icalcomponent_get_first_property(ev, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(ev, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
        icaltimetype s = icaltime_is_null_time(r.time) ? r.period.start : r.time;
        if (icaltime_is_null_time(s) || !icaltime_is_valid_time(s))
            continue;
        if (!s.is_date && start.is_date)
            s.is_date = 1;
        w.place(s);
    }
    out.insert(out.end(), found.begin(), found.end());
    return {};
}

} // namespace zuv::exchange::detail
