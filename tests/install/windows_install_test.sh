#!/usr/bin/env bash
# What a Windows user downloads, tried under Wine as a user would: each installer installed
# silently into a fresh Wine prefix, with and without the start at log-in, then the
# program, its Start-menu shortcut, its entry among the installed programs and its log-in
# value looked for; the installed program started; and after a silent uninstall, nothing
# of ours left. Each zip's contents listed and checked.
# Usage: windows_install_test.sh PACKAGES_DIR
set -euo pipefail
packages=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/lib/desktop.sh"
source "$(dirname "$0")/../e2e/checks.sh"
work=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=d;mshtml=d;winemenubuilder.exe=d'
pid=
cleanup() {
    set +e
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null
    stop_virtual_desktop
    rm -rf "$work"
}
trap cleanup EXIT
start_virtual_desktop
wine=/usr/lib/wine/wine64
version=$(awk -F'"' '/^project\(quendal VERSION/ {print}' "$(dirname "$0")/../../CMakeLists.txt" |
    sed 's/.*VERSION \([0-9.]*\).*/\1/')
profile=$work/prefix/drive_c/users/$(id -un)
program="$profile/AppData/Local/Programs/Quendal"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quendal.lnk"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
# The texts beside the program: its licence, and its README in English and in each
# language of the translations.
texts=(LICENSE.txt README.txt)
for ts in "$(dirname "$0")"/../../translations/quendal_*.ts; do
    language=$(basename "$ts" .ts)
    texts+=("README.${language#quendal_}.txt")
done
reg_query() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r' | grep -v '^reg: ' || true; }
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The installed programs' entries, as the registry holds them whatever Wine's version
# (Wine writes a per-user package's under the machine's key, in the view of its width;
# Windows under the user's): each entry's values, entries apart by a blank line.
installed_entries() {
    reg_query "HKLM\\$uninstall_key" /s /reg:32
    reg_query "HKLM\\$uninstall_key" /s /reg:64
    reg_query "HKCU\\$uninstall_key" /s
}
# How many installed programs are named Quendal.
quendal_entries() { installed_entries | grep -cE '^ *DisplayName +REG_SZ +Quendal$' || true; }
# Everything of ours the prefix holds: files, folders, shortcuts and registry values.
ours() {
    find "$work/prefix/drive_c" -iname '*quendal*' 2>/dev/null | sed "s|$work/prefix/drive_c/||"
    reg_query "$run_key" | grep -i quendal || true
    reg_query 'HKCU\Software\Quendal'
    installed_entries | grep -i quendal || true
}

