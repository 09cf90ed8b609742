#!/usr/bin/env python3
"""Writes the small metafiles the photo-calendar tests and the metafile fuzz target start
from: a sound EMF and WMF (red rectangle, blue ellipse) and damaged variants of both."""
import struct
import pathlib

here = pathlib.Path(__file__).resolve().parent / "seeds"


def emf_records(records):
    body = b"".join(records)
    eof = struct.pack("<IIIII", 14, 20, 0, 16, 20)
    n_records = len(records) + 2
    total = 88 + len(body) + len(eof)
    header = struct.pack(
        "<II4i4iIIIIHHIIIii ii".replace(" ", ""),
        1, 88,
        0, 0, 399, 299,            # bounds in device pixels
        0, 0, 10583, 7937,         # frame in 0.01 mm (400 x 300 px at 96 dpi)
        0x464D4520, 0x10000, total, n_records, 2, 0, 0, 0, 0,
        1024, 768, 271, 203)
    return header + body + eof


def emf_sample():
    return emf_records([
        struct.pack("<IIIIII", 39, 24, 1, 0, 0x000000FF, 0),     # CREATEBRUSHINDIRECT red
        struct.pack("<III", 37, 12, 1),                         # SELECTOBJECT
        struct.pack("<II4i", 43, 24, 20, 20, 380, 280),          # RECTANGLE
        struct.pack("<IIIIII", 39, 24, 1, 0, 0x00FF0000, 0),     # blue brush
        struct.pack("<III", 37, 12, 1),
        struct.pack("<II4i", 42, 24, 100, 60, 300, 240),         # ELLIPSE
    ])


def wmf_record(function, *params):
    return struct.pack("<IH", 3 + len(params), function) + struct.pack("<%dh" % len(params), *params)


def wmf_sample(units_per_inch=96, extent=None):
    records = [
        wmf_record(0x020B, 0, 0),                 # SETWINDOWORG y, x
        wmf_record(0x020C, 300, 400),             # SETWINDOWEXT y, x
        struct.pack("<IHHIH", 7, 0x02FC, 0, 0x000000FF, 0),   # CREATEBRUSHINDIRECT red
        wmf_record(0x012D, 0),                    # SELECTOBJECT 0
        wmf_record(0x041B, 280, 380, 20, 20),     # RECTANGLE bottom, right, top, left
        wmf_record(0x01F0, 0),                    # DELETEOBJECT 0
        struct.pack("<IHHIH", 7, 0x02FC, 0, 0x00FF0000, 0),   # blue brush
        wmf_record(0x012D, 0),
        wmf_record(0x0418, 240, 300, 60, 100),    # ELLIPSE
        wmf_record(0x0000),                       # EOF
    ]
    body = b"".join(records)
    max_record = max(len(r) for r in records) // 2
    size_words = (18 + len(body)) // 2
    meta = struct.pack("<HHHIHIH", 1, 9, 0x0300, size_words, 1, max_record, 0)
    right, bottom = (extent, extent) if extent else (400, 300)
    words = struct.unpack("<10H", struct.pack("<IH4hHI", 0x9AC6CDD7, 0, 0, 0, right, bottom,
                                               units_per_inch, 0))
    checksum = 0
    for w in words:
        checksum ^= w
    placeable = struct.pack("<IH4hHIH", 0x9AC6CDD7, 0, 0, 0, right, bottom, units_per_inch, 0,
                            checksum)
    return placeable + meta + body


def stretchdibits_rle8(x, y, w, h):
    """EMR_STRETCHDIBITS of a black w x h box, its bitmap run-length coded (BI_RLE8)."""
    rows = b"".join(struct.pack("<BB", w, 1) + b"\x00\x00" for _ in range(h)) + b"\x00\x01"
    palette = struct.pack("<II", 0x00FFFFFF, 0x00000000)
    bmi = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(rows), 0, 0, 2, 0) + palette
    head = 80
    size = head + len(bmi) + len(rows)
    pad = (4 - size % 4) % 4
    rec = struct.pack("<II4i", 81, size + pad, x, y, x + w, y + h)
    rec += struct.pack("<6i", x, y, 0, 0, w, h)
    rec += struct.pack("<4I", head, len(bmi), head + len(bmi), len(rows))
    rec += struct.pack("<II", 0, 0x00CC0020)
    rec += struct.pack("<ii", w, h)
    return rec + bmi + rows + b"\0" * pad


def main():
    emf = emf_sample()
    wmf = wmf_sample()
    (here / "sample.emf").write_bytes(emf)
    (here / "sample.wmf").write_bytes(wmf)
    # A record that claims to be far larger than the file.
    bad = bytearray(emf)
    struct.pack_into("<I", bad, 88 + 4, 0x7FFFFFF0)
    (here / "damaged_recordsize.emf").write_bytes(bytes(bad))
    # Cut in the middle of the records.
    (here / "damaged_truncated.emf").write_bytes(emf[:120])
    (here / "damaged_truncated.wmf").write_bytes(wmf[:60])
    # A record the converter library does not handle (an RLE8 bitmap) after a red box:
    # the box must still be drawn.
    (here / "sample_rle8_bitmap.emf").write_bytes(emf_records([
        struct.pack("<IIIIII", 39, 24, 1, 0, 0x000000FF, 0),
        struct.pack("<III", 37, 12, 1),
        struct.pack("<II4i", 43, 24, 20, 20, 380, 280),
        stretchdibits_rle8(150, 100, 40, 30),
    ]))
    # Bounds and frame of absurd size (about 2 x 10^9 pixels).
    huge = bytearray(emf)
    struct.pack_into("<4i4i", huge, 8, 0, 0, 2000000000, 2000000000, 0, 0, 2000000000, 2000000000)
    (here / "absurd_bounds.emf").write_bytes(bytes(huge))
    # A WMF whose placeable header says 32767 units at one unit an inch: about 3 million
    # pixels wide and high.
    (here / "absurd_bounds.wmf").write_bytes(wmf_sample(units_per_inch=1, extent=32767))
    # Not a metafile at all, with a metafile's extension.
    # 2000 small ellipses: about 48 KB giving 330 KB of SVG, over the fuzz target's lowered
    # limit on the SVG's size (the program's own 64 MB take a 10 MB file).
    (here / "svg_size_ellipses.emf").write_bytes(emf_records(
        [struct.pack("<IIIIII", 39, 24, 1, 0, 0x00FF0000, 0), struct.pack("<III", 37, 12, 1)]
        + [struct.pack("<II4i", 42, 24, i * 7 % 380, i * 13 % 280, i * 7 % 380 + 15, i * 13 % 280 + 15)
           for i in range(2000)]))
    (here / "not_a_metafile.emf").write_bytes(b"This is plain text, not a picture.\n" * 4)
    # A JPEG start marker followed by rubbish.
    (here.parent / "damaged.jpg").write_bytes(b"\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
                                       + bytes(range(256)) * 4)


if __name__ == "__main__":
    main()
