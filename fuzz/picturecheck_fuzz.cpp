// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer target for the header checks of the user's pictures: the bitmap's promised
// rows and runs, and the icon directory's choice of entry. Seeds:
// tests/data/photocalendar/pictures.

#include "picturecheck.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                    static_cast<qsizetype>(size));
    const auto problem = zuv::pictures::bitmapProblem(file);
    const zuv::pictures::IconChoice icon = zuv::pictures::chooseIconEntry(file);
    // A refusal always says why; a chosen entry is one of the directory's.
    if ((problem && problem->isEmpty()) || (icon.index < 0 && icon.problem.isEmpty()))
        __builtin_trap();
    if (icon.index >= 0 && (size < 6 || icon.index >= (data[4] | data[5] << 8)))
        __builtin_trap();
    return 0;
}
