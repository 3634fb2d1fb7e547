#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package and checks it as a distribution would:
#   lintian reports no error and no warning;
#   apt could install it here (its dependencies resolve);
#   unpacked, its tree passes the install test: every file in place, the desktop
#   entry, software-centre description and manual pages valid, and the program
#   starting with an empty home.
#   ./scripts/check-package.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/package.sh"

missing=()
for p in lintian; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

deb=$(ls -t "$root"/build-package/zelka-kvadra_*.deb | head -n 1)
echo "Checking $deb"
# Lintian says that it should not run as root; that is no finding about the package.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
apt-get install --simulate --no-install-recommends "$deb" >/dev/null

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
QT_QPA_PLATFORM=offscreen "$root/tests/install/install_test.sh" --installed "$unpacked/usr"
echo "package: lintian clean, installable, its unpacked tree passes the install test"
