# End-to-end cases on the taskbar: the caption line, the launcher entry's bar and count,
# the Windows taskbar button's. Sourced by cases.sh.

case_captions_in_the_taskbar() {
    local time expected
    while IFS='|' read -r time expected; do
        start_clock "$time" || continue
        state_is Iconic || fail "not minimised at start ($time)"
        wait_for "title '$expected' at $time (got '$(window_title "$win")')" title_is "$expected" &&
            pass "taskbar shows '$expected' at $time"
        close_clock
    done <<'TIMES'
2026-12-08 03:25:46|14 28 93 518
2026-12-08 00:08:20| 57 87 037
2026-12-08 00:00:30|3 47 22 E-2
2026-12-08 10:48:00|45   
TIMES
}

# The launcher entry signals heard since the monitor started that show a count, one line
# each: seconds after START, count, progress, time heard.
launcher_signals() {
    awk -v t0="$1" '
        /member=Update/ { match($0, /time=[0-9.]+/); t = substr($0, RSTART + 5, RLENGTH - 5); delete v }
        /"progress"$/ { want = "progress" }
        /"count"$/ { want = "count" }
        /variant/ && want != "" { v[want] = $NF; want = "" }
        /"progress-visible"/ && v["count"] != "" { printf "%.3f %s %s %s\n", t - t0, v["count"], v["progress"], t }' \
        "$work/entry"
}
# Whether the last launcher entry signal heard took the count and the bar back.
launcher_cleared() {
    [ "$(grep -A1 -e '"count-visible"' -e '"progress-visible"' "$work/entry" | grep -c 'boolean false')" -ge 2 ] &&
        [ "$(grep -A1 '"count-visible"' "$work/entry" | tail -n 1 | awk '{print $NF}')" = false ]
}

case_launcher_entry() {
    # The bar and the count on a private session bus, as a desktop's task manager hears
    # them: within a second of the start, those of the time (at 03:25:46 the day's
    # 0.1428935 and its 14 whole percent); then no more than once a second, however fast
    # the Reading moves; at the end, by the window's close or a signal, taken back.
    local time count progress end started signals monitor after first_count first_progress heard spacing
    while IFS='|' read -r time count progress end; do
        dbus-monitor --session "type='signal',interface='com.canonical.Unity.LauncherEntry'" \
            >"$work/entry" 2>/dev/null &
        monitor=$!
        sleep 0.3
        started=$(date +%s.%N)
        start_clock "$time" || continue
        sleep 3.5
        if [ "$end" = close ]; then
            close_clock
        else
            kill "-$end" "$pid"
            wait "$pid" && pass "ended by SIG$end with status 0" || fail "SIG$end: status $?"
            pid=
        fi
        sleep 0.3
        kill "$monitor" 2>/dev/null || true
        launcher_cleared && pass "the count and the bar taken back at the end ($end)" ||
            fail "the count and the bar left on the launcher at the end ($end)"
        signals=$(launcher_signals "$started")
        if [ -z "$signals" ]; then
            fail "no launcher entry signal at '$time'"
            continue
        fi
        read -r after first_count first_progress _ <<<"$(head -n 1 <<<"$signals")"
        awk -v a="$after" 'BEGIN { exit !(a <= 1.0) }' &&
            pass "the first signal $after s after the start: count $first_count, progress $first_progress ('$time')" ||
            fail "the first signal only $after s after the start ('$time')"
        if [ "$count" != - ]; then
            [ "$first_count" = "$count" ] && [[ "$first_progress" == "$progress"* ]] &&
                pass "count $count and progress $progress at '$time'" ||
                fail "count $first_count and progress $first_progress at '$time'"
        fi
        grep -q '"application://org.quendal.Quendal.desktop"' "$work/entry" ||
            fail "not for application://org.quendal.Quendal.desktop: $(head -c 300 "$work/entry")"
        # The pace as the program keeps it, whatever the bus and the machine do to one
        # signal on its way: no more than one for each second and the first, and the
        # spacing between them a second in the middle (one delivered late comes close
        # to the next, but moves the middle one no more than a burst would move it).
        heard=$(wc -l <<<"$signals")
        spacing=$(awk 'NR > 1 {print $4 - last} {last = $4}' <<<"$signals" | sort -n |
            awk '{s[NR] = $1} END {print NR ? s[int((NR + 1) / 2)] : "-"}')
        [ "$heard" -le 5 ] && awk -v s="$spacing" 'BEGIN { exit !(s == "-" || s >= 0.95) }' &&
            pass "$heard signals in 3.5 s, $spacing s apart in the middle ('$time')" ||
            fail "$heard signals in 3.5 s, $spacing s apart in the middle: more than one a second ('$time')"
    done <<'TIMES'
2026-12-08 03:25:46|14|0.14289|close
@2026-12-08 03:25:46 x1000|-|-|TERM
TIMES
}

