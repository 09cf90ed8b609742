// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs.h"
#include "rtfreader.h"
#include "safefile.h"
#include "rtftestsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTextLayout>
#include <QTemporaryDir>
#include <QTextList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using zuv::richtext::loadRtfFile;
using zuv::richtext::readRtf;

namespace {

using namespace rtftest;

QString parse(const QByteArray& rtf, bool* ok = nullptr)
{
    QTextDocument doc;
    const bool result = readRtf(rtf, doc);
    if (ok)
        *ok = result;
    return blocks(doc).join(u'\n'); // toPlainText() would turn U+00A0 and U+2028 into blanks
}

TEST(RtfReader, WordPadFile)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fileData(kRtfDir + "/wordpad.rtf"), doc));
    EXPECT_EQ(blocks(doc), (QStringList{
                               u"Grüße aus WordPad"_qs,
                               u"Normaler Text mit fett, kursiv und unterstrichen."_qs,
                               u"Rot und Blau.\u2028Zweite Zeile\tnach Tab."_qs,
                               u"\u0105l\u010D"_qs, // \'b9l\'e8 in a \fcharset238 (cp1250) font
                           }));

    const QTextCharFormat heading = formatOf(doc, u"Grüße"_qs);
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 16.0); // \fs32 half points
    EXPECT_EQ(heading.fontFamilies().toStringList(), QStringList{"Calibri"});
    EXPECT_EQ(blockFormatOf(doc, u"Grüße"_qs).alignment(), Qt::AlignHCenter);
    EXPECT_EQ(blockFormatOf(doc, "Normaler").alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, "Normaler").bottomMargin(), 200 / 15.0); // \sa200 twips

    const QTextCharFormat normal = formatOf(doc, "Normaler");
    EXPECT_EQ(normal.fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(normal.fontPointSize(), 11.0);
    EXPECT_FALSE(normal.fontItalic());
    EXPECT_EQ(formatOf(doc, "fett").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(doc, "kursiv").fontItalic());
    EXPECT_FALSE(formatOf(doc, "kursiv").fontUnderline());
    EXPECT_TRUE(formatOf(doc, "unterstrichen").fontUnderline());
    EXPECT_FALSE(formatOf(doc, "nach Tab").fontUnderline());

    EXPECT_EQ(formatOf(doc, "Rot").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(doc, "Blau").foreground().color(), QColor(0, 77, 187));
    EXPECT_FALSE(formatOf(doc, " und B").hasProperty(QTextFormat::ForegroundBrush)); // \cf0: auto
}

TEST(RtfReader, WordFile)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fileData(kRtfDir + "/word.rtf"), doc));
    EXPECT_EQ(blocks(doc), (QStringList{
                               u"Überschrift aus Word"_qs,
                               u"Ein Absatz mit fettem und kursivem Text, grün: grün, "
                               u"ein Smiley \U0001F600 und ein Euro €."_qs,
                               u"Nach dem Bild. Siehe Verweis."_qs, // its PNG has a bad checksum: left out
                               u"Listenpunkt"_qs, // \ls1 is a bullet list: the list draws the marker
                           }));
    const QString text = doc.toPlainText();
    for (const char* hidden : {"Riched", "HYPERLINK", "Testdokument", "Musterfrau", "Normal;", "89504e",
                               "504b03", "heading", "Grid", "wordml"})
        EXPECT_FALSE(text.contains(QLatin1String(hidden))) << hidden;

    const QTextCharFormat heading = formatOf(doc, u"Überschrift"_qs);
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 16.0);
    EXPECT_EQ(heading.foreground().color(), QColor(192, 0, 0));
    EXPECT_EQ(formatOf(doc, "fettem").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(doc, "kursivem").fontItalic());
    EXPECT_EQ(formatOf(doc, "Absatz").fontFamilies().toStringList(), QStringList{"Calibri"});
    EXPECT_EQ(formatOf(doc, u"grün,"_qs).foreground().color(), QColor(0, 128, 0));
    EXPECT_TRUE(formatOf(doc, "Verweis").fontUnderline());
    EXPECT_EQ(formatOf(doc, "Verweis").foreground().color(), QColor(0, 0, 255));
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, "Listenpunkt").leftMargin(), 720 / 15.0);
    ASSERT_NE(find(doc, "Listenpunkt").block().textList(), nullptr);
    EXPECT_EQ(find(doc, "Listenpunkt").block().textList()->format().style(), QTextListFormat::ListDisc);
}

