# End-to-end cases on what the clock does while nobody can see the screen (locked,
# blanked, another session in front) and while the system saves power: each source as the
# desktop's service says it, faked on the test's own buses (Debian's python3-dbusmock) or
# sent to the Windows program's window as Windows sends it. Sourced by cases.sh.

# mock SERVICE [--system] ARGUMENTS...: a faked service on the test's bus, ready to answer.
mock() {
    local name=$1 bus=--session tries
    shift
    [ "${1:-}" = --system ] && bus=--system
    /usr/bin/python3 -m dbusmock "$@" >"$work/mock-$name" 2>&1 &
    case_pids+=($!)
    mock_pid=$!
    for tries in $(seq 100); do
        gdbus call "$bus" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.NameHasOwner "$name" 2>/dev/null | grep -q true && return 0
        sleep 0.05
    done
    fail "the faked $name did not start: $(cat "$work/mock-$name")"
    return 1
}
# on BUS NAME PATH METHOD ARGUMENTS...: a call to a faked service.
on() { gdbus call "--$1" --dest "$2" --object-path "$3" --method "$4" -- "${@:5}" >/dev/null; }
session_path=/org/freedesktop/login1/session/auto
login() { on system org.freedesktop.login1 "$@"; }

# The program's context switches so far, all its threads: each one a wake-up.
wakeups() { cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'; }

# The source named makes the screen unseen, or seen again. Windows: the session.
unseen_by() {
    case $1 in
        session) "$loader" "$QUENDAL_SESSION_CHANGE" lock ;;
        logind) login "$session_path" org.freedesktop.login1.Session.SetLockedHint true ;;
        logind-inactive)
            login "$session_path" org.freedesktop.DBus.Mock.UpdateProperties \
                org.freedesktop.login1.Session "{'Active': <false>}" ;;
        gnome) on session org.gnome.ScreenSaver /org/gnome/ScreenSaver org.gnome.ScreenSaver.SetActive true ;;
        freedesktop)
            # Said twice: once is enough.
            local twice
            for twice in 1 2; do
                on session org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
                    org.freedesktop.DBus.Mock.EmitSignal org.freedesktop.ScreenSaver ActiveChanged b '[<true>]'
            done ;;
        x) xset s activate ;;
    esac
}
seen_by() {
    case $1 in
        session) "$loader" "$QUENDAL_SESSION_CHANGE" unlock ;;
        logind) login "$session_path" org.freedesktop.login1.Session.SetLockedHint false ;;
        logind-inactive)
            login "$session_path" org.freedesktop.DBus.Mock.UpdateProperties \
                org.freedesktop.login1.Session "{'Active': <true>}" ;;
        gnome) on session org.gnome.ScreenSaver /org/gnome/ScreenSaver org.gnome.ScreenSaver.SetActive false ;;
        # The screen saver goes away while active: what it said no longer holds.
        freedesktop) kill "$mock_pid" ;;
        x) xset s reset ;;
    esac
}
# The services a source needs, faked; the freedesktop screen saver answers GetActive with
# the wrong type, which the program must take as unsaid.
fake_services_for() {
    case $1 in
        logind | logind-inactive)
            mock org.freedesktop.login1 --system --template logind &&
                login /org/freedesktop/login1 org.freedesktop.DBus.Mock.AddSession auto seat0 1000 user true ;;
        gnome) mock org.gnome.ScreenSaver --template gnome_screensaver ;;
        freedesktop)
            mock org.freedesktop.ScreenSaver org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
                org.freedesktop.ScreenSaver &&
                on session org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
                    org.freedesktop.DBus.Mock.AddMethod '' GetActive '' s 'ret = "no"' ;;
    esac
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
        woke=$(wakeups)
        sleep 2
        woke=$(($(wakeups) - woke))
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
        mock org.freedesktop.login1 --system --template logind &&
            start_clock "@2026-12-08 03:25:46" && wait_for "a caption line" caption_is_line &&
            a=$(window_title "$win") && sleep 0.5 && [ "$(window_title "$win")" != "$a" ] &&
            pass "a login manager without the caller's session: the clock runs" ||
            fail "a login manager without the caller's session: the caption stands still"
        close_clock
    fi
}

case_alarm_while_unseen() {
    # Locked a few seconds before 15:00: the alarm comes at its instant all the same, the
    # window up and the bell ringing while nobody sees it, the caption untouched; unlocked,
    # the window shows its name and the bell rings as ever.
    local source=logind before
    [ "$program" = windows ] && source=session
    fake_services_for "$source" || return 0
    start_bells
    start_clock "@2026-12-08 14:59:57" || return 0
    wait_for "a running caption" caption_is_line || return 0
    unseen_by "$source"
    sleep 0.3
    before=$(window_title "$win")
    wait_for "the window up at 15:00 while unseen" state_is Normal &&
        pass "unseen, the alarm brought the window up"
    sleep 1.5
    [ "$(bells)" -ge 1 ] && pass "unseen, the bell rang $(bells) times" ||
        fail "unseen, no bell"
    [ "$(window_title "$win")" = "$before" ] && pass "unseen, the caption stayed '$before'" ||
        fail "unseen, the caption changed to '$(window_title "$win")'"
    seen_by "$source"
    wait_for "'Quendal' once seen" title_is Quendal && pass "seen again, the caption is 'Quendal'"
    before=$(bells)
    sleep 1
    [ "$(($(bells) - before))" -ge 3 ] && pass "seen again, $(($(bells) - before)) bells in a second" ||
        fail "seen again, only $(($(bells) - before)) bells in a second"
    click Alarm
    silenced "seen again"
    stop_bells
    close_clock
}

# caption_changes SECONDS: how often the caption changes in that time.
caption_changes() {
    timeout "$1" xprop -spy -id "$win" _NET_WM_NAME 2>/dev/null | wc -l
}

case_power_saver() {
    # The power-profiles daemon in power-saver: the caption changes ten times a second at
    # most, and still runs; back to balanced, it runs at the screen's pace again.
    mock net.hadess.PowerProfiles --system --template power_profiles_daemon || return 0
    on system net.hadess.PowerProfiles /net/hadess/PowerProfiles org.freedesktop.DBus.Properties.Set \
        net.hadess.PowerProfiles ActiveProfile '<"power-saver">'
    start_clock "@2026-12-08 03:25:46" || return 0
    wait_for "a running caption" caption_is_line || return 0
    sleep 0.5
    local saving full
    saving=$(caption_changes 2)
    [ "$saving" -ge 4 ] && [ "$saving" -le 22 ] &&
        pass "power saver: $saving caption changes in 2 s" ||
        fail "power saver: $saving caption changes in 2 s"
    on system net.hadess.PowerProfiles /net/hadess/PowerProfiles org.freedesktop.DBus.Properties.Set \
        net.hadess.PowerProfiles ActiveProfile '<"balanced">'
    sleep 0.3
    full=$(caption_changes 1)
    [ "$full" -gt 12 ] && pass "balanced: $full caption changes in 1 s" ||
        fail "balanced: only $full caption changes in 1 s"
    close_clock
}
