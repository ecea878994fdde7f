#!/usr/bin/env bash
# Starts the real program in a real X server and drives it as a user would:
# Enter on the focused start button, then every move between the windows, the
# user dragging a window to another place now and then; each window must open
# with its client area exactly where the one it replaces stood. Last the exit
# label, which must end the process with status 0 while the other windows
# exist hidden. The program is started with Qt's own options, which it must
# ignore, and must print nothing.
#
# Under a window manager (WINDOW_MANAGER set, see xvfb.sh) the user drags a
# window by its title bar; without one the window is moved through the X
# server. On a Wayland desktop (WAYLAND_DISPLAY set) the program must still
# come up as an X program, unless the user chose Qt's platform or there is no
# X display, where Qt's own choice stands.
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
# does not exist and a style sheet. No platform is chosen, as on a desktop.
echo '* { color: red; }' >"$work/red.qss"
env -u QT_QPA_PLATFORM "$program" -qwindowtitle "Чужой заголовок" -style no-such-style -stylesheet "$work/red.qss" \
    >"$work/output" 2>&1 &
program_pid=$!

# The program's windows on screen, by id: those named "Ворсилан", with or
# without the blank that follows the name on three of them.
visible_windows() {
    xdotool search --onlyvisible --name '^Ворсилан ?$' 2>/dev/null || true
}

# Where a window's client area stands on the screen, as "x,y".
client_position() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x "," y }'
}

# Waits until the one window on screen is another than `from` and has the
# given title; prints its id.
replaced() {
    local from=$1 title=$2
    for _ in $(seq 100); do
        local ids
        ids=$(visible_windows)
        if [ -n "$ids" ] && [ "$(echo "$ids" | wc -l)" -eq 1 ] && [ "$ids" != "$from" ]; then
            [ "$(xdotool getwindowname "$ids")" = "$title" ] || return 1
            echo "$ids"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Clicks at a point of a window's client area.
click_at() {
    local position
    position=$(client_position "$1")
    xdotool mousemove $((${position%,*} + $2)) $((${position#*,} + $3)) sleep 0.05 click 1
}

# A move: the user clicks a button of the window on screen (or, without a
# point, presses Enter), and the window with the given title takes its place.
window=""
move() {
    local title=$1 what=$2 x=${3:-} y=${4:-}
    local before
    before=$(client_position "$window")
    if [ -n "$x" ]; then
        click_at "$window" "$x" "$y"
    else
        xdotool key Return
    fi
    window=$(replaced "$window" "$title") || fail "$what did not lead to the window \"$title\""
    # A window manager may still be placing the frame.
    local after
    for _ in $(seq 40); do
        after=$(client_position "$window")
        [ "$after" = "$before" ] && return 0
        sleep 0.05
    done
    fail "$what: the window opened at $after, the one it replaced stood at $before"
}

# The user moves the window on screen elsewhere.
drag() {
    local dx=$1 dy=$2
    local before
    before=$(client_position "$window")
    local x=${before%,*} y=${before#*,}
    if [ -n "${WINDOW_MANAGER:-}" ]; then
        # By the middle of the title bar, which the window manager draws above
        # the client area.
        local top
        top=$(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F', ' '{ print $3 }')
        [ "${top:-0}" -gt 0 ] || fail "the window manager drew no title bar"
        xdotool mousemove $((x + 100)) $((y - top / 2)) sleep 0.05 mousedown 1 sleep 0.05 \
            mousemove $((x + 100 + dx / 2)) $((y - top / 2 + dy / 2)) sleep 0.05 \
            mousemove $((x + 100 + dx)) $((y - top / 2 + dy)) sleep 0.05 mouseup 1
    else
        xdotool windowmove "$window" $((x + dx)) $((y + dy))
    fi
    for _ in $(seq 100); do
        [ "$(client_position "$window")" != "$before" ] && return 0
        sleep 0.05
    done
    fail "the window did not move from $before"
}

for _ in $(seq 100); do
    window=$(visible_windows)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the start window did not appear as an X window"
[ "$(xdotool getwindowname "$window")" = "Ворсилан " ] || fail "the start window does not have its own title"
sleep 0.3

# The start button holds the focus; Enter clicks it. The pointer rests on the
# title, which takes no click.
click_at "$window" 180 80
move "Ворсилан" "Enter on the start button"
move "Ворсилан " "the home button" 348 348
drag 60 -40
move "Ворсилан" "the start button" 348 348
drag -90 30
move "Ворсилан " "the text editors' \"Далее\"" 68 84
drag 20 50
move "Ворсилан" "the text editors' back button" 348 348
move "Ворсилан" "the browser's \"Далее\"" 68 148
drag -30 -60
move "Ворсилан" "the Windows and browser page's back button" 348 348
move "Ворсилан" "the Windows \"Далее\"" 68 212
move "Ворсилан" "the Windows and browser page's back button" 348 348
drag 40 40
move "Ворсилан " "the web mail's \"Далее\"" 68 276
drag 15 -25
move "Ворсилан" "the web mail's back button" 348 348
move "Ворсилан " "the home button" 348 348

click_at "$window" 352 12
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

# Which platform plugin Qt loaded into the program started with the given
# environment.
platform_with() {
    env "$@" "$program" >/dev/null 2>&1 &
    program_pid=$!
    local plugin=""
    for _ in $(seq 100); do
        plugin=$(grep -o 'platforms/libq[a-z-]*\.so' "/proc/$program_pid/maps" 2>/dev/null | head -n 1 || true)
        [ -n "$plugin" ] && break
        sleep 0.1
    done
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    echo "${plugin:-none}"
}

if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    plugin=$(platform_with -u QT_QPA_PLATFORM -u DISPLAY)
    [ "$plugin" = "platforms/libqwayland-generic.so" ] || fail "with no X display the program ran on $plugin"
    plugin=$(platform_with QT_QPA_PLATFORM=wayland)
    [ "$plugin" = "platforms/libqwayland-generic.so" ] || fail "the user chose Wayland, the program ran on $plugin"
fi
echo "smoke: passed"
