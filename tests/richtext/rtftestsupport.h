// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Helpers of the rich-text reader's tests: reading files and looking at what the reader built.

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace rtftest {

// Laying text out needs fonts, so a GUI application (made once, when none exists yet).
inline void ensureGuiApp()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_core";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

inline const QString kRtfDir = QStringLiteral(ZUV_TEST_DATA_DIR "/core/rtf");

inline QByteArray fileData(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// The text of every block, tables' cells included, in document order.
inline QStringList blocks(const QTextDocument& doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

inline QTextCursor find(const QTextDocument& doc, const QString& text)
{
    const QTextCursor found = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << "not found: " << text.toStdString();
    return found;
}

// The first block whose whole text is text.
inline QTextBlock blockNamed(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text() == text)
            return b;
    ADD_FAILURE() << "no block: " << text.toStdString();
    return {};
}

// The format of the first character of the first occurrence of text.
inline QTextCharFormat formatOf(const QTextDocument& doc, const QString& text)
{
    const QTextCursor found = find(doc, text);
    if (found.isNull())
        return {};
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

inline QTextBlockFormat blockFormatOf(const QTextDocument& doc, const QString& text)
{
    return find(doc, text).blockFormat();
}

// The pictures of the document in order, as their image formats.
inline std::vector<QTextImageFormat> images(const QTextDocument& doc)
{
    std::vector<QTextImageFormat> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isImageFormat())
                for (int i = 0; i < f.length(); ++i)
                    out.push_back(f.charFormat().toImageFormat());
        }
    }
    return out;
}

// No character QTextDocument reserves, no unpaired surrogate, and U+FFFC only as a picture.
inline void expectCleanText(const QTextDocument& doc, const QString& what)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QString text = frag.text();
            const bool image = frag.charFormat().isImageFormat();
            for (qsizetype i = 0; i < text.size(); ++i) {
                const char16_t c = text.at(i).unicode();
                EXPECT_FALSE(c >= 0xFDD0 && c <= 0xFDEF) << what.toStdString();
                EXPECT_TRUE(c != 0xFFFC || image) << what.toStdString();
                if (QChar::isHighSurrogate(c)) {
                    ASSERT_LT(i + 1, text.size()) << what.toStdString();
                    EXPECT_TRUE(text.at(i + 1).isLowSurrogate()) << what.toStdString();
                    ++i;
                } else {
                    EXPECT_FALSE(QChar::isLowSurrogate(c)) << what.toStdString();
                }
            }
        }
    }
}

} // namespace rtftest
