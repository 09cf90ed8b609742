// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "aboutbox.h"
#include "apptestsupport.h"
#include "germandate.h"
#include "language.h"
#include "tform1.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using zuv::app::Language;

namespace {

struct EnvironmentCase {
    const char* what;
    QStringList variables;   // NAME=value
    Language expected;
};

// Expected values follow gettext's rules: LC_ALL over LC_MESSAGES over LANG, LANGUAGE
// ignored under the C locale, otherwise its first language the program has.
TEST(SystemLanguage, FollowsTheLocaleVariablesAsGettextDoes)
{
    const EnvironmentCase cases[] = {
        {"nothing set", {}, Language::German},
        {"English locale", {"LANG=en_US.UTF-8"}, Language::English},
        {"German locale", {"LANG=de_DE.UTF-8"}, Language::German},
        {"C locale", {"LANG=C"}, Language::German},
        {"C locale ignores LANGUAGE", {"LANG=C.UTF-8", "LANGUAGE=en"}, Language::German},
        {"other language", {"LANG=fr_FR.UTF-8"}, Language::German},
        {"LC_ALL over LANG", {"LC_ALL=de_AT.UTF-8", "LANG=en_GB.UTF-8"}, Language::German},
        {"LC_MESSAGES over LANG", {"LC_MESSAGES=en_GB.UTF-8", "LANG=de_DE.UTF-8"}, Language::English},
        {"LANGUAGE list over the locale", {"LANG=de_DE.UTF-8", "LANGUAGE=en_GB:de"}, Language::English},
        {"LANGUAGE skips what the program lacks", {"LANG=fr_FR.UTF-8", "LANGUAGE=fr:en"}, Language::English},
        {"prefix is a whole language", {"LANG=eo.UTF-8"}, Language::German},
    };
    for (const EnvironmentCase& c : cases) {
        QProcessEnvironment env;
        for (const QString& v : c.variables)
            env.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
        EXPECT_EQ(zuv::app::systemLanguage(env), c.expected) << c.what;
    }
}

class LanguageSwitchTest : public ShippedDataTest {
protected:
    void TearDown() override
    {
        zuv::app::installLanguage(*QCoreApplication::instance(), Language::German);
        ShippedDataTest::TearDown();
    }

    // Installs the language LANG names, as the program does at start.
    static void startWith(const char* lang)
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        ASSERT_TRUE(zuv::app::installLanguage(*QCoreApplication::instance(), zuv::app::systemLanguage(env)))
            << lang;
    }

    struct Seen {
        QString photoTab;
        QString fileMenu;
        QString aboutTitle;
        QString cancel;     // Qt's own text
        QString march;
    };

    static Seen look()
    {
        zuv::app::TForm1 w(&fixedNow);
        w.FormCreate();
        zuv::info::TAboutBox about;
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        return {w.pageControl().tabText(1), w.findChild<QMenu*>(QStringLiteral("Datei1"))->title(),
                about.windowTitle(), buttons.button(QDialogButtonBox::Cancel)->text(),
                zuv::core::monthName(3)};
    }
};

TEST_F(LanguageSwitchTest, WindowsSpeakTheLanguageOfTheLocale)
{
    struct Expect {
        const char* lang;
        Seen seen;
    };
    // German: the source texts; English: zuvododerod_en.ts and Qt's English catalogue.
    const Expect cases[] = {
        {"en_US.UTF-8", {"Photo Calendar", "&File", "About ", "Cancel", "March"}},
        {"de_DE.UTF-8", {"Foto Kalender", "&Datei", "Info ", "Abbrechen", "März"}},
        {"C", {"Foto Kalender", "&Datei", "Info ", "Abbrechen", "März"}},
    };
    for (const Expect& e : cases) {
        startWith(e.lang);
        const Seen s = look();
        EXPECT_EQ(s.photoTab, e.seen.photoTab) << e.lang;
        EXPECT_EQ(s.fileMenu, e.seen.fileMenu) << e.lang;
        EXPECT_EQ(s.aboutTitle, e.seen.aboutTitle) << e.lang;
        EXPECT_EQ(s.cancel, e.seen.cancel) << e.lang;
        EXPECT_EQ(s.march, e.seen.march) << e.lang;
    }
}

} // namespace
