#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DZK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --parallel "$(nproc)" --target zk_bench
cd "$root/build-bench"
exec ./bench/zk_bench "$@"
