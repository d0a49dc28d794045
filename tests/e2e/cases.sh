# The end-to-end cases, one table for both programs: each row names a case and, for the
# Qt program and the Windows program, "run" or why the case cannot run on it. Each case
# (cases/, by theme) drives the program as a user would, through the program's driver that
# window_e2e.sh sourced (start_clock, use_scale, program_errors) and the shared one
# (driver.sh), and reads the title, the map state, the pixels and the bells. Sourced by
# window_e2e.sh.

CASES=(
    "failure_stays_until_dismissed|a failure there prints one line on stderr and ends with status 1 (scripts/check-faults); it has no box|run"
    "captions_in_the_taskbar|run|run"
    "restore_and_minimise|run|run"
    "keyboard_right_after_restore|run|run"
    "modes_by_click|run|run"
    "hold_and_pending_restart|run|run"
    "alarm_on_a_weekday_silenced_by_a_click|run|run"
    "alarm_at_the_weekend_silenced_by_space|run|run"
    "alarm_while_locked|run|run"
    "alarm_under_gnome|run|under mutter Wine maps a window first shown minimised as a normal one, which Windows does not; the alarm itself passes there (window up, bells, silenced by a click)"
    "full_screen|run|run"
    "scaled_strip|run|run"
    "small_screen|run|run"
    "screen_reader|run|Wine has no bridge to AT-SPI: a Windows screen reader reads the program through Windows' own accessibility objects (next row)"
    "windows_screen_reader|Linux desktops read the program through AT-SPI (row above)|run"
    "high_contrast|run|Wine has no high-contrast setting to turn on: SPI_GETHIGHCONTRAST says it is off"
    "wayland_asked_for_over_x|run|a Windows program knows no Wayland: Wine gives it X"
    "no_display|run|Wine itself needs the display: wine says so before the program starts"
    "wayland_only|run|a Windows program knows no Wayland: Wine gives it X"
    "no_maximise|run|run"
    "refresh_rate|measured by ./scripts/performance (bench/window_probe), whose build the tests do not make|run"
    "launcher_entry|run|Windows has no launcher entry: its taskbar button carries the bar and count (next row)"
    "tray_item|run|Windows keeps its taskbar button, whose bar, count and flashing say it all; its notification area shows no text"
    "tray_item_paced|run|as above: no tray item on Windows"
    "taskbar_button|Linux desktops have no such calls: the launcher entry carries the bar and count (row above)|run"
    "in_german|run|run"
    "quiet_while_unseen|run|run"
    "power_saver|run|Windows hands a power setting to the window by a pointer into its own process, which no other process can send: the binding's test (win32_audience_watch) sends it there"
)

source "$E2E_DIR/driver.sh"
source "$E2E_DIR/../../scripts/lib/desktop_services.sh"
session_change=${QUENDAL_SESSION_CHANGE:-}
for theme in window_state alarm accessibility displays taskbar unseen; do
    source "$E2E_DIR/cases/$theme.sh"
done

# What a case left running, ended: the program, the bell counter, the helpers it started
# (case_pids) and the desktop services it faked (fakes: scripts/lib/desktop_services.sh),
# so that the next case begins on a clean desktop.
case_pids=()
fakes=()
end_case() {
    local p
    for p in "$pid" "$bell_counter" ${case_pids[@]+"${case_pids[@]}"} ${fakes[@]+"${fakes[@]}"}; do
        [ -z "$p" ] || { kill "$p" 2>/dev/null && wait "$p" 2>/dev/null; } || true
    done
    pid='' bell_counter='' case_pids=() fakes=()
    return 0
}

# Runs every case whose row says "run" for this program; says why for the others.
run_table() {
    local column=2 row name qt windows reason
    [ "$program" = windows ] && column=3
    for row in "${CASES[@]}"; do
        IFS='|' read -r name qt windows <<<"$row"
        # QUENDAL_CASES="name ...": only those, for a developer working on them.
        [ -z "${QUENDAL_CASES:-}" ] || [[ " $QUENDAL_CASES " == *" $name "* ]] || continue
        reason=$([ "$column" -eq 2 ] && echo "$qt" || echo "$windows")
        if [ "$reason" = run ]; then
            echo "== $name"
            # Each check of a case says its own failure and the case goes on; one that
            # cannot go on says so and returns. Either way the next case runs.
            "case_$name" || true
            end_case
        else
            echo "== $name: not for $program_name: $reason"
        fi
    done
}
