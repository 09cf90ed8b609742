// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The biorhythm page: refresh flows with their messages and focus, the picker's change,
// the name box, the layout and the drawn month chart.

#include "biopage.h"
#include "biorhythm.h"
#include "chartrender.h"
#include "daypicker.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "namelist.h"
#include "pagelayout.h"
#include "pagewidgets.h"
#include "programfolder.h"
#include "tform3.h"
#include "zodiac.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include "biotesting.h"
#include "zodiacfolder.h"

#include <gtest/gtest.h>

namespace {

using zuv::bio::testing::RecordingDialogs;
using zuv::testing::makeProgramFolder;


const QDate kToday(2024, 6, 15);   // a Saturday

class BioPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        makeProgramFolder(m_dir.path());
        zuv::core::setProgramFolder(m_dir.path());
        zuv::store::openOrCreate(names, zuv::people::kNameListFile, zuv::people::nameListFields());
        page = std::make_unique<zuv::bio::BioPage>(month, bio, percent, names);
        page->initialise(kToday);
        page->Button4Click();
    }
    void TearDown() override
    {
        page.reset();
        zuv::core::setProgramFolder(QString());
    }

    // Shows the page as the active window so that focus moves are real.
    void activate()
    {
        page->show();
        QApplication::setActiveWindow(page.get());
        page->activateWindow();
        QApplication::processEvents();
    }
    QString title() const { return page->DBChart1()->model().title.join(QLatin1Char('|')); }
    void selectMonth(int month) { page->ComboBox4()->setCurrentIndex(month - 1); }
    void setYear(int year) { page->UpDown5()->setPosition(year); }
    void setBirth(const QString& text) { page->MaskEdit1()->setText(text); }

    QTemporaryDir m_dir;
    RecordingDialogs dialogs;
    zuv::bio::BioMonthModel month;
    zuv::store::Table bio{QStringLiteral("CLDSBio")};
    zuv::store::Table percent{QStringLiteral("CLDProzent")};
    zuv::store::Table names{QStringLiteral("CDSNamensliste")};
    std::unique_ptr<zuv::bio::BioPage> page;
};

TEST_F(BioPageTest, StartShowsTheCurrentMonthWithTodayAsBirthDate)
{
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(';').toStdString();
    EXPECT_EQ(page->MaskEdit1()->text(), QStringLiteral("15.06.2024"));
    EXPECT_EQ(page->LabeledEdit1()->text(), QStringLiteral("2024"));
    EXPECT_EQ(page->ComboBox4()->currentText(), QStringLiteral("Juni"));
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Juni 2024 (  )"));
    EXPECT_EQ(page->DBChart1()->model().bottom.title, QStringLiteral("Tage im Monat Juni 2024"));
    EXPECT_EQ(bio.rowCount(), 30);
    ASSERT_EQ(percent.rowCount(), 1);
    for (int f = 1; f <= 4; ++f)
        EXPECT_EQ(percent.cell(0, f).toDouble(), 0.0);
    EXPECT_EQ(page->Label4()->text(), QStringLiteral("Samstag"));
    EXPECT_EQ(page->Label3()->text(), QStringLiteral("Zwillinge\n21.5.- 21.6."));
    EXPECT_EQ(page->DTP1()->minimumDate(), QDate(2024, 6, 1));
    EXPECT_EQ(page->DTP1()->maximumDate(), QDate(2024, 6, 30));
    // The day chart's title is written by a change of the picker only.
    EXPECT_TRUE(page->DBChart2()->model().title.join(QString()).isEmpty());
    EXPECT_EQ(page->DBChart1()->model().series[0].points.size(), 30u);
    EXPECT_EQ(page->DBChart2()->model().series[0].points.size(), 1u);
    EXPECT_TRUE(QFile::exists(zuv::core::programPath(QStringLiteral("BioTab/Koerper"))));
    EXPECT_TRUE(QFile::exists(zuv::core::programPath(QStringLiteral("BioTab/Prozente"))));
}

TEST_F(BioPageTest, InvalidBirthDatesAreRefusedAndFocusGoesToTheField)
{
    activate();
    const QString before = title();
    for (const QString& text : {QStringLiteral("31.02.2000"), QString()}) {
        setBirth(QStringLiteral("15.06.2024"));
        page->ComboBox4()->setFocus();
        dialogs.infos.clear();
        setBirth(text);
        selectMonth(3);
        page->Button4Click();
        EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Geben Sie ein Geburtsdatum ein.")})
            << text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), page->MaskEdit1());
        EXPECT_EQ(title(), before);
        EXPECT_EQ(bio.rowCount(), 30);
    }
}

