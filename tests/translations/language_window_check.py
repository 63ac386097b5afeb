#!/usr/bin/python3
"""Reads the running game through the accessibility bus in the language of a translation file.

    language_window_check.py --ready TS_FILE   exit 0 when the file translates the texts read here
    language_window_check.py --check TS_FILE   checks the menus, a message flashed over the
                                               board (a refused pick) and the options dialog
"""
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

MENUS = [("sb::TfrmMain", title) for title in ("File", "Game", "Options", "Help")]
OPTIONS_TITLE = ("sb::Tfo", "Sumburrow - Options")
OPTIONS_LABEL = ("sb::Tfo", "Quick Settings:")
FLASH = ("Game", "Number not adjacent")
NEEDED = MENUS + [OPTIONS_TITLE, OPTIONS_LABEL, FLASH]


def translations(ts_file):
    found = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") is None and translation.text:
                found[(context.findtext("name"), message.findtext("source"))] = translation.text
    return found


def shown(text):
    """A caption as a screen reader reads it: without the shortcut's ampersand."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def nodes(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        yield from nodes(node.getChildAtIndex(index), depth + 1)


def wait_for(test, seconds=10):
    import pyatspi  # pylint: disable=import-outside-toplevel
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None or app.name != "Sumburrow":
                continue
            for node in nodes(app):
                try:
                    if test(node):
                        return node
                except Exception:  # pylint: disable=broad-except
                    continue  # a node that went away while walking
        time.sleep(0.1)
    return None


def press(key):
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)


def click_far_from_the_top_row():
    geometry = subprocess.run(["xdotool", "getactivewindow", "getwindowgeometry", "--shell"],
                              capture_output=True, text=True, check=True).stdout
    at = dict(line.split("=") for line in geometry.split())
    x = int(at["X"]) + 40
    y = int(at["Y"]) + int(at["HEIGHT"]) * 3 // 5
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def check(condition, what):
    print(("ok:   " if condition else "FAIL: ") + what)
    return condition


def main():
    mode, ts_file = sys.argv[1:3]
    said = translations(ts_file)
    if mode == "--ready":
        sys.exit(0 if all(key in said for key in NEEDED) else 1)
    import pyatspi  # pylint: disable=import-outside-toplevel
    good = True
    titles = [shown(said[key]) for key in MENUS]
    bar = wait_for(lambda n: n.getRole() == pyatspi.ROLE_MENU_BAR)
    found = [bar.getChildAtIndex(i).name for i in range(bar.childCount)] if bar else []
    good &= check(found == titles, f"menus read {found}, expected {titles}")

    # A pick far below the path's start on the top row is refused with a message.
    click_far_from_the_top_row()
    flash = said[FLASH]
    good &= check(wait_for(lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.name == flash, 5)
                  is not None, f"the message {flash!r} is read out")
    # The options open once the game is over: Solve (F12), then Settings (F7).
    time.sleep(1.5)
    press("F12")
    time.sleep(1)
    press("F7")
    title = shown(said[OPTIONS_TITLE])
    good &= check(wait_for(lambda n: n.getRole() == pyatspi.ROLE_DIALOG and n.name == title)
                  is not None, f"the options dialog is called {title!r}")
    label = shown(said[OPTIONS_LABEL])
    good &= check(wait_for(lambda n: n.name == label) is not None, f"its label {label!r}")
    press("Escape")
    sys.exit(0 if good else 1)


main()
