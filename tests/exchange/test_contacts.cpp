// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Birthdays from address book exports, and the preview of what an import would add.
#include "importpreview.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zuv::exchange;

TEST(ContactDates, WrittenForms)
{
    struct Case {
        const char* text;
        DateStatus status;
        QDate date;
    };
    const Case cases[] = {
        {"1987-03-14", DateStatus::Ok, QDate(1987, 3, 14)},            // vCard 4.0, Google
        {"19870314", DateStatus::Ok, QDate(1987, 3, 14)},              // vCard 3.0 basic form
        {"1987-03-14T00:00:00Z", DateStatus::Ok, QDate(1987, 3, 14)},  // date-time
        {"14.3.1987", DateStatus::Ok, QDate(1987, 3, 14)},             // German Outlook
        {"3/14/1987", DateStatus::Ok, QDate(1987, 3, 14)},             // US Outlook: month first
        {"--0314", DateStatus::NoYear, {}},
        {"--02-29", DateStatus::NoYear, {}},                           // a day of leap years
        {"14.03.", DateStatus::NoYear, {}},
        {"0.0.00", DateStatus::Empty, {}},                             // Outlook's "none"
        {"31.02.1990", DateStatus::Unreadable, {}},
        {"circa 1800", DateStatus::Unreadable, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseContactDate(QString::fromLatin1(c.text)), (ContactDate{c.status, c.date})) << c.text;
}

// Samples laid out as the common programs write them.
TEST(Contacts, VCardsOfPhonesAndDesktopAddressBooks)
{
    const QByteArray vcf =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Muster;Anna;;;\r\nFN:Anna Muster\r\n"
        "item1.BDAY;VALUE=date:1987-03-14\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Becker;Bert;;;\r\nBDAY:--0229\r\nEND:VCARD\r\n"        // no FN, no year
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Carla\r\n  Lang\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-07-01\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Dora\r\nBDAY:20011224T120000\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Emil ohne Tag\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n"
        "BDAY:1965-08-03\r\nEND:VCARD\r\n";
    const ContactFile f = readContacts(vcf);
    EXPECT_EQ(f.format, ContactFormat::VCard);
    EXPECT_EQ(f.withoutBirthday, 1);
    ASSERT_EQ(f.entries.size(), 5u);
    EXPECT_EQ(f.entries[0].name, QStringLiteral("Anna Muster"));
    EXPECT_EQ(f.entries[0].birthday.date, QDate(1987, 3, 14));
    EXPECT_EQ(f.entries[1].name, QStringLiteral("Bert Becker"));
    EXPECT_EQ(f.entries[1].birthday.status, DateStatus::NoYear);
    EXPECT_EQ(f.entries[2].name, QStringLiteral("Carla Lang"));   // folded line
    EXPECT_EQ(f.entries[2].birthday.status, DateStatus::NoYear);
    EXPECT_EQ(f.entries[3].birthday.date, QDate(2001, 12, 24));
    EXPECT_EQ(f.entries[3].line, 18);
    EXPECT_EQ(f.entries[4].name, QStringLiteral("Jürgen Müller"));
}

TEST(Contacts, CsvColumnsFoundByTheirHeaders)
{
    struct Case {
        const char* source;
        QByteArray csv;
        QString name;
        QDate date;
    };
    const Case cases[] = {
        {"German Outlook, Latin-1", "\"Vorname\";\"Nachname\";\"Geburtstag\"\r\n\"J\xFCrgen\";\"M\xFCller\";\"14.3.1987\"\r\n",
         QStringLiteral("Jürgen Müller"), QDate(1987, 3, 14)},
        {"US Outlook", "First Name,Middle Name,Last Name,Birthday\r\nAnna,,Smith,3/14/1987\r\n",
         QStringLiteral("Anna Smith"), QDate(1987, 3, 14)},
        {"Google", "Name,Given Name,Family Name,Birthday\nAnna Smith,Anna,Smith,1987-03-14\n",
         QStringLiteral("Anna Smith"), QDate(1987, 3, 14)},
        {"Thunderbird, German, split date",
         "Vorname,Nachname,Anzeigename,Geburtsjahr,Geburtsmonat,Geburtstag\nAnna,Smith,\"Smith, Anna\",1987,3,14\n",
         QStringLiteral("Smith, Anna"), QDate(1987, 3, 14)},
        {"quoted line break", "Name\tBirthday\n\"Anna\nSmith\"\t1987-03-14\n", QStringLiteral("Anna Smith"),
         QDate(1987, 3, 14)},
    };
    for (const Case& c : cases) {
        const ContactFile f = readContacts(c.csv);
        EXPECT_EQ(f.format, ContactFormat::Csv) << c.source;
        ASSERT_EQ(f.entries.size(), 1u) << c.source;
        EXPECT_EQ(f.entries[0].name, c.name) << c.source;
        EXPECT_EQ(f.entries[0].birthday.date, c.date) << c.source;
    }
    EXPECT_EQ(readContacts("Titel,Notiz\nA,B\n").format, ContactFormat::Unknown);
    EXPECT_EQ(readContacts("\x89PNG\r\n\x1a\n").format, ContactFormat::Unknown);
}

TEST(ImportPreview, StatusOfEveryRow)
{
    const QString longName = QStringLiteral("Maximiliane Theodora von Hohenberg-Schillingsfürst");
    ContactFile f;
    f.format = ContactFormat::Csv;
    f.withoutBirthday = 2;
    f.entries = {
        {QStringLiteral("Anna"), {DateStatus::Ok, QDate(1987, 3, 14)}, {}, 2},
        {QStringLiteral("ANNA "), {DateStatus::Ok, QDate(1987, 3, 14)}, {}, 3},   // in the list already
        {QStringLiteral("Bert"), {DateStatus::Ok, QDate(1990, 1, 1)}, {}, 4},
        {QStringLiteral("Bert"), {DateStatus::Ok, QDate(1990, 1, 1)}, {}, 5},     // twice in the file
        {QStringLiteral("Carl"), {DateStatus::NoYear, {}}, {}, 6},
        {QString(), {DateStatus::Ok, QDate(1990, 1, 1)}, {}, 7},                  // no name
        {longName, {DateStatus::Ok, QDate(1970, 5, 5)}, {}, 8},
    };
    const ImportPreview p = previewImport(f, {{QStringLiteral("anna"), QDate(1987, 3, 14)}});
    const std::vector<RowStatus> expected = {RowStatus::AlreadyThere, RowStatus::AlreadyThere, RowStatus::Add,
                                             RowStatus::AlreadyThere, RowStatus::NoYear, RowStatus::Unreadable,
                                             RowStatus::Add};
    ASSERT_EQ(p.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(p.rows[i].status, expected[i]) << i;
    EXPECT_EQ(p.rows[6].name.size(), 30);
    EXPECT_TRUE(rowStatusText(p.rows[6]).endsWith(QStringLiteral("(Name gekürzt)")));
    EXPECT_EQ(p.toAdd().size(), 2u);
    EXPECT_EQ(previewSummary(p), QStringLiteral("2 Namen neu, 3 schon vorhanden, 1 ohne Geburtsjahr übersprungen, "
                                                "1 nicht lesbar, 2 ohne Geburtstag"));
}

// The fuzz target's seeds: every entry that counts as read has a valid date.
TEST(Contacts, FuzzSeedsGiveValidDates)
{
    const QDir seeds(QStringLiteral(ZUV_TEST_DATA_DIR "/exchange/contact_seeds"));
    const QStringList files = seeds.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const ContactFile f = readContacts(file.readAll());
        EXPECT_EQ(f.format == ContactFormat::Unknown, name.startsWith(QStringLiteral("unknown"))) << name.toStdString();
        for (const ContactEntry& e : f.entries)
            EXPECT_EQ(e.birthday.status == DateStatus::Ok, e.birthday.date.isValid()) << name.toStdString();
    }
}
