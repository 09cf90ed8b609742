// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "namelistmodel.h"

#include "dialogs.h"
#include "characters.h"
#include "germandate.h"
#include "namelist.h"

#include <QWidget>

#include <exception>

namespace zuv::people {

using zuv::store::Table;
using zuv::store::TableState;

namespace {

// Marks changes the model makes itself, so the table's change notification is not taken
// for an outside change.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~BusyScope() { m_flag = m_old; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
private:
    bool& m_flag;
    bool m_old;
};

const QString& fieldOf(int column)
{
    return column == NameListModel::NameColumn ? kNameField : kBirthDateField;
}

} // namespace

std::optional<QDate> parseGridDate(const QString& text, const QDate& today)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() == 3) {
        const QString year = parts[2].trimmed();
        bool digits = !year.isEmpty() && year.size() <= 2;
        for (QChar c : year)
            digits = digits && c.isDigit() && c.unicode() < 128;
        if (digits) {
            bool dayOk = false, monthOk = false;
            const int day = parts[0].trimmed().toInt(&dayOk);
            const int month = parts[1].trimmed().toInt(&monthOk);
            const int century = today.year() - today.year() % 100;
            QDate date(century + year.toInt(), month, day);
            if (date.isValid() && date > today)
                date = QDate(century - 100 + year.toInt(), month, day);
            // 29 February may exist in only one of the two centuries.
            if (!dayOk || !monthOk || !date.isValid() || date.year() < 1)
                return std::nullopt;
            return date;
        }
    }
    return zuv::core::parseDate(text);
}

NameListModel::NameListModel(Table& names, QObject* parent)
    : QAbstractTableModel(parent), m_names(names),
      m_today([] { return QDate::currentDate(); })
{
    m_rowCount = storedRows() + 1;
    // The table may be destroyed before or after the model: the subscription ends with it.
    m_names.onDataChanged.subscribe(this, [this] {
        if (!m_busy)
            followTable();
    });
}

NameListModel::~NameListModel() = default;

void NameListModel::followTable()
{
    beginResetModel();
    m_rowCount = storedRows() + 1;
    const TableState state = m_names.state();
    if (state != TableState::Edit && state != TableState::Insert)
        m_pendingRow = -1;
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int NameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool NameListModel::isNewRow(int row) const
{
    return row == m_rowCount - 1;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment alignment = column == BirthDateColumn
            ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(alignment);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};

    const int field = m_names.fieldIndex(fieldOf(column));
    if (field < 0)
        return {};
    const int row = index.row();
    QVariant value;
    if (row == m_pendingRow)
        value = m_names.value(field);
    else if (row < storedRows())
        value = m_names.cell(row, field);
    if (column == BirthDateColumn)
        return zuv::core::formatDate(value.toDate());
    return value.toString();
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= ColumnCount)
            return {};
        if (role == Qt::DisplayRole)
            return fieldOf(section);
        if (role == Qt::TextAlignmentRole) {
            const Qt::Alignment alignment = section == BirthDateColumn
                ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
            return QVariant::fromValue(alignment);
        }
        return {};
    }
    if (section < 0 || section >= m_rowCount)
        return {};
    // The row indicator: "*" marks the row for new entries, "I" a row being changed.
    if (role == Qt::DisplayRole) {
        if (isNewRow(section))
            return QStringLiteral("*");
        if (section == m_pendingRow)
            return QStringLiteral("I");
        return QString();
    }
    return {};
}

Qt::ItemFlags NameListModel::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
        | Qt::ItemNeverHasChildren;
}

