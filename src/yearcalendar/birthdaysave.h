// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Saving the perpetual birthday calendar from a window: asks for the PDF file through the
// program's dialog seam, writes the thirteen pages and tells what went wrong (a picture that
// could not be used, a file that cannot be written) in German boxes.

#include "yearproject.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QWidget;

namespace zuv::yearcal {

// Returns the written path, empty when the user cancelled or the file could not be written.
QString saveBirthdayCalendar(QWidget* parent, const std::vector<Person>& people,
                             const std::array<QStringList, 12>& pictures = {},
                             const QString& titleFont = {});

} // namespace zuv::yearcal
