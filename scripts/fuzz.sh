#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang and runs them:
#   ./scripts/fuzz.sh [TARGET|all] [SECONDS]      (defaults: all, 60 seconds per target)
# Each target starts from its seeds in fuzz/corpus/<target>/ and from what its earlier
# runs found (build-fuzz/corpus/<target>/). A finding fails the run; its input is kept in
# build-fuzz/findings/<target>/ and printed as a hex dump, so the log holds the reproducer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which_target=${1:-all}
seconds=${2:-60}

"$root/scripts/install-deps.sh"
# clang, and the libFuzzer runtime (a package of its own that apt may leave out).
fuzzer_links() {
    local probe
    probe=$(mktemp -d)
    echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
        >"$probe/probe.cpp"
    clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null
    local linked=$?
    rm -rf "$probe"
    return $linked
}
if ! command -v clang++ >/dev/null || ! fuzzer_links; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq clang libclang-rt-dev >/dev/null
fi

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZK_SANITIZE=ON -DZK_FUZZ=ON -DZK_BUILD_TESTS=OFF -DZK_BUILD_BENCH=OFF >/dev/null

if [ "$which_target" = all ]; then
    targets=()
    for source in "$root"/fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
else
    targets=("$which_target")
fi
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    seeds="$root/fuzz/corpus/$target"
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$seeds" "$corpus" "$findings"
    echo "== $target: $seconds s"
    # New inputs go into the first folder; the seeds stay as they are.
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$findings/" "$corpus" "$seeds" 2>"$build/$target.log"; then
        failed+=("$target")
        tail -n 60 "$build/$target.log"
        for finding in "$findings"/*; do
            [ -f "$finding" ] || continue
            echo "-- reproducer $finding:"
            od -A x -t x1z -v "$finding" | head -n 64
        done
        continue
    fi
    grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb' "$build/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzzing found nothing"
