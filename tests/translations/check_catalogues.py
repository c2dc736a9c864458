#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""check_catalogues.py LUPDATE SOURCE_DIR LANGUAGE...: fails when a catalogue has a text missing,
unfinished, empty or gone from the sources, or a translation (any of its plural forms) that lost or
invented a %N or %n."""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


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
        translation, kind = catalogue[key], catalogue[key].get("type")
        # A text with %n holds one translation per plural form, each of which must be whole.
        forms = translation.findall("numerusform")
        texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
        if kind or not all(text.strip() for text in texts):
            yield f"{kind or 'empty'} {key}"
        for text in texts:
            if text.strip() and (sorted(PLACEHOLDER.findall(key[1])) !=
                                 sorted(PLACEHOLDER.findall(text))):
                yield f"placeholders differ in {key}: {text!r}"


def main(lupdate, source_dir, *languages):
    source = Path(source_dir)
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / "vantel_en.ts"
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        "-I", str(source / "src"), str(source / "src"), "-ts", str(fresh)],
                       check=True)
        reference = messages(fresh)
    failures = [] if reference else ["lupdate found no texts in the sources"]
    for language in languages:
        ts_file = source / "translations" / f"vantel_{language}.ts"
        found = messages(ts_file) if ts_file.exists() else {}
        failures += [f"{ts_file.name}: {p}" for p in problems(reference, found)]
    print(f"{len(reference)} texts in {len(languages)} catalogues")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main(*sys.argv[1:])
