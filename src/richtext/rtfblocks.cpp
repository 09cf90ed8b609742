// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "rtfparser.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

// The structure the parser builds: paragraphs with their formats, lists, tables and pictures.
namespace zuv::richtext::rtf {

namespace {

constexpr std::array kTabTypes{QTextOption::LeftTab, QTextOption::RightTab, QTextOption::CenterTab,
                               QTextOption::DelimiterTab};

// List styles by kind; bullets change shape with the level as word processors draw them.
QTextListFormat::Style listStyle(ListKind kind, int level)
{
    static constexpr std::array bullets{QTextListFormat::ListDisc, QTextListFormat::ListCircle,
                                        QTextListFormat::ListSquare};
    switch (kind) {
    case ListKind::Bullet: return bullets[std::size_t(level) % bullets.size()];
    case ListKind::UpperRoman: return QTextListFormat::ListUpperRoman;
    case ListKind::LowerRoman: return QTextListFormat::ListLowerRoman;
    case ListKind::UpperAlpha: return QTextListFormat::ListUpperAlpha;
    case ListKind::LowerAlpha: return QTextListFormat::ListLowerAlpha;
    default: return QTextListFormat::ListDecimal;
    }
}

} // namespace

// Puts the cursor where the next content of the current paragraph goes: into a table cell,
// out of a table, or into a new block after a finished paragraph.
void RtfParser::beginContent(bool cell)
{
    const ParaProps& para = top().para;
    if (cell || para.inTable || m_rowOpen || (m_table && !m_rowDone))
        enterCell();
    else if (m_table)
        leaveTable();
    if (m_pendingBreak) {
        m_cursor.insertBlock(QTextBlockFormat(), charFormat(top().ch));
        m_pendingBreak = false;
    }
    if (!m_listText.isEmpty()) {
        // A list draws its own marker; the text stands in for it only where no list is known.
        if (listKind(para) == ListKind::None) {
            repairSurrogates(m_listText);
            m_cursor.insertText(m_listText, m_listTextFormat);
        }
        m_listText.clear();
    }
}

void RtfParser::paragraph()
{
    flushText();
    beginContent();
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(top().ch));
    closeParagraph();
    m_pendingBreak = true;
}

// The paragraph takes the properties in force at its end.
void RtfParser::closeParagraph()
{
    const ParaProps& para = top().para;
    m_cursor.setBlockFormat(blockFormat(para));
    attachList(para);
}

