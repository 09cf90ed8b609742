// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The biorhythm month as a value, its model's change signal and the one drawing of the
// month chart, checked against the page's chart as it was drawn before the month model.

#include "biomonth.h"
#include "biomonthmodel.h"
#include "biopage.h"
#include "daypicker.h"
#include "monthchart.h"
#include "namelist.h"
#include "pagewidgets.h"
#include "programfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimeZone>
#include "biotesting.h"
#include "zodiacfolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using zuv::bio::BioMonthModel;
using zuv::bio::ChartColours;

TEST(BioMonth, ChosenDayIsLookedUpByDateAlone)
{
    // 29 February 2024 with the picker's time of day; birth 1.1.2000 gives age 8825 days.
    const QDateTime chosen(QDate(2024, 2, 29), zuv::widgets::kPickerTimeOfDay, QTimeZone::utc());
    const auto m = zuv::bio::biorhythmMonth(QStringLiteral("Anna"), QDate(2000, 1, 1), 2024, 2, chosen);
    ASSERT_EQ(m.days.size(), 29u);
    ASSERT_TRUE(m.chosenDay);
    EXPECT_EQ(m.chosenDay->day, QDate(2024, 2, 29));
    EXPECT_EQ(m.chosenDay->values[1], zuv::bio::cycleValue(8825, 28));
    EXPECT_EQ(m.title, QStringLiteral("Zuvododerod für Monat Februar 2024 ( Anna )"));
    // A chosen day in another month gives no day values, but keeps the marker's place.
    const auto other = zuv::bio::biorhythmMonth({}, QDate(2000, 1, 1), 2024, 3, chosen);
    EXPECT_FALSE(other.chosenDay);
    EXPECT_EQ(other.chosen, chosen);
}

// Every change a view must follow reaches each of its receivers once; a setter that changes
// nothing stays silent.
TEST(BioMonthModel, EveryReceiverGetsEachChange)
{
    BioMonthModel model;
    QSignalSpy first(&model, &BioMonthModel::monthChanged);
    int second = 0;
    QObject::connect(&model, &BioMonthModel::monthChanged, [&] { ++second; });
    const QDateTime day(QDate(2024, 6, 11), zuv::widgets::kPickerTimeOfDay, QTimeZone::utc());
    const struct {
        const char* what;
        std::function<void()> change;
        int emitted;
    } steps[] = {
        {"new month", [&] { model.setMonth(zuv::bio::biorhythmMonth({}, QDate(1990, 6, 15), 2024, 6, day),
                                           ChartColours::Screen); }, 1},
        {"print colours", [&] { model.setColours(ChartColours::Print); }, 1},
        {"print colours again", [&] { model.setColours(ChartColours::Print); }, 0},
        {"marker moved", [&] { model.setMarkerDay(day.addDays(1)); }, 1},
        {"marker where it is", [&] { model.setMarkerDay(day.addDays(1)); }, 0},
        {"marker look", [&] { model.setMarkerLook(Qt::green, Qt::DashLine); }, 1},
    };
    int expected = 0;
    for (const auto& s : steps) {
        s.change();
        expected += s.emitted;
        EXPECT_EQ(first.count(), expected) << s.what;
        EXPECT_EQ(second, expected) << s.what;
    }
    EXPECT_EQ(model.options().markerColour, QColor(Qt::green));
}

class MonthChartPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        zuv::testing::makeProgramFolder(m_dir.path());
        zuv::core::setProgramFolder(m_dir.path());
        zuv::store::openOrCreate(names, zuv::people::kNameListFile, zuv::people::nameListFields());
        page = std::make_unique<zuv::bio::BioPage>(month, bio, percent, names);
        page->initialise(QDate(2024, 6, 15));
        page->Button4Click();
    }
    void TearDown() override
    {
        page.reset();
        zuv::core::setProgramFolder(QString());
    }

    QTemporaryDir m_dir;
    zuv::testing::RecordingDialogs dialogs;
    BioMonthModel month;
    zuv::store::Table bio{QStringLiteral("CLDSBio")};
    zuv::store::Table percent{QStringLiteral("CLDProzent")};
    zuv::store::Table names{QStringLiteral("CDSNamensliste")};
    std::unique_ptr<zuv::bio::BioPage> page;
};

// The reference images are the page's month chart as it drew itself from its tables before
// the month model existed (793 x 287, design size), saved by that build.
TEST_F(MonthChartPixels, ModelDrawsWhatThePageShowedBefore)
{
    const struct {
        const char* birth;
        int year, month;
        QDate chosen;
        bool nameInTitle;
        ChartColours colours;
        const char* reference;
    } cases[] = {
        {"15.06.1990", 1990, 6, QDate(1990, 6, 20), false, ChartColours::Screen, "monthchart-1990-06.png"},
        {"01.01.2000", 2024, 2, QDate(2024, 2, 29), true, ChartColours::Screen, "monthchart-2024-02.png"},
        {"24.12.1960", 2010, 1, QDate(2010, 1, 20), false, ChartColours::Print, "monthchart-2010-01.png"},
    };
    for (const auto& c : cases) {
        page->MaskEdit1()->setText(QString::fromLatin1(c.birth));
        page->ComboBox3()->setEditText(QStringLiteral("Anna"));
        page->CheckBox4()->setChecked(c.nameInTitle);
        page->UpDown5()->setPosition(c.year);
        page->ComboBox4()->setCurrentIndex(c.month - 1);
        page->DTP1()->limitTo(QDate(c.year, c.month, 1), QDate(c.year, c.month, 1).addMonths(1).addDays(-1));
        page->DTP1()->setDate(c.chosen);
        page->Button4Click();
        if (c.colours == ChartColours::Print)
            page->setPrintColours();
        ASSERT_TRUE(dialogs.infos.isEmpty()) << dialogs.infos.join(';').toStdString();

        const QImage before = QImage(QStringLiteral(ZUV_TEST_DATA_DIR "/biorhythm/")
                                     + QString::fromLatin1(c.reference))
                                  .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(before.isNull()) << c.reference;
        const QImage fromModel = zuv::bio::monthChartImage(month.month(), month.options(), before.size());
        EXPECT_TRUE(fromModel == before) << c.reference;
        EXPECT_TRUE(page->DBChart1()->toImage() == before) << c.reference;
    }
}

// A refused refresh has already moved the picker to the birth date: the marker stands there.
TEST_F(MonthChartPixels, MarkerFollowsThePickerWhenTheRefreshIsRefused)
{
    page->MaskEdit1()->setText(QStringLiteral("20.06.2024"));
    page->ComboBox4()->setCurrentIndex(2);   // March 2024, before the birth
    page->Button4Click();
    ASSERT_EQ(dialogs.infos, QStringList{zuv::bio::msgBeforeBirth()});
    EXPECT_EQ(month.month().chosen.date(), QDate(2024, 6, 20));
    EXPECT_EQ(month.month().month, 6);   // the month shown stays
}

} // namespace
