// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "startupmemory.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(StartupMemory, HeapIsMarkedForHugePagesAndTakesScreenSizedBuffers)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer brings a heap of its own";
#endif
    QFile thp(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    if (!thp.open(QIODevice::ReadOnly) || thp.readAll().contains("[never]"))
        GTEST_SKIP() << "the kernel offers no transparent huge pages";
    zuv::app::prepareStartupMemory();
    // A buffer the size of a full-screen window (1920 x 1080, 32 bits) comes from the heap.
    void* buffer = std::malloc(1920 * 1080 * 4);
    const bool onHeap = reinterpret_cast<quintptr>(buffer) < reinterpret_cast<quintptr>(sbrk(0));
    std::free(buffer);
    EXPECT_TRUE(onHeap) << "the buffer was mapped apart from the heap";
    // The heap's entry in smaps, up to the next mapping, asks for huge pages ("hg").
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    ASSERT_TRUE(smaps.open(QIODevice::ReadOnly));
    const QString maps = QString::fromLatin1(smaps.readAll());
    const QRegularExpression heap(QStringLiteral("\\[heap\\]\\n(?:[A-Z][^\\n]*\\n)*?VmFlags:[^\\n]* hg"));
    EXPECT_TRUE(heap.match(maps).hasMatch());
}
