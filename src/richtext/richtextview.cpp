// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "richtextview.h"

#include "rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace zuv::richtext {

namespace {

void paintFragment(QPainter& painter, const QTextBlock& block, const QPointF& origin, const QTextFragment& fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    const QFontMetricsF metrics(format.font(), painter.device());
    const qreal width = std::max<qreal>(1.0, metrics.lineWidth());
    const QColor color = format.underlineColor().isValid() ? format.underlineColor()
                                                           : format.foreground().color();
    painter.setPen(QPen(color, width));
    const QTextLayout* layout = block.layout();
    const int start = fragment.position() - block.position();
    const int end = start + fragment.length();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const int from = std::max(start, line.textStart());
        const int to = std::min(end, line.textStart() + line.textLength());
        if (from >= to)
            continue;
        // Qt's own underline sits at the baseline plus underlinePos; the second one below it.
        const qreal y = origin.y() + line.y() + line.ascent() + metrics.underlinePos() + 3 * width;
        painter.drawLine(QPointF(origin.x() + line.cursorToX(from), y), QPointF(origin.x() + line.cursorToX(to), y));
    }
}

} // namespace

void paintDoubleUnderlines(QPainter& painter, const QTextDocument& doc, const QRectF& clip)
{
    const QAbstractTextDocumentLayout* docLayout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0)
            continue;
        const QRectF bounds = docLayout->blockBoundingRect(block);
        if (!bounds.intersects(clip))
            continue;
        // The block's rectangle in document coordinates, less the layout's own offset.
        const QPointF origin = bounds.topLeft() - layout->boundingRect().topLeft();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().boolProperty(kDoubleUnderlineProperty))
                paintFragment(painter, block, origin, fragment);
        }
    }
}

void scaleTextSizes(QTextDocument& doc, double factor)
{
    // The loaded size, kept beside the format so a second factor starts from it again.
    constexpr int kLoadedPointSize = QTextFormat::UserProperty + 0x51;
    struct Run {
        int position;
        int length;
        QTextCharFormat format;
    };
    // Collected first: setting a format merges fragments under a running iterator.
    std::vector<Run> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            double loaded = format.doubleProperty(kLoadedPointSize);
            if (loaded <= 0) {
                loaded = format.fontPointSize();
                if (loaded <= 0)
                    continue;
                format.setProperty(kLoadedPointSize, loaded);
            }
            format.setFontPointSize(loaded * factor);
            runs.push_back({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (const Run& run : runs) {
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

void RichTextView::setTextScale(double factor)
{
    scaleTextSizes(*document(), factor);
}

RichTextView::RichTextView(QWidget* parent)
    : QTextEdit(parent)
{
}

void RichTextView::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scroll);
    paintDoubleUnderlines(painter, *document(), QRectF(event->rect()).translated(scroll));
}

} // namespace zuv::richtext
