#pragma once
// The rich-text parser behind readRtf: the group stack, the control words and the text
// they produce. Private to the core library.

#include "rtftables.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

class QTextDocument;

namespace zuv::core::rtf {

// Limits that keep hostile input bounded in memory and time.
constexpr int kMaxGroupDepth = 256;
constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxFontNameLength = 256;
constexpr int kMaxControlWordLength = 32;
constexpr int kMaxUnicodeSkip = 16;
constexpr qint64 kParamLimit = 2'000'000'000;
constexpr int kMaxTwips = 31680; // 22 inches, more than any page

using namespace rtftables;

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    quint8 vertical = 0; // 0 normal, 1 superscript, 2 subscript
    int sizeHalfPoints = 0; // 0: the document's default size
    int color = -1;         // colour table index, -1 = automatic
    int highlight = 0;      // colour table index, 0 = none
    int font = -1;          // -1: the \deff font
    bool operator==(const CharProps&) const = default;
};

struct ParaProps {
    int align = int(Qt::AlignLeft);
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
};

struct GroupState {
    CharProps ch;
    ParaProps para;
    int uc = 1;
    Dest dest = Dest::Body;
};

struct FontInfo {
    QString name;
    int codePage = 0; // 0: the document's \ansicpg
};

struct FontEntry {
    int id = -1;
    int codePage = 0;
    QString name;
};

struct ColorEntry {
    int red = 0, green = 0, blue = 0;
    bool any = false;
};

inline int clampInt(qint64 v, int lo, int hi)
{
    return int(std::clamp<qint64>(v, lo, hi));
}

inline qreal twipsToPixels(int twips)
{
    return twips / 15.0; // 1440 twips per inch at 96 pixels per inch
}

inline bool isSurrogateFree(char16_t c)
{
    return c < 0xD800 || c > 0xDFFF;
}

// Characters QTextDocument reserves for its own structure, or that would split a block.
inline char16_t safeChar(char16_t c)
{
    if (c == 0x2029)
        return 0x2028;
    if (c < 0x20 && c != '\t')
        return 0;
    if ((c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF)
        return 0xFFFD;
    return c;
}

class RtfParser {
public:
    explicit RtfParser(QTextDocument& doc) : m_cursor(&doc) {}

    // Returns true when the outermost group was closed.
    bool parse(const char* p, const char* end);

private:
    GroupState& top() { return m_stack.back(); }
    bool dispatching() const { return m_overflow == 0 && !m_stack.empty() && m_stack.back().dest != Dest::Skip; }

    void openGroup();
    bool closeGroup();
    const char* controlWord(const char* p, const char* end);
    void controlSymbol(char c, const char*& p, const char* end);
    void apply(std::string_view word, bool hasParam, int param);

    int currentCodePage() const;
    void addByte(char b);
    void flushBytes();
    QString decode(const QByteArray& bytes, int codePage);
    void emitChar(char16_t c);
    void emitText(const QString& text);
    void flushText();
    void paragraph();
    void commitFont();
    void commitColor();
    QTextCharFormat charFormat(const CharProps& p) const;
    QTextBlockFormat blockFormat(const ParaProps& p) const;
    void applyBlockFormat();
    void finish();

    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    int m_overflow = 0;
    int m_skip = 0;
    bool m_closed = false;
    int m_ansiCodePage = kCodePage1252;
    int m_deff = -1;
    QHash<int, FontInfo> m_fonts;
    FontEntry m_fontEntry;
    std::vector<QColor> m_colors;
    ColorEntry m_colorEntry;
    QByteArray m_bytes;
    int m_bytesCodePage = kCodePage1252;
    QString m_text;
    CharProps m_textProps;
    ParaProps m_lastPara;
    bool m_pendingBreak = false;
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace zuv::core::rtf
