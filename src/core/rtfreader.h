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
// be read) when the data is not RTF at all or is cut off.
bool readRtf(const QByteArray& data, QTextDocument& doc);

// Loads a file; throws zuv::core::Error with a German message when it cannot be read.
void loadRtfFile(const QString& path, QTextDocument& doc);

} // namespace zuv::core
