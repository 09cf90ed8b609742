// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The structure the rich-text reader builds: pictures, tables, lists and paragraph formats,
// checked on files LibreOffice and a WordPad-like writer made (tools/make_rtf_samples.sh) and on
// small hand-written cases.
#include "richtextview.h"
#include "rtfreader.h"
#include "rtftestsupport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextList>
#include <QTextTable>
#include <QTextLayout>
#include <QUrl>
#include <map>

using zuv::richtext::kDoubleUnderlineProperty;
using zuv::richtext::readRtf;
using namespace rtftest;

namespace {

QImage pictureOf(const QTextDocument& doc, const QTextImageFormat& f)
{
    return doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
}

QTextTable* firstTable(const QTextDocument& doc, const QString& cellText)
{
    return find(doc, cellText).currentTable();
}

// A PNG of the given size: left half red, right half blue; as hex digits.
QByteArray pngHex(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data.toHex();
}

// The file LibreOffice wrote from tools/make_rtf_samples.sh: the expected values are the
// document's own (2 x 1 cm PNG, 3 x 1.5 cm JPEG, columns of 3, 5 and 2 cm scaled by
// LibreOffice to the \cellx values 1703, 4526, 5669, shading #c0c0c0 and #ffff00, ...).
TEST(RtfStructure, LibreOfficeFeatures)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fileData(kRtfDir + "/libreoffice_features.rtf"), doc));
    EXPECT_EQ(blocks(doc), (QStringList{
                               "Bilder und Tabellen", u"Ein PNG \uFFFC und ein JPEG \uFFFC im Text."_qs,
                               u"\uFFFCVerankert am Absatz."_qs, // a shape: shown where it is anchored
                               "Name", "Datum", "Tage", "Anna", "01.02.1990", "23", "Erster Punkt",
                               "Zweiter Punkt", "Unterpunkt", "Eins", "Zwei", "Links\tMitte\tRechts",
                               "Anderthalbzeilig", "Schattiert",
                               u"Text in Kapitälchen und doppelt unterstrichen."_qs,
                           }));

    // Pictures at their goal size: \picwgoal600 x \picscalex189 % = 2 cm = 75.6 px at 96 dpi.
    const auto pictures = images(doc);
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_NEAR(pictures[0].width(), 75.6, 0.01);
    EXPECT_NEAR(pictures[0].height(), 37.8, 0.01);
    EXPECT_NEAR(pictures[1].width(), 113.28, 0.01); // 480 twips x 354 %
    EXPECT_NEAR(pictures[1].height(), 56.64, 0.01);
    EXPECT_NEAR(pictures[2].width(), 75.6, 0.01); // the anchored PNG, 2 x 1 cm too
    EXPECT_NEAR(pictures[2].height(), 37.8, 0.01);
    EXPECT_EQ(pictureOf(doc, pictures[2]).pixelColor(35, 10), QColor(0, 0, 255));
    const QImage png = pictureOf(doc, pictures[0]);
    ASSERT_EQ(png.size(), QSize(40, 20));
    EXPECT_EQ(png.pixelColor(5, 10), QColor(255, 0, 0));
    EXPECT_EQ(png.pixelColor(35, 10), QColor(0, 0, 255));
    const QImage jpeg = pictureOf(doc, pictures[1]);
    ASSERT_EQ(jpeg.size(), QSize(32, 16));
    const QColor green = jpeg.pixelColor(16, 8); // #00a000, JPEG quality 95
    EXPECT_LE(std::abs(green.red()), 4);
    EXPECT_NEAR(green.green(), 160, 4);
    EXPECT_LE(green.blue(), 4);

    QTextTable* table = firstTable(doc, "Datum");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(1, 1).firstCursorPosition().block().text(), "01.02.1990");
    EXPECT_EQ(firstTable(doc, "Anna"), table);
    EXPECT_EQ(find(doc, "Erster Punkt").currentTable(), nullptr);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 3);
    const int rights[] = {1703, 4526, 5669};
    for (int c = 0, left = 0; c < 3; left = rights[c], ++c) {
        EXPECT_EQ(widths[c].type(), QTextLength::FixedLength);
        EXPECT_DOUBLE_EQ(widths[c].rawValue(), (rights[c] - left) / 15.0) << c;
    }
    EXPECT_GT(table->format().border(), 0.0);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(table->cellAt(0, c).format().background().color(), QColor(192, 192, 192)) << c;
    EXPECT_EQ(table->cellAt(1, 1).format().background().color(), QColor(255, 255, 0));
    EXPECT_EQ(table->cellAt(1, 0).format().background().style(), Qt::NoBrush);

    QTextList* bullets = blockNamed(doc, "Erster Punkt").textList();
    ASSERT_NE(bullets, nullptr);
    EXPECT_EQ(bullets->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(blockNamed(doc, "Zweiter Punkt").textList(), bullets);
    QTextList* sub = blockNamed(doc, "Unterpunkt").textList();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->format().style(), QTextListFormat::ListCircle);
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, "Unterpunkt").leftMargin(), 1080 / 15.0);
    QTextList* numbers = blockNamed(doc, "Eins").textList();
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(blockNamed(doc, "Zwei").textList(), numbers);
    EXPECT_EQ(numbers->itemText(blockNamed(doc, "Zwei")), "2.");

    const QList<QTextOption::Tab> tabs = blockFormatOf(doc, "Links").tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_EQ(tabs[0].type, QTextOption::CenterTab); // 5 cm
    EXPECT_DOUBLE_EQ(tabs[0].position, 2835 / 15.0);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab); // 10 cm
    EXPECT_DOUBLE_EQ(tabs[1].position, 5669 / 15.0);
    const QTextBlockFormat spaced = blockFormatOf(doc, "Anderthalbzeilig");
    EXPECT_EQ(spaced.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    EXPECT_DOUBLE_EQ(spaced.lineHeight(), 150.0);
    EXPECT_EQ(blockFormatOf(doc, "Schattiert").background().color(), QColor(0xff, 0xe0, 0xe0));
    EXPECT_EQ(formatOf(doc, u"Kapitälchen"_qs).fontCapitalization(), QFont::SmallCaps);
    EXPECT_EQ(formatOf(doc, "Text in").fontCapitalization(), QFont::MixedCase);
    const QTextCharFormat twice = formatOf(doc, "doppelt");
    EXPECT_TRUE(twice.fontUnderline());
    EXPECT_TRUE(twice.boolProperty(kDoubleUnderlineProperty));
    EXPECT_FALSE(formatOf(doc, " unterstrichen").fontUnderline());
}

