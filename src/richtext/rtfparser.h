// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
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

#include <array>
#include <map>
#include <unordered_map>
#include <memory>
#include <string_view>
#include <vector>

class QTextDocument;
class QTextList;
class QTextTable;

namespace zuv::richtext::rtf {

// Limits that keep hostile input bounded in memory and time.
constexpr int kMaxGroupDepth = 256;
constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxFontNameLength = 256;
constexpr int kMaxControlWordLength = 32;
constexpr int kMaxUnicodeSkip = 16;
constexpr qint64 kParamLimit = 2'000'000'000;
constexpr int kMaxTwips = 31680; // 22 inches, more than any page
constexpr int kMaxTabStops = 32;
constexpr int kMaxTableColumns = 64;
constexpr int kMaxTableRows = 4096; // a longer table goes on as a new table
constexpr int kMaxLists = 1024;
constexpr int kMaxListLevels = 9;
constexpr int kMaxPictureSide = 8192; // pixels
constexpr int kMaxPictures = 256;
// Decoded, all pictures together, at the full size their headers give (a PNG is decoded whole
// before it is scaled): 256 MB of work and at most that kept.
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;
constexpr std::size_t kMaxCachedFormats = 1024;

using namespace rtftables;

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    quint8 underline = 0; // an Underline
    quint8 caps = 0;      // 0 none, 1 all capitals, 2 small capitals
    quint8 vertical = 0;  // 0 normal, 1 superscript, 2 subscript
    int sizeHalfPoints = 0; // 0: the document's default size
    int color = -1;         // colour table index, -1 = automatic
    int highlight = 0;      // colour table index, 0 = none
    int font = -1;          // -1: the \deff font
    bool operator==(const CharProps&) const = default;
};

struct CharPropsHash {
    std::size_t operator()(const CharProps& p) const
    {
        const std::size_t flags = std::size_t(p.bold) | std::size_t(p.italic) << 1 | std::size_t(p.strike) << 2 |
                                  std::size_t(p.hidden) << 3 | std::size_t(p.underline) << 4 |
                                  std::size_t(p.caps) << 8 | std::size_t(p.vertical) << 10;
        return qHashMulti(0, flags, p.sizeHalfPoints, p.color, p.highlight, p.font);
    }
};

struct TabStop {
    int twips = 0;
    quint8 kind = 0; // 0 left, 1 right, 2 centre, 3 decimal
    bool operator==(const TabStop&) const = default;
};

// Shading of a paragraph or a table cell: a pattern colour laid over a background colour,
// shading in hundredths of a percent of the pattern colour.
struct Shading {
    int background = -1; // colour table index, -1 none
    int pattern = -1;    // colour table index, -1 automatic (black)
    int percent100 = 0;  // 0..10000
    bool operator==(const Shading&) const = default;
};

// One level of a \list: its number format and the text around the number ("(" and ")" of
// "(a)"); Qt's own "." when the file gives no level text.
struct ListLevelDef {
    ListKind kind = ListKind::Decimal;
    QString prefix;
    QString suffix = QStringLiteral(".");
};

// The prefix and suffix of a \leveltext: its first character is the length, characters
// 0..8 stand for level numbers; the text before the first and after the last of them.
void applyLevelText(const QString& levelText, ListLevelDef& level);

struct ParaProps {
    int align = int(Qt::AlignLeft);
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    int lineTwips = 0; // \sl: 0 single, > 0 at least, < 0 exactly
    bool lineMultiple = false;
    bool inTable = false;
    Shading shading;
    int listIndex = 0; // \ls, 0 none
    int listLevel = 0; // \ilvl 0..8
    ListKind pnKind = ListKind::None; // the old \pn numbering, when set
    quint8 pendingTabKind = 0;
    quint8 tabCount = 0;
    std::array<TabStop, kMaxTabStops> tabs{};
    bool operator==(const ParaProps&) const = default;
};

