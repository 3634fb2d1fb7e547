#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game in release mode and makes its Debian package:
#   ./scripts/package.sh      -> build-package/zelka-kvadra_<version>_<arch>.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# The package's library dependencies are found by dpkg-shlibdeps.
command -v dpkg-shlibdeps >/dev/null || { sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo);
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq dpkg-dev; }
build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZK_BUILD_TESTS=OFF -DZK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
cpack -G DEB
