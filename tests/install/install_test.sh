#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built game into a scratch prefix and checks that the tree holds every
# file the game and the desktop need, that the desktop entry, the software-centre
# description and the manual pages are valid, and that the installed game starts
# with an empty home, keeps its files in the per-user folder and writes nothing
# anywhere else.
#   install_test.sh BUILD_DIR
#   install_test.sh --installed PREFIX   the same checks on a tree installed already
#                                        (an unpacked package's usr/)
set -euo pipefail
scratch=$(mktemp -d)
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$1" = --installed ]; then
    prefix=$(cd "$2" && pwd)
else
    prefix=$scratch/prefix
    cmake --install "$1" --prefix "$prefix" >/dev/null
fi
# The validators come with scripts/install-deps.sh.
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

id=hu.zelkakvadra.ZelkaKvadra
share=$prefix/share
program=$prefix/games/zelka-kvadra
module=$prefix/lib/games/zelka-kvadra/zelka-kvadra-sound.so
chart_module=$prefix/lib/games/zelka-kvadra/zelka-kvadra-chart.so
print_module=$prefix/lib/games/zelka-kvadra/zelka-kvadra-print.so
expected=(games/zelka-kvadra lib/games/zelka-kvadra/zelka-kvadra-sound.so lib/games/zelka-kvadra/zelka-kvadra-chart.so
          lib/games/zelka-kvadra/zelka-kvadra-print.so
          share/zelka-kvadra/Magyar.lng share/zelka-kvadra/English.lng
          share/zelka-kvadra/Leir.doc share/zelka-kvadra/Magyar.doc share/zelka-kvadra/English.doc
          share/zelka-kvadra/step.wav share/zelka-kvadra/mix.wav
          "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$id.svg"
          share/man/man6/zelka-kvadra.6.gz share/man/hu/man6/zelka-kvadra.6.gz
          share/doc/zelka-kvadra/copyright share/doc/zelka-kvadra/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
    [ -s "$prefix/$f" ] || fail "missing from the install tree: $f"
done
[ -x "$program" ] || fail "the program is not executable"
file_size=$(wc -c <"$share/icons/hicolor/48x48/apps/$id.png")
head -c 8 "$share/icons/hicolor/48x48/apps/$id.png" | grep -q PNG || fail "the 48 px icon is no PNG ($file_size bytes)"

# The entry points the game loads its modules by.
nm -D --defined-only "$module" | grep -q ' zkCreateSoundDevice$' \
    || fail "the sound module lacks its entry point"
nm -D --defined-only "$chart_module" | grep -q ' zkCreateProgressChart$' \
    || fail "the chart module lacks its entry point"
nm -D --defined-only "$print_module" | grep -q ' zkCreatePrintService$' \
    || fail "the print module lacks its entry point"

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
grep -q '^Categories=Game;LogicGame;$' "$share/applications/$id.desktop" || fail "desktop categories"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"; fail "metainfo"; }
for page in "$share/man/man6/zelka-kvadra.6.gz" "$share/man/hu/man6/zelka-kvadra.6.gz"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
done
version=$("$program" --version | awk '{print $2}')
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" \
    || fail "the metainfo's newest release is not the program's version $version"
zcat "$share/doc/zelka-kvadra/changelog.gz" | sed -n 1p | grep -q "^zelka-kvadra ($version) " \
    || fail "the changelog's newest entry is not the program's version $version"

# Started from a folder without the game's files, with an empty home.
home=$scratch/home
elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere"
before=$(cd "$prefix" && find . -type f | sort | xargs md5sum)
(cd "$elsewhere" && HOME=$home XDG_DATA_HOME= XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen \
    exec "$program" >"$scratch/game.log" 2>&1) &
game_pid=$!
settings=$home/.local/share/Zelka-Kvadra/param.dat
for _ in $(seq 1 200); do
    [ -s "$settings" ] && break
    kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/game.log"; fail "the installed game ended at start-up"; }
    sleep 0.1
done
[ -s "$settings" ] || { cat "$scratch/game.log"; fail "no param.dat in the per-user folder"; }
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/game.log"; fail "the installed game ended"; }
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
[ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into the current folder: $(ls -A "$elsewhere")"
after=$(cd "$prefix" && find . -type f | sort | xargs md5sum)
[ "$before" = "$after" ] || fail "the game changed its installation"
echo "install tree and installed start: ok"
