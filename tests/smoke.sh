#!/usr/bin/env bash
# Starts the real program in a real X server and drives it as a user would:
# Enter on the focused start button, the home button, the start button, the
# home button again, then the exit label, which must end the process with
# status 0 while the section menu exists hidden. The program is started with
# Qt's own options, which it must ignore, and must print nothing.
set -euo pipefail
program=$1

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "smoke: $*" >&2
    exit 1
}

[ -n "${DISPLAY:-}" ] || fail "no X server: run me through xvfb.sh"

# Options Qt would otherwise take: a title for the first window, a style that
# does not exist and a style sheet.
echo '* { color: red; }' >"$work/red.qss"
"$program" -qwindowtitle "Чужой заголовок" -style no-such-style -stylesheet "$work/red.qss" \
    >"$work/output" 2>&1 &
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

# After a move, the window with the title `to` is the one on screen; prints
# its id.
moved_to() {
    local to=$1 from=$2
    local id
    id=$(visible_window "$to") || return 1
    sleep 0.3
    not_visible "$from" || return 1
    echo "$id"
}

start=$(visible_window "Ворсилан ") || fail "the start window did not appear with its own title"

# The start button holds the focus; Enter clicks it. The pointer rests on the
# title, which takes no click.
click_at "$start" 180 80
xdotool key Return
menu=$(moved_to "Ворсилан" "Ворсилан ") || fail "Enter on the start button did not lead to the section menu"

click_at "$menu" 348 348
start=$(moved_to "Ворсилан " "Ворсилан") || fail "the home button did not lead back"

click_at "$start" 348 348
menu=$(moved_to "Ворсилан" "Ворсилан ") || fail "the start button did not lead to the section menu"

click_at "$menu" 348 348
start=$(moved_to "Ворсилан " "Ворсилан") || fail "the home button did not lead back"

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
[ ! -s "$work/output" ] || fail "the program printed: $(cat "$work/output")"
echo "smoke: passed"
