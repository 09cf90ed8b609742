// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Checks a picture when the user chooses it (the picture dialogs, a folder on the command
// line), so that a wrong type, a damaged or cut file or one too large is named then, with the
// file and the cause, and not at "Vorschau" or in the middle of a year's PDF. The check
// decodes the picture for the single picture's slot through pictureCache(), so the first
// preview finds it there.

#include <QString>
#include <QStringList>

namespace zuv::photo {

// The message the user sees ("Das Bild ... kann nicht geladen werden:" and the cause, German);
// empty when the picture can go on a page.
QString checkChosenPicture(const QString& path);

// The files of a folder in the order given, checked until wanted pictures are usable: the
// usable ones and, for every other file checked, "name: cause" in German (a type that is no
// picture this system reads, damaged, too large ...).
struct FolderPictures {
    QStringList usable;     // absolute paths, at most wanted
    QStringList skipped;    // "notiz.txt: Falscher Dateityp ..."
};
FolderPictures checkFolderPictures(const QStringList& files, int wanted);

} // namespace zuv::photo
