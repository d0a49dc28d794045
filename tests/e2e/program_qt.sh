# How the end-to-end cases drive the Qt program: its wall-clock time set by libfaketime,
# its window found by its process. Sourced by window_e2e.sh, after desktop.sh and checks.sh.

program_name="the Qt program"

# The program's errors, if any, for the verdicts.
program_errors() { cat "$work/stderr"; }

# start_clock TIME [VAR=VALUE...]: starts the program at that time, written as libfaketime
# writes it ("2026-12-08 03:25:46" stands still, "@..." runs on, "@... x10" ten times as
# fast); sets pid and win. A Wayland display is named too: where X is there as well, the
# program must choose X.
start_clock() {
    local time=$1
    shift
    "${AT_TIME[@]}" FAKETIME="$time" WAYLAND_DISPLAY=wayland-quendal-test \
        ${QUENDAL_SCALE:+QT_SCALE_FACTOR=$QUENDAL_SCALE} "$@" "$EXE" 2>"$work/stderr" &
    pid=$!
    win=$(window_of "$pid") || { fail "no window at $time: $(cat "$work/stderr")"; return 1; }
}

# use_scale FACTOR: later starts draw the strip at that scale (1 is 96 dots per inch).
use_scale() { QUENDAL_SCALE=$1; }

program_setup() { :; }
program_cleanup() { :; }
