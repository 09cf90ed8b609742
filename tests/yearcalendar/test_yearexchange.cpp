// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year's calendar file against the year's pages, and contacts into the name list.
#include "icsreader.h"
#include "icswriter.h"
#include "monthpage.h"
#include "namelist.h"
#include "recordingdialogs.h"
#include "table.h"
#include "yearexchange.h"
#include "yearpages.h"
#include "yearwindow.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <set>

namespace {

using namespace zuv::yearcal;

std::set<QDate> daysOf(const std::vector<zuv::exchange::ExportEvent>& events, const QString& category)
{
    std::set<QDate> days;
    for (const auto& e : events)
        if (e.category == category)
            days.insert(e.first);
    return days;
}

// Every holiday, birthday and critical day the file holds is one the pages show, and the
// other way round.
TEST(YearExchange, FileHoldsTheDaysThePagesShow)
{
    const std::vector<Person> people = {{QStringLiteral("Anna"), QDate(1987, 3, 14)},
                                        {QStringLiteral("Leo"), QDate(2000, 2, 29)}};
    YearProject project;
    project.year = 2027;
    project.regionCode = QStringLiteral("BY");
    project.person = people[1];
    const auto events = yearEvents(project, people);

    std::set<QDate> holidays, birthdays, critical;
    for (const MonthPage& page : buildYearDocument(project, people).months) {
        for (const auto& row : page.sheet.rows)
            for (const auto& cell : row.days)
                if (cell.has(zuv::photo::DayMarkKind::Holiday))
                    holidays.insert(QDate(2027, page.month, cell.day));
        for (const Birthday& b : page.birthdays)
            birthdays.insert(QDate(2027, page.month, b.day));
        for (const CriticalDay& c : page.criticalDays)
            critical.insert(QDate(2027, page.month, c.day));
    }
    EXPECT_EQ(daysOf(events, QStringLiteral("Feiertag")), holidays);
    EXPECT_EQ(daysOf(events, QStringLiteral("Geburtstag")), birthdays);
    EXPECT_EQ(daysOf(events, QStringLiteral("Kritischer Tag")), critical);
    EXPECT_FALSE(critical.empty());

    project.birthdays = false;
    project.criticalDays = false;
    const auto bare = yearEvents(project, people);
    EXPECT_TRUE(daysOf(bare, QStringLiteral("Geburtstag")).empty());
    EXPECT_TRUE(daysOf(bare, QStringLiteral("Kritischer Tag")).empty());
}

void makeNameTable(zuv::store::Table& names, const QString& file)
{
    for (const auto& f : zuv::people::nameListFields())
        names.addFieldDef(f.name, f.type, f.size);
    names.createDataSet();
    names.setFileName(file);
}

TEST(NameImport, ExitStatusAndWhatIsStored)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("kontakte.csv"));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Vorname;Nachname;Geburtstag\nAnna;Muster;14.03.1987\nBert;Becker;--0501\n");
    f.close();
    const QString notes = dir.filePath(QStringLiteral("notiz.txt"));
    QFile n(notes);
    ASSERT_TRUE(n.open(QIODevice::WriteOnly));
    n.write("Einkaufen: Milch, Brot\n");
    n.close();

    struct Case {
        QString file;
        int status;
        int rowsAfter;
    };
    const Case cases[] = {
        {csv, kNamesOk, 1},
        {csv, kNamesOk, 1},   // a second import finds Anna already there
        {notes, kNamesUnknownFormat, 1},
        {dir.filePath(QStringLiteral("fehlt.vcf")), kNamesUnreadable, 1},
    };
    zuv::store::Table names(QStringLiteral("CDSNamensliste"));
    makeNameTable(names, dir.filePath(QStringLiteral("Namensliste")));
    for (const Case& c : cases) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        EXPECT_EQ(runNameImport(c.file, names, out, err), c.status) << c.file.toStdString();
        EXPECT_EQ(names.rowCount(), c.rowsAfter) << c.file.toStdString();
    }
    zuv::store::Table stored(QStringLiteral("CDSNamensliste"));
    stored.setFileName(dir.filePath(QStringLiteral("Namensliste")));
    stored.loadFromFile();
    ASSERT_EQ(stored.rowCount(), 1);
    EXPECT_EQ(stored.cell(0, 1).toDate(), QDate(1987, 3, 14));
}

