// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "namebox.h"

#include "namelist.h"

namespace zuv::people {

NameBoxModel::NameBoxModel(const zuv::store::Table& names, QObject* parent)
    : QAbstractListModel(parent), m_names(names)
{
}

int NameBoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant NameBoxModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int field = m_names.fieldIndex(kNameField);
    // The table may have changed since the last refill: rows it no longer has are empty.
    if (!index.isValid() || field < 0 || index.row() >= m_names.rowCount())
        return QString();
    return m_names.cell(index.row(), field).toString();
}

void NameBoxModel::refill()
{
    beginResetModel();
    m_rows = m_names.isActive() ? m_names.rowCount() : 0;
    m_shown = m_names.generation();
    endResetModel();
}

void NameBox::showPopup()
{
    if (beforePopup)
        beforePopup();
    QComboBox::showPopup();
}

} // namespace zuv::people
