# Sourced by the shell tests: strict mode, tools, counted failures and a
# private directory $work, removed on exit. A test may redefine on_failure
# (show its logs) and on_exit (stop what it started).
set -Eeuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

need_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/install-deps installs it)" >&2; exit 1; }
    done
}
skip() { echo "SKIP: $*" >&2 && exit 77; }
failures=0
fail() { echo "FAIL: $*" >&2 && failures=$((failures + 1)); }
# Ends the test: passed with the message given, or failed with the count.
finish() {
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2 && exit 1; }
    echo "$*"
}
on_failure() { :; }
on_exit() { :; }
work=$(mktemp -d)
trap 'rc=$?; { [ $rc -eq 0 ] || [ $rc -eq 77 ] || on_failure; on_exit; } || true; rm -rf "$work"' EXIT
