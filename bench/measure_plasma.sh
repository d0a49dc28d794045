#!/usr/bin/env bash
# Plasma's cost of the clock's tray item and taskbar entry, on a virtual desktop with
# Plasma's panel (task manager and system tray) over openbox: plasmashell's CPU share of
# one core, and how much it reads of the item again (its GetAll calls on the item and the
# bytes of their answers), alone, beside each clock named, running at its own pace.
# RUNS runs of SECONDS each, medians. Prints a table.
# Usage: measure_plasma.sh RUNS SECONDS NAME=COMMAND...  (a command of words, such as
#        caption=env DBUS_SESSION_BUS_ADDRESS=unix:path=/none build/test/quendal)
set -euo pipefail
runs=$1
seconds=$2
shift 2
source "$(dirname "$0")/../scripts/lib/desktop.sh"
source "$(dirname "$0")/measure_lib.sh"
measure_in_work_folder
start_session_bus
start_virtual_desktop 1280x800x24 openbox
start_plasma
shell=$(pgrep -n -x plasmashell)

# measure NAME: plasmashell's CPU over SECONDS, and what it asked of the item meanwhile.
measure() {
    dbus-monitor --session "type='method_call',member='GetAll'" "type='method_return'" \
        >"$work/calls" 2>/dev/null &
    local monitor=$! before
    sleep 0.3
    before=$(cpu_ticks "/proc/$shell/stat")
    sleep "$seconds"
    local share
    share=$(percent "$(cpu_ticks "/proc/$shell/stat") - $before")
    kill "$monitor"
    wait "$monitor" 2>/dev/null || true
    # GetAll calls on the item's path, and the size of the answers to them.
    local calls bytes
    calls=$(grep -c 'path=/StatusNotifierItem; interface=org.freedesktop.DBus.Properties; member=GetAll' "$work/calls" || true)
    bytes=$(awk '
        /^method call/ && /member=GetAll/ && /StatusNotifierItem/ {
            match($0, /serial=[0-9]+/); want[substr($0, RSTART + 7, RLENGTH - 7)] = 1; on = 0; next }
        /^method return/ {
            match($0, /reply_serial=[0-9]+/); on = (substr($0, RSTART + 13, RLENGTH - 13) in want); next }
        /^(method call|signal|error)/ { on = 0; next }
        on { n += length($0) + 1 }
        END { print n + 0 }' "$work/calls")
    echo "$1 $share $calls $bytes"
}

sleep 5
for run in $(seq "$runs"); do
    measure alone >>"$work/results"
    for named in "$@"; do
        name=${named%%=*}
        # shellcheck disable=SC2086  # the command's words
        "${AT_TIME[@]}" FAKETIME="@2026-12-08 03:25:46" ${named#*=} >/dev/null 2>&1 &
        clock=$!
        window_of "$clock" >/dev/null
        sleep 3
        measure "$name" >>"$work/results"
        kill "$clock"
        wait "$clock" 2>/dev/null || true
        clock=
        sleep 1
    done
done

echo "| plasmashell with | CPU % of a core | GetAll calls on the item in $seconds s | text of their answers (dbus-monitor's, bytes) |"
echo "|---|---|---|---|"
for what in alone "${@%%=*}"; do
    printf '| %s | %s | %s | %s |\n' "$what" \
        "$(awk -v w="$what" '$1 == w {print $2}' "$work/results" | median)" \
        "$(awk -v w="$what" '$1 == w {print $3}' "$work/results" | median)" \
        "$(awk -v w="$what" '$1 == w {print $4}' "$work/results" | median)"
done
