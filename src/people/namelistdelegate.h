// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Cell editor of the name grid: a line edit that takes at most 30 characters of a name (a
// longer one is cut, and the cut said) or a date "dd.mm.yyyy" through the birth-date field's
// mask (centred). Knows its open editor so the window can commit it before
// closing.

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

namespace zuv::people {

// What the grid says when a name was cut at the 30-character limit.
QString nameCutNotice();

class NameListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // Writes the open editor's text into the model and closes the editor (no-op if none).
    // An invalid date is not written: the editor stays open; returns false then.
    bool commitOpenEditor();
    // Closes the open editor without writing its text.
    void discardOpenEditor();
    QWidget* openEditor() const { return m_editor; }
    // The German message for the open date editor's text, empty when it can be stored
    // (or no date editor is open).
    QString openEditorProblem() const;
    // Shows that message and gives the focus back to the editor; false when there was none.
    bool refuseInvalidDate() const;

protected:
    // Keys and focus changes that would carry an invalid date out of its editor are held
    // back: the date stays in the editor until it is corrected or the edit is cancelled.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_index;
    mutable bool m_refusing = false;
};

} // namespace zuv::people
