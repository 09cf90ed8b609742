#pragma once
// Reads rich text (RTF as written by WordPad, Word and LibreOffice) into a QTextDocument.
// Never crashes, hangs or grows without bound on malformed input.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace zuv::core {

// Files larger than this are refused (bytes).
inline constexpr qsizetype kMaxRtfFileSize = 16 * 1024 * 1024;

// Replaces doc's content with the rich text. Returns false (doc then holds whatever could
// be read) when the data is not RTF at all (it is then shown as plain text, UTF-8 or cp1252),
// is cut off, or is longer than kMaxRtfFileSize (only that much is read).
bool readRtf(const QByteArray& data, QTextDocument& doc);

// Empties doc, then loads the file into it. Throws zuv::core::Error with a German message
// naming the file ("Die Datei '<path>' kann nicht geöffnet werden.") when it cannot be opened
// or read or is larger than kMaxRtfFileSize; doc then stays empty.
void loadRtfFile(const QString& path, QTextDocument& doc);

} // namespace zuv::core
