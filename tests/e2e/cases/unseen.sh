# End-to-end cases on what the clock does while nobody can see the screen (locked,
# blanked, another session in front) and while the system saves power: each source as the
# desktop's service says it, faked on the test's own buses (Debian's python3-dbusmock) or
# sent to the Windows program's window as Windows sends it. Sourced by cases.sh.

# The freedesktop screen saver answers GetActive with the wrong type, which the program
# must take as unsaid; it says it is active twice, and it is seen again by going away.
unseen_by() {
    say_source "$1" on
    [ "$1" != freedesktop ] || say_source "$1" on
}
seen_by() {
    if [ "$1" = freedesktop ]; then
        kill "$freedesktop_pid"
    else
        say_source "$1" off
    fi
}
fake_services_for() {
    if [ "$1" = freedesktop ]; then
        fake_source freedesktop s '"no"' && freedesktop_pid=$fake_pid
    else
        fake_source "$1"
    fi
}

case_quiet_while_unseen() {
    # For each source: the taskbar's caption stands still while it says nobody sees the
    # screen, and the program wakes about once a second; seen again, the caption moves at
    # once. A login manager without the caller's session leaves the clock running.
    local sources=(logind logind-inactive gnome freedesktop x) source a b woke started moved
    [ "$program" = windows ] && sources=(session)
    for source in "${sources[@]}"; do
        fake_services_for "$source" || { end_case; continue; }
        start_clock "@2026-12-08 03:25:46" || { end_case; continue; }
        wait_for "a running caption ($source)" caption_is_line || { end_case; continue; }
        sleep 0.5
        unseen_by "$source"
        sleep 0.5
        a=$(window_title "$win")
        woke=$(wakeups "$pid")
        sleep 2
        woke=$(($(wakeups "$pid") - woke))
        b=$(window_title "$win")
        [ "$a" = "$b" ] && pass "unseen ($source): the caption stands still at '$a'" ||
            fail "unseen ($source): the caption moved from '$a' to '$b'"
        [ "$woke" -le 8 ] && pass "unseen ($source): $woke wake-ups in 2 s" ||
            fail "unseen ($source): $woke wake-ups in 2 s"
        started=$(date +%s%N)
        seen_by "$source"
        if wait_for "the caption moving once seen ($source)" eval '[ "$(window_title "$win")" != "$b" ]'; then
            moved=$((($(date +%s%N) - started) / 1000000))
            [ "$moved" -le 500 ] && pass "seen again ($source): the caption moves after $moved ms" ||
                fail "seen again ($source): the caption moved only after $moved ms"
        fi
        close_clock
        end_case
    done
    if [ "$program" = qt ]; then
        fake org.freedesktop.login1 --system --template logind &&
            start_clock "@2026-12-08 03:25:46" && wait_for "a caption line" caption_is_line &&
            a=$(window_title "$win") && sleep 0.5 && [ "$(window_title "$win")" != "$a" ] &&
            pass "a login manager without the caller's session: the clock runs" ||
            fail "a login manager without the caller's session: the caption stands still"
        close_clock
    fi
}

# caption_changes SECONDS: how often the caption changes in that time.
caption_changes() {
    timeout "$1" xprop -spy -id "$win" _NET_WM_NAME 2>/dev/null | wc -l
}

case_power_saver() {
    # The power-profiles daemon in power-saver: the caption changes ten times a second at
    # most, and still runs; back to balanced, it runs at the screen's pace again.
    fake_source power-saver || return 0
    say_source power-saver on
    start_clock "@2026-12-08 03:25:46" || return 0
    wait_for "a running caption" caption_is_line || return 0
    sleep 0.5
    local saving full
    saving=$(caption_changes 2)
    [ "$saving" -ge 4 ] && [ "$saving" -le 22 ] &&
        pass "power saver: $saving caption changes in 2 s" ||
        fail "power saver: $saving caption changes in 2 s"
    say_source power-saver off
    sleep 0.3
    full=$(caption_changes 1)
    [ "$full" -gt 12 ] && pass "balanced: $full caption changes in 1 s" ||
        fail "balanced: only $full caption changes in 1 s"
    close_clock
}
