// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exchange of two tiles named by their numbers, typed as "a-b" into an input
// box: the number type's way to set up a start, offered by the button `okev`.
class InputBox;
class MoveRules;
struct GameState;

// Asks for "a-b" and exchanges the tiles numbered a and b. False when nothing was
// exchanged (cancelled, malformed, or no such tile).
bool ExchangeByNumbers(GameState& s, MoveRules& rules, InputBox& inputBox);
