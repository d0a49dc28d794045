#!/usr/bin/env bash
# The running window, minimised and restored, on a virtual desktop with openbox and a
# tint2 taskbar, beside bare Qt programs with a 1 ms timer that hand their title to the
# window at every tick or every 16 ms (one 60 Hz frame); all in the same run, one after
# another, medians of RUNS runs. For each: refreshes per second, the program's CPU, the
# desktop's CPU (X server, window manager and taskbar) over the same seconds, and the
# program's resident memory. The clock runs at 03:25, where its caption changes about
# 800 times a second.
# Usage: measure_window.sh BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$1
runs=${2:-5}
seconds=${3:-5}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
work=$(mktemp -d)
trap 'stop_virtual_desktop; rm -rf "$work"' EXIT
start_virtual_desktop 1280x800x24 openbox+tint2

ticks=$(getconf CLK_TCK)
cpu_ticks() { cat "$@" 2>/dev/null | awk '{n += $14 + $15} END {print n + 0}'; }
stats_of() { local pid; for pid in "$@"; do echo "/proc/$pid/stat"; done; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
# The programs print their count of refreshes once a second; the rate is taken between
# two of those reports, over whole seconds.
reports() { wc -l <"$1"; }
last_count() { tail -n 1 "$1" | awk '{print $2}'; }
percent() { awk -v t="$(($1))" -v hz="$ticks" -v s="$seconds" 'BEGIN {printf "%.1f", t * 100 / hz / s}'; }

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
    desktop=$(stats_of $(desktop_pids))
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
    measure quendal-glib QT_NO_GLIB= "$build/bench/window_probe"
    measure bare "$build/bench/bare_title" 1
    measure bare-paced "$build/bench/bare_title" 16
done

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
column() { grep "^$1 $2 " "$work/results" | awk -v c="$3" '{print $c}' | median; }
total() { grep "^$1 $2 " "$work/results" | awk '{printf "%.1f\n", $4 + $5}' | median; }
echo "| program | state | refreshes/s | program CPU % | desktop CPU % | together % | × paced bare | resident KiB |"
echo "|---|---|---|---|---|---|---|---|"
for state in minimised restored; do
    paced=$(total bare-paced $state)
    for name in quendal quendal-glib bare bare-paced; do
        together=$(total $name $state)
        ratio=$(awk -v a="$together" -v b="$paced" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "-"}')
        echo "| $name | $state | $(column $name $state 3) | $(column $name $state 4) |" \
            "$(column $name $state 5) | $together | $ratio | $(column $name $state 6) |"
    done
done
