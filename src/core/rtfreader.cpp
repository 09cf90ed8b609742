#include "rtfreader.h"

#include "dialogs.h"
#include "rtftables.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zuv::core {

namespace {

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

int clampInt(qint64 v, int lo, int hi)
{
    return int(std::clamp<qint64>(v, lo, hi));
}

qreal twipsToPixels(int twips)
{
    return twips / 15.0; // 1440 twips per inch at 96 pixels per inch
}

bool isSurrogateFree(char16_t c)
{
    return c < 0xD800 || c > 0xDFFF;
}

// Characters QTextDocument reserves for its own structure, or that would split a block.
char16_t safeChar(char16_t c)
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

bool RtfParser::parse(const char* p, const char* end)
{
    m_stack.reserve(kMaxGroupDepth);
    while (p < end && !m_closed) {
        const char c = *p++;
        switch (c) {
        case '{':
            flushBytes();
            m_skip = 0;
            openGroup();
            break;
        case '}':
            flushBytes();
            m_skip = 0;
            closeGroup();
            break;
        case '\\':
            p = controlWord(p, end);
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (m_skip > 0)
                --m_skip;
            else if (dispatching())
                addByte(c);
            break;
        }
    }
    const bool complete = m_closed;
    while (!m_stack.empty())
        closeGroup();
    return complete;
}

void RtfParser::openGroup()
{
    if (m_overflow > 0 || int(m_stack.size()) >= kMaxGroupDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_stack.empty() ? GroupState{} : m_stack.back());
}

bool RtfParser::closeGroup()
{
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    if (m_stack.empty())
        return false;
    if (top().dest == Dest::FontTable)
        commitFont();
    if (m_stack.size() == 1) {
        finish();
        m_closed = true;
    }
    m_stack.pop_back();
    return true;
}

const char* RtfParser::controlWord(const char* p, const char* end)
{
    if (p >= end)
        return p;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!isLetter(*p)) {
        const char c = *p++;
        controlSymbol(c, p, end);
        return p;
    }
    const char* wordStart = p;
    while (p < end && isLetter(*p))
        ++p;
    const std::string_view word(wordStart, std::min<std::size_t>(p - wordStart, kMaxControlWordLength));
    bool hasParam = false;
    bool negative = false;
    qint64 value = 0;
    if (p + 1 < end && *p == '-' && isDigit(p[1])) {
        negative = true;
        ++p;
    }
    while (p < end && isDigit(*p)) {
        hasParam = true;
        value = std::min<qint64>(value * 10 + (*p - '0'), kParamLimit);
        ++p;
    }
    if (p < end && *p == ' ')
        ++p;
    const int param = int(negative ? -value : value);

    flushBytes();
    if (word == "bin") {
        // Binary data is never shown; it counts as one skipped character after \u.
        p += std::clamp<qint64>(param, 0, end - p);
        if (m_skip > 0)
            --m_skip;
        return p;
    }
    if (m_skip > 0) {
        --m_skip;
        return p;
    }
    if (dispatching())
        apply(word, hasParam, param);
    return p;
}

void RtfParser::controlSymbol(char c, const char*& p, const char* end)
{
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && p < end) {
            const char h = *p;
            int v = -1;
            if (h >= '0' && h <= '9')
                v = h - '0';
            else if (h >= 'a' && h <= 'f')
                v = h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
                v = h - 'A' + 10;
            if (v < 0)
                break;
            value = value * 16 + v;
            ++digits;
            ++p;
        }
        if (m_skip > 0)
            --m_skip;
        else if (digits > 0 && dispatching())
            addByte(char(value));
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        if (m_skip > 0)
            --m_skip;
        else if (dispatching())
            addByte(c);
        return;
    }
    flushBytes();
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (c == '*') {
        // An ignorable destination: nothing in it is text this reader knows how to show.
        if (m_overflow == 0 && !m_stack.empty())
            top().dest = Dest::Skip;
        return;
    }
    if (!dispatching())
        return;
    switch (c) {
    case '~': emitChar(0x00A0); break;
    case '-': emitChar(0x00AD); break;
    case '_': emitChar(0x2011); break;
    case '\t': emitChar('\t'); break;
    case '\n':
    case '\r':
        if (top().dest == Dest::Body)
            paragraph();
        break;
    default: break;
    }
}

