// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// WMF to SVG through libwmf's SVG device, mended where that device falls short: it names
// every colour by the nearest SVG colour name (#C00000 becomes "firebrick"), writes text in
// the file's 8-bit code page into a document read as UTF-8 (invalid XML for any umlaut),
// leaves bitmaps out unless asked to inline them, and then places them twice over. The device's drawing functions are
// wrapped: each records which bytes of the output it wrote and the exact colours and font
// of the drawing state, and those bytes are rewritten afterwards.

#include "metafileinternal.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <string>
#include <vector>

#include <libwmf/api.h>
#include <libwmf/ipa.h>
#include <libwmf/svg.h>

namespace zuv::pictures::detail {

namespace {

// Largest bitmap inside a WMF that is read (pixels; 256 MB as RGBA).
constexpr std::int64_t kMaxBitmapPixels = 64ll * 1024 * 1024;

enum class SpanKind { Shape, Text, Flood };

// Bytes [begin, end) of the output written by one drawing call, with its exact colours.
struct Span {
    long begin = 0;
    long end = 0;
    SpanKind kind = SpanKind::Shape;
    wmfRGB fill{};       // brush, or the text or flood colour
    wmfRGB stroke{};     // pen
    int charset = 0;     // of the text's font
};

// The wrapped device; the helper converts one file at a time on one thread.
struct Recorder {
    FILE* out = nullptr;
    wmfFunctionReference device{};
    std::vector<Span> spans;
};
thread_local Recorder* t_recorder = nullptr;

Span open(wmfDC* dc, SpanKind kind)
{
    Span s;
    s.kind = kind;
    s.begin = std::ftell(t_recorder->out);
    if (dc) {
        if (dc->brush)
            s.fill = dc->brush->lbColor;
        if (dc->pen)
            s.stroke = dc->pen->lopnColor;
        if (kind == SpanKind::Text) {
            s.fill = dc->textcolor;
            s.charset = dc->font ? dc->font->lfCharSet : 0;
        }
    }
    return s;
}

void close(Span s)
{
    s.end = std::ftell(t_recorder->out);
    if (s.end > s.begin)
        t_recorder->spans.push_back(s);
}

// One wrapper per drawing function of the device: same arguments, recorded span.
template <typename T, void (*wmfFunctionReference::*Member)(wmfAPI*, T*)>
void wrapped(wmfAPI* api, T* d)
{
    Span s = open(d ? d->dc : nullptr, SpanKind::Shape);
    (t_recorder->device.*Member)(api, d);
    close(s);
}

template <void (*wmfFunctionReference::*Member)(wmfAPI*, wmfFlood_t*)>
void wrappedFlood(wmfAPI* api, wmfFlood_t* d)
{
    Span s = open(d ? d->dc : nullptr, SpanKind::Flood);
    if (d)
        s.fill = s.stroke = d->color;
    (t_recorder->device.*Member)(api, d);
    close(s);
}

void wrappedPixel(wmfAPI* api, wmfDrawPixel_t* d)
{
    Span s = open(d ? d->dc : nullptr, SpanKind::Flood);
    if (d)
        s.fill = s.stroke = d->color;
    t_recorder->device.draw_pixel(api, d);
    close(s);
}

void wrappedText(wmfAPI* api, wmfDrawText_t* d)
{
    Span s = open(d ? d->dc : nullptr, SpanKind::Text);
    t_recorder->device.draw_text(api, d);
    close(s);
}

std::uint32_t le32At(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

// A bitmap inside the WMF is read only when its header is sane: the library allocates
// whatever size the header claims (gigabytes for a damaged one) and reads uncompressed
// rows past the record's end. A bitmap left unread is not drawn; the rest is.
void checkedBmpRead(wmfAPI* api, wmfBMP_Read_t* d)
{
    if (!d)
        return;
    d->bmp.data = nullptr;
    d->bmp.width = 0;
    d->bmp.height = 0;
    if (!d->buffer || d->length < 16)
        return;
    const unsigned char* b = d->buffer;
    const std::uint32_t headerSize = le32At(b);
    std::int64_t width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = b[4] | b[5] << 8;
        height = b[6] | b[7] << 8;
        bits = b[10] | b[11] << 8;
    } else if (headerSize >= 40 && d->length >= 40) {
        width = static_cast<std::int32_t>(le32At(b + 4));
        height = static_cast<std::int32_t>(le32At(b + 8));
        bits = b[14] | b[15] << 8;
        compression = le32At(b + 16);
    } else {
        return;
    }
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32 || width * height > kMaxBitmapPixels)
        return;
    if ((compression == 0 || compression == 3) && (width * bits + 31) / 32 * 4 * height > d->length)
        return;
    t_recorder->device.bmp_read(api, d);
}

void wrapDevice(wmfFunctionReference& f)
{
    f.bmp_read = &checkedBmpRead;
    using R = wmfFunctionReference;
    f.flood_interior = &wrappedFlood<&R::flood_interior>;
    f.flood_exterior = &wrappedFlood<&R::flood_exterior>;
    f.draw_pixel = &wrappedPixel;
    f.draw_pie = &wrapped<wmfDrawArc_t, &R::draw_pie>;
    f.draw_chord = &wrapped<wmfDrawArc_t, &R::draw_chord>;
    f.draw_arc = &wrapped<wmfDrawArc_t, &R::draw_arc>;
    f.draw_ellipse = &wrapped<wmfDrawArc_t, &R::draw_ellipse>;
    f.draw_line = &wrapped<wmfDrawLine_t, &R::draw_line>;
    f.poly_line = &wrapped<wmfPolyLine_t, &R::poly_line>;
    f.draw_polygon = &wrapped<wmfPolyLine_t, &R::draw_polygon>;
    f.draw_polypolygon = &wrapped<wmfPolyPoly_t, &R::draw_polypolygon>;
    f.draw_rectangle = &wrapped<wmfDrawRectangle_t, &R::draw_rectangle>;
    f.region_frame = &wrapped<wmfPolyRectangle_t, &R::region_frame>;
    f.region_paint = &wrapped<wmfPolyRectangle_t, &R::region_paint>;
    f.draw_text = &wrappedText;
}

std::string hex(const wmfRGB& c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

// Replaces the value of every "key:value" in a style with the exact colour; "none" and
// references stay.
void replaceColour(std::string& part, const char* key, const std::string& colour)
{
    const std::size_t keyLength = std::strlen(key);
    for (std::size_t at = part.find(key); at != std::string::npos; at = part.find(key, at + 1)) {
        if (at > 0 && (std::isalnum(static_cast<unsigned char>(part[at - 1])) || part[at - 1] == '-'))
            continue;   // "fill-opacity:" or a longer name
        const std::size_t from = at + keyLength;
        std::size_t to = from;
        while (to < part.size() && part[to] != ';' && part[to] != '"' && part[to] != '\'')
            ++to;
        const std::string value = part.substr(from, to - from);
        if (value == "none" || value.rfind("url(", 0) == 0 || value.empty())
            continue;
        part.replace(from, to - from, colour);
    }
}

// The Windows code page of a font's character set; iconv's name.
const char* codePage(int charset)
{
    struct Entry { int charset; const char* name; };
    static const Entry kPages[] = {
        {238, "CP1250"}, {204, "CP1251"}, {161, "CP1253"}, {162, "CP1254"}, {177, "CP1255"},
        {178, "CP1256"}, {186, "CP1257"}, {163, "CP1258"}, {222, "CP874"},  {128, "CP932"},
        {134, "CP936"},  {129, "CP949"},  {136, "CP950"},
    };
    for (const Entry& e : kPages)
        if (e.charset == charset)
            return e.name;
    return "CP1252";   // ANSI, default, symbol and anything unknown
}

std::string toUtf8(const std::string& bytes, int charset)
{
    std::string out;
    iconv_t cd = iconv_open("UTF-8", codePage(charset));
    if (cd == reinterpret_cast<iconv_t>(-1))
        cd = iconv_open("UTF-8", "CP1252");
    std::string in = bytes;
    char* src = in.data();
    std::size_t left = in.size();
    while (left > 0) {
        char buffer[256];
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += "\xEF\xBF\xBD";   // a byte the code page does not define: U+FFFD
            ++src;
            --left;
        }
    }
    iconv_close(cd);
    return out;
}

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default:
            // Control characters other than tab and line ends are not allowed in XML 1.0.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                out += ' ';
            else
                out += c;
        }
    }
    return out;
}

