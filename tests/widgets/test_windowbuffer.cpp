// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowbuffer.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>
#include <algorithm>
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
    EXPECT_EQ(window.backingStore()->size(), QSize(640, 480));   // the first paint keeps it
    EXPECT_EQ(mapped, image->sizeInBytes());
    // Every page of it is in memory before anything has painted.
    const quintptr page = sysconf(_SC_PAGESIZE);
    const quintptr start = reinterpret_cast<quintptr>(image->constBits()) & ~(page - 1);
    const quintptr end = reinterpret_cast<quintptr>(image->constBits()) + image->sizeInBytes();
    std::vector<unsigned char> resident((end - start + page - 1) / page);
    ASSERT_EQ(mincore(reinterpret_cast<void*>(start), end - start, resident.data()), 0);
    EXPECT_EQ(std::count_if(resident.begin(), resident.end(), [](unsigned char r) { return !(r & 1); }), 0);
}
