#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that every file names its copyright and licence: each source, script and
# build file in its own header lines, the data files through .reuse/dep5.
#   ./scripts/check-licences.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if ! command -v reuse >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq reuse >/dev/null
fi
python3 "$root/tools/add_license_headers.py" --check "$root"
cd "$root"
reuse lint
