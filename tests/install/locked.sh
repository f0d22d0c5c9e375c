#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A locked game on a real X display with a window manager: Alt+F4 and the
# window manager's close leave it running, the teacher's chord ends it.
source "$(dirname "$0")/common.sh"

[ -x "$PROGRAM" ] || skip "$PROGRAM is not built"
for tool in Xvfb openbox xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || skip "Xvfb did not start on $DISPLAY"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

mkdir -p "$scratch/config/brindolo"
echo "locked=true" >"$scratch/config/brindolo/brindolo.conf"
XDG_CONFIG_DIRS="$scratch/config" XDG_CONFIG_HOME=/nonexistent "$PROGRAM" --pictures "$PICTURES" \
    >/dev/null 2>&1 &
game=$!
pids+=("$game")
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Brindolo' | head -n 1)"
[ -n "$window" ] || { fail "no window shown"; finish; }
sleep 1

running() { kill -0 "$game" 2>/dev/null; }
# Openbox turns Alt+F4 and its title bar's close button into the window
# manager's close request, WM_DELETE_WINDOW.
xdotool windowactivate --sync "$window" key alt+F4
sleep 1
running || fail "Alt+F4 closed the locked game"
# The maximized window's close button, in the top right corner of the screen.
read -r width _ < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')
xdotool mousemove "$((width - 8))" 8 click 1
sleep 1
running || fail "the close button ended the locked game"
xdotool windowactivate --sync "$window" key ctrl+alt+shift+q
for _ in $(seq 50); do running || break; sleep 0.1; done
if running; then
    fail "Ctrl+Alt+Shift+Q left the locked game running"
else
    wait "$game" || fail "the chord ended the game with status $?"
fi

# A logout or a shutdown sends SIGTERM: the locked game ends as ESCI would.
XDG_CONFIG_DIRS="$scratch/config" XDG_CONFIG_HOME=/nonexistent "$PROGRAM" --pictures "$PICTURES" \
    >/dev/null 2>&1 &
game=$!
pids+=("$game")
timeout 30 xdotool search --sync --onlyvisible --name '^Brindolo' >/dev/null || fail "no second window shown"
kill -TERM "$game"
for _ in $(seq 50); do running || break; sleep 0.1; done
if running; then
    fail "SIGTERM left the locked game running"
else
    wait "$game" || fail "SIGTERM ended the locked game with status $?"
fi

finish
