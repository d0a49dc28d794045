# A virtual X desktop (Xvfb and a window manager, openbox unless another is named) for
# running Quendal where there is no screen: the headless run, the end-to-end tests, the
# screenshots and the measurements. Sourced, not run. Needs xvfb, openbox and x11-utils;
# mutter and dbus for GNOME's window manager, tint2 for a taskbar beside openbox, icewm and
# fluxbox for theirs.

# libfaketime, for running a program at any wall-clock time (Debian's faketime package):
# the library of this machine's own architecture, not another one installed beside it.
FAKETIME_LIB=/usr/lib/$(gcc -print-multiarch 2>/dev/null || echo "$(uname -m)-linux-gnu")/faketime/libfaketime.so.1

# Put before a command to run it at the wall-clock time that a FAKETIME setting names:
#   "${AT_TIME[@]}" FAKETIME="2026-12-08 14:59:58" quendal     (frozen; "@..." runs on)
# Timers keep the real monotonic clock, and files keep their real times: faked file times
# make the font library take its caches for stale and rebuild them at every start.
AT_TIME=(env LD_PRELOAD="$FAKETIME_LIB" FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1)

# A FAKETIME setting for 09:00 tomorrow, hours before the clock's alarm, running.
nine_tomorrow() {
    echo "+$(($(date -d 'tomorrow 00:00' +%s) + 9 * 3600 - $(date +%s)))s"
}

# fonts_of_fixed_age DIR: points the font library (FONTCONFIG_FILE) at the machine's fonts
# and font settings through a tree in DIR whose folders and files all date from 2000.
# The font library warns on standard error when a font folder or a setting is newer than
# the time, and the programs here run at faked times: with the machine's own files that
# would depend on when its fonts were installed and on today's date.
fonts_of_fixed_age() {
    local dir=$1/fontconfig
    mkdir -p "$dir"
    cp -rLs /usr/share/fonts "$dir/fonts"
    cp -rL /etc/fonts/conf.d "$dir/conf.d"
    cat >"$dir/fonts.conf" <<XML
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dir/fonts</dir>
  <cachedir>$dir/cache</cachedir>
  <include ignore_missing="yes">$dir/conf.d</include>
</fontconfig>
XML
    mkdir -p "$dir/cache"
    find "$dir" -exec touch -h -d '2000-01-01 00:00:00' {} +
    export FONTCONFIG_FILE=$dir/fonts.conf
}

# start_virtual_desktop [GEOMETRY] [WM]: starts the desktop on a free display and exports
# DISPLAY. WM is openbox (the default), openbox+tint2 (with a taskbar), mutter, icewm
# (its own taskbar) or fluxbox. The
# caller stops it with stop_virtual_desktop (an EXIT trap is the safe place).
start_virtual_desktop() {
    local geometry=${1:-1280x800x24} wm=${2:-openbox}
    QUENDAL_DESKTOP_DIR=$(mktemp -d)
    fonts_of_fixed_age "$QUENDAL_DESKTOP_DIR"
    cat >"$QUENDAL_DESKTOP_DIR/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><name>Clearlooks</name><animateIconify>no</animateIconify></theme>
  <desktops><number>1</number></desktops>
</openbox_config>
XML
    local n
    for n in $(seq 90 199); do
        # Taken: by a server of this /tmp, or by one seen only in the abstract socket
        # space, which a root of its own (check-debian's) shares with the machine.
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
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

    # Each in a session of its own, stopped as a whole: the window manager with its bus.
    QUENDAL_WM_PIDS=()
    case $wm in
        openbox | openbox+tint2)
            setsid openbox --sm-disable --config-file "$QUENDAL_DESKTOP_DIR/rc.xml" \
                >"$QUENDAL_DESKTOP_DIR/wm.log" 2>&1 &
            QUENDAL_WM_PIDS+=($!)
            ;;
        mutter)
            setsid dbus-run-session --config-file="$QUENDAL_BUS_CONFIG" -- \
                mutter --x11 --replace --sm-disable \
                >"$QUENDAL_DESKTOP_DIR/wm.log" 2>&1 &
            QUENDAL_WM_PIDS+=($!)
            ;;
        gnome-shell)
            start_gnome_shell || return 1
            ;;
        icewm | fluxbox)
            # Each with its own settings folder, so that nothing of the user's is read; and
            # fluxbox with no wallpaper to set, or it says so in a window of its own.
            mkdir -p "$QUENDAL_DESKTOP_DIR/.fluxbox"
            echo "background: none" >"$QUENDAL_DESKTOP_DIR/.fluxbox/overlay"
            HOME="$QUENDAL_DESKTOP_DIR" setsid "$wm" >"$QUENDAL_DESKTOP_DIR/wm.log" 2>&1 &
            QUENDAL_WM_PIDS+=($!)
            ;;
        *)
            echo "no such window manager here: $wm" >&2
            return 1
            ;;
    esac

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
                    if [ "$wm" = openbox+tint2 ]; then
                        start_taskbar
                    fi
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

