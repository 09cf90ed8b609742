#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes seeds/picture_budget.rtf: four PNG pictures of 4096 x 4096 (one bit a pixel, so the
file stays small) shown 1 x 1 cm whose data are damaged, then a small sound one. The budget
is charged with the size in the PNG header before decoding: the four spend it all."""
import pathlib
import struct
import zlib


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(side, damaged=False):
    header = struct.pack(">IIBBBBB", side, side, 1, 0, 0, 0, 0)   # 1 bit grey
    data = zlib.compress((b"\0" + b"\0" * ((side + 7) // 8)) * side, 9)
    if damaged:
        data = data[:2] + b"\xa5" * 32 + data[34:]
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data)
            + chunk(b"IEND", b""))


def main():
    damaged = b"{\\pict\\pngblip\\picwgoal567\\pichgoal567 " + png(4096, True).hex().encode() + b"}"
    sound = b"{\\pict\\pngblip " + png(16).hex().encode() + b"}"
    rtf = b"{\\rtf1\\ansi Bilder: " + damaged * 4 + sound + b" Ende.\\par}"
    (pathlib.Path(__file__).resolve().parent / "seeds" / "picture_budget.rtf").write_bytes(rtf)


if __name__ == "__main__":
    main()
