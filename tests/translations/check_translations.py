#!/usr/bin/python3
"""Every text of the game has a finished translation in every language.

Runs lupdate over the sources into a scratch copy of each translations/*.ts file (the files
themselves are left alone) and fails on any text that is new (unfinished) or no longer in the
sources (vanished, obsolete), and on a translation whose %1, %2 ... differ from its source's.

    check_translations.py LUPDATE SOURCE_LIST INCLUDE_DIR TS_FILE...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(\d+)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ""))


def problems_of(ts_file, shown_name):
    problems = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        scope = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            where = f"{shown_name}: [{scope}] {source!r}"
            if kind in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: {kind}")
            elif placeholders(translation.text) != placeholders(source):
                problems.append(f"{where}: the translation {translation.text!r} has "
                                f"{placeholders(translation.text)}, the source {placeholders(source)}")
    return problems


def main():
    lupdate, source_list, include, *ts_files = sys.argv[1:]
    problems = []
    with tempfile.TemporaryDirectory(prefix="sumburrow-ts-") as scratch:
        copies = []
        for ts_file in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts_file))
            shutil.copyfile(ts_file, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, "-silent", "-locations", "none", "-I", include,
                              "@" + source_list, "-ts", *copies],
                             capture_output=True, text=True, check=False)
        if run.returncode != 0:
            sys.exit(f"FAILED: lupdate ended with {run.returncode}:\n{run.stderr}")
        for ts_file, copy in zip(ts_files, copies):
            found = problems_of(copy, os.path.basename(ts_file))
            print(f"{os.path.basename(ts_file)}: {len(found)} problem(s)")
            problems += found
    for problem in problems:
        print("FAIL:", problem)
    sys.exit(1 if problems else 0)


main()
