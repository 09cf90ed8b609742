// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The day picker's range rules and its widget.

#include "daypicker.h"
#include "dialogs.h"

#include <QLineEdit>
#include <QTimeZone>
#include <QSignalSpy>
#include <QTest>
#include "printers.h"

#include <gtest/gtest.h>

namespace {

using zuv::widgets::DayRange;

QString refusal(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const zuv::core::Error& e) {
        return e.message();
    }
    return {};
}

TEST(DayRange, MovesWithTheDisplayedMonth)
{
    // A picker on 20 January goes to 1 February with February shown and to 31 January
    // when January is shown again.
    DayRange r(QDate(2024, 1, 20));
    r.limitTo(QDate(2024, 1, 1), QDate(2024, 1, 31));
    EXPECT_EQ(r.date(), QDate(2024, 1, 20));
    r.limitTo(QDate(2024, 2, 1), QDate(2024, 2, 29));
    EXPECT_EQ(r.date(), QDate(2024, 2, 1));
    EXPECT_EQ(r.minimum(), QDate(2024, 2, 1));
    EXPECT_EQ(r.maximum(), QDate(2024, 2, 29));
    r.limitTo(QDate(2024, 1, 1), QDate(2024, 1, 31));
    EXPECT_EQ(r.date(), QDate(2024, 1, 31));
}

TEST(DayRange, JumpsOverYearsInEitherDirection)
{
    DayRange r(QDate(2024, 6, 15));
    r.limitTo(QDate(2024, 6, 1), QDate(2024, 6, 30));
    r.limitTo(QDate(1990, 6, 1), QDate(1990, 6, 30));
    EXPECT_EQ(r.date(), QDate(1990, 6, 30));
    r.limitTo(QDate(2030, 3, 1), QDate(2030, 3, 31));   // new minimum after the old maximum
    EXPECT_EQ(r.date(), QDate(2030, 3, 1));
    EXPECT_EQ(r.minimum(), QDate(2030, 3, 1));
    EXPECT_EQ(r.maximum(), QDate(2030, 3, 31));
}

TEST(DayRange, KeepsTheTimeOfDay)
{
    DayRange r(QDate(2024, 1, 20));
    r.limitTo(QDate(2024, 2, 1), QDate(2024, 2, 29));
    EXPECT_EQ(r.value(), QDateTime(QDate(2024, 2, 1), QTime(6, 48, 47), QTimeZone::utc()));
}

TEST(DayRange, RefusesDatesOutsideItsRange)
{
    DayRange r(QDate(2024, 2, 10));
    r.limitTo(QDate(2024, 2, 1), QDate(2024, 2, 29));
    EXPECT_EQ(refusal([&] { r.setDate(QDate(2024, 3, 1)); }),
              QStringLiteral("Datum überschreitet das Maximum von 29.02.2024"));
    EXPECT_EQ(r.date(), QDate(2024, 2, 10));
    EXPECT_EQ(refusal([&] { r.setDate(QDate(2024, 1, 31)); }),
              QStringLiteral("Datum unterschreitet das Minimum von 01.02.2024"));
    EXPECT_EQ(r.date(), QDate(2024, 2, 10));
    r.setDate(QDate(2024, 2, 29));
    EXPECT_EQ(r.date(), QDate(2024, 2, 29));
}

TEST(DayRange, YearsBeforeOneHundredAreRefusedWithoutChange)
{
    DayRange r(QDate(2024, 2, 10));
    r.limitTo(QDate(2024, 2, 1), QDate(2024, 2, 29));
    const QString message = refusal([&] { r.limitTo(QDate(99, 12, 1), QDate(99, 12, 31)); });
    EXPECT_TRUE(message.contains(QStringLiteral("01.12.0099"))) << message.toStdString();
    EXPECT_EQ(r.minimum(), QDate(2024, 2, 1));
    EXPECT_EQ(r.maximum(), QDate(2024, 2, 29));
    EXPECT_EQ(r.date(), QDate(2024, 2, 10));
    EXPECT_FALSE(refusal([&] { r.setDate(QDate(40, 1, 1)); }).isEmpty());
    EXPECT_EQ(r.date(), QDate(2024, 2, 10));
    r.limitTo(QDate(100, 1, 1), QDate(100, 1, 31));
    EXPECT_EQ(r.date(), QDate(100, 1, 31));
}

TEST(DayPicker, ShowsTheRangeAndReportsOnlyUserChanges)
{
    zuv::widgets::DayPicker picker;
    QSignalSpy user(&picker, &zuv::widgets::DayPicker::userChanged);
    picker.setDate(QDate(2024, 1, 20));
    picker.limitTo(QDate(2024, 2, 1), QDate(2024, 2, 29));
    EXPECT_EQ(user.count(), 0);
    EXPECT_EQ(picker.text(), QStringLiteral("01.02.2024"));
    EXPECT_EQ(picker.dateTime().time(), QTime(6, 48, 47));
    EXPECT_EQ(picker.minimumDate(), QDate(2024, 2, 1));
    EXPECT_EQ(picker.maximumDate(), QDate(2024, 2, 29));

    picker.setCurrentSection(QDateTimeEdit::DaySection);
    picker.stepBy(1);
    EXPECT_EQ(user.count(), 1);
    EXPECT_EQ(picker.date(), QDate(2024, 2, 2));
    EXPECT_EQ(picker.value(), QDateTime(QDate(2024, 2, 2), QTime(6, 48, 47), QTimeZone::utc()));

    // The spin buttons stop at the end of the month.
    picker.setDate(QDate(2024, 2, 29));
    picker.stepBy(1);
    EXPECT_EQ(picker.date(), QDate(2024, 2, 29));
}

TEST(DayPicker, RefusalLeavesTheWidgetAsItWas)
{
    zuv::widgets::DayPicker picker;
    picker.setDate(QDate(2024, 2, 10));
    picker.limitTo(QDate(2024, 2, 1), QDate(2024, 2, 29));
    EXPECT_FALSE(refusal([&] { picker.setDate(QDate(2024, 3, 5)); }).isEmpty());
    EXPECT_EQ(picker.text(), QStringLiteral("10.02.2024"));
    EXPECT_FALSE(refusal([&] { picker.limitTo(QDate(50, 2, 1), QDate(50, 2, 28)); }).isEmpty());
    EXPECT_EQ(picker.text(), QStringLiteral("10.02.2024"));
    EXPECT_EQ(picker.minimumDate(), QDate(2024, 2, 1));
}

} // namespace