TEST_F(BioPageTest, MonthOfTheBirthYearBeforeTheBirthIsRefused)
{
    activate();
    // Juni 1990 accepted, with negative ages before the 15th.
    setBirth(QStringLiteral("15.06.1990"));
    setYear(1990);
    selectMonth(6);
    page->Button4Click();
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Juni 1990 (  )"));
    ASSERT_EQ(bio.rowCount(), 30);
    EXPECT_EQ(bio.cell(0, 0).toDate(), QDate(1990, 6, 1));
    EXPECT_EQ(bio.cell(0, 2).toDouble(), zuv::bio::cycleValue(-14, 28));
    EXPECT_EQ(bio.cell(14, 1).toDouble(), 0.0);
    // The picker came from 15.06.2024 and stops at the month's last day.
    EXPECT_EQ(page->DTP1()->date(), QDate(1990, 6, 30));
    EXPECT_EQ(page->Label4()->text(), QStringLiteral("Samstag"));

    // März 1990 refused; nothing recomputed.
    page->MaskEdit1()->setFocus();
    selectMonth(3);
    page->Button4Click();
    EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Datum liegt vor der Geburt")});
    EXPECT_EQ(QApplication::focusWidget(), page->ComboBox4());
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Juni 1990 (  )"));
    EXPECT_EQ(bio.cell(0, 0).toDate(), QDate(1990, 6, 1));

    // März 1989 accepted: every age negative.
    dialogs.infos.clear();
    setYear(1989);
    page->Button4Click();
    EXPECT_TRUE(dialogs.infos.isEmpty());
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat März 1989 (  )"));
    ASSERT_EQ(bio.rowCount(), 31);
    EXPECT_EQ(page->DTP1()->date(), QDate(1989, 3, 31));
    EXPECT_EQ(percent.rowCount(), 1);
}

TEST_F(BioPageTest, RefusedRefreshHasAlreadyMovedThePickerToTheBirthDate)
{
    page->DTP1()->setDate(QDate(2024, 6, 3));
    setBirth(QStringLiteral("10.06.2024"));
    selectMonth(5);
    page->Button4Click();
    EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Datum liegt vor der Geburt")});
    EXPECT_EQ(page->DTP1()->date(), QDate(2024, 6, 10));
}

TEST_F(BioPageTest, PickerChangeWritesTheDayTitleWithSevenSpaces)
{
    page->DTP1()->setDate(QDate(2024, 6, 24));
    page->DTP1Change();
    EXPECT_EQ(page->DBChart2()->model().title,
              QStringList{QStringLiteral("       24.06.2024")});
    EXPECT_EQ(page->Label4()->text(), QStringLiteral("Montag"));
    ASSERT_EQ(percent.rowCount(), 1);
    EXPECT_EQ(percent.cell(0, 1).toDouble(), zuv::bio::cycleValue(9, 23));
    EXPECT_EQ(percent.cell(0, 2).toDouble(), zuv::bio::cycleValue(9, 28));
}

TEST_F(BioPageTest, PickerBeforeTheBirthDateMovesToIt)
{
    setBirth(QStringLiteral("15.06.1990"));
    setYear(1990);
    page->Button4Click();
    page->DTP1()->setDate(QDate(1990, 6, 3));
    page->DTP1Change();
    EXPECT_EQ(page->DTP1()->date(), QDate(1990, 6, 15));
    ASSERT_EQ(percent.rowCount(), 1);
    for (int f = 1; f <= 4; ++f)
        EXPECT_EQ(percent.cell(0, f).toDouble(), 0.0);
}

TEST_F(BioPageTest, PickerChangeWithTheBirthAfterTheMonthShowsTheRangeMessage)
{
    setBirth(QStringLiteral("15.06.1990"));
    setYear(1989);
    selectMonth(3);
    page->Button4Click();
    const QStringList dayTitle = page->DBChart2()->model().title;
    page->DTP1Change();
    EXPECT_EQ(dialogs.errors,
              QStringList{QStringLiteral("Datum überschreitet das Maximum von 31.03.1989")});
    EXPECT_EQ(page->DBChart2()->model().title, dayTitle);
    EXPECT_EQ(page->DTP1()->date(), QDate(1989, 3, 31));
}

