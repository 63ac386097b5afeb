#!/usr/bin/python3
"""Reads the running game through the accessibility bus, as a screen reader does.

It checks the score label, the menu items' names, keys and enabled states and the board's
description, presses Down (with xdotool) and checks that the description follows the pick.
"""
import subprocess
import sys
import time

import pyatspi


def find_app(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"FAILED: no application named {name!r} on the accessibility bus")


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        yield from walk(node.getChildAtIndex(index), depth + 1)


def find(app, test, what):
    for node in walk(app):
        try:
            if test(node):
                return node
        except Exception:  # a node that went away while walking
            continue
    sys.exit(f"FAILED: {what} not found")


def key_of(node):
    """The key a screen reader announces with a menu item: its action's key binding."""
    try:
        action = node.queryAction()
        return action.getKeyBinding(0) if action.nActions > 0 else ""
    except NotImplementedError:
        return ""


def check(condition, what):
    print(("ok:   " if condition else "FAIL: ") + what)
    return condition


def main():
    app = find_app("Sumburrow")
    good = True
    score = find(app, lambda n: n.name.startswith("Score "), "the score label")
    good &= check(score.name.startswith("Score 0/"), f"score label reads {score.name!r}")

    items = {}
    keys = {}
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_MENU_ITEM:
            items[node.name] = node.getState().contains(pyatspi.STATE_SENSITIVE)
            keys[node.name] = key_of(node)
    print("menu items:", items)
    print("their keys:", keys)
    for name, enabled in (("New", True), ("BackTrack", True), ("Solve", True), ("Statistics", True)):
        good &= check(items.get(name) == enabled, f"menu item {name!r} enabled={enabled}")
    # The name is the item's name alone; its key is the item's shortcut.
    for name, key in (("New", "F2"), ("BackTrack", "Backspace"), ("Solve", "F12"),
                      ("Settings", "F7"), ("How to Play", "F1")):
        good &= check(keys.get(name) == key, f"menu item {name!r} has the key {key}")
    good &= check(not any("\t" in name for name in items), "no key inside a menu item's name")
    good &= check(any(name.startswith("Clue (") for name in items), "the clue item counts its clues")

    board = find(app, lambda n: n.name == "Board", "the board")
    before = board.description
    good &= check("Your path ends at" in before and "row 1" in before, f"board before: {before!r}")
    subprocess.run(["xdotool", "key", "Down"], check=True)
    deadline = time.time() + 10
    after = before
    while time.time() < deadline and after == before:
        time.sleep(0.2)
        after = board.description
    good &= check(after != before and "row 2" in after, f"board after Down: {after!r}")
    good &= check("Find answer for current equation" in after, "the hint is read with the board")
    sys.exit(0 if good else 1)


main()
