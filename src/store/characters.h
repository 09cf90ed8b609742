// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Counting text as the user sees it: a "character" is a grapheme cluster, so an emoji
// (a surrogate pair) or a letter with combining marks counts as one, and a limit never
// splits one.

#include <QString>

namespace zuv::store {

// Number of grapheme clusters in text.
int characterCount(const QString& text);
// The first count grapheme clusters of text (all of it when it is shorter).
QString firstCharacters(const QString& text, int count);

} // namespace zuv::store
