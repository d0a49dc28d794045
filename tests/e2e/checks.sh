# What the end-to-end scripts share: their verdicts, and the checks on the window `win`
# that they poll for. Sourced, after scripts/lib/desktop.sh.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/verdicts.sh"

# wait_for DESCRIPTION COMMAND...: polls for up to 5 s; a failure when it never holds.
wait_for() {
    local what=$1 tries
    shift
    for tries in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    fail "$what"
    return 1
}

title_is() { [ "$(window_title "$win")" = "$1" ]; }
state_is() { [ "$(window_map_state "$win")" = "$1" ]; }
# caption_is_line [WHOLE]: the title is a caption line, with that whole percent if given;
# without it, one with its power of ten (a Reading below 0.1) is one too.
caption_is_line() {
    local title
    title=$(window_title "$win")
    [[ "$title" =~ ^${1:-[0-9]*}\ [0-9]{2}\ [0-9]{2}\ [0-9]{3}$ ]] ||
        { [ -z "${1:-}" ] && [[ "$title" =~ ^[0-9]\ [0-9]{2}\ [0-9]{2}\ E-[0-9]+$ ]]; }
}
