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
    if [ ${#pids[@]} -gt 0 ]; then
        kill "${pids[@]}" 2>/dev/null || true
        wait "${pids[@]}" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Starts a server with the given function and waits until it is ready, as
# the check given after it tells. A server that ends before it is ready is
# started again: an X server finds its display number in use now and then,
# and a window manager on a busy machine now and then fails to reach a display
# that has only just started.
serve() {
    local name=$1 start=$2
    shift 2
    "$start"
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$server_pid" 2>/dev/null || "$start"
        sleep 0.1
    done
    echo "xvfb.sh: $name did not start" >&2
    exit 1
}

# The X server takes a display number at random, well above those a desktop
# uses: a number that another server has just given up may still be being
# released, and that server would then remove the new one's files. The server
# names its display once it takes connections.
start_x() {
    local display=$((RANDOM % 900 + 100))
    Xvfb ":$display" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    server_pid=$!
    pids+=("$server_pid")
}
serve Xvfb start_x test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"
export QT_QPA_PLATFORM=xcb

if [ "$window_manager" -eq 1 ]; then
    start_openbox() {
        openbox --sm-disable >/dev/null 2>&1 &
        server_pid=$!
        pids+=("$server_pid")
    }
    # The window manager has taken the display once it names itself on the
    # root.
    managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    serve openbox start_openbox managed
    export WINDOW_MANAGER=openbox
fi

if [ "$wayland" -eq 1 ]; then
    start_weston() {
        weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --no-config >/dev/null 2>&1 &
        server_pid=$!
        pids+=("$server_pid")
    }
    serve weston start_weston test -S "$work/wayland-test"
    export WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
    unset QT_QPA_PLATFORM
fi

status=0
"$@" || status=$?
exit "$status"
