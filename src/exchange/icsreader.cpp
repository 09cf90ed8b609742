// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "icsreader.h"

#include "icsinternal.h"
#include "safefile.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <memory>

namespace zuv::exchange {

namespace {

using detail::Override;
using detail::Zones;

// Larger files are refused: a year's school holidays and family dates are a few kB.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The properties whose value decides the days; a value libical refused leaves the event out.
struct KeyProperty {
    const char* name;
    icalproperty_kind kind;
};
constexpr KeyProperty kKeyProperties[] = {
    {"DTSTART", ICAL_DTSTART_PROPERTY},   {"DTEND", ICAL_DTEND_PROPERTY},
    {"DURATION", ICAL_DURATION_PROPERTY}, {"RRULE", ICAL_RRULE_PROPERTY},
    {"RDATE", ICAL_RDATE_PROPERTY},       {"EXDATE", ICAL_EXDATE_PROPERTY},
    {"RECURRENCE-ID", ICAL_RECURRENCEID_PROPERTY},
};
constexpr std::size_t kKeyCount = std::size(kKeyProperties);

// One BEGIN:...END: block of the file, by byte offsets, with its first line.
struct Block {
    qsizetype begin = 0;
    qsizetype end = 0;
    int line = 0;
    bool closed = false;
    std::array<int, kKeyCount> keyLines{};    // first line of each key property (0: none)
    std::array<int, kKeyCount> keyCounts{};   // how many lines it has
};

struct Blocks {
    std::vector<Block> events;
    std::vector<Block> zones;
    int firstLine = 0;            // first non-empty line
    bool calendar = false;        // it is BEGIN:VCALENDAR
};

// Lines that open and close a component: never folded in practice, compared ignoring case.
bool isLine(QByteArrayView line, const char* text)
{
    line = line.trimmed();
    const auto n = static_cast<qsizetype>(std::strlen(text));
    return line.size() == n && qstrnicmp(line.data(), text, static_cast<size_t>(n)) == 0;
}

// A content line of the property name ("DTSTART;TZID=...:" or "DTSTART:").
bool isProperty(QByteArrayView line, const char* name)
{
    const auto n = static_cast<qsizetype>(std::strlen(name));
    return line.size() > n && qstrnicmp(line.data(), name, static_cast<size_t>(n)) == 0
        && (line[n] == ':' || line[n] == ';');
}

Blocks findBlocks(const QByteArray& bytes)
{
    Blocks b;
    Block* open = nullptr;
    std::vector<Block>* openList = nullptr;
    const char* closing = nullptr;
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int lineNo = 0;
    while (pos < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? bytes.size() : nl + 1;
        ++lineNo;
        const QByteArrayView line(bytes.constData() + pos, next - pos);
        if (b.firstLine == 0 && !line.trimmed().isEmpty()) {
            b.firstLine = lineNo;
            b.calendar = isLine(line, "BEGIN:VCALENDAR");
            if (!b.calendar)
                return b;
        }
        const bool beginsEvent = isLine(line, "BEGIN:VEVENT");
        const bool beginsZone = isLine(line, "BEGIN:VTIMEZONE");
        if (open && (beginsEvent || beginsZone || isLine(line, "END:VCALENDAR"))) {
            open->end = pos;   // left unclosed: reported by the caller
            open = nullptr;
        }
        if (open && isLine(line, closing)) {
            open->end = next;
            open->closed = true;
            open = nullptr;
        } else if (open && openList == &b.events) {
            for (std::size_t k = 0; k < kKeyCount; ++k)
                if (isProperty(line, kKeyProperties[k].name)) {
                    if (open->keyCounts[k]++ == 0)
                        open->keyLines[k] = lineNo;
                    break;
                }
        } else if (beginsEvent || beginsZone) {
            openList = beginsEvent ? &b.events : &b.zones;
            closing = beginsEvent ? "END:VEVENT" : "END:VTIMEZONE";
            openList->push_back({pos, bytes.size(), lineNo, false});
            open = &openList->back();
        }
        pos = next;
    }
    return b;
}

// The first key property whose lines outnumber what libical could read; -1 when all fit.
int refusedProperty(const Block& block, icalcomponent* ev)
{
    for (std::size_t k = 0; k < kKeyCount; ++k)
        if (block.keyCounts[k] > icalcomponent_count_properties(ev, kKeyProperties[k].kind))
            return static_cast<int>(k);
    return -1;
}

Component parseBlock(const QByteArray& bytes, const Block& block)
{
    const QByteArray text = bytes.mid(block.begin, block.end - block.begin);
    icalcomponent* c = icalparser_parse_string(text.constData());
    return Component(c);
}

QString summaryOf(icalcomponent* ev)
{
    const char* s = icalcomponent_get_summary(ev);
    const QString text = s ? QString::fromUtf8(s).simplified() : QString();
    return text.isEmpty() ? QStringLiteral("(ohne Titel)") : text;
}

} // namespace

QString IcsMessage::toString() const
{
    if (line <= 0)
        return QStringLiteral("%1: %2").arg(file, text);
    return QStringLiteral("%1, Zeile %2: %3").arg(file).arg(line).arg(text);
}

IcsResult readIcs(const QByteArray& bytes, const QString& fileName, const QDate& from,
                  const QDate& to, const QByteArray& zone)
{
    IcsResult result;
    auto message = [&](int line, const QString& text) { result.messages.push_back({fileName, line, text}); };

    const Blocks blocks = findBlocks(bytes);
    if (!blocks.calendar) {
        message(blocks.firstLine, QStringLiteral("Die Datei ist keine Kalenderdatei (iCalendar): "
                                                 "sie beginnt nicht mit BEGIN:VCALENDAR."));
        return result;
    }
    icaltimezone* local = icaltimezone_get_builtin_timezone(zone.constData());
    if (!local)
        local = icaltimezone_get_utc_timezone();
    Zones zones(local);
    for (const Block& z : blocks.zones) {
        if (!z.closed)
            continue;
        Component c = parseBlock(bytes, z);
        if (c && icalcomponent_isa(c.get()) == ICAL_VTIMEZONE_COMPONENT && zones.add(c.get()))
            c.release();
    }

    // Pass 1: parse; changed single occurrences are noted so their masters skip them.
    struct Parsed {
        Component event;
        const Block* block;
    };
    std::vector<Parsed> parsed;
    parsed.reserve(blocks.events.size());
    std::set<Override> overrides;
    for (const Block& b : blocks.events) {
        if (!b.closed) {
            message(b.line, QStringLiteral("Der Termin endet nicht (END:VEVENT fehlt); er fehlt im Kalender."));
            continue;
        }
        Component ev = parseBlock(bytes, b);
        if (!ev || icalcomponent_isa(ev.get()) != ICAL_VEVENT_COMPONENT) {
            message(b.line, QStringLiteral("Der Termin kann nicht gelesen werden; er fehlt im Kalender."));
            continue;
        }
        if (const int bad = refusedProperty(b, ev.get()); bad >= 0) {
            const auto k = static_cast<std::size_t>(bad);
            message(b.keyLines[k],
                    QStringLiteral("Der Termin „%1“ hat einen ungültigen Wert bei %2; er fehlt im Kalender.")
                        .arg(summaryOf(ev.get()), QString::fromLatin1(kKeyProperties[k].name)));
            continue;
        }
        if (icalproperty* rid = icalcomponent_get_first_property(ev.get(), ICAL_RECURRENCEID_PROPERTY)) {
            const char* uid = icalcomponent_get_uid(ev.get());
            const icaltimetype t = icalproperty_get_recurrenceid(rid);
            overrides.insert({uid ? uid : "", detail::momentOf(t, detail::zoneOf(rid, t, zones, nullptr))});
        }
        parsed.push_back({std::move(ev), &b});
    }

    // Pass 2: the occurrences in the window.
    for (const Parsed& p : parsed) {
        if (icalcomponent_get_status(p.event.get()) == ICAL_STATUS_CANCELLED)
            continue;
        QString warning;
        const QString problem =
            detail::expandEvent(p.event.get(), zones, overrides, from, to, result.appointments, warning);
        if (!warning.isEmpty())
            message(p.block->line, warning);
        if (!problem.isEmpty()) {
            message(p.block->keyLines[0] > 0 ? p.block->keyLines[0] : p.block->line,
                    QStringLiteral("Der Termin „%1“ %2; er fehlt im Kalender.").arg(summaryOf(p.event.get()), problem));
            continue;
        }
        ++result.events;
    }
    std::stable_sort(result.appointments.begin(), result.appointments.end(),
                     [](const Appointment& a, const Appointment& b) { return a.first < b.first; });
    return result;
}

IcsResult readIcsFiles(const QStringList& paths, const QDate& from, const QDate& to, const QByteArray& zone)
{
    IcsResult all;
    for (const QString& path : paths) {
        zuv::store::FileProblem problem = zuv::store::FileProblem::None;
        const QByteArray bytes = zuv::store::readRegularFile(path, kMaxFileBytes, problem);
        const QString name = QFileInfo(path).fileName();
        if (problem != zuv::store::FileProblem::None) {
            all.messages.push_back({name, 0, zuv::store::fileProblemMessage(path, problem)});
            continue;
        }
        IcsResult one = readIcs(bytes, name, from, to, zone);
        all.events += one.events;
        all.appointments.insert(all.appointments.end(), one.appointments.begin(), one.appointments.end());
        all.messages.insert(all.messages.end(), one.messages.begin(), one.messages.end());
    }
    std::stable_sort(all.appointments.begin(), all.appointments.end(),
                     [](const Appointment& a, const Appointment& b) { return a.first < b.first; });
    return all;
}

} // namespace zuv::exchange
