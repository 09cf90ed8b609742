// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileversion.h"

#include "zuv_info_versiondefs.h"

#include <QFile>

#include <array>
#include <optional>
#include <string_view>

namespace zuv::info {

namespace {

constexpr qsizetype kMarkerSize = 16;
// Four numbers of at most five digits, three points and the NUL byte.
constexpr qsizetype kMaxTextSize = 4 * 5 + 3 + 1;
constexpr qsizetype kMaxRecordSize = kMarkerSize + kMaxTextSize;
constexpr qsizetype kChunkSize = 1 << 20;

// Parses "a.b.c.d" (each 0..65535, one to five digits); nothing else is accepted.
constexpr std::optional<FileVersion> parseVersionText(std::string_view text)
{
    std::array<quint32, 4> numbers{};
    std::size_t part = 0;
    int digits = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > 5)
                return std::nullopt;
            numbers[part] = numbers[part] * 10 + quint32(c - '0');
            if (numbers[part] > 0xFFFF)
                return std::nullopt;
        } else if (c == '.' && digits > 0 && part < 3) {
            ++part;
            digits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (part != 3 || digits == 0)
        return std::nullopt;
    return FileVersion{quint16(numbers[0]), quint16(numbers[1]), quint16(numbers[2]),
                       quint16(numbers[3])};
}

static_assert(parseVersionText(ZUV_VERSION_TEXT).has_value(),
              "the project version must have four numbers, each 0..65535");

// The record the executable carries. It is kept by the compiler (used) and by the linker,
// because the scanner below takes its marker from this very array, so every program that
// can read versions also carries its own.
[[gnu::used]] constexpr char kVersionRecord[] = "\x7F" "ZUVFILEVERSION:" ZUV_VERSION_TEXT;
static_assert(sizeof(kVersionRecord) <= std::size_t(kMaxRecordSize));

QByteArrayView marker()
{
    return QByteArrayView(kVersionRecord, kMarkerSize);
}

// The version text of a record whose marker starts at pos; nothing when the bytes after the
// marker are not a NUL-terminated version text.
std::optional<FileVersion> recordAt(QByteArrayView data, qsizetype pos)
{
    const qsizetype textStart = pos + kMarkerSize;
    const qsizetype end = qMin(data.size(), textStart + kMaxTextSize);
    for (qsizetype i = textStart; i < end; ++i) {
        if (data[i] == '\0') {
            const QByteArrayView text = data.sliced(textStart, i - textStart);
            return parseVersionText(std::string_view(text.data(), std::size_t(text.size())));
        }
    }
    return std::nullopt;
}

QString formatVersion(const FileVersion& v)
{
    return QString::asprintf("%d.%d.%d.%d", int(v.major), int(v.minor), int(v.release),
                             int(v.build));
}

} // namespace

QString GetFileVersionText(const QString& path)
{
    QString result = QStringLiteral("?");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;

    // Reads the file piece by piece; a record cut by a piece boundary is carried over whole.
    QByteArray buffer;
    bool atEnd = false;
    while (!atEnd) {
        const QByteArray chunk = file.read(kChunkSize);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            return result;
        atEnd = chunk.size() < kChunkSize;
        buffer += chunk;

        // The last kMaxRecordSize - 1 bytes are looked at again with the next piece, so a
        // marker found there is judged only once its whole record is in the buffer.
        const qsizetype carryFrom = qMax<qsizetype>(0, buffer.size() - (kMaxRecordSize - 1));
        qsizetype pos = buffer.indexOf(marker());
        while (pos >= 0) {
            if (!atEnd && pos >= carryFrom)
                break;
            if (const auto version = recordAt(buffer, pos))
                return formatVersion(*version);
            pos = buffer.indexOf(marker(), pos + 1);
        }
        buffer = buffer.sliced(carryFrom);
    }
    return result;
}

QByteArray fileVersionRecord(const FileVersion& v)
{
    QByteArray record(marker().data(), kMarkerSize);
    record += formatVersion(v).toLatin1();
    record += '\0';
    return record;
}

QString builtVersionText()
{
    return QString::fromLatin1(kVersionRecord + kMarkerSize);
}

} // namespace zuv::info
