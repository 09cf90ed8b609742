// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "birthdaycalendar.h"
#include "birthdayrender.h"
#include "yeartesting.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuv::yearcal;

namespace {

const std::vector<Person> kPeople = {
    {QStringLiteral("Anna"), QDate(1974, 3, 14)},
    {QStringLiteral("Bert"), QDate(2000, 2, 29)},
    {QStringLiteral("Carl"), QDate()},               // no birth date: left out
    {QStringLiteral("  "), QDate(1990, 5, 5)},       // no name: left out
    {QStringLiteral("Dora"), QDate(1960, 3, 14)},
    {QStringLiteral("Eve"), QDate(1974, 3, 14)},
};

const BirthdayRow& row(const BirthdayCalendar& c, int month, int day)
{
    return c.months[static_cast<std::size_t>(month - 1)].rows[static_cast<std::size_t>(day - 1)];
}

TEST(BirthdayCalendar, DaysHoldTheirPeopleWithoutYearOrWeekday)
{
    const BirthdayCalendar c = buildBirthdayCalendar(kPeople);
    const struct {
        int month;
        std::size_t rows;
    } lengths[] = {{1, 31}, {2, 29}, {4, 30}, {12, 31}};
    for (const auto& l : lengths)
        EXPECT_EQ(c.months[static_cast<std::size_t>(l.month - 1)].rows.size(), l.rows) << l.month;

    EXPECT_EQ(rowText(row(c, 2, 29)), QStringLiteral("Bert (2000)"));
    EXPECT_TRUE(row(c, 2, 28).people.empty());
    // Same day: by year of birth, equal years in list order.
    EXPECT_EQ(rowText(row(c, 3, 14)), QStringLiteral("Dora (1960), Anna (1974), Eve (1974)"));
    std::size_t everybody = 0;
    for (const auto& page : c.months)
        for (const auto& r : page.rows)
            everybody += r.people.size();
    EXPECT_EQ(everybody, 4U);
    // Zodiac ranges: Wassermann from 21 January, Widder from 21 March.
    EXPECT_EQ(row(c, 1, 21).zodiacStart, QStringLiteral("Wassermann"));
    EXPECT_EQ(row(c, 3, 21).zodiacStart, QStringLiteral("Widder"));
    EXPECT_TRUE(row(c, 3, 20).zodiacStart.isEmpty());
}

TEST(BirthdayCalendar, PicturesGoToTheirMonthAndTheCover)
{
    std::array<QStringList, 12> pictures;
    pictures[0] = QStringList{QStringLiteral("/b/jan1.jpg"), QStringLiteral("/b/jan2.jpg")};
    pictures[6] = QStringList{QStringLiteral("/b/jul.jpg")};
    const BirthdayCalendar c = buildBirthdayCalendar({}, pictures);
    EXPECT_EQ(c.coverPicture, QStringLiteral("/b/jan1.jpg"));
    EXPECT_EQ(c.months[0].picture, QStringLiteral("/b/jan1.jpg"));
    EXPECT_EQ(c.months[6].picture, QStringLiteral("/b/jul.jpg"));
    EXPECT_TRUE(c.months[1].picture.isEmpty());
}

// Rows share one height in every month: 31 rows fill the space under the title (and the
// picture); February's 29 rows end two rows early.
TEST(BirthdayRender, RowsAreLaidOutOnOneGrid)
{
    EXPECT_DOUBLE_EQ(birthdayRowsTop(false), 108.0);
    EXPECT_DOUBLE_EQ(birthdayRowHeight(false), (1084.5 - 108.0) / 31);
    EXPECT_DOUBLE_EQ(birthdayRowsTop(true), 358.0);

    const BirthdayCalendar c = buildBirthdayCalendar(kPeople);
    const zuv::photo::ReportPage feb = layoutBirthdayMonth(c.months[1], {}, {});
    const zuv::photo::PageText* day29 = feb.find(kBirthdayDayName, 28);
    ASSERT_NE(day29, nullptr);
    EXPECT_EQ(day29->text, QStringLiteral("29."));
    EXPECT_DOUBLE_EQ(day29->rect.top(), 108.0 + 28 * birthdayRowHeight(false));
    const zuv::photo::PageText* bert = feb.find(kBirthdayPeopleName, 28);
    ASSERT_NE(bert, nullptr);
    EXPECT_EQ(bert->text, QStringLiteral("Bert (2000)"));
    EXPECT_EQ(feb.find(kBirthdayPeopleName, 27), nullptr);   // nobody on the 28th: room to write
    EXPECT_EQ(feb.find(kBirthdayDayName, 29), nullptr);      // no 30 February
    const zuv::photo::PageText* fische = feb.find(kBirthdayZodiacName, 19);   // Fische from 20 February
    ASSERT_NE(fische, nullptr);
    EXPECT_EQ(fische->text, QStringLiteral("♓ Fische"));
}

TEST(BirthdayRender, PagePaintsRulesAndNamesWhereLaidOut)
{
    const BirthdayCalendar c = buildBirthdayCalendar(kPeople);
    const zuv::photo::ReportPage feb = layoutBirthdayMonth(c.months[1], {}, {});
    QImage image(794, 1123, QImage::Format_RGB32);   // one image pixel per report pixel
    image.fill(Qt::gray);
    QPainter painter(&image);
    zuv::photo::render(painter, QRectF(0, 0, feb.size.width(), feb.size.height()), feb);
    painter.end();
    const double h = birthdayRowHeight(false);
    const int ruleY = static_cast<int>(108.0 + 3 * h);   // a 1-pixel rule may straddle two rows
    EXPECT_LT(std::min(qGray(image.pixel(400, ruleY)), qGray(image.pixel(400, ruleY + 1))), 160)
        << "rule under the 3rd";
    EXPECT_EQ(image.pixel(400, qRound(108.0 + 3.5 * h)), qRgb(255, 255, 255)) << "empty 4th row";
    // Below the 29th row the page stays white: no rows for 30 and 31 February.
    EXPECT_EQ(image.pixel(400, qRound(108.0 + 30 * h)), qRgb(255, 255, 255));
    // Bert's row has ink between the day column and the middle of the page.
    int ink = 0;
    const int y = qRound(108.0 + 28.5 * h);
    for (int x = 100; x < 300; ++x)
        ink += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(ink, 3);
}

TEST(BirthdayRender, PdfHasCoverAndTwelveMonths)
{
    QTemporaryDir dir;
    std::array<QStringList, 12> pictures;
    pictures[1] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("feb.jpg")), Qt::darkGreen)};
    pictures[2] = QStringList{dir.filePath(QStringLiteral("fehlt.jpg"))};
    const BirthdayCalendar c = buildBirthdayCalendar(kPeople, pictures);
    const QString pdf = dir.filePath(QStringLiteral("geburtstage.pdf"));
    std::vector<PictureProblem> problems;
    ASSERT_TRUE(writeBirthdayPdf(pdf, c, problems));
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
    EXPECT_TRUE(yeartest::pdfText(pdf, 1).contains(QStringLiteral("Geburtstagskalender")));
    const QString feb = yeartest::pdfText(pdf, 3);
    EXPECT_TRUE(feb.startsWith(QStringLiteral("Februar"))) << feb.toStdString();
    EXPECT_TRUE(feb.contains(QStringLiteral("29. Bert (2000)"))) << feb.toStdString();
    EXPECT_FALSE(feb.contains(QStringLiteral("30.")));
    EXPECT_TRUE(yeartest::pdfText(pdf, 4).contains(QStringLiteral("Dora (1960), Anna (1974), Eve (1974)")));
    ASSERT_EQ(problems.size(), 1U);   // the missing March picture costs its place only
    EXPECT_EQ(problems[0].month, 3);
}

} // namespace
