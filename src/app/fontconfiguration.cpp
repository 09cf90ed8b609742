// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fontconfiguration.h"

#include <fontconfig/fontconfig.h>

namespace zuv::app {

std::future<void> readFontConfigurationAhead()
{
    // The same call Qt's font database makes first; afterwards it finds the result in place.
    return std::async(std::launch::async, [] { FcInit(); });
}

} // namespace zuv::app
