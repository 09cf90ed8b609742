// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// zuvododerod-metafile: converts one Windows metafile to SVG in a process of its own, so
// that a damaged file can only end this process, never the program.
// Usage: zuvododerod-metafile emf|wmf [MAX_SVG_BYTES]  < metafile  > svg
// Exit code 0 with the SVG on stdout, or 1 with a German reason on stderr.

#include "metafileconvert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

void limit(int resource, rlim_t value)
{
    rlimit current{};
    if (getrlimit(resource, &current) == 0 && (current.rlim_max == RLIM_INFINITY || current.rlim_max > value)) {
        current.rlim_cur = value;
        setrlimit(resource, &current);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Memory and processor time of a conversion stay bounded whatever the file holds.
    limit(RLIMIT_AS, rlim_t{1024} * 1024 * 1024);
    limit(RLIMIT_CPU, 10);
    limit(RLIMIT_CORE, 0);

    if (argc < 2 || argc > 3
        || (std::strcmp(argv[1], "emf") != 0 && std::strcmp(argv[1], "wmf") != 0)) {
        std::fputs("Aufruf: zuvododerod-metafile emf|wmf [Höchstgröße] < Datei\n", stderr);
        return 2;
    }
    // The whole SVG is measured before any of it is written: a result is either refused or
    // written whole, whatever the pipe reader does meanwhile.
    const std::size_t maxSvg = argc == 3 ? std::strtoull(argv[2], nullptr, 10)
                                         : zuv::pictures::kMaxSvgOutputBytes;
    const auto kind = std::strcmp(argv[1], "emf") == 0 ? zuv::pictures::MetafileKind::Emf
                                                       : zuv::pictures::MetafileKind::Wmf;
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
        data.insert(data.end(), chunk, chunk + n);
        if (data.size() > zuv::pictures::kMaxMetafileBytes)
            break;
    }
    const zuv::pictures::MetafileResult result =
        zuv::pictures::convertMetafile(kind, data.data(), data.size(), maxSvg);
    if (!result.ok) {
        std::fputs(result.error.c_str(), stderr);
        return 1;
    }
    std::fwrite(result.svg.data(), 1, result.svg.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
