# Shared by the set-up scripts: what Quendal needs from Debian's packages, and how
# each build tree is configured. Sourced, not run.

QUENDAL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# To build and run the clock. Lato's Black face stands in for the digits' designed face
# where that is not installed; Qt's translation tools build the translations in.
QUENDAL_BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-qpa-plugins
                        qt6-wayland libx11-dev libxcb-screensaver0-dev libxcb-dpms0-dev
                        qt6-tools-dev qt6-l10n-tools fonts-lato)
# A virtual X desktop, for running the clock where there is no screen.
QUENDAL_DESKTOP_PACKAGES=(xvfb openbox x11-utils xdotool)
# To build and run the tests as well: the end-to-end tests drive the real program on a
# virtual desktop at any wall-clock time and read its pixels.
QUENDAL_TEST_PACKAGES=(libgtest-dev libgmock-dev "${QUENDAL_DESKTOP_PACKAGES[@]}" wmctrl
                       faketime imagemagick file desktop-file-utils appstream clang-format
                       mutter dbus-daemon dbus-bin at-spi2-core python3-pyatspi dpkg-dev
                       lintian icewm fluxbox weston unzip python3-gi libglib2.0-bin
                       python3-dbusmock x11-xserver-utils locales)
# To build and run the benchmarks.
QUENDAL_BENCH_PACKAGES=(libbenchmark-dev)
# To cross-build the Windows program (its string tables are made from the translations
# by a Python script), and to run it under Wine (32-bit and 64-bit).
QUENDAL_WINDOWS_PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
                          binutils-mingw-w64-x86-64 python3)
QUENDAL_WINE_PACKAGES=(wine wine64)
QUENDAL_WINE32_PACKAGES=(wine32:i386 libfaketime:i386)
# To make the Windows installer (wixl and msibuild, from msitools) and the zip.
QUENDAL_PACKAGING_PACKAGES=(wixl msitools)

say() { printf 'quendal: %s\n' "$*"; }

# Set once something was installed or built: a second run has nothing to say.
QUENDAL_DID_WORK=

# progress WHAT: reads apt's status lines or ninja's "[done/all]" lines and says how far
# WHAT has come, in steps of a fifth, as it comes; says nothing when there is nothing to
# report.
progress() {
    local line phase last= percent goal=20 done all
    while IFS= read -r line; do
        case $line in
            dlstatus:* | pmstatus:*)
                [[ $line == dl* ]] && phase=downloading || phase="setting up"
                IFS=: read -r _ _ percent _ <<<"$line"
                percent=${percent%%.*}
                ;;
            \[*/*\]*)
                IFS='[/]' read -r _ done all _ <<<"$line"
                phase=$1
                percent=$((100 * done / all))
                ;;
            *) continue ;;
        esac
        [ "$phase" = "$last" ] || goal=20
        last=$phase
        if [ "$percent" -ge "$goal" ]; then
            say "$phase: $percent%"
            goal=$(((percent / 20 + 1) * 20))
        fi
    done
}

# Installs whichever of the named packages are missing; does nothing when all are there.
install_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    as_root true || return 1
    QUENDAL_DID_WORK=1
    say "installing from Debian's packages, with what they need: ${missing[*]}"
    update_package_lists
    local - log
    set -o pipefail
    log=$(mktemp)
    # apt's own words on failure only (the first unmet dependency or package that failed,
    # and apt's last error): the progress says how far it has come. A setting file the
    # user changed stays as it is, unasked.
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends -o Dpkg::Options::=--force-confdef \
        -o Dpkg::Options::=--force-confold -o APT::Status-Fd=1 "${missing[@]}" 2>"$log.err" |
        tee "$log" | progress installing; then
        say "apt could not install ${missing[*]}:"
        {
            # Quiet, apt keeps its unmet dependencies to itself: a dry run names them, the
            # first that cannot be installed at all, or else the first.
            as_root apt-get install -s --no-install-recommends "${missing[@]}" 2>/dev/null |
                awk '/ : (Pre)?Depends: / { if (/not installable/) { print; done = 1; exit }
                                            if (!first) first = $0 }
                     END { if (!done && first) print first }' 
            grep -m 1 -A 1 '^dpkg: error processing' "$log.err" || true
            grep -E '^E:' "$log.err" | tail -n 1
        } | sed 's/^ *//' >&2
        rm -f "$log" "$log.err"
        return 1
    fi
    rm -f "$log" "$log.err"
}

# as_root COMMAND...: runs it as root, through sudo where this is a user.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        say "need root or sudo to install what is missing"
        return 1
    fi
}

