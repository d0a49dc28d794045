# The end-to-end cases, one table for both programs: each row names a case and, for the
# Qt program and the Windows program, "run" or why the case cannot run on it. Each case
# drives the program as a user would, through the driver that window_e2e.sh sourced
# (start_clock, use_scale, program_errors), and reads the title, the map state, the pixels
# and the bells. Sourced by window_e2e.sh.

CASES=(
    "failure_stays_until_dismissed|a failure there prints one line on stderr and ends with status 1 (scripts/faults); it has no box|run"
    "captions_in_the_taskbar|run|run"
    "restore_and_minimise|run|run"
    "keyboard_right_after_restore|run|run"
    "modes_by_click|run|run"
    "hold_and_pending_restart|run|run"
    "alarm_on_a_weekday_silenced_by_a_click|run|run"
    "alarm_at_the_weekend_silenced_by_space|run|run"
    "alarm_under_gnome|run|under mutter Wine maps a window first shown minimised as a normal one, which Windows does not; the alarm itself passes there (window up, bells, silenced by a click)"
    "full_screen|run|run"
    "scaled_strip|run|run"
    "small_screen|run|run"
    "screen_reader|run|Wine has no bridge to AT-SPI: a screen reader reads the Windows program through Windows' own accessibility, the controls' texts"
    "high_contrast|run|Wine has no high-contrast setting to turn on: SPI_GETHIGHCONTRAST says it is off"
    "wayland_asked_for_over_x|run|a Windows program knows no Wayland: Wine gives it X"
    "no_display|run|Wine itself needs the display: wine says so before the program starts"
    "wayland_only|run|a Windows program knows no Wayland: Wine gives it X"
    "no_maximise|run|run"
    "refresh_rate|measured by ./scripts/performance (bench/window_probe), whose build the tests do not make|run"
    "launcher_entry|run|Windows has no launcher entry: its taskbar button carries the bar and count (next row)"
    "taskbar_button|Linux desktops have no such calls: the launcher entry carries the bar and count (row above)|run"
)

# The middle of each button in the strip, in pixels at 96 dots per inch.
declare -A CENTRE=([Go]=20 [Reset]=60 [Alarm]=324 [Clock]=380 [StopWatch]=420 [Calendar]=460)

# close_clock: closes the window as the user does; the program ends with status 0 and
# says nothing of its own.
close_clock() {
    wmctrl -i -c "$win"
    local status=0 said
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "exit status $status after closing"
    said=$(program_errors)
    [ -z "$said" ] || fail "error output: $said"
    return 0
}

