#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs one for a while: ./scripts/fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
command -v clang++ >/dev/null || { sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo);
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq clang; }
cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DZK_SANITIZE=ON -DZK_FUZZ=ON -DZK_BUILD_TESTS=OFF -DZK_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-fuzz" --parallel "$(nproc)" --target ResultsFuzz
mkdir -p "$root/build-fuzz/corpus"
"$root/build-fuzz/fuzz/ResultsFuzz" -max_total_time="${1:-60}" "$root/build-fuzz/corpus"