case_taskbar_button() {
    # Wine's taskbar draws no bar, but traces every call made to it: nothing before the
    # shell says the button exists, then the bar of 03:25:46 (143 of 1000) and its count.
    local helper=${QUENDAL_TASKBAR_CREATED:-}
    [ -n "$helper" ] || { echo "skipped: no taskbar_created helper named"; return 0; }
    start_clock "2026-12-08 03:25:46" WINEDEBUG=-all,fixme+explorerframe || return 0
    sleep 1
    grep -q taskbar_list "$work/stderr" && fail "taskbar calls before the button exists" ||
        pass "no taskbar call before the button exists"
    "$loader" "$helper"
    wait_for "the bar once the button exists" grep -q 'SetProgressValue.*ullCompleted 8f, ullTotal 3e8' "$work/stderr" &&
        pass "the bar once the button exists: 143 of 1000"
    wait_for "the count's overlay" grep -q 'SetOverlayIcon.*L"14 percent"' "$work/stderr" &&
        pass "the overlay for the count, said '14 percent'"
    grep -q 'SetProgressState.*flags 2' "$work/stderr" && pass "the bar in its normal state" ||
        fail "no normal bar state"
    close_clock
}

# The tray: a watcher on the session bus, as a desktop's tray runs one, and the item that
# registered with it (its bus name, then its object).
start_watcher() {
    /usr/bin/python3 "$E2E_DIR/helpers/fake_watcher.py" "$@" >"$work/watcher" 2>&1 &
    case_pids+=($!)
    wait_for "the tray's watcher ($(cat "$work/watcher" 2>/dev/null))" grep -q '^ready' "$work/watcher"
}
registered() { grep -q '^registered' "$work/watcher"; }
# tray OBJECT ARGUMENTS...: a call to the item's object, or to its menu's (/MenuBar).
tray() {
    local bus path
    read -r _ bus path < <(grep '^registered' "$work/watcher" | tail -n 1)
    [ "$1" = item ] || path=$1
    gdbus call --session --timeout 5 --dest "$bus" --object-path "$path" "${@:2}"
}
item() { tray item --method org.freedesktop.DBus.Properties.Get -- org.kde.StatusNotifierItem "$1"; }
menu() { tray /MenuBar --method "com.canonical.dbusmenu.$1" -- "${@:2}"; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
choose() { menu Event "$1" clicked '<"">' 0 >/dev/null; }
# shows WHAT...: the menu, as a host lays it out, has every one of them.
shows() {
    local layout item
    layout=$(menu GetLayout 0 -1 '@as []')
    for item; do [[ "$layout" == *"$item"* ]] || return 1; done
}
item_has() { [[ "$(item "$1")" == *"$2"* ]]; }

case_tray_item() {
    # The item at a frozen time, as a host reads it; its menu as a user clicks it: a mode,
    # start at log-in on and off, then refused where its folder cannot be made; then Quit.
    local config=$work/config entry property expected status=0
    entry=$config/autostart/org.quendal.Quendal.desktop
    rm -rf "$config"
    mkdir -p "$config"
    start_watcher || return 0
    start_clock "2026-12-08 03:25:46" XDG_CONFIG_HOME="$config" || return 0
    wait_for "the item registered" registered || return 0
    while IFS='|' read -r property expected; do
        wait_for "$property: $expected (got $(item "$property"))" item_has "$property" "$expected" &&
            pass "$property: $expected"
    done <<'PROPERTIES'
XAyatanaLabel|'14 28 93 518'
XAyatanaLabelGuide|'00 00 00 000'
ToolTip|'Quendal', '14.2893518 percent of the day'
Status|'Active'
Menu|'/MenuBar'
PROPERTIES
    [[ "$(menu Event 99 clicked '<"">' 0 2>&1)" == *UnknownId* ]] &&
        pass "an event for no item is refused" || fail "an event for no item is not refused"
    [[ "$(menu EventGroup '[(99, "clicked", <"">, 0)]' 2>&1)" == *UnknownId* ]] &&
        [ "$(menu AboutToShowGroup '[1, 99]')" = "([1], [99])" ] &&
        pass "the group calls answer for their unknown ids" ||
        fail "the group calls: $(menu AboutToShowGroup '[1, 99]' 2>&1)"
    # Hosts take a changed item from the signal (GNOME's does), others lay the menu out anew.
    dbus-monitor --session "type='signal',member='ItemsPropertiesUpdated'" >"$work/updated" 2>/dev/null &
    case_pids+=($!)
    sleep 0.3
    choose 101
    wait_for "Stopwatch chosen in the menu" shows "<'Stopwatch'>, 'toggle-state': <1>" \
        "<'Clock'>, 'toggle-state': <0>" && item_has XAyatanaLabel "'0   '" &&
        wait_for "the menu's new state signalled" grep -q '"Stopwatch"' "$work/updated" &&
        pass "Stopwatch chosen in the menu: the label and the menu's signal show it" ||
        fail "Stopwatch chosen in the menu: label $(item XAyatanaLabel)"
    choose 4
    wait_for "start at log-in checked" shows "<'Start at log-in'>, 'toggle-state': <1>" &&
        cmp -s "$entry" "$E2E_DIR/../../assets/org.quendal.Quendal.desktop" &&
        pass "start at log-in writes the menu entry" || fail "no autostart entry: $(ls -R "$config")"
    choose 4
    wait_for "start at log-in unchecked" shows "<'Start at log-in'>, 'toggle-state': <0>" &&
        [ ! -e "$entry" ] && pass "start at log-in again removes it" ||
        fail "start at log-in again: $(ls -R "$config")"
    # The user's own entry: hidden, not removed, and shown again.
    printf '[Desktop Entry]\nType=Application\nName=Mine\nExec=quendal\n' >"$entry"
    menu AboutToShow 0 >/dev/null
    wait_for "the user's entry checked" shows "<'Start at log-in'>, 'toggle-state': <1>"
    choose 4
    wait_for "the user's entry unchecked" shows "<'Start at log-in'>, 'toggle-state': <0>" &&
        grep -qx 'Hidden=true' "$entry" && grep -qx 'Name=Mine' "$entry" &&
        pass "start at log-in hides the user's own entry, not removes it" ||
        fail "the user's own entry: $(cat "$entry" 2>&1)"
    choose 4
    wait_for "the user's entry checked again" shows "<'Start at log-in'>, 'toggle-state': <1>" &&
        ! grep -q 'Hidden' "$entry" && pass "and shows it again" ||
        fail "the user's own entry shown again: $(cat "$entry" 2>&1)"
    rm "$entry"
    # A file where the folder should be: nothing written, said once, the check off.
    rmdir "$config/autostart" && : >"$config/autostart"
    choose 4
    sleep 0.3
    shows "<'Start at log-in'>, 'toggle-state': <0>" && grep -q '^quendal: start at log-in: cannot make' "$work/stderr" &&
        [ "$(find "$config" -type f | wc -l)" -eq 1 ] && kill -0 "$pid" &&
        pass "refused where the folder cannot be made: $(cat "$work/stderr")" ||
        fail "where the folder cannot be made: $(cat "$work/stderr"); $(ls -R "$config")"
    : >"$work/stderr"
    choose 6
    wait_for "the clock ended by Quit" ended || return 0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] && pass "Quit ends the clock with status 0" || fail "Quit: status $status"
}

