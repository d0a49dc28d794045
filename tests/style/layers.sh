#!/usr/bin/env bash
# Each layer of src/ includes only from the layers it is built on (src/CMakeLists.txt),
# and no toolkit reaches the toolkit-neutral ones: a source that includes from a layer
# above or beside its own, or a toolkit's header where none belongs, fails here.
# Usage: layers.sh SOURCE_DIR
set -euo pipefail
cd "$1/src"

# FOLDER|the folders its quoted includes may come from|whether toolkit headers may come in
LAYERS=(
    "reading|reading|no"
    "platform/interface|reading platform/interface|no"
    "platform/clock|reading platform/interface platform/clock|no"
    "platform/rules|reading platform/interface platform/rules|no"
    "platform/desktop|reading platform/interface platform/rules platform/desktop|no"
    "platform/qt/display|reading platform/interface platform/rules platform/qt/display platform/qt/shared|yes"
    "platform/qt/dbus|reading platform/interface platform/rules platform/desktop platform/qt/dbus platform/qt/shared|yes"
    "platform/qt|reading platform/interface platform/rules platform/desktop platform/clock platform/qt|yes"
    "platform/win32|reading platform/interface platform/rules platform/clock platform/win32|yes"
    "window|reading platform/interface window|no"
)
# The system's own headers a toolkit-neutral layer may use beside the standard library:
# the clock's, which read the system's time.
NEUTRAL_SYSTEM='^(time\.h|windows\.h|sys/time\.h)$'

failures=0
for layer in "${LAYERS[@]}"; do
    IFS='|' read -r folder allowed toolkit <<<"$layer"
    # A folder's files, not those of a deeper folder that has a row of its own.
    while IFS= read -r file; do
        deeper=no
        for other in "${LAYERS[@]}"; do
            other=${other%%|*}
            [[ "$other" != "$folder" && "$other" == "$folder"/* && "$file" == "$other"/* ]] && deeper=yes
        done
        [ "$deeper" = yes ] && continue
        while IFS= read -r included; do
            ok=no
            for prefix in $allowed; do
                [[ "$included" == "$prefix"/* ]] && ok=yes
            done
            if [ "$ok" = no ]; then
                echo "FAIL: $file includes \"$included\", outside ${allowed// /, }"
                failures=$((failures + 1))
            fi
        done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
        if [ "$toolkit" = no ]; then
            while IFS= read -r system; do
                if [[ "$system" =~ ^Q || ( "$system" == *.h* && ! "$system" =~ $NEUTRAL_SYSTEM ) ]]; then
                    echo "FAIL: $file includes <$system> in a toolkit-neutral layer"
                    failures=$((failures + 1))
                fi
            done < <(sed -n 's/^#include <\([^>]*\)>.*/\1/p' "$file")
        fi
    done < <(find "$folder" -name '*.h' -o -name '*.cpp' | sort)
done
[ "$failures" -eq 0 ] && echo "ok: every layer includes only from those beneath it"
exit $((failures > 0))
