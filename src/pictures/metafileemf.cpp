// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// EMF to SVG through libemf2svg, mended where that library falls short:
// - a record it cannot handle (say a bitmap in a compression it does not know) makes it
//   refuse the whole file: such records are found by converting ever shorter beginnings of
//   the file and left out, the rest is drawn;
// - it ignores the EMF+ records in which LibreOffice and others keep transparency: the
//   plain brushes and pens that follow a transparent EMF+ fill are given marker colours
//   before the conversion, and the marks become the real colour with its opacity after;
// - it sizes the drawing to the inclusive header bounds minus one and clips everything
//   beyond: the drawing is sized to the header's frame and bounds, whichever is larger;
// - absurd or empty bounds gave a blank 1 x 1 picture: they are refused with a reason.

#include "metafileinternal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <vector>

#include <emf2svg.h>

namespace zuv::pictures::detail {

namespace {

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmrComment = 70;
constexpr std::uint32_t kEmrCreatePen = 38;
constexpr std::uint32_t kEmrCreateBrushIndirect = 39;
constexpr std::uint32_t kEmrExtCreatePen = 95;
constexpr int kMaxSkippedRecords = 8;
constexpr int kMaxAttempts = 80;

std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

void put32(unsigned char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

struct Record {
    std::size_t offset = 0;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
};

// The file's records; empty when a record's size is broken (too small, not a multiple of
// four, or past the end): such a file is damaged, not merely unknown to the converter.
std::vector<Record> records(const std::vector<unsigned char>& emf)
{
    std::vector<Record> list;
    std::size_t at = 0;
    while (at + 8 <= emf.size()) {
        const Record r{at, le32(&emf[at]), le32(&emf[at + 4])};
        if (r.size < 8 || r.size % 4 != 0 || r.size > emf.size() - at)
            return {};
        list.push_back(r);
        at += r.size;
        if (r.type == kEmrEof)
            break;
    }
    if (list.empty() || list.front().type != kEmrHeader)
        return {};
    return list;
}

// The file made of the first count records less those left out, with an end record of its
// own and the header's byte and record counts set to match.
std::vector<unsigned char> rebuilt(const std::vector<unsigned char>& emf,
                                   const std::vector<Record>& list, std::size_t count,
                                   const std::set<std::size_t>& left)
{
    std::vector<unsigned char> out;
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < count && i < list.size(); ++i) {
        if (left.count(i) || list[i].type == kEmrEof)
            continue;
        out.insert(out.end(), emf.begin() + static_cast<std::ptrdiff_t>(list[i].offset),
                   emf.begin() + static_cast<std::ptrdiff_t>(list[i].offset + list[i].size));
        ++n;
    }
    const unsigned char eof[20] = {14, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 20, 0, 0, 0};
    out.insert(out.end(), eof, eof + 20);
    ++n;
    put32(&out[48], static_cast<std::uint32_t>(out.size()));
    put32(&out[52], n);
    return out;
}

struct Attempt {
    bool ok = false;
    std::string svg;
};

Attempt convertOnce(std::vector<unsigned char> emf)
{
    generatorOptions options{};
    char nameSpace[] = "";
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char* out = nullptr;
    std::size_t outLength = 0;
    const int status = emf2svg(reinterpret_cast<char*>(emf.data()), emf.size(), &out, &outLength,
                               &options);
    Attempt a;
    if (out && outLength > 0)
        a.svg.assign(out, outLength);
    std::free(out);
    a.ok = status && looksLikeSvg(a.svg);
    return a;
}

// --- transparency kept in EMF+ records -------------------------------------------------

struct Translucent {
    std::uint32_t rgb = 0;   // COLORREF order: 0x00BBGGRR
    int alpha = 255;
};

// The solid colour of a transparent EMF+ fill inside a comment record, if any.
std::vector<Translucent> translucentFills(const unsigned char* rec, std::uint32_t size)
{
    std::vector<Translucent> found;
    if (size < 16 || le32(rec + 12) != 0x2B464D45u)   // "EMF+"
        return found;
    const std::uint32_t dataSize = std::min<std::uint32_t>(le32(rec + 8), size - 12);
    std::uint32_t at = 16;
    while (at + 12 <= 12 + dataSize) {
        const unsigned type = rec[at] | rec[at + 1] << 8;
        const unsigned flags = rec[at + 2] | rec[at + 3] << 8;
        const std::uint32_t recordSize = le32(rec + at + 4);
        if (recordSize < 12 || at + recordSize > 12 + dataSize)
            break;
        // Fill records whose brush is a colour (flag S): FillRects 0x400A, FillPolygon
        // 0x400C, FillEllipse 0x400E, FillPie 0x4010, FillRegion 0x4013, FillPath 0x4014,
        // FillClosedCurve 0x4016.
        static const unsigned kFills[] = {0x400A, 0x400C, 0x400E, 0x4010, 0x4013, 0x4014, 0x4016};
        const bool fill = std::find(std::begin(kFills), std::end(kFills), type) != std::end(kFills);
        if (fill && (flags & 0x8000) && recordSize >= 16) {
            const std::uint32_t argb = le32(rec + at + 12);
            const int alpha = static_cast<int>(argb >> 24);
            if (alpha < 255) {
                const std::uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
                found.push_back({r | g << 8 | b << 16, alpha});
            }
        }
        at += recordSize;
    }
    return found;
}

std::string hexOf(std::uint32_t colorref)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colorref & 0xFF, (colorref >> 8) & 0xFF,
                  (colorref >> 16) & 0xFF);
    return text;
}

