#!/usr/bin/env bash
# Runs a command with a real X server of its own: Xvfb on a free display, a
# private runtime folder, Qt on its X11 platform. The command's status is ours.
#
#     xvfb.sh [--window-manager] [--wayland] command ...
#
# --window-manager runs openbox on the display, which frames the windows and
# lets the user drag them by their title bars; WINDOW_MANAGER then names it.
# --wayland also runs a headless Wayland compositor and makes the session look
# like a Wayland desktop's, with X programs on the X server beside it; Qt's
# platform is then left for the program to choose.
set -euo pipefail

window_manager=0
wayland=0
while [ $# -gt 0 ]; do
    case $1 in
    --window-manager) window_manager=1 ;;
    --wayland) wayland=1 ;;
    *) break ;;
    esac
    shift
done

work=$(mktemp -d)
pids=()
cleanup() {
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Waits until a server is ready, as the command given tells.
ready() {
    local server=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    echo "xvfb.sh: $server did not start" >&2
    exit 1
}

# Let the X server choose a free display and tell us which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
ready Xvfb test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"
export QT_QPA_PLATFORM=xcb

if [ "$window_manager" -eq 1 ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    # The window manager has taken the display once it names itself on the root.
    managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    ready openbox managed
    export WINDOW_MANAGER=openbox
fi

if [ "$wayland" -eq 1 ]; then
    weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --no-config >/dev/null 2>&1 &
    pids+=($!)
    ready weston test -S "$work/wayland-test"
    export WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
    unset QT_QPA_PLATFORM
fi

status=0
"$@" || status=$?
exit "$status"
