// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes as an address book export. Every row the preview would add has a
// valid birth date and a name that fits the name field.
#include "importpreview.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zuv::exchange::ContactFile file = zuv::exchange::readContacts(bytes);
    if (file.format == zuv::exchange::ContactFormat::Unknown && !file.entries.empty())
        std::abort();
    const zuv::exchange::ImportPreview p = zuv::exchange::previewImport(file, {});
    for (const zuv::exchange::NamedDate& row : p.toAdd())
        if (!row.date.isValid() || row.name.isEmpty() || row.name.size() > 30)
            std::abort();
    return 0;
}
