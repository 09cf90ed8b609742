// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "error.h"

namespace zuv::core {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString Error::message() const
{
    return QString::fromStdString(what());
}

} // namespace zuv::core