TEST(RtfReader, LibreOfficeFile)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fileData(kRtfDir + "/libreoffice.rtf"), doc));
    EXPECT_EQ(blocks(doc), (QStringList{
                               u"Überschrift aus LibreOffice"_qs,
                               u"Dunkelblauer Text mit Märchen und großen Buchstaben; Anführung: „ja“."_qs,
                               u"\u2022\tPunkt mit Unterstrich."_qs,
                           }));
    const QTextCharFormat heading = formatOf(doc, u"Überschrift"_qs);
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 18.0);
    EXPECT_EQ(heading.fontFamilies().toStringList(), QStringList{"Liberation Serif"}); // \*\falt skipped
    EXPECT_EQ(blockFormatOf(doc, u"Überschrift"_qs).alignment(), Qt::AlignHCenter);
    EXPECT_EQ(formatOf(doc, "Dunkelblauer").foreground().color(), QColor(42, 96, 153));
    EXPECT_TRUE(formatOf(doc, u"Märchen"_qs).fontItalic());
    EXPECT_EQ(formatOf(doc, u"großen"_qs).fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatOf(doc, u"großen"_qs).fontPointSize(), 14.0);
    EXPECT_DOUBLE_EQ(formatOf(doc, "Buchstaben").fontPointSize(), 12.0);
    EXPECT_EQ(formatOf(doc, "Unterstrich").foreground().color(), QColor(128, 0, 128));
    EXPECT_TRUE(formatOf(doc, "Unterstrich").fontUnderline());
}

// Text decoding; expected values follow the RTF rules for \u, \uc, \' and \fcharset and the
// code page tables of Windows (cp1251 0xC4 = Д, cp932 82 A0 = あ, cp1253 0xE1 = α).
TEST(RtfReader, TextDecoding)
{
    struct Case {
        const char* rtf;
        QString text;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi gr\'fcn})", u"grün"_qs},
        {R"({\rtf1\ansi\uc1 gr\u252?n})", u"grün"_qs},
        {R"({\rtf1\ansi\uc2 \u252??x})", u"üx"_qs},
        {R"({\rtf1\ansi\uc0 \u252 x})", u"üx"_qs},
        {R"({\rtf1\ansi a{\uc2\u252??}\u252?b})", u"aüüb"_qs},       // \uc belongs to its group
        {R"({\rtf1\ansi\uc3{\u252?}x})", u"üx"_qs},                 // a brace ends the skipping
        {R"({\rtf1\ansi\u8222\'84ja\u8220\'93})", u"„ja“"_qs},       // an escape is one skipped char
        {R"({\rtf1\ansi\u-10179?\u-8704?})", u"\U0001F600"_qs},      // surrogate pair, signed
        {R"({\rtf1\ansi\u-4064?})", u"\uF020"_qs},
        {R"({\rtf1\ansi\ansicpg1251 \'c4})", u"Д"_qs},
        {R"({\rtf1\ansi{\fonttbl{\f1\fcharset204 Arial Cyr;}}\f1\'c4})", u"Д"_qs},
        {R"({\rtf1\ansi{\fonttbl{\f1\fcharset161 Arial Greek;}}\f1\'e1})", u"α"_qs},
        {R"({\rtf1\ansi{\fonttbl{\f1\fcharset128 MS Mincho;}}\f1\'82\'a0})", u"あ"_qs},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Cyr;}}\'e4\f1\'e4\f0\'e4})", u"äдä"_qs},
        {R"({\rtf1\ansi \'80\'84\'9f})", u"€„Ÿ"_qs},
        {R"({\rtf1\ansi \{\}\\})", u"{}\\"_qs},
        {R"({\rtf1\ansi a\~b\-c\_d})", u"a\u00A0b\u00ADc\u2011d"_qs},
        {R"({\rtf1\ansi \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})", u"—–•‘’“”"_qs},
        {R"({\rtf1\ansi a\tab b\line c})", u"a\tb\u2028c"_qs},
        {R"({\rtf1\ansi a{\v versteckt}b})", u"ab"_qs},
        {R"({\rtf1\ansi a{\*\unbekannt Ziel}b})", u"ab"_qs},
        {R"({\rtf1\ansi a{\unbekannt Text}b})", u"aTextb"_qs},   // unknown words are ignored
        {R"({\rtf1\ansi a{\pict\bin3 }}}}b})", u"ab"_qs},         // \bin bytes are data, not braces
        {"{\\rtf1\\ansi a\r\nb\\\nc}", u"ab\nc"_qs},              // line ends are not text
        {R"({\rtf1\ansi{\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})", u"Link"_qs},
        {R"({\rtf1\ansi a\par\par b\par})", u"a\n\nb"_qs},
        {R"({\rtf1\ansi a\par})", u"a"_qs},
    };
    for (const Case& c : cases) {
        bool ok = false;
        EXPECT_EQ(parse(c.rtf, &ok), c.text) << c.rtf;
        EXPECT_TRUE(ok) << c.rtf;
    }
}