# GNOME Shell with its tray extension, as Ubuntu sets it up, on the script's session bus
# (started here when there is none), where the clock offers its tray item; with a system
# bus of its own, without which it dies at start, and its settings in a key file in the
# desktop's folder. Returns once the tray is up.
start_gnome_shell() {
    local dir=$QUENDAL_DESKTOP_DIR tries info
    local settings=(env GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$dir/config"
                    XDG_DATA_HOME="$dir/data" XDG_CACHE_HOME="$dir/cache")
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || start_session_bus
    sed -e 's|<type>session</type>|<type>system</type>|' \
        -e "s|unix:tmpdir=/tmp|unix:path=$dir/system_bus|" "$QUENDAL_BUS_CONFIG" >"$dir/system.conf"
    setsid dbus-daemon --nofork --config-file="$dir/system.conf" >/dev/null 2>&1 &
    QUENDAL_WM_PIDS+=($!)
    "${settings[@]}" gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com']"
    "${settings[@]}" gsettings set org.gnome.shell disable-user-extensions false
    for tries in $(seq 100); do [ -S "$dir/system_bus" ] && break; sleep 0.05; done
    DBUS_SYSTEM_BUS_ADDRESS=unix:path=$dir/system_bus "${settings[@]}" \
        setsid gnome-shell --x11 --replace >"$dir/wm.log" 2>&1 &
    QUENDAL_WM_PIDS+=($!)
    for tries in $(seq 150); do
        info=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
            --method org.gnome.Shell.Extensions.GetExtensionInfo ubuntu-appindicators@ubuntu.com \
            2>/dev/null) || info=
        [[ $info == *"'state': <1.0>"* ]] && return 0
        sleep 0.2
    done
    echo "GNOME Shell's tray did not come up: $(tail -n 5 "$dir/wm.log")" >&2
    return 1
}

# Plasma's panel (its task manager and system tray, whose watcher kded runs) over the
# desktop's window manager, on the script's session bus, with its settings in the
# desktop's folder. Returns once the tray's host has registered. Needs plasma-workspace.
start_plasma() {
    local dir=$QUENDAL_DESKTOP_DIR tries
    local session=(env XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"
                   XDG_CACHE_HOME="$dir/cache" XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true
                   KDE_SESSION_VERSION=5)
    local libexec
    libexec=/usr/lib/$(gcc -print-multiarch 2>/dev/null || echo "$(uname -m)-linux-gnu")/libexec
    "${session[@]}" setsid kded5 >"$dir/kded.log" 2>&1 &
    QUENDAL_WM_PIDS+=($!)
    "${session[@]}" setsid "$libexec/kactivitymanagerd" >"$dir/activities.log" 2>&1 &
    QUENDAL_WM_PIDS+=($!)
    "${session[@]}" setsid plasmashell >"$dir/plasma.log" 2>&1 &
    QUENDAL_WM_PIDS+=($!)
    for tries in $(seq 300); do
        [[ "$(gdbus call --session --dest org.kde.StatusNotifierWatcher \
            --object-path /StatusNotifierWatcher --method org.freedesktop.DBus.Properties.Get \
            org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered 2>/dev/null)" == *true* ]] &&
            return 0
        sleep 0.1
    done
    echo "Plasma's tray did not come up: $(tail -n 5 "$dir/plasma.log")" >&2
    return 1
}

# A tint2 taskbar at the bottom of the screen, one task per window with its title.
start_taskbar() {
    mkdir -p "$QUENDAL_DESKTOP_DIR/tint2"
    cat >"$QUENDAL_DESKTOP_DIR/tint2/tint2rc" <<'RC'
panel_items = T
panel_size = 100% 30
panel_position = bottom left horizontal
panel_background_id = 1
rounded = 0
border_width = 0
background_color = #d4d0c8 100
border_color = #808080 100
task_text = 1
task_icon = 1
task_maximum_size = 220 26
task_padding = 4 2 4
task_font = Sans 10
task_font_color = #000000 100
task_background_id = 1
task_active_background_id = 1
task_iconified_background_id = 1
taskbar_mode = single_desktop
RC
    setsid tint2 -c "$QUENDAL_DESKTOP_DIR/tint2/tint2rc" >"$QUENDAL_DESKTOP_DIR/tint2.log" 2>&1 &
    QUENDAL_WM_PIDS+=($!)
    local tries
    for tries in $(seq 100); do
        xdotool search --classname tint2 >/dev/null 2>&1 && return 0
        sleep 0.05
    done
}

# The processes that make the desktop: the X server, the window manager and the taskbar.
desktop_pids() {
    local pid
    echo "${QUENDAL_XVFB_PID:-}"
    for pid in ${QUENDAL_WM_PIDS[@]+"${QUENDAL_WM_PIDS[@]}"}; do
        pgrep -s "$pid" 2>/dev/null || true
    done
}

