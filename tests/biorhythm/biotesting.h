// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared helpers of the biorhythm tests: readable Qt values in failure messages and a
// dialog seam that records instead of blocking.

#include "dialogs.h"
#include "recordingdialogs.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{' << ('"' + l.join(QStringLiteral("\", \"")) + '"').toStdString() << '}';
}
inline void PrintTo(const QDate& d, std::ostream* os)
{
    *os << d.toString(Qt::ISODate).toStdString();
}
QT_END_NAMESPACE

namespace zuv::bio::testing {

using zuv::testing::RecordingDialogs;

} // namespace zuv::bio::testing