TEST(RtfReader, CharacterFormatsFollowGroupsAndPlain)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1\ansi{\colortbl;\red10\green20\blue30;}a{\b\i\ul\fs40\cf1 b}c\b\fs20 d\plain e\strike f\strike0{\super g}h})", doc));
    EXPECT_EQ(doc.toPlainText(), "abcdefgh");
    const QTextCharFormat b = formatOf(doc, "b");
    EXPECT_EQ(b.fontWeight(), QFont::Bold);
    EXPECT_TRUE(b.fontItalic());
    EXPECT_TRUE(b.fontUnderline());
    EXPECT_DOUBLE_EQ(b.fontPointSize(), 20.0);
    EXPECT_EQ(b.foreground().color(), QColor(10, 20, 30));
    const QTextCharFormat c = formatOf(doc, "c");
    EXPECT_EQ(c.fontWeight(), QFont::Normal);
    EXPECT_FALSE(c.fontItalic());
    EXPECT_FALSE(c.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(c.hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(formatOf(doc, "d").fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatOf(doc, "d").fontPointSize(), 10.0);
    EXPECT_EQ(formatOf(doc, "e").fontWeight(), QFont::Normal);
    EXPECT_FALSE(formatOf(doc, "e").hasProperty(QTextFormat::FontPointSize));
    EXPECT_TRUE(formatOf(doc, "f").fontStrikeOut());
    EXPECT_EQ(formatOf(doc, "g").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, "h").verticalAlignment(), QTextCharFormat::AlignNormal);
}

TEST(RtfReader, ParagraphFormats)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1\ansi\qr\li1440 rechts\par\pard\qj mitte\par\pard links})", doc));
    EXPECT_EQ(blocks(doc), (QStringList{"rechts", "mitte", "links"}));
    EXPECT_EQ(blockFormatOf(doc, "rechts").alignment(), Qt::AlignRight);
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, "rechts").leftMargin(), 96.0); // one inch at 96 dpi
    EXPECT_EQ(blockFormatOf(doc, "mitte").alignment(), Qt::AlignJustify);
    EXPECT_EQ(blockFormatOf(doc, "links").alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, "links").leftMargin(), 0.0);
}

// Malformed input: the reader keeps what it could read and says whether the data was whole.
TEST(RtfReader, MalformedInput)
{
    struct Case {
        QByteArray rtf;
        QString text;
        bool ok;
    };
    const Case cases[] = {
        {R"({\rtf1 {\b fett)", "fett", false},                       // open groups closed at the end
        {R"({\rtf1 a}}}}} b)", "a", true},                           // nothing after the last brace
        {"{\\rtf1 " + QByteArray(300, '{') + "tief" + QByteArray(300, '}') + "flach}", "tiefflach", true},
        {"{\\rtf1 " + QByteArray(100000, '{') + "x", "x", false},
        {R"({\rtf1 a\bin999999999999 xyz})", "a", false},            // \bin eats the rest
        {R"({\rtf1 a\bin-5 xyz})", "axyz", true},
        {R"({\rtf1 a\)", "a", false},
        {R"({\rtf1 a\'f)", "a", false},                              // \'0f: a control code, dropped
        {R"({\rtf1 a\'g b})", "ag b", true},                          // not a hex digit: no byte
        {R"({\rtf1 \u-10179?a\u-8704?b\u-10179?})", u"\uFFFDa\uFFFDb\uFFFD"_qs, true},
        {R"({\rtf1 {\listtext \u-10179?}\u-8704?x})", u"\uFFFD\uFFFDx"_qs, true}, // a held-back list marker
        {R"({\rtf1 \u64976?\u65532?\u8233?\u0?\u10?x})", u"\uFFFD\uFFFD\u2028x"_qs, true},
        {R"({\rtf1 \u99999999999?x})", u"\uFFFDx"_qs, true},
        {"{\\rtf1 \\" + QByteArray(5000, 'a') + "123 x}", "x", true},
        {QByteArray("{\\rtf1 a\0b\x01" "c}", 13), "abc", true},
        {"Kein RTF: Gr\xfc\xdf" "e", "", false}, // not rich text: nothing shown
        {u"Kein RTF: Grüße"_qs.toUtf8(), "", false},
        {"", "", false},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        EXPECT_EQ(readRtf(c.rtf, doc), c.ok) << c.rtf.left(80).toStdString();
        EXPECT_EQ(blocks(doc).join(u'\n'), c.text) << c.rtf.left(80).toStdString();
    }
}

