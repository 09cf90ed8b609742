// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "rtfparser.h"

#include <algorithm>

// The control words: what each one changes in the group state or the document.
namespace zuv::richtext::rtf {

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
    case Cw::Dest: applyDestination(s, Dest(e.value)); break;
    case Cw::Ud:
        if (s.dest == Dest::Upr)
            s.dest = s.uprOuter;
        break;
    case Cw::Char: emitChar(char16_t(e.value)); break;
    case Cw::Par:
        if (s.dest == Dest::Body)
            paragraph();
        break;
    case Cw::Bold: s.ch.bold = on; break;
    case Cw::Italic: s.ch.italic = on; break;
    case Cw::Underline: s.ch.underline = quint8(on ? e.value : 0); break;
    case Cw::Strike: s.ch.strike = on; break;
    case Cw::Hidden: s.ch.hidden = on; break;
    case Cw::Super: s.ch.vertical = 1; break;
    case Cw::Sub: s.ch.vertical = 2; break;
    case Cw::NoSuperSub: s.ch.vertical = 0; break;
    case Cw::Caps: s.ch.caps = on ? 1 : 0; break;
    case Cw::SmallCaps: s.ch.caps = on ? 2 : 0; break;
    case Cw::Plain: s.ch = CharProps{}; break;
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
    case Cw::Uc: s.uc = clampInt(param, 0, kMaxUnicodeSkip); break;
    case Cw::U:
        if (hasParam) {
            // Signed 16-bit in the file (\u-4064 is U+F020); anything outside -32768..65535
            // names no UTF-16 unit.
            const bool valid = param >= -32768 && param <= 0xFFFF;
            emitChar(valid ? char16_t(param < 0 ? param + 65536 : param) : char16_t(0xFFFD));
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
    case Cw::PictType:
    case Cw::PicWidth:
    case Cw::PicHeight:
    case Cw::PicGoalWidth:
    case Cw::PicGoalHeight:
    case Cw::PicScaleX:
    case Cw::PicScaleY:
    case Cw::RowDefaults:
    case Cw::CellRight:
    case Cw::CellBackground:
    case Cw::CellPattern:
    case Cw::CellShading:
    case Cw::CellMerge:
    case Cw::CellBorder:
    case Cw::RowLeft:
    case Cw::RowGap:
    case Cw::Cell:
    case Cw::Row:
    case Cw::List:
    case Cw::ListLevel:
    case Cw::LevelFormat:
    case Cw::ListId:
    case Cw::ListOverride: applyStructure(e, s, param); break;
    default: applyParagraph(e, s, hasParam, param); break;
    }
}

void RtfParser::applyDestination(GroupState& s, Dest dest)
{
    if (m_overflow > 0) {
        // Past the group cap a destination cannot be undone at its end: skip it whole.
        if (dest != Dest::Body && m_overflowSkipFrom == 0)
            m_overflowSkipFrom = m_overflow;
        return;
    }
    switch (dest) {
    case Dest::FontTable: m_fontEntry = FontEntry{}; break;
    case Dest::Pict: m_picture = Picture{}; break;
    case Dest::ListText:
        m_listText.clear();
        m_listTextFormat = charFormat(s.ch);
        break;
    case Dest::Upr: s.uprOuter = s.dest; break;
    case Dest::ShapeName: m_shapeProperty.clear(); break;
    case Dest::LevelText: m_levelText.clear(); break;
    default: break;
    }
    s.dest = dest;
}

