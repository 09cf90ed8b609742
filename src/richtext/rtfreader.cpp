// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "rtfreader.h"

#include "designfont.h"
#include "dialogs.h"
#include "rtfparser.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace zuv::richtext {

// The text side of the parser: code pages, runs of characters and their formats.
namespace rtf {

int RtfParser::currentCodePage() const
{
    if (m_stack.empty())
        return m_ansiCodePage;
    const GroupState& s = m_stack.back();
    if (s.dest == Dest::FontTable)
        return m_fontEntry.codePage != 0 ? m_fontEntry.codePage : m_ansiCodePage;
    const int font = s.ch.font >= 0 ? s.ch.font : m_deff;
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage != 0)
        return it->codePage;
    return m_ansiCodePage;
}

void RtfParser::addBytes(const char* p, qsizetype n)
{
    const int cp = currentCodePage();
    if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes.append(p, n);
}

void RtfParser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = decode(m_bytes, m_bytesCodePage);
    m_bytes.clear();
    emitText(text);
}

QString RtfParser::decode(const QByteArray& bytes, int codePage)
{
    if (codePage == kCodePageSymbol || codePage == kCodePageWingdings) {
        QString out;
        out.reserve(bytes.size());
        for (const char b : bytes) {
            const auto u = static_cast<unsigned char>(b);
            const auto sym = std::find_if(kSymbolChars.begin(), kSymbolChars.end(), [&](const SymbolChar& s) {
                return s.codePage == codePage && s.byte == u;
            });
            out.append(QChar(sym != kSymbolChars.end() ? sym->ch : cp1252Char(u)));
        }
        return out;
    }
    if (codePage != kCodePage1252) {
        const auto name = std::find_if(kCodePageNames.begin(), kCodePageNames.end(),
                                       [&](const CodePageName& n) { return n.codePage == codePage; });
        if (name != kCodePageNames.end()) {
            auto& decoder = m_decoders[codePage];
            if (!decoder)
                decoder = std::make_unique<QStringDecoder>(name->name, QStringConverter::Flag::Stateless);
            if (decoder->isValid())
                return decoder->decode(bytes);
        }
    }
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        out.append(QChar(cp1252Char(static_cast<unsigned char>(b))));
    return out;
}

void RtfParser::emitChar(char16_t c)
{
    flushBytes();
    emitText(QString(QChar(c)));
}

void RtfParser::emitText(const QString& text)
{
    GroupState& s = top();
    switch (s.dest) {
    case Dest::Skip:
    case Dest::Pict:
    case Dest::ListTable:
    case Dest::ListOverrideTable:
    case Dest::Pn:
    case Dest::Upr:
    case Dest::Shape:
        return;
    case Dest::ShapeName:
        if (m_shapeProperty.size() < kMaxFontNameLength)
            m_shapeProperty.append(text);
        return;
    case Dest::LevelText:
        if (m_levelText.size() < kMaxFontNameLength)
            m_levelText.append(text.left(kMaxFontNameLength));
        return;
    case Dest::ListText:
        for (const QChar c : text) {
            const char16_t safe = safeChar(c.unicode());
            if (safe != 0 && !s.ch.hidden && m_listText.size() < kMaxFontNameLength)
                m_listText.append(QChar(safe));
        }
        return;
    case Dest::FontTable:
        for (const QChar c : text) {
            if (c == u';')
                commitFont();
            else if (m_fontEntry.name.size() < kMaxFontNameLength && c.unicode() >= 0x20)
                m_fontEntry.name.append(c);
        }
        return;
    case Dest::ColorTable:
        for (const QChar c : text) {
            if (c == u';')
                commitColor();
        }
        return;
    case Dest::Body:
        break;
    }
    if (s.ch.hidden)
        return;
    if (!m_text.isEmpty() && !(m_textProps == s.ch))
        flushText();
    m_textProps = s.ch;
    const bool safe = std::all_of(text.begin(), text.end(), [](QChar c) {
        return !c.isNull() && safeChar(c.unicode()) == c.unicode();
    });
    if (safe) {
        m_text.append(text);
        return;
    }
    for (const QChar c : text) {
        if (const char16_t mapped = safeChar(c.unicode()); mapped != 0)
            m_text.append(QChar(mapped));
    }
}

void RtfParser::flushText()
{
    if (m_text.isEmpty())
        return;
    beginContent();
    repairSurrogates(m_text);
    m_cursor.insertText(m_text, charFormat(m_textProps));
    m_text.clear();
}

void RtfParser::commitFont()
{
    if (m_fontEntry.id >= 0 && (m_fonts.size() < kMaxFonts || m_fonts.contains(m_fontEntry.id))) {
        FontInfo info{m_fontEntry.name.trimmed(), m_fontEntry.codePage};
        if (info.codePage == kCodePageSymbol && info.name.contains(u"Wingdings", Qt::CaseInsensitive))
            info.codePage = kCodePageWingdings;
        m_fonts.insert(m_fontEntry.id, info);
        m_formats.clear();
    }
    m_fontEntry = FontEntry{};
}

