# The verdicts of a script of checks: one line per check, "ok: ..." or "FAIL: ...", then
# the count of failures, which is the script's verdict. Sourced.

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# The last line: how many checks failed; true when none did.
verdict() {
    echo "$failures failures"
    [ "$failures" -eq 0 ]
}
