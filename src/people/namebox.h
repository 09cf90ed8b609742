// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The name box of the biorhythm page: an editable drop-down over the name table's
// "Name" column. It reads the table directly, so a refill after a change costs the same
// at 10 names and at 100,000; before its list opens it asks the owner to bring the table
// up to date (another running copy may have changed the file).

#include "table.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <functional>

namespace zuv::people {

// The "Name" of every posted row, in table order (empty names and duplicates included).
class NameBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    // names must outlive the model.
    explicit NameBoxModel(const zuv::store::Table& names, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Shows the table's current rows.
    void refill();
    const zuv::store::Table& table() const { return m_names; }
    quint64 shownGeneration() const { return m_shown; }

private:
    const zuv::store::Table& m_names;
    int m_rows = 0;
    quint64 m_shown = 0;
};

class NameBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // Runs before the list opens (may refill the box).
    std::function<void()> beforePopup;
    void showPopup() override;
};

} // namespace zuv::people
