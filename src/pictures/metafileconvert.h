// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Turns a Windows metafile (EMF or WMF) into an SVG document. This runs the conversion
// libraries in the calling process, and those crash on some damaged files: the program
// calls it only inside its helper process (zuvododerod-metafile), and the fuzz target
// calls it directly. No Qt.

#include <cstddef>
#include <string>

// The helper has no Qt and gives its reasons in German; the program translates them by their
// text. This marks them for lupdate, as Qt's own macro of the same name does.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x   // word for word as Qt defines it
#endif

namespace zuv::pictures {

enum class MetafileKind { Emf, Wmf };

struct MetafileResult {
    bool ok = false;
    std::string svg;      // UTF-8 SVG document when ok
    std::string error;    // German reason when not ok
};

// Largest metafile accepted (bytes); larger files are refused before conversion.
inline constexpr std::size_t kMaxMetafileBytes = 64u * 1024u * 1024u;
// Largest SVG a conversion may give (bytes): drawing it takes several times that.
inline constexpr std::size_t kMaxSvgOutputBytes = 64u * 1024u * 1024u;

// maxSvgBytes: a larger SVG is refused with svgTooLargeReason().
MetafileResult convertMetafile(MetafileKind kind, const unsigned char* data, std::size_t size,
                               std::size_t maxSvgBytes = kMaxSvgOutputBytes);

// The helper's reasons that carry numbers, in German with %1 and %2 where the numbers go.
// The program recognises them by the wording around the numbers and translates them.
inline constexpr const char* kSvgTooLargeWording
    = QT_TRANSLATE_NOOP("Pictures", "Die Metadatei ergibt eine zu große Zeichnung (%1 MB, höchstens %2 MB).");
inline constexpr const char* kAbsurdEmfWording
    = QT_TRANSLATE_NOOP("Pictures", "Die erweiterte Metadatei (EMF) gibt unsinnige Abmessungen an (%1 × %2 "
                                    "Bildpunkte); sie wird nicht gezeichnet.");
inline constexpr const char* kAbsurdWmfWording
    = QT_TRANSLATE_NOOP("Pictures", "Die Metadatei (WMF) gibt unsinnige Abmessungen an (%1 × %2 Bildpunkte); "
                                    "sie wird nicht gezeichnet.");
inline constexpr const char* kNumberedWordings[] = {kSvgTooLargeWording, kAbsurdEmfWording, kAbsurdWmfWording};

// The wording with %1 and %2 replaced by first and second.
inline std::string fillIn(std::string wording, const std::string& first, const std::string& second)
{
    wording.replace(wording.find("%1"), 2, first);
    wording.replace(wording.find("%2"), 2, second);
    return wording;
}

// Whole megabytes, rounded up.
inline std::string wholeMegabytes(std::size_t bytes)
{
    return std::to_string((bytes + (1u << 20) - 1) >> 20);
}

inline std::string svgTooLargeReason(std::size_t svgBytes, std::size_t maxSvgBytes)
{
    return fillIn(kSvgTooLargeWording, wholeMegabytes(svgBytes), wholeMegabytes(maxSvgBytes));
}

// Stopped at the helper's processor-time limit.
inline std::string tooComplexReason()
{
    return QT_TRANSLATE_NOOP("Pictures",
                             "Die Metadatei ist zu aufwendig: ihre Umwandlung braucht mehr Rechenzeit als "
                             "erlaubt. Die Datei ist nicht beschädigt; speichern Sie die Zeichnung einfacher "
                             "oder als JPEG oder PNG.");
}

} // namespace zuv::pictures
