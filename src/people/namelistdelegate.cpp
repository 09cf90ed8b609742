#include "namelistdelegate.h"

#include "namelist.h"
#include "namelistmodel.h"

#include <QLineEdit>

namespace zuv::people {

QWidget* NameListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (index.column() == NameListModel::BirthDateColumn) {
        editor->setMaxLength(10);   // "dd.mm.yyyy"
        editor->setAlignment(Qt::AlignCenter);
    } else {
        editor->setMaxLength(kNameLength);
    }
    m_editor = editor;
    return editor;
}

void NameListDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == m_editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void NameListDelegate::commitOpenEditor()
{
    QWidget* editor = m_editor;
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

} // namespace zuv::people
