// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A read-only rich text box that also draws what QTextDocument cannot: the second line of a
// double underline (text whose format carries kDoubleUnderlineProperty).

#include <QTextEdit>

class QPainter;
class QRectF;
class QTextDocument;

namespace zuv::richtext {

// Draws the second line under every doubly underlined run of doc that meets clip (document
// coordinates; the painter is in document coordinates too). The line lies three line widths
// below the single underline Qt draws, in the same colour.
void paintDoubleUnderlines(QPainter& painter, const QTextDocument& doc, const QRectF& clip);

class RichTextView : public QTextEdit {
public:
    explicit RichTextView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zuv::richtext
