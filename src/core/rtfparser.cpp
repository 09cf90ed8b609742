#include "rtfparser.h"

#include <QTextDocument>

#include <algorithm>

// The reading side of the parser: groups, control words and control symbols.
namespace zuv::core::rtf {

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

} // namespace zuv::core::rtf
