// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowbuffer.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <vector>

TEST(WindowBuffer, WholeBufferIsMappedAtTheWindowsSizeBeforeTheFirstPaint)
{
    QWidget window;
    window.resize(640, 480);
    window.show();
    const qsizetype mapped = zuv::widgets::mapWindowBuffer(window);
    if (mapped == 0)
        GTEST_SKIP() << "this system cannot map a window's buffer ahead";
    const auto* image = static_cast<const QImage*>(window.backingStore()->paintDevice());
    // The buffer has the window's size already: the first paint keeps it.
    EXPECT_EQ(window.backingStore()->size(), QSize(640, 480));
    EXPECT_EQ(mapped, image->sizeInBytes());
    // Every page of it is in memory before anything has painted.
    const long page = sysconf(_SC_PAGESIZE);
    const auto start = reinterpret_cast<quintptr>(image->constBits()) & ~quintptr(page - 1);
    const auto end = reinterpret_cast<quintptr>(image->constBits()) + quintptr(image->sizeInBytes());
    std::vector<unsigned char> resident((end - start + page - 1) / page);
    ASSERT_EQ(mincore(reinterpret_cast<void*>(start), end - start, resident.data()), 0);
    for (std::size_t i = 0; i < resident.size(); ++i)
        ASSERT_TRUE(resident[i] & 1) << "page " << i << " of " << resident.size();
}
