// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The language the program speaks. German is the language of the source texts; English
// comes from the translation built into the program. Qt's own dialogs follow the same choice.

#include <QProcessEnvironment>
#include <QString>

class QCoreApplication;

namespace zuv::app {

enum class Language { German, English };

// The language the environment asks for, as gettext reads it: LC_ALL, LC_MESSAGES, LANG
// (the first that is set) name the locale; "C" and "POSIX" mean German. Otherwise the
// list in LANGUAGE ("en_GB:de") is walked for the first language the program has, and
// without such an entry the locale decides: English for "en*", German for anything else.
Language systemLanguage(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Installs the program's translation for language and Qt's catalogue ("qtbase_de" or
// "qtbase_en" from qtFolder, Qt's translations folder when empty) into app, replacing the
// ones an earlier call installed. False when a catalogue is missing: the texts it would
// have translated stay in their source language.
bool installLanguage(QCoreApplication& app, Language language, const QString& qtFolder = {});

// The command line's set-up once its application exists: font substitutions and the
// language of the system.
void setUpCommandLine();

} // namespace zuv::app
