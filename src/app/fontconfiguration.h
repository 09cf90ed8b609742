// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The system's font configuration (every file below /etc/fonts and the font caches) is read
// once per process, at the first text a window measures: about a sixth of the work before
// the first frame. Connecting to the display mostly waits for the display server, so the
// configuration is read on a second thread meanwhile.

#include <future>

namespace zuv::app {

// Starts reading the font configuration on a thread of its own. Wait for the result before
// the first font is looked up: a lookup in the meantime would read the configuration a
// second time rather than wait for it.
[[nodiscard]] std::future<void> readFontConfigurationAhead();

} // namespace zuv::app
