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

# Runs a check 20 times a second until it holds, for at most the given number
# of seconds. The check runs in this shell, so what it sets stays set.
poll() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 20))); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# The helpers below set variables rather than print, so that each look at the
# screen starts as few programs as it can.

# `window`: the one window of the program on screen, if there is exactly one.
# The program's windows are named "Ворсилан", three of them with a blank after
# the name.
window=""
one_window() {
    window=$(xdotool search --onlyvisible --name '^Ворсилан ?$' 2>/dev/null || true)
    [ -n "$window" ] && [[ $window != *$'\n'* ]]
}

# True when the one window on screen is another than the given one.
one_other_window() {
    one_window && [ "$window" != "$1" ]
}

# `x` and `y`: where the client area of `window` stands on the screen.
locate() {
    local info
    info=$(xwininfo -id "$window")
    [[ $info =~ Absolute\ upper-left\ X:\ +(-?[0-9]+).*Absolute\ upper-left\ Y:\ +(-?[0-9]+) ]] ||
        fail "cannot tell where window $window stands"
    x=${BASH_REMATCH[1]}
    y=${BASH_REMATCH[2]}
}

# True when `window` stands at the given place ("x,y"), or elsewhere.
standing_at() {
    locate
    [ "$x,$y" = "$1" ]
}
standing_elsewhere() {
    ! standing_at "$1"
}

# A move: the user clicks a button of the window on screen (or, without a
# point, presses Enter); another window with the given title takes its place,
# its client area exactly where the one before stood.
move() {
    local title=$1 what=$2
    local from=$window
    locate
    local before="$x,$y"
    if [ $# -gt 2 ]; then
        xdotool mousemove $((x + $3)) $((y + $4)) sleep 0.05 click 1
    else
        xdotool key Return
    fi
    poll 10 one_other_window "$from" || fail "$what did not leave one other window on screen"
    [ "$(xdotool getwindowname "$window")" = "$title" ] || fail "$what did not lead to the window \"$title\""
    # A window manager may still be placing the frame.
    poll 2 standing_at "$before" || fail "$what: the window opened at $x,$y, the one it replaced stood at $before"
}

# The user moves the window on screen elsewhere: by the middle of its title
# bar, which a window manager draws above the client area, or else through
# the X server.
drag() {
    local dx=$1 dy=$2
    locate
    local before="$x,$y"
    if [ -n "${WINDOW_MANAGER:-}" ]; then
        local extents
        extents=$(xprop -id "$window" _NET_FRAME_EXTENTS)
        [[ $extents =~ =\ [0-9]+,\ [0-9]+,\ ([0-9]+), ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] ||
            fail "the window manager drew no title bar"
        local grab_x=$((x + 100)) grab_y=$((y - BASH_REMATCH[1] / 2))
        xdotool mousemove "$grab_x" "$grab_y" sleep 0.05 mousedown 1 sleep 0.05 \
            mousemove $((grab_x + dx / 2)) $((grab_y + dy / 2)) sleep 0.05 \
            mousemove $((grab_x + dx)) $((grab_y + dy)) sleep 0.05 mouseup 1
    else
        xdotool windowmove "$window" $((x + dx)) $((y + dy))
    fi
    poll 5 standing_elsewhere "$before" || fail "the window did not move from $before"
}

poll 10 one_window || fail "the start window did not appear as an X window"
[ "$(xdotool getwindowname "$window")" = "Ворсилан " ] || fail "the start window does not have its own title"
sleep 0.2

# The start button holds the focus; Enter clicks it. The pointer rests on the
# title, which takes no click. Then every move of the table, each once.
locate
xdotool mousemove $((x + 180)) $((y + 80))
move "Ворсилан" "Enter on the start button"
drag 60 -40
move "Ворсилан " "the text editors' \"Далее\"" 68 84
drag -90 30
move "Ворсилан" "the text editors' back button" 348 348
move "Ворсилан" "the browser's \"Далее\"" 68 148
drag 20 50
move "Ворсилан" "the Windows and browser page's back button" 348 348
move "Ворсилан" "the Windows \"Далее\"" 68 212
move "Ворсилан" "the Windows and browser page's back button" 348 348
move "Ворсилан " "the web mail's \"Далее\"" 68 276
drag -30 -60
move "Ворсилан" "the web mail's back button" 348 348
move "Ворсилан " "the home button" 348 348

locate
xdotool mousemove $((x + 352)) $((y + 12)) sleep 0.05 click 1
ended() {
    ! kill -0 "$program_pid" 2>/dev/null
}
poll 5 ended || fail "the exit label did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -s "$work/output" ] || fail "the program printed: $(cat "$work/output")"

# `plugin` and `printed`: the platform plugin Qt loaded into the program
# started with the given environment, and what the program printed. While
# choosing, Qt maps every plugin file for a moment to read what it is; only
# the one it loads is mapped as code. What Qt says while it opens a display
# comes out once the display is open, after the plugin is loaded: with
# `awaited` set, the program runs until it has printed something.
plugin_with() {
    env "$@" "$program" >"$work/output" 2>&1 &
    program_pid=$!
    loaded() {
        plugin=$(awk '$2 ~ /x/ && $6 ~ /\/platforms\/libq[a-z-]*\.so$/ { sub(/.*\//, "", $6); print $6; exit }' \
            "/proc/$program_pid/maps" 2>/dev/null)
        [ -n "$plugin" ]
    }
    poll 5 loaded || plugin=none
    printed_something() {
        [ -s "$work/output" ]
    }
    [ -z "${awaited:-}" ] || poll 5 printed_something || true
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    printed=$(cat "$work/output")
}

# On Wayland the program prints nothing, but where the X display it was given
# does not answer: there Qt says so, as ever, and goes on to Wayland.
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    plugin_with -u QT_QPA_PLATFORM -u DISPLAY
    [ "$plugin" = "libqwayland-generic.so" ] || fail "with no X display the program ran on $plugin"
    [ -z "$printed" ] || fail "with no X display the program printed: $printed"
    plugin_with QT_QPA_PLATFORM=wayland
    [ "$plugin" = "libqwayland-generic.so" ] || fail "the user chose Wayland, the program ran on $plugin"
    [ -z "$printed" ] || fail "on Wayland, chosen by the user, the program printed: $printed"
    gone=1000
    while [ -e "/tmp/.X11-unix/X$gone" ]; do gone=$((gone + 1)); done
    awaited=yes plugin_with -u QT_QPA_PLATFORM DISPLAY=":$gone"
    [ "$plugin" = "libqwayland-generic.so" ] || fail "with an X display gone the program ran on $plugin"
    [[ $printed == qt.qpa.xcb:* ]] || fail "with an X display gone the program printed: $printed"
fi
echo "smoke: passed"