for msi in "$packages"/quendal-"$version"-win32.msi "$packages"/quendal-"$version"-win64.msi; do
    name=$(basename "$msi")
    width=32
    [[ $name == *win64* ]] && width=64
    # A fresh prefix for each installer; the second install goes where the first was
    # uninstalled, which leaves nothing behind.
    wineserver -k 2>/dev/null || true
    rm -rf "$work/prefix"
    export WINEPREFIX="$work/prefix"
    "$wine" wineboot -i >/dev/null 2>&1
    for login in "" STARTATLOGIN=1; do
        what="$name${login:+ with $login}"
        status=0
        "$wine" msiexec /qn /i "$msi" $login || status=$?
        [ "$status" -eq 0 ] && pass "installed silently: $what" || fail "msiexec /i: status $status ($what)"
        for file in quendal.exe "${texts[@]}"; do
            [ -f "$program/$file" ] || fail "no $file in the program's folder ($what)"
        done
        [ -f "$program/quendal.exe" ] && pass "the program in the user's local application data ($what)"
        if [ -f "$shortcut" ] && strings "$shortcut" | grep -qi 'Programs\\Quendal\\quendal.exe'; then
            pass "a Start-menu shortcut to the program ($what)"
        else
            fail "no Start-menu shortcut to the program ($what)"
        fi
        [ "$(quendal_entries)" -eq 1 ] &&
            pass "listed among the installed programs ($what)" || fail "not among the installed programs ($what)"
        entry=$(installed_entries | grep -A 30 'DisplayName *REG_SZ *Quendal$' || true)
        for field in "DisplayVersion *REG_SZ *$version" "Publisher *REG_SZ *The Quendal developers"; do
            grep -qE "$field" <<<"$entry" || fail "the uninstall entry lacks $field ($what)"
        done
        value=$(reg_query "$run_key" | grep -i 'quendal' || true)
        if [ -n "$login" ]; then
            grep -qi 'Programs\\Quendal\\quendal.exe' <<<"$value" &&
                pass "starts at log-in: $(sed 's/^ *//' <<<"$value")" || fail "no log-in value ($what)"
        else
            [ -z "$value" ] && pass "no start at log-in unless chosen" || fail "a log-in value unasked: $value"
        fi
        # The installed program starts minimised and shows the Reading in its caption. It
        # runs at 09:00 tomorrow: from the alarm's hour on, it would rightly come up restored.
        # The loader of either width takes the libfaketime of its own ($LIB).
        loader=/usr/lib/wine/wine64 multiarch=x86_64-linux-gnu
        [ "$width" = 32 ] && loader=/usr/lib/wine/wine multiarch=i386-linux-gnu
        if ! "$loader" --version >/dev/null 2>&1; then
            echo "skipped: this machine runs no $width-bit programs, so the installed program is not started"
        elif [ ! -e "/usr/lib/$multiarch/faketime/libfaketime.so.1" ]; then
            echo "skipped: no $width-bit libfaketime here, so the installed program is not started"
        elif [ "$width" = 32 ] &&
            ! nm -D "/usr/lib/$multiarch/faketime/libfaketime.so.1" | grep -q clock_gettime64; then
            # Debian's 32-bit Wine reads the clock with 64-bit time, which this libfaketime
            # does not intercept: the program would run at the real time.
            echo "skipped: the $width-bit libfaketime here does not reach Wine's 64-bit time, so the installed program is not started"
        else
            "${AT_TIME[@]}" LD_PRELOAD='/usr/$LIB/faketime/libfaketime.so.1' FAKETIME="$(nine_tomorrow)" \
                "$loader" "$program/quendal.exe" >/dev/null 2>&1 &
            pid=$!
            win=
            for tries in $(seq 200); do
                for w in $(xdotool search --classname quendal.exe 2>/dev/null || true); do
                    xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state' && win=$w
                done
                [ -n "$win" ] && break
                sleep 0.05
            done
            if [ -n "$win" ] && wait_for "a caption line from the installed program" caption_is_line 37; then
                pass "the installed program shows '$(window_title "$win")' ($what)"
            else
                fail "the installed program showed no caption line ($what, got '$(window_title "$win")')"
            fi
            [ -n "$win" ] && wmctrl -i -c "$win"
            wait "$pid" || fail "the installed program ended with status $? ($what)"
            pid=
        fi
        "$wine" msiexec /qn /x "$msi" || fail "msiexec /x: status $? ($what)"
        left=$(ours)
        [ -z "$left" ] && pass "uninstalled silently, nothing of ours left ($what)" ||
            fail "left after uninstalling ($what): $left"
    done
done

# Either installer replaces a Quendal installed before, of the other width too: one entry,
# one program, and nothing left once it is uninstalled.
"$wine" msiexec /qn /i "$packages/quendal-$version-win32.msi"
"$wine" msiexec /qn /i "$packages/quendal-$version-win64.msi"
entries=$(quendal_entries)
if [ "$entries" -eq 1 ] && file "$program/quendal.exe" | grep -q 'PE32+'; then
    pass "the 64-bit installer replaced the 32-bit program"
else
    fail "after both installers: $entries entries, $(file -b "$program/quendal.exe" | cut -d, -f1)"
fi
"$wine" msiexec /qn /x "$packages/quendal-$version-win64.msi"
left=$(ours)
[ -z "$left" ] && pass "nothing of ours left after the replacement's uninstall" || fail "left: $left"

# The zips: the program, its licence and a word on it, the texts in Windows' line endings.
expected=$(printf '%s\n' quendal.exe "${texts[@]}" | LC_ALL=C sort | tr '\n' ' ')
for zip in "$packages"/quendal-"$version"-win32.zip "$packages"/quendal-"$version"-win64.zip; do
    listing=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | LC_ALL=C sort | tr '\n' ' ')
    [ "$listing" = "$expected" ] &&
        pass "$(basename "$zip") holds $listing" || fail "$(basename "$zip") holds $listing"
    for text in "${texts[@]}"; do
        unzip -p "$zip" "*/$text" | file - | grep -q 'CRLF' &&
            pass "$text in Windows' line endings" || fail "$text not in Windows' line endings"
    done
done

verdict
