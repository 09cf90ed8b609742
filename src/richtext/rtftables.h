// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Lookup tables of the rich-text reader: code pages, character sets and control words.
// Private to rtfreader.cpp.

#include <QtCore/qnamespace.h>
#include <QtGlobal>

#include <array>
#include <string_view>
#include <unordered_map>

namespace zuv::richtext::rtftables {

// Code pages that need more than a plain byte table.
// Negative: never a real code page number from the file.
constexpr int kCodePageSymbol = -42;
constexpr int kCodePageWingdings = -43;
constexpr int kCodePage1252 = 1252;

// \fcharsetN -> Windows code page; 0 means "the document's \ansicpg".
struct CharsetCodePage {
    int charset;
    int codePage;
};
inline constexpr std::array kCharsetCodePages{
    CharsetCodePage{0, 0},       CharsetCodePage{1, 0},       CharsetCodePage{2, kCodePageSymbol},
    CharsetCodePage{77, 10000},  CharsetCodePage{128, 932},   CharsetCodePage{129, 949},
    CharsetCodePage{134, 936},   CharsetCodePage{136, 950},   CharsetCodePage{161, 1253},
    CharsetCodePage{162, 1254},  CharsetCodePage{163, 1258},  CharsetCodePage{177, 1255},
    CharsetCodePage{178, 1256},  CharsetCodePage{186, 1257},  CharsetCodePage{204, 1251},
    CharsetCodePage{222, 874},   CharsetCodePage{238, 1250},  CharsetCodePage{254, 437},
    CharsetCodePage{255, 850},
};

// Windows code page -> converter name known to QStringDecoder. Anything else reads as 1252.
struct CodePageName {
    int codePage;
    const char* name;
};
inline constexpr std::array kCodePageNames{
    CodePageName{437, "IBM437"},         CodePageName{850, "IBM850"},
    CodePageName{852, "IBM852"},         CodePageName{866, "IBM866"},
    CodePageName{874, "windows-874"},    CodePageName{932, "windows-932"},
    CodePageName{936, "windows-936"},    CodePageName{949, "windows-949"},
    CodePageName{950, "windows-950"},    CodePageName{1250, "windows-1250"},
    CodePageName{1251, "windows-1251"},  CodePageName{1253, "windows-1253"},
    CodePageName{1254, "windows-1254"},  CodePageName{1255, "windows-1255"},
    CodePageName{1256, "windows-1256"},  CodePageName{1257, "windows-1257"},
    CodePageName{1258, "windows-1258"},  CodePageName{10000, "macintosh"},
    CodePageName{28591, "ISO-8859-1"},   CodePageName{28592, "ISO-8859-2"},
    CodePageName{28595, "ISO-8859-5"},   CodePageName{28597, "ISO-8859-7"},
    CodePageName{28605, "ISO-8859-15"},  CodePageName{65001, "UTF-8"},
};

// 0x80..0x9F of cp1252; the rest of the code page equals Latin-1.
inline constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// Bullets that list numbering draws from symbol fonts, as Unicode.
struct SymbolChar {
    int codePage;
    unsigned char byte;
    char16_t ch;
};
inline constexpr std::array kSymbolChars{
    SymbolChar{kCodePageSymbol, 0xB7, 0x2022},    SymbolChar{kCodePageWingdings, 0x6C, 0x25CF},
    SymbolChar{kCodePageWingdings, 0xA7, 0x25AA}, SymbolChar{kCodePageWingdings, 0xD8, 0x27A2},
    SymbolChar{kCodePageWingdings, 0xFC, 0x2713}, SymbolChar{kCodePageWingdings, 0x76, 0x2756},
};

inline char16_t cp1252Char(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? kCp1252High[b - 0x80] : char16_t(b);
}

// Where the text of a group goes. Upr drops its text (the ANSI twin of a \ud group) but still
// reads control words; ListText is held back until the paragraph shows whether it is a list;
// Shape drops its text but shows the picture of its "pib" property (ShapeName: the \sn);
// LevelText gathers a list level's number text ("\'02\'00)" for "a)").
enum class Dest : quint8 {
    Body, FontTable, ColorTable, Skip, Pict, ListTable, ListOverrideTable, ListText, Pn, Upr,
    Shape, ShapeName, LevelText,
};

enum class Cw : quint8 {
    Dest, Char, Par, Bold, Italic, Underline, Strike, Hidden, Super, Sub, NoSuperSub, Caps,
    SmallCaps, Plain, Pard, FontSize, Color, Highlight, Font, Align, LeftIndent, RightIndent,
    FirstIndent, SpaceBefore, SpaceAfter, LineSpacing, LineMultiple, TabKind, TabStop,
    ParaBackground, ParaPattern, ParaShading, Uc, U, Ud, AnsiCpg, CharSet, Deff, FontCharset,
    FontCpg, Red, Green, Blue,
    // pictures
    PictType, PicWidth, PicHeight, PicGoalWidth, PicGoalHeight, PicScaleX, PicScaleY,
    // tables
    RowDefaults, CellRight, CellBackground, CellPattern, CellShading, CellMerge, CellBorder, RowLeft,
    RowGap, InTable, Cell, Row,
    // lists
    List, ListLevel, LevelFormat, ListId, ListOverride, ListIndex, ListLevelIndex,
    PnLevel, PnFormat,
};

// Underline styles kept by the reader (\ul... words); the values are those of CharProps.
enum class Underline : quint8 { None, Single, Double, Dotted, Dash, DashDot, DashDotDot, Wave };

// Picture kinds of \pict; only PNG and JPEG are shown (the WMF twin of \nonshppict is not).
enum class PictKind : quint8 { Other, Png, Jpeg };

// Number formats of \levelnfc and of the old \pn words.
enum class ListKind : quint8 { None, Bullet, Decimal, UpperRoman, LowerRoman, UpperAlpha, LowerAlpha };

// \levelnfcN -> list kind; numbers not listed read as decimal.
struct LevelFormatKind {
    int nfc;
    ListKind kind;
};
inline constexpr std::array kLevelFormats{
    LevelFormatKind{0, ListKind::Decimal},     LevelFormatKind{1, ListKind::UpperRoman},
    LevelFormatKind{2, ListKind::LowerRoman},  LevelFormatKind{3, ListKind::UpperAlpha},
    LevelFormatKind{4, ListKind::LowerAlpha},  LevelFormatKind{23, ListKind::Bullet},
    LevelFormatKind{255, ListKind::None},
};

struct CwEntry {
    Cw kind;
    int value = 0;
};

// Control words this reader acts on; all others are ignored as RTF asks.
const std::unordered_map<std::string_view, CwEntry>& controlWords();

} // namespace zuv::richtext::rtftables
