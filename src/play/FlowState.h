// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Types of the game-flow part of the state: the phase a game is in, the state of a
// tile drag, and the target map shown beside the board.
#include "play/Board.h"
#include <QtGlobal>
#include <vector>

// Where the window stands in the road of one game. `gameRunning` mirrors Playing
// (and a running demo); the panel controls are set at each transition.
enum class GamePhase {
    SetUp,          // size, type, open cells and exchanges may be changed
    Playing,        // the clock runs, moves are counted
    Paused,         // a rearrangement game reached its first target
    Finished,       // target reached; the name entry waits for the result
    CapturingStart, // a stored game's start is being set up
    Demo,           // the scripted demo plays itself
    Replay,         // a finished game plays itself again; the window comes back after it
};

// The demo game: off, playing itself, or paused by the player (Space).
enum class DemoState {
    Off,
    Running,
    Paused,
};

// A tile grabbed by the mouse: where its control stood and how far it may go.
struct DragState {
    Cell tile;           // the cell the tile was grabbed in
    int startLeft = 0;
    int startTop = 0;
    int minLeft = 0;
    int maxLeft = 0;
    int minTop = 0;
    int maxTop = 0;
    int markerIdx = 0;   // > 0 once destination markers were shown
};

// One small square of the target map, in twips inside the map frame.
struct MapShape {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    quint32 fillColour = 0;
    bool visible = false;
    friend bool operator==(const MapShape&, const MapShape&) = default;
};

// The target map: (N+2) x (N+2) shapes row by row, ring included; shape
// col + (N+2) * row shows cell (row, col).
struct TargetMap {
    static constexpr int kFrameWidth = 2000;   // mker is 2000 x 2000 twips
    std::vector<MapShape> shapes;
    int span = 0;                              // N+2 of the map drawn last

    const MapShape* shapeAt(int row, int col) const {
        if (row < 0 || col < 0 || row >= span || col >= span) return nullptr;
        const size_t i = static_cast<size_t>(col + span * row);
        return i < shapes.size() ? &shapes[i] : nullptr;
    }
    MapShape* shapeAt(int row, int col) {
        return const_cast<MapShape*>(static_cast<const TargetMap*>(this)->shapeAt(row, col));
    }
};
