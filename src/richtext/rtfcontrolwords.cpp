// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "rtftables.h"

namespace zuv::richtext::rtftables {

namespace {

constexpr CwEntry dest(Dest d)
{
    return {Cw::Dest, int(d)};
}

constexpr CwEntry under(Underline u)
{
    return {Cw::Underline, int(u)};
}

} // namespace

const std::unordered_map<std::string_view, CwEntry>& controlWords()
{
    static const std::unordered_map<std::string_view, CwEntry> table{
        // destinations
        {"fonttbl", dest(Dest::FontTable)}, {"colortbl", dest(Dest::ColorTable)},
        {"fldrslt", dest(Dest::Body)}, {"shppict", dest(Dest::Body)}, {"pntext", dest(Dest::ListText)},
        {"listtext", dest(Dest::ListText)}, {"pict", dest(Dest::Pict)},
        {"listtable", dest(Dest::ListTable)}, {"listoverridetable", dest(Dest::ListOverrideTable)},
        {"pn", dest(Dest::Pn)}, {"upr", dest(Dest::Upr)}, {"ud", {Cw::Ud}},
        {"stylesheet", dest(Dest::Skip)}, {"info", dest(Dest::Skip)}, {"nonshppict", dest(Dest::Skip)},
        {"object", dest(Dest::Skip)}, {"shp", dest(Dest::Shape)},
        {"shpinst", dest(Dest::Shape)}, {"sn", dest(Dest::ShapeName)}, {"shprslt", dest(Dest::Skip)},
        {"shptxt", dest(Dest::Body)}, {"fldinst", dest(Dest::Skip)},
        {"header", dest(Dest::Skip)}, {"headerl", dest(Dest::Skip)}, {"headerr", dest(Dest::Skip)},
        {"headerf", dest(Dest::Skip)}, {"footer", dest(Dest::Skip)}, {"footerl", dest(Dest::Skip)},
        {"footerr", dest(Dest::Skip)}, {"footerf", dest(Dest::Skip)}, {"footnote", dest(Dest::Skip)},
        {"annotation", dest(Dest::Skip)}, {"xe", dest(Dest::Skip)}, {"tc", dest(Dest::Skip)},
        {"txe", dest(Dest::Skip)}, {"rxe", dest(Dest::Skip)}, {"template", dest(Dest::Skip)},
        {"revtbl", dest(Dest::Skip)}, {"filetbl", dest(Dest::Skip)}, {"ftnsep", dest(Dest::Skip)},
        {"ftnsepc", dest(Dest::Skip)}, {"ftncn", dest(Dest::Skip)}, {"aftnsep", dest(Dest::Skip)},
        {"aftnsepc", dest(Dest::Skip)}, {"aftncn", dest(Dest::Skip)}, {"do", dest(Dest::Skip)},
        {"leveltext", dest(Dest::LevelText)}, {"levelnumbers", dest(Dest::Skip)},
        {"listname", dest(Dest::Skip)}, {"pntxta", dest(Dest::Skip)}, {"pntxtb", dest(Dest::Skip)},
        // characters
        {"tab", {Cw::Char, '\t'}}, {"nestcell", {Cw::Char, '\t'}}, {"line", {Cw::Char, 0x2028}},
        {"emdash", {Cw::Char, 0x2014}}, {"endash", {Cw::Char, 0x2013}},
        {"emspace", {Cw::Char, 0x2003}}, {"enspace", {Cw::Char, 0x2002}},
        {"qmspace", {Cw::Char, 0x2005}}, {"bullet", {Cw::Char, 0x2022}},
        {"lquote", {Cw::Char, 0x2018}}, {"rquote", {Cw::Char, 0x2019}},
        {"ldblquote", {Cw::Char, 0x201C}}, {"rdblquote", {Cw::Char, 0x201D}},
        {"zwj", {Cw::Char, 0x200D}}, {"zwnj", {Cw::Char, 0x200C}}, {"ltrmark", {Cw::Char, 0x200E}},
        {"rtlmark", {Cw::Char, 0x200F}}, {"par", {Cw::Par}}, {"sect", {Cw::Par}}, {"page", {Cw::Par}},
        {"nestrow", {Cw::Par}},
        // character formats
        {"b", {Cw::Bold}}, {"i", {Cw::Italic}}, {"strike", {Cw::Strike}}, {"striked", {Cw::Strike}},
        {"v", {Cw::Hidden}}, {"super", {Cw::Super}}, {"sub", {Cw::Sub}},
        {"nosupersub", {Cw::NoSuperSub}}, {"caps", {Cw::Caps}}, {"scaps", {Cw::SmallCaps}},
        {"plain", {Cw::Plain}}, {"fs", {Cw::FontSize}}, {"cf", {Cw::Color}},
        {"highlight", {Cw::Highlight}}, {"cb", {Cw::Highlight}}, {"chcbpat", {Cw::Highlight}},
        {"f", {Cw::Font}}, {"ul", under(Underline::Single)}, {"ulw", under(Underline::Single)},
        {"ulth", under(Underline::Single)}, {"uldb", under(Underline::Double)},
        {"uld", under(Underline::Dotted)}, {"ulthd", under(Underline::Dotted)},
        {"uldash", under(Underline::Dash)}, {"ulldash", under(Underline::Dash)},
        {"ulthdash", under(Underline::Dash)}, {"ulthldash", under(Underline::Dash)},
        {"uldashd", under(Underline::DashDot)}, {"ulthdashd", under(Underline::DashDot)},
        {"uldashdd", under(Underline::DashDotDot)}, {"ulthdashdd", under(Underline::DashDotDot)},
        {"ulwave", under(Underline::Wave)}, {"ulhwave", under(Underline::Wave)},
        {"ululdbwave", under(Underline::Wave)}, {"ulnone", under(Underline::None)},
        // paragraph formats
        {"pard", {Cw::Pard}}, {"ql", {Cw::Align, int(Qt::AlignLeft)}},
        {"qr", {Cw::Align, int(Qt::AlignRight)}}, {"qc", {Cw::Align, int(Qt::AlignHCenter)}},
        {"qj", {Cw::Align, int(Qt::AlignJustify)}}, {"li", {Cw::LeftIndent}},
        {"lin", {Cw::LeftIndent}}, {"ri", {Cw::RightIndent}}, {"rin", {Cw::RightIndent}},
        {"fi", {Cw::FirstIndent}}, {"sb", {Cw::SpaceBefore}}, {"sa", {Cw::SpaceAfter}},
        {"sl", {Cw::LineSpacing}}, {"slmult", {Cw::LineMultiple}}, {"tqr", {Cw::TabKind, 1}},
        {"tqc", {Cw::TabKind, 2}}, {"tqdec", {Cw::TabKind, 3}}, {"tx", {Cw::TabStop}},
        {"tb", {Cw::TabStop}}, {"cbpat", {Cw::ParaBackground}}, {"cfpat", {Cw::ParaPattern}},
        {"shading", {Cw::ParaShading}},
        // text encoding
        {"uc", {Cw::Uc}}, {"u", {Cw::U}}, {"ansicpg", {Cw::AnsiCpg}},
        {"ansi", {Cw::CharSet, kCodePage1252}}, {"mac", {Cw::CharSet, 10000}},
        {"pc", {Cw::CharSet, 437}}, {"pca", {Cw::CharSet, 850}}, {"deff", {Cw::Deff}},
        {"fcharset", {Cw::FontCharset}}, {"cpg", {Cw::FontCpg}}, {"red", {Cw::Red}},
        {"green", {Cw::Green}}, {"blue", {Cw::Blue}},
        // pictures
        {"pngblip", {Cw::PictType, int(PictKind::Png)}}, {"jpegblip", {Cw::PictType, int(PictKind::Jpeg)}},
        {"emfblip", {Cw::PictType, int(PictKind::Other)}}, {"wmetafile", {Cw::PictType, int(PictKind::Other)}},
        {"macpict", {Cw::PictType, int(PictKind::Other)}}, {"dibitmap", {Cw::PictType, int(PictKind::Other)}},
        {"wbitmap", {Cw::PictType, int(PictKind::Other)}}, {"pmmetafile", {Cw::PictType, int(PictKind::Other)}},
        {"picw", {Cw::PicWidth}}, {"pich", {Cw::PicHeight}}, {"picwgoal", {Cw::PicGoalWidth}},
        {"pichgoal", {Cw::PicGoalHeight}}, {"picscalex", {Cw::PicScaleX}}, {"picscaley", {Cw::PicScaleY}},
        // tables
        {"trowd", {Cw::RowDefaults}}, {"cellx", {Cw::CellRight}}, {"clcbpat", {Cw::CellBackground}},
        {"clcfpat", {Cw::CellPattern}}, {"clshdng", {Cw::CellShading}}, {"clmgf", {Cw::CellMerge, 1}},
        {"clmrg", {Cw::CellMerge, 2}}, {"clvmgf", {Cw::CellMerge, 3}}, {"clvmrg", {Cw::CellMerge, 4}},
        {"clbrdrt", {Cw::CellBorder}}, {"clbrdrl", {Cw::CellBorder}}, {"clbrdrb", {Cw::CellBorder}},
        {"clbrdrr", {Cw::CellBorder}}, {"trleft", {Cw::RowLeft}}, {"trgaph", {Cw::RowGap}},
        {"intbl", {Cw::InTable}}, {"cell", {Cw::Cell}}, {"row", {Cw::Row}},
        // lists
        {"list", {Cw::List}}, {"listlevel", {Cw::ListLevel}}, {"levelnfc", {Cw::LevelFormat}},
        {"levelnfcn", {Cw::LevelFormat}}, {"listid", {Cw::ListId}},
        {"listoverride", {Cw::ListOverride}}, {"ls", {Cw::ListIndex}}, {"ilvl", {Cw::ListLevelIndex}},
        {"pnlvlblt", {Cw::PnLevel, int(ListKind::Bullet)}}, {"pnlvlbody", {Cw::PnLevel, int(ListKind::Decimal)}},
        {"pnlvlcont", {Cw::PnLevel, int(ListKind::None)}}, {"pndec", {Cw::PnFormat, int(ListKind::Decimal)}},
        {"pnucrm", {Cw::PnFormat, int(ListKind::UpperRoman)}}, {"pnlcrm", {Cw::PnFormat, int(ListKind::LowerRoman)}},
        {"pnucltr", {Cw::PnFormat, int(ListKind::UpperAlpha)}}, {"pnlcltr", {Cw::PnFormat, int(ListKind::LowerAlpha)}},
    };
    return table;
}

} // namespace zuv::richtext::rtftables
