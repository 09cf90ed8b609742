// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Turns a Windows metafile (EMF or WMF) into an SVG document. This runs the conversion
// libraries in the calling process, and those crash on some damaged files: the program
// calls it only inside its helper process (zuvododerod-metafile), and the fuzz target
// calls it directly. No Qt.

#include <cstddef>
#include <string>

namespace zuv::photo {

enum class MetafileKind { Emf, Wmf };

struct MetafileResult {
    bool ok = false;
    std::string svg;      // UTF-8 SVG document when ok
    std::string error;    // German reason when not ok
};

// Largest metafile accepted (bytes); larger files are refused before conversion.
inline constexpr std::size_t kMaxMetafileBytes = 64u * 1024u * 1024u;

MetafileResult convertMetafile(MetafileKind kind, const unsigned char* data, std::size_t size);

} // namespace zuv::photo
