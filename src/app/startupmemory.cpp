// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "startupmemory.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ with the C library's headers

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace zuv::app {

#if defined(__GLIBC__) && defined(__linux__)
namespace {

// What the first window needs of the heap, its painting buffers included, and a margin.
constexpr std::size_t kStartHeapBytes = std::size_t{24} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

} // namespace

void prepareStartupMemory()
{
    // Buffers up to the screen's size come from the heap rather than from a mapping of
    // their own, which would be faulted in page by page and given back when freed. These
    // are the values glibc moves to by itself once such buffers have been freed a few times
    // (its largest threshold, trimming at twice that); the program starts with them.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    // Grows the heap once to its start-up size, then marks it for huge pages. A later
    // growth is a region of its own, with ordinary pages again.
    void* probe = std::malloc(kStartHeapBytes);
    if (!probe)
        return;
    const auto at = reinterpret_cast<std::uintptr_t>(probe);
    std::free(probe);
    const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (at >= top || top - at < kStartHeapBytes)
        return; // not from the heap
    const std::uintptr_t begin = (at + kHugePage - 1) & ~(kHugePage - 1);
    if (begin < top)
        madvise(reinterpret_cast<void*>(begin), top - begin, MADV_HUGEPAGE);
}
#else
void prepareStartupMemory() {}
#endif

} // namespace zuv::app
