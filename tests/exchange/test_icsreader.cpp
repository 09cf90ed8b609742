// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Events of calendar files as the days they cover, and the month page's appointment line.
#include "appointments.h"
#include "icsreader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zuv::exchange;

namespace {

QByteArray calendar(const QByteArray& events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray event(const QByteArray& lines)
{
    return "BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:T\r\n" + lines + "END:VEVENT\r\n";
}

std::vector<QDate> firstDays(const IcsResult& r)
{
    std::vector<QDate> days;
    for (const Appointment& a : r.appointments)
        days.push_back(a.first);
    return days;
}

} // namespace

// Each case: one event, the window, and the first days of the occurrences it places
// (worked out by hand from RFC 5545 and the time zone rules of the dates).
TEST(IcsReader, RecurrencesAndTimeZonesLandOnTheirLocalDays)
{
    struct Case {
        const char* name;
        QByteArray lines;
        QDate from;
        QDate to;
        std::vector<QDate> expected;
    };
    const Case cases[] = {
        {"yearly on 29 February only in leap years",
         "DTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\n", QDate(2025, 1, 1), QDate(2028, 12, 31),
         {QDate(2028, 2, 29)}},
        {"monthly with an end and an exception",
         "DTSTART;VALUE=DATE:20270115\r\nRRULE:FREQ=MONTHLY;UNTIL=20270415\r\nEXDATE;VALUE=DATE:20270315\r\n",
         QDate(2027, 1, 1), QDate(2027, 12, 31), {QDate(2027, 1, 15), QDate(2027, 2, 15), QDate(2027, 4, 15)}},
        {"weekly with a count, window in the middle",
         "DTSTART;VALUE=DATE:20261228\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n", QDate(2027, 1, 1), QDate(2027, 1, 31),
         {QDate(2027, 1, 4), QDate(2027, 1, 11)}},
        {"23:30 in New York is the next morning in Berlin",
         "DTSTART;TZID=America/New_York:20270310T233000\r\nDTEND;TZID=America/New_York:20270310T234500\r\n",
         QDate(2027, 1, 1), QDate(2027, 12, 31), {QDate(2027, 3, 11)}},
        {"UTC evening of New Year's Eve is New Year in Berlin",
         "DTSTART:20271231T233000Z\r\n", QDate(2028, 1, 1), QDate(2028, 1, 31), {QDate(2028, 1, 1)}},
        {"timed exception removes only its occurrence",
         "DTSTART;TZID=Europe/Berlin:20270301T090000\r\nRRULE:FREQ=DAILY;COUNT=3\r\n"
         "EXDATE;TZID=Europe/Berlin:20270302T090000\r\n",
         QDate(2027, 1, 1), QDate(2027, 12, 31), {QDate(2027, 3, 1), QDate(2027, 3, 3)}},
        {"yearly series started long ago",
         "DTSTART;VALUE=DATE:19500614\r\nRRULE:FREQ=YEARLY\r\n", QDate(2027, 1, 1), QDate(2027, 12, 31),
         {QDate(2027, 6, 14)}},
    };
    for (const Case& c : cases) {
        const IcsResult r = readIcs(calendar(event(c.lines)), QStringLiteral("t.ics"), c.from, c.to);
        EXPECT_TRUE(r.messages.empty()) << c.name << ": " << r.messages[0].toString().toStdString();
        EXPECT_EQ(firstDays(r), c.expected) << c.name;
    }
}

TEST(IcsReader, LengthOfAnEvent)
{
    struct Case {
        const char* name;
        QByteArray lines;
        QDate first;
        QDate last;
    };
    const Case cases[] = {
        {"all-day: DTEND is the day after", "DTSTART;VALUE=DATE:20271025\r\nDTEND;VALUE=DATE:20271031\r\n",
         QDate(2027, 10, 25), QDate(2027, 10, 30)},
        {"all-day by duration", "DTSTART;VALUE=DATE:20271025\r\nDURATION:P3D\r\n", QDate(2027, 10, 25),
         QDate(2027, 10, 27)},
        {"ends at midnight: one day", "DTSTART:20270510T220000\r\nDTEND:20270511T000000\r\n",
         QDate(2027, 5, 10), QDate(2027, 5, 10)},
        {"over midnight: two days", "DTSTART:20270510T220000\r\nDTEND:20270511T010000\r\n",
         QDate(2027, 5, 10), QDate(2027, 5, 11)},
    };
    for (const Case& c : cases) {
        const IcsResult r = readIcs(calendar(event(c.lines)), QStringLiteral("t.ics"), QDate(2027, 1, 1),
                                    QDate(2027, 12, 31));
        ASSERT_EQ(r.appointments.size(), 1u) << c.name;
        EXPECT_EQ(r.appointments[0].first, c.first) << c.name;
        EXPECT_EQ(r.appointments[0].last, c.last) << c.name;
    }
}

TEST(IcsReader, MovedOccurrenceReplacesItsOriginal)
{
    const QByteArray text = calendar(
        "BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Chor\r\nDTSTART;VALUE=DATE:20270104\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Chor (verlegt)\r\nRECURRENCE-ID;VALUE=DATE:20270111\r\n"
        "DTSTART;VALUE=DATE:20270113\r\nEND:VEVENT\r\n");
    const IcsResult r = readIcs(text, QStringLiteral("t.ics"), QDate(2027, 1, 1), QDate(2027, 1, 31));
    EXPECT_EQ(firstDays(r), (std::vector<QDate>{QDate(2027, 1, 4), QDate(2027, 1, 13), QDate(2027, 1, 18)}));
}

// A broken event is named with file and line; the good ones still count.
TEST(IcsReader, BrokenEventsAreReportedAndSkipped)
{
    struct Case {
        const char* name;
        QByteArray text;
        int line;
        int goodEvents;
    };
    const QByteArray good = event("DTSTART;VALUE=DATE:20270501\r\n");   // 5 lines
    const Case cases[] = {
        {"not a calendar", "BEGIN:VCARD\r\nFN:Anna\r\nEND:VCARD\r\n", 1, 0},
        // Lines: 1-3 header, 4-8 good event, 9 BEGIN, 10 UID, 11 SUMMARY, 12 DTSTART.
        {"bad start", calendar(good + event("DTSTART;VALUE=DATE:2027-13-45\r\n")), 12, 1},
        {"no start", calendar(good + event("DTEND;VALUE=DATE:20270502\r\n")), 9, 1},
        {"bad rule", calendar(event("DTSTART;VALUE=DATE:20270501\r\nRRULE:FREQ=SOMETIMES\r\n") + good), 8, 1},
        {"ends before it begins",
         calendar(good + event("DTSTART;VALUE=DATE:20270510\r\nDTEND;VALUE=DATE:20270501\r\n")), 12, 1},
        {"not closed", calendar(good + "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270510\r\n"), 9, 1},
    };
    for (const Case& c : cases) {
        const IcsResult r = readIcs(c.text, QStringLiteral("ferien.ics"), QDate(2027, 1, 1), QDate(2027, 12, 31));
        ASSERT_EQ(r.messages.size(), 1u) << c.name;
        EXPECT_EQ(r.messages[0].line, c.line) << c.name << ": " << r.messages[0].toString().toStdString();
        EXPECT_TRUE(r.messages[0].toString().startsWith(QStringLiteral("ferien.ics, Zeile ")));
        EXPECT_EQ(r.events, c.goodEvents) << c.name;
        EXPECT_EQ(static_cast<int>(r.appointments.size()), c.goodEvents) << c.name;
    }
}

TEST(Appointments, MonthLineClipsToTheMonthAndMergesDuplicates)
{
    const std::vector<Appointment> all = {
        {QDate(2027, 10, 25), QDate(2027, 11, 3), QStringLiteral("Herbstferien")},
        {QDate(2027, 10, 15), QDate(2027, 10, 15), QStringLiteral("Zahnarzt")},
        {QDate(2027, 10, 15), QDate(2027, 10, 15), QStringLiteral("Zahnarzt")},   // second file
    };
    const auto october = appointmentsInMonth(all, 2027, 10);
    EXPECT_EQ(appointmentLine(october), QStringLiteral("Termine: 15. Zahnarzt  25.–31. Herbstferien"));
    const auto november = appointmentsInMonth(all, 2027, 11);
    EXPECT_EQ(appointmentLine(november), QStringLiteral("Termine: 1.–3. Herbstferien"));
    const auto band = bandDays(october);
    EXPECT_FALSE(band[15]);
    EXPECT_FALSE(band[24]);
    EXPECT_TRUE(band[25]);
    EXPECT_TRUE(band[31]);
    EXPECT_EQ(appointmentLine(appointmentsInMonth(all, 2027, 12)), QString());
}

// The fuzz target's seeds: whatever they hold, the reader places only days in the window
// and names lines that exist.
TEST(IcsReader, FuzzSeedsStayInTheirWindow)
{
    const QDir seeds(QStringLiteral(ZUV_TEST_DATA_DIR "/exchange/ics_seeds"));
    const QStringList files = seeds.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile f(seeds.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const IcsResult r = readIcs(bytes, name, QDate(2027, 1, 1), QDate(2027, 12, 31));
        for (const Appointment& a : r.appointments) {
            EXPECT_LE(a.first, a.last) << name.toStdString();
            EXPECT_LE(a.first, QDate(2027, 12, 31)) << name.toStdString();
            EXPECT_GE(a.last, QDate(2027, 1, 1)) << name.toStdString();
        }
        for (const IcsMessage& m : r.messages)
            EXPECT_LE(m.line, bytes.count('\n') + 1) << name.toStdString();
    }
}
