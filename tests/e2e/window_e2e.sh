#!/usr/bin/env bash
# The real program on a virtual X desktop (Xvfb and openbox), driven and read as a user
# would: its title, its map state, its pixels, its bells and its exit status. One table of
# cases (cases.sh) runs against the Qt program, its time set by libfaketime, and against
# the Windows program under Wine, its time set by its test build's clock.
# Usage: window_e2e.sh qt QUENDAL BELL_COUNTER
#        window_e2e.sh windows QUENDAL.EXE BELL_COUNTER  (the probe is looked for in bench/)
# Screenshots are kept in $QUENDAL_SHOTS when it names a folder.
set -euo pipefail
program=$1
EXE=$(readlink -f "$2")
BELL_COUNTER=$(readlink -f "$3")
E2E_DIR=$(cd "$(dirname "$0")" && pwd)
source "$E2E_DIR/../../scripts/lib/desktop.sh"
source "$E2E_DIR/checks.sh"
source "$E2E_DIR/cases.sh"

work=$(mktemp -d)
pid=
bell_counter=
cleanup() {
    set +e
    end_case
    program_cleanup
    end_desktop
}
source "$E2E_DIR/program_$program.sh"
trap cleanup EXIT
# A command of the driver that fails ends the table: it says which.
trap 'echo "FAIL: window_e2e.sh stopped at line $LINENO: $BASH_COMMAND" >&2' ERR
start_session_bus
start_system_bus
start_virtual_desktop
program_setup
run_table
# Nothing of a desktop's own services came into the sessions: nothing was mounted in the
# runtime folders of the desktops that the cases made.
stop_virtual_desktop
[ -z "${QUENDAL_LEFT_MOUNTED:-}" ] && pass "nothing mounted in the sessions' runtime folders" ||
    fail "mounted in a session's runtime folder: $QUENDAL_LEFT_MOUNTED"
verdict || exit 1
