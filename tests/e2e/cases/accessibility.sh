# End-to-end cases on reading the clock without its colours and pictures: a screen reader,
# the desktop's high contrast. Sourced by cases.sh.

case_screen_reader() {
    # A screen reader (AT-SPI, as Orca reads it): the window is a frame named after its
    # caption, the strip is heard as one number with its meaning, the Reading of that
    # moment, minimised and restored; the modes are radio buttons; and name changes come
    # at most about once a second each, not at every refresh.
    reader() { /usr/bin/python3 "$E2E_DIR/helpers/atspi_reader.py" "$@"; }
    # The launcher keeps the screen reader's switch in GSettings; on a machine with dconf,
    # whose service the test's bus cannot start, a switch turned on there would be lost.
    GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    case_pids+=($!)
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
    wait_for "caption line while running" caption_is_line
    local before now after changes objects
    before=$(caption_reading "$(window_title "$win")")
    now=$(reader reading | sed -n 1p | awk '{print $1}')
    after=$(caption_reading "$(window_title "$win")")
    awk -v b="$before" -v n="$now" -v a="$after" 'BEGIN { exit !(b <= n && n <= a) }' &&
        pass "minimised and running, heard $now between the captions $before and $after" ||
        fail "minimised and running, heard $now, captions $before and $after"
    restore
    read -r changes objects <<<"$(reader count 5)"
    [ "$changes" -le 12 ] && pass "$changes name changes in 5 s ($objects)" ||
        fail "$changes name changes in 5 s ($objects): more than one a second each"
    close_clock
}

case_high_contrast() {
    # Where the desktop's portal asks for high contrast, the fields take the desktop's two
    # colours, every other one swapped: none of the designed colours, every field's digits
    # standing out, and neighbours apart.
    local field name left width colour x w ratio behind previous=
    /usr/bin/python3 "$E2E_DIR/helpers/fake_portal.py" >"$work/portal" &
    case_pids+=($!)
    if wait_for "the portal ready" grep -q ready "$work/portal" &&
        start_clock "2026-12-08 03:25:46"; then
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
}

# The Windows program's strip as a Windows screen reader reads it, from another process
# (tests/e2e/helpers/strip_reader.cpp): "window|DESCRIPTION", then "ROLE|NAME|STATES" for
# each child of the client area. Under the same locale as the program: Wine keeps the
# user's number format for the whole session, as the last program started found it.
# strip_reader [VAR=VALUE...] [count SECONDS]
strip_reader() {
    local settings=() arguments=() word
    for word; do
        case $word in
            *=*) settings+=("$word") ;;
            *) arguments+=("$word") ;;
        esac
    done
    env ${settings[@]+"${settings[@]}"} "$loader" "$QUENDAL_STRIP_READER" \
        ${arguments[@]+"${arguments[@]}"} 2>/dev/null | tr -d '\r'
}

case_windows_screen_reader() {
    # The client area's children are the six buttons with their names and states and one
    # status bar that says the Reading of the moment; at the alarm the window and the bell
    # say that it rings and how to silence it.
    [ -n "${QUENDAL_STRIP_READER:-}" ] || { echo "skipped: no strip reader named"; return 0; }
    local heard
    start_clock "2026-12-08 03:25:46" || return 0
    wait_for "caption line before asking" title_is "14 28 93 518"
    restore
    heard=$(strip_reader | tr '\n' '/')
    [ "$heard" = "window|/check box|Run|checked,pressed,unavailable/push button|Restart|unavailable/status bar|14.2893518 percent of the day|read only/check box|Alarm|focused/radio button|Clock|checked,pressed/radio button|Stopwatch|/radio button|Calendar|/" ] &&
        pass "the strip reads as six buttons and the status bar '14.2893518 percent of the day'" ||
        fail "the strip read as: $heard"
    close_clock
    start_clock "@2026-12-08 14:59:59" || return 0
    wait_for "the alarm ringing" state_is Normal
    sleep 0.3
    heard=$(strip_reader)
    grep -qx "window|The alarm is ringing: click the bell, or press space on it, to silence it" <<<"$heard" &&
        grep -q "^check box|Alarm ringing|checked,pressed" <<<"$heard" &&
        pass "ringing, the window and the bell say so" || fail "ringing, read as: $(tr '\n' '/' <<<"$heard")"
    close_clock
    # Running, once a reader has asked: the status bar's new names about once a second.
    start_clock "@2026-12-08 09:53:00" || return 0
    strip_reader >/dev/null
    heard=$(strip_reader count 5)
    [ "${heard:-0}" -ge 3 ] && [ "$heard" -le 6 ] &&
        pass "running, $heard name changes told in 5 s" ||
        fail "running, ${heard:-no} name changes told in 5 s: about one a second wanted"
    close_clock
}

