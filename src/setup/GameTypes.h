// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game types and the set-up controls around them: what each type's option
// button does to the window and the board, the size options, the diagonal target
// tables, the random target map of a "by pattern" game, the Pendoly switch, the way
// back to the basic set-up, and the reset of the set-up controls after a game.
#include <QString>

struct GameState;
struct Platform;
class GameFlow;

// Type option buttons: each selects its button and sets up the window for the type.
void szamsor_Click(GameState& s, Platform& p);
void atlos_Click(GameState& s, Platform& p);
void generalt_Click(GameState& s, Platform& p);
void tarolt_Click(GameState& s, Platform& p);

// Size option buttons: select the size and rebuild the board for it.
void Option1_Click(GameState& s, Platform& p);   // 4 x 4
void Option2_Click(GameState& s, Platform& p);   // 5 x 5
void Option3_Click(GameState& s, Platform& p);   // 6 x 6

// "Minta szerint": draws a random target map (every colour N times) and shows it.
void vminta_Click(GameState& s, Platform& p);

// Leaves the target-map set-up for the basic one.
void alapall_Click(GameState& s);
// Menu item "Pendoly": switches the mode and its layout and results file.
void babilon_Click(GameState& s);
// The rearrangement check box; its value is read by the end-of-move check.
void atrend_Click(GameState& s, bool checked);

// Validation of the box `sorsz` in the number type: a colour 0..6 is taken and
// every tile redrawn; false (keep the focus in the box) for anything else.
bool sorsz_Validate(GameState& s, const QString& text);
// Leaving the box: during a game the keys go back to the board; otherwise a number
// typed in a colour or stored type starts the game.
void sorsz_LostFocus(GameState& s, GameFlow& flow);

// Back from a game or a dialog to the set-up state of the chosen type.
void RestoreSetupControls(GameState& s);
