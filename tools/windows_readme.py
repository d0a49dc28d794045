#!/usr/bin/env python3
"""The word on how to use it that comes with the Windows program, in every language.

Usage: windows_readme.py OUTDIR VERSION TS...

Writes OUTDIR/README.txt in English and OUTDIR/README.LANG.txt for each translation
(translations/quendal_LANG.ts, context "Readme"), each paragraph in the translation's
words where it has them and in English where not; in Windows' line endings, the
translated ones in UTF-8 with a byte-order mark, by which Notepad knows them. Qt's lupdate
reads the texts from this file as it reads the program's sources.
"""
import os
import re
import sys
import textwrap

from translation_files import QT_TRANSLATE_NOOP, language, words


# The document, block by block: a title, a paragraph, a list item or a heading.
DOCUMENT = [
    ("title", QT_TRANSLATE_NOOP("Readme", "Quendal %1, a decimal desktop clock")),
    ("p", QT_TRANSLATE_NOOP("Readme", "Quendal tells the time as one number, the Reading: the "
                            "percentage of the day gone by. At 03:25:46 it reads 14.2893518, "
                            "shown as four coloured fields: 14 in blue (the whole percent), "
                            "then the decimals, 28 in red, 93 in yellow and 518 in green. A "
                            "Reading below 0.1 is shown with its power of ten in the last "
                            "field: 3 47 22 E-2 is 0.0347222.")),
    ("p", QT_TRANSLATE_NOOP("Readme", "It starts minimised: it lives in the taskbar, where its "
                            "button's caption shows the Reading. Where the taskbar shows no "
                            "captions (Windows 10 and 11 by default), the button's progress bar "
                            "shows the part of the day gone by, and a small badge the whole "
                            "percent. Click the button to see the coloured strip.")),
    ("p", QT_TRANSLATE_NOOP("Readme", "The three buttons on the right choose what the Reading "
                            "measures:")),
    ("li", QT_TRANSLATE_NOOP("Readme", "the clock: the percentage of the day gone by;")),
    ("li", QT_TRANSLATE_NOOP("Readme", "the stopwatch: the time since it was started, in the "
                             "same unit (100 is a day);")),
    ("li", QT_TRANSLATE_NOOP("Readme", "the calendar: the percentage of the year, every month "
                             "counted as 30.5 days.")),
    ("p", QT_TRANSLATE_NOOP("Readme", "With the stopwatch, the light bulb (Go) holds the display "
                            "while the stopwatch runs on, and the warning triangle (Reset) starts "
                            "it again from zero; pressed while the display is held, it starts "
                            "again from zero when the display runs again. The stopwatch never "
                            "stops, and counts on across midnight.")),
    ("p", QT_TRANSLATE_NOOP("Readme", "The alarm goes off once per run: at 15:00 on weekdays (a "
                            "Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The "
                            "window comes up and the bell rings until you click the bell button, "
                            "or press space on it. Clicking the bell before then disarms the "
                            "alarm.")),
    ("p", QT_TRANSLATE_NOOP("Readme", "While the session is locked or the display is off, the "
                            "clock shows nothing new and wakes once a second only for the alarm, "
                            "which comes at its time all the same. While Windows saves energy, it "
                            "refreshes ten times a second.")),
    ("h", QT_TRANSLATE_NOOP("Readme", "Starting it at log-in")),
    ("li", QT_TRANSLATE_NOOP("Readme", "With the installer: msiexec /i quendal-%1-win32.msi "
                             "STARTATLOGIN=1")),
    ("li", QT_TRANSLATE_NOOP("Readme", "By hand: press Windows+R, type shell:startup and press "
                             "Enter, and put a shortcut to quendal.exe in the folder that "
                             "opens.")),
    ("h", QT_TRANSLATE_NOOP("Readme", "Removing it")),
    ("p", QT_TRANSLATE_NOOP("Readme", "Installed: in Settings, Apps (or Control Panel, Programs "
                            "and Features), choose Quendal and Uninstall. From this zip: delete "
                            "the folder; Quendal writes nothing anywhere else.")),
    ("h", QT_TRANSLATE_NOOP("Readme", "Windows may warn of an unknown publisher")),
    ("p", QT_TRANSLATE_NOOP("Readme", "Quendal is not signed with a code-signing certificate, "
                            "so Windows may say that it protected your PC from an unrecognised "
                            "app, or name no publisher. That is a statement about the signature, "
                            "not about the program: Quendal is free software under the MIT "
                            "licence (LICENSE.txt), built from its public sources. If you trust "
                            "where you got it from, choose \"More info\" and \"Run anyway\".")),
]
WIDTH = 88


def wrap(text, **layout):
    """Lines of WIDTH at most, never breaking the digit groups ("3 47 22 E-2") apart."""
    joined = re.sub(r"\d+(?: (?:\d+|E-\d+)){2,3}",
                    lambda groups: groups.group(0).replace(" ", "\0"), text)
    return [line.replace("\0", " ")
            for line in textwrap.wrap(joined, WIDTH, break_on_hyphens=False, **layout)]


def document(translated, version):
    lines = []
    previous = None
    for kind, english in DOCUMENT:
        text = translated.get(english, english).replace("%1", version)
        if kind == "title":
            lines += [text, "=" * len(text), ""]
        elif kind == "h":
            while lines and lines[-1] == "":
                lines.pop()
            lines += ["", text, "-" * len(text)]
        elif kind == "li":
            if previous == "p" and lines[-1] == "":
                lines.pop()  # a list follows its lead-in
            lines += wrap(text, initial_indent="- ", subsequent_indent="  ")
        else:
            if lines[-1] != "" and previous != "h":
                lines.append("")
            lines += wrap(text) + [""]
        previous = kind
    while lines and lines[-1] == "":
        lines.pop()
    return "\r\n".join(lines) + "\r\n"


def main():
    out, version, sources = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "README.txt"), "w", encoding="utf-8", newline="") as file:
        file.write(document({}, version))
    for path in sources:
        name = os.path.join(out, f"README.{language(path)}.txt")
        with open(name, "w", encoding="utf-8-sig", newline="") as file:
            file.write(document(words(path, "Readme"), version))


if __name__ == "__main__":
    main()
