# A fresh, minimal Debian of a given release, for trying the project as a new user would:
# made with debootstrap once and kept under build/ as a tarball, unpacked afresh for each
# use, with the kernel's file systems mounted as on a real machine. Sourced, after
# common.sh; needs root.

# debian_root RELEASE: unpacks a fresh root of Debian RELEASE (12 or 13) into
# build/debianRELEASE-root and mounts what a machine has; sets DEBIAN_ROOT. The caller
# calls leave_debian_root when done (an EXIT trap is the safe place).
debian_root() {
    local release=$1 codename
    case $release in
        12) codename=bookworm ;;
        13) codename=trixie ;;
        *)
            say "no such Debian release here: $release (12 or 13)"
            return 1
            ;;
    esac
    install_packages debootstrap git
    local build="$QUENDAL_ROOT/build"
    local tarball="$build/debian$release-minbase.tar"
    mkdir -p "$build/debian$release-root"
    DEBIAN_ROOT=$(realpath "$build/debian$release-root")
    if [ ! -f "$tarball" ]; then
        say "making a minimal Debian $release with debootstrap (once; kept as build/$(basename "$tarball"))"
        rm -rf "$tarball.dir"
        if ! debootstrap --variant=minbase "$codename" "$tarball.dir" http://deb.debian.org/debian \
            >"$build/debian$release-debootstrap.log" 2>&1; then
            say "debootstrap failed:"
            tail -n 5 "$build/debian$release-debootstrap.log" >&2
            return 1
        fi
        tar -C "$tarball.dir" -cf "$tarball.part" .
        mv "$tarball.part" "$tarball"
        rm -rf "$tarball.dir"
    fi
    # Nothing may still be mounted in the old root when it is removed.
    leave_debian_root
    rm -rf --one-file-system "$DEBIAN_ROOT"
    mkdir "$DEBIAN_ROOT"
    tar -C "$DEBIAN_ROOT" -xpf "$tarball"
    # As the installer leaves a machine: its updates and security updates too; and apt
    # reaches the archive as this machine's apt does (its proxy and checks, if any, in the
    # settings that are this machine's own, not a package's).
    cat >"$DEBIAN_ROOT/etc/apt/sources.list" <<SOURCES
deb http://deb.debian.org/debian $codename main
deb http://deb.debian.org/debian $codename-updates main
deb http://deb.debian.org/debian-security $codename-security main
SOURCES
    local setting
    for setting in $(grep -l 'Acquire' /etc/apt/apt.conf.d/* 2>/dev/null); do
        dpkg -S "$setting" >/dev/null 2>&1 || cp "$setting" "$DEBIAN_ROOT/etc/apt/apt.conf.d/"
    done
    cp /etc/resolv.conf "$DEBIAN_ROOT/etc/resolv.conf"
    mount -t proc proc "$DEBIAN_ROOT/proc"
    mount --rbind /sys "$DEBIAN_ROOT/sys"
    mount --bind /dev "$DEBIAN_ROOT/dev"
    mount --bind /dev/pts "$DEBIAN_ROOT/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$DEBIAN_ROOT/dev/shm"
}

# The PATH a root's login shell has.
DEBIAN_ROOT_PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# in_debian_root COMMAND: runs the shell command in the root with a clean environment, as a
# new user's shell would (no locale chosen, no display), from /root.
in_debian_root() {
    chroot "$DEBIAN_ROOT" env -i HOME=/root TERM=dumb PATH="$DEBIAN_ROOT_PATH" \
        bash -c "cd /root && $1"
}

# Ends whatever still runs in the root (an X server, a bus), then unmounts all it has
# mounted, deepest first.
leave_debian_root() {
    [ -n "${DEBIAN_ROOT:-}" ] || return 0
    local proc point round
    # Again while any is left: a build inside may start new ones meanwhile.
    for round in 1 2 3 4 5; do
        local found=
        for proc in /proc/[0-9]*; do
            if [ "$(readlink "$proc/root" 2>/dev/null)" = "$DEBIAN_ROOT" ]; then
                kill -KILL "${proc#/proc/}" 2>/dev/null || true
                found=yes
            fi
        done
        [ -n "$found" ] || break
        sleep 0.2
    done
    findmnt -rn -o TARGET | { grep -F "$DEBIAN_ROOT/" || true; } | sort -r |
        while read -r point; do
            umount -l "$point" 2>/dev/null || true
        done
}
