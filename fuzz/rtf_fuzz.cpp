// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes to the rich-text reader and lays the result out as the text box would.
#include "rtfreader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cstdint>
#include <cstdlib>

namespace {

// What the reader promises for any input: valid UTF-16, none of the characters QTextDocument
// keeps for its own structure, and U+FFFC only where a picture stands.
bool cleanText(const QTextDocument& doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = fragment.text();
            const bool image = fragment.charFormat().isImageFormat();
            for (qsizetype i = 0; i < text.size(); ++i) {
                const char16_t c = text.at(i).unicode();
                if ((c >= 0xFDD0 && c <= 0xFDEF) || (c == 0xFFFC && !image))
                    return false;
                if (QChar::isHighSurrogate(c)) {
                    if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                        return false;
                    ++i;
                } else if (QChar::isLowSurrogate(c)) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

// Fontconfig keeps its caches until exit; that is not the reader's memory.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument doc;
    zuv::richtext::readRtf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), doc);
    if (!cleanText(doc))
        std::abort();
    doc.setTextWidth(321);
    (void)doc.size();
    return 0;
}