// The WordPad-like file: \pn lists, \upr/\ud, a \shppict PNG beside a WMF twin, a scaled JPEG.
TEST(RtfStructure, WordPadFeatures)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fileData(kRtfDir + "/wordpad_features.rtf"), doc));
    EXPECT_EQ(blocks(doc), (QStringList{u"Bild: \uFFFC Ende."_qs, u"Foto: \uFFFC"_qs, "Apfel", "Birne",
                                        "Montag", "Dienstag", u"Grüße € fertig."_qs}));
    const auto pictures = images(doc);
    ASSERT_EQ(pictures.size(), 2u); // the bare WMF and the \nonshppict twin are not shown
    EXPECT_DOUBLE_EQ(pictures[0].width(), 80.0); // \picwgoal1200
    EXPECT_DOUBLE_EQ(pictures[0].height(), 40.0);
    EXPECT_EQ(pictureOf(doc, pictures[0]).size(), QSize(40, 20));
    EXPECT_DOUBLE_EQ(pictures[1].width(), 32.0); // \picwgoal960 at \picscalex50
    EXPECT_DOUBLE_EQ(pictures[1].height(), 16.0);

    QTextList* fruit = blockNamed(doc, "Apfel").textList();
    ASSERT_NE(fruit, nullptr);
    EXPECT_EQ(fruit->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(blockNamed(doc, "Birne").textList(), fruit);
    QTextList* days = blockNamed(doc, "Montag").textList();
    ASSERT_NE(days, nullptr);
    EXPECT_NE(days, fruit);
    EXPECT_EQ(days->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(days->itemText(blockNamed(doc, "Dienstag")), "2.");
    EXPECT_EQ(blockNamed(doc, u"Grüße € fertig."_qs).textList(), nullptr);
}

struct PictureCase {
    const char* what;
    QByteArray rtf;
    int count;
    qreal width, height;
};

// Sizes follow RTF: \picwgoal/\pichgoal in twips (15 per pixel), \picscalex/y in percent; no
// goal size means the picture's own pixels.
TEST(RtfStructure, Pictures)
{
    const QByteArray png = pngHex(8, 4);
    const QByteArray pngBytes = QByteArray::fromHex(png);
    const PictureCase cases[] = {
        {"goal size", "{\\rtf1 {\\pict\\pngblip\\picwgoal300\\pichgoal150 " + png + "}}", 1, 20, 10},
        {"scaled", "{\\rtf1 {\\pict\\pngblip\\picwgoal300\\pichgoal150\\picscalex200\\picscaley50 " + png + "}}", 1, 40, 5},
        {"own pixels", "{\\rtf1 {\\pict\\pngblip " + png + "}}", 1, 8, 4},
        {"binary data", "{\\rtf1 {\\pict\\pngblip\\bin" + QByteArray::number(pngBytes.size()) + " " + pngBytes + "}}", 1, 8, 4},
        {"hex over lines", "{\\rtf1 {\\pict\\pngblip " + png.left(20) + "\r\n" + png.mid(20) + "}}", 1, 8, 4},
        {"in shppict", "{\\rtf1 {\\*\\shppict{\\pict\\pngblip " + png + "}}}", 1, 8, 4},
        {"nonshppict twin", "{\\rtf1 {\\nonshppict{\\pict\\pngblip " + png + "}}}", 0, 0, 0},
        {"wmf", "{\\rtf1 {\\pict\\wmetafile8 " + png + "}}", 0, 0, 0},
        {"jpeg blip holding a png", "{\\rtf1 {\\pict\\jpegblip " + png + "}}", 0, 0, 0},
        {"cut short", "{\\rtf1 {\\pict\\pngblip " + png.left(png.size() / 2) + "}}", 0, 0, 0},
        {"in a header", "{\\rtf1 {\\header {\\pict\\pngblip " + png + "}}}", 0, 0, 0},
        {"shape picture", "{\\rtf1 {\\shp{\\*\\shpinst{\\sp{\\sn pib}{\\sv {\\pict\\pngblip " + png + "}}}}"
                          "{\\shprslt {\\pict\\pngblip " + png + "}}}}", 1, 8, 4},
        {"shape fill", "{\\rtf1 {\\shp{\\*\\shpinst{\\sp{\\sn fillBlip}{\\sv {\\pict\\pngblip " + png + "}}}}}}", 0, 0, 0},
    };
    for (const PictureCase& c : cases) {
        QTextDocument doc;
        readRtf(c.rtf, doc);
        const auto pictures = images(doc);
        ASSERT_EQ(int(pictures.size()), c.count) << c.what;
        if (c.count == 0)
            continue;
        EXPECT_DOUBLE_EQ(pictures[0].width(), c.width) << c.what;
        EXPECT_DOUBLE_EQ(pictures[0].height(), c.height) << c.what;
        const QImage image = pictureOf(doc, pictures[0]);
        ASSERT_EQ(image.size(), QSize(8, 4)) << c.what;
        EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0)) << c.what;
        EXPECT_EQ(image.pixelColor(6, 1), QColor(0, 0, 255)) << c.what;
    }
    // A picture far larger than shown is decoded at twice its shown size.
    {
        QTextDocument doc;
        readRtf("{\\rtf1 {\\pict\\pngblip\\picwgoal150\\pichgoal75 " + pngHex(64, 32) + "}}", doc);
        const auto pictures = images(doc);
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_DOUBLE_EQ(pictures[0].width(), 10.0);
        const QImage image = pictureOf(doc, pictures[0]);
        EXPECT_EQ(image.size(), QSize(20, 10));
        EXPECT_EQ(image.pixelColor(2, 5), QColor(255, 0, 0));
        EXPECT_EQ(image.pixelColor(17, 5), QColor(0, 0, 255));
    }
    // All pictures together decode to at most 64 Mi pixels (256 MB): four of 4096 x 4096 fit.
    {
        const QByteArray big = "{\\pict\\pngblip " + pngHex(4096, 4096) + "}";
        QTextDocument doc;
        readRtf("{\\rtf1 " + big + big + big + big + big + "}", doc);
        EXPECT_EQ(images(doc).size(), 4u);
    }
    // The budget is charged with the full size from the header, before decoding: a PNG shown
    // small is still decoded whole (charged by the shown size after decoding, 64 large ones
    // took 40 s). Four pictures of 4096 x 4096 whose data then turn out damaged spend it
    // all, so even a small sound one after them is left out.
    {
        QImage mono(4096, 4096, QImage::Format_Mono);
        mono.fill(0);
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        mono.save(&buffer, "PNG");
        const qsizetype idat = data.indexOf("IDAT");
        for (qsizetype i = idat + 4; i < idat + 40; ++i)
            data[i] = char(0xA5);
        const QByteArray damaged = "{\\pict\\pngblip\\picwgoal600\\pichgoal600 " + data.toHex() + "}";
        QTextDocument doc;
        readRtf("{\\rtf1 " + damaged + damaged + damaged + damaged + "{\\pict\\pngblip " + pngHex(8, 4) + "}}", doc);
        EXPECT_EQ(images(doc).size(), 0u);
    }
    // Text around a picture stays where it was.
    QTextDocument doc;
    readRtf("{\\rtf1 vor {\\pict\\pngblip " + png + "} nach\\par}", doc);
    EXPECT_EQ(blocks(doc), QStringList{u"vor \uFFFC nach"_qs});
}