TEST(RtfReader, NumbersAreClamped)
{
    QTextDocument doc;
    const QByteArray rtf = R"({\rtf1\ansicpg99999999999\uc999999999\fs99999999999 x\u252)" + QByteArray(16, '?') +
                           R"(y\cf-5 z})";
    ASSERT_TRUE(readRtf(rtf, doc));
    EXPECT_EQ(doc.toPlainText(), u"xüyz"_qs); // \uc clamped to 16 fallback characters
    EXPECT_DOUBLE_EQ(formatOf(doc, "x").fontPointSize(), 1638.0);
    EXPECT_FALSE(formatOf(doc, "z").hasProperty(QTextFormat::ForegroundBrush));
}

// The text box's document keeps its width, and lays the new text out at it.
TEST(RtfReader, KeepsThePageWidth)
{
    rtftest::ensureGuiApp();
    QTextDocument doc;
    doc.setTextWidth(200);
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 40; ++i)
        rtf += "Ein Absatz mit so viel Text, dass er bei 200 Pixeln umbricht.\\par ";
    ASSERT_TRUE(readRtf(rtf + "}", doc));
    EXPECT_DOUBLE_EQ(doc.pageSize().width(), 200.0);
    EXPECT_DOUBLE_EQ(doc.size().width(), 200.0);
    const QTextBlock first = doc.begin();
    ASSERT_TRUE(first.layout() != nullptr);
    EXPECT_GT(first.layout()->lineCount(), 1); // wrapped at the page width
}

TEST(RtfReader, ReplacesPreviousContent)
{
    QTextDocument doc;
    doc.setPlainText("alt");
    ASSERT_TRUE(readRtf(R"({\rtf1 neu})", doc));
    EXPECT_EQ(doc.toPlainText(), "neu");
}

TEST(RtfReader, LoadsFile)
{
    QTextDocument doc;
    loadRtfFile(kRtfDir + "/wordpad.rtf", doc);
    EXPECT_TRUE(doc.toPlainText().startsWith(u"Grüße aus WordPad"_qs));
}

TEST(RtfReader, MissingFileThrowsGermanMessageAndLeavesDocumentEmpty)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("fehlt.rtf");
    QTextDocument doc;
    doc.setPlainText("vorher");
    try {
        loadRtfFile(path, doc);
        FAIL() << "no error";
    } catch (const zuv::core::Error& e) {
        EXPECT_EQ(e.message(), zuv::store::fileProblemMessage(path, zuv::store::FileProblem::Missing));
    }
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_THROW(loadRtfFile(dir.path(), doc), zuv::core::Error); // a folder is no file
}

TEST(RtfReader, OversizedFileIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("gross.rtf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(zuv::richtext::kMaxRtfFileSize + 1));
    }
    QTextDocument doc;
    try {
        loadRtfFile(path, doc);
        FAIL() << "no error";
    } catch (const zuv::core::Error& e) {
        EXPECT_EQ(e.message(), zuv::store::fileProblemMessage(path, zuv::store::FileProblem::TooLarge));
    }
}