TEST_F(BioPageTest, PickerChangeWithAnInvalidBirthDateStops)
{
    setBirth(QStringLiteral("  .  .2000"));
    page->DTP1Change();
    EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Geben Sie ein Geburtsdatum ein.")});
    EXPECT_TRUE(page->DBChart2()->model().title.join(QString()).isEmpty());
}

TEST_F(BioPageTest, YearsBeforeOneHundredReachTheErrorBox)
{
    setBirth(QStringLiteral("01.01.0040"));
    setYear(50);
    page->Button4Click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("01.06.0050")))
        << dialogs.errors[0].toStdString();
    // The page keeps working afterwards.
    setBirth(QStringLiteral("01.01.2000"));
    setYear(2024);
    page->Button4Click();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Juni 2024 (  )"));
}

TEST_F(BioPageTest, MonthBoxAndYearArrowsRefreshAtOnce)
{
    setBirth(QStringLiteral("01.01.2000"));
    selectMonth(2);
    page->ComboBox4Select();
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Februar 2024 (  )"));
    EXPECT_EQ(bio.rowCount(), 29);
    EXPECT_EQ(page->DTP1()->date(), QDate(2024, 2, 29));

    page->UpDown5()->upButton()->click();
    EXPECT_EQ(page->LabeledEdit1()->text(), QStringLiteral("2025"));
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Februar 2025 (  )"));
    EXPECT_EQ(bio.rowCount(), 28);
    // The old day lies before the new month: the picker takes its first day.
    EXPECT_EQ(page->DTP1()->date(), QDate(2025, 2, 1));

    setYear(9999);
    page->UpDown5()->upButton()->click();
    EXPECT_EQ(page->LabeledEdit1()->text(), QStringLiteral("9999"));
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Februar 9999 (  )"));
}

TEST_F(BioPageTest, NameInTheTitleAndPrintColoursForTheCalendar)
{
    page->ComboBox3()->setEditText(QStringLiteral("Anna"));
    page->CheckBox4()->setChecked(true);
    const auto b = zuv::bio::monthBounds(2023, 12);
    page->BiorhtClick(2023, 12, b.first, b.last, QDate(1980, 1, 1), zuv::bio::ChartColours::Print);
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Dezember 2023 ( Anna )"));
    const auto& m = page->DBChart1()->model();
    EXPECT_EQ(m.gradientStart, QColor(Qt::white));
    EXPECT_EQ(m.bottom.labelColor, QColor(Qt::black));
    QColor c;
    page->DBChart1GetAxisLabel(zuv::charts::AxisId::Bottom, QStringLiteral("Mo 04"), c);
    EXPECT_EQ(c, QColor(Qt::black));
    page->DBChart1GetAxisLabel(zuv::charts::AxisId::Bottom, QStringLiteral("So 03"), c);
    EXPECT_EQ(c, QColor(Qt::red));
    // The picker's day lies outside the calendar's month: no bars.
    EXPECT_EQ(percent.rowCount(), 0);

    page->Button4Click();
    EXPECT_EQ(page->DBChart1()->model().gradientStart, QColor(0, 0, 0xFF));
    page->DBChart1GetAxisLabel(zuv::charts::AxisId::Bottom, QStringLiteral("Mo 04"), c);
    EXPECT_EQ(c, QColor(Qt::white));
    page->DBChart1GetAxisLabel(zuv::charts::AxisId::Bottom, QStringLiteral("Sa 02"), c);
    EXPECT_EQ(c, QColor(0xFF, 0xFF, 0x00));
    c = QColor(Qt::blue);
    page->DBChart1GetAxisLabel(zuv::charts::AxisId::Left, QStringLiteral("So"), c);
    EXPECT_EQ(c, QColor(Qt::blue));
}