case_in_german() {
    # The clock for a German user: the Reading said with the decimal comma, the words in
    # German, the digits and the caption as in every language, and not a line on stderr.
    # The Qt program is read in its tooltip and menu, with a locale this machine need not
    # have installed (Qt has its own data); the Windows program through its accessibility
    # objects, with the locale made here, which Wine needs. A locale the system does not
    # know is English with nothing said.
    local german=(LANG=de_DE.UTF-8 LANGUAGE= LC_ALL=) heard
    if [ "$program" = windows ]; then
        [ -n "${QUENDAL_STRIP_READER:-}" ] || { echo "skipped: no strip reader named"; return 0; }
        mkdir -p "$work/locales"
        localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" >/dev/null 2>&1
        [ -f "$work/locales/de_DE.UTF-8/LC_CTYPE" ] ||
            { fail "cannot make the German locale (Debian: locales)"; return 0; }
        german+=(LOCPATH="$work/locales")
        start_clock "2026-12-08 03:25:46" "${german[@]}" || return 0
        wait_for "caption line" title_is "14 28 93 518"
        heard=$(strip_reader "${german[@]}" | tr '\n' '/')
        [ "$heard" = "window|/check box|Laufen|checked,pressed,unavailable/push button|Neustart|unavailable/status bar|14,2893518 Prozent des Tages|read only/check box|Wecker|/radio button|Uhr|checked,pressed/radio button|Stoppuhr|/radio button|Kalender|/" ] &&
            pass "German: the strip reads '14,2893518 Prozent des Tages', its buttons in German" ||
            fail "German: the strip read as: $heard"
        close_clock
        return 0
    fi
    start_watcher || return 0
    start_clock "2026-12-08 03:25:46" "${german[@]}" || return 0
    wait_for "the item registered" registered || return 0
    wait_for "the German tooltip ($(item ToolTip))" \
        item_has ToolTip "'Quendal', '14,2893518 Prozent des Tages'" &&
        pass "German: the tooltip says '14,2893518 Prozent des Tages'"
    shows "<'Leiste anzeigen'>" "<'Uhr'>, 'toggle-state': <1>" "<'Stoppuhr'>" "<'Kalender'>" \
        "<'Beim Anmelden starten'>" "<'Beenden'>" && title_is "14 28 93 518" &&
        pass "German: the menu in German, the caption '14 28 93 518'" ||
        fail "German: menu $(menu GetLayout 0 -1 '@as []'), caption $(window_title "$win")"
    close_clock
    start_clock "2026-12-08 03:25:46" LANG=xx_YY.UTF-8 LANGUAGE= LC_ALL= || return 0
    wait_for "the item registered again" eval '[ "$(grep -c ^registered "$work/watcher")" -ge 2 ]' ||
        return 0
    wait_for "the English tooltip ($(item ToolTip))" \
        item_has ToolTip "'Quendal', '14.2893518 percent of the day'" &&
        shows "<'Show the strip'>" "<'Quit'>" && pass "an unknown locale: English"
    close_clock
}
