// Feeds arbitrary bytes to the rich-text reader and lays the result out as the text box would.
#include "rtfreader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

namespace {

// What the reader promises for any input: valid UTF-16 and none of the characters
// QTextDocument keeps for its own structure.
bool cleanText(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if ((c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFC)
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
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
    zuv::core::readRtf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), doc);
    if (!cleanText(doc.toPlainText()))
        std::abort();
    doc.setTextWidth(321);
    (void)doc.size();
    return 0;
}
