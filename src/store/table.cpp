// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "table.h"

#include "tablefile.h"

#include "germandate.h"
#include "characters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zuv::store {

namespace {

// Numbers as the user types them: "1.5" and "1,5" both accepted.
std::optional<double> parseNumber(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        v = QLocale(QLocale::German).toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> toInt32(double v)
{
    if (!std::isfinite(v) || v < std::numeric_limits<int>::min()
        || v > std::numeric_limits<int>::max() || v != std::floor(v))
        return std::nullopt;
    return static_cast<int>(v);
}

bool isBlankDateText(const QString& text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('.'))
            return false;
    return true;
}

QString invalidDate(const QString& text)
{
    return QCoreApplication::translate("Tables", "'%1' ist kein gültiges Datum.").arg(text);
}
QString invalidNumber(const QString& text)
{
    return QCoreApplication::translate("Tables", "'%1' ist keine gültige Zahl.").arg(text);
}
QString invalidInteger(const QString& text)
{
    return QCoreApplication::translate("Tables", "'%1' ist keine gültige ganze Zahl.").arg(text);
}

QString displayNumber(double v)
{
    QLocale de(QLocale::German);
    de.setNumberOptions(QLocale::OmitGroupSeparator);
    return de.toString(v, 'g', 15);
}

} // namespace

// --- TableError -----------------------------------------------------------------------

TableError::TableError(QString message, FileFault fault, QString cause)
    : core::Error(message), m_message(std::move(message)), m_cause(std::move(cause)), m_fault(fault),
      m_utf8(m_message.toUtf8())
{
}

const char* TableError::what() const noexcept
{
    return m_utf8.constData();
}

// --- Table ---------------------------------------------------------------------------

Table::Table(QString name) : m_name(std::move(name)) {}

Table::~Table() = default;

// --- Table: fields --------------------------------------------------------------------

void Table::clearFieldDefs()
{
    requireInactive();
    m_fields.clear();
}

void Table::addFieldDef(const QString& name, FieldType type, int size)
{
    requireInactive();
    if (name.isEmpty() || name.size() > tablefile::kMaxFieldNameLength || fieldIndex(name) >= 0
        || m_fields.size() >= tablefile::kMaxFields)
        throw TableError(
            QCoreApplication::translate("Tables", "Das Feld '%1' kann nicht angelegt werden.").arg(name));
    if (type == FieldType::String && (size < 1 || size > tablefile::kMaxStringSize))
        throw TableError(QCoreApplication::translate(
                             "Tables", "Das Textfeld '%1' braucht eine Länge von 1 bis %2 Zeichen.")
                             .arg(name)
                             .arg(tablefile::kMaxStringSize));
    m_fields.push_back({name, type, type == FieldType::String ? size : 0});
}

int Table::fieldIndex(const QString& name) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void Table::createDataSet()
{
    if (m_fields.empty())
        throw TableError(
            QCoreApplication::translate("Tables", "Die Tabelle '%1' hat keine Felder.").arg(m_name));
    m_rows.clear();
    m_ids.clear();
    m_buffer.clear();
    m_current = 0;
    m_state = TableState::Browse;
    m_modified = true;
    notifyChanged();
}

void Table::setActive(bool active)
{
    if (!active) {
        close();
        return;
    }
    if (isActive())
        return;
    if (m_fields.empty())
        throw TableError(
            QCoreApplication::translate("Tables", "Die Tabelle '%1' hat keine Felder.").arg(m_name));
    m_current = 0;
    m_state = TableState::Browse;
    notifyChanged();
}

// --- Table: cursor and rows -----------------------------------------------------------

void Table::requireActive() const
{
    if (!isActive())
        throw TableError(
            QCoreApplication::translate("Tables", "Die Tabelle '%1' ist nicht geöffnet.").arg(m_name));
}

void Table::requireInactive() const
{
    if (isActive())
        throw TableError(QCoreApplication::translate(
                             "Tables", "Die Felder der geöffneten Tabelle '%1' sind nicht änderbar.")
                             .arg(m_name));
}

void Table::requireField(int fieldIndex) const
{
    if (fieldIndex < 0 || fieldIndex >= static_cast<int>(m_fields.size()))
        throw TableError(QCoreApplication::translate("Tables", "Die Tabelle '%1' hat kein Feld Nr. %2.")
                             .arg(m_name)
                             .arg(fieldIndex));
}

