#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks in release mode and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DZK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --parallel "$(nproc)" --target zk_bench zk_bench_chart
cd "$root/build-bench"
./bench/zk_bench "$@"
# The chart's own benchmarks draw on the offscreen platform.
exec ./bench/zk_bench_chart "$@"
