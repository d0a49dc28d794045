# The desktop's services that tell whether anyone sees the screen, or that the system
# saves power, faked on the caller's own session and system buses (Debian's
# python3-dbusmock), and what each says made to change; for the end-to-end cases and the
# measurements. Sourced, after scripts/lib/desktop.sh has started both buses. Each faked
# service's process id is added to the caller's `fakes` array, which it ends.

# fake NAME [--system] DBUSMOCK_ARGUMENTS...: a faked service, ready to answer; its
# process id also in `fake_pid`.
fake() {
    local name=$1 bus=--session tries
    shift
    [ "${1:-}" = --system ] && bus=--system
    /usr/bin/python3 -m dbusmock "$@" >/dev/null 2>&1 &
    fake_pid=$!
    fakes+=("$fake_pid")
    for tries in $(seq 100); do
        gdbus call "$bus" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.NameHasOwner "$name" 2>/dev/null | grep -q true && return 0
        sleep 0.05
    done
    echo "the faked $name did not start" >&2
    return 1
}

# on BUS NAME PATH METHOD ARGUMENTS...: a call to a faked service.
on() { gdbus call "--$1" --dest "$2" --object-path "$3" --method "$4" -- "${@:5}" >/dev/null; }

# fake_source SOURCE [TYPE ANSWER]: the services through which SOURCE speaks, faked, all
# saying the screen is seen and no power is saved; the freedesktop screen saver answers
# GetActive with ANSWER of D-Bus TYPE (default b False).
fake_source() {
    case $1 in
        logind | logind-inactive)
            fake org.freedesktop.login1 --system --template logind &&
                on system org.freedesktop.login1 /org/freedesktop/login1 \
                    org.freedesktop.DBus.Mock.AddSession auto seat0 1000 user true ;;
        gnome) fake org.gnome.ScreenSaver --template gnome_screensaver ;;
        freedesktop)
            fake org.freedesktop.ScreenSaver org.freedesktop.ScreenSaver \
                /org/freedesktop/ScreenSaver org.freedesktop.ScreenSaver &&
                on session org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
                    org.freedesktop.DBus.Mock.AddMethod '' GetActive '' "${2:-b}" "ret = ${3:-False}" ;;
        power-saver) fake net.hadess.PowerProfiles --system --template power_profiles_daemon ;;
        *) ;;  # the X server's screen saver is always there
    esac
}

# say_source SOURCE on|off: SOURCE says nobody sees the screen (the power saver: saves power),
# or no longer. Windows' session ("session") is told by the helper in $session_change.
say_source() {
    local b=false
    [ "$2" = on ] && b=true
    case $1 in
        logind)
            on system org.freedesktop.login1 /org/freedesktop/login1/session/auto \
                org.freedesktop.login1.Session.SetLockedHint "$b" ;;
        logind-inactive)
            local active=true
            [ "$2" = on ] && active=false
            on system org.freedesktop.login1 /org/freedesktop/login1/session/auto \
                org.freedesktop.DBus.Mock.UpdateProperties org.freedesktop.login1.Session \
                "{'Active': <$active>}" ;;
        gnome) on session org.gnome.ScreenSaver /org/gnome/ScreenSaver org.gnome.ScreenSaver.SetActive "$b" ;;
        freedesktop)
            on session org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
                org.freedesktop.DBus.Mock.EmitSignal org.freedesktop.ScreenSaver ActiveChanged b "[<$b>]" ;;
        x) if [ "$2" = on ]; then xset s activate; else xset s reset; fi ;;
        power-saver)
            local profile=balanced
            [ "$2" = on ] && profile=power-saver
            on system net.hadess.PowerProfiles /net/hadess/PowerProfiles \
                org.freedesktop.DBus.Properties.Set net.hadess.PowerProfiles ActiveProfile \
                "<\"$profile\">" ;;
        session) "$loader" "$session_change" "$([ "$2" = on ] && echo lock || echo unlock)" ;;
    esac
}