void Table::checkBrowseMode()
{
    requireActive();
    if (m_state == TableState::Edit || m_state == TableState::Insert)
        post();
}

int Table::recordRow() const
{
    if (m_rows.empty())
        return -1;
    // Behind the last row (eof) the cursor still stands on the last row.
    return std::min(m_current, rowCount() - 1);
}

void Table::setCurrentRow(int row)
{
    checkBrowseMode();
    m_current = std::clamp(row, 0, rowCount());
}

void Table::first()
{
    setCurrentRow(0);
}

void Table::next()
{
    checkBrowseMode();
    if (m_current < rowCount())
        ++m_current;
}

bool Table::eof() const
{
    return m_state == TableState::Browse ? m_current >= rowCount() : false;
}

void Table::emptyTable()
{
    requireActive();
    m_buffer.clear();
    m_state = TableState::Browse;
    if (!m_rows.empty()) {
        if (m_rowLevel && !m_fileName.isEmpty()) {
            // Only the rows this table shows: another copy's rows added meanwhile stay.
            try {
                const tablefile::RowWrite w =
                    tablefile::deleteRows(m_fileName, m_fields, m_ids, m_rows);
                noteOwnWrite(w.counterBefore, w.changed);
            } catch (const tablefile::Failure& d) {
                throw writeError(d);
            }
        } else {
            m_modified = true;
        }
    }
    m_rows.clear();
    m_ids.clear();
    m_current = 0;
    notifyChanged();
}

void Table::append()
{
    insert(rowCount());
}

void Table::insert(int row)
{
    checkBrowseMode();
    m_beforeInsert = m_current;
    m_insertAt = std::clamp(row, 0, rowCount());
    m_current = m_insertAt;
    m_buffer.assign(m_fields.size(), QVariant());
    m_state = TableState::Insert;
}

void Table::edit()
{
    requireActive();
    if (m_state != TableState::Browse)
        return;
    if (m_rows.empty()) {
        append();
        return;
    }
    m_current = recordRow();
    m_buffer = m_rows[m_current];
    m_state = TableState::Edit;
}

void Table::post()
{
    requireActive();
    if (m_state == TableState::Browse)
        return;
    beforePost.notify();
    const bool inserting = m_state == TableState::Insert;
    if (m_rowLevel && !m_fileName.isEmpty())
        writeRowPost(inserting);   // throws: the row stays pending, memory unchanged
    else if (inserting)
        m_ids.insert(m_ids.begin() + m_insertAt, tablefile::kNoId);
    if (inserting) {
        m_rows.insert(m_rows.begin() + m_insertAt, std::move(m_buffer));
        m_current = m_insertAt;
    } else {
        m_rows[m_current] = std::move(m_buffer);
    }
    m_buffer.clear();
    m_state = TableState::Browse;
    if (!m_rowLevel || m_fileName.isEmpty())
        m_modified = true;
    notifyChanged();
    afterPost.notify();
}

void Table::appendRows(const std::vector<std::vector<QVariant>>& rows)
{
    checkBrowseMode();
    if (rows.empty())
        return;
    const int before = m_current;
    std::vector<std::vector<QVariant>> stored;
    stored.reserve(rows.size());
    try {
        for (const std::vector<QVariant>& row : rows) {
            append();
            for (std::size_t f = 0; f < std::min(row.size(), m_fields.size()); ++f)
                m_buffer[f] = convert(static_cast<int>(f), row[f]);
            beforePost.notify();
            stored.push_back(std::move(m_buffer));
            cancel();
        }
    } catch (...) {
        if (m_state != TableState::Browse)
            cancel();
        m_current = before;
        throw;
    }
    std::vector<qint64> ids(stored.size(), tablefile::kNoId);
    if (m_rowLevel && !m_fileName.isEmpty()) {
        try {
            const tablefile::RowWrite w = tablefile::insertRows(m_fileName, m_fields, stored, ids);
            noteOwnWrite(w.counterBefore, w.changed);
        } catch (const tablefile::Failure& d) {
            m_current = before;
            throw writeError(d);
        }
    } else {
        m_modified = true;
    }
    m_ids.insert(m_ids.end(), ids.begin(), ids.end());
    m_rows.insert(m_rows.end(), std::make_move_iterator(stored.begin()),
                  std::make_move_iterator(stored.end()));
    m_current = rowCount() - 1;
    notifyChanged();
    afterPost.notify();
}

