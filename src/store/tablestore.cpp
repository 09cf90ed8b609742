// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The table's file: load, save, row-level writes and write-back on close.
#include "table.h"

#include "tablefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace zuv::store {

// --- Table: file ----------------------------------------------------------------------

void Table::setFileName(const QString& path)
{
    m_fileName = path;
}

void Table::setRowLevelWrites(bool on)
{
    m_rowLevel = on;
    if (on)
        m_durable = true;
}

void Table::loadFromFile()
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    if (m_fileName.isEmpty())
        throw TableError(QStringLiteral("Die Tabelle '%1' hat keinen Dateinamen.").arg(m_name));
    tablefile::Content content;
    try {
        content = tablefile::read(m_fileName);
    } catch (const tablefile::Failure& d) {
        throw TableError(QStringLiteral("Die Tabellendatei '%1' ist nicht lesbar: %2")
                             .arg(shown, d.why),
                         d.fault, d.why);
    }
    m_fields = std::move(content.fields);
    m_rows = std::move(content.rows);
    m_ids = std::move(content.ids);
    m_badRows = content.badRows;
    m_knownCounter = content.changeCounter;
    if (m_recomputed)
        m_savedRows = m_rows;
    m_buffer.clear();
    m_current = 0;
    m_state = TableState::Browse;
    m_modified = false;
    notifyChanged();
}

void Table::saveToFile()
{
    if (m_fileName.isEmpty())
        throw TableError(QStringLiteral("Die Tabelle '%1' hat keinen Dateinamen.").arg(m_name));
    if (m_fields.empty())
        throw TableError(QStringLiteral("Die Tabelle '%1' hat keine Felder.").arg(m_name));
    try {
        m_ids = tablefile::write(m_fileName, m_durable, m_fields, m_rows, m_replaceWhole);
    } catch (const tablefile::Failure& d) {
        throw TableError(QStringLiteral("Die Tabellendatei '%1' kann nicht geschrieben werden: %2")
                             .arg(QDir::toNativeSeparators(m_fileName), d.why),
                         d.fault, d.why);
    }
    m_replaceWhole = false;
    m_knownCounter = tablefile::changeCounter(m_fileName);
    if (m_recomputed)
        m_savedRows = m_rows;
    m_modified = false;
}

bool Table::reloadIfChanged()
{
    if (!m_rowLevel || m_fileName.isEmpty() || m_state != TableState::Browse)
        return false;
    if (tablefile::changeCounter(m_fileName) == m_knownCounter)
        return false;
    tablefile::Content content;
    try {
        content = tablefile::read(m_fileName);
    } catch (const tablefile::Failure&) {
        return false;   // the next write says what is wrong
    }
    if (content.fields != m_fields)
        return false;
    m_rows = std::move(content.rows);
    m_ids = std::move(content.ids);
    m_badRows = content.badRows;
    m_knownCounter = content.changeCounter;
    m_current = std::min(m_current, rowCount());
    notifyChanged();
    return true;
}

void Table::noteOwnWrite(quint32 counterBefore, bool changed)
{
    // Unchanged since the last look: this table knows the file's whole content.
    // Otherwise the counter stays stale and the next reloadIfChanged() reads the file.
    if (counterBefore == m_knownCounter)
        m_knownCounter = changed ? counterBefore + 1 : counterBefore;
}

TableError Table::writeError(const tablefile::Failure& d) const
{
    return TableError(QStringLiteral("Die Tabellendatei '%1' kann nicht geschrieben werden: %2")
                          .arg(QDir::toNativeSeparators(m_fileName), d.why),
                      d.fault, d.why);
}

std::optional<qint64> Table::idBefore(int row) const
{
    for (std::size_t r = static_cast<std::size_t>(row); r < m_ids.size(); ++r)
        if (m_ids[r] != tablefile::kNoId)
            return m_ids[r];
    return std::nullopt;   // behind every written row
}

void Table::writeRowPost(bool inserting)
{
    try {
        tablefile::RowWrite w;
        if (inserting) {
            w = tablefile::insertRow(m_fileName, m_fields, m_buffer, idBefore(m_insertAt));
            // The file's rows from shiftFrom on moved up to make room.
            if (w.shift != 0)
                for (qint64& id : m_ids)
                    if (id != tablefile::kNoId && id >= w.shiftFrom)
                        id += w.shift;
        } else {
            w = tablefile::updateRow(m_fileName, m_fields, m_ids[static_cast<size_t>(m_current)],
                                     m_rows[static_cast<size_t>(m_current)], m_buffer);
        }
        noteOwnWrite(w.counterBefore, w.changed);
        if (inserting)
            m_ids.insert(m_ids.begin() + m_insertAt, w.id);
        else
            m_ids[static_cast<size_t>(m_current)] = w.id;
    } catch (const tablefile::Failure& d) {
        throw writeError(d);
    }
}

void Table::close()
{
    if (m_state == TableState::Edit || m_state == TableState::Insert)
        cancel();
    if (m_modified && !m_fileName.isEmpty()) {
        if (!m_recomputed) {
            saveToFile();
        } else if (m_rows != m_savedRows
                   && QFileInfo(QFileInfo(m_fileName).absolutePath()).isWritable()) {
            // Recomputed rows are written back only when they differ from the file's; a
            // failure keeps nothing and tells nothing: they are made again on next use.
            try {
                saveToFile();
            } catch (const TableError&) {
            }
        }
    }
    const bool wasActive = isActive();
    m_rows.clear();
    m_ids.clear();
    m_current = 0;
    m_modified = false;
    m_state = TableState::Inactive;
    if (wasActive)
        notifyChanged();
}

} // namespace zuv::store
