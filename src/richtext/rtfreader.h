// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reads rich text (RTF as written by WordPad, Word and LibreOffice) into a QTextDocument.
// Never crashes, hangs or grows without bound on malformed input.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTextFormat>

class QTextDocument;

namespace zuv::richtext {

// Set (true) on the character format of doubly underlined text, which also has a single
// underline: QTextDocument draws one line, RichTextView (richtextview.h) draws the second.
inline constexpr int kDoubleUnderlineProperty = QTextFormat::UserProperty + 1;

// Files larger than this are refused (bytes).
inline constexpr qsizetype kMaxRtfFileSize = 16 * 1024 * 1024;

// True when data starts (after a UTF-8 mark and blanks) with "{\rtf".
bool isRtf(QByteArrayView data);

// Replaces doc's content with the rich text, built in one edit block. Returns false when the
// data is not RTF at all (doc then stays empty), is cut off, or is longer than
// kMaxRtfFileSize (only that much is read); doc then holds whatever could be read.
// Pictures (PNG, JPEG) become image resources of doc, shown at the size the file asks for.
bool readRtf(const QByteArray& data, QTextDocument& doc);

// Empties doc, then loads the file into it through readRegularFile() (never blocks on a FIFO
// or device). Throws zuv::core::Error with a German message naming the file when it cannot be
// read (readRegularFile's messages, "zu groß" beyond kMaxRtfFileSize), is empty ("Die Datei
// "<path>" kann nicht gelesen werden: sie ist leer.") or holds no rich text ("...: sie
// enthält keinen RTF-Text."); doc then stays empty.
void loadRtfFile(const QString& path, QTextDocument& doc);

} // namespace zuv::richtext
