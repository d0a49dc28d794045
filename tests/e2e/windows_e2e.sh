#!/usr/bin/env bash
# The Windows program under Wine on a virtual X desktop (Xvfb and openbox), driven and
# read as a user would: the taskbar title while minimised, the restored strip's pixels,
# the alarm bringing the window up, its exit status, the refresh rate, and the strip at
# 192 dots per inch. The time is set through QUENDAL_TEST_TIME, which only a test build
# reads: no time faker reaches a Windows program's clock under Wine.
# Usage: windows_e2e.sh QUENDAL.EXE        (the probe is looked for in bench/ beside it)
# Screenshots are kept in $QUENDAL_SHOTS when it names a folder.
set -euo pipefail
EXE=$(readlink -f "$1")
PROBE=$(dirname "$EXE")/bench/window_probe.exe
source "$(dirname "$0")/../../scripts/lib/desktop.sh"
source "$(dirname "$0")/checks.sh"

# A 32-bit program needs Wine's 32-bit side, which needs a machine that runs 32-bit
# programs at all; some kernels refuse them ("Exec format error").
if file "$EXE" | grep -q 'PE32+'; then
    loader=/usr/lib/wine/wine64
else
    loader=/usr/lib/wine/wine
fi
if ! "$loader" --version >/dev/null 2>&1; then
    echo "skipped: this machine cannot run $(basename "$loader") ($("$loader" --version 2>&1 | tail -n 1))"
    exit 77
fi

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree=d;mshtml=d;winemenubuilder.exe=d'
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    stop_virtual_desktop
    rm -rf "$work"
}
trap cleanup EXIT
start_virtual_desktop
"$loader" wineboot -i >/dev/null 2>&1
echo "ok: Wine $("$loader" --version) with $(basename "$loader"), for $(file -b "$EXE" | cut -d, -f1)"

# start_clock TIME [PROGRAM]: starts the program with its clock at TIME (running); sets
# pid and win, the managed top-level window.
start_clock() {
    QUENDAL_TEST_TIME="$1" "$loader" "${2:-$EXE}" >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    local tries w
    for tries in $(seq 300); do
        for w in $(xdotool search --classname "$(basename "${2:-$EXE}" | tr 'A-Z' 'a-z')" 2>/dev/null); do
            if xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state'; then
                win=$w
                return 0
            fi
        done
        sleep 0.05
    done
    fail "no window at $1: $(cat "$work/stderr")"
    return 1
}
close_clock() {
    wmctrl -i -c "$win"
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] && pass "closing ends the program with status 0" ||
        fail "exit status $status after closing"
}
# shoot NAME: the window with its frame, kept where asked.
shoot() {
    local frame
    frame=$(xwininfo -id "$win" -children | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    import -window "$frame" "$work/$1.png"
    import -window "$win" "$work/$1-client.png"
    if [ -n "${QUENDAL_SHOTS:-}" ]; then
        mkdir -p "$QUENDAL_SHOTS"
        cp "$work/$1.png" "$QUENDAL_SHOTS/"
    fi
}
# count NAME X Y W H COLOUR: how many pixels of that colour the client area has there.
count() { convert "$work/$1-client.png" -crop "$4x$5+$2+$3" +repage txt:- | grep -ci "$6" || true; }

# 1. Minimised at 03:25:46 on a weekday, the taskbar title is the caption line, moving on.
start_clock "2026-12-08 03:25:46"
state_is Iconic && pass "starts minimised" || fail "not minimised at start"
wait_for "the caption line (got '$(window_title "$win")')" caption_is_line 14 &&
    pass "taskbar shows '$(window_title "$win")'"
first=$(window_title "$win")
sleep 1
[ "$(window_title "$win")" != "$first" ] && caption_is_line 14 &&
    pass "a second later: '$(window_title "$win")'" || fail "the title stands at '$first'"

# 2. Restored, the strip shows its pictures and the coloured digits.
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored" state_is Normal && wait_for "caption 'Quendal' once restored" title_is Quendal &&
    pass "restored, the caption is 'Quendal'"
sleep 1
shoot strip-96dpi
geometry=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geometry" = 481x33 ] && pass "the strip is 481x33" || fail "the strip is $geometry"
for label in "Blue 88 49 #0000FF" "Red 136 49 #FF0000" "Yellow 184 49 #FFFF00" "Green 232 65 #00FF00"; do
    read -r name x w colour <<<"$label"
    n=$(count strip-96dpi "$x" 0 "$w" 33 "$colour")
    [ "$n" -gt 10 ] && pass "$name digits drawn ($n pixels)" || fail "no $name digits"
done
dark=$(count strip-96dpi 304 0 41 33 '#000000\|#1[0-9A-F]1[0-9A-F]1[0-9A-F]')
[ "$dark" -gt 10 ] && pass "the bell's picture is drawn" || fail "no picture on the bell"
close_clock

# 3. At 15:00 on a weekday the alarm brings the window up, with the caption "Quendal".
start_clock "2026-12-08 14:59:58"
state_is Iconic || fail "minimised before the alarm"
for tries in $(seq 100); do state_is Normal && break; sleep 0.05; done
if state_is Normal; then
    pass "the alarm brought the window up"
    wait_for "caption 'Quendal' at the alarm" title_is Quendal && pass "caption 'Quendal' at the alarm"
else
    fail "the window did not come up at 15:00"
fi
close_clock

# 4. The refresh rate, minimised, counted by the probe build.
if [ -x "$PROBE" ]; then
    start_clock "2026-12-09 09:00:00" "$PROBE"
    sleep 6
    rate=$(awk '{print $2}' "$work/stdout" | tail -n 4 | awk 'NR == 1 {a = $1} {b = $1} END {print int((b - a) / (NR - 1))}')
    [ "${rate:-0}" -ge 500 ] && pass "$rate refreshes a second" || fail "only ${rate:-0} refreshes a second"
    close_clock
fi

# 5. At 192 dots per inch the strip scales as a whole: twice the size, crisp.
"$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
wineserver -w 2>/dev/null || true
start_clock "2026-12-08 03:25:46"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored at 192 dpi" state_is Normal
sleep 1
shoot strip-192dpi
geometry=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geometry" = 962x66 ] && pass "at 192 dpi the strip is 962x66" || fail "at 192 dpi the strip is $geometry"
n=$(count strip-192dpi 176 0 98 66 '#0000FF')
[ "$n" -gt 40 ] && pass "Blue digits drawn at 192 dpi ($n pixels)" || fail "no Blue digits at 192 dpi"
close_clock

echo "$failures failures"
[ "$failures" -eq 0 ]