// Hand-written tables: what a row definition gives the QTextTable.
TEST(RtfStructure, Tables)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue0;}vor\par
\trowd\trgaph60\trleft300\clcbpat1\cellx1500\clcbpat1\clshdng2500\clcfpat2\cellx3000\intbl A\cell B\par B2\cell\row
\trowd\trleft300\cellx1500\cellx3000\intbl C\cell D\cell E\cell\row\pard nach\par})",
                        doc));
    EXPECT_EQ(blocks(doc), (QStringList{"vor", "A", "B", "B2", "", "C", "D", "E", "nach"}));
    QTextTable* table = firstTable(doc, "A");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3); // the second row has a cell more than its definition
    EXPECT_EQ(firstTable(doc, "E"), table);
    EXPECT_EQ(find(doc, "nach").currentTable(), nullptr);
    EXPECT_EQ(find(doc, "vor").currentTable(), nullptr);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 3);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 80.0); // 1500 - 300 twips
    EXPECT_DOUBLE_EQ(widths[1].rawValue(), 100.0);
    EXPECT_EQ(widths[2].type(), QTextLength::VariableLength); // the cell no row defines
    EXPECT_DOUBLE_EQ(table->format().leftMargin(), 20.0);
    EXPECT_DOUBLE_EQ(table->format().cellPadding(), 4.0);
    EXPECT_EQ(table->cellAt(0, 0).format().background().color(), QColor(255, 0, 0));
    // 25 % black over red: 255 * 0.75 = 191.25
    const QColor shaded = table->cellAt(0, 1).format().background().color();
    EXPECT_NEAR(shaded.red(), 191, 1);
    EXPECT_EQ(shaded.green(), 0);
    EXPECT_EQ(table->cellAt(1, 0).format().background().style(), Qt::NoBrush);

    // Merged cells, and a row whose cells carry no \intbl.
    QTextDocument merged;
    readRtf(R"({\rtf1\trowd\clvmgf\cellx1000\clmgf\cellx2000\clmrg\cellx3000 A\cell B\cell\cell\row
\trowd\clvmrg\cellx1000\cellx2000\cellx3000 \cell C\cell D\cell\row})",
            merged);
    QTextTable* t = firstTable(merged, "A");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cellAt(0, 0).rowSpan(), 2);
    EXPECT_EQ(t->cellAt(0, 1).columnSpan(), 2);
    EXPECT_EQ(t->cellAt(1, 2).firstCursorPosition().block().text(), "D");

    // A table that never ends its row keeps its text.
    QTextDocument open;
    readRtf(R"({\rtf1\trowd\cellx1000\intbl offen)", open);
    ASSERT_NE(firstTable(open, "offen"), nullptr);
}