void RtfParser::commitColor()
{
    if (int(m_colors.size()) < kMaxColors)
        m_colors.push_back(m_colorEntry.any ? QColor(m_colorEntry.red, m_colorEntry.green, m_colorEntry.blue) : QColor());
    m_colorEntry = ColorEntry{};
    m_formats.clear();
    m_blockFormatValid = false;
}

QTextCharFormat::UnderlineStyle underlineStyle(Underline u)
{
    // Qt draws no double line: the format carries kDoubleUnderlineProperty beside a single one.
    static constexpr std::array styles{
        QTextCharFormat::NoUnderline,   QTextCharFormat::SingleUnderline, QTextCharFormat::SingleUnderline,
        QTextCharFormat::DotLine,       QTextCharFormat::DashUnderline,   QTextCharFormat::DashDotLine,
        QTextCharFormat::DashDotDotLine, QTextCharFormat::WaveUnderline,
    };
    const auto i = std::size_t(u);
    return i < styles.size() ? styles[i] : QTextCharFormat::SingleUnderline;
}

QColor RtfParser::color(int index) const
{
    return index >= 0 && index < int(m_colors.size()) ? m_colors[index] : QColor();
}

const QTextCharFormat& RtfParser::charFormat(const CharProps& p)
{
    if (const auto it = m_formats.find(p); it != m_formats.end())
        return it->second;
    if (m_formats.size() >= kMaxCachedFormats)
        m_formats.clear();
    QTextCharFormat f;
    f.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(p.italic);
    f.setFontStrikeOut(p.strike);
    f.setUnderlineStyle(underlineStyle(Underline(p.underline)));
    if (p.underline == quint8(Underline::Double))
        f.setProperty(kDoubleUnderlineProperty, true);
    if (p.caps != 0)
        f.setFontCapitalization(p.caps == 1 ? QFont::AllUppercase : QFont::SmallCaps);
    if (p.vertical != 0)
        f.setVerticalAlignment(p.vertical == 1 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    if (p.sizeHalfPoints > 0)
        f.setFontPointSize(p.sizeHalfPoints / 2.0);
    if (const QColor c = color(p.color); p.color >= 0 && c.isValid())
        f.setForeground(c);
    if (const QColor c = color(p.highlight); p.highlight > 0 && c.isValid())
        f.setBackground(c);
    const auto font = m_fonts.constFind(p.font >= 0 ? p.font : m_deff);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{zuv::core::installedFamily(font->name)});
    return m_formats.emplace(p, f).first->second;
}

void RtfParser::finish()
{
    flushBytes();
    const bool hadText = !m_text.isEmpty();
    flushText();
    // The last paragraph had no closing \par: it takes the properties in force at the end.
    if (hadText && !m_stack.empty())
        closeParagraph();
}

} // namespace rtf

bool isRtf(QByteArrayView data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf");
}

bool readRtf(const QByteArray& data, QTextDocument& doc)
{
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    const QByteArrayView view = QByteArrayView(data).first(std::min(data.size(), kMaxRtfFileSize));
    bool ok = false;
    if (isRtf(view)) {
        // Without a page size the layout sleeps while the document is built; setting it back
        // lays the whole document out anew, lazily, as setPlainText() does.
        const QSizeF page = doc.pageSize();
        doc.setPageSize(QSizeF(0, 0));
        rtf::RtfParser parser(doc);
        const qsizetype start = view.indexOf('{');
        ok = parser.parse(view.data() + start, view.data() + view.size()) && data.size() <= kMaxRtfFileSize;
        doc.setPageSize(page);
    }
    doc.setUndoRedoEnabled(undo);
    return ok;
}

void loadRtfFile(const QString& path, QTextDocument& doc)
{
    doc.clear();
    // The checked reader: a FIFO or device in place of the text is refused, never waited on.
    const QByteArray data = store::readRegularFile(path, kMaxRtfFileSize);
    const auto refuse = [&](const char* cause) {
        return core::Error(QCoreApplication::translate("Files", "Die Datei \"%1\" kann nicht gelesen werden: %2.")
                               .arg(QDir::toNativeSeparators(path), QCoreApplication::translate("Files", cause)));
    };
    if (data.trimmed().isEmpty())
        throw refuse(QT_TRANSLATE_NOOP("Files", "sie ist leer"));
    if (!isRtf(data))
        throw refuse(QT_TRANSLATE_NOOP("Files", "sie enthält keinen RTF-Text"));
    readRtf(data, doc);
}

} // namespace zuv::richtext