void Table::cancel()
{
    requireActive();
    if (m_state == TableState::Insert)
        m_current = std::min(m_beforeInsert, rowCount());
    m_buffer.clear();
    m_state = TableState::Browse;
}

void Table::deleteRow()
{
    requireActive();
    if (m_state == TableState::Insert) {
        cancel();
        return;
    }
    if (m_state == TableState::Edit)
        cancel();
    const int row = recordRow();
    if (row < 0)
        return;
    const auto at = static_cast<size_t>(row);
    if (m_rowLevel && !m_fileName.isEmpty()) {
        try {
            const tablefile::RowWrite w =
                tablefile::deleteRows(m_fileName, m_fields, {m_ids[at]}, {m_rows[at]});
            noteOwnWrite(w.counterBefore, w.changed);
        } catch (const tablefile::Failure& d) {
            throw writeError(d);
        }
    } else {
        m_modified = true;
    }
    m_rows.erase(m_rows.begin() + row);
    m_ids.erase(m_ids.begin() + row);
    m_current = m_rows.empty() ? 0 : std::min(row, rowCount() - 1);
    notifyChanged();
    afterDelete.notify();
}

bool Table::locate(const QString& field, const QString& text)
{
    checkBrowseMode();
    const int f = indexOf(field);
    const FieldDef& def = m_fields[f];
    QVariant wanted;
    if (!(def.type == FieldType::Date ? isBlankDateText(text) : text.isEmpty())) {
        try {
            wanted = convert(f, text);
        } catch (const TableError&) {
            return false;   // a text that is no value of the field equals no row
        }
    }
    for (int r = 0; r < rowCount(); ++r) {
        const QVariant& v = m_rows[r][f];
        bool equal = v.isNull() == wanted.isNull();
        if (equal && !v.isNull()) {
            switch (def.type) {
            case FieldType::Date: equal = v.toDate() == wanted.toDate(); break;
            case FieldType::Float: equal = v.toDouble() == wanted.toDouble(); break;
            case FieldType::Integer: equal = v.toInt() == wanted.toInt(); break;
            case FieldType::String:
                equal = v.toString().compare(wanted.toString(), Qt::CaseInsensitive) == 0;
                break;
            }
        }
        if (equal) {
            m_current = r;
            return true;
        }
    }
    return false;
}

// --- Table: values --------------------------------------------------------------------

const QVariant* Table::currentValue(int fieldIndex) const
{
    requireActive();
    requireField(fieldIndex);
    if (m_state == TableState::Edit || m_state == TableState::Insert)
        return &m_buffer[fieldIndex];
    const int row = recordRow();
    return row < 0 ? nullptr : &m_rows[row][fieldIndex];
}

int Table::indexOf(const QString& field) const
{
    const int f = fieldIndex(field);
    if (f < 0)
        throw TableError(
            QCoreApplication::translate("Tables", "Die Tabelle '%1' hat kein Feld '%2'.").arg(m_name, field));
    return f;
}

QVariant Table::value(const QString& field) const
{
    return value(indexOf(field));
}

QVariant Table::value(int fieldIndex) const
{
    const QVariant* v = currentValue(fieldIndex);
    return v ? *v : QVariant();
}

void Table::setValue(const QString& field, const QVariant& value)
{
    setValue(indexOf(field), value);
}

void Table::setValue(int fieldIndex, const QVariant& value)
{
    requireActive();
    requireField(fieldIndex);
    if (m_state != TableState::Edit && m_state != TableState::Insert)
        throw TableError(
            QCoreApplication::translate("Tables", "Die Tabelle '%1' ist nicht im Bearbeitungsmodus.")
                .arg(m_name));
    m_buffer[fieldIndex] = convert(fieldIndex, value);
}

