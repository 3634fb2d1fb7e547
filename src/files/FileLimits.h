// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The largest file of each kind the game reads. Each is far above what the game itself
// ever writes, so only a file that is not what its name says comes near it; such a
// file is not read at all (the player is told), and never rewritten.
#include <QtGlobal>

namespace FileLimit {

constexpr qint64 kKiB = 1024;
constexpr qint64 kMiB = 1024 * kKiB;

// param.dat: one 62-byte record; bytes after it are kept by every rewrite.
constexpr qint64 Settings = 1 * kMiB;
// beallit.ini: a few "Name=value" lines, and any the player added.
constexpr qint64 DisplayOptions = 1 * kMiB;
// nevek.txt: 30-character names, one a line: some thirty thousand names.
constexpr qint64 PlayerNames = 1 * kMiB;
// A language file: about two hundred short lines.
constexpr qint64 Language = 4 * kMiB;
// A help document in rich text, pictures included.
constexpr qint64 Document = 64 * kMiB;
// minta.dat and kever.dat: one record for each serial a 16-bit number can give.
constexpr qint64 StoredGames = 142 * 32767;
constexpr qint64 ShuffledStates = 52 * 32767;
// A results file: records of about 60 bytes, over a million results.
constexpr qint64 Results = 64 * kMiB;
// folytat.dat: the game under way, five bytes a step; a game of two million steps.
constexpr qint64 ContinueFile = 16 * kMiB;
// A sound: a short wave file.
constexpr qint64 Sound = 16 * kMiB;

} // namespace FileLimit
