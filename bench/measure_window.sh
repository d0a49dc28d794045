#!/usr/bin/env bash
# The running window, minimised and restored, on a virtual desktop with openbox and a
# tint2 taskbar, beside bare Qt programs with a 1 ms timer that hand their title to the
# window at every tick or every 16 ms (one 60 Hz frame); all in the same run, one after
# another, medians of RUNS runs. For each: refreshes per second, the program's CPU, the
# desktop's CPU (X server, window manager and taskbar) over the same seconds, and the
# program's resident memory. The clock runs at 03:25, where its caption changes about
# 800 times a second. quendal-entry is the clock told of a session bus, with a listener to
# its launcher entry as a task manager that draws its bar would be; the bus's and the
# listener's CPU are counted with the desktop's for every program.
# Usage: measure_window.sh BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$1
runs=${2:-5}
seconds=${3:-5}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
unset DBUS_SESSION_BUS_ADDRESS
work=$(mktemp -d)
bus_pid=
listener=
trap 'kill $listener $bus_pid 2>/dev/null; stop_virtual_desktop; rm -rf "$work"' EXIT
start_virtual_desktop 1280x800x24 openbox+tint2
# A session bus and a listener to the launcher entry, which only quendal-entry is told of.
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
    { read -r a; read -r p; echo "bus_address='$a'; bus_pid=$p"; })"
DBUS_SESSION_BUS_ADDRESS=$bus_address dbus-monitor --session \
    "type='signal',interface='com.canonical.Unity.LauncherEntry'" >"$work/entry" 2>/dev/null &
listener=$!

source "$(dirname "$0")/measure_lib.sh"

# 03:25 tomorrow, running: hours before the clock's alarm.
at_0325="@$(date -d 'tomorrow 03:25' '+%Y-%m-%d %H:%M:%S')"

# measure NAME [VAR=VALUE...] PROGRAM [ARGUMENTS...]: one run of each state; appends
# "name state refreshes/s program% desktop% rss" lines.
measure() {
    local name=$1 log="$work/$1.log"
    shift
    "${AT_TIME[@]}" FAKETIME="$at_0325" "$@" >"$log" 2>/dev/null &
    local pid=$! win state desktop
    win=$(window_of "$pid")
    desktop=$(stats_of $(desktop_pids) "$bus_pid" "$listener")
    for state in minimised restored; do
        if [ "$state" = restored ]; then
            xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
        fi
        sleep 1.5
        local c0 n0 p0 d0 c1 n1 p1 d1
        c0=$(last_count "$log"); n0=$(reports "$log")
        p0=$(cpu_ticks "/proc/$pid/stat"); d0=$(cpu_ticks $desktop)
        sleep "$seconds"
        c1=$(last_count "$log"); n1=$(reports "$log")
        p1=$(cpu_ticks "/proc/$pid/stat"); d1=$(cpu_ticks $desktop)
        echo "$name $state $(((c1 - c0) / (n1 - n0))) $(percent "p1 - p0") $(percent "d1 - d0")" \
            "$(rss_kib "$pid")" >>"$work/results"
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

for run in $(seq "$runs"); do
    measure quendal "$build/bench/window_probe"
    measure quendal-entry DBUS_SESSION_BUS_ADDRESS="$bus_address" "$build/bench/window_probe"
    measure quendal-glib QT_NO_GLIB= "$build/bench/window_probe"
    measure bare "$build/bench/bare_title" 1
    measure bare-paced "$build/bench/bare_title" 16
done

echo "| program | state | refreshes/s | program CPU % | desktop CPU % | together % | × paced bare | resident KiB |"
echo "|---|---|---|---|---|---|---|---|"
for state in minimised restored; do
    paced=$(total bare-paced $state 4 5)
    for name in quendal quendal-entry quendal-glib bare bare-paced; do
        together=$(total $name $state 4 5)
        echo "| $name | $state | $(column $name $state 3) | $(column $name $state 4) |" \
            "$(column $name $state 5) | $together | $(ratio "$together" "$paced") |" \
            "$(column $name $state 6) |"
    done
done
