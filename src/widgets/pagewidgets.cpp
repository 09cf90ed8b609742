// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pagewidgets.h"

#include "dialogs.h"
#include "germandate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

namespace zuv::widgets {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && focusPolicy() != Qt::NoFocus) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    if (frameShape() != QFrame::NoFrame)
        setLineWidth(2);
}

void ClickLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    if (frameShape() != QFrame::NoFrame)
        setLineWidth(1);
}

MaskEdit::MaskEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setInputMask(QString::fromLatin1(zuv::core::kDateInputMask));
    setMaxLength(10);
    // A date the program puts in (start, a chosen name) is the one Esc returns to; what the
    // user types counts once it is confirmed with Enter or the field is entered again.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus())
            rememberIfValid();
    });
    // Enter refreshes the page with the typed date: from then on Esc returns to it.
    connect(this, &QLineEdit::returnPressed, this, [this] { rememberIfValid(); });
}

void MaskEdit::rememberIfValid()
{
    if (zuv::core::parseDate(text()))
        m_lastValid = text();
}

bool MaskEdit::yearComplete() const
{
    const QString year = displayText().mid(6, 4);
    if (year.size() != 4)
        return false;
    for (QChar c : year) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

QString MaskEdit::refusalMessage()
{
    return QStringLiteral("Ungültiger Eingabewert. Mit Esc werden die Änderungen "
                          "rückgängig gemacht.");
}

void MaskEdit::focusInEvent(QFocusEvent* event)
{
    if (!m_refusing)
        m_textOnEnter = text();
    rememberIfValid();
    QLineEdit::focusInEvent(event);
}

void MaskEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move to another control of the window leaves the field; a message box or a
    // switch to another window does not.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || m_refusing)
        return;
    if (isModified() && !yearComplete()) {
        m_refusing = true;
        zuv::core::dialogs().error(this, refusalMessage());
        setFocus(Qt::OtherFocusReason);
        // Focus moves caused by the box itself are over once the event loop has run.
        QTimer::singleShot(0, this, [this] { m_refusing = false; });
        return;
    }
    emit exited();
}

void MaskEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        const QString restored = m_lastValid.isEmpty() ? m_textOnEnter : m_lastValid;
        if (text() != restored || isModified()) {
            setText(restored);
            setModified(false);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setObjectName(QStringLiteral("UpButton"));
    m_down->setObjectName(QStringLiteral("DownButton"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setAssociate(QLineEdit* edit)
{
    if (m_associate)
        m_associate->removeEventFilter(this);
    m_associate = edit;
    if (m_associate)
        m_associate->installEventFilter(this);
    setPosition(m_position);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_associate && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        struct StepKey {
            int key;
            int delta;
        };
        static constexpr StepKey kKeys[] = {
            {Qt::Key_Up, 1}, {Qt::Key_Down, -1}, {Qt::Key_PageUp, 10}, {Qt::Key_PageDown, -10}};
        for (const StepKey& k : kKeys) {
            if (key->key() == k.key && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                step(k.delta);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::setPosition(int position)
{
    m_position = std::clamp(position, kMin, kMax);
    if (m_associate)
        m_associate->setText(QString::number(m_position));
}

void UpDown::step(int delta)
{
    setPosition(m_position + delta);
    emit clicked(delta > 0);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

} // namespace zuv::widgets
