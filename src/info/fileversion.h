// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's version and its reading back from an executable file.
//
// The build embeds one version record into the executable: a fixed 16-byte marker followed
// by the version text "major.minor.release.build" and a terminating NUL byte. Each number is
// 0 to 65535. GetFileVersionText finds the record by scanning a file, so any file (the
// running program, a copy, a test file) can be asked for its version.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace zuv::info {

// The four numbers of a file version, each 0..65535.
struct FileVersion {
    quint16 major = 0;
    quint16 minor = 0;
    quint16 release = 0;
    quint16 build = 0;
};

// The version text of the file at path, "%d.%d.%d.%d" (no leading zeros), from the first
// valid version record in it; "?" when the file has none or cannot be read.
QString GetFileVersionText(const QString& path);

// The bytes of a version record for v, exactly as the build embeds it (marker, text, NUL).
QByteArray fileVersionRecord(const FileVersion& v);

// The version this program was built with, as set in the project (e.g. "1.0.0.0").
QString builtVersionText();

} // namespace zuv::info
