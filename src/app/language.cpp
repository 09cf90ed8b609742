// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "language.h"

#include "application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

#include <array>

namespace zuv::app {

namespace {

    // The locale variables in the order they override each other.
    constexpr std::array<const char*, 3> kLocaleVariables = {"LC_ALL", "LC_MESSAGES", "LANG"};

    struct LanguagePrefix {
        const char* prefix;
        Language language;
    };
    constexpr std::array<LanguagePrefix, 2> kLanguages = {{
        {"en", Language::English},
        {"de", Language::German},
    }};

    // The language of one locale or LANGUAGE entry ("en_US.UTF-8", "de"), if the program has it.
    const LanguagePrefix* languageOf(const QString& entry)
    {
        for (const LanguagePrefix& l : kLanguages) {
            const QString prefix = QLatin1String(l.prefix);
            if (entry == prefix || entry.startsWith(prefix + QLatin1Char('_'))
                || entry.startsWith(prefix + QLatin1Char('.')) || entry.startsWith(prefix + QLatin1Char('@')))
                return &l;
        }
        return nullptr;
    }

    // The translators installed last, replaced by the next call.
    QPointer<QTranslator> g_program;
    QPointer<QTranslator> g_qt;

    void replace(QPointer<QTranslator>& slot, QTranslator* next)
    {
        if (slot) {
            QCoreApplication::removeTranslator(slot);
            delete slot;
        }
        slot = next;
        if (next)
            QCoreApplication::installTranslator(next);
    }

} // namespace

Language systemLanguage(const QProcessEnvironment& environment)
{
    QString locale;
    for (const char* name : kLocaleVariables) {
        locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty())
            break;
    }
    // gettext ignores LANGUAGE under the C locale; so does the program.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C."))
        || locale == QLatin1String("POSIX"))
        return Language::German;
    for (const QString& entry : environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'))) {
        if (const LanguagePrefix* l = languageOf(entry))
            return l->language;
    }
    const LanguagePrefix* l = languageOf(locale);
    return l ? l->language : Language::German;
}

bool installLanguage(QCoreApplication& app, Language language, const QString& qtFolder)
{
    const bool english = language == Language::English;
    bool complete = true;

    QTranslator* program = nullptr;
    if (english) {
        program = new QTranslator(&app);
        if (!program->load(QStringLiteral(":/i18n/zuvododerod_en.qm"))) {
            delete program;
            program = nullptr;
            complete = false;
        }
    }
    replace(g_program, program);

    auto* qt = new QTranslator(&app);
    const QString folder = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    if (!qt->load(english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_de"), folder)) {
        delete qt;
        qt = nullptr;
        complete = false;
    }
    replace(g_qt, qt);
    return complete;
}

void setUpCommandLine()
{
    registerFontSubstitutions();
    if (QCoreApplication* app = QCoreApplication::instance())
        installLanguage(*app, systemLanguage());
}

} // namespace zuv::app
