// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Building the board for a size: walls of the ring, tiles in a random arrangement,
// number labels, the row and column colour markers, grid lines or grooves, and the
// window title of the mode. Also the switch between the flat and the 3D look.
#include <QtGlobal>
#include <array>

struct GameState;
class RandomSource;

constexpr int kMarkerSize = 255;
constexpr int kRowMarkerLeft = 240;    // ssz, window coordinates
constexpr int kColMarkerTop = 5700;    // osz, window coordinates
constexpr int kRowNumberLeft = 560;    // sorb, window coordinates
constexpr int kRowPointerLeft = 5880;  // sorj, window coordinates

// Removes the board's controls and builds it again for `gridSpan` cells across (6, 7, 8).
void ClearBoard(GameState& s, RandomSource& rnd, int gridSpan);
void BuildBoard(GameState& s, RandomSource& rnd, int gridSpan);
void PlaceWallCell(GameState& s, int counter, int row, int col);
// A random arrangement of the field (numbers 1..N², or every colour 1..N N times).
// Open ring cells stay open; every other ring cell is a wall, and the wall markers
// show exactly that.
void FillInitialBoard(GameState& s, RandomSource& rnd);
void PickRowColour(GameState& s, RandomSource& rnd, int row);
void PickColColour(GameState& s, RandomSource& rnd, int col);
void DrawGridLines(GameState& s);
void ApplyModeLayout(GameState& s);

// Menu item "3d megjelenés". Switching to the flat look brings back the colours kept
// in the settings file (`storedColours` 1..7, index 0 unused) when they are known.
void hdim_Click(GameState& s, const std::array<quint32, 8>* storedColours);
// Gives every tile the colour the board builder gives it: the number-tile colour in
// the number-sequence type, otherwise the colour its value names.
void RefillTiles(GameState& s);
// When the number tiles have no colour (0), their bodies were hidden: every tile
// shows again, as the colour types need.
void ShowAllTiles(GameState& s);
// Gives the shapes of the target map the colours of the current colour table.
void RecolourTargetMap(GameState& s);

// The title of the window for the current mode.
inline constexpr char kTitle[] = "Zelka-Kvadra";
inline constexpr char kPendolyTitle[] = "Zelka-Kvadra  -- Pendoly";
