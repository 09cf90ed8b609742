// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small controls of the biorhythm page: a clickable label, the birth-date field with its
// mask, and the year up-down bound to a read-only edit.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace zuv::widgets {

// A label (text or picture) that reports clicks. One that takes the focus is clicked with
// the space bar too and shows the focus with a thicker frame.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Birth-date field "dd.mm.yyyy", shown as "  .  .    " when empty: day and month digits
// may stay blank, the four year digits are required. After an edit the field refuses to
// be left while a year digit is missing (its own error message; the focus stays); Esc
// restores the last valid birth date it held (before any valid date, the text it had when
// it got the focus). Leaving it otherwise emits exited().
class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget* parent = nullptr);

    // True when all four year digits are filled in.
    bool yearComplete() const;
    static QString refusalMessage();
    // The text Esc brings back: the last valid date the field held, empty before one.
    QString lastValidText() const { return m_lastValid; }

signals:
    void exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rememberIfValid();

    QString m_textOnEnter;
    QString m_lastValid;
    bool m_refusing = false;
};

// Two arrows that step a position 1..9999 without wrapping and write it, without
// thousands separator, into the associated read-only edit. Each arrow click and each step
// key emits clicked(up) once, also at the ends of the range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    static constexpr int kMin = 1;
    static constexpr int kMax = 9999;

    // The edit shows the position; Up and Down in it step by 1, PageUp and PageDown by 10.
    void setAssociate(QLineEdit* edit);
    int position() const { return m_position; }
    void setPosition(int position);   // clamped to 1..9999

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void clicked(bool up);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QLineEdit* m_associate = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_position = kMin;
};

} // namespace zuv::widgets
