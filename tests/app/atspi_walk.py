#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
"""Walks the running program's accessibility tree as a screen reader sees it.

Usage: atspi_walk.py [--dump] [--timeout SECONDS]

Waits for "zuvododerod" on the session's AT-SPI bus. On the biorhythm page, in the name-list
window (opened through the link's press action), on the photo page and in the year window
it fails (exit 1) on a shown focusable control without a name, on buttons a screen reader
cannot tell apart, on a chart that does not say its values in words and numbers, on a link
without a press action, and when the month chart's text stays the same after a new birth
date and a refresh. --dump prints each tree.
"""
import re
import sys
import time

import pyatspi

# Parts whose name comes from elsewhere: a cell is read with its headers, an item by its
# text, a scroll bar by its value.
NAMED_ELSEWHERE = {
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TABLE_ROW_HEADER,
    pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_LIST,
}
DUMP = "--dump" in sys.argv


def wait_for(what, predicate, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = predicate()
        if found:
            return found
        time.sleep(0.2)
    print("FEHLER: %s erscheint nicht" % what)
    sys.exit(1)


def app_node():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower().startswith("zuvododerod") and app.childCount:
            return app
    return None


def nodes_of(node, depth=0, out=None):
    out = [] if out is None else out
    try:
        out.append((depth, node))
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                nodes_of(child, depth + 1, out)
    except Exception:  # an object gone while walking
        pass
    return out


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def actions_of(node):
    try:
        a = node.queryAction()
        return [a.getName(i) for i in range(a.nActions)]
    except NotImplementedError:
        return []


def do_action(node, name):
    a = node.queryAction()
    for i in range(a.nActions):
        if a.getName(i).lower() == name.lower():
            return a.doAction(i)
    raise RuntimeError("%s has no action %s" % (node.name, name))


def showing(node):
    s = node.getState()
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def find(root, predicate):
    for _, node in nodes_of(root):
        try:
            if predicate(node):
                return node
        except Exception:
            pass
    return None


def charts_in(root):
    return [n for _, n in nodes_of(root) if n.getRole() == pyatspi.ROLE_CHART and showing(n)]


def chart_speaks(node):
    said = node.description or ""
    return len(re.findall(r"-?\d+ %", said)) >= 4 and len(said.split()) >= 8


def check(root, label):
    """Faults of the shown part of root."""
    faults = []
    buttons = {}
    for depth, node in nodes_of(root):
        try:
            role, name = node.getRoleName(), node.name or ""
        except Exception:
            continue
        if DUMP:
            s = node.getState()
            flags = ("F" if s.contains(pyatspi.STATE_FOCUSABLE) else "") + (
                "S" if s.contains(pyatspi.STATE_SHOWING) else "")
            extra = " actions=%s" % actions_of(node) if role in ("link", "push button") else ""
            print("%s%s %r [%s] %r%s" % ("  " * depth, role, name, flags,
                                         (node.description or "")[:300], extra))
        if not showing(node):
            continue
        if (node.getState().contains(pyatspi.STATE_FOCUSABLE) and not name.strip()
                and node.getRole() not in NAMED_ELSEWHERE):
            faults.append("%s: %s ohne Namen (%s)" % (label, role, path_of(node)))
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and name.strip():
            buttons[name] = buttons.get(name, 0) + 1
        if node.getRole() == pyatspi.ROLE_CHART and not chart_speaks(node):
            faults.append("%s: Diagramm %r sagt nichts: %r" % (label, name, node.description))
        if node.getRole() == pyatspi.ROLE_LINK and "press" not in [a.lower() for a in actions_of(node)]:
            faults.append("%s: Verweis %r ohne Aktion" % (label, name))
    # Buttons a screen reader cannot tell apart.
    for name, count in sorted(buttons.items()):
        if count > 1:
            faults.append("%s: %d Knöpfe heißen %r" % (label, count, name))
    return faults


def path_of(node):
    parts = []
    while node is not None and len(parts) < 5:
        try:
            parts.append(node.getRoleName() + ("(%s)" % node.name if node.name else ""))
            node = node.parent
        except Exception:
            break
    return " < ".join(parts)


def frames(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def new_frame(app, known):
    for f in frames(app):
        if f is not None and f.name not in known and showing(f):
            return f
    return None


def main():
    timeout = float(sys.argv[sys.argv.index("--timeout") + 1]) if "--timeout" in sys.argv else 30
    app = wait_for("das Programm am AT-SPI-Bus", app_node, timeout)
    main_window = wait_for("das Hauptfenster",
                           lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_FRAME
                                        and n.name == "Zuvododerod"), timeout)
    page = wait_for("die Seite Zuvododerod", lambda: find(
        main_window, lambda n: n.name == "Zuvododerod" and n.getRole() != pyatspi.ROLE_FRAME
        and n.getRole() != pyatspi.ROLE_PAGE_TAB and n.getRole() != pyatspi.ROLE_PAGE_TAB_LIST
        and showing(n)), timeout)
    faults = check(main_window, "Hauptfenster")

    charts = wait_for("die beiden Diagramme", lambda: len(charts_in(page)) >= 2 and charts_in(page),
                      timeout)
    print("Diagramme:", ", ".join("%r" % c.name for c in charts))
    for c in charts:
        print("  %s" % c.description)
    # A new birth date and a refresh: the month chart says the new values.
    before = charts[0].description
    birth = find(page, lambda n: n.getRole() == pyatspi.ROLE_TEXT and n.name == "Geburtsdat.")
    refresh = find(page, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Aktualisieren")
    if birth is None or refresh is None:
        faults.append("Geburtsdatum oder Aktualisieren nicht gefunden")
    else:
        birth.queryEditableText().setTextContents("01.01.1990")
        do_action(refresh, actions_of(refresh)[0])
        wait_for("ein neuer Text des Monatsdiagramms",
                 lambda: charts_in(page)[0].description != before, timeout)
        print("nach Aktualisieren:", charts_in(page)[0].description[:160])

    # The name-list window, through the link's press action.
    link = find(page, lambda n: n.getRole() == pyatspi.ROLE_LINK and n.name.startswith("Name und"))
    if link is None:
        faults.append("der Verweis zur Namensliste ist kein Verweis")
    else:
        do_action(link, "press")
        names = wait_for("die Namensliste", lambda: find(
            app, lambda n: n.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME)
            and n.name == "Namensliste" and showing(n)), timeout)
        faults += check(names, "Namensliste")
        print("Namensliste: %d Objekte" % len(nodes_of(names)))

    tab = find(main_window, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB and n.name == "Foto Kalender")
    do_action(tab, actions_of(tab)[0])
    photo = wait_for("die Seite Foto Kalender", lambda: find(
        main_window, lambda n: n.name == "Foto Kalender" and n.getRole() != pyatspi.ROLE_PAGE_TAB
        and n.getRole() != pyatspi.ROLE_MENU_ITEM and showing(n)), timeout)
    faults += check(photo, "Foto Kalender")
    year_item = find(main_window, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM
                     and n.name.startswith("Jahreskalender"))
    if year_item is None:
        faults.append("Menüpunkt Jahreskalender... nicht gefunden")
    else:
        known = {f.name for f in frames(app) if f is not None and showing(f)}
        do_action(year_item, actions_of(year_item)[0])
        year = wait_for("das Jahreskalender-Fenster", lambda: new_frame(app, known), timeout)
        faults += check(year, "Jahreskalender")
        print("Jahreskalender-Fenster %r: %d Objekte" % (year.name, len(nodes_of(year))))

    for f in faults:
        print("FEHLER:", f)
    print("%d Fehler" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
