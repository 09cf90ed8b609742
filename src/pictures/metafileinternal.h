// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared pieces of the two metafile converters (metafileconvert.cpp for EMF and the
// dispatch, metafilewmf.cpp for WMF). Helper process and fuzz target only; no Qt.

#include "metafileconvert.h"

#include <cstddef>
#include <string>

namespace zuv::pictures::detail {

// A drawing wider or taller than this many pixels at 96 dpi (about 26 m) is refused as
// having absurd bounds: nobody draws that, and a renderer would choke on it.
inline constexpr unsigned kMaxDrawingPixels = 100000;

inline MetafileResult failure(std::string text)
{
    MetafileResult r;
    r.error = std::move(text);
    return r;
}

inline bool looksLikeSvg(const std::string& svg)
{
    return svg.find("<svg") != std::string::npos || svg.find(":svg") != std::string::npos;
}

// data is a plausible EMF (checked by the caller).
MetafileResult convertEmfToSvg(const unsigned char* data, std::size_t size);
// data is a plausible WMF (checked by the caller).
MetafileResult convertWmfToSvg(const unsigned char* data, std::size_t size);

} // namespace zuv::pictures::detail
