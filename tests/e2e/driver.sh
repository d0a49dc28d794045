# What the end-to-end cases do with the program and read from it: the clicks and keys of
# a user, the window's states, screenshots and their colours, the bells. Sourced by
# cases.sh, after the program's own driver (program_qt.sh or program_windows.sh).

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
    caption_reading "$(window_title "$win")"
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# Bells: every bell rung on the display, with the time it was heard.
start_bells() {
    "$BELL_COUNTER" >"$work/bells" &
    bell_counter=$!
    wait_for "bell counter ready" grep -q ready "$work/bells"
}
stop_bells() {
    kill "$bell_counter" 2>/dev/null
    wait "$bell_counter" 2>/dev/null || true
    bell_counter=
}
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
