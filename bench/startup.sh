#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up / memory / idle-CPU benchmark: the game against a minimal Qt window.
#
#   bench/startup.sh [RUNS]
#
# Runs both programs RUNS times (default 5), alternating, under one Xvfb and
# prints the medians with the game/minimal ratios. It is a report: it exits 0
# whatever the figures are, and non-zero only when something could not be
# built or measured. See bench/README.md for the knobs.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD

usage() {
    sed -n '7,14p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    cat <<'EOF'

Environment:
  RUNS=5               runs per program (the first argument wins)
  GAME_BIN=build/bench/timburia  game binary (built Release from bench/CMakeLists.txt by the
                              script, in the benchmarks' shared build folder; point it
                              elsewhere to test the script)
  GAME_TITLE=Тимбурия          expected window title (only checked, not required)
  MINIMAL_BIN=build/bench-minimal/minimal-window
  SETTLE_SECS=1        wait after the window is mapped before reading VmRSS
  IDLE_SECS=5          idle CPU sampling window
  WARMUP=1             unmeasured warm-up runs per program (page cache, font cache)
  MAP_METHOD=event     event: X MapNotify watcher (bench/tools/mapwatch.c);
                       poll: poll xwininfo every ~5 ms
  MAP_TIMEOUT=30       seconds to wait for the window
  NO_INSTALL=1         do not apt-get anything
  RESULTS_CSV=build/bench-startup-runs.csv  where the per-run figures go
EOF
}

case "${1:-}" in
    -h|--help) usage; exit 0 ;;
esac

RUNS=${1:-${RUNS:-5}}
GAME_BIN=${GAME_BIN:-build/bench/timburia}
GAME_TITLE=${GAME_TITLE:-Тимбурия}
MINIMAL_BIN=${MINIMAL_BIN:-build/bench-minimal/minimal-window}
MINIMAL_TITLE=minimal
SETTLE_SECS=${SETTLE_SECS:-1}
IDLE_SECS=${IDLE_SECS:-5}
WARMUP=${WARMUP:-1}
MAP_METHOD=${MAP_METHOD:-event}
MAP_TIMEOUT=${MAP_TIMEOUT:-30}
TOOLS_DIR=build/bench-tools
MAPWATCH=$TOOLS_DIR/mapwatch

# Targets (game/minimal ratios, idle CPU in % of one core).
MAX_STARTUP_RATIO=1.2
MAX_MEMORY_RATIO=1.4
MAX_IDLE_CPU=0.3

die() { echo "startup.sh: $*" >&2; exit 1; }
log() { echo "== $*" >&2; }

