// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "characters.h"

#include <QTextBoundaryFinder>

namespace zuv::store {

namespace {
// Below U+0300 no code unit combines with its neighbour (no marks, no surrogates) except
// CR LF, which is one cluster.
bool isSimple(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x0300 || c == QLatin1Char('\r'))
            return false;
    return true;
}
} // namespace

int characterCount(const QString& text)
{
    if (isSimple(text))
        return static_cast<int>(text.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString firstCharacters(const QString& text, int count)
{
    if (count <= 0)
        return {};
    if (isSimple(text))
        return text.left(count);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return text.left(end);
}

} // namespace zuv::store