struct GroupState {
    CharProps ch;
    ParaProps para;
    int uc = 1;
    Dest dest = Dest::Body;
    Dest uprOuter = Dest::Body; // where the text of a \ud inside this \upr goes
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

// A picture read from \pict: its kind, sizes and data.
struct Picture {
    PictKind kind = PictKind::Other;
    int width = 0, height = 0;         // \picw, \pich
    int goalWidth = 0, goalHeight = 0; // twips
    int scaleX = 100, scaleY = 100;    // percent
    QByteArray hex;                    // hex digits as in the file
    QByteArray binary;                 // \bin data
};

// One cell of the row being defined (\clcbpat ... \cellx).
struct CellDef {
    int rightTwips = 0;
    Shading shading;
    quint8 merge = 0; // 1 first of a horizontal merge, 2 merged into the left, 3 first vertical, 4 merged into the one above
    bool border = false;
};

struct RowDef {
    int leftTwips = 0;
    int gapTwips = 0;
    std::vector<CellDef> cells;
    CellDef pending;
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

// \u pairs give surrogates; one left alone would be invalid UTF-16 in the document.
inline void repairSurrogates(QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (isSurrogateFree(c))
            continue;
        const bool high = c <= 0xDBFF;
        if (high && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            text[i] = QChar(0xFFFD);
    }
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
    explicit RtfParser(QTextDocument& doc);

    // Returns true when the outermost group was closed.
    bool parse(const char* p, const char* end);

private:
    GroupState& top() { return m_stack.back(); }
    bool dispatching() const
    {
        return !m_stack.empty() && m_overflowSkipFrom == 0 && m_stack.back().dest != Dest::Skip;
    }

    // reading (rtfparser.cpp)
    void openGroup();
    bool closeGroup();
    void endGroup(const GroupState& closed);
    const char* plainRun(const char* p, const char* end);
    const char* controlWord(const char* p, const char* end);
    void controlSymbol(char c, const char*& p, const char* end);
    void ignorableDestination();

    // control words (rtfcontrols.cpp)
    void apply(std::string_view word, bool hasParam, int param);
    void applyDestination(GroupState& s, Dest dest);
    void applyParagraph(const CwEntry& e, GroupState& s, bool hasParam, int param);
    void applyStructure(const CwEntry& e, GroupState& s, int param);

    // text (rtfreader.cpp)
    int currentCodePage() const;
    void addBytes(const char* p, qsizetype n);
    void flushBytes();
    QString decode(const QByteArray& bytes, int codePage);
    void emitChar(char16_t c);
    void emitText(const QString& text);
    void flushText();
    void commitFont();
    void commitColor();
    QColor color(int index) const;
    const QTextCharFormat& charFormat(const CharProps& p);
    void finish();

    // paragraphs, tables, lists and pictures (rtfblocks.cpp)
    void beginContent(bool cell = false);
    void paragraph();
    void closeParagraph();
    const QTextBlockFormat& blockFormat(const ParaProps& p);
    QColor shadingColor(const Shading& s) const;
    ListKind listKind(const ParaProps& p) const;
    const ListLevelDef* listLevel(const ParaProps& p) const;
    void attachList(const ParaProps& p);
    void enterCell();
    void leaveTable();
    void setColumnWidths(const QList<QTextLength>& widths);
    void endCell();
    void endRow();
    void finishPicture();

    QTextDocument& m_doc;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    int m_overflow = 0;         // groups opened past kMaxGroupDepth; they share the top state
    int m_overflowSkipFrom = 0; // overflow level of a skipped destination, 0 none
    GroupState m_overflowBase;  // the top state when the overflow began, restored after it
    bool m_starPending = false; // \* seen: a destination word may follow
    Dest m_starOuter = Dest::Body;
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
    bool m_pendingBreak = false;
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
    // Formats made so far: documents switch between a handful of them all the time.
    std::unordered_map<CharProps, QTextCharFormat, CharPropsHash> m_formats;
    ParaProps m_blockProps;
    QTextBlockFormat m_blockFormat;
    bool m_blockFormatValid = false;

    // list text (\listtext, \pntext) held until the paragraph shows whether it is a list
    QString m_listText;
    QTextCharFormat m_listTextFormat;
    // list definitions: \listid -> kinds by level; \ls -> \listid; open lists by (\ls, level)
    std::vector<ListLevelDef> m_levels;
    std::map<int, std::vector<ListLevelDef>> m_listDefs;
    QString m_levelText;
    int m_overrideListId = 0;
    std::map<int, int> m_listOverrides;
    std::map<std::pair<int, int>, QTextList*> m_lists;
    QTextList* m_pnList = nullptr;
    ListKind m_pnKind = ListKind::None;

    Picture m_picture;
    int m_pictureCount = 0;
    QString m_shapeProperty; // the last \sn of a shape
    qint64 m_pixelBudget = kMaxPicturePixels;

    RowDef m_rowDef;
    bool m_rowOpen = false; // \trowd seen and no \row yet
    QTextTable* m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_cellEntered = false;
    bool m_rowDone = false;
    QList<QTextLength> m_columnWidths; // the table's width constraints, one per column
    int m_widthCells = 0;              // cells of the row they came from
    std::vector<int> m_verticalMergeStart; // by column: row where a vertical merge began, -1 none
};

} // namespace zuv::richtext::rtf
