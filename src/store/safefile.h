// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the program's own data files and the user's pictures without ever blocking: the
// path is checked to be a regular file before it is opened, and it is opened non-blocking,
// so a FIFO, a device or a folder in place of a file is refused at once. Every refusal
// comes with a German message that names the file and the cause.

#include <QByteArray>
#include <QString>

namespace zuv::store {

enum class FileProblem {
    None,
    Missing,        // "nicht gefunden"
    NoPermission,   // "keine Berechtigung"
    NotRegular,     // "kein normaler Datei-Typ" (folder, FIFO, device, socket)
    TooLarge,       // "zu groß"
    Damaged,        // "beschädigt" (for callers whose content check fails)
    ReadError,      // "Lesefehler" (I/O error while reading)
};

// The cause alone, e.g. "nicht gefunden".
QString fileProblemText(FileProblem problem);
// "Die Datei "<path>" kann nicht gelesen werden: <cause>." with the path in native form.
QString fileProblemMessage(const QString& path, FileProblem problem);

// What checkRegularFile found; ok() when the file can be opened for reading.
struct FileCheck {
    FileProblem problem = FileProblem::None;
    qint64 size = 0;   // bytes, when the file exists
    bool ok() const { return problem == FileProblem::None; }
};

// Looks at the file without opening it: missing, not a regular file (symbolic links are
// followed), not readable, or larger than maxBytes (maxBytes < 0: no limit).
FileCheck checkRegularFile(const QString& path, qint64 maxBytes = -1);

// Reads a whole regular file of at most maxBytes. Opens it non-blocking and checks the
// opened file again, so a file swapped for a FIFO between check and open is refused too.
// Throws zuv::core::Error with fileProblemMessage().
QByteArray readRegularFile(const QString& path, qint64 maxBytes);

// The same without throwing: problem tells why nothing was read.
QByteArray readRegularFile(const QString& path, qint64 maxBytes, FileProblem& problem);

} // namespace zuv::store
