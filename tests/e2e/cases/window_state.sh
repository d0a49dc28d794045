# End-to-end cases on the window and its states: restored, minimised, maximised and full
# screen; the keyboard and the mouse on the strip; a failure shown until dismissed.
# Sourced by cases.sh.

case_failure_stays_until_dismissed() {
    # A failure once the window is up: the box says why, stays until dismissed, and only
    # then does the program end, with status 1. An unreadable test time is refused so.
    local time failure box status tries
    while IFS='|' read -r time failure; do
        wait_for "the last box gone" test -z "$(message_box)"
        env QUENDAL_TEST_TIME="$time" ${failure:+QUENDAL_TEST_FAILURE=$failure} "$loader" "$EXE" \
            >/dev/null 2>"$work/stderr" &
        pid=$!
        box=
        for tries in $(seq 200); do
            box=$(message_box)
            [ -n "$box" ] && break
            sleep 0.05
        done
        if [ -z "$box" ]; then
            fail "no message box for '$time' ${failure:+failing after $failure s}"
            kill "$pid" 2>/dev/null || true
            continue
        fi
        sleep 2
        # Wine may make the box's X window anew meanwhile: it is looked for again.
        if kill -0 "$pid" 2>/dev/null && wait_for "the box on show" has_message_box; then
            pass "the box for '$time' ${failure:+failing after $failure s }stays until dismissed"
        else
            fail "the box for '$time' ${failure:+failing after $failure s }went by itself"
        fi
        # Closed as a user closes it. (A Return sent here can reach the next box too.)
        for tries in $(seq 20); do
            wmctrl -i -c "$(message_box)" 2>/dev/null && break
            sleep 0.1
        done
        status=0
        wait "$pid" || status=$?
        pid=
        [ "$status" -eq 1 ] && pass "dismissed, the program ends with status 1" ||
            fail "status $status after the box"
        [[ $(program_errors) == "quendal: "* ]] && pass "said on standard error: $(program_errors)" ||
            fail "no failure on standard error: '$(program_errors)'"
    done <<'SETTINGS'
@2026-12-08 03:25:46|1
garbage|
2026-13-45 99:99:99|
SETTINGS
}

case_restore_and_minimise() {
    start_clock "2026-12-08 03:25:46" || return 0
    wait_for "caption line before restoring" title_is "14 28 93 518"
    restore
    wait_for "caption 'Quendal' while restored" title_is Quendal &&
        pass "restored, the caption is 'Quendal'"
    sleep 0.5
    shoot restored
    local geometry
    geometry=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$geometry" = 481x33 ] && pass "the strip is 481x33" || fail "the strip is $geometry"
    fields restored 1
    minimise
    wait_for "caption line again once minimised" title_is "14 28 93 518" &&
        pass "minimised again, the taskbar shows the Reading"
    close_clock
}

case_keyboard_right_after_restore() {
    start_bells
    start_clock "@2026-12-08 03:25:46" || { stop_bells; return 0; }
    wait_for "caption line" caption_is_line 14
    restore
    # No click first: the focus starts on the bell, and space rings it and silences it.
    local before
    before=$(bells)
    press space
    wait_for "space rings the bell at once after a restore" test "$(bells)" -gt "$before" &&
        pass "space right after a restore rings the bell"
    press space
    silenced "space again"
    # Tab reaches the selected mode (Go and Reset are disabled), the arrows select.
    press Tab
    press Right
    local reading
    reading=$(minimised_reading)
    below "$reading" 1 && pass "Tab and Right chose the stopwatch ($reading)" ||
        fail "Tab and Right: the Reading is $reading, not the stopwatch's"
    restore
    press Left
    minimise
    wait_for "the clock's caption after Left, the focus given back (got '$(window_title "$win")')" \
        caption_is_line 14 && pass "restored again, Left on the remembered option chose the clock"
    close_clock
    stop_bells
}

case_modes_by_click() {
    start_clock "2026-12-08 03:25:46" || return 0
    local mode expected
    while IFS='|' read -r mode expected; do
        restore
        click "$mode"
        minimise
        wait_for "'$expected' in $mode (got '$(window_title "$win")')" title_is "$expected" &&
            pass "$mode shows '$expected'"
    done <<'MODES'
StopWatch|0   
Calendar|93 85 24 590
Clock|14 28 93 518
MODES
    close_clock
}

case_hold_and_pending_restart() {
    # Ten times as fast: a second here is ten of the stopwatch's. Each Reading is read from
    # the minimised caption; time only grows, so a smaller Reading is a restart.
    start_clock "@2026-12-08 10:00:00 x10" || return 0
    restore
    click StopWatch
    sleep 1.2
    local running first restarted later
    running=$(minimised_reading)
    restore
    click Go
    first=$(green)
    sleep 0.4
    [ "$(green)" = "$first" ] && pass "Go holds the display" || fail "the display runs on while held"
    click Reset
    minimise
    sleep 0.3
    title_is Quendal && pass "held, the minimised caption stays 'Quendal'" ||
        fail "held and minimised, the caption is '$(window_title "$win")'"
    restore
    click Go
    restarted=$(minimised_reading)
    below "$restarted" "$running" && pass "the restart pending since the hold started it \
again as Go ran it ($running, then $restarted)" ||
        fail "no restart as Go ran it again ($running, then $restarted)"
    restore
    sleep 1.2
    later=$(minimised_reading)
    restore
    click Reset
    restarted=$(minimised_reading)
    below "$restarted" "$later" && pass "Reset while running restarts it ($later, then $restarted)" ||
        fail "Reset while running did not restart it ($later, then $restarted)"
    close_clock
}

case_full_screen() {
    # Full screen, where the window manager allows it, is a visible strip: the digits stay
    # live in the labels and the caption keeps the name.
    start_clock "@2026-12-08 03:25:46" || return 0
    restore
    wmctrl -i -r "$win" -b add,fullscreen
    sleep 0.5
    local first
    first=$(green)
    sleep 0.3
    if title_is Quendal && [ "$(green)" != "$first" ]; then
        pass "full screen shows live digits and the caption 'Quendal'"
    else
        fail "full screen: caption '$(window_title "$win")', digits $([ "$(green)" != "$first" ] && echo live || echo frozen)"
    fi
    close_clock
}

case_no_maximise() {
    # The window is of fixed size: no maximise is offered (in the Motif hints that X window
    # managers read). Where one maximises it anyway, the Reading goes to the caption.
    local wm hints functions geometry
    for wm in icewm fluxbox; do
        stop_virtual_desktop
        start_virtual_desktop 1280x800x24 "$wm"
        start_clock "@2026-12-08 03:25:46" || continue
        restore
        hints=$(xprop -id "$win" _MOTIF_WM_HINTS | sed -n 's/.*= //p')
        IFS=', ' read -r flags functions _ <<<"$hints"
        if [ -n "$hints" ] && (( (flags & 1) && !(functions & 1) && !(functions & 16) )); then
            pass "no maximise offered ($wm: $hints)"
        else
            fail "maximise offered ($wm: ${hints:-no hints})"
        fi
        wmctrl -i -r "$win" -b add,maximized_vert,maximized_horz
        sleep 0.8
        geometry=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
        if [ "$geometry" = 481x33 ]; then
            title_is Quendal && pass "$wm refuses to maximise it" ||
                fail "not maximised under $wm, yet the caption is '$(window_title "$win")'"
        else
            wait_for "the Reading in the caption once maximised by $wm" caption_is_line 14 &&
                pass "$wm maximises it anyway ($geometry): the caption shows the Reading"
        fi
        close_clock
    done
    stop_virtual_desktop
    start_virtual_desktop
}
