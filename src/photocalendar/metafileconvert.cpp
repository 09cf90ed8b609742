#include "metafileconvert.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace zuv::photo {

namespace {

std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

MetafileResult failure(const char* text)
{
    MetafileResult r;
    r.error = text;
    return r;
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

bool looksLikeSvg(const std::string& svg)
{
    return svg.find("<svg") != std::string::npos || svg.find(":svg") != std::string::npos;
}

MetafileResult convertEmf(const unsigned char* data, std::size_t size)
{
    if (!plausibleEmf(data, size))
        return failure("Die Datei ist keine gültige erweiterte Metadatei (EMF).");
    std::vector<char> contents(data, data + size);
    generatorOptions options{};
    char nameSpace[] = "";
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = 0;
    options.imgHeight = 0;
    char* out = nullptr;
    std::size_t outLength = 0;
    const int status = emf2svg(contents.data(), contents.size(), &out, &outLength, &options);
    MetafileResult r;
    if (out && outLength > 0)
        r.svg.assign(out, outLength);
    std::free(out);
    if (!status || !looksLikeSvg(r.svg))
        return failure("Die erweiterte Metadatei (EMF) ist beschädigt und kann nicht gelesen werden.");
    r.ok = true;
    return r;
}

MetafileResult convertWmf(const unsigned char* data, std::size_t size)
{
    if (!plausibleWmf(data, size))
        return failure("Die Datei ist keine gültige Metadatei (WMF).");
    std::vector<unsigned char> contents(data, data + size);

    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    // The stream stays the library's: it is released with the API, not by the caller.
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR
        | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return failure("Metadateien (WMF) können nicht gelesen werden.");
    }

    char* buffer = nullptr;
    std::size_t bufferSize = 0;
    FILE* out = open_memstream(&buffer, &bufferSize);
    bool ok = out != nullptr;
    wmfD_Rect bbox{};
    if (ok)
        ok = wmf_mem_open(api, contents.data(), static_cast<long>(contents.size())) == wmf_E_None;
    if (ok)
        ok = wmf_scan(api, 0, &bbox) == wmf_E_None;
    if (ok) {
        wmf_svg_t* svg = WMF_SVG_GetData(api);
        svg->out = wmf_stream_create(api, out);
        char description[] = "Zuvododerod";
        svg->Description = description;
        svg->bbox = bbox;
        unsigned int width = 0;
        unsigned int height = 0;
        ok = svg->out && wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None
            && width > 0 && height > 0;
        if (ok) {
            svg->width = width;
            svg->height = height;
            ok = wmf_play(api, 0, &bbox) == wmf_E_None;
        }
        svg->out = nullptr;
        svg->Description = nullptr;
    }
    wmf_api_destroy(api);

    MetafileResult r;
    if (out) {
        std::fclose(out);
        if (buffer && bufferSize > 0)
            r.svg.assign(buffer, bufferSize);
        std::free(buffer);
    }
    if (!ok || !looksLikeSvg(r.svg))
        return failure("Die Metadatei (WMF) ist beschädigt und kann nicht gelesen werden.");
    r.ok = true;
    return r;
}

} // namespace

MetafileResult convertMetafile(MetafileKind kind, const unsigned char* data, std::size_t size)
{
    if (!data || size == 0)
        return failure("Die Datei ist leer.");
    if (size > kMaxMetafileBytes)
        return failure("Die Metadatei ist zu groß.");
    return kind == MetafileKind::Emf ? convertEmf(data, size) : convertWmf(data, size);
}

} // namespace zuv::photo