void RtfParser::apply(std::string_view word, bool hasParam, int param)
{
    const auto& table = controlWords();
    const auto it = table.find(word);
    if (it == table.end())
        return;
    const CwEntry& e = it->second;
    GroupState& s = top();
    const bool on = !hasParam || param != 0;
    switch (e.kind) {
    case Cw::Dest:
        s.dest = Dest(e.value);
        if (s.dest == Dest::FontTable)
            m_fontEntry = FontEntry{};
        break;
    case Cw::Char: emitChar(char16_t(e.value)); break;
    case Cw::Par:
        if (s.dest == Dest::Body)
            paragraph();
        break;
    case Cw::Bold: s.ch.bold = on; break;
    case Cw::Italic: s.ch.italic = on; break;
    case Cw::Underline: s.ch.underline = on; break;
    case Cw::UnderlineOff: s.ch.underline = false; break;
    case Cw::Strike: s.ch.strike = on; break;
    case Cw::Hidden: s.ch.hidden = on; break;
    case Cw::Super: s.ch.vertical = 1; break;
    case Cw::Sub: s.ch.vertical = 2; break;
    case Cw::NoSuperSub: s.ch.vertical = 0; break;
    case Cw::Plain: s.ch = CharProps{}; break;
    case Cw::Pard: s.para = ParaProps{}; break;
    case Cw::FontSize:
        if (hasParam && param > 0)
            s.ch.sizeHalfPoints = std::min(param, 3276);
        break;
    case Cw::Color: s.ch.color = clampInt(param, 0, kMaxColors); break;
    case Cw::Highlight: s.ch.highlight = clampInt(param, 0, kMaxColors); break;
    case Cw::Font:
        if (s.dest == Dest::FontTable) {
            commitFont();
            m_fontEntry.id = param;
        } else if (hasParam) {
            s.ch.font = param;
        }
        break;
    case Cw::Align: s.para.align = e.value; break;
    case Cw::LeftIndent: s.para.leftTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::RightIndent: s.para.rightTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::FirstIndent: s.para.firstTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::SpaceBefore: s.para.beforeTwips = clampInt(param, 0, kMaxTwips); break;
    case Cw::SpaceAfter: s.para.afterTwips = clampInt(param, 0, kMaxTwips); break;
    case Cw::Uc: s.uc = clampInt(param, 0, kMaxUnicodeSkip); break;
    case Cw::U:
        if (hasParam) {
            // Signed 16-bit in the file: \u-4064 is U+F020.
            const int code = param < 0 ? param + 65536 : param;
            emitChar(code >= 0 && code <= 0xFFFF ? char16_t(code) : char16_t(0xFFFD));
            m_skip = s.uc;
        }
        break;
    case Cw::AnsiCpg:
        if (hasParam && param > 0)
            m_ansiCodePage = param;
        break;
    case Cw::CharSet: m_ansiCodePage = e.value; break;
    case Cw::Deff: m_deff = param; break;
    case Cw::FontCharset:
        if (s.dest == Dest::FontTable) {
            const auto cs = std::find_if(kCharsetCodePages.begin(), kCharsetCodePages.end(),
                                         [&](const CharsetCodePage& c) { return c.charset == param; });
            m_fontEntry.codePage = cs != kCharsetCodePages.end() ? cs->codePage : 0;
        }
        break;
    case Cw::FontCpg:
        if (s.dest == Dest::FontTable && param > 0)
            m_fontEntry.codePage = param;
        break;
    case Cw::Red:
    case Cw::Green:
    case Cw::Blue:
        if (s.dest == Dest::ColorTable) {
            const int v = clampInt(param, 0, 255);
            (e.kind == Cw::Red ? m_colorEntry.red : e.kind == Cw::Green ? m_colorEntry.green : m_colorEntry.blue) = v;
            m_colorEntry.any = true;
        }
        break;
    }
}

