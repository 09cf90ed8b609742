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

// Sets every explicit font size in doc to factor times the size it was loaded with (kept on
// first use in a format property, so repeated calls do not compound). Text without an
// explicit size follows the view's font. factor > 0.
void scaleTextSizes(QTextDocument& doc, double factor);

class RichTextView : public QTextEdit {
public:
    explicit RichTextView(QWidget* parent = nullptr);

    // Draws the text at factor times its loaded sizes, so that it grows with its page. Call
    // again after loading new text.
    void setTextScale(double factor);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zuv::richtext
