#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# wayland.sh PROGRAM: runs PROGRAM (timburia-wayland) under a headless weston of its own, with
# a runtime folder of its own, and stops the compositor after it.
set -eu
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=timburia-test \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/timburia-test" ] && break
    kill -0 "$weston" 2>/dev/null || { cat "$runtime/weston.log"; echo "FAIL weston ended"; exit 1; }
    sleep 0.1
done
[ -S "$runtime/timburia-test" ] || { cat "$runtime/weston.log"; echo "FAIL weston never listened"; exit 1; }
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=timburia-test QT_QPA_PLATFORM=wayland "$1"
