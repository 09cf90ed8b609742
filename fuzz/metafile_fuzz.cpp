// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer target for the metafile conversion the helper process runs: EMF input (first
// record EMR_HEADER) goes through the EMF converter, anything else through the WMF one.
// Seeds: tests/data/photocalendar/seeds. The SVG limit is lowered here so that small inputs
// reach the refusal of a too large drawing (seed svg_size_*.emf).

#include "metafileconvert.h"

#include <cstddef>
#include <cstdint>

namespace {
constexpr std::size_t kFuzzSvgLimit = 256 * 1024;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool emf = size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0 && data[3] == 0;
    const zuv::pictures::MetafileResult result = zuv::pictures::convertMetafile(
        emf ? zuv::pictures::MetafileKind::Emf : zuv::pictures::MetafileKind::Wmf, data, size,
        kFuzzSvgLimit);
    // A converted picture is a non-empty document within the limit; a refusal always says why.
    if (result.ok ? result.svg.empty() || result.svg.size() > kFuzzSvgLimit : result.error.empty())
        __builtin_trap();
    return 0;
}
