// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the board frame shows, as plain data in twips: the drawn board is a faithful
// picture of this. Positions of items inside the frame are relative to the frame;
// the row and column markers and the row numbers lie outside it and are relative to
// the window, as the layout table gives them.
#include <QString>
#include <array>
#include <vector>

struct ShapeControl {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
};

// A tile: a filled circle in the flat look, a shaded ball in the 3D look. It shows
// colour `colourIndex` of the colour table (flat) or of the ball pictures (3D).
struct TileControl : ShapeControl {
    int colourIndex = 0;
};

struct MarkerControl : ShapeControl {
    int colourIndex = 0;
};

struct LabelControl {
    int left = 0;
    int top = 0;
    int width = 255;
    int height = 255;
    QString caption;
    bool visible = false;
    quint32 colour = 0x80000012;   // text colour, 0x00BBGGRR or a system colour
};

struct LineControl {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool visible = false;
};

constexpr int kFrameWidth = 5000;      // the board frame `keret`, square
constexpr int kFrameLeft = 840;        // its place in the window
constexpr int kFrameTop = 480;
constexpr int kMaxNumberLabels = 37;   // mg(1..36) tile numbers, mg(37) the edit-mode "C"
constexpr int kGridLineCount = 14;     // von(0..13) and vr(0..13)

// A move marker stands this many twips inside its cell.
constexpr int kMoveMarkerInset = 70;

struct BoardControls {
    // Index 0 of the arrays below is unused, so index k is control k as in the tables.
    std::vector<TileControl> tiles;                 // g(k) / tg(k), k = 1..tileCount
    std::vector<ShapeControl> walls;                // pm(m), m = 1..counter
    std::array<LabelControl, kMaxNumberLabels + 1> numberLabels{}; // mg(1..37)
    std::vector<MarkerControl> rowMarkers;          // ssz(i), i = 1..N
    std::vector<MarkerControl> colMarkers;          // osz(i), i = 1..N
    ShapeControl inner;                             // belso: outline of the field
    std::array<LineControl, kGridLineCount> gridLines{}; // von: flat look
    std::array<ShapeControl, kGridLineCount> grooves{};  // vr: 3D look
    std::array<LabelControl, 8> rowNumbers{};       // sorb(0..7), Pendoly mode
    LabelControl rowPointer;                        // sorj "<"
    std::array<ShapeControl, 5> moveMarkers{};      // jg(1..4), kMoveMarkerInset inside their cells
    bool frameVisible = true;                       // keret
    QString windowTitle;

    int tileCount() const { return static_cast<int>(tiles.size()) - 1; }
    int wallCount() const { return static_cast<int>(walls.size()) - 1; }
};
