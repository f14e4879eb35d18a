#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command under a Wayland compositor of its own: Weston's headless back end with its
# software renderer (so its screenshots hold what the clients drew), in a private runtime
# folder, with the screenshot protocol allowed. The command sees WAYLAND_DISPLAY and
# QT_QPA_PLATFORM=wayland; its exit status is this script's.
set -euo pipefail

runtime=$(mktemp -d "${TMPDIR:-/tmp}/selvane-weston.XXXXXX")
chmod 700 "$runtime"
compositor=
cleanup() {
    [ -n "$compositor" ] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --debug \
       --idle-time=0 --socket=wayland-selvane --log="$runtime/weston.log" &
compositor=$!
for _ in $(seq 100); do
    [ -S "$runtime/wayland-selvane" ] && break
    kill -0 "$compositor" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.1
done
[ -S "$runtime/wayland-selvane" ] || { echo "weston did not start" >&2; exit 1; }

export WAYLAND_DISPLAY=wayland-selvane QT_QPA_PLATFORM=wayland
unset DISPLAY
"$@"
