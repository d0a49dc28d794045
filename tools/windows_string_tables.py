#!/usr/bin/env python3
"""The Windows program's string tables, made from the translations at build time.

Usage: windows_string_tables.py OUT.rc OUT.h TS...

Each text of the translations gets a number; OUT.h lists the texts by context and English
with their numbers, which the program looks up, and OUT.rc has one string table per
language, so that Windows picks the user's UI language as it does for every resource. The
English table is US English, which Windows falls back to where it has no table for the
user's language: a neutral one would come before the user's own. A text a
translation lacks is left out of its table: the program says it in English.
"""
import sys

import translation_files

# Each translation's language, as Windows names it.
LANGUAGES = {
    'de': ('LANG_GERMAN', 'SUBLANG_NEUTRAL'),
    'fr': ('LANG_FRENCH', 'SUBLANG_NEUTRAL'),
    'es': ('LANG_SPANISH', 'SUBLANG_NEUTRAL'),
    'pt_BR': ('LANG_PORTUGUESE', 'SUBLANG_PORTUGUESE_BRAZILIAN'),
    'it': ('LANG_ITALIAN', 'SUBLANG_NEUTRAL'),
    'nl': ('LANG_DUTCH', 'SUBLANG_NEUTRAL'),
    'pl': ('LANG_POLISH', 'SUBLANG_NEUTRAL'),
    'ru': ('LANG_RUSSIAN', 'SUBLANG_NEUTRAL'),
    'zh_CN': ('LANG_CHINESE', 'SUBLANG_CHINESE_SIMPLIFIED'),
    'ja': ('LANG_JAPANESE', 'SUBLANG_NEUTRAL'),
}


def messages(path):
    """(context, English, translation or None) for each text the program says."""
    return [message for message in translation_files.messages(path)
            if message[0] not in translation_files.OUTSIDE_THE_PROGRAM]


def rc_string(text):
    escaped = text.replace('\\', '\\\\').replace('"', '""').replace('\n', '\\n')
    return 'L"' + escaped + '"'


def c_string(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def main():
    rc_path, header_path, translations = sys.argv[1], sys.argv[2], sys.argv[3:]
    texts = sorted({(context, english) for path in translations
                    for context, english, _ in messages(path)})
    ids = {text: number for number, text in enumerate(texts, start=1)}
    tables = ['#pragma code_page(65001)', '#include <winresrc.h>', '',
              'LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US', 'STRINGTABLE', 'BEGIN']
    tables += [f'    {ids[text]}, {rc_string(text[1])}' for text in texts]
    tables.append('END')
    for path in sorted(translations):
        primary, sub = LANGUAGES[translation_files.language(path)]
        tables += ['', f'LANGUAGE {primary}, {sub}', 'STRINGTABLE', 'BEGIN']
        tables += [f'    {ids[(context, english)]}, {rc_string(translated)}'
                   for context, english, translated in messages(path) if translated]
        tables.append('END')
    with open(rc_path, 'w', encoding='utf-8') as rc:
        rc.write('\n'.join(tables) + '\n')
    entries = [f'    {{{c_string(context)}, {c_string(english)}, {ids[(context, english)]}}},'
               for context, english in texts]
    with open(header_path, 'w', encoding='utf-8') as header:
        header.write('// Made by the build from the translations: each text\'s number in the\n'
                     '// string tables, in the order of context and English.\n'
                     '#pragma once\n\n#include "platform/win32/win32_words.h"\n\n'
                     'namespace quendal::win32 {\n\ninline constexpr TextId kTextIds[] = {\n'
                     + '\n'.join(entries) + '\n};\n\n}  // namespace quendal::win32\n')


if __name__ == '__main__':
    main()
