// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Readable gtest output for Qt values.
#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (const QString& s : l)
        *os << '"' << s.toStdString() << "\" ";
    *os << '}';
}
inline void PrintTo(const QDate& d, std::ostream* os)
{
    *os << d.toString(Qt::ISODate).toStdString();
}
QT_END_NAMESPACE
