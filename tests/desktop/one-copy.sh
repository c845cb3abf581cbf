#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One copy of the game at a time, with the real program under an X server (run it with
# xvfb-run): a second copy says so and ends without touching a file, however old the first
# one's lock; the lock of a copy killed outright is taken over by the next one.
# Usage: one-copy.sh GAME
set -u
game=$1
home=$(mktemp -d)
first= third=
cleanup() {
    for pid in $first $third; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$home"
}
trap cleanup EXIT
fail() {
    echo "FAIL $*"
    exit 1
}
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
export XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
lock="$XDG_RUNTIME_DIR/timburia.lock"
title="Тимбурия уже запущена"

# Waits up to 60 s for a shell condition.
await() {
    i=0
    while ! eval "$1"; do
        i=$((i + 1))
        [ $i -le 600 ] || return 1
        sleep 0.1
    done
}
snapshot() { find "$home" -printf '%p %s %T@\n' | sort; }

"$game" --lang ru &
first=$!
await '[ -s "$lock" ]' || fail "the first copy made no lock"
await 'xdotool search --all --pid $first --onlyvisible --name . >/dev/null 2>&1' ||
    fail "the first copy showed no window"
# A lock is as old as the game's session: hours of play never make it free for another copy.
touch -d '3 hours ago' "$lock"
before=$(snapshot)

"$game" --lang ru &
second=$!
await 'box=$(xdotool search --all --pid $second --onlyvisible --name "^$title\$" 2>/dev/null)' ||
    fail "the second copy showed no message"
box=$(echo "$box" | head -n 1)
xdotool windowfocus --sync "$box" key Return
await '! kill -0 $second 2>/dev/null' || fail "the second copy did not end after its message"
wait $second
kill -0 $first 2>/dev/null || fail "the first copy ended"
[ "$(snapshot)" = "$before" ] || fail "the second copy touched files: $(snapshot)"

# A crash leaves the lock behind; the next copy plays.
kill -9 $first
wait $first 2>/dev/null
first=
[ -s "$lock" ] || fail "the killed copy left no lock"
"$game" --lang ru &
third=$!
await '[ "$(head -n 1 "$lock")" = "$third" ]' || fail "the lock of the killed copy was not taken over"
await 'xdotool search --all --pid $third --onlyvisible --name . >/dev/null 2>&1' ||
    fail "the copy after the crash showed no window"
sleep 1
if xdotool search --all --pid $third --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
    fail "the copy after the crash said another copy runs"
fi
kill -0 $third 2>/dev/null || fail "the copy after the crash ended"
echo "one copy at a time: passed"
