#!/usr/bin/env python3
"""The menu entry's and the software centre's words in every language, from the translations.

Usage: menu_entry_translations.py [--check] SOURCE_DIR

Writes into assets/org.quendal.Quendal.desktop and assets/org.quendal.Quendal.metainfo.xml,
after each English text below, its translation from each translations/quendal_LANG.ts
(context "Entry") where it has one, in place of the translations there before. With
--check it only says whether either file would change, and exits 1 if so. Qt's lupdate
reads the texts from this file as it reads the program's sources.
"""
import glob
import os
import re
import sys
from xml.sax.saxutils import escape

from translation_files import QT_TRANSLATE_NOOP, language, words


# The menu entry's keys and the metadata's elements whose English is translated.
GENERIC_NAME = QT_TRANSLATE_NOOP("Entry", "Decimal Clock")
COMMENT = QT_TRANSLATE_NOOP("Entry", "Tell the time as the percentage of the day gone by")
KEYWORDS = QT_TRANSLATE_NOOP("Entry", "clock;time;decimal;percent;stopwatch;alarm;")
DESCRIPTION = [
    QT_TRANSLATE_NOOP("Entry", "Quendal is a small desktop clock that shows the time as one "
                      "decimal number, the Reading: the percentage of the day gone by, cut into "
                      "four coloured digit fields in a thin strip window. At 03:25:46 it reads "
                      "14 28 93 518."),
    QT_TRANSLATE_NOOP("Entry", "It has three modes:"),
    QT_TRANSLATE_NOOP("Entry", "Clock: the part of the current day gone by, in percent"),
    QT_TRANSLATE_NOOP("Entry", "Stopwatch: the time since a start, in the same unit, with hold "
                      "and restart"),
    QT_TRANSLATE_NOOP("Entry", "Calendar: the part of the current year gone by, in percent"),
    QT_TRANSLATE_NOOP("Entry", "The clock normally sits in the taskbar, where its entry shows the "
                      "Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and "
                      "Sundays, it brings its window up and rings its bell until the bell is "
                      "clicked."),
]
# The program's name, the same in every language.
NAME = "Quendal"
ENTRY_KEYS = {"Name": None, "GenericName": GENERIC_NAME, "Comment": COMMENT,
              "Keywords": KEYWORDS}


def translations(source_dir):
    """{language: {English: translation}} for the context "Entry"."""
    paths = sorted(glob.glob(os.path.join(source_dir, "translations", "quendal_*.ts")))
    return {language(path): words(path, "Entry") for path in paths}


def menu_entry(text, by_language):
    lines = []
    for line in text.splitlines():
        key = line.split("=", 1)[0]
        if "[" in key and key.split("[", 1)[0] in ENTRY_KEYS:
            continue  # a translation from before
        lines.append(line)
        if key in ENTRY_KEYS and "=" in line:
            english = line.split("=", 1)[1]
            if ENTRY_KEYS[key] not in (None, english):
                sys.exit(f"menu entry: {key}={english} is not the text marked here")
            for code, translated in by_language.items():
                said = NAME if key == "Name" else translated.get(english)
                if said:
                    lines.append(f"{key}[{code}]={said}")
    return "\n".join(lines) + "\n"


def metadata(text, by_language):
    text = re.sub(r'\n[ \t]*<(summary|p|li) xml:lang="[^"]*">.*?</\1>', "", text, flags=re.S)
    known = {COMMENT, *DESCRIPTION}

    def translate(match):
        indent, tag, body = match.group(1), match.group(2), match.group(3)
        english = " ".join(body.split())
        if english not in known:
            return match.group(0)
        added = [f'{indent}<{tag} xml:lang="{code}">{escape(translated[english])}</{tag}>'
                 for code, translated in by_language.items() if english in translated]
        return match.group(0) + "".join("\n" + line for line in added)

    # Not the release notes, which stay as written.
    head, releases = text.split("<releases>", 1)
    head = re.sub(r"^([ \t]*)<(summary|p|li)>(.*?)</\2>", translate, head, flags=re.S | re.M)
    return head + "<releases>" + releases


def main():
    check = "--check" in sys.argv
    source_dir = [argument for argument in sys.argv[1:] if argument != "--check"][0]
    by_language = translations(source_dir)
    changed = []
    for name, rewrite in (("org.quendal.Quendal.desktop", menu_entry),
                          ("org.quendal.Quendal.metainfo.xml", metadata)):
        path = os.path.join(source_dir, "assets", name)
        with open(path, encoding="utf-8") as file:
            before = file.read()
        after = rewrite(before, by_language)
        if after != before:
            changed.append(name)
            if not check:
                with open(path, "w", encoding="utf-8") as file:
                    file.write(after)
    if check and changed:
        print("FAIL: not in step with the translations (run tools/menu_entry_translations.py): "
              + ", ".join(changed))
        sys.exit(1)


if __name__ == "__main__":
    main()
