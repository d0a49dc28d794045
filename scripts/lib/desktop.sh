# A virtual X desktop (Xvfb and the openbox window manager) for running Quendal where
# there is no screen: the headless run, the end-to-end tests, the screenshots and the
# measurements. Sourced, not run. Needs xvfb, openbox and x11-utils.

# libfaketime, for running a program at any wall-clock time (Debian's faketime package).
FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)

# A FAKETIME setting for 09:00 tomorrow, hours before the clock's alarm, running. The
# clock is moved forward, never back: font caches written today must not look as if
# they came from the future, or the font library rebuilds them at every start.
nine_tomorrow() {
    echo "+$(($(date -d 'tomorrow 00:00' +%s) + 9 * 3600 - $(date +%s)))s"
}

# Starts the desktop on a free display and exports DISPLAY. The caller stops it with
# stop_virtual_desktop (an EXIT trap is the safe place).
start_virtual_desktop() {
    local geometry=${1:-1280x800x24}
    QUENDAL_DESKTOP_DIR=$(mktemp -d)
    cat >"$QUENDAL_DESKTOP_DIR/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><name>Clearlooks</name><animateIconify>no</animateIconify></theme>
  <desktops><number>1</number></desktops>
</openbox_config>
XML
    local n
    for n in $(seq 90 199); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        # Own sessions: a Ctrl-C meant for the caller must not take the desktop down
        # under the programs still running on it. No reset: the server would otherwise
        # restart, refusing connections for a moment, whenever its last client leaves.
        setsid Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp -noreset >"$QUENDAL_DESKTOP_DIR/xvfb.log" 2>&1 &
        QUENDAL_XVFB_PID=$!
        local tries
        for tries in $(seq 100); do
            xprop -display ":$n" -root >/dev/null 2>&1 && break 2
            kill -0 "$QUENDAL_XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill "$QUENDAL_XVFB_PID" 2>/dev/null || true
        QUENDAL_XVFB_PID=
    done
    [ -n "${QUENDAL_XVFB_PID:-}" ] || { echo "could not start Xvfb" >&2; return 1; }
    export DISPLAY=":$n"
    export XDG_RUNTIME_DIR="$QUENDAL_DESKTOP_DIR"
    chmod 700 "$QUENDAL_DESKTOP_DIR"

    setsid openbox --sm-disable --config-file "$QUENDAL_DESKTOP_DIR/rc.xml" \
        >"$QUENDAL_DESKTOP_DIR/openbox.log" 2>&1 &
    QUENDAL_WM_PID=$!
    # A window mapped before the window manager has taken over may never be managed:
    # wait until a throw-away window is, mapping a new one every two seconds.
    local attempt tries probe w
    for attempt in 1 2 3 4 5; do
        xmessage -name quendal-probe -timeout 5 "starting" >/dev/null 2>&1 &
        probe=$!
        for tries in $(seq 40); do
            for w in $(xdotool search --classname quendal-probe 2>/dev/null); do
                if xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state'; then
                    kill "$probe" 2>/dev/null || true
                    wait "$probe" 2>/dev/null || true
                    return 0
                fi
            done
            sleep 0.05
        done
        kill "$probe" 2>/dev/null || true
        wait "$probe" 2>/dev/null || true
    done
    echo "the window manager did not start: $(cat "$QUENDAL_DESKTOP_DIR"/*.log)" >&2
    return 1
}

stop_virtual_desktop() {
    local pid
    # SIGTERM, so that Xvfb removes its lock and socket.
    for pid in ${QUENDAL_WM_PID:-} ${QUENDAL_XVFB_PID:-}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ -n "${QUENDAL_DESKTOP_DIR:-}" ]; then
        rm -rf "$QUENDAL_DESKTOP_DIR"
    fi
    QUENDAL_WM_PID= QUENDAL_XVFB_PID= QUENDAL_DESKTOP_DIR=
    return 0
}

# window_of PID: waits until the program's top-level window is managed, prints its id.
window_of() {
    local pid=$1 tries w
    for tries in $(seq 200); do
        for w in $(xdotool search --pid "$pid" 2>/dev/null); do
            if xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state'; then
                echo "$w"
                return 0
            fi
        done
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# The title a taskbar shows for the window.
window_title() {
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# Normal or Iconic.
window_map_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'
}
