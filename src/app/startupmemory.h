// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Start-up spends a good part of its time in page faults: the first touch of every 4 KiB
// page the heap and the painting buffers grow by. This asks for the heap in one piece
// backed by transparent huge pages, where the system offers them on request, so that a
// fault maps 2 MiB instead of 4 KiB.

namespace zuv::app {

// Call first thing in main, before any window exists. Does nothing where the C library or
// the kernel does not support it.
void prepareStartupMemory();

} // namespace zuv::app
