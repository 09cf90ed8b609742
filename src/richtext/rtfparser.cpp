// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "rtfparser.h"

#include <QTextDocument>

#include <algorithm>

// The reading side of the parser: groups, runs of plain text, control words and symbols.
namespace zuv::richtext::rtf {

RtfParser::RtfParser(QTextDocument& doc) : m_doc(doc), m_cursor(&doc) {}

bool RtfParser::parse(const char* p, const char* end)
{
    m_stack.reserve(kMaxGroupDepth);
    // One edit block: the layout runs once at the end instead of after every insertion.
    QTextCursor edit(&m_doc);
    edit.beginEditBlock();
    while (p < end && !m_closed) {
        const char c = *p;
        switch (c) {
        case '{':
            ++p;
            flushBytes();
            m_skip = 0;
            if (m_starPending)
                ignorableDestination();
            openGroup();
            break;
        case '}':
            ++p;
            flushBytes();
            m_skip = 0;
            if (m_starPending)
                ignorableDestination();
            closeGroup();
            break;
        case '\\':
            p = controlWord(p + 1, end);
            break;
        case '\r':
        case '\n':
            ++p;
            break;
        default:
            p = plainRun(p, end);
            break;
        }
    }
    const bool complete = m_closed;
    while (!m_stack.empty())
        closeGroup();
    edit.endEditBlock();
    return complete;
}

// A run of bytes up to the next brace, backslash or line end: text, or hex digits of a picture.
const char* RtfParser::plainRun(const char* p, const char* end)
{
    const char* runEnd = p;
    while (runEnd < end && *runEnd != '{' && *runEnd != '}' && *runEnd != '\\' && *runEnd != '\r' &&
           *runEnd != '\n')
        ++runEnd;
    if (m_starPending)
        ignorableDestination();
    if (m_skip > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_skip, runEnd - p);
        m_skip -= int(skipped);
        p += skipped;
    }
    if (p < runEnd && dispatching()) {
        if (top().dest == Dest::Pict)
            m_picture.hex.append(p, runEnd - p);
        else
            addBytes(p, runEnd - p);
    }
    return runEnd;
}

void RtfParser::openGroup()
{
    if (m_overflow > 0 || int(m_stack.size()) >= kMaxGroupDepth) {
        // Past the cap the groups share the top state, so their text still shows.
        if (m_overflow == 0 && !m_stack.empty())
            m_overflowBase = top();
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_stack.empty() ? GroupState{} : m_stack.back());
}

bool RtfParser::closeGroup()
{
    if (m_overflow > 0) {
        if (m_overflowSkipFrom == m_overflow)
            m_overflowSkipFrom = 0;
        if (--m_overflow == 0)
            top() = m_overflowBase;
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
    const GroupState closed = top();
    m_stack.pop_back();
    endGroup(closed);
    return true;
}

// What a closed destination leaves behind in the group around it.
void RtfParser::endGroup(const GroupState& closed)
{
    const Dest outer = m_stack.empty() ? Dest::Skip : top().dest;
    if (closed.dest == Dest::Pict && outer != Dest::Pict) {
        // A shape shows the picture of its "pib" property; other pictures of a shape fill it.
        if (outer == Dest::Body || (outer == Dest::Shape && m_shapeProperty == u"pib"))
            finishPicture();
        m_picture = Picture{};
    } else if (closed.dest == Dest::LevelText && outer == Dest::ListTable && !m_levels.empty()) {
        applyLevelText(m_levelText, m_levels.back());
    } else if (closed.dest == Dest::Pn && outer == Dest::Body) {
        // {\*\pn ...} describes the numbering of the paragraph it stands in.
        top().para.pnKind = closed.para.pnKind;
    }
}

void RtfParser::ignorableDestination()
{
    // \* followed by something other than a destination this reader knows: skip the group.
    m_starPending = false;
    if (!m_stack.empty())
        top().dest = Dest::Skip;
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
        // Binary data: picture bytes inside \pict, otherwise never shown; it counts as one
        // skipped character after \u.
        const qsizetype n = std::clamp<qint64>(param, 0, end - p);
        if (m_skip == 0 && dispatching() && top().dest == Dest::Pict)
            m_picture.binary.append(p, n);
        p += n;
        if (m_skip > 0)
            --m_skip;
        return p;
    }
    if (m_skip > 0) {
        --m_skip;
        return p;
    }
    if (m_starPending) {
        m_starPending = false;
        const auto& table = controlWords();
        const auto it = table.find(word);
        if (it == table.end() || (it->second.kind != Cw::Dest && it->second.kind != Cw::Ud)) {
            top().dest = Dest::Skip;
            return p;
        }
        top().dest = m_starOuter;
    }
    if (dispatching())
        apply(word, hasParam, param);
    return p;
}

void RtfParser::controlSymbol(char c, const char*& p, const char* end)
{
    if (m_starPending && c != '*')
        ignorableDestination();
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
        if (m_skip > 0) {
            --m_skip;
        } else if (digits > 0 && dispatching() && top().dest != Dest::Pict) {
            const char byte = char(value);
            addBytes(&byte, 1);
        }
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        if (m_skip > 0)
            --m_skip;
        else if (dispatching() && top().dest != Dest::Pict)
            addBytes(&c, 1);
        return;
    }
    flushBytes();
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (c == '*') {
        if (m_overflow > 0) {
            if (m_overflowSkipFrom == 0)
                m_overflowSkipFrom = m_overflow;
        } else if (!m_stack.empty() && top().dest != Dest::Skip) {
            m_starPending = true;
            m_starOuter = top().dest;
            top().dest = Dest::Skip;
        }
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

} // namespace zuv::richtext::rtf