stop_virtual_desktop() {
    local pid
    # Each session as a whole, then the X server; SIGTERM, so that Xvfb removes its lock
    # and socket.
    for pid in ${QUENDAL_WM_PIDS[@]+"${QUENDAL_WM_PIDS[@]}"}; do
        kill -- "-$pid" 2>/dev/null || true
        # Given two seconds to go; then made to.
        local tries
        for tries in $(seq 40); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL -- "-$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ -n "${QUENDAL_XVFB_PID:-}" ]; then
        kill "$QUENDAL_XVFB_PID" 2>/dev/null || true
        wait "$QUENDAL_XVFB_PID" 2>/dev/null || true
    fi
    if [ -n "${QUENDAL_DESKTOP_DIR:-}" ]; then
        # A desktop service started in a session may have mounted its file system in the
        # runtime folder: unmounted, and named in QUENDAL_LEFT_MOUNTED for a test to see.
        local mount
        for mount in $(awk -v d="$QUENDAL_DESKTOP_DIR/" 'index($2, d) == 1 {print $2}' /proc/mounts); do
            QUENDAL_LEFT_MOUNTED="${QUENDAL_LEFT_MOUNTED:-}$mount "
            fusermount -u "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
        done
        rm -rf "$QUENDAL_DESKTOP_DIR"
    fi
    QUENDAL_WM_PIDS=() QUENDAL_XVFB_PID= QUENDAL_DESKTOP_DIR=
    return 0
}

# A session bus of the script's own (session-bus.conf: it starts no service by itself), so
# that the programs under test neither reach the user's desktop nor start its services.
# start_session_bus exports its address; stop_session_bus ends it.
QUENDAL_BUS_CONFIG=$(dirname "${BASH_SOURCE[0]}")/session-bus.conf
start_session_bus() {
    local address
    { read -r address && read -r QUENDAL_BUS_PID; } < <(dbus-daemon \
        --config-file="$QUENDAL_BUS_CONFIG" --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=$address
}
stop_session_bus() {
    [ -n "${QUENDAL_BUS_PID:-}" ] && kill "$QUENDAL_BUS_PID" 2>/dev/null
    QUENDAL_BUS_PID=
    unset DBUS_SESSION_BUS_ADDRESS
    [ -n "${QUENDAL_SYSTEM_BUS_PID:-}" ] && kill "$QUENDAL_SYSTEM_BUS_PID" 2>/dev/null
    QUENDAL_SYSTEM_BUS_PID=
    unset DBUS_SYSTEM_BUS_ADDRESS
    return 0
}

# A system bus of the script's own beside it, for the services a test fakes there (a
# login manager, a power daemon), so that the machine's own stay out; stopped with the
# session bus.
start_system_bus() {
    local address config
    config=$(mktemp)
    sed 's|<type>session</type>|<type>system</type>|' "$QUENDAL_BUS_CONFIG" >"$config"
    { read -r address && read -r QUENDAL_SYSTEM_BUS_PID; } < <(dbus-daemon \
        --config-file="$config" --fork --print-address=1 --print-pid=1)
    rm -f "$config"
    export DBUS_SYSTEM_BUS_ADDRESS=$address
}

# end_desktop [PID...]: the end of a script on the virtual desktop, its EXIT trap's, whatever
# became of it: the programs named ended (empty names skipped), its session bus and the
# desktop stopped, and its work folder $work removed where it made one.
end_desktop() {
    set +e
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    stop_session_bus
    stop_virtual_desktop
    [ -n "${work:-}" ] && rm -rf "$work"
    return 0
}

# caption_reading CAPTION: the Reading that a caption line shows, as a number: "14 28 93 518"
# is 14.2893518 and "3 47 22 E-2" 0.0347220; a stopwatch's "0   " is 0.
caption_reading() {
    awk -F'[ ]' '{
        if ($4 ~ /^E-/) { printf "%.12f\n", ($1 "." $2 $3) / 10 ^ substr($4, 3) }
        else { printf "%.12f\n", ($1 == "" ? 0 : $1) "." $2 $3 $4 } }' <<<"$1"
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

# use_wine PROGRAM.EXE PREFIX: Wine as the scripts run Windows programs: in a prefix of
# their own, quiet, asking for no Mono or Gecko; `loader` is the Wine of the program's width
# (a 32-bit program needs Wine's 32-bit side).
use_wine() {
    export WINEPREFIX=$2 WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree=d;mshtml=d;winemenubuilder.exe=d'
    loader=/usr/lib/wine/wine
    if file "$1" | grep -q 'PE32+'; then loader=/usr/lib/wine/wine64; fi
}

# wakeups PID: the program's context switches so far, of all its threads: each one a
# wake-up (under Wine, each call into wineserver is one too).
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'; }

# The title a taskbar shows for the window.
window_title() {
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# Normal or Iconic.
window_map_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'
}