case_tray_item_paced() {
    # A watcher that comes after the clock, and another after it has gone; at the alarm and
    # a thousand times as fast: the label runs at five changes a second, no more, and the
    # item asks for attention until the bell is silenced.
    local changes
    start_clock "@2026-12-08 14:59:58 x1000" || return 0
    sleep 1
    start_watcher || return 0
    wait_for "the item registered with a later watcher" registered && pass "registered with a later watcher"
    # The watcher goes away and another comes, as when the desktop's shell restarts; one
    # that refuses the item, twice, is said once.
    kill "${case_pids[-1]}"
    local refusing
    for refusing in 1 2; do
        start_watcher --refuse || return 0
        wait_for "the item refused" grep -q '^refused' "$work/watcher"
        sleep 0.3
        kill "${case_pids[-1]}"
    done
    [ "$(grep -c "^quendal: the desktop's tray refused the item" "$work/stderr")" -eq 1 ] &&
        pass "a refusing tray said once: $(cat "$work/stderr")" ||
        fail "a refusing tray, twice: $(cat "$work/stderr")"
    : >"$work/stderr"
    start_watcher || return 0
    wait_for "the item registered again with a new watcher" registered &&
        pass "registered again with a new watcher"
    wait_for "NeedsAttention at the alarm" item_has Status NeedsAttention && pass "NeedsAttention at the alarm"
    dbus-monitor --session "type='signal',member='XAyatanaNewLabel'" >"$work/labels" 2>/dev/null &
    case_pids+=($!)
    sleep 3
    changes=$(grep -c 'member=XAyatanaNewLabel' "$work/labels" || true)
    [ "$changes" -ge 10 ] && [ "$changes" -le 17 ] &&
        pass "$changes label changes in 3 s at a thousand times" ||
        fail "$changes label changes in 3 s at a thousand times: not about five a second"
    wait_for "the window standing still" standing_still
    click Alarm
    wait_for "Active once the bell is silenced" item_has Status "'Active'" &&
        pass "Active once the bell is silenced"
    close_clock
}
