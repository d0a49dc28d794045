#!/usr/bin/env bash
# GNOME Shell's CPU with the clock's tray item and without, on a virtual desktop with the
# tray extension: the shell alone; with the clock's item and a label that stands still (the
# clock frozen); with a stand-in item whose label changes 1, 2, 5, 10 and 20 times a
# second (tray_label_pace.py); and with the clock running, without its item (its caption
# alone) and with it, the label at its own pace.
# RUNS runs of SECONDS each, medians. Prints a table.
# Usage: measure_tray.sh BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$1
runs=${2:-5}
seconds=${3:-10}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
source "$(dirname "$0")/measure_lib.sh"
measure_in_work_folder
start_virtual_desktop 1280x800x24 gnome-shell
shell=$(pgrep -x gnome-shell | head -n 1)

# shares PID...: each process's share of one core over the next `seconds`.
shares() {
    local before=() pid i=0 out=
    for pid; do before+=("$(cpu_ticks "/proc/$pid/stat")"); done
    sleep "$seconds"
    for pid; do
        out+="$(percent "$(cpu_ticks "/proc/$pid/stat") - ${before[i]}") "
        i=$((i + 1))
    done
    echo "$out"
}
# start_clock TIME [VAR=VALUE...]
start_clock() {
    "${AT_TIME[@]}" FAKETIME="$1" "${@:2}" "$build/quendal" >/dev/null 2>&1 &
    clock=$!
    window_of "$clock" >/dev/null
    sleep 2
}
stop_clock() {
    kill "$clock"
    wait "$clock" 2>/dev/null || true
    clock=
}
# changes WHAT: the shell's and the clock's CPU over the next SECONDS, and the label's
# changes over them as the shell hears them.
changes() {
    kill -0 "$shell" 2>/dev/null || { echo "GNOME Shell ended before: $1" >&2; exit 1; }
    dbus-monitor --session "type='signal',member='XAyatanaNewLabel'" >"$work/labels" 2>/dev/null &
    local monitor=$!
    sleep 0.3
    echo "$1 $(shares "$shell" "$clock") $(grep -c member=XAyatanaNewLabel "$work/labels")"
    kill "$monitor"
}

# start_stand_in RATE: the stand-in item at that pace, measured as the clock is.
start_stand_in() {
    /usr/bin/python3 "$(dirname "$0")/tray_label_pace.py" "$1" &
    clock=$!
    sleep 2
}

sleep 3
for run in $(seq "$runs"); do
    echo "alone $(shares "$shell") - 0" >>"$work/results"
    start_clock "2026-12-08 03:25:46"
    changes still >>"$work/results"
    stop_clock
    for rate in 1 2 5 10 20; do
        start_stand_in "$rate"
        changes "stand-in-$rate" >>"$work/results"
        stop_clock
    done
    # The running clock's caption changes with every frame, and the shell, as the window
    # manager, takes each: measured without the item (no session bus) and with it.
    start_clock "@2026-12-08 03:25:46" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
    changes caption >>"$work/results"
    stop_clock
    start_clock "@2026-12-08 03:25:46"
    changes running >>"$work/results"
    stop_clock
done

echo "| the shell with | label changes/s | shell CPU % | clock CPU % |"
echo "|---|---|---|---|"
for what in alone still stand-in-1 stand-in-2 stand-in-5 stand-in-10 stand-in-20 caption running; do
    rate=$(awk -v w="$what" -v s="$seconds" '$1 == w {print $4 / (s + 0.3)}' "$work/results" | median)
    printf '| %s | %.1f | %s | %s |\n' "$what" "$rate" \
        "$(awk -v w="$what" '$1 == w {print $2}' "$work/results" | median)" \
        "$(awk -v w="$what" '$1 == w {print $3}' "$work/results" | median)"
done
