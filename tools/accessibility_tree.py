#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Dumps Selvane's accessible tree as the desktop's accessibility bus (AT-SPI) shows it to a
screen reader: each object's role, name, value or text, description, states and actions, and
for a table its size, its column headers and the rows asked for.

It starts the program (--start) or attaches to the one running (by its application name), can
press objects by name first (--press, as a reader's press action does: to open the time list,
say) and then dumps every window of the program that is showing, or those named (--window).

It needs an AT-SPI bus and Qt's bridge switched on. Debian's at-spi2-core, python3-pyatspi
and dbus give the bus; on a machine without a desktop session, inside a virtual display:

    xvfb-run -a dbus-run-session -- \\
        tools/accessibility_tree.py --press "Display data for the month" --rows 15 --quit \\
            --start build/selvane

--start runs the program with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (Qt's bridge is otherwise
switched on only when a screen reader runs). Attaching to a program already running needs it
started so, or a reader running.
"""

import argparse
import os
import subprocess
import sys
import time

import pyatspi


def find_application(name, seconds):
    """The application object named `name` on the bus, waiting up to `seconds` for it."""
    deadline = time.monotonic() + seconds
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        if time.monotonic() > deadline:
            return None
        time.sleep(0.25)


def walk(acc):
    """`acc` and every object beneath it, depth first."""
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def states(acc):
    names = []
    for state in acc.getState().getStates():
        names.append(pyatspi.stateToString(state).replace(" ", "-"))
    return [n for n in names if n not in ("enabled", "sensitive", "visible", "showing")] + (
        [] if acc.getState().contains(pyatspi.STATE_SHOWING) else ["not-showing"])


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def value_or_text(acc):
    """What a reader reads beyond the name: the Value interface's number or the text."""
    try:
        return "value=%g" % acc.queryValue().currentValue
    except NotImplementedError:
        pass
    try:
        text = acc.queryText()
        content = text.getText(0, -1)
        if content:
            return "text=%r" % content
    except NotImplementedError:
        pass
    return ""


def relations(acc):
    """The objects that label `acc` or that it controls, by name."""
    told = []
    for relation in acc.getRelationSet():
        kind = {pyatspi.RELATION_LABELLED_BY: "labelled-by",
                pyatspi.RELATION_CONTROLLER_FOR: "controls"}.get(relation.getRelationType())
        if kind:
            for i in range(relation.getNTargets()):
                told.append("%s=%r" % (kind, relation.getTarget(i).name))
    return told


def line(acc, depth):
    parts = ["%s%s %r" % ("  " * depth, acc.getRoleName(), acc.name)]
    extra = value_or_text(acc)
    if extra:
        parts.append(extra)
    parts.extend(relations(acc))
    if acc.description:
        parts.append("description=%r" % acc.description)
    st = states(acc)
    if st:
        parts.append("[%s]" % " ".join(st))
    act = actions(acc)
    if act:
        parts.append("actions=%s" % ",".join(act))
    return " ".join(parts)


def dump(acc, depth, rows, out):
    out.write(line(acc, depth) + "\n")
    try:
        table = acc.queryTable()
    except NotImplementedError:
        table = None
    if table is not None:
        out.write("%s(table of %d rows x %d columns)\n" % ("  " * (depth + 1), table.nRows,
                                                             table.nColumns))
        headers = []
        for c in range(table.nColumns):
            header = table.getColumnHeader(c)
            headers.append(header.name if header is not None else "")
        out.write("%scolumn headers: %s\n" % ("  " * (depth + 1), " | ".join(headers)))
        for r in rows:
            if not 1 <= r <= table.nRows:
                continue
            out.write("%srow %d:\n" % ("  " * (depth + 1), r))
            for c in range(table.nColumns):
                cell = table.getAccessibleAt(r - 1, c)
                if cell is not None:
                    out.write("%s  %s: %s\n" % ("  " * (depth + 1), headers[c],
                                                 line(cell, 0).strip()))
        return
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, rows, out)


def press(app, name):
    for acc in walk(app):
        if acc.name == name and "press" in [a.lower() for a in actions(acc)]:
            action = acc.queryAction()
            for i in range(action.nActions):
                if action.getName(i).lower() == "press":
                    action.doAction(i)
                    return True
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--start", nargs=argparse.REMAINDER,
                        help="the program to start (and its arguments), last on the line")
    parser.add_argument("--app", default="Selvane", help="the application's name on the bus")
    parser.add_argument("--press", action="append", default=[],
                        help="press the object of this name first (repeatable, in order)")
    parser.add_argument("--window", action="append", default=[],
                        help="dump only the windows of this name (repeatable)")
    parser.add_argument("--rows", default="1",
                        help="the table rows to dump, 1-based, comma-separated (default 1)")
    parser.add_argument("--wait", type=float, default=3.0,
                        help="seconds to wait after the start and after each press")
    parser.add_argument("--quit", action="store_true", help="end the started program after")
    args = parser.parse_args()

    program = None
    if args.start:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = subprocess.Popen(args.start, env=env)
    try:
        app = find_application(args.app, 20)
        if app is None:
            sys.exit("accessibility_tree: no application %r on the accessibility bus" % args.app)
        time.sleep(args.wait)  # the first ticks fill the values
        for name in args.press:
            if not press(app, name):
                sys.exit("accessibility_tree: nothing pressable named %r" % name)
            time.sleep(args.wait)
        rows = [int(r) for r in args.rows.split(",") if r]
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
                continue
            if args.window and window.name not in args.window:
                continue
            dump(window, 0, rows, sys.stdout)
            sys.stdout.write("\n")
    finally:
        if program is not None and args.quit:
            program.terminate()
            program.wait(10)


if __name__ == "__main__":
    main()
