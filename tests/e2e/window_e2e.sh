#!/usr/bin/env bash
# The real program on a virtual X desktop, driven and read as a user would: the taskbar
# title, the window's map state, its pixels, the bells, and its exit status.
# Usage: window_e2e.sh QUENDAL BELL_COUNTER
set -euo pipefail
QUENDAL=$1
BELL_COUNTER=$2
source "$(dirname "$0")/../../scripts/lib/desktop.sh"
source "$(dirname "$0")/checks.sh"

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    stop_virtual_desktop
    rm -rf "$work"
}
trap cleanup EXIT
start_virtual_desktop

# start_clock FAKETIME [VAR=VALUE...]: starts the program at that wall-clock time;
# sets pid and win. A Wayland display is named too: where X is there as well, the
# program must choose X.
start_clock() {
    local time=$1
    shift
    "${AT_TIME[@]}" FAKETIME="$time" WAYLAND_DISPLAY=wayland-quendal-test "$@" "$QUENDAL" \
        2>"$work/stderr" &
    pid=$!
    pids+=("$pid")
    win=$(window_of "$pid") || { fail "no window at $time: $(cat "$work/stderr")"; return 1; }
}


# close_clock: closes the window as the user does and checks the exit status.
close_clock() {
    wmctrl -i -c "$win"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] && pass "closing ends the program with status 0" ||
        fail "exit status $status after closing"
    [ -s "$work/stderr" ] && fail "error output: $(cat "$work/stderr")"
    return 0
}

# 1. Minimised in clock mode, the taskbar shows the caption line.
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

# Every bell rung on the display is counted.
start_bell_counter() {
    "$BELL_COUNTER" >"$work/bells" &
    bell_counter=$!
    pids+=("$bell_counter")
    wait_for "bell counter ready" grep -q ready "$work/bells"
}
stop_bell_counter() {
    kill "$bell_counter"
    wait "$bell_counter" 2>/dev/null || true
}
bells() { grep -c bell "$work/bells" || true; }
start_bell_counter

# 2. The user restores and minimises it: the digits move to the strip and back. The
#    focus starts on the bell, so the space key rings it and silences it again.
start_clock "2026-12-08 03:25:46"
wait_for "caption line before restoring" title_is "14 28 93 518"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored by the user" state_is Normal && pass "restored by the user"
wait_for "caption 'Quendal' while restored" title_is Quendal
sleep 0.5
import -window "$win" "$work/restored.png"
blue=$(convert "$work/restored.png" -crop 49x33+88+0 +repage txt:- | grep -ci '#0000FF' || true)
[ "$blue" -gt 10 ] && pass "restored strip shows blue digits" || fail "no blue digits once restored"
before=$(bells)
xdotool key --window "$win" space
sleep 0.5
rung=$(bells)
xdotool key --window "$win" space
sleep 0.3
silenced=$(bells)
sleep 0.5
if [ "$rung" -gt "$before" ] && [ "$(bells)" -eq "$silenced" ]; then
    pass "space on the focused bell rings it, and again silences it"
else
    fail "space on the bell: $before bells, then $rung, then $silenced and $(bells)"
fi
xdotool windowminimize --sync "$win"
wait_for "caption line again once minimised" title_is "14 28 93 518" &&
    pass "minimised again, the taskbar shows the reading"
close_clock

# 2b. Full screen (where the window manager offers it) is a visible strip: the digits
#     stay live in the labels and the caption keeps the name.
start_clock "@2026-12-08 03:25:46"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored before full screen" state_is Normal
wmctrl -i -r "$win" -b add,fullscreen
sleep 0.5
green() { import -window "$win" -crop 65x33+232+0 +repage "$work/green.png" && md5sum <"$work/green.png"; }
first=$(green)
sleep 0.3
if title_is Quendal && [ "$(green)" != "$first" ]; then
    pass "full screen shows live digits and the caption 'Quendal'"
else
    fail "full screen: caption '$(window_title "$win")', digits $( [ "$(green)" != "$first" ] && echo live || echo frozen)"
fi
close_clock

