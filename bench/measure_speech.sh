#!/usr/bin/env bash
# The clock restored and running with a screen reader (Debian's Orca) and without one, on
# a virtual desktop: Orca's CPU with the clock running beside Orca's CPU idle, and the
# clock's CPU with a screen reader beside its CPU without; RUNS runs of SECONDS each,
# one after another, medians. Prints a table.
# Usage: measure_speech.sh BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$1
runs=${2:-5}
seconds=${3:-10}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
work=$(mktemp -d)
bus_pid=
orca_pid=
finish() {
    for pid in $orca_pid $bus_pid; do kill "$pid" 2>/dev/null || true; done
    stop_virtual_desktop
    rm -rf "$work"
}
trap finish EXIT
start_virtual_desktop

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# percent PID: the process's share of one core over the next SECONDS.
percent() {
    local before
    before=$(cpu "$1")
    sleep "$seconds"
    awk -v t="$(($(cpu "$1") - before))" -v hz="$ticks" -v s="$seconds" \
        'BEGIN {printf "%.1f", t * 100 / hz / s}'
}
start_clock() {
    "${AT_TIME[@]}" FAKETIME="@$(date -d 'tomorrow 09:53' '+%Y-%m-%d %H:%M:%S')" \
        "$build/quendal" >/dev/null 2>&1 &
    clock=$!
    xdotool windowactivate --sync "$(window_of "$clock")" >/dev/null 2>&1 || true
    sleep 2
}
stop_clock() {
    kill "$clock"
    wait "$clock" 2>/dev/null || true
}

# Without a screen reader: no accessibility bus at all.
for run in $(seq "$runs"); do
    start_clock
    echo "alone $(percent "$clock")" >>"$work/results"
    stop_clock
done

# With Orca, which turns the screen reader on.
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
    { read -r a; read -r p; echo "export DBUS_SESSION_BUS_ADDRESS='$a'; bus_pid=$p"; })"
GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
orca --replace >/dev/null 2>&1 &
orca_pid=$!
sleep 5
for run in $(seq "$runs"); do
    echo "orca-idle $(percent "$orca_pid")" >>"$work/results"
    start_clock
    echo "orca-with-clock $(percent "$orca_pid")" >>"$work/results" &
    beside=$!
    echo "clock-with-orca $(percent "$clock")" >>"$work/results"
    wait "$beside"
    stop_clock
done

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
of() { awk -v n="$1" '$1 == n {print $2}' "$work/results" | median; }
echo "| measured | CPU % of a core | beside |"
echo "|---|---|---|"
echo "| Orca, the clock restored and running | $(of orca-with-clock) | Orca idle: $(of orca-idle)" \
    "($(awk -v a="$(of orca-with-clock)" -v b="$(of orca-idle)" 'BEGIN {printf "%+.1f", a - b}') points) |"
echo "| the clock, with Orca | $(of clock-with-orca) | without a screen reader: $(of alone)" \
    "($(awk -v a="$(of clock-with-orca)" -v b="$(of alone)" 'BEGIN {if (b > 0) printf "%.2f×", a / b}')) |"
