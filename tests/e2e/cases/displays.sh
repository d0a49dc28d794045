# End-to-end cases on displays: scaled, small, Wayland, none at all, and the screen's
# refresh rate. Sourced by cases.sh.

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
    # line, what Wayland does not let it do and how to get it; with a tray's watcher on
    # the session bus, that its tray item shows the Reading, and the item registers.
    XDG_RUNTIME_DIR="$QUENDAL_DESKTOP_DIR" weston --backend=headless-backend.so \
        --socket=wayland-quendal --idle-time=0 >"$work/weston.log" 2>&1 &
    local weston=$! tray said
    wait_for "weston's socket" test -S "$QUENDAL_DESKTOP_DIR/wayland-quendal"
    for tray in "" "its tray item shows the Reading"; do
        [ -z "$tray" ] || start_watcher || continue
        env -u DISPLAY XDG_RUNTIME_DIR="$QUENDAL_DESKTOP_DIR" WAYLAND_DISPLAY=wayland-quendal \
            "${AT_TIME[@]}" FAKETIME="@2026-12-08 03:25:46" "$EXE" 2>"$work/stderr" &
        pid=$!
        sleep 2
        said=$(cat "$work/stderr")
        if kill -0 "$pid" 2>/dev/null && [ "$(wc -l <"$work/stderr")" -eq 1 ] &&
            grep -q 'Xwayland' <<<"$said" && { [ -z "$tray" ] || registered; } &&
            { [ -n "$tray" ] || ! grep -q tray <<<"$said"; } && grep -q "$tray" <<<"$said"; then
            pass "on Wayland alone it runs and says: $said"
        else
            fail "on Wayland alone${tray:+ with a tray}: $(kill -0 "$pid" 2>/dev/null && echo running || echo ended), said: $said"
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    pid=
    : >"$work/stderr"
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