// The format of a paragraph; the last one is kept, as paragraphs alike come in a row.
const QTextBlockFormat& RtfParser::blockFormat(const ParaProps& p)
{
    if (m_blockFormatValid && p == m_blockProps)
        return m_blockFormat;
    QTextBlockFormat f;
    f.setAlignment(Qt::Alignment(p.align));
    f.setLeftMargin(twipsToPixels(p.leftTwips));
    f.setRightMargin(twipsToPixels(p.rightTwips));
    // In a list the first-line indent is the room of the marker, which the list draws.
    f.setTextIndent(listKind(p) == ListKind::None ? twipsToPixels(p.firstTwips) : 0.0);
    f.setTopMargin(twipsToPixels(p.beforeTwips));
    f.setBottomMargin(twipsToPixels(p.afterTwips));
    if (p.lineMultiple && p.lineTwips > 0)
        f.setLineHeight(p.lineTwips * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (!p.lineMultiple && p.lineTwips > 0)
        f.setLineHeight(twipsToPixels(p.lineTwips), QTextBlockFormat::MinimumHeight);
    else if (!p.lineMultiple && p.lineTwips < 0)
        f.setLineHeight(twipsToPixels(-p.lineTwips), QTextBlockFormat::FixedHeight);
    if (p.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        for (int i = 0; i < p.tabCount; ++i) {
            const TabStop& t = p.tabs[std::size_t(i)];
            // German numbers: a decimal tab aligns on the comma.
            tabs.append(QTextOption::Tab(twipsToPixels(t.twips), kTabTypes[t.kind % kTabTypes.size()],
                                         t.kind == 3 ? QChar(u',') : QChar()));
        }
        std::stable_sort(tabs.begin(), tabs.end(),
                         [](const QTextOption::Tab& a, const QTextOption::Tab& b) { return a.position < b.position; });
        f.setTabPositions(tabs);
    }
    if (const QColor c = shadingColor(p.shading); c.isValid())
        f.setBackground(c);
    m_blockFormat = f;
    m_blockProps = p;
    m_blockFormatValid = true;
    return m_blockFormat;
}

QColor RtfParser::shadingColor(const Shading& s) const
{
    const QColor background = color(s.background);
    if (s.percent100 <= 0)
        return background;
    const QColor pattern = color(s.pattern).isValid() ? color(s.pattern) : QColor(Qt::black);
    const QColor base = background.isValid() ? background : QColor(Qt::white);
    const auto mix = [&](int b, int p) { return b + (p - b) * s.percent100 / 10000; };
    return QColor(mix(base.red(), pattern.red()), mix(base.green(), pattern.green()), mix(base.blue(), pattern.blue()));
}

void applyLevelText(const QString& levelText, ListLevelDef& level)
{
    if (levelText.isEmpty())
        return;
    const QString text = levelText.mid(1, levelText.at(0).unicode());
    const auto isNumber = [](QChar c) { return c.unicode() < kMaxListLevels; };
    const auto first = std::find_if(text.begin(), text.end(), isNumber);
    if (first == text.end())
        return;   // no number: a bullet's character, drawn by the list style
    const auto last = std::find_if(text.rbegin(), text.rend(), isNumber);
    level.prefix = QString(text.begin(), first - text.begin());
    level.suffix = QString(last.base(), text.end() - last.base());
}

const ListLevelDef* RtfParser::listLevel(const ParaProps& p) const
{
    const auto over = m_listOverrides.find(p.listIndex);
    if (p.listIndex <= 0 || over == m_listOverrides.end())
        return nullptr;
    const auto def = m_listDefs.find(over->second);
    if (def == m_listDefs.end() || p.listLevel >= int(def->second.size()))
        return nullptr;
    return &def->second[std::size_t(p.listLevel)];
}

ListKind RtfParser::listKind(const ParaProps& p) const
{
    if (p.listIndex <= 0)
        return p.pnKind;
    const ListLevelDef* level = listLevel(p);
    return level ? level->kind : ListKind::None;
}

void RtfParser::attachList(const ParaProps& p)
{
    const ListKind kind = listKind(p);
    if (kind == ListKind::None) {
        m_pnList = nullptr;
        return;
    }
    // \ls lists number on across other paragraphs; an old \pn list ends at the first paragraph
    // that is not one of its items.
    QTextList** list = nullptr;
    if (p.listIndex > 0) {
        list = &m_lists[{p.listIndex, p.listLevel}];
    } else {
        if (m_pnList && m_pnKind != kind)
            m_pnList = nullptr;
        m_pnKind = kind;
        list = &m_pnList;
    }
    if (*list) {
        (*list)->add(m_cursor.block());
        return;
    }
    QTextListFormat format;
    format.setStyle(listStyle(kind, p.listLevel));
    if (const ListLevelDef* level = listLevel(p)) {
        format.setNumberPrefix(level->prefix);
        format.setNumberSuffix(level->suffix);
    }
    format.setIndent(0); // the block's own margins place it
    *list = m_cursor.createList(format);
}

void RtfParser::enterCell()
{
    if (m_table && m_rowDone && m_table->rows() >= kMaxTableRows)
        leaveTable();
    if (!m_table) {
        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(twipsToPixels(m_rowDef.gapTwips));
        format.setAlignment(Qt::AlignLeft);
        format.setLeftMargin(twipsToPixels(std::max(m_rowDef.leftTwips, 0)));
        const bool border = std::any_of(m_rowDef.cells.begin(), m_rowDef.cells.end(),
                                        [](const CellDef& c) { return c.border; });
        format.setBorder(border ? 1 : 0);
        format.setBorderBrush(QColor(Qt::black));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        const int columns = std::clamp(int(m_rowDef.cells.size()), 1, kMaxTableColumns);
        m_table = m_cursor.insertTable(1, columns, format);
        m_row = 0;
        m_column = 0;
        m_rowDone = false;
        m_cellEntered = false;
        m_verticalMergeStart.assign(std::size_t(kMaxTableColumns), -1);
        m_columnWidths.clear();
        m_widthCells = 0;
    } else if (m_rowDone) {
        m_table->appendRows(1);
        ++m_row;
        m_column = 0;
        m_rowDone = false;
        m_cellEntered = false;
    }
    if (m_cellEntered)
        return;
    bool full = false;
    if (m_column >= m_table->columns()) {
        if (m_column < kMaxTableColumns) {
            // Qt's appendColumns() copies width constraints wrongly: append without them,
            // then give the table ours again.
            if (!m_columnWidths.isEmpty()) {
                QTextTableFormat format = m_table->format();
                format.clearColumnWidthConstraints();
                m_table->setFormat(format);
            }
            m_table->appendColumns(m_column + 1 - m_table->columns());
            if (!m_columnWidths.isEmpty()) {
                QList<QTextLength> widths = m_columnWidths;
                widths.resize(m_table->columns());
                setColumnWidths(widths);
            }
        } else {
            // More cells than a row may have: the rest goes into the last cell.
            m_column = m_table->columns() - 1;
            full = true;
        }
    }
    m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
    m_cellEntered = true;
    m_pendingBreak = full;
}

void RtfParser::setColumnWidths(const QList<QTextLength>& widths)
{
    QTextTableFormat format = m_table->format();
    format.setColumnWidthConstraints(widths);
    m_table->setFormat(format);
    m_columnWidths = widths;
}

void RtfParser::leaveTable()
{
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_cursor.setBlockCharFormat(charFormat(top().ch));
    m_table = nullptr;
    m_rowDone = false;
    m_cellEntered = false;
    m_pendingBreak = false;
}

void RtfParser::endCell()
{
    flushText();
    beginContent(true);
    closeParagraph();
    ++m_column;
    m_cellEntered = false;
    m_pendingBreak = false;
}

// Gives the finished row its cell widths, shading and merges from the row definition.
void RtfParser::endRow()
{
    flushText();
    m_rowOpen = false;
    if (!m_table || m_rowDone) {
        if (!m_table)
            paragraph();
        return;
    }
    // The widths come from the row that defines the most cells; columns beyond it are free.
    const int cells = std::min(int(m_rowDef.cells.size()), m_table->columns());
    if (cells > 0 && cells >= m_widthCells) {
        QList<QTextLength> widths;
        int left = m_rowDef.leftTwips;
        for (int c = 0; c < cells; ++c) {
            const int right = m_rowDef.cells[std::size_t(c)].rightTwips;
            widths.append(QTextLength(QTextLength::FixedLength, twipsToPixels(std::max(right - left, 0))));
            left = right;
        }
        widths.resize(m_table->columns());
        m_widthCells = cells;
        if (widths != m_columnWidths)
            setColumnWidths(widths);
    }
    int mergeFrom = -1;
    for (int c = 0; c < cells; ++c) {
        const CellDef& def = m_rowDef.cells[std::size_t(c)];
        if (const QColor bg = shadingColor(def.shading); bg.isValid()) {
            QTextTableCell cell = m_table->cellAt(m_row, c);
            QTextCharFormat f = cell.format();
            f.setBackground(bg);
            cell.setFormat(f);
        }
        int& vertical = m_verticalMergeStart[std::size_t(c)];
        if (def.merge == 1)
            mergeFrom = c;
        else if (def.merge == 2 && mergeFrom >= 0)
            m_table->mergeCells(m_row, mergeFrom, 1, c - mergeFrom + 1);
        if (def.merge == 3)
            vertical = m_row;
        else if (def.merge == 4 && vertical >= 0)
            m_table->mergeCells(vertical, c, m_row - vertical + 1, 1);
        else
            vertical = -1;
    }
    m_rowDone = true;
    m_column = 0;
    m_cellEntered = false;
}

// Shows a PNG or JPEG picture at the size the file asks for: the goal size in twips (or the
// picture's own pixels) times the scale. It is decoded at no more than twice that size (sharp
// on a high-resolution screen or in print). All pictures together stay within a budget of
// decoded pixels, charged before decoding with the full size from the picture's header: a
// PNG shown small is still decoded whole first.
void RtfParser::finishPicture()
{
    if (m_picture.kind == PictKind::Other || m_pictureCount >= kMaxPictures)
        return;
    QByteArray data = m_picture.binary.isEmpty() ? QByteArray::fromHex(m_picture.hex) : m_picture.binary;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_picture.kind == PictKind::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return;
    const int widthTwips = m_picture.goalWidth > 0 ? m_picture.goalWidth : size.width() * 15;
    const int heightTwips = m_picture.goalHeight > 0 ? m_picture.goalHeight : size.height() * 15;
    const qreal maxPixels = twipsToPixels(kMaxTwips);
    const qreal width = std::clamp(twipsToPixels(widthTwips) * m_picture.scaleX / 100.0, 1.0, maxPixels);
    const qreal height = std::clamp(twipsToPixels(heightTwips) * m_picture.scaleY / 100.0, 1.0, maxPixels);
    const QSize decoded(std::min(size.width(), int(std::ceil(2 * width))),
                        std::min(size.height(), int(std::ceil(2 * height))));
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > m_pixelBudget)
        return;
    m_pixelBudget -= pixels;   // spent whether or not the data turns out sound
    if (decoded != size)
        reader.setScaledSize(decoded);
    const QImage image = reader.read();
    if (image.isNull())
        return;

    const QString name = QStringLiteral("rtfpicture:%1").arg(++m_pictureCount);
    m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    flushText();
    beginContent();
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    m_cursor.insertImage(format);
}

} // namespace zuv::richtext::rtf
