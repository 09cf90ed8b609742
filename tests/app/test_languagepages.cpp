// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The photo page and the year calendar in English: what the page shows and what the PDF
// worker writes follow the language the program started with.
#include "apptestsupport.h"
#include "ownaccesskeys.h"
#include "biopage.h"
#include "chart.h"
#include "language.h"
#include "tform1.h"
#include "tform10.h"
#include "yearcli.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

class EnglishPagesTest : public ShippedDataTest {
protected:
    void SetUp() override
    {
        ShippedDataTest::SetUp();
        ASSERT_TRUE(zuv::app::installLanguage(*QCoreApplication::instance(), zuv::app::Language::English));
    }
    void TearDown() override
    {
        zuv::app::installLanguage(*QCoreApplication::instance(), zuv::app::Language::German);
        ShippedDataTest::TearDown();
    }
};

// Expected texts: translations/zuvododerod_en.ts.
TEST_F(EnglishPagesTest, PhotoPageAndItsReportSpeakEnglish)
{
    zuv::app::TForm1 w(&fixedNow);
    w.FormCreate();
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("Button1"))->text(), QStringLiteral("Photo &1"));
    // The German box says "Februar " with a trailing blank; the English one does not.
    const auto* months = w.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    EXPECT_EQ(months->itemText(1), QStringLiteral("February"));
    const zuv::photo::CalendarReport& report = w.reportWindow().QRBildkalender;
    EXPECT_EQ(report.text(QStringLiteral("QRLabel9")).caption, QStringLiteral("Wk"));
    EXPECT_EQ(report.text(QStringLiteral("QRLabel3")).caption, QStringLiteral("Tu"));
}

// What a screen reader says of the charts is built outside any class: its texts must land in
// the context the program looks them up in.
TEST_F(EnglishPagesTest, ChartDescriptionsSpeakEnglish)
{
    zuv::app::TForm1 w(&fixedNow);
    w.FormCreate();
    const QString month = w.bioPage().DBChart1()->accessibleDescription();
    const QString day = w.bioPage().DBChart2()->accessibleDescription();
    for (const QString& german : {QStringLiteral("Nulldurchg"), QStringLiteral("Wert"),
                                  QStringLiteral("Tagesform"), QStringLiteral("Noch keine")}) {
        EXPECT_FALSE(month.contains(german)) << month.toStdString();
        EXPECT_FALSE(day.contains(german)) << day.toStdString();
    }
    EXPECT_FALSE(month.isEmpty());
}

// The command line's year calendar for Vienna: the month pages are laid out on worker
// threads, the Austrian "Jänner" becomes January, the headings and holiday line are English.
TEST_F(EnglishPagesTest, YearPdfPagesAreEnglish)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    const QString pdf = m_folder.filePath(QStringLiteral("year.pdf"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = zuv::yearcal::runCommandLine(
        zuv::yearcal::parseCommandLine({QStringLiteral("--jahreskalender"), QStringLiteral("2027"),
                                        QStringLiteral("--region"), QStringLiteral("W"),
                                        QStringLiteral("--pdf"), pdf}),
        {}, outStream, errStream);
    ASSERT_EQ(status, 0) << err.toStdString();

    QProcess run;
    run.start(pdftotext, {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"),
                          pdf, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString january = QString::fromUtf8(run.readAllStandardOutput()).simplified();
    for (const char* expected : {"January 2027", "Wk", "Tu We Th", "Holidays in Wien: 01. Neujahr"})
        EXPECT_TRUE(january.contains(QLatin1String(expected))) << expected << " not in: " << january.toStdString();
    EXPECT_FALSE(january.contains(QStringLiteral("Jänner"))) << january.toStdString();
}

// The translator gives each window's controls keys of their own as the German texts do.
TEST_F(EnglishPagesTest, NoTwoControlsShareAnAccessKey)
{
    expectOwnAccessKeys(&fixedNow);
}

} // namespace