// Gives the brushes and pens drawn for a transparent EMF+ fill marker colours used nowhere
// else in the file; returns marker -> real colour with alpha.
std::map<std::uint32_t, Translucent> markTranslucent(std::vector<unsigned char>& emf,
                                                     const std::vector<Record>& list)
{
    std::map<std::uint32_t, Translucent> marks;
    const auto colourAt = [&](const Record& r) -> std::size_t {
        if (r.type == kEmrCreateBrushIndirect && r.size >= 24)
            return r.offset + 16;
        if (r.type == kEmrCreatePen && r.size >= 28)
            return r.offset + 24;
        if (r.type == kEmrExtCreatePen && r.size >= 44)
            return r.offset + 40;
        return 0;
    };
    std::set<std::uint32_t> used;
    for (const Record& r : list)
        if (const std::size_t at = colourAt(r))
            used.insert(le32(&emf[at]) & 0xFFFFFF);
    std::uint32_t nextMarker = 0x123457;
    std::vector<Translucent> pending;
    for (const Record& r : list) {
        if (r.type == kEmrComment) {
            const std::vector<Translucent> fills = translucentFills(&emf[r.offset], r.size);
            if (!fills.empty())
                pending = fills;
            continue;
        }
        const std::size_t at = colourAt(r);
        if (!at || pending.empty())
            continue;
        const std::uint32_t colour = le32(&emf[at]) & 0xFFFFFF;
        for (const Translucent& t : pending) {
            if (t.rgb != colour)
                continue;
            while (used.count(nextMarker))
                ++nextMarker;
            used.insert(nextMarker);
            marks[nextMarker] = t;
            put32(&emf[at], (le32(&emf[at]) & 0xFF000000u) | nextMarker);
            ++nextMarker;
            break;
        }
    }
    return marks;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void unmark(std::string& svg, const std::map<std::uint32_t, Translucent>& marks)
{
    for (const auto& [marker, real] : marks) {
        char opacity[16];
        std::snprintf(opacity, sizeof opacity, "%.3f", real.alpha / 255.0);
        const std::string m = hexOf(marker);
        const std::string c = hexOf(real.rgb);
        replaceAll(svg, "fill=\"" + m + "\"", "fill=\"" + c + "\" fill-opacity=\"" + opacity + "\"");
        replaceAll(svg, "stroke=\"" + m + "\"", "stroke=\"" + c + "\" stroke-opacity=\"" + opacity + "\"");
        replaceAll(svg, m, c);
    }
}

// --- size of the drawing -----------------------------------------------------------------

struct Extent {
    double width = 0;    // in the SVG's units
    double height = 0;
};

bool attribute(const std::string& svg, std::size_t tagEnd, const char* name, double& value,
               std::size_t& from, std::size_t& to)
{
    const std::string key = std::string(" ") + name + "=\"";
    from = svg.find(key);
    if (from == std::string::npos || from > tagEnd)
        return false;
    from += key.size();
    to = svg.find('"', from);
    if (to == std::string::npos)
        return false;
    value = std::atof(svg.substr(from, to - from).c_str());
    return true;
}

// Sets the root's size (and a viewBox of the same) to extent.
void resizeRoot(std::string& svg, const Extent& extent)
{
    const std::size_t root = svg.find("<svg");
    if (root == std::string::npos)
        return;
    const std::size_t tagEnd = svg.find('>', root);
    char number[32];
    for (const auto& [name, v] : {std::pair{"height", extent.height}, std::pair{"width", extent.width}}) {
        double old = 0;
        std::size_t from = 0, to = 0;
        if (!attribute(svg, tagEnd, name, old, from, to))
            continue;
        std::snprintf(number, sizeof number, "%.4f", v);
        svg.replace(from, to - from, number);
    }
    if (svg.find("viewBox", root) > svg.find('>', root)) {
        char box[96];
        std::snprintf(box, sizeof box, " viewBox=\"0 0 %.4f %.4f\"", extent.width, extent.height);
        svg.insert(root + 4, box);
    }
}

// Whether every EMF+ record inside a comment record lies wholly inside it: the library
// reads their headers and data without checking. A non-EMF+ comment is sound.
bool soundComment(const unsigned char* rec, std::uint32_t size)
{
    if (size < 16 || le32(rec + 12) != 0x2B464D45u)   // "EMF+"
        return true;
    const std::uint32_t dataSize = le32(rec + 8);
    if (dataSize > size - 12 || dataSize < 4)
        return false;
    std::uint32_t at = 16;
    const std::uint32_t end = 12 + dataSize;
    while (at < end) {
        if (end - at < 12)
            return false;
        const std::uint32_t recordSize = le32(rec + at + 4);
        const std::uint32_t recordData = le32(rec + at + 8);
        if (recordSize < 12 || recordSize % 4 != 0 || recordSize > end - at
            || recordData > recordSize - 12)
            return false;
        at += recordSize;
    }
    return true;
}

// The header's description and pixel format must lie inside the header record: the
// library reads them without looking, and a shortened file (see below) would let it read
// past its end. Parts that do not fit are dropped; neither is needed to draw.
void forgetOutsideParts(std::vector<unsigned char>& emf, std::uint32_t headerSize)
{
    const auto inside = [&](std::uint64_t offset, std::uint64_t bytes) {
        return offset >= 88 && offset + bytes <= headerSize;
    };
    if (!inside(le32(&emf[64]), std::uint64_t(le32(&emf[60])) * 2)) {
        put32(&emf[60], 0);   // nDescription
        put32(&emf[64], 0);   // offDescription
    }
    if (headerSize >= 100 && !inside(le32(&emf[96]), le32(&emf[92]))) {
        put32(&emf[92], 0);   // cbPixelFormat
        put32(&emf[96], 0);   // offPixelFormat
    }
}

} // namespace