// Paragraph and character formats: expected values from the RTF meaning of each word.
TEST(RtfStructure, ParagraphAndCharacterFormats)
{
    struct Case {
        const char* rtf;
        int lineType;
        qreal lineHeight;
    };
    const Case spacing[] = {
        {R"({\rtf1 x\par})", QTextBlockFormat::SingleHeight, 0},
        {R"({\rtf1\sl360\slmult1 x\par})", QTextBlockFormat::ProportionalHeight, 150},
        {R"({\rtf1\sl360\slmult0 x\par})", QTextBlockFormat::MinimumHeight, 24}, // at least 18 pt
        {R"({\rtf1\sl-300 x\par})", QTextBlockFormat::FixedHeight, 20},          // exactly 15 pt
        {R"({\rtf1\sl360\slmult1\pard x\par})", QTextBlockFormat::SingleHeight, 0},
    };
    for (const Case& c : spacing) {
        QTextDocument doc;
        readRtf(c.rtf, doc);
        EXPECT_EQ(doc.begin().blockFormat().lineHeightType(), c.lineType) << c.rtf;
        EXPECT_DOUBLE_EQ(doc.begin().blockFormat().lineHeight(), c.lineHeight) << c.rtf;
    }

    QTextDocument doc;
    readRtf(R"({\rtf1{\colortbl;\red0\green0\blue255;}\tqdec\tx2880\tx720\tqc\tb1440\cbpat1 a\par\pard b
{\caps c}{\ulwave d}{\uld e}{\uldb f\ulnone g}{\ul\ul0 h}\par})",
            doc);
    const QList<QTextOption::Tab> tabs = blockFormatOf(doc, "a").tabPositions();
    ASSERT_EQ(tabs.size(), 3); // sorted by position
    EXPECT_DOUBLE_EQ(tabs[0].position, 48.0);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_EQ(tabs[1].type, QTextOption::CenterTab);
    EXPECT_EQ(tabs[2].type, QTextOption::DelimiterTab);
    EXPECT_EQ(tabs[2].delimiter, QChar(u','));
    EXPECT_EQ(blockFormatOf(doc, "a").background().color(), QColor(0, 0, 255));
    EXPECT_EQ(blockFormatOf(doc, "b").background().style(), Qt::NoBrush);
    EXPECT_TRUE(blockFormatOf(doc, "b").tabPositions().isEmpty());
    EXPECT_EQ(formatOf(doc, "c").fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(formatOf(doc, "d").underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_EQ(formatOf(doc, "e").underlineStyle(), QTextCharFormat::DotLine);
    EXPECT_TRUE(formatOf(doc, "f").boolProperty(kDoubleUnderlineProperty));
    EXPECT_FALSE(formatOf(doc, "g").fontUnderline());
    EXPECT_FALSE(formatOf(doc, "g").boolProperty(kDoubleUnderlineProperty));
    EXPECT_FALSE(formatOf(doc, "h").fontUnderline());
}

// Lists: \ls with its list table, \ls without one (the \listtext marker stays as text), and
// old \pn lists that end at the first paragraph outside them.
TEST(RtfStructure, Lists)
{
    QTextDocument doc;
    readRtf(R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc4{\leveltext\'02\'00);}}\listid7}}
{\*\listoverridetable{\listoverride\listid7\ls3}}
{\listtext a)\tab}\ls3\li720 erste\par{\listtext b)\tab}zweite\par\pard dazwischen\par
\ls3\li720 dritte\par\pard{\listtext *\tab}\ls9 ohne Tabelle\par\pard
{\*\pn\pnlvlbody\pnucrm}eins\par zwei\par\pard frei\par{\*\pn\pnlvlbody\pnucrm}neu\par})",
            doc);
    EXPECT_EQ(blocks(doc), (QStringList{"erste", "zweite", "dazwischen", "dritte", "*\tohne Tabelle", "eins",
                                        "zwei", "frei", "neu"}));
    QTextList* alpha = blockNamed(doc, "erste").textList();
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->format().style(), QTextListFormat::ListLowerAlpha);
    EXPECT_EQ(blockNamed(doc, "dritte").textList(), alpha); // numbering goes on
    EXPECT_EQ(alpha->itemText(blockNamed(doc, "dritte")), "c)");   // the level text's ")"
    EXPECT_EQ(blockNamed(doc, "dazwischen").textList(), nullptr);
    EXPECT_EQ(blockNamed(doc, "*\tohne Tabelle").textList(), nullptr);
    QTextList* roman = blockNamed(doc, "eins").textList();
    ASSERT_NE(roman, nullptr);
    EXPECT_EQ(roman->format().style(), QTextListFormat::ListUpperRoman);
    EXPECT_EQ(blockNamed(doc, "zwei").textList(), roman);
    ASSERT_NE(blockNamed(doc, "neu").textList(), nullptr);
    EXPECT_NE(blockNamed(doc, "neu").textList(), roman); // starts again at I
}

