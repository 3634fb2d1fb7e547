// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The target map as text and as shapes. The text holds one character per cell of the
// (N+2) x (N+2) map, row by row: "7" a wall of the ring, "0" an opening (a ring cell
// that starts the game empty, or a cell not painted yet), 1..N the colour of a field
// cell. The shapes are what the map frame `mker` shows: ring cells as full squares,
// field cells inset, each filled with the colour its digit names.
#include "play/FlowState.h"
#include <QString>
#include <array>

constexpr int kMapWall = 7;
constexpr int kMapOpen = 0;
// Insets of the field cells and overlap of the ring cells, in twips.
constexpr int kMapCellInset = 20;

// The side of one map cell in the 2000-twip frame for size n.
inline int MapCellSide(int n) { return TargetMap::kFrameWidth / (n + 2); }

// The digit of map cell (row, col) in `text`; -1 when the text has none there.
int MapDigit(QStringView text, int n, int row, int col);
bool IsMapRingCell(int n, int row, int col);

// Whether `text` is a map a game can be played to: its first (N+2)² characters hold
// "7" on the corners, "7" or "0" on the rest of the ring, and each colour 1..n on
// exactly n field cells.
bool IsSoundTargetMap(QStringView text, int n);
// Whether `start` (n² digits, field cells row by row) holds each colour 1..n n times.
bool IsSoundStartText(QStringView start, int n);

// The shapes showing `text` for size n; a cell without a digit shows colour 0.
TargetMap DrawTargetMap(QStringView text, int n, const std::array<quint32, 9>& colours);

// A map of size n with the ring walled and every field cell unpainted.
QString EmptyTargetMapText(int n);
