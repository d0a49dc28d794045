# How the end-to-end cases drive the Windows program under Wine: its time set by the test
# build's clock (QUENDAL_TEST_TIME, since no time faker reaches a Windows program's
# clock), its window found by its class. Sourced by window_e2e.sh, after desktop.sh and
# checks.sh.

program_name="the Windows program"

# A 32-bit program needs Wine's 32-bit side, which needs a machine that runs 32-bit
# programs at all; some kernels refuse them ("Exec format error").
use_wine "$EXE" "$work/prefix"
if ! "$loader" --version >/dev/null 2>&1; then
    echo "skipped: this machine cannot run $(basename "$loader") ($("$loader" --version 2>&1 | tail -n 1))"
    rm -rf "$work"
    exit 77
fi

program_setup() {
    if ! "$loader" wineboot -i >"$work/wineboot.log" 2>&1; then
        echo "FAIL: Wine could not make its prefix: $(tail -n 5 "$work/wineboot.log")"
        exit 1
    fi
    echo "ok: Wine $("$loader" --version) with $(basename "$loader"), for $(file -b "$EXE" | cut -d, -f1)"
}
program_cleanup() { wineserver -k 2>/dev/null || true; }

# The program's own lines on standard error (its failures, said in a message box too),
# apart from the warnings that Wine and the libraries under it write there.
program_errors() { grep '^quendal:' "$work/stderr" || true; }

# start_clock TIME [VAR=VALUE...] [PROGRAM]: starts the program (or another build of it)
# with its clock at TIME, written as a time faker writes it; sets pid and win, the managed
# top-level window.
start_clock() {
    local time=$1 program=$EXE
    shift
    local settings=()
    while [ $# -gt 0 ]; do
        case $1 in
            *=*) settings+=("$1") ;;
            *) program=$1 ;;
        esac
        shift
    done
    env QUENDAL_TEST_TIME="$time" ${settings[@]+"${settings[@]}"} "$loader" "$program" \
        >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    local class tries w
    class=$(basename "$program" | tr 'A-Z' 'a-z')
    for tries in $(seq 300); do
        for w in $(xdotool search --classname "$class" 2>/dev/null); do
            if xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state'; then
                win=$w
                return 0
            fi
        done
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    fail "no window at $time"
    return 1
}

# use_scale FACTOR: later starts draw the strip at that scale (1 is 96 dots per inch),
# as Windows' display setting does.
use_scale() {
    local dpi
    dpi=$(awk -v f="$1" 'BEGIN {printf "%d", f * 96}')
    "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    wineserver -w 2>/dev/null || true
}