TEST_F(BioPageTest, ChoosingANameFillsTheBirthDateOrSaysThereIsNone)
{
    names.append();
    names.setValue(zuv::people::kNameField, QStringLiteral("Ohne"));
    names.post();
    names.append();
    names.setValue(zuv::people::kNameField, QStringLiteral("Berta"));
    names.setValue(zuv::people::kBirthDateField, QDate(1975, 8, 24));
    names.post();
    ASSERT_EQ(page->ComboBox3()->count(), 2);

    page->ComboBox3()->setCurrentIndex(0);
    page->ComboBox3Select();
    EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Kein Geburtsdatum")});
    EXPECT_EQ(page->MaskEdit1()->text(), QStringLiteral("15.06.2024"));

    page->ComboBox3()->setCurrentIndex(1);
    page->ComboBox3Select();
    EXPECT_EQ(page->MaskEdit1()->text(), QStringLiteral("24.08.1975"));
    EXPECT_EQ(page->Label3()->text(), QStringLiteral("Jungfrau\n24.8.- 22.9."));
    EXPECT_TRUE(page->Image3()->isVisibleTo(page.get()));
    EXPECT_FALSE(page->Image2()->isVisibleTo(page.get()));

    page->ComboBox3DblClick();
    EXPECT_EQ(page->ComboBox3()->currentIndex(), -1);
    EXPECT_TRUE(page->ComboBox3()->currentText().isEmpty());
    EXPECT_EQ(page->MaskEdit1()->text(), QStringLiteral("24.08.1975"));
}

TEST_F(BioPageTest, NameListLinkOpensTheNameListWindow)
{
    page->StaticText5Click();   // no window set: nothing happens
    zuv::people::TForm3 window(&names);
    page->setNameListWindow(&window);
    EXPECT_FALSE(window.isVisible());
    page->StaticText5Click();
    EXPECT_TRUE(window.isVisible());
    window.close();
}

TEST_F(BioPageTest, LeavingTheBirthDateShowsItsSignOrAsksForADate)
{
    setBirth(QStringLiteral("21.01.2001"));
    page->MaskEdit1Exit();
    EXPECT_EQ(page->Label3()->text(), QStringLiteral("Wassermann\n21.1.- 19.2."));
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Juni 2024 (  )"));

    activate();
    page->ComboBox4()->setFocus();
    setBirth(QStringLiteral("31.02.2000"));
    page->MaskEdit1Exit();
    EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("Geben Sie ein Geburtsdatum ein.")});
    EXPECT_EQ(QApplication::focusWidget(), page->MaskEdit1());

    page->Image2Click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(page->Label3()->text(), QStringLiteral("Wassermann\n21.1.- 19.2."));
}

TEST_F(BioPageTest, MissingZodiacTextReachesTheErrorBox)
{
    QFile::remove(QDir(m_dir.path()).filePath(QStringLiteral("TZeichen/Steinbock.rtf")));
    setBirth(QStringLiteral("01.01.2000"));
    page->Button4Click();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(title(), QStringLiteral("Zuvododerod für Monat Juni 2024 (  )"));
    EXPECT_EQ(bio.cell(0, 0).toDate(), QDate(2024, 6, 1));
}

TEST_F(BioPageTest, BirthDateFieldMaskAndYearRule)
{
    auto* edit = static_cast<zuv::widgets::MaskEdit*>(page->MaskEdit1());
    edit->setText(QString());
    EXPECT_EQ(edit->displayText(), QStringLiteral("  .  .    "));
    EXPECT_FALSE(edit->yearComplete());
    edit->setText(QStringLiteral("  .  .2000"));
    EXPECT_TRUE(edit->yearComplete());
    edit->setText(QStringLiteral("12.03.19"));
    EXPECT_FALSE(edit->yearComplete());
    edit->setText(QStringLiteral("12.03.1999123"));
    EXPECT_EQ(edit->displayText(), QStringLiteral("12.03.1999"));
}