void RtfParser::applyParagraph(const CwEntry& e, GroupState& s, bool hasParam, int param)
{
    ParaProps& para = s.para;
    switch (e.kind) {
    case Cw::Pard: para = ParaProps{}; break;
    case Cw::Align: para.align = e.value; break;
    case Cw::LeftIndent: para.leftTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::RightIndent: para.rightTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::FirstIndent: para.firstTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::SpaceBefore: para.beforeTwips = clampInt(param, 0, kMaxTwips); break;
    case Cw::SpaceAfter: para.afterTwips = clampInt(param, 0, kMaxTwips); break;
    case Cw::LineSpacing: para.lineTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::LineMultiple: para.lineMultiple = hasParam && param != 0; break;
    case Cw::TabKind: para.pendingTabKind = quint8(e.value); break;
    case Cw::TabStop:
        if (para.tabCount < kMaxTabStops && param > 0)
            para.tabs[para.tabCount++] = TabStop{clampInt(param, 0, kMaxTwips), para.pendingTabKind};
        para.pendingTabKind = 0;
        break;
    case Cw::ParaBackground: para.shading.background = clampInt(param, 0, kMaxColors); break;
    case Cw::ParaPattern: para.shading.pattern = clampInt(param, 0, kMaxColors); break;
    case Cw::ParaShading: para.shading.percent100 = clampInt(param, 0, 10000); break;
    case Cw::InTable: para.inTable = !hasParam || param != 0; break;
    case Cw::ListIndex:
        if (s.dest == Dest::ListOverrideTable) {
            if (int(m_listOverrides.size()) < kMaxLists)
                m_listOverrides[param] = m_overrideListId;
            m_blockFormatValid = false; // list items have their own indent
        } else {
            para.listIndex = std::max(param, 0);
        }
        break;
    case Cw::ListLevelIndex: para.listLevel = clampInt(param, 0, kMaxListLevels - 1); break;
    case Cw::PnLevel: para.pnKind = ListKind(e.value); break;
    case Cw::PnFormat:
        if (para.pnKind != ListKind::None && para.pnKind != ListKind::Bullet)
            para.pnKind = ListKind(e.value);
        break;
    default: break;
    }
}

void RtfParser::applyStructure(const CwEntry& e, GroupState& s, int param)
{
    CellDef& cell = m_rowDef.pending;
    switch (e.kind) {
    case Cw::PictType: m_picture.kind = PictKind(e.value); break;
    case Cw::PicWidth: m_picture.width = clampInt(param, 0, kMaxTwips * 10); break;
    case Cw::PicHeight: m_picture.height = clampInt(param, 0, kMaxTwips * 10); break;
    case Cw::PicGoalWidth: m_picture.goalWidth = clampInt(param, 0, kMaxTwips); break;
    case Cw::PicGoalHeight: m_picture.goalHeight = clampInt(param, 0, kMaxTwips); break;
    case Cw::PicScaleX: m_picture.scaleX = clampInt(param, 1, 1000); break;
    case Cw::PicScaleY: m_picture.scaleY = clampInt(param, 1, 1000); break;
    case Cw::RowDefaults:
        m_rowDef = RowDef{};
        m_rowOpen = true;
        break;
    case Cw::CellRight:
        if (int(m_rowDef.cells.size()) < kMaxTableColumns) {
            cell.rightTwips = clampInt(param, -kMaxTwips, kMaxTwips);
            m_rowDef.cells.push_back(cell);
        }
        cell = CellDef{};
        break;
    case Cw::CellBackground: cell.shading.background = clampInt(param, 0, kMaxColors); break;
    case Cw::CellPattern: cell.shading.pattern = clampInt(param, 0, kMaxColors); break;
    case Cw::CellShading: cell.shading.percent100 = clampInt(param, 0, 10000); break;
    case Cw::CellMerge: cell.merge = quint8(e.value); break;
    case Cw::CellBorder: cell.border = true; break;
    case Cw::RowLeft: m_rowDef.leftTwips = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Cw::RowGap: m_rowDef.gapTwips = clampInt(param, 0, kMaxTwips); break;
    case Cw::Cell:
        if (s.dest == Dest::Body)
            endCell();
        break;
    case Cw::Row:
        if (s.dest == Dest::Body)
            endRow();
        break;
    case Cw::List:
        if (s.dest == Dest::ListTable)
            m_levels.clear();
        break;
    case Cw::ListLevel:
        if (s.dest == Dest::ListTable && int(m_levels.size()) < kMaxListLevels)
            m_levels.push_back(ListLevelDef{});
        break;
    case Cw::LevelFormat:
        if (s.dest == Dest::ListTable && !m_levels.empty()) {
            const auto f = std::find_if(kLevelFormats.begin(), kLevelFormats.end(),
                                        [&](const LevelFormatKind& l) { return l.nfc == param; });
            m_levels.back().kind = f != kLevelFormats.end() ? f->kind : ListKind::Decimal;
        }
        break;
    case Cw::ListId:
        if (s.dest == Dest::ListTable && int(m_listDefs.size()) < kMaxLists) {
            m_listDefs[param] = m_levels;
            m_blockFormatValid = false;
        }
        else if (s.dest == Dest::ListOverrideTable)
            m_overrideListId = param;
        break;
    case Cw::ListOverride: m_overrideListId = 0; break;
    default: break;
    }
}

} // namespace zuv::richtext::rtf