// The text around a level's number comes from its \leveltext; without one Qt's "." stays.
TEST(RtfStructure, ListNumberKeepsTheFilesPrefixAndSuffix)
{
    const struct { const char* levelText; int nfc; const char* second; } cases[] = {
        {R"({\leveltext\'02\'00);})", 0, "2)"},
        {R"({\leveltext\leveltemplateid67567631\'03(\'00);})", 4, "(b)"},
        {R"({\leveltext\'04\'00.\'01);})", 0, "2)"},   // "1.1)": after the last number
        {"", 0, "2."},
    };
    for (const auto& c : cases) {
        QTextDocument doc;
        readRtf(QByteArray(R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc)") + QByteArray::number(c.nfc)
                    + c.levelText + R"(}\listid7}}{\*\listoverridetable{\listoverride\listid7\ls3}}
\ls3 eins\par zwei\par})",
                doc);
        QTextList* list = blockNamed(doc, "zwei").textList();
        ASSERT_NE(list, nullptr) << c.levelText;
        EXPECT_EQ(list->itemText(blockNamed(doc, "zwei")), QString::fromLatin1(c.second)) << c.levelText;
    }
}

// \upr holds an ANSI text and its Unicode twin in \ud; invalid \u values; deep nesting.
TEST(RtfStructure, UnicodeTwinsAndDepth)
{
    struct Case {
        QByteArray rtf;
        QString text;
    };
    const QByteArray deep(300, '{');
    const QByteArray up(300, '}');
    const Case cases[] = {
        {R"({\rtf1 {\upr{Gr\'fc\'dfe}{\*\ud{Gr\u252?\u223?e}}}!})", u"Grüße!"_qs},
        {R"({\rtf1 {\upr{ANSI}{\*\ud{\u8364?}}}{\upr{nur ANSI}}x})", u"€x"_qs},
        {R"({\rtf1 \u-32768?\u-32769?\u65535?\u65536?\u-1?})", u"\u8000\uFFFD\uFFFD\uFFFD\uFFFD"_qs},
        {"{\\rtf1 " + deep + "a{\\*\\geheim b}c" + up + "d}", "acd"},
        {"{\\rtf1 " + deep + "a{\\fonttbl{\\f0 X;}}c" + up + "d}", "acd"},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        readRtf(c.rtf, doc);
        EXPECT_EQ(blocks(doc).join(u'\n'), c.text) << c.rtf.left(60).toStdString();
    }
    // Formatting inside the deep groups ends with them.
    QTextDocument doc;
    readRtf("{\\rtf1 " + deep + "\\b fett" + up + " normal}", doc);
    EXPECT_EQ(formatOf(doc, "fett").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(doc, "normal").fontWeight(), QFont::Normal);
}

} // namespace

