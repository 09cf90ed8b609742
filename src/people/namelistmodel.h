// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Presents the name table to a grid: one row per stored person plus a trailing empty row
// for new entries, columns "Name" and "Geburtsdatum". Edits go into the table the way a
// data grid does it: the first change of a row puts it into edit (or, on the trailing
// row, append) state; postPending() stores it, revertPending() drops it. The window posts
// when the current row is left and when it closes.

#include "table.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QPointer>
#include <functional>
#include <optional>

class QWidget;

namespace zuv::people {

// A birth date typed into the grid: "d.m.yyyy" as the program reads dates, except that a
// year of one or two digits ("1.1.80") means the latest such date not after today
// (01.01.1980 when today is in 2026). nullopt when the text is no date.
std::optional<QDate> parseGridDate(const QString& text, const QDate& today);

class NameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, BirthDateColumn = 1, ColumnCount = 2 };

    // The table must have the fields of nameListFields() and stay alive while the model is
    // used. The model follows outside changes through the table's onDataChanged
    // notification, beside any other receiver, until the model is gone.
    explicit NameListModel(zuv::store::Table& names, QObject* parent = nullptr);
    ~NameListModel() override;

    // Today's date, for reading two-digit years (default: the system clock).
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }
    // Why a text typed into the date column cannot be stored (German), or an empty text
    // when it can (an empty entry clears the date).
    QString dateProblem(const QString& text) const;

    // Parent of the messages shown for refused input (may be null).
    void setMessageParent(QWidget* parent) { m_messageParent = parent; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Name: text of at most 30 characters (grapheme clusters). Geburtsdatum: "dd.mm.yyyy"
    // (or a QDate); a one- or two-digit year is the latest such date not after today; empty
    // text clears it; an invalid date is refused with a message. Returns false when refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Escape in the grid: drops the row's pending change.
    void revert() override;

    // The row with a pending change, -1 when none.
    int pendingRow() const { return m_pendingRow; }
    bool hasPending() const { return m_pendingRow >= 0; }
    // True for the trailing row that takes new entries (also while it is being filled).
    bool isNewRow(int row) const;

    // Stores the pending change; true when nothing was pending or the post succeeded.
    // Throws what the table throws (the row then stays pending).
    bool postPending();
    // Drops the pending change.
    void revertPending();
    // Deletes a row: a pending new row is dropped, a stored row is deleted from the
    // table; the trailing empty row and an empty table do nothing. Throws what the table
    // throws.
    void deleteRow(int row);

private:
    void beginPending(int row);
    void followTable();
    int storedRows() const { return m_names.rowCount(); }

    zuv::store::Table& m_names;
    std::function<QDate()> m_today;
    QPointer<QWidget> m_messageParent;
    int m_rowCount = 1;        // stored rows + the trailing row
    int m_pendingRow = -1;
    bool m_pendingIsNew = false;
    bool m_busy = false;       // the model itself is changing the table
};

} // namespace zuv::people