QVariant Table::convert(int field, const QVariant& v) const
{
    const FieldDef& def = m_fields[field];
    if (!v.isValid() || v.isNull())
        return {};
    const bool isText = v.typeId() == QMetaType::QString;
    const QString text = isText ? v.toString() : QString();
    if (isText && (def.type == FieldType::Date ? isBlankDateText(text) : text.isEmpty()))
        return {};
    switch (def.type) {
    case FieldType::Date: {
        QDate d;
        switch (v.typeId()) {
        case QMetaType::QDate: d = v.toDate(); break;
        case QMetaType::QDateTime: d = v.toDateTime().date(); break;
        case QMetaType::QString:
            if (const auto parsed = core::parseDate(text))
                d = *parsed;
            else
                throw TableError(invalidDate(text));
            break;
        default: {
            bool ok = false;
            const double dv = v.toDouble(&ok);
            if (ok && std::isfinite(dv) && std::abs(dv) < 4.0e6)
                d = core::dateFromValue(dv);
        }
        }
        if (!d.isValid() || d.year() < 1 || d.year() > 9999)
            throw TableError(invalidDate(v.toString()));
        return d;
    }
    case FieldType::Float: {
        if (isText) {
            if (const auto x = parseNumber(text))
                return *x;
            throw TableError(invalidNumber(text));
        }
        bool ok = false;
        const double x = v.toDouble(&ok);
        if (!ok || !std::isfinite(x))
            throw TableError(invalidNumber(v.toString()));
        return x;
    }
    case FieldType::Integer: {
        bool ok = false;
        const double x = isText ? parseNumber(text).value_or(NAN) : v.toDouble(&ok);
        if (const auto i = toInt32(x); i && (isText || ok))
            return *i;
        throw TableError(invalidInteger(v.toString()));
    }
    case FieldType::String: {
        const QString s = v.typeId() == QMetaType::QDate ? core::formatDate(v.toDate()) : v.toString();
        if (s.isEmpty())
            return {};
        if (characterCount(s) > def.size)
            throw TableError(
                QCoreApplication::translate("Tables", "Der Text ist zu lang (höchstens %1 Zeichen).")
                    .arg(def.size));
        return s;
    }
    }
    return {};
}

QDate Table::asDate(const QString& field) const
{
    const int f = indexOf(field);
    const QVariant v = value(f);
    if (v.isNull())
        return {};
    switch (m_fields[f].type) {
    case FieldType::Date: return v.toDate();
    case FieldType::Float:
    case FieldType::Integer: return core::dateFromValue(v.toDouble());
    case FieldType::String:
        if (const auto d = core::parseDate(v.toString()))
            return *d;
        throw TableError(invalidDate(v.toString()));
    }
    return {};
}

double Table::asFloat(const QString& field) const
{
    const int f = indexOf(field);
    const QVariant v = value(f);
    if (v.isNull())
        return 0.0;
    switch (m_fields[f].type) {
    case FieldType::Date: return core::toDateValue(v.toDate());
    case FieldType::Float:
    case FieldType::Integer: return v.toDouble();
    case FieldType::String:
        if (const auto x = parseNumber(v.toString()))
            return *x;
        throw TableError(invalidNumber(v.toString()));
    }
    return 0.0;
}

int Table::asInteger(const QString& field) const
{
    const int f = indexOf(field);
    const QVariant v = value(f);
    if (v.isNull())
        return 0;
    double x = 0.0;
    switch (m_fields[f].type) {
    case FieldType::Integer: return v.toInt();
    case FieldType::Date: x = core::toDateValue(v.toDate()); break;
    case FieldType::Float: x = std::nearbyint(v.toDouble()); break;
    case FieldType::String: x = parseNumber(v.toString()).value_or(NAN); break;
    }
    if (const auto i = toInt32(x))
        return *i;
    throw TableError(invalidInteger(v.toString()));
}

QString Table::asString(const QString& field) const
{
    const int f = indexOf(field);
    const QVariant v = value(f);
    if (v.isNull())
        return {};
    switch (m_fields[f].type) {
    case FieldType::Date: return core::formatDate(v.toDate());
    case FieldType::Float: return displayNumber(v.toDouble());
    case FieldType::Integer: return QString::number(v.toInt());
    case FieldType::String: return v.toString();
    }
    return {};
}

QVariant Table::cell(int row, int fieldIndex) const
{
    requireField(fieldIndex);
    if (row < 0 || row >= rowCount())
        throw TableError(QCoreApplication::translate("Tables", "Die Tabelle '%1' hat keine Zeile %2.")
                             .arg(m_name)
                             .arg(row));
    return m_rows[row][fieldIndex];
}

void Table::notifyChanged()
{
    ++m_generation;
    onDataChanged.notify();
}

} // namespace zuv::store
