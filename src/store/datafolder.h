// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The per-user data folder: where the program keeps the files it writes (the tables
// Koerper, Prozente, Bildkalender and Namensliste, and other user files). In portable use
// (the program folder is writable and holds BioTab) that is the program folder's BioTab;
// otherwise it is BioTab in the user's application data folder, made on first use, with
// the tables found in the program folder copied there once. Read-only data (pictures,
// texts, help) keeps coming from the program folder.

#include <QString>
#include <QStringList>

namespace zuv::store {

// The table files the program writes, relative to the data folder.
const QStringList& tableFileNames();

// What the choice of the data folder depends on.
struct DataFolderFacts {
    QString programFolder;     // ends in "/"
    bool programBioTabIsFolder = false;
    bool programBioTabWritable = false;
    QString appDataLocation;   // QStandardPaths::AppDataLocation; may be empty
};

// programFolder + "BioTab/" when BioTab there is a writable folder (or when there is no
// application data location at all); appDataLocation + "/BioTab/" otherwise. Ends in "/".
QString chooseDataFolder(const DataFolderFacts& facts);
// The facts of this machine for the current program folder.
DataFolderFacts currentDataFolderFacts();

// What copyTablesOnce did.
struct TakeOver {
    QStringList copied;   // tables copied now
    QStringList failed;   // tables that could not be copied: tried again at the next start
    // For the user when a table failed (German, names the tables and both folders).
    QString message;
};

// Copies each table of fromFolder that toFolder lacks, unless toFolder already holds the
// marker of an earlier copy; sets the marker once every table is there. Copies through a
// temporary file and a rename, so a table is there whole or not at all.
TakeOver copyTablesOnce(const QString& fromFolder, const QString& toFolder);
// The message of a failed copy made by userDataFolder() in this run, once; then empty.
QString takeOverProblem();

// Absolute path ending in "/". Decided on first call (and after setUserDataFolder("")):
// makes the folder and copies the program folder's tables into a new per-user folder.
QString userDataFolder();
// userDataFolder() + relative ("Namensliste").
QString userDataPath(const QString& relative);
// Where a table file named relative to the program folder lives: "BioTab/<name>" is
// userDataPath(<name>); other relative names stay below the program folder.
QString tablePath(const QString& relative);
// Overrides the folder (tests); an empty text makes the next call decide again.
void setUserDataFolder(const QString& folder);

} // namespace zuv::store
