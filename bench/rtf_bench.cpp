// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Rich-text reader: reading a WordPad-like document (formatted paragraphs, umlauts as \' and
// \u, lists, small tables) into a document with a layout, as the text box has. Goals: under
// 70 ms per MiB (BM_ReadRtf1MiB reads one MiB), and a file just under the 16 MiB limit under
// 2 s. The layout itself then runs lazily, screen by screen, as after setPlainText(). BM_InsertSameDocument
// builds the same document straight through a cursor in one edit block: the floor the
// reader is measured against. BM_Read64LargePngs reads 64 PNG pictures of 8192 x 8192 (and of
// 4096 x 4096, which Qt's allocation limit lets through) shown 2 x 2 cm; goal: under 2 s with
// the pictures the budget affords.

#include "rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <benchmark/benchmark.h>

#include "benchmain.h"

namespace {

QByteArray sampleRtf(qsizetype size)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
                     "{\\f1\\fnil\\fcharset2 Symbol;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}"
                     "\\viewkind4\\uc1\r\n";
    for (int i = 0; rtf.size() < size - 400; ++i) {
        if (i % 100 == 99) {
            for (int row = 0; row < 3; ++row)
                rtf += "\\trowd\\trgaph108\\cellx2000\\clcbpat1\\cellx4000\\cellx6000\\pard\\intbl Zelle\\cell "
                       "\\b Wert\\b0\\cell Gr\\'fc\\'dfe\\cell\\row\r\n";
            rtf += "\\pard ";
        }
        if (i % 20 == 0)
            rtf += "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 "
                   "Listenpunkt mit etwas Text\\par\\pard\r\n";
        rtf += "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22 Normaler Text mit \\b fett\\b0 , \\i kursiv\\i0  und "
               "\\cf1 rot\\cf0 ; Umlaute: Gr\\'fc\\'dfe aus M\\'fcnchen, \\u8364? und \\u8222?Anf\\'fchrung\\u8220?"
               ", dazu ein l\\'e4ngerer Satz, der die Zeile f\\'fcllt.\\par\r\n";
    }
    rtf += "}";
    return rtf;
}

void readInto(benchmark::State& state, const QByteArray& rtf)
{
    QTextDocument doc;
    doc.setTextWidth(321);
    (void)doc.documentLayout(); // the text box's document has one
    for (auto _ : state) {
        zuv::richtext::readRtf(rtf, doc);
        benchmark::DoNotOptimize(doc.blockCount());
    }
    state.counters["MiB"] = double(rtf.size()) / (1024.0 * 1024.0);
    state.counters["blocks"] = doc.blockCount();
}

void BM_ReadRtf1MiB(benchmark::State& state)
{
    static const QByteArray rtf = sampleRtf(1024 * 1024);
    readInto(state, rtf);
}
BENCHMARK(BM_ReadRtf1MiB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReadRtfJustUnderLimit(benchmark::State& state)
{
    static const QByteArray rtf = sampleRtf(zuv::richtext::kMaxRtfFileSize - 1024);
    readInto(state, rtf);
}
BENCHMARK(BM_ReadRtfJustUnderLimit)->Unit(benchmark::kMillisecond)->Iterations(3);

// A PNG of side x side (a gradient with colour bands), 64 times, each shown 2 x 2 cm.
QByteArray largePicturesRtf(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, side, 0);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    for (int y = 0; y < side; y += side / 16)
        painter.fillRect(0, y, side, side / 128, QColor(200, 40, 40));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QByteArray picture = "{\\pict\\pngblip\\picwgoal1134\\pichgoal1134 " + png.toHex() + "}";
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 64; ++i)
        rtf += picture + "\\par ";
    return rtf + "}";
}

void BM_Read64LargePngs(benchmark::State& state)
{
    const QByteArray rtf = largePicturesRtf(int(state.range(0)));
    readInto(state, rtf);
    QTextDocument doc;
    zuv::richtext::readRtf(rtf, doc);
    int pictures = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            pictures += it.fragment().charFormat().isImageFormat();
    state.counters["pictures"] = pictures;
}
BENCHMARK(BM_Read64LargePngs)->Arg(8192)->Arg(4096)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same blocks and runs as the reader builds from the 1 MiB sample, inserted through one
// cursor in one edit block (tables and lists left flat).
void BM_InsertSameDocument(benchmark::State& state)
{
    QTextDocument source;
    zuv::richtext::readRtf(sampleRtf(1024 * 1024), source);
    struct Run {
        QString text;
        QTextCharFormat format;
    };
    std::vector<std::pair<QTextBlockFormat, std::vector<Run>>> blocks;
    for (QTextBlock b = source.begin(); b.isValid(); b = b.next()) {
        blocks.push_back({b.blockFormat(), {}});
        for (auto it = b.begin(); !it.atEnd(); ++it)
            blocks.back().second.push_back({it.fragment().text(), it.fragment().charFormat()});
    }
    QTextDocument doc;
    doc.setTextWidth(321);
    (void)doc.documentLayout();
    doc.setUndoRedoEnabled(false);
    const QSizeF page = doc.pageSize();
    for (auto _ : state) {
        doc.clear();
        doc.setPageSize(QSizeF(0, 0)); // the layout held back as the reader does
        QTextCursor cursor(&doc);
        cursor.beginEditBlock();
        bool first = true;
        for (const auto& [format, runs] : blocks) {
            if (!first)
                cursor.insertBlock(format);
            else
                cursor.setBlockFormat(format);
            first = false;
            for (const Run& r : runs)
                cursor.insertText(r.text, r.format);
        }
        cursor.endEditBlock();
        doc.setPageSize(page);
        benchmark::DoNotOptimize(doc.blockCount());
    }
}
BENCHMARK(BM_InsertSameDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