click() { xdotool mousemove --window "$win" "${CENTRE[$1]}" 16 click 1; sleep 0.2; }
press() { xdotool key --window "$win" "$1"; sleep 0.2; }
restore() {
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
    wait_for "restored" state_is Normal && wait_for "the window standing still" standing_still
}
# The window stands where it stood a tenth of a second ago: a click lands where aimed.
standing_still() {
    local before
    before=$(xwininfo -id "$win" | grep Absolute)
    sleep 0.1
    [ "$(xwininfo -id "$win" | grep Absolute)" = "$before" ]
}
minimise() { xdotool windowminimize --sync "$win"; }
# The window manager has put its frame round the window.
framed() { ! xwininfo -id "$win" -children | grep -q '^ *Parent window id: .*(the root window)'; }
# shoot NAME: the client area, kept in $QUENDAL_SHOTS when that names a folder.
shoot() {
    import -window "$win" "$work/$1.png"
    if [ -n "${QUENDAL_SHOTS:-}" ]; then
        mkdir -p "$QUENDAL_SHOTS"
        cp "$work/$1.png" "$QUENDAL_SHOTS/$program-$1.png"
    fi
}
# pixels NAME X W COLOUR: how many pixels of that colour the shot has in that column span.
pixels() { convert "$work/$1.png" -crop "$3x2000+$2+0" +repage txt:- | grep -ci "$4" || true; }
# contrast NAME X W COLOUR: WCAG 2's contrast ratio of that colour (the second most common
# where it is -) against the most common other colour in that column span of the shot,
# then that other colour; 0 where the colour is not there.
contrast() {
    convert "$work/$1.png" -alpha off -depth 8 -crop "$3x2000+$2+0" +repage \
        -format %c histogram:info:- | sort -rn | awk -v want="$4" '
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
        {
            s = $0; sub(/^[^(]*\(/, "", s); sub(/\).*/, "", s); split(s, c, ",")
            hex = sprintf("#%02X%02X%02X", c[1], c[2], c[3])
            if (hex == toupper(want) || (want == "-" && NR == 2)) { mine = lum(c[1], c[2], c[3]); found = 1 }
            else if (!other) { other = hex; theirs = lum(c[1], c[2], c[3]) }
        }
        END {
            if (!found || !other) { print 0; exit }
            light = mine > theirs ? mine : theirs; dark = mine > theirs ? theirs : mine
            printf "%.2f %s\n", (light + 0.05) / (dark + 0.05), other
        }'
}
# The digit fields: name, left and width in twips, colour.
FIELDS=("Blue 1320 735 #0000FF" "Red 2040 735 #FF0000" "Yellow 2760 735 #FFFF00"
        "Green 3480 975 #00FF00")
# span LEFT WIDTH SCALE: a field's columns at that scale, "x w", inside it by a pixel
# (neighbours overlap by one).
span() { awk -v l="$1" -v w="$2" -v s="$3" 'BEGIN { printf "%d %d\n", l * s / 15 + 1.5, w * s / 15 - 2 }'; }
# fields SHOT SCALE: each field's digits are drawn in the shot, taken at that scale, and
# stand at least 4.5:1 against what is behind them.
fields() {
    local field name left width colour x w n ratio
    for field in "${FIELDS[@]}"; do
        read -r name left width colour <<<"$field"
        read -r x w <<<"$(span "$left" "$width" "$2")"
        n=$(pixels "$1" "$x" "$w" "$colour")
        read -r ratio _ <<<"$(contrast "$1" "$x" "$w" "$colour")"
        if [ "$n" -gt 10 ] && awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }'; then
            pass "$name digits drawn at $2×, $ratio:1 against their field ($n pixels)"
        else
            fail "$name digits at $2×: $n pixels, $ratio:1 against their field"
        fi
    done
}
# The Green label, as drawn now: a digest that changes when its digits do.
green() { import -window "$win" -crop 65x33+232+0 +repage "$work/green.png" && md5sum <"$work/green.png"; }

# The Reading the minimised window's caption shows, as a number.
minimised_reading() {
    minimise
    wait_for "a caption line once minimised (got '$(window_title "$win")')" caption_is_line
    window_title "$win" | awk -F'[ ]' '{
        if ($4 ~ /^E-/) { printf "%.12f\n", ($1 "." $2 $3) / 10 ^ substr($4, 3) }
        else { printf "%.12f\n", ($1 == "" ? 0 : $1) "." $2 $3 $4 } }'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# Bells: every bell rung on the display, with the time it was heard.
start_bells() {
    "$BELL_COUNTER" >"$work/bells" &
    bell_counter=$!
    wait_for "bell counter ready" grep -q ready "$work/bells"
}
stop_bells() { kill "$bell_counter" 2>/dev/null; wait "$bell_counter" 2>/dev/null || true; }
bells() { grep -c '^bell' "$work/bells" || true; }
# ringing WHAT: after the first bell, at least three in its first second, and never more
# than seven in any half second: one at a time (ten a second), not a thousand. Times are
# those the bells were heard at, whatever the machine is busy with; a busy machine hears
# them a little late or early, never hundreds at once.
ringing() {
    wait_for "a first bell ($1)" grep -q '^bell' "$work/bells" || return 0
    sleep 1.3
    local verdict
    verdict=$(awk '/^bell/ {t[n++] = $2} END {
        first = 0; most = 0
        for (i = 0; i < n; i++) {
            if (t[i] - t[0] <= 1000) first++
            k = 0; for (j = i; j < n && t[j] - t[i] < 500; j++) k++
            if (k > most) most = k
        }
        print first, most }' "$work/bells")
    read -r first most <<<"$verdict"
    [ "$first" -ge 3 ] && pass "$first bells in the first second ($1)" ||
        fail "only $first bells in the first second ($1)"
    [ "$most" -le 7 ] && pass "at most $most bells in any half second ($1)" ||
        fail "$most bells in half a second: more than one at a time ($1)"
}

