#!/usr/bin/env bash
# Every translation is whole and in step with the sources, so that a user never meets a
# missing word or a number dropped from a sentence:
#   - lupdate, run over the sources as the build runs it, would not change the file;
#   - every text has a translation, none unfinished or left empty;
#   - a translation holds exactly the placeholders of its English (%1, %2, ...);
#   - the menu entry and the metadata hold every translation of their words.
# Usage: translations_test.sh SOURCE_DIR LUPDATE
set -uo pipefail
source_dir=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

mapfile -t sources < <(find "$source_dir/src" -name '*.cpp' -o -name '*.h' | sort)
sources+=("$source_dir/tools/menu_entry_translations.py" "$source_dir/tools/windows_readme.py")
for ts in "$source_dir"/translations/quendal_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$lupdate" -silent -tr-function-alias QT_TRANSLATE_NOOP+=translatable -no-obsolete \
        -locations none "${sources[@]}" -ts "$work/$name" || status=1
    if ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL $name: lupdate would change it (build the target quendal_qt_lupdate):"
        diff "$ts" "$work/$name" | head -20
        status=1
    fi
done

/usr/bin/python3 - "$source_dir" "$source_dir"/translations/quendal_*.ts <<'PY' || status=1
import re, sys
sys.path.insert(0, sys.argv[1] + '/tools')
from translation_files import messages
failed = False
for path in sys.argv[2:]:
    name = path.rsplit('/', 1)[-1]
    for where, source, text in messages(path):
        if not text or not text.strip():
            print(f'FAIL {name}: {where}: "{source}" is not translated')
            failed = True
        elif sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', text)):
            print(f'FAIL {name}: {where}: "{text}" has other placeholders than "{source}"')
            failed = True
print(('FAIL' if failed else 'PASS') + f': {len(sys.argv) - 2} translations checked')
sys.exit(1 if failed else 0)
PY
/usr/bin/python3 "$source_dir/tools/menu_entry_translations.py" --check "$source_dir" || status=1
exit $status
