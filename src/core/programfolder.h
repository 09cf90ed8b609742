// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program folder: where the read-only data folders BioTab (general text), BioBMPs,
// TZeichen and BioHelp lie. In the build folder or a portable copy that is the folder of
// the running executable; in an installed copy it is the installed data folder
// (<prefix>/share/zuvododerod), found relative to the executable so that the whole prefix
// can move. Tests may point it elsewhere.

#include <QString>
#include <QStringList>

namespace zuv::core {

// Gives the running application the program's name: the window and the command line
// both call it before anything looks for the per-user data folder, which the name decides
// (~/.local/share/zuvododerod).
void setApplicationNames();

// Absolute path ending in "/".
QString programFolder();
// programFolder() + relative ("BioTab/Koerper"); relative uses "/".
QString programPath(const QString& relative);
// Overrides the folder (tests); an empty text returns to the resolved folder.
void setProgramFolder(const QString& folder);

// The folder of the running executable, ending in "/" (the override, when one is set).
// Unlike programFolder() this never is the installed data folder: a writable copy of the
// program keeps its own tables here.
QString executableFolder();

// The path of a helper program shipped with this one: beside the executable when it is
// there (build folder, portable copy), else in the installed helper folder
// (<prefix>/libexec), found relative to the executable.
QString helperProgramPath(const QString& name);

// The folders that may hold the read-only data, in the order they are tried: the
// executable's folder, then the installed data folder relative to it (dataFromBin, e.g.
// "../share/zuvododerod"). Each ends in "/".
QStringList dataFolderCandidates(const QString& executableFolder, const QString& dataFromBin);
// The first candidate that holds the read-only data (a TZeichen and a BioHelp folder);
// the first candidate when none does, so that messages name the folder looked at first.
QString findDataFolder(const QStringList& candidates);
// The helper program name beside executableFolder when it exists there, else in the
// folder helperFromBin relative to executableFolder.
QString findHelperProgram(const QString& executableFolder, const QString& helperFromBin,
                          const QString& name);

} // namespace zuv::core
