// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes as an executable file to the version reader. Whatever it finds must
// be "?" or four numbers joined by dots, and reading must never overrun the file.
#include "fileversion.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {
QString g_file;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/fileversion_fuzz_XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0)
        std::abort();
    close(fd);
    g_file = QString::fromLocal8Bit(pattern);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile f(g_file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    f.close();
    static const QRegularExpression shape(QStringLiteral("^(\\?|\\d{1,5}\\.\\d{1,5}\\.\\d{1,5}\\.\\d{1,5})$"));
    if (!shape.match(zuv::info::GetFileVersionText(g_file)).hasMatch())
        std::abort();
    return 0;
}
