// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The year calendar from the command line, without a window, for batch use:
//
//     zuvododerod --jahreskalender 2027 --region BY --bilder DIR --pdf kalender.pdf
//     zuvododerod --projekt Jahreskalender.json --pdf kalender.pdf
//
// Messages are German and go to standard error; the exit status tells what failed.

#include "yearprintsettings.h"
#include "yearproject.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QTextStream;

namespace zuv::yearcal {

// Exit statuses of the command line.
enum ExitStatus : int {
    kExitOk = 0,
    kExitUsage = 2,       // bad or missing arguments, unknown region, year out of range
    kExitInput = 3,       // picture folder or project missing or unreadable
    kExitOutput = 4,      // the PDF cannot be written
};

struct CommandLine {
    bool help = false;
    std::optional<int> year;      // --jahreskalender
    QString region;               // --region (code or name)
    QString pictureFolder;        // --bilder
    QString projectFile;          // --projekt
    QString pdf;                  // --pdf
    QString person;               // --person: a name of the name list
    bool noBirthdays = false;     // --ohne-geburtstage
    bool noCriticalDays = false;  // --ohne-kritische-tage
    bool intuitive = false;       // --intuitiv
    PrintOptions print;           // --bildanpassung, --papier, --beschnitt, --erster-monat
    QString ics;                  // --ics: the year as a calendar file
    QStringList appointmentFiles; // --termine, repeatable
    QString importNames;          // --namen-einlesen: contacts into the name list
    bool moonPhases = false;      // --mondphasen
    QString secondRegion;         // --region2 (code or name)
    bool bridgeDays = false;      // --brueckentage
    bool birthdayCalendar = false; // --geburtstagskalender: the perpetual one instead of the year
};

// True when the arguments (argv[0] excluded) ask for the command line rather than the
// window: any of the options above.
bool wantsCommandLine(const QStringList& arguments);

// Parses the arguments (argv[0] excluded); "--option value" and "--option=value".
// Throws zuv::core::Error with a German message for anything it does not understand.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help.
QString helpText();

// Runs a parsed command line with the people of the name list; returns the exit status.
int runCommandLine(const CommandLine& line, const std::vector<Person>& people,
                   QTextStream& out, QTextStream& err);

// The whole command line as main() calls it before any window is built: starts a
// window-less application, parses argv, reads the name list and runs. setup (may be null)
// installs the program's font substitutions and language once the application exists,
// before the arguments are read, so that the help and the messages speak that language.
int runCommandLine(int argc, char** argv, void (*setup)());

} // namespace zuv::yearcal