# 3. At 15:00:00 on a weekday the window comes up and rings until the bell is clicked,
#    under each window manager: mutter keeps a minimised window mapped, and brings it
#    up only when the program asks for it to be activated.
for wm in openbox mutter; do
    stop_bell_counter
    stop_virtual_desktop
    start_virtual_desktop 1280x800x24 "$wm"
    start_bell_counter
    start_clock "@2026-12-08 14:59:58"
    state_is Iconic || fail "minimised before the alarm ($wm)"
    base=$(bells)
    sleep 0.5
    [ "$(bells)" -eq "$base" ] || fail "bells before the alarm ($wm)"
    for tries in $(seq 80); do state_is Normal && break; sleep 0.05; done
    if state_is Normal && ! xprop -id "$win" _NET_WM_STATE | grep -q HIDDEN; then
        pass "the alarm brought the window up ($wm)"
        wait_for "caption 'Quendal' once restored ($wm, got '$(window_title "$win")')" \
            title_is Quendal && pass "caption 'Quendal' once restored ($wm)"
        sleep 1
        ringing=$(($(bells) - base))
        [ "$ringing" -ge 3 ] && pass "$ringing bells in the first second ($wm)" ||
            fail "only $ringing bells ($wm)"
        [ "$ringing" -le 15 ] || fail "$ringing bells in a second: more than one at a time ($wm)"

        xdotool mousemove --window "$win" 324 16 click 1
        sleep 0.3
        silenced=$(bells)
        sleep 1
        [ "$(bells)" -eq "$silenced" ] && pass "a click on the bell silences it ($wm)" ||
            fail "bells go on after the click ($silenced, then $(bells)) ($wm)"
        state_is Normal || fail "the window did not stay up ($wm)"
        sleep 0.6
        xdotool windowminimize --sync "$win"
        wait_for "the caption line once minimised after the alarm (got '$(window_title "$win")', $wm)" \
            caption_is_line 62 && pass "minimised after the alarm, the taskbar shows the reading ($wm)"
    else
        fail "the window did not come up at 15:00 ($wm: $(window_map_state "$win"), $(xprop -id "$win" _NET_WM_STATE))"
    fi
    close_clock
done
stop_bell_counter

# 4. Asked for Wayland while X is there too, it runs on X.
start_clock "2026-12-08 03:25:46" QT_QPA_PLATFORM=wayland
wait_for "runs on X when asked for Wayland" title_is "14 28 93 518" && pass "runs on X over Wayland"
close_clock

# 4b. A screen reader (AT-SPI, as Orca reads it): the window is a frame named after its
#     caption, the strip is heard as one number with its meaning, the Reading of that
#     moment, minimised and restored; the modes are radio buttons; and name changes come
#     at most about once a second each, not at every refresh.
reader() { /usr/bin/python3 "$(dirname "$0")/atspi_reader.py" "$@"; }
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
    { read -r a; read -r p; echo "export DBUS_SESSION_BUS_ADDRESS='$a'; bus_pid=$p"; })"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=("$!" "$bus_pid")
for tries in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled \
        variant:boolean:true >/dev/null 2>&1 && break
    sleep 0.05
done
start_clock "2026-12-08 03:25:46"
wait_for "caption line before asking" title_is "14 28 93 518"
heard=$(reader reading | tr '\n' '|')
[ "$heard" = "14.2893518 percent of the day|14.2893518 percent of the day|" ] &&
    pass "minimised, the window is heard as '${heard%%|*}'" || fail "minimised, heard '$heard'"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored for the screen reader" state_is Normal
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
# Running: the Reading heard minimised lies between the captions shown just before and just
# after, and a running strip sends no flood of name changes.
start_clock "@2026-12-08 09:53:00"
number() { awk '{ if ($4 ~ /^E/) print -1; else printf "%s.%s%s%s\n", ($1 == "" ? 0 : $1), $2, $3, $4 }' <<<"$1"; }
wait_for "caption line while running" caption_is_line
before=$(number "$(window_title "$win")")
now=$(reader reading | sed -n 1p | awk '{print $1}')
after=$(number "$(window_title "$win")")
awk -v b="$before" -v n="$now" -v a="$after" 'BEGIN { exit !(b <= n && n <= a) }' &&
    pass "minimised and running, heard $now between the captions $before and $after" ||
    fail "minimised and running, heard $now, captions $before and $after"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored while running" state_is Normal
read -r changes objects <<<"$(reader count 5)"
[ "$changes" -le 12 ] && pass "$changes name changes in 5 s ($objects)" ||
    fail "$changes name changes in 5 s ($objects): more than one a second each"
close_clock
kill "$bus_pid" 2>/dev/null || true
unset DBUS_SESSION_BUS_ADDRESS

# 5. On a screen too small for the designed place, the strip moves just enough.
stop_virtual_desktop
start_virtual_desktop 640x480x24
start_clock "2026-12-08 03:25:46"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "restored on the small screen" state_is Normal
sleep 0.3
geometry=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
read -r x y w h <<<"$geometry"
if [ "$x" -eq $((640 - 481)) ] && [ "$y" -eq $((480 - 33)) ] && [ "$w" -eq 481 ] && [ "$h" -eq 33 ]; then
    pass "on a 640x480 screen the strip stands at $x,$y"
else
    fail "on a 640x480 screen the strip stands at $x,$y size ${w}x$h"
fi
close_clock

# 6. Without a display: one line that names it, and a non-zero status, at once.
for setting in "-u DISPLAY -u WAYLAND_DISPLAY" "DISPLAY=:987654"; do
    status=0
    # shellcheck disable=SC2086
    timeout 5 env -u WAYLAND_DISPLAY $setting "$QUENDAL" 2>"$work/stderr" || status=$?
    lines=$(wc -l <"$work/stderr")
    if [ "$status" -ne 0 ] && [ "$status" -ne 124 ] && [ "$lines" -eq 1 ] &&
        grep -qi display "$work/stderr"; then
        pass "no display ($setting): $(cat "$work/stderr")"
    else
        fail "no display ($setting): status $status, stderr: $(cat "$work/stderr")"
    fi
done

echo "$failures failures"
[ "$failures" -eq 0 ]
