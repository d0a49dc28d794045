# End-to-end cases on the alarm: the window brought up, the bell rung one at a time, and
# silenced. Sourced by cases.sh.

# alarm TIME WHAT SILENCE [WHOLE [UNSEEN]]: the alarm comes within seconds of TIME, brings
# the window up and rings until silenced by SILENCE (click or space); minimised again, the
# caption shows a Reading with that whole percent. With UNSEEN, a source that says nobody
# sees the screen (scripts/lib/desktop_services.sh) says so from the start: the alarm comes
# all the same, the caption stands still and the bell rings once a second until the source
# says the screen is seen again.
alarm() {
    local time=$1 what=$2 silence=$3 unseen=${5:-} before
    start_bells
    start_clock "$time" || { stop_bells; return 0; }
    [ -z "$unseen" ] || say_source "$unseen" on
    state_is Iconic || fail "minimised before the alarm ($what)"
    sleep 0.5
    [ "$(bells)" -eq 0 ] || fail "bells before the alarm ($what)"
    for tries in $(seq 100); do state_is Normal && break; sleep 0.05; done
    if ! state_is Normal || xprop -id "$win" _NET_WM_STATE | grep -q HIDDEN; then
        fail "the window did not come up ($what: $(window_map_state "$win"), $(xprop -id "$win" _NET_WM_STATE))"
        close_clock
        stop_bells
        return 0
    fi
    pass "the alarm brought the window up ($what)"
    if [ -n "$unseen" ]; then
        before=$(window_title "$win")
        sleep 1.5
        [ "$(bells)" -ge 1 ] && [ "$(window_title "$win")" = "$before" ] &&
            pass "unseen, $(bells) bells and the caption still '$before' ($what)" ||
            fail "unseen, $(bells) bells and the caption '$(window_title "$win")' ($what)"
        say_source "$unseen" off
        stop_bells
        start_bells
    fi
    wait_for "caption 'Quendal' at the alarm ($what, got '$(window_title "$win")')" title_is Quendal &&
        pass "caption 'Quendal' at the alarm ($what)"
    ringing "$what"
    if [ "$silence" = click ]; then
        click Alarm
    else
        restore  # the keys go to the window the user brings up
        press space
    fi
    silenced "by $silence, $what"
    state_is Normal || fail "the window did not stay up ($what)"
    sleep 0.6
    minimise
    wait_for "the caption line once minimised after the alarm ($what, got '$(window_title "$win")')" \
        caption_is_line "$4" && pass "minimised after the alarm, the taskbar shows the Reading ($what)"
    close_clock
    stop_bells
}

case_alarm_on_a_weekday_silenced_by_a_click() {
    alarm "@2026-12-08 14:59:58" "Tuesday, 15:00" click 62
}

case_alarm_while_locked() {
    local source=logind
    [ "$program" = windows ] && source=session
    fake_source "$source" && alarm "@2026-12-08 14:59:58" "Tuesday, 15:00, locked" click 62 "$source"
}

case_alarm_at_the_weekend_silenced_by_space() {
    alarm "@2026-12-12 13:59:58" "Saturday, 14:00" space 58
}

case_alarm_under_gnome() {
    # mutter keeps a minimised window mapped, and brings it up only when the program asks
    # for it to be activated. A window that started minimised stays up once brought up,
    # moved too (mutter 48 minimised it again when it first placed it).
    stop_virtual_desktop
    start_virtual_desktop 1280x800x24 mutter
    if start_clock "2026-12-08 03:25:46"; then
        # As a user would: some time after the window manager has put its frame round it
        # (within the first moment mutter 48 would still minimise it again).
        wait_for "the window framed" framed
        sleep 1
        restore
        xdotool windowmove "$win" 200 300
        sleep 0.5
        state_is Normal && pass "brought up and moved, the window stays up (mutter)" ||
            fail "brought up and moved, the window went down again (mutter)"
        close_clock
    fi
    alarm "@2026-12-08 14:59:58" "Tuesday, 15:00, mutter" click 62
    stop_virtual_desktop
    start_virtual_desktop
}