int RtfParser::currentCodePage() const
{
    if (m_stack.empty())
        return m_ansiCodePage;
    const GroupState& s = m_stack.back();
    if (s.dest == Dest::FontTable)
        return m_fontEntry.codePage != 0 ? m_fontEntry.codePage : m_ansiCodePage;
    const int font = s.ch.font >= 0 ? s.ch.font : m_deff;
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage != 0)
        return it->codePage;
    return m_ansiCodePage;
}

void RtfParser::addByte(char b)
{
    const int cp = currentCodePage();
    if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes.append(b);
}

void RtfParser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = decode(m_bytes, m_bytesCodePage);
    m_bytes.clear();
    emitText(text);
}

QString RtfParser::decode(const QByteArray& bytes, int codePage)
{
    if (codePage == kCodePageSymbol || codePage == kCodePageWingdings) {
        QString out;
        out.reserve(bytes.size());
        for (const char b : bytes) {
            const auto u = static_cast<unsigned char>(b);
            const auto sym = std::find_if(kSymbolChars.begin(), kSymbolChars.end(), [&](const SymbolChar& s) {
                return s.codePage == codePage && s.byte == u;
            });
            out.append(QChar(sym != kSymbolChars.end() ? sym->ch : cp1252Char(u)));
        }
        return out;
    }
    if (codePage != kCodePage1252) {
        const auto name = std::find_if(kCodePageNames.begin(), kCodePageNames.end(),
                                       [&](const CodePageName& n) { return n.codePage == codePage; });
        if (name != kCodePageNames.end()) {
            auto& decoder = m_decoders[codePage];
            if (!decoder)
                decoder = std::make_unique<QStringDecoder>(name->name, QStringConverter::Flag::Stateless);
            if (decoder->isValid())
                return decoder->decode(bytes);
        }
    }
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        out.append(QChar(cp1252Char(static_cast<unsigned char>(b))));
    return out;
}

void RtfParser::emitChar(char16_t c)
{
    flushBytes();
    emitText(QString(QChar(c)));
}

void RtfParser::emitText(const QString& text)
{
    GroupState& s = top();
    switch (s.dest) {
    case Dest::Skip:
        return;
    case Dest::FontTable:
        for (const QChar c : text) {
            if (c == u';')
                commitFont();
            else if (m_fontEntry.name.size() < kMaxFontNameLength && c.unicode() >= 0x20)
                m_fontEntry.name.append(c);
        }
        return;
    case Dest::ColorTable:
        for (const QChar c : text) {
            if (c == u';')
                commitColor();
        }
        return;
    case Dest::Body:
        break;
    }
    if (s.ch.hidden)
        return;
    if (!m_text.isEmpty() && !(m_textProps == s.ch))
        flushText();
    m_textProps = s.ch;
    for (const QChar c : text) {
        const char16_t safe = safeChar(c.unicode());
        if (safe != 0)
            m_text.append(QChar(safe));
    }
}

void RtfParser::flushText()
{
    if (m_text.isEmpty())
        return;
    if (m_pendingBreak) {
        m_cursor.insertBlock(QTextBlockFormat(), charFormat(m_textProps));
        m_pendingBreak = false;
    }
    // \u pairs give surrogates; one left alone would be invalid UTF-16 in the document.
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const char16_t c = m_text.at(i).unicode();
        if (isSurrogateFree(c))
            continue;
        const bool high = c <= 0xDBFF;
        if (high && i + 1 < m_text.size() && m_text.at(i + 1).isLowSurrogate())
            ++i;
        else
            m_text[i] = QChar(0xFFFD);
    }
    m_cursor.insertText(m_text, charFormat(m_textProps));
    m_text.clear();
}

void RtfParser::paragraph()
{
    flushText();
    if (m_pendingBreak)
        m_cursor.insertBlock(QTextBlockFormat(), charFormat(top().ch));
    else if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(top().ch));
    m_lastPara = top().para;
    applyBlockFormat();
    m_pendingBreak = true;
}

