// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar file written for a year: holidays of a region, birthdays, marked days.
#include "dialogs.h"
#include "icsreader.h"
#include "icswriter.h"
#include "yearevents.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace zuv::exchange;

namespace {

const QDateTime kStamp(QDate(2026, 12, 10), QTime(14, 0), Qt::UTC);

const std::vector<NamedDate> kPeople = {
    {QStringLiteral("Anna"), QDate(1987, 3, 14)},
    {QStringLiteral("Leo"), QDate(2000, 2, 29)},
    {QStringLiteral("Nachzügler"), QDate(2030, 1, 1)},   // born after the year
    {QStringLiteral("  "), QDate(1990, 5, 5)},           // no name
};

const ExportEvent* bySummary(const std::vector<ExportEvent>& events, const QString& summary)
{
    auto it = std::find_if(events.begin(), events.end(),
                           [&](const ExportEvent& e) { return e.summary == summary; });
    return it == events.end() ? nullptr : &*it;
}

} // namespace

// Expected days from the public holiday laws of the states (Easter 2027: 28 March).
TEST(HolidayEvents, RegionDecidesWhichDaysAreHolidays)
{
    struct Case {
        const char* region;
        QDate day;
        bool holiday;
    };
    const Case cases[] = {
        {"BY", QDate(2027, 1, 1), true},     // Neujahr everywhere
        {"BY", QDate(2027, 5, 27), true},    // Fronleichnam: Bavaria
        {"HB", QDate(2027, 5, 27), false},   //   but not Bremen
        {"BY", QDate(2027, 2, 14), false},   // Valentinstag: named, but no public holiday
    };
    for (const Case& c : cases) {
        const auto events = holidayEvents(2027, QString::fromLatin1(c.region));
        const bool found = std::any_of(events.begin(), events.end(),
                                       [&](const ExportEvent& e) { return e.first == c.day; });
        EXPECT_EQ(found, c.holiday) << c.region << " " << c.day.toString().toStdString();
    }
    const auto by = holidayEvents(2027, QStringLiteral("BY"));
    ASSERT_NE(bySummary(by, QStringLiteral("Neujahr")), nullptr);
    EXPECT_THROW(holidayEvents(2027, QStringLiteral("XX")), zuv::core::Error);
}

TEST(BirthdayEvents, ShownDayAgeAndStableUid)
{
    const auto y2027 = birthdayEvents(kPeople, 2027);
    ASSERT_EQ(y2027.size(), 2u);   // no one born after the year, no one without a name
    const ExportEvent& anna = y2027[0];
    EXPECT_EQ(anna.first, QDate(2027, 3, 14));
    EXPECT_EQ(anna.repeat, Repeat::Yearly);
    EXPECT_TRUE(anna.description.contains(QStringLiteral("40 Jahre"))) << anna.description.toStdString();
    // 29 February: on 28 February in a common year, as the month page shows it.
    EXPECT_EQ(y2027[1].first, QDate(2027, 2, 28));
    EXPECT_EQ(y2027[1].repeat, Repeat::LastDayOfFebruary);
    // Another year's export updates the same series instead of adding one.
    const auto y2028 = birthdayEvents(kPeople, 2028);
    EXPECT_EQ(y2028[0].uid, anna.uid);
    EXPECT_NE(y2028[0].uid, y2028[1].uid);
}

// Out and in again: what the reader places is what was written, the leap-day birthday on
// the last day of February in every year.
TEST(IcsRoundTrip, WrittenEventsReadBackOnTheSameDays)
{
    std::vector<ExportEvent> events = holidayEvents(2027, QStringLiteral("BY"));
    const auto birthdays = birthdayEvents(kPeople, 2027);
    events.insert(events.end(), birthdays.begin(), birthdays.end());
    const QByteArray ics = writeIcs(events, kStamp);
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20270101\r\n"));
    EXPECT_TRUE(ics.contains("DTSTAMP:20261210T140000Z"));

    const IcsResult back = readIcs(ics, QStringLiteral("out.ics"), QDate(2027, 1, 1), QDate(2028, 12, 31));
    EXPECT_TRUE(back.messages.empty());
    EXPECT_EQ(back.events, static_cast<int>(events.size()));
    for (const ExportEvent& e : events)
        EXPECT_NE(std::find(back.appointments.begin(), back.appointments.end(),
                            Appointment{e.first, e.last, e.summary}),
                  back.appointments.end())
            << e.summary.toStdString();
    const Appointment leo2028{QDate(2028, 2, 29), QDate(2028, 2, 29), QStringLiteral("Geburtstag: Leo")};
    EXPECT_NE(std::find(back.appointments.begin(), back.appointments.end(), leo2028), back.appointments.end());
}

// A real calendar client reads the file: khal imports it into a calendar of its own.
TEST(IcsRoundTrip, KhalImportsAndListsHolidayAndBirthday)
{
    const QString khal = QStandardPaths::findExecutable(QStringLiteral("khal"));
    if (khal.isEmpty())
        GTEST_SKIP() << "khal is not installed (tools/deps.sh installs it)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("cal"));
    QFile config(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("[calendars]\n[[zuv]]\npath = %1\ntype = calendar\n"
                                "[sqlite]\npath = %2\n"
                                "[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                                "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                                "longdatetimeformat = %Y-%m-%d %H:%M\n"
                                "[default]\ndefault_calendar = zuv\n")
                     .arg(dir.filePath(QStringLiteral("cal")), dir.filePath(QStringLiteral("khal.db")))
                     .toUtf8());
    config.close();
    std::vector<ExportEvent> events = holidayEvents(2027, QStringLiteral("BY"));
    const auto birthdays = birthdayEvents(kPeople, 2027);
    events.insert(events.end(), birthdays.begin(), birthdays.end());
    const QString icsPath = dir.filePath(QStringLiteral("jahr.ics"));
    saveIcs(icsPath, events, kStamp);

    auto run = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
        p.setProcessEnvironment(env);
        p.start(khal, QStringList{QStringLiteral("-c"), config.fileName()} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    run({QStringLiteral("import"), QStringLiteral("--batch"), QStringLiteral("-a"), QStringLiteral("zuv"), icsPath});
    // A second import updates by UID: the listing below holds each event once.
    run({QStringLiteral("import"), QStringLiteral("--batch"), QStringLiteral("-a"), QStringLiteral("zuv"), icsPath});
    const QString listed = run({QStringLiteral("list"), QStringLiteral("--format"),
                                QStringLiteral("{start-date} {title}"), QStringLiteral("2027-01-01"),
                                QStringLiteral("2027-03-31")});
    EXPECT_EQ(listed.count(QStringLiteral("2027-01-01 Neujahr")), 1) << listed.toStdString();
    EXPECT_EQ(listed.count(QStringLiteral("2027-03-14 Geburtstag: Anna")), 1) << listed.toStdString();
    EXPECT_EQ(listed.count(QStringLiteral("2027-02-28 Geburtstag: Leo")), 1) << listed.toStdString();
}
