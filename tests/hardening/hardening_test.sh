#!/usr/bin/env bash
# The program is built hardened: a position-independent executable with full RELRO, a
# stack protector and the checked variants of the C library's string and I/O functions.
# Usage: hardening_test.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/lib/verdicts.sh"
check() {
    local what=$1
    shift
    if "$@" >/dev/null; then pass "$what"; else fail "$what"; fi
}
check "position-independent executable" bash -c "readelf -h '$program' | grep -q 'Type: *DYN'"
check "RELRO segment" bash -c "readelf -lW '$program' | grep -q GNU_RELRO"
check "bound at load time (full RELRO)" bash -c "readelf -dW '$program' | grep -qE 'BIND_NOW|FLAGS_1.*NOW'"
check "stack protector" bash -c "readelf --dyn-syms -W '$program' | grep -q __stack_chk_fail"
check "checked library functions (_FORTIFY_SOURCE)" \
    bash -c "readelf --dyn-syms -W '$program' | grep -qE '__[a-z]+_chk'"
check "no executable stack" bash -c "readelf -lW '$program' | grep GNU_STACK | grep -qv RWE"
verdict
