# Shared by the end-to-end scripts: counting checks and reading the clipboard.
# shellcheck shell=bash
passes=0
failures=0
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scripts="$e2e_dir/../../scripts"

pass() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The clipboard's text; a stuck owner gets two seconds.
clipboard() { timeout 2 xclip -selection clipboard -o -t UTF8_STRING 2>/dev/null; }

# Waits up to two seconds (or $3) for the clipboard to hold $1; $2 says what
# was done.
expect_clipboard() {
    local want=$1 what=$2 got=""
    for _ in $(seq $((${3:-2} * 20))); do
        got=$(clipboard)
        [[ "$got" == "$want" ]] && { pass; return 0; }
        sleep 0.05
    done
    fail "$what: clipboard holds '$got', expected '$want'"
}

# Clicks at a point of the window's design, in twips: the window scales the
# design to its font, so the point is found from the width of $wid.
click_at() {
    local width
    width=$(xdotool getwindowgeometry --shell "$wid" | sed -n 's/^WIDTH=//p')
    xdotool mousemove --window "$wid" $(($1 * width / 3795)) $(($2 * width / 3795)) click 1
}

# Waits up to five seconds (or $2) for the program ($pid) to end after $1 and
# checks its exit status.
expect_exit() {
    local what=${1:-the exit button} status
    for _ in $(seq $((${2:-5} * 20))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "program still running after $what"
        kill "$pid"
        return
    fi
    wait "$pid"
    status=$?
    [[ $status == 0 ]] && pass || fail "exit status $status after $what, expected 0"
}

summary() {
    echo "$passes passed, $failures failed"
    ((failures == 0))
}
