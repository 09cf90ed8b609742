// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "namelistdelegate.h"

#include "characters.h"
#include "dialogs.h"
#include "germandate.h"
#include "namelist.h"
#include "namelistmodel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolTip>

namespace zuv::people {

namespace {

// Keys with which the grid carries an edit out of its cell.
bool leavesTheCell(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// Cuts a name at the limit without splitting a character (an emoji, a letter with its
// marks); a plain maxLength would count UTF-16 code units. The cut is said beside the cell,
// so a pasted name does not lose its end unnoticed.
void keepWithinLimit(QLineEdit* editor)
{
    const QString text = editor->text();
    if (zuv::store::characterCount(text) <= kNameLength)
        return;
    const int cursor = editor->cursorPosition();
    const QSignalBlocker blocker(editor);
    const QString kept = zuv::store::firstCharacters(text, kNameLength);
    editor->setText(kept);
    editor->setCursorPosition(std::min<int>(cursor, static_cast<int>(kept.size())));
    QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), nameCutNotice(), editor);
}

} // namespace

QString nameCutNotice()
{
    return QStringLiteral("Der Name wurde nach %1 Zeichen abgeschnitten.").arg(kNameLength);
}

QWidget* NameListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (index.column() == NameListModel::BirthDateColumn) {
        // As the birth-date field: digits only, the dots stand already.
        editor->setInputMask(QString::fromLatin1(zuv::core::kDateInputMask));
        editor->setAlignment(Qt::AlignCenter);
    } else {
        connect(editor, &QLineEdit::textChanged, editor, [editor] { keepWithinLimit(editor); });
    }
    m_editor = editor;
    m_index = index;
    return editor;
}

void NameListDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == m_editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

QString NameListDelegate::openEditorProblem() const
{
    auto* editor = qobject_cast<QLineEdit*>(m_editor.data());
    if (!editor || m_index.column() != NameListModel::BirthDateColumn)
        return {};
    const auto* model = qobject_cast<const NameListModel*>(m_index.model());
    return model ? model->dateProblem(editor->text()) : QString();
}

bool NameListDelegate::refuseInvalidDate() const
{
    const QString problem = openEditorProblem();
    if (problem.isEmpty() || m_refusing)
        return !problem.isEmpty();
    m_refusing = true;   // the message box takes the focus: no second message for that
    QWidget* editor = m_editor;
    zuv::core::dialogs().information(editor ? editor->window() : nullptr, problem);
    if (m_editor)
        m_editor->setFocus(Qt::OtherFocusReason);
    m_refusing = false;
    return true;
}

bool NameListDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor) {
        if (event->type() == QEvent::KeyPress
            && leavesTheCell(static_cast<QKeyEvent*>(event)->key()) && refuseInvalidDate())
            return true;
        if (event->type() == QEvent::FocusOut && !openEditorProblem().isEmpty()) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Another window or a menu: the edit simply waits, open and unchanged.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                refuseInvalidDate();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

bool NameListDelegate::commitOpenEditor()
{
    QWidget* editor = m_editor;
    if (!editor)
        return true;
    if (!openEditorProblem().isEmpty())
        return false;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void NameListDelegate::discardOpenEditor()
{
    if (QWidget* editor = m_editor)
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

} // namespace zuv::people
