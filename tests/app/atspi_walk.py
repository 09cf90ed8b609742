#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
"""Walks the accessibility tree of the running program as a screen reader sees it.

Usage: atspi_walk.py [--dump] [--timeout SECONDS]

Waits for the application "zuvododerod" on the session's AT-SPI bus, then walks every
window it shows. Fails (exit 1) on a focusable control without a name and on a chart
(an object named like a chart, role chart or image with the chart's description) that says
nothing in words and numbers. --dump prints the whole tree. Prints one line per fault.
"""
import re
import sys
import time

import pyatspi

# Controls a user reaches with Tab, where a name is what a screen reader reads out.
FOCUSABLE = pyatspi.STATE_FOCUSABLE
# Roles that are containers or parts of a control whose name comes from elsewhere: a
# table cell is read with its row and column header, a scroll bar with its value.
UNNAMED_IS_FINE = {
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TABLE_ROW_HEADER,
    pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_LIST,
}


def find_app(timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("zuvododerod"):
                if app.childCount > 0:
                    return app
        time.sleep(0.2)
    return None


def states(node):
    return node.getState()


def walk(node, depth, out):
    try:
        role = node.getRoleName()
        name = node.name or ""
        desc = node.description or ""
    except Exception:  # an object gone while walking
        return
    out.append((depth, node, role, name, desc))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def showing(node):
    s = states(node)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def has_action(node):
    try:
        return node.queryAction().nActions > 0
    except NotImplementedError:
        return False


def main():
    dump = "--dump" in sys.argv
    timeout = 30.0
    if "--timeout" in sys.argv:
        timeout = float(sys.argv[sys.argv.index("--timeout") + 1])
    app = find_app(timeout)
    if app is None:
        print("FEHLER: das Programm erscheint nicht am AT-SPI-Bus")
        return 1
    nodes = []
    walk(app, 0, nodes)
    faults = []
    charts = 0
    for depth, node, role, name, desc in nodes:
        if dump:
            flags = "".join(c for c, st in (("F", FOCUSABLE), ("S", pyatspi.STATE_SHOWING))
                            if states(node).contains(st))
            extra = ""
            if role in ("text", "label", "entry", "paragraph") or "chart" in name.lower():
                extra = " text=" + repr(text_of(node)[:80])
            print("%s%s %r [%s] desc=%r%s" % ("  " * depth, role, name, flags, desc[:200], extra))
        if not showing(node):
            continue
        s = states(node)
        if s.contains(FOCUSABLE) and not name.strip() and node.getRole() not in UNNAMED_IS_FINE:
            faults.append("ohne Namen: %s in %s" % (role, path_of(node)))
        if role == "chart" or re.search(r"diagramm", name, re.I):
            charts += 1
            said = desc + " " + text_of(node)
            # A chart speaks when it says numbers (percent values, days) in words.
            if len(re.findall(r"-?\d+", said)) < 4 or len(said.split()) < 8:
                faults.append("stummes Diagramm: %r sagt %r" % (name, said.strip()[:120]))
        if role == "link" and not has_action(node):
            faults.append("Verweis ohne Aktion: %r" % name)
    for f in faults:
        print("FEHLER:", f)
    print("%d Objekte, %d Diagramme, %d Fehler" % (len(nodes), charts, len(faults)))
    return 1 if faults else 0


def path_of(node):
    parts = []
    while node is not None and len(parts) < 6:
        try:
            parts.append("%s%s" % (node.getRoleName(), ("(%s)" % node.name) if node.name else ""))
            node = node.parent
        except Exception:
            break
    return " < ".join(parts)


if __name__ == "__main__":
    sys.exit(main())
