// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "metafileinternal.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>


namespace zuv::pictures {

namespace {

using detail::failure;
using detail::looksLikeSvg;

std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// EMR_HEADER first, its size inside the file, and the " EMF" signature at offset 40.
bool plausibleEmf(const unsigned char* data, std::size_t size)
{
    if (size < 88)
        return false;
    const std::uint32_t type = le32(data);
    const std::uint32_t headerSize = le32(data + 4);
    return type == 1 && headerSize >= 88 && headerSize <= size && le32(data + 40) == 0x464D4520u;
}

// Either the placeable header (key 9AC6CDD7) followed by a standard header, or a standard
// header alone: type 1 or 2, header size 9 words.
bool plausibleWmf(const unsigned char* data, std::size_t size)
{
    std::size_t offset = 0;
    if (size >= 22 && le32(data) == 0x9AC6CDD7u)
        offset = 22;
    if (size < offset + 18)
        return false;
    const std::uint16_t type = le16(data + offset);
    // The largest record (in 16-bit words) is allocated up front: it must fit in the file.
    const std::uint64_t maxRecordBytes = std::uint64_t(le32(data + offset + 12)) * 2;
    return (type == 1 || type == 2) && le16(data + offset + 2) == 9
        && maxRecordBytes <= size - offset;
}

MetafileResult convertEmf(const unsigned char* data, std::size_t size)
{
    if (!plausibleEmf(data, size))
        return failure(QT_TRANSLATE_NOOP("Pictures",
                                         "Die Datei ist keine gültige erweiterte Metadatei (EMF)."));
    return detail::convertEmfToSvg(data, size);
}

// The enhanced metafile a WMF may carry in its comment records (escape MFCOMMENT with
// "WMFC" chunks), as LibreOffice and Windows write it beside the plain records: it keeps
// what WMF cannot say (transparency among others). Empty when absent or incomplete.
std::vector<unsigned char> embeddedEmf(const unsigned char* data, std::size_t size)
{
    std::size_t at = (size >= 22 && le32(data) == 0x9AC6CDD7u) ? 22 : 0;
    at += std::size_t(le16(data + at + 2)) * 2;   // the header's own size in words
    std::vector<unsigned char> emf;
    std::uint32_t expected = 0;
    while (at + 6 <= size) {
        const std::uint64_t recordBytes = std::uint64_t(le32(data + at)) * 2;
        const std::uint16_t function = le16(data + at + 4);
        if (recordBytes < 6 || recordBytes > size - at || function == 0)
            break;
        const unsigned char* esc = data + at + 6;
        const std::size_t escBytes = static_cast<std::size_t>(recordBytes - 6);
        // META_ESCAPE, MFCOMMENT (15), "WMFC", comment type 1 (enhanced metafile).
        if (function == 0x0626 && escBytes >= 4 + 34 && le16(esc) == 15
            && le32(esc + 4) == 0x43464D57u && le32(esc + 8) == 1) {
            const unsigned char* comment = esc + 4;
            const std::uint32_t chunk = le32(comment + 22);
            const std::uint32_t total = le32(comment + 30);
            if (expected == 0)
                expected = total;
            if (total != expected || chunk > escBytes - 4 - 34 || emf.size() + chunk > total)
                return {};
            emf.insert(emf.end(), comment + 34, comment + 34 + chunk);
        }
        at += static_cast<std::size_t>(recordBytes);
    }
    if (expected == 0 || emf.size() != expected || !plausibleEmf(emf.data(), emf.size()))
        return {};
    return emf;
}

MetafileResult convertWmf(const unsigned char* data, std::size_t size)
{
    if (!plausibleWmf(data, size))
        return failure(QT_TRANSLATE_NOOP("Pictures",
                                         "Die Datei ist keine gültige Metadatei (WMF)."));
    const std::vector<unsigned char> emf = embeddedEmf(data, size);
    if (!emf.empty()) {
        MetafileResult r = detail::convertEmfToSvg(emf.data(), emf.size());
        if (r.ok)
            return r;   // else the plain records below
    }
    return detail::convertWmfToSvg(data, size);
}

} // namespace

MetafileResult convertMetafile(MetafileKind kind, const unsigned char* data, std::size_t size,
                               std::size_t maxSvgBytes)
{
    if (!data || size == 0)
        return failure(QT_TRANSLATE_NOOP("Pictures", "Die Datei ist leer."));
    if (size > kMaxMetafileBytes)
        return failure(QT_TRANSLATE_NOOP("Pictures", "Die Metadatei ist zu groß."));
    MetafileResult r = kind == MetafileKind::Emf ? convertEmf(data, size) : convertWmf(data, size);
    if (r.ok && r.svg.size() > maxSvgBytes)
        return failure(svgTooLargeReason(r.svg.size(), maxSvgBytes));
    return r;
}

} // namespace zuv::pictures