// Out, in, and onto the pages: the year's own file read back as appointments puts its
// events on exactly the days the pages mark as holidays, birthdays and critical days.
TEST(YearExchange, RoundTripPutsTheFileOnTheSameDays)
{
    const std::vector<Person> people = {{QStringLiteral("Anna"), QDate(1987, 3, 14)},
                                        {QStringLiteral("Leo"), QDate(2000, 2, 29)}};
    YearProject project;
    project.year = 2027;
    project.regionCode = QStringLiteral("HE");
    project.person = people[0];
    const QByteArray ics = zuv::exchange::writeIcs(yearEvents(project, people),
                                                   QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC));
    const auto back = zuv::exchange::readIcs(ics, QStringLiteral("jahr.ics"), QDate(2027, 1, 1), QDate(2027, 12, 31));
    ASSERT_TRUE(back.messages.empty());
    const YearDocument doc = buildYearDocument(project, people, back.appointments);
    for (const MonthPage& page : doc.months) {
        std::set<int> marked, listed;
        for (const auto& row : page.sheet.rows)
            for (const auto& cell : row.days)
                if (cell.has(zuv::photo::DayMarkKind::Holiday) || cell.has(zuv::photo::DayMarkKind::Birthday)
                    || cell.has(zuv::photo::DayMarkKind::CriticalDay))
                    marked.insert(cell.day);
        for (const auto& a : zuv::exchange::appointmentsInMonth(back.appointments, 2027, page.month))
            listed.insert(a.firstDay);
        EXPECT_EQ(listed, marked) << "month " << page.month;
        ASSERT_EQ(page.sheet.moreLines.size(), 1) << "month " << page.month;
        EXPECT_TRUE(page.sheet.moreLines[0].startsWith(QStringLiteral("Termine: "))) << "month " << page.month;
    }
}

// A multi-day appointment shades its days on the drawn page; the other days stay white.
TEST(YearExchange, MultiDayAppointmentIsAShadedBand)
{
    YearProject project;
    project.year = 2027;
    project.regionCode = QStringLiteral("BY");
    const std::vector<zuv::exchange::Appointment> ferien = {
        {QDate(2027, 10, 25), QDate(2027, 10, 27), QStringLiteral("Herbstferien")},
        {QDate(2027, 10, 15), QDate(2027, 10, 15), QStringLiteral("Zahnarzt")}};
    const MonthPage page = buildYearDocument(project, {}, ferien).months[9];
    const zuv::photo::CalendarReport design;
    const zuv::photo::ReportPage laid = zuv::photo::layoutMonthPage(page.sheet, design);
    ASSERT_EQ(laid.fills.size(), 3u);   // 25, 26 and 27 October
    QImage image(laid.size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        zuv::photo::renderMonthPage(painter, QRectF(QPointF(0, 0), laid.size), page.sheet, design);
    }
    // The band's top right corner holds no digit; the cell one row up (18 October) is white.
    const QRectF band = laid.fills[0].rect;
    const QPoint corner(int(band.right()) - 2, int(band.top()) + 1);
    EXPECT_EQ(image.pixel(corner), QColor(0xDD, 0xDD, 0xDD).rgb());
    const int rowHeight = int(laid.fills[0].rect.height());
    EXPECT_EQ(image.pixel(corner - QPoint(0, rowHeight + 4)), QColor(Qt::white).rgb());
}

// The window saves the year as a calendar file, and keeps appointment files in the project
// with the problems of a broken one reported.
TEST(YearWindowFiles, SavesCalendarFileAndKeepsAppointmentFiles)
{
    QTemporaryDir dir;
    zuv::testing::RecordingDialogs seam;
    const QString projectFile = dir.filePath(kProjectFileName);
    YearWindow w(projectFile, [] { return std::vector<Person>{{QStringLiteral("Anna"), QDate(1987, 3, 14)}}; },
                 [] { return zuv::photo::CalendarReport(); });
    w.openProject(2027);

    const QString ics = dir.filePath(QStringLiteral("jahr.ics"));
    seam.answer = [&](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(ics);
        return int(QDialog::Accepted);
    };
    w.findChild<QPushButton*>(QStringLiteral("SaveIcsButton"))->click();
    QFile saved(ics);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("SUMMARY:Neujahr"));
    EXPECT_TRUE(text.contains("SUMMARY:Geburtstag: Anna"));

    const QString broken = dir.filePath(QStringLiteral("ferien.ics"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:Herbstferien\nDTSTART;VALUE=DATE:20271025\n"
            "DTEND;VALUE=DATE:20271101\nEND:VEVENT\nBEGIN:VEVENT\nSUMMARY:Kaputt\nEND:VEVENT\nEND:VCALENDAR\n");
    f.close();
    seam.answer = [&](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(broken);
        return int(QDialog::Accepted);
    };
    w.AppointmentsClick();
    EXPECT_EQ(w.project().appointmentFiles, QStringList{broken});
    ASSERT_EQ(seam.infos.size(), 1);
    EXPECT_TRUE(seam.infos[0].startsWith(QStringLiteral("ferien.ics, Zeile 7:"))) << seam.infos[0].toStdString();
    EXPECT_EQ(loadProject(projectFile).appointmentFiles, QStringList{broken});
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("AppointmentsLabel"))->text(), QStringLiteral("ferien.ics"));
}

} // namespace
