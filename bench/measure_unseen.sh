#!/usr/bin/env bash
# The clock while nobody can see the screen and while the system saves power, on a virtual
# desktop with openbox and a tint2 taskbar, beside the same desktop without the clock: for
# each state, minimised and restored, the program's wake-ups a second (the context
# switches of all its threads, from the kernel's accounting), its CPU, the desktop's CPU
# (X server, window manager, taskbar) over the same seconds, and its caption's changes a
# second. The Qt program hears each source faked on buses of the script's own
# (python3-dbusmock); the Windows program (a build for this machine's Wine) is told of a
# lock as Windows tells it. Medians of RUNS runs.
# Usage: measure_unseen.sh QUENDAL WINDOWS_QUENDAL.EXE SESSION_CHANGE.EXE [RUNS] [SECONDS]
set -euo pipefail
qt_program=$1
windows_program=$2
session_change=$3
runs=${4:-3}
seconds=${5:-4}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
work=$(mktemp -d)
use_wine "$windows_program" "$work/prefix"
trap 'kill ${fakes[@]+"${fakes[@]}"} 2>/dev/null; wineserver -k 2>/dev/null; stop_session_bus; stop_virtual_desktop; rm -rf "$work"' EXIT
start_session_bus
start_system_bus
start_virtual_desktop 1280x800x24 openbox+tint2
"$loader" wineboot -i >/dev/null 2>&1
source "$(dirname "$0")/measure_lib.sh"
at_0325="@$(date -d 'tomorrow 03:25' '+%Y-%m-%d %H:%M:%S')"

source "$(dirname "$0")/../scripts/lib/desktop_services.sh"
fakes=()
for source in logind gnome freedesktop power-saver; do
    fake_source "$source"
done

# set STATE on|off: what the state's source says; none for the clock seen as ever.
set_state() {
    case $1 in
        running | alone) ;;
        locked) say_source session "$2" ;;
        *) say_source "$1" "$2" ;;
    esac
}

# sample NAME STATE PID WIN: one sample of `seconds`; appends
# "name state wakeups/s program% desktop% captions/s".
sample() {
    local name=$1 state=$2 pid=$3 win=$4 desktop w0 p0 d0 w1 p1 d1 captions=0
    desktop=$(stats_of $(desktop_pids))
    w0=0 p0=0 w1=0 p1=0
    [ -n "$pid" ] && w0=$(wakeups "$pid") && p0=$(cpu_ticks "/proc/$pid/stat")
    d0=$(cpu_ticks $desktop)
    if [ -n "$win" ]; then
        captions=$(timeout "$seconds" xprop -spy -id "$win" _NET_WM_NAME 2>/dev/null | wc -l || true)
        captions=$((captions > 0 ? captions - 1 : 0))  # the first line is the caption as it stood
    else
        sleep "$seconds"
    fi
    [ -n "$pid" ] && w1=$(wakeups "$pid") && p1=$(cpu_ticks "/proc/$pid/stat")
    d1=$(cpu_ticks $desktop)
    echo "$name $state $(awk -v n="$((w1 - w0))" -v s="$seconds" 'BEGIN {printf "%.1f", n / s}')" \
        "$(percent "p1 - p0") $(percent "d1 - d0")" \
        "$(awk -v n="$captions" -v s="$seconds" 'BEGIN {printf "%.1f", n / s}')" >>"$work/results"
}

# measure PROGRAM NAME STATE: the program started running at 03:25, the state made, then a
# sample minimised and one restored; the state unmade before it ends.
measure() {
    local program=$1 name=$2 state=$3 pid win w tries
    if [ "$program" = qt ]; then
        "${AT_TIME[@]}" FAKETIME="$at_0325" "$qt_program" 2>/dev/null &
        pid=$!
        win=$(window_of "$pid")
    else
        QUENDAL_TEST_TIME="$at_0325" "$loader" "$windows_program" >/dev/null 2>&1 &
        pid=$!
        win=
        for tries in $(seq 300); do
            for w in $(xdotool search --classname quendal.exe 2>/dev/null); do
                xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state' && win=$w
            done
            [ -n "$win" ] && break
            sleep 0.05
        done
    fi
    sleep 1.5
    set_state "$state" on
    sleep 1
    sample "$name" "$state-minimised" "$pid" "$win"
    set_state "$state" off
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
    sleep 1
    set_state "$state" on
    sleep 1
    sample "$name" "$state-restored" "$pid" "$win"
    set_state "$state" off
    wmctrl -i -c "$win"
    wait "$pid" 2>/dev/null || true
}

for run in $(seq "$runs"); do
    sample desktop alone "" ""
    for state in running logind gnome freedesktop x power-saver; do
        measure qt quendal "$state"
    done
    for state in running locked; do
        measure windows quendal.exe "$state"
    done
done

# beside DESKTOP ALONE: the desktop's CPU as a multiple of its CPU alone; where both are
# nothing, the same.
beside() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else if (a == 0) print "1.00 (both 0)"; else print "-" }'; }
alone=$(column desktop alone 5)
echo "The desktop alone, without the clock: $alone % of a core."
echo
echo "| program | state | window | wake-ups/s | program CPU % | desktop CPU % | × desktop alone | caption changes/s |"
echo "|---|---|---|---|---|---|---|---|"
for name in quendal quendal.exe; do
    states=(running logind gnome freedesktop x power-saver)
    [ "$name" = quendal.exe ] && states=(running locked)
    for state in "${states[@]}"; do
        for window in minimised restored; do
            desktop=$(column "$name" "$state-$window" 5)
            echo "| $name | $state | $window | $(column "$name" "$state-$window" 3) |" \
                "$(column "$name" "$state-$window" 4) | $desktop | $(beside "$desktop" "$alone") |" \
                "$(column "$name" "$state-$window" 6) |"
        done
    done
done
