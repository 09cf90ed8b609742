// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes as a calendar file. Whatever it holds, the reader places only day
// ranges in the asked window and names only lines the file has.
#include "icsreader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDate from(2027, 1, 1);
    const QDate to(2027, 12, 31);
    const zuv::exchange::IcsResult r = zuv::exchange::readIcs(bytes, QStringLiteral("f.ics"), from, to);
    for (const zuv::exchange::Appointment& a : r.appointments)
        if (!a.first.isValid() || a.first > a.last || a.first > to || a.last < from)
            std::abort();
    for (const zuv::exchange::IcsMessage& m : r.messages)
        if (m.line < 0 || m.line > bytes.count('\n') + 1)
            std::abort();
    return 0;
}