// Every text content inside part, converted to UTF-8 and escaped.
void mendText(std::string& part, int charset)
{
    std::size_t at = 0;
    while ((at = part.find("<text", at)) != std::string::npos) {
        const std::size_t start = part.find('>', at);
        if (start == std::string::npos)
            return;
        const std::size_t end = part.find("</text>", start + 1);
        if (end == std::string::npos)
            return;
        const std::string content =
            xmlEscaped(toUtf8(part.substr(start + 1, end - start - 1), charset));
        part.replace(start + 1, end - start - 1, content);
        at = start + 1 + content.size() + 7;
    }
}

std::string mended(const std::string& svg, const std::vector<Span>& spans)
{
    std::string out;
    out.reserve(svg.size() + svg.size() / 8);
    std::size_t done = 0;
    for (const Span& s : spans) {
        const auto begin = static_cast<std::size_t>(s.begin);
        const auto end = std::min(static_cast<std::size_t>(s.end), svg.size());
        if (begin < done || begin >= end)
            continue;   // nested or empty: already covered
        out.append(svg, done, begin - done);
        std::string part = svg.substr(begin, end - begin);
        replaceColour(part, "fill:", hex(s.fill));
        replaceColour(part, "stroke:", hex(s.kind == SpanKind::Shape ? s.stroke : s.fill));
        if (s.kind == SpanKind::Text)
            mendText(part, s.charset);
        out += part;
        done = end;
    }
    out.append(svg, done, std::string::npos);
    // An inlined bitmap carries its place and size in x, y, width and height, and then
    // once more in a transform that moves and scales it a second time, off the drawing.
    for (std::size_t at = out.find("<image"); at != std::string::npos; at = out.find("<image", at + 6)) {
        const std::size_t tagEnd = out.find('>', at);
        const std::size_t t = out.find("transform=\"", at);
        if (tagEnd == std::string::npos || t == std::string::npos || t > tagEnd)
            continue;
        const std::size_t close = out.find('"', t + 11);
        if (close != std::string::npos && close < tagEnd)
            out.erase(t, close + 1 - t);
    }
    // Inlined bitmaps use xlink:href, whose namespace the device does not declare.
    const std::size_t root = out.find("<svg");
    if (root != std::string::npos && out.find("xmlns:xlink") == std::string::npos)
        out.insert(root + 4, " xmlns:xlink=\"http://www.w3.org/1999/xlink\"");
    return out;
}

} // namespace