[[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive integer, got '$RUNS'"
[[ $MAP_METHOD == event || $MAP_METHOD == poll ]] || die "MAP_METHOD must be event or poll"

# --- tools -------------------------------------------------------------------
PACKAGES=(xvfb xauth x11-utils procps cmake make gcc g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins
          libgl-dev libxcb1-dev fonts-dejavu-core libgtest-dev clang-format)

install_missing() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    if [[ ${NO_INSTALL:-} == 1 ]]; then
        log "missing packages (NO_INSTALL=1, not installing): ${missing[*]}"
        return 0
    fi
    local sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || die "need root or sudo to install: ${missing[*]}"
        sudo=(sudo)
    fi
    log "installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}
install_missing

# --- builds --------------------------------------------------------------------
log "building the minimal window"
cmake -S bench/minimal -B build/bench-minimal -DCMAKE_BUILD_TYPE=Release >/dev/null \
    || die "cannot configure bench/minimal"
cmake --build build/bench-minimal -j2 >/dev/null || die "cannot build bench/minimal"
[[ -x $MINIMAL_BIN ]] || die "no minimal window at $MINIMAL_BIN"

if [[ $MAP_METHOD == event ]]; then
    mkdir -p "$TOOLS_DIR"
    if [[ ! -x $MAPWATCH || bench/tools/mapwatch.c -nt $MAPWATCH ]]; then
        cc -O2 -Wall -o "$MAPWATCH" bench/tools/mapwatch.c -lxcb || die "cannot build mapwatch"
    fi
fi

# The game is measured as players run it: an optimised build of its own, without the
# sanitizers and tests of the development build in build/.
GAME_BUILD_TYPE=""
if [[ $GAME_BIN == build/bench/timburia ]]; then
    [[ -f bench/CMakeLists.txt ]] || die "no bench/CMakeLists.txt to build the game from"
    log "building the game (Release)"
    cmake -S bench -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null \
        || die "cannot configure the game"
    cmake --build build/bench --target timburia -j2 >/dev/null || die "cannot build the game"
    GAME_BUILD_TYPE=Release
fi
[[ -x $GAME_BIN ]] || die "no game at GAME_BIN=$GAME_BIN"

# --- X server and a clean environment ----------------------------------------
WORK=$(mktemp -d /tmp/timburia-bench.XXXXXX)
XVFB_PID=""
PROG_PID=""
# shellcheck disable=SC2317  # called through the EXIT trap
cleanup() {
    if [[ -n $PROG_PID ]]; then kill -KILL "$PROG_PID" 2>/dev/null || true; fi
    if [[ -n $XVFB_PID ]]; then kill -TERM "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [[ -s $WORK/display ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || die "Xvfb failed: $(cat "$WORK/xvfb.log")"
    sleep 0.05
done
[[ -s $WORK/display ]] || die "Xvfb did not start"
DISPLAY=":$(tr -d '[:space:]' <"$WORK/display")"
export DISPLAY

# Programs see a fresh home (no saves or settings from the user) and no
# session bus; the same for both programs.
mkdir -p "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime
export XDG_CONFIG_HOME=$WORK/home/.config XDG_DATA_HOME=$WORK/home/.local/share
export XDG_CACHE_HOME=$WORK/home/.cache
export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

CLK_TCK=$(getconf CLK_TCK)
FIFO=$WORK/result.fifo
mkfifo "$FIFO"
exec 4<>"$FIFO"   # read-write, so opening never blocks

# --- one measurement ---------------------------------------------------------
# cpu_ticks PID: utime+stime of all threads, in clock ticks.
cpu_ticks() {
    local stat
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    stat=${stat##*) }     # fields from 3 (state) on
    awk '{ print $12 + $13 }' <<<"$stat"
}
# cpu_ns PID: run time of all live threads in ns (schedstat), finer than ticks.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'
}
alive() {
    local stat
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z && ${stat:0:1} != X ]]
}
stop_program() {
    local pid=$1 i
    kill -TERM "$pid" 2>/dev/null || true
    for i in $(seq 40); do
        alive "$pid" || break
        sleep 0.05
    done
    alive "$pid" && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    PROG_PID=""
}

# poll_viewable TITLE: is a top-level window with exactly this title viewable?
poll_viewable() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null |
                awk -v t="\"$1\":" 'index($0, t) { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

# measure NAME BIN TITLE -> sets M_MS M_RSS M_CPU M_CPU_NS M_TITLE
measure() {
    local name=$1 bin=$2 title=$3 progdir status fields pid
    local proglog=$WORK/$name.log
    # The game reads its assets relative to the repository root.
    progdir=$ROOT
    M_TITLE=""
    if [[ $MAP_METHOD == event ]]; then
        (cd "$progdir" && exec "$ROOT/$MAPWATCH" -t "$MAP_TIMEOUT" -o "$FIFO" -- "$bin") \
            >>"$proglog" 2>&1 &
        PROG_PID=$!
        pid=$PROG_PID
        if ! read -r -t "$((MAP_TIMEOUT + 5))" -u 4 status fields; then
            stop_program "$pid"
            die "$name: no answer from the window watcher (log: $(tail -n 5 "$proglog"))"
        fi
        if [[ $status != ok ]]; then
            stop_program "$pid"
            die "$name: $fields; program output: $(tail -n 5 "$proglog")"
        fi
        if [[ ! $fields =~ pid=([0-9]+) || ${BASH_REMATCH[1]} != "$pid" ]]; then
            die "$name: watcher reported another process: $fields"
        fi
        [[ $fields =~ ms=([0-9.]+) ]] || die "$name: bad watcher answer: $fields"
        M_MS=${BASH_REMATCH[1]}
        M_TITLE=${fields#*title=}
    else
        local t0 t1 deadline
        t0=$(date +%s%N)
        (cd "$progdir" && exec "$bin") >>"$proglog" 2>&1 &
        PROG_PID=$!
        pid=$PROG_PID
        deadline=$((t0 + MAP_TIMEOUT * 1000000000))
        while :; do
            if poll_viewable "$title"; then
                t1=$(date +%s%N)
                break
            fi
            alive "$pid" || die "$name: program exited before mapping a window: $(tail -n 5 "$proglog")"
            (($(date +%s%N) < deadline)) || { stop_program "$pid"; die "$name: no window '$title' within ${MAP_TIMEOUT}s"; }
            sleep 0.005
        done
        M_MS=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", (b - a) / 1e6 }')
        M_TITLE=$title
    fi

    sleep "$SETTLE_SECS"
    alive "$pid" || die "$name: program exited right after showing its window"
    local rss_kb
    rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    M_RSS=$(awk -v k="$rss_kb" 'BEGIN { printf "%.1f", k / 1024 }')

    local ticks0 ticks1 ns0 ns1 w0 w1
    w0=$(date +%s%N); ticks0=$(cpu_ticks "$pid"); ns0=$(cpu_ns "$pid")
    sleep "$IDLE_SECS"
    w1=$(date +%s%N); ticks1=$(cpu_ticks "$pid"); ns1=$(cpu_ns "$pid")
    alive "$pid" || die "$name: program exited while idle"
    M_CPU=$(awk -v t="$((ticks1 - ticks0))" -v hz="$CLK_TCK" -v w="$((w1 - w0))" \
        'BEGIN { printf "%.2f", 100 * (t / hz) / (w / 1e9) }')
    M_CPU_NS=$(awk -v c="$((ns1 - ns0))" -v w="$((w1 - w0))" \
        'BEGIN { printf "%.3f", 100 * c / w }')

    stop_program "$pid"
}

median() {
    printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 }
        END { if (NR % 2) printf "%.3f\n", a[(NR + 1) / 2]; else printf "%.3f\n", (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

# --- runs --------------------------------------------------------------------
declare -a MIN_MS=() MIN_RSS=() MIN_CPU=() MIN_CPUNS=() GAME_MS=() GAME_RSS=() GAME_CPU=() GAME_CPUNS=()
GAME_SEEN_TITLE=""
RESULTS_CSV=${RESULTS_CSV:-build/bench-startup-runs.csv}
echo "run,program,startup_ms,rss_mib,idle_cpu_pct,idle_cpu_pct_ns" >"$RESULTS_CSV"

LOAD_BEFORE=$(cut -d' ' -f1 /proc/loadavg)
GAME_PATH=$(realpath "$GAME_BIN")
MINIMAL_PATH=$(realpath "$MINIMAL_BIN")
log "display $DISPLAY, $RUNS runs each, settle ${SETTLE_SECS}s, idle ${IDLE_SECS}s, method $MAP_METHOD"
for ((i = 1; i <= WARMUP; i++)); do
    log "warm-up $i"
    SETTLE_SECS=0.2 IDLE_SECS=0.1 measure minimal "$MINIMAL_PATH" "$MINIMAL_TITLE"
    SETTLE_SECS=0.2 IDLE_SECS=0.1 measure game "$GAME_PATH" "$GAME_TITLE"
done
for ((i = 1; i <= RUNS; i++)); do
    # Alternate which program goes first (ABBA), so drift hits both alike.
    if ((i % 2)); then order=(minimal game); else order=(game minimal); fi
    for prog in "${order[@]}"; do
        if [[ $prog == minimal ]]; then
            measure minimal "$MINIMAL_PATH" "$MINIMAL_TITLE"
            MIN_MS+=("$M_MS"); MIN_RSS+=("$M_RSS"); MIN_CPU+=("$M_CPU"); MIN_CPUNS+=("$M_CPU_NS")
        else
            measure game "$GAME_PATH" "$GAME_TITLE"
            GAME_MS+=("$M_MS"); GAME_RSS+=("$M_RSS"); GAME_CPU+=("$M_CPU"); GAME_CPUNS+=("$M_CPU_NS")
            GAME_SEEN_TITLE=$M_TITLE
        fi
        printf '   run %d  %-8s start-up %8.1f ms   RSS %6.1f MiB   idle CPU %5.2f %% (%.3f %%)\n' \
            "$i" "$prog" "$M_MS" "$M_RSS" "$M_CPU" "$M_CPU_NS" >&2
        echo "$i,$prog,$M_MS,$M_RSS,$M_CPU,$M_CPU_NS" >>"$RESULTS_CSV"
    done
done

# --- report ------------------------------------------------------------------
m_ms=$(median "${MIN_MS[@]}");   g_ms=$(median "${GAME_MS[@]}")
m_rss=$(median "${MIN_RSS[@]}"); g_rss=$(median "${GAME_RSS[@]}")
m_cpu=$(median "${MIN_CPU[@]}"); g_cpu=$(median "${GAME_CPU[@]}")
m_cpuns=$(median "${MIN_CPUNS[@]}"); g_cpuns=$(median "${GAME_CPUNS[@]}")

awk -v m_ms="$m_ms" -v g_ms="$g_ms" -v m_rss="$m_rss" -v g_rss="$g_rss" \
    -v m_cpu="$m_cpu" -v g_cpu="$g_cpu" -v m_cpuns="$m_cpuns" -v g_cpuns="$g_cpuns" \
    -v rs="$MAX_STARTUP_RATIO" -v rm="$MAX_MEMORY_RATIO" -v rc="$MAX_IDLE_CPU" \
    -v runs="$RUNS" -v idle="$IDLE_SECS" -v hz="$CLK_TCK" -v game="$GAME_BIN" 'BEGIN {
    sr = g_ms / m_ms; mr = g_rss / m_rss
    printf "\nStart-up benchmark: %s vs minimal Qt window, median of %d runs each\n\n", game, runs
    printf "%-14s %14s %10s %14s %16s\n", "", "start-up, ms", "RSS, MiB", "idle CPU, %", "(ns-precise, %)"
    printf "%-14s %14.1f %10.1f %14.2f %16.3f\n", "minimal", m_ms, m_rss, m_cpu, m_cpuns
    printf "%-14s %14.1f %10.1f %14.2f %16.3f\n", "game", g_ms, g_rss, g_cpu, g_cpuns
    printf "%-14s %13.2fx %9.2fx %14s\n", "game/minimal", sr, mr, ""
    printf "%-14s %13s %10s %14s\n", "target", "<= " rs "x", "<= " rm "x", "< " rc
    printf "%-14s %14s %10s %14s\n", "verdict", (sr <= rs ? "PASS" : "FAIL"), (mr <= rm ? "PASS" : "FAIL"), (g_cpu < rc ? "PASS" : "FAIL")
    printf "\nidle CPU is utime+stime over %s s of idle (one tick = %.2f %%)\n", idle, 100 / (idle * hz)
}'
spread() { printf '%s\n' "$@" | sort -g | sed -n '1p;$p' | paste -sd' ' | awk '{ printf "%.1f-%.1f", $1, $2 }'; }
echo "start-up range: minimal $(spread "${MIN_MS[@]}") ms, game $(spread "${GAME_MS[@]}") ms"
if awk -v l="$LOAD_BEFORE" 'BEGIN { exit !(l > 0.5) }'; then
    echo "note: load average was $LOAD_BEFORE before the runs: other work shares the CPU, figures are noisy"
fi
if [[ -n $GAME_BUILD_TYPE ]]; then echo "game build type: $GAME_BUILD_TYPE"; fi
if [[ -n $GAME_SEEN_TITLE && $GAME_SEEN_TITLE != *"$GAME_TITLE"* ]]; then
    echo "note: the game's window title is '$GAME_SEEN_TITLE', expected '$GAME_TITLE'"
fi
echo "per-run figures: $RESULTS_CSV"
exit 0