// Files that hold no rich text are refused with a German message naming the file, and the
// box stays empty instead of showing them as garbage.
TEST(RtfReader, FilesWithoutRichTextAreRefused)
{
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& b : noise) { // a fixed xorshift sequence: the same bytes on every run
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        b = char(state);
    }
    struct Case {
        const char* what;
        QByteArray data;
        const char* message;
    };
    const Case cases[] = {
        {"empty", "", "sie ist leer"},
        {"blanks", " \r\n\t", "sie ist leer"},
        {"random bytes", noise, "sie enthält keinen RTF-Text"},
        {"plain text", "Hallo Welt", "sie enthält keinen RTF-Text"},
        {"html", "<html><body>{\\rtf1 x}</body></html>", "sie enthält keinen RTF-Text"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("text.rtf"));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(c.data);
        }
        QTextDocument doc;
        doc.setPlainText("vorher");
        try {
            loadRtfFile(path, doc);
            ADD_FAILURE() << "no error: " << c.what;
        } catch (const zuv::core::Error& e) {
            EXPECT_EQ(e.message(), u"Die Datei \"%1\" kann nicht gelesen werden: %2."_qs.arg(
                                       QDir::toNativeSeparators(path), QString::fromUtf8(c.message)))
                << c.what;
        }
        EXPECT_TRUE(doc.isEmpty()) << c.what;
    }
}

// The texts shipped in data/: each loads whole, starts with its bold heading and names the
// date range of the zodiac table (22.12.-20.1. for Steinbock and so on).
TEST(RtfReader, ShippedZodiacTexts)
{
    struct Case {
        const char* file;
        QString heading;
        QString dates;
    };
    const Case cases[] = {
        {"Steinbock", "Steinbock", "22. Dezember bis 20. Januar"},
        {"Wassermann", "Wassermann", "21. Januar bis 19. Februar"},
        {"Fische", "Fische", u"20. Februar bis 20. März"_qs},
        {"Widder", "Widder", "21. März bis 20. April"},
        {"Stier", "Stier", "21. April bis 20. Mai"},
        {"Zwillinge", "Zwillinge", "21. Mai bis 21. Juni"},
        {"Krebs", "Krebs", "22. Juni bis 22. Juli"},
        {"Loewe", u"Löwe"_qs, "23. Juli bis 23. August"},
        {"Jungfrau", "Jungfrau", "24. August bis 22. September"},
        {"Waage", "Waage", "23. September bis 22. Oktober"},
        {"Skorpion", "Skorpion", "23. Oktober bis 22. November"},
        {"Schuetze", u"Schütze"_qs, "23. November bis 21. Dezember"},
    };
    for (const Case& c : cases) {
        const QString path = QStringLiteral(ZUV_SOURCE_DIR "/data/TZeichen/%1.rtf").arg(c.file);
        QTextDocument doc;
        ASSERT_TRUE(readRtf(fileData(path), doc)) << c.file;
        const QStringList text = blocks(doc);
        ASSERT_GE(text.size(), 5) << c.file;
        EXPECT_EQ(text[0], c.heading);
        EXPECT_EQ(text[1], c.dates);
        EXPECT_TRUE(text[2].startsWith(u"Element: "_qs)) << c.file;
        EXPECT_EQ(formatOf(doc, c.heading).fontWeight(), QFont::Bold) << c.file;
        EXPECT_TRUE(formatOf(doc, c.dates).fontItalic()) << c.file;
        const QString all = text.join(u'\n');
        for (const QChar bad : {QChar(u'\\'), QChar(u'{'), QChar(u'}'), QChar(0xFFFD), QChar(u'?')})
            EXPECT_FALSE(all.contains(bad)) << c.file << " " << int(bad.unicode());
    }
}

TEST(RtfReader, ShippedBiorhythmText)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fileData(QStringLiteral(ZUV_SOURCE_DIR "/data/BioTab/BiorhythText.rtf")), doc));
    const QStringList text = blocks(doc);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(text[0], "Biorhythmus");
    EXPECT_EQ(formatOf(doc, "Biorhythmus").fontWeight(), QFont::Bold);
    const QString all = text.join(u'\n');
    for (const QString& cycle : {u"Körper (23 Tage)"_qs, u"Seele (28 Tage)"_qs, u"Geist (33 Tage)"_qs,
                                 u"Intuition (38 Tage)"_qs, u"−100 %"_qs})
        EXPECT_TRUE(all.contains(cycle)) << cycle.toStdString();
}

// Every sample and fuzz seed: no crash, clean text (the fuzz target checks the same).
TEST(RtfReader, SeedsReplay)
{
    QDirIterator it(kRtfDir, {"*.rtf"}, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTextDocument doc;
        readRtf(fileData(path), doc);
        expectCleanText(doc, path);
        ++count;
    }
    EXPECT_GE(count, 20);
}

} // namespace