# silenced WHAT: no bell rings for a second after a short settling.
silenced() {
    sleep 0.3
    local before
    before=$(bells)
    sleep 1
    [ "$(bells)" -eq "$before" ] && pass "silenced ($1)" ||
        fail "bells go on ($before, then $(bells)) ($1)"
}

# A window on show titled "Quendal" that is not the strip: the program's message box.
message_box() {
    local w
    for w in $(xdotool search --name '^Quendal$' 2>/dev/null || true); do
        if xprop -id "$w" WM_STATE 2>/dev/null | grep -q Normal &&
            [ "$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {print $2}')" != 481 ]; then
            echo "$w"
            return 0
        fi
    done
}

has_message_box() { [ -n "$(message_box)" ]; }

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

case_restore_and_minimise() {
    start_clock "2026-12-08 03:25:46" || return 0
    wait_for "caption line before restoring" title_is "14 28 93 518"
    restore && wait_for "caption 'Quendal' while restored" title_is Quendal &&
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

# alarm TIME WHAT SILENCE [WM]: the alarm comes within seconds of TIME, brings the window
# up and rings until silenced by SILENCE (click or space).
alarm() {
    local time=$1 what=$2 silence=$3
    start_bells
    start_clock "$time" || { stop_bells; return 0; }
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

case_scaled_strip() {
    # At 125 %, 150 % and 200 % the strip scales as a whole: the design's twips at that
    # resolution, the digits drawn and standing out.
    local scale size geometry
    while read -r scale size; do
        use_scale "$scale"
        start_clock "2026-12-08 03:25:46" || continue
        restore
        sleep 0.8
        shoot "scale-$scale"
        geometry=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
        [ "$geometry" = "$size" ] && pass "at $scale× the strip is $size" ||
            fail "at $scale× the strip is $geometry"
        fields "scale-$scale" "$scale"
        close_clock
    done <<'SCALES'
1.25 601x41
1.5 722x50
2 962x66
SCALES
    use_scale 1
}

case_small_screen() {
    # On a screen too small for the designed place, the strip moves just enough.
    stop_virtual_desktop
    start_virtual_desktop 640x480x24
    start_clock "2026-12-08 03:25:46" || { stop_virtual_desktop; start_virtual_desktop; return 0; }
    restore
    sleep 0.5
    local x y w h
    read -r x y w h <<<"$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4}
        /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')"
    # In the corner, wholly on the screen; the frame's border, which the program may or may
    # not keep on the screen too, is a few pixels at most.
    if [ "$x" -le $((640 - 481)) ] && [ "$x" -ge $((640 - 481 - 8)) ] && [ "$y" -le $((480 - 33)) ] &&
        [ "$y" -ge $((480 - 33 - 8)) ] && [ "$w" -eq 481 ] && [ "$h" -eq 33 ]; then
        pass "on a 640x480 screen the strip stands at $x,$y"
    else
        fail "on a 640x480 screen the strip stands at $x,$y size ${w}x$h"
    fi
    close_clock
    stop_virtual_desktop
    start_virtual_desktop
}

case_screen_reader() {
    # A screen reader (AT-SPI, as Orca reads it): the window is a frame named after its
    # caption, the strip is heard as one number with its meaning, the Reading of that
    # moment, minimised and restored; the modes are radio buttons; and name changes come
    # at most about once a second each, not at every refresh.
    reader() { /usr/bin/python3 "$E2E_DIR/atspi_reader.py" "$@"; }
    eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
        { read -r a; read -r p; echo "export DBUS_SESSION_BUS_ADDRESS='$a'; bus_pid=$p"; })"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    local launcher=$!
    for tries in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled \
            variant:boolean:true >/dev/null 2>&1 && break
        sleep 0.05
    done
    start_clock "2026-12-08 03:25:46"
    wait_for "caption line before asking" title_is "14 28 93 518"
    local heard tree
    heard=$(reader reading | tr '\n' '|')
    [ "$heard" = "14.2893518 percent of the day|14.2893518 percent of the day|" ] &&
        pass "minimised, the window is heard as '${heard%%|*}'" || fail "minimised, heard '$heard'"
    restore
    sleep 0.5
    heard=$(reader reading | tr '\n' '|')
    [ "$heard" = "Quendal|14.2893518 percent of the day|" ] &&
        pass "restored, the frame is 'Quendal' and the strip '14.2893518 percent of the day'" ||
        fail "restored, heard '$heard'"
    tree=$(reader tree)
    for expected in "status bar|14.2893518 percent of the day|" "check box|Run|checked,showing" \
        "push button|Restart|showing" "check box|Alarm|sensitive,focused,showing" \
        "radio button|Clock|checked,sensitive,showing" "radio button|Stopwatch|sensitive,showing" \
        "radio button|Calendar|sensitive,showing"; do
        grep -qF "$expected" <<<"$tree" && pass "the screen reader finds $expected" ||
            fail "no '$expected' in: $(tr '\n' ' ' <<<"$tree")"
    done
    close_clock
    # Running: the Reading heard minimised lies between the captions shown just before and
    # just after, and a running strip sends no flood of name changes.
    start_clock "@2026-12-08 09:53:00"
    number() { awk '{ if ($4 ~ /^E/) print -1; else printf "%s.%s%s%s\n", ($1 == "" ? 0 : $1), $2, $3, $4 }' <<<"$1"; }
    wait_for "caption line while running" caption_is_line
    local before now after changes objects
    before=$(number "$(window_title "$win")")
    now=$(reader reading | sed -n 1p | awk '{print $1}')
    after=$(number "$(window_title "$win")")
    awk -v b="$before" -v n="$now" -v a="$after" 'BEGIN { exit !(b <= n && n <= a) }' &&
        pass "minimised and running, heard $now between the captions $before and $after" ||
        fail "minimised and running, heard $now, captions $before and $after"
    restore
    read -r changes objects <<<"$(reader count 5)"
    [ "$changes" -le 12 ] && pass "$changes name changes in 5 s ($objects)" ||
        fail "$changes name changes in 5 s ($objects): more than one a second each"
    close_clock
    kill "$launcher" "$bus_pid" 2>/dev/null || true
    unset DBUS_SESSION_BUS_ADDRESS
}

case_high_contrast() {
    # Where the desktop's portal asks for high contrast, the fields take the desktop's two
    # colours, every other one swapped: none of the designed colours, every field's digits
    # standing out, and neighbours apart.
    local address bus_pid portal field name left width colour x w ratio behind previous=
    read -r address bus_pid <<<"$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')"
    DBUS_SESSION_BUS_ADDRESS=$address /usr/bin/python3 "$E2E_DIR/fake_portal.py" >"$work/portal" &
    portal=$!
    if wait_for "the portal ready" grep -q ready "$work/portal" &&
        start_clock "2026-12-08 03:25:46" DBUS_SESSION_BUS_ADDRESS="$address"; then
        restore
        sleep 0.5
        shoot high-contrast
        for field in "${FIELDS[@]}"; do
            read -r name left width colour <<<"$field"
            read -r x w <<<"$(span "$left" "$width" 1)"
            read -r ratio behind <<<"$(contrast high-contrast "$x" "$w" -)"
            if [ "$(pixels high-contrast "$x" "$w" "$colour")" -eq 0 ] &&
                awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' && [ "$behind" != "$previous" ]; then
                pass "high contrast: $name digits $ratio:1 on $behind"
            else
                fail "high contrast: $name digits $ratio:1 on $behind (before it: $previous)"
            fi
            previous=$behind
        done
        close_clock
    fi
    kill "$portal" "$bus_pid" 2>/dev/null || true
}

case_wayland_asked_for_over_x() {
    start_clock "2026-12-08 03:25:46" QT_QPA_PLATFORM=wayland || return 0
    wait_for "runs on X when asked for Wayland" title_is "14 28 93 518" && pass "runs on X over Wayland"
    close_clock
}

case_no_display() {
    # Without a display: one line that names it, and a non-zero status, at once.
    local setting status lines
    for setting in "-u DISPLAY -u WAYLAND_DISPLAY" "DISPLAY=:987654" \
        "-u DISPLAY WAYLAND_DISPLAY=wayland-quendal-gone"; do
        status=0
        # shellcheck disable=SC2086
        timeout 5 env -u WAYLAND_DISPLAY $setting "$EXE" 2>"$work/stderr" || status=$?
        lines=$(wc -l <"$work/stderr")
        if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && grep -qi display "$work/stderr"; then
            pass "no display ($setting): $(cat "$work/stderr")"
        else
            fail "no display ($setting): status $status, stderr: $(cat "$work/stderr")"
        fi
    done
    : >"$work/stderr"
}

case_wayland_only() {
    # A Wayland desktop without X (weston, headless): the clock runs, and says once, in one
    # line, what Wayland does not let it do and how to get it.
    XDG_RUNTIME_DIR="$QUENDAL_DESKTOP_DIR" weston --backend=headless-backend.so \
        --socket=wayland-quendal --idle-time=0 >"$work/weston.log" 2>&1 &
    local weston=$!
    wait_for "weston's socket" test -S "$QUENDAL_DESKTOP_DIR/wayland-quendal"
    env -u DISPLAY XDG_RUNTIME_DIR="$QUENDAL_DESKTOP_DIR" WAYLAND_DISPLAY=wayland-quendal \
        "${AT_TIME[@]}" FAKETIME="@2026-12-08 03:25:46" "$EXE" 2>"$work/stderr" &
    pid=$!
    sleep 2
    if kill -0 "$pid" 2>/dev/null && [ "$(wc -l <"$work/stderr")" -eq 1 ] &&
        grep -q 'Xwayland' "$work/stderr"; then
        pass "on Wayland alone it runs and says: $(cat "$work/stderr")"
    else
        fail "on Wayland alone: $(kill -0 "$pid" 2>/dev/null && echo running || echo ended), said: $(cat "$work/stderr")"
    fi
    kill "$pid" "$weston" 2>/dev/null || true
    wait "$pid" "$weston" 2>/dev/null || true
    pid=
    : >"$work/stderr"
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

case_refresh_rate() {
    # Refreshes a second, minimised, counted by the probe build beside the program.
    local probe rate
    probe=$(dirname "$EXE")/bench/window_probe.exe
    [ -x "$probe" ] || { echo "skipped: no probe beside $EXE"; return 0; }
    start_clock "@2026-12-09 09:00:00" "$probe" || return 0
    sleep 6
    rate=$(awk '{print $2}' "$work/stdout" | tail -n 4 |
        awk 'NR == 1 {a = $1} {b = $1} END {print int((b - a) / (NR - 1))}')
    [ "${rate:-0}" -ge 500 ] && pass "$rate refreshes a second" || fail "only ${rate:-0} refreshes a second"
    close_clock
}

# The launcher entry signals heard since the monitor started, one line each: seconds
# after START, count, progress, time heard.
launcher_signals() {
    awk -v t0="$1" '
        /member=Update/ { match($0, /time=[0-9.]+/); t = substr($0, RSTART + 5, RLENGTH - 5) }
        /"progress"$/ { want = "progress" }
        /"count"$/ { want = "count" }
        /variant/ && want != "" { v[want] = $NF; want = "" }
        /"progress-visible"/ { printf "%.3f %s %s %s\n", t - t0, v["count"], v["progress"], t }' \
        "$work/entry"
}

case_launcher_entry() {
    # The bar and the count on a private session bus, as a desktop's task manager hears
    # them: within a second of the start, those of the time (at 03:25:46 the day's
    # 0.1428935 and its 14 whole percent); then no more than once a second, however fast
    # the Reading moves.
    eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
        { read -r a; read -r p; echo "export DBUS_SESSION_BUS_ADDRESS='$a'; bus_pid=$p"; })"
    local time count progress started signals monitor after first_count first_progress close
    while IFS='|' read -r time count progress; do
        dbus-monitor --session "type='signal',interface='com.canonical.Unity.LauncherEntry'" \
            >"$work/entry" 2>/dev/null &
        monitor=$!
        sleep 0.3
        started=$(date +%s.%N)
        start_clock "$time" || continue
        sleep 3.5
        close_clock
        kill "$monitor" 2>/dev/null || true
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
        close=$(awk 'NR > 1 && $4 - last < 0.95 {n++} {last = $4} END {print n + 0}' <<<"$signals")
        [ "$close" -eq 0 ] &&
            pass "$(wc -l <<<"$signals") signals in 3.5 s, none within a second of another ('$time')" ||
            fail "$close signals within a second of the one before ('$time')"
    done <<'TIMES'
2026-12-08 03:25:46|14|0.14289
@2026-12-08 03:25:46 x1000|-|-
TIMES
    kill "$bus_pid" 2>/dev/null || true
    unset DBUS_SESSION_BUS_ADDRESS
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
            "case_$name"
        else
            echo "== $name: not for $program_name: $reason"
        fi
    done
}