MetafileResult convertWmfToSvg(const unsigned char* data, std::size_t size)
{
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
        return failure(QT_TRANSLATE_NOOP("Pictures",
                                         "Metadateien (WMF) können nicht gelesen werden."));
    }

    char* buffer = nullptr;
    std::size_t bufferSize = 0;
    FILE* out = open_memstream(&buffer, &bufferSize);
    Recorder recorder;
    recorder.out = out;
    auto* device = static_cast<wmfFunctionReference*>(api->function_reference);
    if (device) {
        recorder.device = *device;
        wrapDevice(*device);
    }
    t_recorder = &recorder;

    bool ok = out != nullptr && device != nullptr;
    bool absurd = false;
    unsigned absurdWidth = 0;
    unsigned absurdHeight = 0;
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
        svg->flags |= WMF_SVG_INLINE_IMAGES;   // bitmaps as PNG data inside the SVG
        unsigned int width = 0;
        unsigned int height = 0;
        ok = svg->out && wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None;
        if (ok && (width == 0 || height == 0 || width > kMaxDrawingPixels || height > kMaxDrawingPixels)) {
            ok = false;
            absurd = true;
            absurdWidth = width;
            absurdHeight = height;
        }
        if (ok) {
            svg->width = width;
            svg->height = height;
            ok = wmf_play(api, 0, &bbox) == wmf_E_None;
        }
        svg->out = nullptr;
        svg->Description = nullptr;
    }
    wmf_api_destroy(api);
    t_recorder = nullptr;

    MetafileResult r;
    if (out) {
        std::fclose(out);
        if (buffer && bufferSize > 0)
            r.svg = mended(std::string(buffer, bufferSize), recorder.spans);
        std::free(buffer);
    }
    if (absurd) {
        return failure(fillIn(kAbsurdWmfWording, std::to_string(absurdWidth), std::to_string(absurdHeight)));
    }
    if (!ok || !looksLikeSvg(r.svg))
        return failure(QT_TRANSLATE_NOOP("Pictures",
                                         "Die Metadatei (WMF) ist beschädigt und kann nicht gelesen werden."));
    r.ok = true;
    return r;
}

} // namespace zuv::pictures::detail
