// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Mouse input on the board frame. Positions are twips inside the frame; an event on
// a tile or a number label arrives as the same point of the frame, so it acts on the
// cell under it. Buttons are not told apart.
//
// While a game runs a click moves a tile with one empty neighbour, a press on a tile
// with several grabs it for a drag along its row or column, and in Pendoly mode a
// click beside the field rotates a row. Before a game (and while a rearrangement
// game is paused) clicks open and close ring cells and exchange two tiles.
#include "play/GameState.h"

struct Platform;
class MoveRules;

class MouseInput {
public:
    MouseInput(GameState& state, Platform& platform, MoveRules& rules)
        : m_s(state), m_p(platform), m_rules(rules) {}

    // A press on the board as the frame sees it: on a shown number label it is the
    // label's own press, elsewhere the frame's.
    void MouseDown(int button, int shift, double x, double y);

    void keret_MouseDown(int button, int shift, double x, double y);
    void keret_MouseMove(int button, int shift, double x, double y);
    void keret_MouseUp(int button, int shift, double x, double y);
    // The second press of a double click: in a Pendoly game, a second border click.
    void keret_DblClick();

    // Number label mg(index): in the number type it is part of its tile; in the
    // colour types labels 1..candidateCount pick a candidate move, and outside a
    // game any label click clears the set-up selection.
    void mg_MouseDown(int index, int button, int shift, double x, double y);

    // The cell under a frame point; (-1, -1) outside the cells.
    Cell cellAt(double x, double y) const;

private:
    void setUpClick(Cell cell);
    void setUpTileClick(Cell cell);
    void gameClick(Cell cell, double x, double y);
    void gameTileClick(Cell cell, double x, double y);
    void select(Cell cell);

    GameState& m_s;
    Platform& m_p;
    MoveRules& m_rules;
};
