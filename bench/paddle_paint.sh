#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Paint benchmark of the paddle game's field: builds a Release copy in build/bench (the
# benchmarks' shared build, bench/CMakeLists.txt) and prints the milliseconds one frame takes
# at 1x and 2x. It is a report: it exits 0 whatever the figures are.
#
#   bench/paddle_paint.sh [FRAMES]
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
BUILD=${BUILD:-build/bench}
cmake -S bench -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target paddle-paint -j2 >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$BUILD/paddle-paint" "${1:-2000}"
