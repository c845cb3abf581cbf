#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Scenario runner benchmark: does a long case cost the same per step as a short one?
#
#   bench/scenario_rate.sh [N...]
#
# For each N (default 100 2000) it runs one generated case that opens and closes the shop,
# the flat, the computer, the bank and the help window N times (RUNS times over), and prints
# the medians of the time, the time per round, the peak memory and how fast memory grew
# while the case ran. It is a report: it exits 0 whatever the figures are, and non-zero only
# when something could not be built or run (or the generated case failed). See
# bench/README.md.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

usage() {
    sed -n '7,16p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    cat <<'EOF'

Environment:
  RUNNER_BIN=build/bench/timburia-scenarios   runner to measure (built Release by the
                       script; point it elsewhere to measure another build)
  RUNS=3               runs of each N; the table gives the medians
  SAMPLE_MS=20         how often the memory of the runner is read
EOF
}

case "${1:-}" in
    -h|--help) usage; exit 0 ;;
esac

ROUNDS=("$@")
((${#ROUNDS[@]})) || ROUNDS=(100 2000)
RUNNER_BIN=${RUNNER_BIN:-build/bench/timburia-scenarios}
SAMPLE_MS=${SAMPLE_MS:-20}
RUNS=${RUNS:-3}
WINDOWS_PER_ROUND=5

die() { echo "scenario_rate.sh: $*" >&2; exit 1; }
log() { echo "== $*" >&2; }

for n in "${ROUNDS[@]}"; do
    [[ $n =~ ^[1-9][0-9]*$ ]] || die "N must be a positive integer, got '$n'"
done
[[ $SAMPLE_MS =~ ^[1-9][0-9]*$ ]] || die "SAMPLE_MS must be a positive integer"
[[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive integer"
SAMPLE_SECS=$(awk -v ms="$SAMPLE_MS" 'BEGIN { printf "%.3f", ms / 1000 }')

# The runner is measured as an optimised build without the sanitizers of the test build.
if [[ $RUNNER_BIN == build/bench/timburia-scenarios ]]; then
    log "building the scenario runner (Release)"
    cmake -S bench -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null \
        || die "cannot configure the runner"
    cmake --build build/bench --target timburia-scenarios -j2 >/dev/null \
        || die "cannot build the runner"
fi
[[ -x $RUNNER_BIN ]] || die "no runner at RUNNER_BIN=$RUNNER_BIN"

WORK=$(mktemp -d /tmp/timburia-scenario-rate.XXXXXX)
RUN_PID=""
# shellcheck disable=SC2317  # called through the EXIT trap
cleanup() {
    if [[ -n $RUN_PID ]]; then kill -KILL "$RUN_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# generate N FILE: one case, N rounds of the five windows, as a player opens and leaves them.
generate() {
    local n=$1 file=$2 i
    {
        echo 'case "the places opened and left again, round after round"'
        echo start
        echo "# A car of one's own: the bank opens without the taxi question."
        echo "set CarKind 1"
        for ((i = 0; i < n; i++)); do
            printf '%s\n' \
                'click frmMain.imgShop' 'click frmShop.cmdBack' \
                'click frmMain.imgFlat' 'click frmFlat.cmdBack' \
                'click frmMain.imgComputer' 'click frmComputer.cmdBack' \
                'click frmMain.imgBank' 'click frmBank.cmdBack' \
                'click frmMain.BigHelp' 'click frmHelp.cmdOk' \
                'windows frmMain'
        done
    } >"$file"
}

now_ns() { date +%s%N; }

# measure N -> sets R_SECS R_PEAK_KB R_GROWTH (bytes per window opened while the case ran)
measure() {
    local n=$1 file samples start end status
    local rss hwm line
    file=$WORK/rounds-$n.scn
    samples=$WORK/samples-$n
    generate "$n" "$file"
    : >"$samples"
    export QT_QPA_PLATFORM=offscreen
    export XDG_RUNTIME_DIR=$WORK/runtime
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    start=$(now_ns)
    "$RUNNER_BIN" "$file" >"$WORK/out-$n" 2>&1 &
    RUN_PID=$!
    # VmRSS over time (for the growth) and VmHWM (the peak) until the runner is gone.
    while [[ -r /proc/$RUN_PID/status ]]; do
        rss="" hwm=""
        while read -r line; do
            case $line in
                VmRSS:*) rss=${line//[^0-9]/} ;;
                VmHWM:*) hwm=${line//[^0-9]/} ;;
            esac
        done <"/proc/$RUN_PID/status" 2>/dev/null || true
        [[ -n $rss && -n $hwm ]] && echo "$(($(now_ns) - start)) $rss $hwm" >>"$samples"
        sleep "$SAMPLE_SECS"
    done
    status=0
    wait "$RUN_PID" || status=$?
    end=$(now_ns)
    RUN_PID=""
    if ((status != 0)) || ! grep -q '^1 passed, 0 failed$' "$WORK/out-$n"; then
        die "the generated case failed for N=$n: $(cat "$WORK/out-$n")"
    fi
    [[ -s $samples ]] || die "no memory sample for N=$n (SAMPLE_MS too long?)"

    R_SECS=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", (b - a) / 1e9 }')
    R_PEAK_KB=$(awk 'END { print $3 }' "$samples")
    # Growth while the case ran: the slope of the resident memory over time, from a fifth of
    # the run on (by then the case is read and the main window is up), spread over the
    # windows opened in that time.
    R_GROWTH=$(awk -v total=$((end - start)) -v opened=$((n * WINDOWS_PER_ROUND)) '
        $1 >= total / 5 { k++; st += $1; sr += $2; stt += $1 * $1; str += $1 * $2 }
        END {
            if (opened == 0 || k < 20 || k * stt - st * st <= 0) { print "n/a"; exit }
            slope = (k * str - st * sr) / (k * stt - st * st)     # KB per ns
            printf "%.0f", slope * total * 1024 / opened
        }' "$samples")
}

median() {
    tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'
}

# measure_runs N -> sets M_SECS M_PEAK_KB M_GROWTH, the medians of RUNS runs
measure_runs() {
    local secs="" peaks="" growths="" i
    for ((i = 0; i < RUNS; i++)); do
        measure "$1"
        secs+=" $R_SECS" peaks+=" $R_PEAK_KB"
        [[ $R_GROWTH == n/a ]] || growths+=" $R_GROWTH"
    done
    M_SECS=$(median <<<"$secs")
    M_PEAK_KB=$(median <<<"$peaks")
    M_GROWTH=$(median <<<"$growths")
    M_GROWTH=${M_GROWTH:-n/a}
}

LOAD=$(cut -d' ' -f1 /proc/loadavg)
if awk -v l="$LOAD" 'BEGIN { exit !(l > 0.5) }'; then
    log "load average $LOAD before the runs: anything else running makes the times noisy"
fi

# What every case costs before its first round: the program starts and the main window
# loads. It is taken off the time before the time per round is worked out.
measure_runs 0
BASE_SECS=$M_SECS
log "a case with no round takes $BASE_SECS s"

printf '%-6s %-7s %9s %12s %10s %22s\n' N windows "time (s)" "ms / round" "peak MB" \
    "growth (B / window)"
declare -A PER_ROUND
for n in "${ROUNDS[@]}"; do
    measure_runs "$n"
    PER_ROUND[$n]=$(awk -v s="$M_SECS" -v b="$BASE_SECS" -v n="$n" \
        'BEGIN { printf "%.2f", (s - b) * 1000 / n }')
    printf '%-6s %-7s %9s %12s %10s %22s\n' "$n" $((n * WINDOWS_PER_ROUND)) "$M_SECS" \
        "${PER_ROUND[$n]}" "$(awk -v k="$M_PEAK_KB" 'BEGIN { printf "%.1f", k / 1024 }')" \
        "$M_GROWTH"
done

if ((${#ROUNDS[@]} > 1)); then
    first=${ROUNDS[0]} last=${ROUNDS[${#ROUNDS[@]} - 1]}
    echo
    awk -v a="${PER_ROUND[$first]}" -v b="${PER_ROUND[$last]}" -v f="$first" -v l="$last" \
        'BEGIN { printf "time per round at N=%s / at N=%s: %.2fx (1x: steady)\n", l, f, b / a }'
fi
