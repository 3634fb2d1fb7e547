#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game and starts it in ./game, the folder that holds its data files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --parallel "$(nproc)" --target zelka-kvadra
mkdir -p "$root/game"
# Data files are delivered once; the player's own files (settings, results) are never overwritten.
for f in "$root"/data/*; do
    [ -e "$root/game/$(basename "$f")" ] || cp "$f" "$root/game/"
done
cp "$root/build/zelka-kvadra" "$root/build/zelka-kvadra-sound.so" "$root/build/zelka-kvadra-chart.so" \
   "$root/build/zelka-kvadra-print.so" "$root/game/"
cd "$root/game"
exec ./zelka-kvadra "$@"
