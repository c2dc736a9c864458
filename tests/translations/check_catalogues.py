#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Fails when a catalogue has fallen behind the sources: a text missing, unfinished, empty or
gone from the sources, or a translation that lost or invented a %N placeholder.

Usage: check_catalogues.py LUPDATE SOURCE_DIR LANGUAGE..."""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?\d+")


def messages(ts_file):
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found


def problems(reference, catalogue):
    for key in reference.keys() - catalogue.keys():
        yield f"missing {key}"
    for key in catalogue.keys() - reference.keys():
        yield f"no longer in the sources {key}"
    for key in reference.keys() & catalogue.keys():
        translation = catalogue[key]
        text = (translation.text or "") if translation is not None else ""
        kind = translation.get("type") if translation is not None else "absent"
        if kind or not text.strip():
            yield f"{kind or 'empty'} {key}"
        elif sorted(PLACEHOLDER.findall(key[1])) != sorted(PLACEHOLDER.findall(text)):
            yield f"placeholders differ in {key}: {text!r}"


def main(lupdate, source_dir, *languages):
    source = Path(source_dir)
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / "vantel_en.ts"
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        "-I", str(source / "src"), str(source / "src"), "-ts", str(fresh)],
                       check=True)
        reference = messages(fresh)
    if not reference:
        sys.exit("lupdate found no texts in the sources")
    failures = []
    for language in languages:
        ts_file = source / "translations" / f"vantel_{language}.ts"
        if not ts_file.exists():
            failures.append(f"{ts_file.name}: missing")
            continue
        failures += [f"{ts_file.name}: {p}" for p in problems(reference, messages(ts_file))]
    print(f"{len(reference)} texts in {len(languages)} catalogues")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main(*sys.argv[1:])