void RtfParser::commitFont()
{
    if (m_fontEntry.id >= 0 && (m_fonts.size() < kMaxFonts || m_fonts.contains(m_fontEntry.id))) {
        FontInfo info{m_fontEntry.name.trimmed(), m_fontEntry.codePage};
        if (info.codePage == kCodePageSymbol && info.name.contains(u"Wingdings", Qt::CaseInsensitive))
            info.codePage = kCodePageWingdings;
        m_fonts.insert(m_fontEntry.id, info);
    }
    m_fontEntry = FontEntry{};
}

void RtfParser::commitColor()
{
    if (int(m_colors.size()) < kMaxColors)
        m_colors.push_back(m_colorEntry.any ? QColor(m_colorEntry.red, m_colorEntry.green, m_colorEntry.blue) : QColor());
    m_colorEntry = ColorEntry{};
}

QTextCharFormat RtfParser::charFormat(const CharProps& p) const
{
    QTextCharFormat f;
    f.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(p.italic);
    f.setFontUnderline(p.underline);
    f.setFontStrikeOut(p.strike);
    if (p.vertical != 0)
        f.setVerticalAlignment(p.vertical == 1 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    if (p.sizeHalfPoints > 0)
        f.setFontPointSize(p.sizeHalfPoints / 2.0);
    if (p.color >= 0 && p.color < int(m_colors.size()) && m_colors[p.color].isValid())
        f.setForeground(m_colors[p.color]);
    if (p.highlight > 0 && p.highlight < int(m_colors.size()) && m_colors[p.highlight].isValid())
        f.setBackground(m_colors[p.highlight]);
    const auto font = m_fonts.constFind(p.font >= 0 ? p.font : m_deff);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    return f;
}

QTextBlockFormat RtfParser::blockFormat(const ParaProps& p) const
{
    QTextBlockFormat f;
    f.setAlignment(Qt::Alignment(p.align));
    f.setLeftMargin(twipsToPixels(p.leftTwips));
    f.setRightMargin(twipsToPixels(p.rightTwips));
    f.setTextIndent(twipsToPixels(p.firstTwips));
    f.setTopMargin(twipsToPixels(p.beforeTwips));
    f.setBottomMargin(twipsToPixels(p.afterTwips));
    return f;
}

void RtfParser::applyBlockFormat()
{
    m_cursor.setBlockFormat(blockFormat(m_lastPara));
}

void RtfParser::finish()
{
    flushBytes();
    const bool hadText = !m_text.isEmpty();
    flushText();
    if (hadText && !m_stack.empty()) {
        // The last paragraph had no closing \par: it takes the properties in force at the end.
        m_lastPara = top().para;
        applyBlockFormat();
    }
}

bool looksLikeRtf(QByteArrayView data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf");
}

QString plainText(QByteArrayView data)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(data.size());
    for (const char b : data)
        text.append(QChar(cp1252Char(static_cast<unsigned char>(b))));
    return text;
}

} // namespace

bool readRtf(const QByteArray& data, QTextDocument& doc)
{
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    const QByteArrayView view = QByteArrayView(data).first(std::min(data.size(), kMaxRtfFileSize));
    bool ok = false;
    if (looksLikeRtf(view)) {
        RtfParser parser(doc);
        const qsizetype start = view.indexOf('{');
        ok = parser.parse(view.data() + start, view.data() + view.size()) && data.size() <= kMaxRtfFileSize;
    } else {
        // What a rich text box does with a file that is not rich text: show it as plain text.
        doc.setPlainText(plainText(view));
    }
    doc.setUndoRedoEnabled(undo);
    return ok;
}

void loadRtfFile(const QString& path, QTextDocument& doc)
{
    doc.clear();
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(shown));
    const QByteArray data = file.read(kMaxRtfFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Die Datei '%1' kann nicht gelesen werden.").arg(shown));
    if (data.size() > kMaxRtfFileSize)
        throw Error(QStringLiteral("Die Datei '%1' ist zu groß.").arg(shown));
    readRtf(data, doc);
}

} // namespace zuv::core
