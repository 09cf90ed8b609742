#!/usr/bin/env python3
"""Writes the table-file seeds: ok_* must load, bad_* must be refused with TableError.

Run from this folder: python3 make_seeds.py. Files named otherwise (or ok_damaged_*) are
fuzzer findings kept as found. The files use 512-byte pages to stay small
for the fuzzer; the program reads any page size.
"""
import os
import sqlite3

APP_ID = 0x5A555654
FIELDS_SQL = ("CREATE TABLE meta_fields(pos INTEGER PRIMARY KEY, name TEXT NOT NULL, "
              "type TEXT NOT NULL, size INTEGER NOT NULL)")


def data_sql(n):
    return "CREATE TABLE data(ord INTEGER PRIMARY KEY" + "".join(f", c{i}" for i in range(n)) + ")"


def make(name, fields, rows, app_id=APP_ID, version=1, data_schema=None, extra=None):
    if os.path.exists(name):
        os.remove(name)
    db = sqlite3.connect(name)
    db.execute("PRAGMA page_size=512")
    db.execute(f"PRAGMA application_id={app_id}")
    db.execute(f"PRAGMA user_version={version}")
    db.execute(FIELDS_SQL)
    db.execute(data_schema or data_sql(len(fields)))
    db.executemany("INSERT INTO meta_fields VALUES(?,?,?,?)",
                   [(i,) + tuple(f) for i, f in enumerate(fields)])
    for i, r in enumerate(rows):
        db.execute(f"INSERT INTO data VALUES({','.join('?' * (len(r) + 1))})", (i,) + tuple(r))
    if extra:
        extra(db)
    db.commit()
    db.close()


BIO = [("Tag", "date", 0), ("Sns", "float", 0), ("Sns1", "float", 0), ("Sns2", "float", 0),
       ("Sns3", "float", 0)]
NAMES = [("Name", "string", 30), ("Geburtsdatum", "date", 0)]
GRID = [("KW", "string", 2)] + [(d, "string", 4) for d in ("Mo", "Di", "Mi", "Do", "Fr", "Sa", "So")]
PERCENT = [("Tag", "integer", 0)] + BIO[1:]

make("ok_koerper", BIO, [(f"2024-03-{d:02d}", 27.0, -22.0, 100.0, -100.0) for d in range(1, 32)])
make("ok_namensliste", NAMES, [("Anna Müller", "1960-12-24"), ("X" * 30, None), (None, "0001-01-01")])
make("ok_bildkalender", GRID, [("9", None, None, None, None, "1", "2", "3"),
                               ("13", "25x", "26", "27", "28", "29x", "30", "31")])
make("ok_prozente", PERCENT, [(None, 27.0, 22.0, 19.0, 16.0), (-2147483648, 0, 1, 2, 3)])
make("ok_no_rows", NAMES, [])

make("bad_unknown_type", [("Name", "blob", 0)], [])
make("bad_string_size_zero", [("Name", "string", 0)], [])
make("bad_date_with_size", [("Tag", "date", 8)], [])
make("bad_no_fields", [], [])
make("bad_duplicate_field", [("Name", "string", 30), ("name", "date", 0)], [])
make("bad_field_gap", NAMES, [], extra=lambda db: db.execute("UPDATE meta_fields SET pos=5 WHERE pos=1"))
make("bad_column_count", NAMES, [("Anna", "1960-12-24", 3)], data_schema=data_sql(3))
make("bad_date_value", NAMES, [("Anna", "2000-02-30")])
make("bad_date_format", NAMES, [("Anna", "24.12.1960")])
make("bad_float_text", BIO, [("2024-03-01", "abc", 0.0, 0.0, 0.0)])
make("bad_integer_range", PERCENT, [(2 ** 40, 0.0, 0.0, 0.0, 0.0)])
make("bad_integer_real", PERCENT, [(1.5, 0.0, 0.0, 0.0, 0.0)])
make("bad_string_too_long", NAMES, [("Y" * 31, None)])
make("bad_empty_string", NAMES, [("", None)])
make("bad_blob_value", NAMES, [(b"\x00\x01", None)])
make("bad_application_id", NAMES, [("Anna", None)], app_id=0)
make("bad_version", NAMES, [("Anna", None)], version=2)
make("bad_data_is_view", NAMES, [], data_schema="CREATE TABLE other(x)",
     extra=lambda db: db.execute("CREATE VIEW data AS SELECT 0 AS ord, 'a' AS c0, NULL AS c1"))

with open("bad_garbage", "wb") as f:
    f.write(bytes((i * 37 + 11) % 256 for i in range(700)))
open("bad_empty_file", "wb").close()
with open("ok_namensliste", "rb") as f:
    whole = f.read()
with open("bad_truncated", "wb") as f:
    f.write(whole[: len(whole) // 2])