TEST_F(BioPageTest, BirthDateFieldRefusesToBeLeftWithoutYear)
{
    activate();
    auto* edit = page->MaskEdit1();
    edit->setFocus();
    edit->setText(QString());
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, QStringLiteral("1203"));
    ASSERT_TRUE(edit->isModified());
    page->ComboBox4()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.errors, QStringList{zuv::widgets::MaskEdit::refusalMessage()});
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST_F(BioPageTest, ControlsSitWhereTheDesignPutsThem)
{
    struct Case { const char* name; QRect rect; };
    // Design positions of the name box column, the zodiac sign and the day form.
    const Case cases[] = {
        {"CheckBox4", {16, 309, 121, 17}}, {"ComboBox3", {16, 344, 106, 21}},
        {"StaticText5", {16, 416, 137, 49}}, {"Label3", {243, 310, 76, 27}},
        {"Image2", {248, 344, 65, 41}}, {"Image3", {256, 344, 49, 65}},
        {"Shape1", {320, 312, 1, 153}}, {"RichEdit1", {328, 312, 321, 153}},
        {"StaticText1", {712, 316, 89, 17}}, {"Label4", {651, 338, 61, 13}},
        {"DTP1", {720, 334, 81, 19}}, {"DBChart2", {664, 368, 137, 89}},
    };
    for (const Case& c : cases) {
        auto* w = page->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
    }
    auto* chart = page->findChild<QWidget*>(QStringLiteral("DBChart1"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->size(), QSize(793, 287));
    for (const char* name : {"Panel28", "Label28", "MaskEdit1", "Label29", "ComboBox4",
                             "LabeledEdit1", "UpDown5", "Button4"})
        EXPECT_NE(page->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    // No two controls overlap, except the two zodiac picture slots.
    const auto& layout = zuv::bio::pageLayout();
    for (size_t i = 0; i < layout.size(); ++i) {
        for (size_t j = i + 1; j < layout.size(); ++j) {
            if (layout[i].name.startsWith(QLatin1String("Image"))
                && layout[j].name.startsWith(QLatin1String("Image")))
                continue;
            EXPECT_FALSE(layout[i].rect.intersects(layout[j].rect))
                << layout[i].name.toStdString() << " / " << layout[j].name.toStdString();
        }
    }
}

TEST_F(BioPageTest, MonthChartDrawsTheZeroLineAndTheXorMarker)
{
    setBirth(QStringLiteral("01.01.2000"));
    page->DTP1()->setDate(QDate(2024, 6, 11));
    page->Button4Click();
    const auto* chart = page->DBChart1();
    const QImage drawn = chart->toImage();
    QImage plain(drawn.size(), QImage::Format_RGB32);
    plain.fill(Qt::white);
    zuv::charts::ChartLayout layout;
    {
        QPainter p(&plain);
        layout = zuv::charts::render(p, plain.rect(), chart->model());
    }
    const QRect plot = layout.plot;
    const int zeroY = (plot.top() + plot.bottom()) / 2;
    // The marker: 10.28 days of 29 across the plot, 9 pixels to the left.
    const int markerX = qRound(plot.left() + (10 + 24527.0 / 86400) / 29.0
                               * (plot.right() - plot.left())) - 9;
    const QRgb red = 0xFF0000;
    for (int x : {plot.left() + 2, (plot.left() + markerX) / 2, plot.right() - 2})
        EXPECT_EQ(drawn.pixel(x, zeroY) & 0xFFFFFF, red) << x;
    for (int y : {plot.top() + 3, zeroY - 20, zeroY + 20, plot.bottom() - 3}) {
        EXPECT_EQ(drawn.pixel(markerX, y) & 0xFFFFFF,
                  (plain.pixel(markerX, y) ^ 0xFFFF00) & 0xFFFFFF) << y;
    }
    EXPECT_EQ(drawn.pixel(markerX, zeroY) & 0xFFFFFF, red ^ 0xFFFF00);
    // Beside the band the plain chart shows through.
    EXPECT_EQ(drawn.pixel(markerX + 8, plot.top() + 3), plain.pixel(markerX + 8, plot.top() + 3));
}

} // namespace

namespace {

// Once the day chart names a day, a refresh that moves the picker into the new month renames
// it: the picker keeps its day where the month has it and otherwise takes the month's nearer
// end (24 June -> February 2024 ends on the 29th -> March starts on the 1st).
TEST_F(BioPageTest, DayChartTitleFollowsThePickerThroughRefreshes)
{
    setBirth(QStringLiteral("01.01.2000"));
    page->DTP1()->setDate(QDate(2024, 6, 24));
    page->DTP1Change();
    const struct {
        int month;
        const char* title;
        const char* weekday;
    } steps[] = {
        {2, "       29.02.2024", "Donnerstag"},
        {3, "       01.03.2024", "Freitag"},
        {3, "       01.03.2024", "Freitag"},   // a refresh that does not move the picker
    };
    for (const auto& s : steps) {
        selectMonth(s.month);
        page->ComboBox4Select();
        EXPECT_EQ(page->DBChart2()->model().title, QStringList{QString::fromUtf8(s.title)}) << s.month;
        EXPECT_EQ(page->Label4()->text(), QString::fromUtf8(s.weekday)) << s.month;
    }
    EXPECT_TRUE(dialogs.infos.isEmpty());
}

} // namespace