# Reads the package lists afresh. A mirror in the middle of a sync can fail one index
# while every package needed is still there: the install that follows tells.
update_package_lists() {
    local log
    log=$(mktemp)
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq >"$log" 2>&1; then
        say "apt could not read every package list, going on with what it has:"
        grep -E '^E:' "$log" | head -n 1 >&2
    fi
    rm -f "$log"
}

# Wine's 32-bit side comes from Debian's i386 packages.
install_wine() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        say "adding Debian's i386 packages, for Wine's 32-bit side"
        as_root dpkg --add-architecture i386
        update_package_lists
    fi
    install_packages "${QUENDAL_WINE_PACKAGES[@]}"
    # Without its 32-bit side Wine still runs the 64-bit program, which then stands in
    # for the 32-bit one where a program has to run.
    install_packages "${QUENDAL_WINE32_PACKAGES[@]}" ||
        say "so Wine runs only 64-bit programs here"
}

# build_windows DIR ARCH [cmake options...]: cross-builds the Windows program for ARCH
# (i686 or x86_64) in DIR. Its icons are made by the picture tool of the release build.
build_windows() {
    local dir=$1 arch=$2
    shift 2
    build_release
    configure_and_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$QUENDAL_ROOT/cmake/mingw-w64.cmake" \
        -DQUENDAL_WINDOWS_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release -DQUENDAL_WERROR=ON \
        -DQUENDAL_PICTURE_TOOL="$QUENDAL_ROOT/build/release/tools/render_pictures" "$@"
}

# build_windows_packages DIR: makes what a Windows user downloads into DIR: for the 32-bit
# program (build/windows) and the 64-bit build (build/windows-x86_64), an installer and a
# zip.
build_windows_packages() {
    local out=$1 arch tree
    mkdir -p "$out"
    for arch in i686 x86_64; do
        tree="$QUENDAL_ROOT/build/windows"
        [ "$arch" = i686 ] || tree="$QUENDAL_ROOT/build/windows-$arch"
        build_windows "$tree" "$arch" -DQUENDAL_BUILD_TESTS=OFF
        if ! cmake --build "$tree" --target installer >"$tree/quendal-installer.log" 2>&1; then
            cat "$tree/quendal-installer.log" >&2
            return 1
        fi
        (cd "$tree" && cpack -G ZIP -B "$tree/zip" >/dev/null)
        cp "$tree"/quendal-*.msi "$tree"/zip/quendal-*.zip "$out/"
    done
}

# configure_and_build DIR [cmake options...]: configures DIR once, and again when the
# options change, then builds it. Says how far the build has come; on failure shows all
# it printed.
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/quendal-options" 2>/dev/null)" != "$*" ]; then
        say "configuring ${dir#"$QUENDAL_ROOT"/}"
        cmake -S "$QUENDAL_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
        printf '%s' "$*" >"$dir/quendal-options"
    fi
    local log="$dir/quendal-build.log" status
    set +o pipefail
    # ninja itself, which says how far it has come as it goes (cmake --build keeps it to
    # the end).
    ninja -C "$dir" 2>&1 | tee "$log" | progress "building ${dir#"$QUENDAL_ROOT"/}"
    status=${PIPESTATUS[0]}
    set -o pipefail
    if [ "$status" -ne 0 ]; then
        cat "$log" >&2
        return 1
    fi
    grep -q '^ninja: no work to do' "$log" || QUENDAL_DID_WORK=1
}

# run_stage NAME FUNCTION: runs one stage of a longer job to its end, whatever became of
# the stages before it, and notes how it ended and how long it took.
QUENDAL_STAGES=()
run_stage() {
    local name=$1 started=$SECONDS status
    shift
    say "$name"
    set +e
    (
        set -e
        "$@"
    )
    status=$?
    set -e
    local verdict=passed
    [ "$status" -eq 0 ] || verdict=FAILED
    QUENDAL_STAGES+=("$verdict: $name, $((SECONDS - started)) s")
}

# stages_verdict: one line per stage run, then fails when any of them failed.
stages_verdict() {
    local line failed=0
    for line in "${QUENDAL_STAGES[@]}"; do
        say "$line"
        [[ $line == passed:* ]] || failed=$((failed + 1))
    done
    if [ "$failed" -gt 0 ]; then
        say "$failed of ${#QUENDAL_STAGES[@]} stages failed"
        return 1
    fi
    say "every stage passed"
}

# Builds the program as a user runs it, in build/release.
build_release() {
    configure_and_build "$QUENDAL_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release \
        -DQUENDAL_BUILD_TESTS=OFF
}

# Builds the benchmarks and their measuring programs, in build/bench.
build_bench() {
    configure_and_build "$QUENDAL_ROOT/build/bench" -DCMAKE_BUILD_TYPE=Release \
        -DQUENDAL_BUILD_TESTS=OFF -DQUENDAL_BUILD_BENCH=ON -DQUENDAL_WERROR=ON
}
