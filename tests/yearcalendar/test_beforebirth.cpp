// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Months before the person's birth: no biorhythm chart and no critical-days legend on
// those pages, said once by the window and the command line.

#include "beforebirth.h"
#include "yearcli.h"
#include "yearpages.h"
#include "yeartesting.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using namespace zuv::yearcal;

const Person kBert{QStringLiteral("Bert"), QDate(2026, 7, 29)};

TEST(BeforeBirth, OnlyMonthsEndingBeforeTheBirthday)
{
    // The month of the birth has the days from the birth on: it keeps its chart.
    const struct { int year, month; bool before; } cases[] = {
        {2026, 6, true}, {2026, 7, false}, {2025, 12, true}, {2027, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(monthEndsBeforeBirth(kBert.birthDate, c.year, c.month), c.before) << c.year << "-" << c.month;
    EXPECT_FALSE(monthEndsBeforeBirth(QDate(), 2026, 1));
}

// The command line and the PDF: chart title and legend only from the month of the birth on.
TEST(BeforeBirth, CommandLineSaysSoAndLeavesChartAndLegendOff)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
    CommandLine line;
    line.year = 2026;
    line.region = QStringLiteral("BY");
    line.person = QStringLiteral("Bert");
    line.pdf = pdf;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    ASSERT_EQ(runCommandLine(line, {kBert}, outStream, errStream), kExitOk) << err.toStdString();
    EXPECT_EQ(err.count(QStringLiteral("Hinweis: ")), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Januar bis Juni 2026 erscheinen ohne Biorhythmus"))) << err.toStdString();
    for (int month : {1, 6, 7, 12}) {
        const QString text = yeartest::pdfText(pdf, month + 1);
        const bool shown = month >= 7;
        EXPECT_EQ(text.contains(QStringLiteral("Kritische Tage von Bert")), shown) << month;
        EXPECT_EQ(text.contains(QStringLiteral("Bert")), shown) << month << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << month;   // the rest of the page is there
    }
}

} // namespace
