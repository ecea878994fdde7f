#!/usr/bin/env bash
# Starts the real program in a real X server and drives it as a user would:
# start button, home button, then the exit label, which must end the process
# with status 0 while the section menu exists hidden.
set -euo pipefail
program=$1

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "smoke: $*" >&2
    exit 1
}

# Let the X server choose a free display and tell us which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM

"$program" &
program_pid=$!

# Waits until exactly one visible window has the given title; prints its id.
visible_window() {
    local title=$1
    for _ in $(seq 100); do
        local ids
        ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
        if [ -n "$ids" ]; then
            echo "$ids" | head -n 1
            return 0
        fi
        sleep 0.1
    done
    return 1
}

not_visible() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Clicks at a point of a window's client area.
click_at() {
    local id=$1 x=$2 y=$3
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + x)) $((Y + y)) sleep 0.1 click 1
}

start=$(visible_window "Ворсилан ") || fail "the start window did not appear"

click_at "$start" 348 348
menu=$(visible_window "Ворсилан") || fail "the section menu did not appear"
sleep 0.3
not_visible "Ворсилан " || fail "the start window is still visible after the start button"

click_at "$menu" 348 348
start=$(visible_window "Ворсилан ") || fail "the home button did not lead back"
sleep 0.3
not_visible "Ворсилан" || fail "the section menu is still visible after the home button"

click_at "$start" 352 12
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the exit label did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "smoke: passed"
