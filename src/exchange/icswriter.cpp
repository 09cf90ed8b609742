// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "icswriter.h"

#include "dialogs.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTimeZone>
#include <libical/ical.h>

#include <memory>

namespace zuv::exchange {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dateValue(const QDate& d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    t.is_date = 1;
    return t;
}

QByteArray utf8(const QString& s)
{
    return s.toUtf8();
}

icalproperty* repeatRule(Repeat repeat)
{
    icalrecurrencetype r;
    icalrecurrencetype_clear(&r);
    r.freq = ICAL_YEARLY_RECURRENCE;
    if (repeat == Repeat::LastDayOfFebruary) {
        r.by_month[0] = 2;
        r.by_month[1] = ICAL_RECURRENCE_ARRAY_MAX;
        r.by_month_day[0] = -1;
        r.by_month_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
    }
    return icalproperty_new_rrule(r);
}

icalcomponent* eventComponent(const ExportEvent& e, const icaltimetype& stamp)
{
    icalcomponent* ev = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(ev, icalproperty_new_uid(utf8(e.uid).constData()));
    icalcomponent_add_property(ev, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(ev, icalproperty_new_dtstart(dateValue(e.first)));
    // DTEND of an all-day event is the day after the last one.
    const QDate last = e.last.isValid() && e.last >= e.first ? e.last : e.first;
    icalcomponent_add_property(ev, icalproperty_new_dtend(dateValue(last.addDays(1))));
    icalcomponent_add_property(ev, icalproperty_new_summary(utf8(e.summary).constData()));
    if (!e.description.isEmpty())
        icalcomponent_add_property(ev, icalproperty_new_description(utf8(e.description).constData()));
    if (!e.category.isEmpty())
        icalcomponent_add_property(ev, icalproperty_new_categories(utf8(e.category).constData()));
    // Whole-day marks must not block the day in a scheduling program.
    icalcomponent_add_property(ev, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (e.repeat != Repeat::None)
        icalcomponent_add_property(ev, repeatRule(e.repeat));
    return ev;
}

} // namespace

QByteArray writeIcs(const std::vector<ExportEvent>& events, const QDateTime& stamp)
{
    const QDateTime utc = stamp.toUTC();
    icaltimetype when = icaltime_from_timet_with_zone(static_cast<time_t>(utc.toSecsSinceEpoch()),
                                                      0, icaltimezone_get_utc_timezone());
    Component cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Zuvododerod//Jahreskalender//DE"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    for (const ExportEvent& e : events)
        if (e.first.isValid())
            icalcomponent_add_component(cal.get(), eventComponent(e, when));
    char* text = icalcomponent_as_ical_string_r(cal.get());
    QByteArray out(text);
    icalmemory_free_buffer(text);
    return out;
}

void saveIcs(const QString& path, const std::vector<ExportEvent>& events, const QDateTime& stamp)
{
    const QByteArray text = writeIcs(events, stamp);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw zuv::core::Error(QCoreApplication::translate(
                                   "Exchange", "Die Kalenderdatei „%1“ kann nicht geschrieben werden: %2")
                                   .arg(path, file.errorString()));
}

} // namespace zuv::exchange
