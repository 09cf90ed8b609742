// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace zuv::core;

namespace {

class RecordingDialogs : public Dialogs {
public:
    void information(QWidget*, const QString& text) override { infos << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    int exec(QDialog&) override { return 0; }
    QStringList infos;
    QStringList errors;
};

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { setDialogs(&m_seam); }
    void TearDown() override { setDialogs(nullptr); }
    RecordingDialogs m_seam;
};

TEST_F(DialogsTest, GuardedShowsTheErrorsOwnMessage)
{
    const bool ok =
        guarded(nullptr, [] { throw Error(QStringLiteral("Datum liegt vor der Geburt")); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(m_seam.errors, QStringList{"Datum liegt vor der Geburt"});
    EXPECT_TRUE(m_seam.infos.isEmpty());
}

TEST_F(DialogsTest, GuardedShowsOtherExceptionsWithTheirUmlauts)
{
    EXPECT_FALSE(guarded(nullptr, [] {
        throw std::runtime_error("'31.02.2000' ist kein gültiges Datum.");
    }));
    EXPECT_EQ(m_seam.errors, QStringList{"'31.02.2000' ist kein gültiges Datum."});
}

TEST_F(DialogsTest, GuardedPassesQuietlyWhenNothingIsThrown)
{
    int runs = 0;
    EXPECT_TRUE(guarded(nullptr, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(m_seam.errors.isEmpty());
}

TEST_F(DialogsTest, TheInstalledSeamAnswersAndCanBeRemoved)
{
    EXPECT_EQ(&dialogs(), &m_seam);
    dialogs().information(nullptr, "Kein Geburtsdatum");
    EXPECT_EQ(m_seam.infos, QStringList{"Kein Geburtsdatum"});
    setDialogs(nullptr);
    EXPECT_NE(&dialogs(), &m_seam);
}

} // namespace
