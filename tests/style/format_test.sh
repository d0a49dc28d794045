#!/usr/bin/env bash
# The sources keep the style of the committed .clang-format.
# Usage: format_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
files=$(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
if clang-format --dry-run -Werror $files; then
    echo "ok: $(echo "$files" | wc -l) files formatted"
else
    echo "FAIL: run clang-format -i on the files above"
    exit 1
fi
