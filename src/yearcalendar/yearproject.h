// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The year project: the year, the holiday region, up to three pictures for each month, the
// title font and the person whose biorhythm, birthdays and critical days go on the pages.
// A plain value, stored as a small JSON file ("Jahreskalender.json" in the per-user data
// folder by default; the path is always passed in). Pictures are kept as paths.

#include "person.h"
#include "yearprintsettings.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace zuv::yearcal {

// A holiday region the year calendar offers: the 16 German federal states in the order of
// the month page's "Bundesland" box, then Austria and its nine federal states.
struct Region {
    QString name;   // "Bayern", "Österreich", "Wien"; goes into "Feiertage in <name>: "
    QString code;   // code of the holiday calendar ("BY", "A", "W")
};
const std::vector<Region>& yearRegions();

// The region a text names: a code (exact, then ignoring case) or a name (ignoring case and
// blanks at both ends). nullopt when none fits.
std::optional<Region> findRegion(const QString& text);

using zuv::people::Person;
using zuv::people::peopleOf;

inline constexpr int kMaxPicturesPerMonth = 3;

struct YearProject {
    int year = 0;                                  // 1..9999
    QString regionCode = QStringLiteral("BW");     // one of yearRegions()
    std::array<QStringList, 12> pictures;          // per month, 0..3 paths
    QString titleFont;                             // QFont::toString(); empty: design font
    std::optional<Person> person;                  // chart and critical days on every page
    bool birthdays = true;                         // birthdays of the name list in the grid
    bool criticalDays = true;                      // critical days of the person
    bool intuitive = false;                        // intuitive cycle among the critical days
    PrintSettings print;                           // fit, paper, bleed, first month, names
    QStringList appointmentFiles;                  // calendar files (.ics) whose events go on the pages
    bool moonPhases = false;                       // moon phase symbols and their line
    QString secondRegion;                          // holidays of a second region; empty: none
    bool bridgeDays = false;                       // bridge days marked and listed
    bool operator==(const YearProject&) const = default;
};

// File name of the project in the per-user data folder.
inline const QString kProjectFileName = QStringLiteral("Jahreskalender.json");

QByteArray projectToJson(const YearProject& project);
// Throws zuv::core::Error with a German message for text that is no year project; fields
// out of range are refused too (year, region, more than three pictures a month).
YearProject projectFromJson(const QByteArray& json);

// Reads / writes the file at path. Writing goes through a temporary file in the same
// folder, so the old project stays whole when the write fails. Throw zuv::core::Error.
YearProject loadProject(const QString& path);
void saveProject(const QString& path, const YearProject& project);

// The files of a folder (not its hidden ones or subfolders), in name order; the command line
// checks each (checkFolderPictures) and names those it skips. Throws zuv::core::Error when
// the folder does not exist or cannot be read.
QStringList picturesInFolder(const QString& folder);
// Hands out files one per month from firstMonth (1..12) on, round the year; months after
// the last file stay empty.
std::array<QStringList, 12> onePicturePerMonth(const QStringList& files, int firstMonth = 1);

// A year's pictures from one folder, as the command line's --bilder and the window's
// "Ordner übernehmen..." take them: the folder's files in name order, each checked, the
// first twelve usable ones one a month from firstMonth on. skipped names the others
// ("notiz.txt: Falscher Dateityp ..."). Throws zuv::core::Error as picturesInFolder.
struct FolderPictureFill {
    std::array<QStringList, 12> pictures;
    QStringList skipped;
};
FolderPictureFill picturesFromFolder(const QString& folder, int firstMonth);

// Adds files to a month's pictures, at most three in all, each checked as when it is chosen
// (zuv::photo::checkChosenPicture): the messages of the refused ones, and whether files were
// left over. Blocks while it decodes.
struct PictureAddition {
    QStringList problems;
    bool tooMany = false;
};
PictureAddition addCheckedPictures(QStringList& month, const QStringList& files);

} // namespace zuv::yearcal
