// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowbuffer.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace zuv::widgets {

qsizetype mapWindowBuffer(QWidget& window)
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    // X11 (and the offscreen platform) keep one buffer from resize to resize; Wayland's
    // buffers exist only while a paint is going on, and asking for one before is a crash.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("offscreen"))
        return 0;
    QBackingStore* store = window.isWindow() ? window.backingStore() : nullptr;
    if (!store)
        return 0;
    // The first paint gives the buffer this size too, and keeps it then.
    if (store->size() != window.size())
        store->resize(window.size());
    QPaintDevice* device = store->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return 0;
    const auto* image = static_cast<const QImage*>(device);
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(image->constBits());
    const std::uintptr_t begin = start & ~(page - 1);
    const std::uintptr_t end = start + static_cast<std::uintptr_t>(image->sizeInBytes());
    if (image->sizeInBytes() <= 0
        || madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE) != 0)
        return 0;
    return image->sizeInBytes();
#else
    Q_UNUSED(window);
    return 0;
#endif
}

} // namespace zuv::widgets