// A doubly underlined run shows two lines, a single one one: columns under underlined
// no-break spaces cross that many dark runs (no glyph gets in the way there).
TEST(RtfStructure, DoubleUnderlineIsDrawnAsTwoLines)
{
    rtftest::ensureGuiApp();
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1\fs40 x{\uldb\~\~\~\~\~\~\~\~\~\~}x{\ul\~\~\~\~\~\~\~\~\~\~}x\par})", doc));
    QImage image(doc.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.drawContents(&painter);
    zuv::richtext::paintDoubleUnderlines(painter, doc, QRectF(QPointF(), doc.size()));
    painter.end();

    // Dark runs a column crosses.
    const auto runsAt = [&](int x) {
        int runs = 0;
        bool dark = false;
        for (int y = 0; y < image.height(); ++y) {
            const bool d = qGray(image.pixel(x, y)) < 128;
            runs += d && !dark;
            dark = d;
        }
        return runs;
    };
    // Characters: "x", ten doubly underlined spaces (1..10), "x", ten singly underlined (12..21).
    const QTextLayout* layout = doc.begin().layout();
    const QTextLine line = layout->lineAt(0);
    const auto columns = [&](int from, int to) {
        std::map<int, int> byRuns;
        const qreal left = layout->position().x();
        for (int x = int(left + line.cursorToX(from)) + 2; x < int(left + line.cursorToX(to)) - 2; ++x)
            ++byRuns[runsAt(x)];
        return byRuns;
    };
    const std::map<int, int> doubled = columns(1, 11);
    const std::map<int, int> single = columns(12, 22);
    ASSERT_FALSE(doubled.empty());
    EXPECT_EQ(doubled.size(), 1u);
    EXPECT_EQ(doubled.begin()->first, 2);
    EXPECT_EQ(single.size(), 1u);
    EXPECT_EQ(single.begin()->first, 1);
}
