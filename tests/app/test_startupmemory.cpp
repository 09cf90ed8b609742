// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "startupmemory.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QString readAll(const char* path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// Size in bytes of the largest heap region whose flags include "hg" (huge pages asked for).
qint64 largestHugePageHeap()
{
    qint64 largest = 0;
    qint64 size = 0;
    bool heap = false;
    for (const QString& line : readAll("/proc/self/smaps").split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && line.at(0).isDigit() && line.contains(QLatin1Char('-'))) {
            const QStringList range = line.section(QLatin1Char(' '), 0, 0).split(QLatin1Char('-'));
            size = range.at(1).toLongLong(nullptr, 16) - range.at(0).toLongLong(nullptr, 16);
            heap = line.endsWith(QLatin1String("[heap]"));
        } else if (heap && line.startsWith(QLatin1String("VmFlags:"))
                   && line.split(QLatin1Char(' ')).contains(QLatin1String("hg"))) {
            largest = qMax(largest, size);
        }
    }
    return largest;
}

} // namespace

TEST(StartupMemory, HeapIsMarkedForHugePagesAndTakesScreenSizedBuffers)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer brings a heap of its own";
#endif
    const QString thp = readAll("/sys/kernel/mm/transparent_hugepage/enabled");
    if (thp.isEmpty() || thp.contains(QLatin1String("[never]")))
        GTEST_SKIP() << "the kernel offers no transparent huge pages";
    zuv::app::prepareStartupMemory();
    // A buffer the size of a full-screen window (1920 x 1080, 32 bits) comes from the heap,
    // which is marked for huge pages over at least the start-up size.
    void* buffer = std::malloc(1920 * 1080 * 4);
    const auto at = reinterpret_cast<quintptr>(buffer);
    const auto heapEnd = reinterpret_cast<quintptr>(sbrk(0));
    std::free(buffer);
    EXPECT_LT(at, heapEnd) << "the buffer was mapped apart from the heap";
    EXPECT_GE(largestHugePageHeap(), qint64{16} << 20);
}
