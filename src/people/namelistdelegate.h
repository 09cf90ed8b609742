#pragma once
// Cell editor of the name grid: a line edit that takes at most 30 characters of a name or
// a date "dd.mm.yyyy" (centred). Knows its open editor so the window can commit it before
// closing.

#include <QPointer>
#include <QStyledItemDelegate>

namespace zuv::people {

class NameListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // Writes the open editor's text into the model and closes the editor (no-op if none).
    void commitOpenEditor();
    QWidget* openEditor() const { return m_editor; }

private:
    mutable QPointer<QWidget> m_editor;
};

} // namespace zuv::people
