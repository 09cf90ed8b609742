// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Start-to-first-paint probe, loaded with LD_PRELOAD into a Qt program: the first time a
// window's backing store is flushed to the screen it writes "first-paint-ms <ms>", counted
// from ZUV_T0 (nanoseconds of CLOCK_REALTIME taken just before the program was started),
// and "first-paint-size <width>x<height>" (the window's size in pixels) to standard error,
// and ends the process. Used by first_paint.sh.

#include <QBackingStore>
#include <QPoint>
#include <QRegion>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

// Takes the place of Qt's own function; the widgets call it across the library boundary.
void QBackingStore::flush(const QRegion& region, QWindow* window, const QPoint& offset)
{
    using Flush = void (*)(QBackingStore*, const QRegion&, QWindow*, const QPoint&);
    static const auto real = reinterpret_cast<Flush>(
        dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    real(this, region, window, offset);
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const char* t0 = std::getenv("ZUV_T0");
    const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec - (t0 ? std::atoll(t0) : 0);
    std::fprintf(stderr, "first-paint-ms %.1f\n", static_cast<double>(ns) / 1e6);
    if (window)
        std::fprintf(stderr, "first-paint-size %dx%d\n", window->width(), window->height());
    std::fflush(stderr);
    _exit(0);
}
