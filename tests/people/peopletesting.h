// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared helpers of the people tests: a dialog seam that records instead of blocking and
// a fresh name table.

#include "dialogs.h"
#include "recordingdialogs.h"
#include "namelist.h"
#include "table.h"

#include <QDate>
#include <QStringList>

namespace zuv::people::testing {

using zuv::testing::RecordingDialogs;

inline void makeNameTable(zuv::store::Table& names)
{
    names.clearFieldDefs();
    for (const zuv::store::FieldDef& f : nameListFields())
        names.addFieldDef(f.name, f.type, f.size);
    names.createDataSet();
}

inline void addPerson(zuv::store::Table& names, const QString& name, const QDate& birth = {})
{
    names.append();
    names.setValue(kNameField, name);
    if (birth.isValid())
        names.setValue(kBirthDateField, birth);
    names.post();
}

inline QStringList storedNames(const zuv::store::Table& names)
{
    QStringList result;
    const int field = names.fieldIndex(kNameField);
    for (int row = 0; row < names.rowCount(); ++row)
        result << names.cell(row, field).toString();
    return result;
}

} // namespace zuv::people::testing
