#!/usr/bin/env bash
# The Windows program under Wine, minimised and restored, on a virtual desktop with
# openbox and a tint2 taskbar, beside a bare Win32 program with the same timer and the
# same once-per-frame title (bare_title_win32.cpp); one after another, medians of RUNS
# runs. For each: refreshes per second, the program's CPU, wineserver's CPU (every call a
# Windows program makes into the system goes through it), the desktop's CPU (X server,
# window manager and taskbar) over the same seconds, and the program's resident memory.
# The clock runs at 03:25.
# Usage: measure_windows.sh WINDOWS_BENCH_BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$1
runs=${2:-5}
seconds=${3:-5}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
work=$(mktemp -d)
use_wine "$build/quendal.exe" "$work/prefix"
trap 'wineserver -k 2>/dev/null; stop_virtual_desktop; rm -rf "$work"' EXIT
start_virtual_desktop 1280x800x24 openbox+tint2
"$loader" wineboot -i >/dev/null 2>&1

source "$(dirname "$0")/measure_lib.sh"
at_0325="@$(date -d 'tomorrow 03:25' '+%Y-%m-%d %H:%M:%S')"

# measure NAME PROGRAM: one run of each state; appends
# "name state refreshes/s program% wineserver% desktop% rss" lines.
measure() {
    local name=$1 program=$2 log="$work/$1.log" class win w tries
    QUENDAL_TEST_TIME="$at_0325" "$loader" "$program" >"$log" 2>/dev/null &
    local pid=$!
    class=$(basename "$program" | tr 'A-Z' 'a-z')
    win=
    for tries in $(seq 300); do
        for w in $(xdotool search --classname "$class" 2>/dev/null); do
            xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state' && win=$w
        done
        [ -n "$win" ] && break
        sleep 0.05
    done
    # Running: its reports have begun.
    for tries in $(seq 100); do [ "$(reports "$log")" -ge 2 ] && break; sleep 0.1; done
    local desktop server state
    desktop=$(stats_of $(desktop_pids))
    server=$(stats_of $(pgrep -f 'wine/wineserver'))
    for state in minimised restored; do
        if [ "$state" = restored ]; then
            xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
        fi
        sleep 1.5
        local c0 n0 p0 s0 d0 c1 n1 p1 s1 d1
        c0=$(last_count "$log"); n0=$(reports "$log")
        p0=$(cpu_ticks "/proc/$pid/stat"); s0=$(cpu_ticks $server); d0=$(cpu_ticks $desktop)
        sleep "$seconds"
        c1=$(last_count "$log"); n1=$(reports "$log")
        p1=$(cpu_ticks "/proc/$pid/stat"); s1=$(cpu_ticks $server); d1=$(cpu_ticks $desktop)
        echo "$name $state $(((c1 - c0) / (n1 - n0))) $(percent "p1 - p0") $(percent "s1 - s0")" \
            "$(percent "d1 - d0") $(rss_kib "$pid")" >>"$work/results"
    done
    wmctrl -i -c "$win"
    wait "$pid" 2>/dev/null || true
}

for run in $(seq "$runs"); do
    measure quendal "$build/bench/window_probe.exe"
    measure bare "$build/bench/bare_title.exe"
done

echo "| program | state | refreshes/s | program CPU % | wineserver CPU % | desktop CPU % | together % | × bare | resident KiB |"
echo "|---|---|---|---|---|---|---|---|---|"
for state in minimised restored; do
    bare=$(total bare $state 4 6)
    for name in quendal bare; do
        together=$(total $name $state 4 6)
        echo "| $name | $state | $(column $name $state 3) | $(column $name $state 4) |" \
            "$(column $name $state 5) | $(column $name $state 6) | $together |" \
            "$(ratio "$together" "$bare") | $(column $name $state 7) |"
    done
done
