# What the window measurements share: CPU time and memory read from /proc, the programs'
# own reports of their refreshes, and medians. Sourced after `seconds` and `work` are set.

ticks=$(getconf CLK_TCK)
# cpu_ticks STAT...: the user and system time of those processes, in clock ticks.
cpu_ticks() { cat "$@" 2>/dev/null | awk '{n += $14 + $15} END {print n + 0}'; }
stats_of() { local pid; for pid in "$@"; do echo "/proc/$pid/stat"; done; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
# The programs print their count of refreshes once a second ("refreshes N", Windows' line
# ends included); the rate is taken between two of those reports, over whole seconds.
reports() { wc -l <"$1"; }
last_count() { tail -n 1 "$1" | tr -d '\r' | awk '{print $2}'; }
# percent TICKS: that many clock ticks as a share of one core over `seconds`.
percent() { awk -v t="$(($1))" -v hz="$ticks" -v s="$seconds" 'BEGIN {printf "%.1f", t * 100 / hz / s}'; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
# column NAME STATE FIELD: the median of that field of the results' lines for NAME in STATE.
column() { grep "^$1 $2 " "$work/results" | awk -v c="$3" '{print $c}' | median; }
# total NAME STATE FIRST LAST: the median of the sum of those fields.
total() {
    grep "^$1 $2 " "$work/results" |
        awk -v a="$3" -v b="$4" '{n = 0; for (i = a; i <= b; i++) n += $i; printf "%.1f\n", n}' | median
}
# ratio A B: A as a multiple of B.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "-"}'; }

# measure_in_work_folder: `work`, a folder for the measurement's files; at the exit the
# program under measurement (`clock`, a process id, if any) and the desktop are ended and
# the folder removed.
measure_in_work_folder() {
    work=$(mktemp -d)
    clock=
    trap 'end_measurement' EXIT
}
end_measurement() {
    [ -z "$clock" ] || kill "$clock" 2>/dev/null || true
    end_desktop
    rm -rf "$work"
}
