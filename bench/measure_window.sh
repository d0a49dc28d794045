#!/usr/bin/env bash
# Refreshes per second, CPU share of one core and resident memory of the window, while
# minimised and while restored, beside a bare Qt program that sets its title every
# millisecond; both on the same virtual desktop, alternately, medians of RUNS runs.
# Usage: measure_window.sh BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$1
runs=${2:-5}
seconds=${3:-5}
source "$(dirname "$0")/../scripts/lib/desktop.sh"
work=$(mktemp -d)
trap 'stop_virtual_desktop; rm -rf "$work"' EXIT
start_virtual_desktop

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
# The programs print their count of refreshes once a second; the rate is taken between
# two of those reports, over whole seconds.
reports() { wc -l <"$1"; }
last_count() { tail -n 1 "$1" | awk '{print $2}'; }

# Both programs run at 09:00 tomorrow, hours before the clock's alarm.
nine_tomorrow=$(nine_tomorrow)

# measure NAME PROGRAM: one run; appends "name state refreshes/s cpu% rss" lines.
measure() {
    local name=$1 program=$2 log="$work/$1.log"
    "${AT_TIME[@]}" FAKETIME="$nine_tomorrow" \
        "$program" >"$log" 2>/dev/null &
    local pid=$! win state
    win=$(window_of "$pid")
    for state in minimised restored; do
        if [ "$state" = restored ]; then
            xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
        fi
        sleep 1.5
        local c0 n0 t0 c1 n1 t1
        c0=$(last_count "$log"); n0=$(reports "$log"); t0=$(cpu_ticks "$pid")
        sleep "$seconds"
        c1=$(last_count "$log"); n1=$(reports "$log"); t1=$(cpu_ticks "$pid")
        echo "$name $state $(((c1 - c0) / (n1 - n0))) $(((t1 - t0) * 100 / ticks / seconds))" \
            "$(rss_kib "$pid")" >>"$work/results"
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

for run in $(seq "$runs"); do
    measure quendal "$build/bench/window_probe"
    measure bare "$build/bench/bare_title"
done

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
column() { grep "^$1 $2 " "$work/results" | awk -v c="$3" '{print $c}' | median; }
echo "| state | refreshes/s (bare) | CPU % of a core (bare) | resident KiB (bare) |"
echo "|---|---|---|---|"
for state in minimised restored; do
    echo "| $state | $(column quendal $state 3) ($(column bare $state 3)) |" \
        "$(column quendal $state 4) ($(column bare $state 4)) |" \
        "$(column quendal $state 5) ($(column bare $state 5)) |"
done
