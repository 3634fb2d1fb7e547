#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the game and its tests need, only when missing.
# Qt Charts' CMake files look for Qt OpenGL, whose development files its Debian
# package does not pull in.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
          libgtest-dev libgmock-dev
          libbenchmark-dev python3 qt6-translations-l10n poppler-utils
          libfontconfig-dev librsvg2-bin desktop-file-utils appstream man-db
          fonts-dejavu-core fonts-liberation)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
