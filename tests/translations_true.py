#!/usr/bin/python3
"""Each translation stays true to the game's English: the .ts files are what lupdate makes of
today's source, every translation keeps its source's placeholders, is finished, and names the
access keys of its own menus where a hint names keys. Every failure names the language and the
message. Usage: translations_true.py LUPDATE SOURCE_FOLDER"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LUPDATE, SOURCE = sys.argv[1], sys.argv[2]
KEY_HINT = "No game in progress. Alt+F, N deals a word."


def messages(path):
    """{(context, source, disambiguation): (state, [translations], translator's comment, counted)}"""
    found = {}
    for context in ET.parse(path).getroot():
        for message in context.iter("message"):
            key = (context.findtext("name"), message.findtext("source"),
                   message.findtext("comment") or "")
            translation = message.find("translation")
            forms = [form.text or "" for form in translation.iter("numerusform")]
            found[key] = (translation.get("type"), forms or [translation.text or ""],
                          message.findtext("extracomment"), message.get("numerus"))
    return found


def made_by_lupdate(path, scratch):
    copy = os.path.join(scratch, os.path.basename(path))
    shutil.copy(path, copy)
    only = ["-pluralonly"] if path.endswith("_en.ts") else []
    subprocess.run([LUPDATE, "-silent", "-locations", "none", "-no-obsolete", *only, "-extensions",
                    "cpp,h", "-I", ".", "main_window", "game", "word_list", "about", "-ts", copy],
                   cwd=SOURCE, check=True, capture_output=True)
    return copy


def access_key(text):
    match = re.search(r"&(\w)", text)
    return match[1].upper() if match else "?"


def faults(path, scratch):
    language = os.path.basename(path)[len("gibbetry_"):-len(".ts")]
    ours, lupdates = messages(path), messages(made_by_lupdate(path, scratch))
    for key in sorted(set(ours) ^ set(lupdates)):
        change = "no longer in the source" if key in ours else "new in the source"
        yield f"{language}: {key[1]!r} ({key[0]}) is {change}"
    for key in sorted(set(ours) & set(lupdates)):
        if ours[key][2:] != lupdates[key][2:]:
            yield f"{language}: {key[1]!r} ({key[0]}) has a new comment or count in the source"
    for (context, source, _), (state, forms, _, _) in ours.items():
        wanted = sorted(set(re.findall(r"%(?:\d|n)", source)))
        for form in forms:
            if state == "unfinished" or not form:
                yield f"{language}: {source!r} ({context}) has no translation"
            elif sorted(set(re.findall(r"%(?:\d|n)", form))) != wanted:
                yield f"{language}: {form!r} does not keep the placeholders of {source!r}"
    texts = {source: forms[0] for (_, source, _), (_, forms, _, _) in ours.items()}
    for (context, source, _), (_, forms, _, _) in ours.items():
        if context == "StartingList" and not re.fullmatch(r"([A-Za-z]{3,12} ){34,}[A-Za-z]{3,12}", forms[0]):
            yield f"{language}: the starting list needs 35 words or more of 3 to 12 letters A to Z"
    if KEY_HINT in texts:
        keys = f"Alt+{access_key(texts['&File'])}, {access_key(texts['&New Game'])}"
        if keys not in texts[KEY_HINT]:
            yield f"{language}: {texts[KEY_HINT]!r} does not name its menus' keys, {keys}"


def main():
    files = sorted(glob.glob(os.path.join(SOURCE, "assets", "translations", "gibbetry_*.ts")))
    with tempfile.TemporaryDirectory() as scratch:
        found = [fault for path in files for fault in faults(path, scratch)]
    print("\n".join(found) or f"{len(files)} translations true to the source")
    return 1 if found or not files else 0


sys.exit(main())
