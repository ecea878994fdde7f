#!/usr/bin/env bash
# Runs a command with a real X server of its own: Xvfb on a free display, a
# private runtime folder, Qt on its X11 platform. The command's status is ours.
set -euo pipefail

work=$(mktemp -d)
cleanup() {
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Let the X server choose a free display and tell us which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "xvfb.sh: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"
export QT_QPA_PLATFORM=xcb

status=0
"$@" || status=$?
exit "$status"
