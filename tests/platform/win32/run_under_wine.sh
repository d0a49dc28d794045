#!/usr/bin/env bash
# Runs a Windows test program under Wine, in a prefix of its own, on a virtual X display
# (Wine makes no window without one); both go with it. 77 (skipped) where this machine
# cannot run a program of its width.
# Usage: run_under_wine.sh PROGRAM.EXE
set -euo pipefail
source "$(dirname "$0")/../../../scripts/lib/desktop.sh"
use_wine "$1" "$(mktemp -d)"
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"; stop_virtual_desktop' EXIT
if ! "$loader" --version >/dev/null 2>&1; then
    echo "skipped: this machine cannot run $(basename "$loader")"
    exit 77
fi
start_virtual_desktop
"$loader" "$1"