MetafileResult convertEmfToSvg(const unsigned char* data, std::size_t size)
{
    std::vector<unsigned char> emf(data, data + size);
    const std::vector<Record> list = records(emf);
    if (list.empty() || list.front().size < 88)
        return failure(QT_TRANSLATE_NOOP("Pictures",
                                         "Die erweiterte Metadatei (EMF) ist beschädigt: ihre Einträge passen "
                                         "nicht in die Datei."));
    forgetOutsideParts(emf, list.front().size);

    // Bounds (device pixels, inclusive) and frame (0.01 mm, inclusive) of the header.
    const auto s32 = [&](std::size_t at) { return static_cast<std::int32_t>(le32(&emf[at])); };
    const double boundsW = double(s32(16)) - s32(8) + 1;
    const double boundsH = double(s32(20)) - s32(12) + 1;
    const double frameMmW = (double(s32(32)) - s32(24) + 1) / 100.0;
    const double frameMmH = (double(s32(36)) - s32(28) + 1) / 100.0;
    const double devicePerMmX = le32(&emf[80]) ? double(le32(&emf[72])) / le32(&emf[80]) : 96 / 25.4;
    const double devicePerMmY = le32(&emf[84]) ? double(le32(&emf[76])) / le32(&emf[84]) : 96 / 25.4;
    const auto absurd = [](double v) { return !(v >= 1 && v <= kMaxDrawingPixels); };
    const double frameW = frameMmW * std::max(devicePerMmX, 96 / 25.4);
    const double frameH = frameMmH * std::max(devicePerMmY, 96 / 25.4);
    if ((absurd(boundsW) || absurd(boundsH)) && (absurd(frameW) || absurd(frameH))) {
        const auto whole = [](double v) {
            char text[40];
            std::snprintf(text, sizeof text, "%.0f", v);
            return std::string(text);
        };
        return failure(fillIn(kAbsurdEmfWording, whole(absurd(boundsW) ? frameW : boundsW),
                              whole(absurd(boundsW) ? frameH : boundsH)));
    }

    const std::map<std::uint32_t, Translucent> marks = markTranslucent(emf, list);

    // Comments with broken EMF+ records are left out before the library sees them; then
    // records the converter refuses are left out one by one: the shortest beginning of the
    // file that it refuses ends in the culprit.
    std::set<std::size_t> left;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].type == kEmrComment && !soundComment(&emf[list[i].offset], list[i].size))
            left.insert(i);
    Attempt attempt = convertOnce(left.empty() ? emf : rebuilt(emf, list, list.size(), left));
    int attempts = 1;
    const std::size_t brokenComments = left.size();
    while (!attempt.ok && int(left.size() - brokenComments) < kMaxSkippedRecords
           && attempts < kMaxAttempts) {
        std::size_t good = 1;                 // header alone
        std::size_t bad = list.size();        // everything
        if (!convertOnce(rebuilt(emf, list, good, left)).ok)
            break;                            // not even the header: damaged
        ++attempts;
        while (bad - good > 1 && attempts < kMaxAttempts) {
            const std::size_t mid = (good + bad) / 2;
            ++attempts;
            if (convertOnce(rebuilt(emf, list, mid, left)).ok)
                good = mid;
            else
                bad = mid;
        }
        const std::size_t culprit = bad - 1;
        if (culprit == 0 || list[culprit].type == kEmrEof || left.count(culprit))
            break;
        left.insert(culprit);
        attempt = convertOnce(rebuilt(emf, list, list.size(), left));
        ++attempts;
    }
    if (!attempt.ok)
        return failure(QT_TRANSLATE_NOOP("Pictures",
                                         "Die erweiterte Metadatei (EMF) ist beschädigt und kann nicht gelesen werden."));

    unmark(attempt.svg, marks);
    // The converter's units are its bounds' pixels; the frame may reach further (an
    // outline drawn along the page's edge), and inclusive bounds are one pixel more.
    const std::size_t root = attempt.svg.find("<svg");
    double svgW = 0, svgH = 0;
    std::size_t from = 0, to = 0;
    const std::size_t tagEnd = root == std::string::npos ? 0 : attempt.svg.find('>', root);
    if (root != std::string::npos && attribute(attempt.svg, tagEnd, "width", svgW, from, to)
        && attribute(attempt.svg, tagEnd, "height", svgH, from, to)) {
        const double scaleX = !absurd(boundsW) && svgW > 0 ? svgW / (boundsW - 1 > 0 ? boundsW - 1 : 1) : 1;
        const double scaleY = !absurd(boundsH) && svgH > 0 ? svgH / (boundsH - 1 > 0 ? boundsH - 1 : 1) : 1;
        Extent e;
        e.width = std::max(absurd(boundsW) ? 0 : boundsW * scaleX, absurd(frameW) ? 0 : frameW * scaleX);
        e.height = std::max(absurd(boundsH) ? 0 : boundsH * scaleY, absurd(frameH) ? 0 : frameH * scaleY);
        if (absurd(e.width) || absurd(e.height))
            return failure(QT_TRANSLATE_NOOP("Pictures",
                                             "Die erweiterte Metadatei (EMF) gibt unsinnige Abmessungen an; sie "
                                             "wird nicht gezeichnet."));
        resizeRoot(attempt.svg, e);
    }
    MetafileResult r;
    r.ok = true;
    r.svg = std::move(attempt.svg);
    return r;
}

} // namespace zuv::pictures::detail