bool NameListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const int row = index.row();
    const int column = index.column();
    const int field = m_names.fieldIndex(fieldOf(column));
    if (field < 0)
        return false;

    QVariant stored;
    if (column == NameColumn) {
        const QString text = value.toString();
        const int size = m_names.fieldDefs()[static_cast<size_t>(field)].size;
        if (size > 0 && zuv::store::characterCount(text) > size) {
            zuv::core::dialogs().information(
                m_messageParent, QStringLiteral("Ein Name hat höchstens %1 Zeichen.").arg(size));
            return false;
        }
        stored = text;
    } else if (value.metaType().id() == QMetaType::QDate) {
        if (value.toDate().isValid())
            stored = value.toDate();
    } else {
        const QString text = value.toString().trimmed();
        if (!text.isEmpty()) {
            const QString problem = dateProblem(text);
            if (!problem.isEmpty()) {
                zuv::core::dialogs().information(m_messageParent, problem);
                return false;
            }
            if (const auto date = parseGridDate(text, m_today()))
                stored = *date;   // otherwise a blank mask: the date is cleared
        }
    }

    // An unchanged value starts no edit, so passing through cells leaves the table alone.
    const QString shown = data(index, Qt::EditRole).toString();
    const QString wanted = column == NameColumn ? stored.toString()
                                                : zuv::core::formatDate(stored.toDate());
    if (shown == wanted)
        return true;

    try {
        if (m_pendingRow >= 0 && m_pendingRow != row)
            postPending();
        const bool started = m_pendingRow != row;
        if (started)
            beginPending(row);
        try {
            const BusyScope busy(m_busy);
            m_names.setValue(field, stored);
        } catch (...) {
            if (started)
                revertPending();
            throw;
        }
    } catch (const zuv::store::TableError& e) {
        zuv::core::dialogs().information(m_messageParent, e.message());
        return false;
    } catch (const zuv::core::Error& e) {
        zuv::core::dialogs().information(m_messageParent, e.message());
        return false;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit headerDataChanged(Qt::Vertical, row, row);
    return true;
}

QString NameListModel::dateProblem(const QString& text) const
{
    const QString trimmed = text.trimmed();
    bool blank = true;
    for (QChar c : trimmed)
        blank = blank && (c == QLatin1Char('.') || c.isSpace());
    if (blank || parseGridDate(trimmed, m_today()))
        return {};
    return QStringLiteral("\"%1\" ist kein gültiges Datum.\n"
                          "Geben Sie das Datum als TT.MM.JJJJ ein.")
        .arg(trimmed);
}

void NameListModel::beginPending(int row)
{
    const BusyScope busy(m_busy);
    if (row >= storedRows()) {
        m_names.append();
        m_pendingIsNew = true;
    } else {
        m_names.setCurrentRow(row);
        m_names.edit();
        m_pendingIsNew = false;
    }
    m_pendingRow = row;
}

bool NameListModel::postPending()
{
    if (m_pendingRow < 0)
        return true;
    const TableState state = m_names.state();
    if (state != TableState::Edit && state != TableState::Insert) {
        followTable();   // posted or dropped elsewhere
        return true;
    }
    const int row = m_pendingRow;
    const bool wasNew = m_pendingIsNew;
    auto finish = [&] {
        m_pendingRow = -1;
        if (wasNew) {
            beginInsertRows({}, m_rowCount, m_rowCount);
            ++m_rowCount;
            endInsertRows();
        }
        if (m_rowCount != storedRows() + 1) {
            followTable();
            return;
        }
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    };
    try {
        const BusyScope busy(m_busy);
        m_names.post();
    } catch (...) {
        // A failure after the row was stored (in a notification) still changed the table.
        if (m_names.state() == TableState::Browse)
            finish();
        throw;
    }
    finish();
    return true;
}

void NameListModel::revertPending()
{
    if (m_pendingRow < 0)
        return;
    const int row = m_pendingRow;
    {
        const BusyScope busy(m_busy);
        const TableState state = m_names.state();
        if (state == TableState::Edit || state == TableState::Insert)
            m_names.cancel();
    }
    m_pendingRow = -1;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

void NameListModel::revert()
{
    revertPending();
}

void NameListModel::deleteRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    if (row == m_pendingRow && m_pendingIsNew) {
        revertPending();
        return;
    }
    if (row >= storedRows())
        return;
    if (m_pendingRow >= 0 && m_pendingRow != row)
        postPending();
    if (m_pendingRow == row)
        revertPending();

    // Views see the row go while it is still readable; a failed delete resets them.
    beginRemoveRows({}, row, row);
    std::exception_ptr failure;
    try {
        const BusyScope busy(m_busy);
        m_names.setCurrentRow(row);
        m_names.deleteRow();
    } catch (...) {
        failure = std::current_exception();
    }
    --m_rowCount;
    endRemoveRows();
    if (m_rowCount != storedRows() + 1)
        followTable();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace zuv::people
