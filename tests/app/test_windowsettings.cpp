// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "apptestsupport.h"
#include "settings.h"
#include "tform1.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using zuv::app::TForm1;

namespace {

class WindowSettingsTest : public ShippedDataTest {
protected:
    void SetUp() override
    {
        ShippedDataTest::SetUp();
        zuv::core::reopenSettings(m_config.filePath(QStringLiteral("zuvododerod.conf")));
    }
    void TearDown() override
    {
        zuv::core::reopenSettings();
        ShippedDataTest::TearDown();
    }
    // One run of the program: the window made, shaped by change, and closed.
    void run(const std::function<void(TForm1&)>& change, const std::function<void(TForm1&)>& check)
    {
        TForm1 w(&fixedNow);
        w.FormCreate();
        check(w);
        change(w);
        w.close();
        zuv::core::reopenSettings(m_config.filePath(QStringLiteral("zuvododerod.conf")));
    }

    QTemporaryDir m_config;
    RecordingDialogs m_dialogs;
};

TEST_F(WindowSettingsTest, SizeAndMaximisedStateComeBackAtTheNextStart)
{
    QSize first;
    QSize chosen;
    run([&](TForm1& w) {
            first = w.size();
            chosen = first - QSize(60, 40);
            w.resize(chosen);
        },
        [](TForm1&) {});
    run([](TForm1& w) { w.showMaximized(); },
        [&](TForm1& w) { EXPECT_EQ(w.size(), chosen); EXPECT_FALSE(w.isMaximized()); });
    run([](TForm1& w) { w.showNormal(); },
        [&](TForm1& w) { EXPECT_TRUE(w.windowState() & Qt::WindowMaximized); });
    run([](TForm1&) {}, [&](TForm1& w) {
        EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(w.size(), chosen);
    });
    EXPECT_NE(first, chosen);
    EXPECT_TRUE(m_dialogs.infos.isEmpty());
}

TEST_F(WindowSettingsTest, ASizeFromALargerScreenIsCutToThisOne)
{
    zuv::core::settings().set(QStringLiteral("Hauptfenster/Groesse"), QSize(9000, 7000));
    zuv::core::settings().sync();
    zuv::core::reopenSettings(m_config.filePath(QStringLiteral("zuvododerod.conf")));
    TForm1 w(&fixedNow);
    w.FormCreate();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(w.width(), screen.width());
    EXPECT_LE(w.height(), screen.height());
}

} // namespace
