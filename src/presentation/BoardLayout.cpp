// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/BoardLayout.h"
#include "play/BoardChanged.h"
#include "play/BoardRing.h"
#include "play/GameState.h"
#include "play/TileGeometry.h"
#include "presentation/TileColours.h"
#include "ui/RandomSource.h"
#include <cmath>
#include <vector>

void ClearBoard(GameState& s, RandomSource& rnd, int gridSpan) {
    s.controls.rowMarkers.clear();
    s.controls.colMarkers.clear();
    s.controls.walls.clear();
    s.controls.tiles.clear();
    BuildBoard(s, rnd, gridSpan);
}

void PlaceWallCell(GameState& s, int counter, int row, int col) {
    ShapeControl& wall = s.controls.walls[counter];
    wall.top = s.cellSize * row;
    wall.left = s.cellSize * col;
    wall.width = wall.height = s.cellSize + 15; // neighbouring walls overlap by 15 twips
    wall.visible = true;
}

// Walls of the ring in row order: the whole top row, then the two ends of each field
// row, then the whole bottom row. Calls `visit(cell)` in that order.
template <typename Visit> static void forEachRingCell(int n, Visit visit) {
    for (int r = 0; r <= n + 1; ++r) {
        if (r == 0 || r == n + 1) {
            for (int c = 0; c <= n + 1; ++c) visit(Cell{r, c});
        } else {
            visit(Cell{r, 0});
            visit(Cell{r, n + 1});
        }
    }
}

static bool tileVisible(const GameState& s) {
    return !s.numberTypeSelected() || s.numberTileColour != 0;
}

static void buildTile(GameState& s, int k, Cell cell) {
    TileControl& tile = s.controls.tiles[k];
    const int value = s.board.value(cell);
    tile.top = tileTopAt(s, cell.row);
    tile.left = tileLeftAt(s, cell.col);
    tile.width = tile.height = s.cellSize - 50;
    tile.visible = tileVisible(s);
    if (s.numberTypeSelected()) {
        tile.colourIndex = s.numberTileColour;
        LabelControl& label = s.controls.numberLabels[k];
        label.left = labelLeftAt(s, cell.col, value);
        label.top = labelTopAt(s, cell.row);
        label.caption = QString::number(value);
        label.visible = true;
    } else {
        tile.colourIndex = value;
    }
}

void BuildBoard(GameState& s, RandomSource& rnd, int gridSpan) {
    const int n = gridSpan - 2;
    BoardControls& ctl = s.controls;
    s.board.resize(n);
    for (LabelControl& label : ctl.numberLabels) label.visible = false;
    ctl.frameVisible = false;
    OnBoardChanged(s);

    FillInitialBoard(s, rnd);

    s.cellSize = kFrameWidth / gridSpan;
    s.cellInset = static_cast<int>(s.cellSize / 2.5);
    for (int i = 1; i <= 4; ++i)
        ctl.moveMarkers[i].width = ctl.moveMarkers[i].height = s.cellSize - 100;

    const int wallTotal = 4 * (n + 1);
    ctl.walls.assign(static_cast<size_t>(wallTotal + 1), ShapeControl{});
    int counter = 0;
    forEachRingCell(n, [&](Cell c) {
        ++counter;
        s.board.set(c, kWall, counter);
        PlaceWallCell(s, counter, c.row, c.col);
    });

    ctl.inner.top = ctl.inner.left = s.cellSize - 3;
    ctl.inner.width = ctl.inner.height = n * s.cellSize + 25;

    ctl.tiles.assign(static_cast<size_t>(n * n + 1), TileControl{});
    ctl.rowMarkers.assign(static_cast<size_t>(n + 1), MarkerControl{});
    ctl.colMarkers.assign(static_cast<size_t>(n + 1), MarkerControl{});
    s.rowColours.assign(static_cast<size_t>(n + 1), 0);
    s.colColours.assign(static_cast<size_t>(n + 1), 0);
    const bool randomType = s.panel.generalt.checked;
    const bool diagonalType = s.panel.atlos.checked;
    int tileCount = 0;
    for (int i = 1; i <= n; ++i) {
        MarkerControl& rowMarker = ctl.rowMarkers[i];
        MarkerControl& colMarker = ctl.colMarkers[i];
        rowMarker.left = kRowMarkerLeft;
        rowMarker.top = s.cellSize * i + 730;
        colMarker.left = s.cellSize * i + 1150;
        colMarker.top = kColMarkerTop;
        rowMarker.width = rowMarker.height = colMarker.width = colMarker.height = kMarkerSize;
        PickRowColour(s, rnd, i);
        PickColColour(s, rnd, i);
        colMarker.visible = randomType;
        rowMarker.visible = randomType || diagonalType;
        for (int j = 1; j <= n; ++j) {
            ++tileCount;
            buildTile(s, tileCount, {i, j});
            s.board.setCtl({i, j}, tileCount);
        }
    }

    s.gameRunning = false;
    DrawGridLines(s);
    ApplyModeLayout(s);
    ctl.frameVisible = true;
}

void FillInitialBoard(GameState& s, RandomSource& rnd) {
    Board& b = s.board;
    const int n = b.size();
    const int count = n * n;
    s.shuffleNo = 0;
    s.panel.kvall.visible = false;
    s.exchangeCount = 0;   // a fresh arrangement allows its own two exchanges

    std::vector<int> keys(static_cast<size_t>(count + 1));
    for (int p = 1; p <= count; ++p) keys[p] = static_cast<int>(std::lround(rnd.Rnd() * 1000));
    for (int p = 1; p <= count; ++p) {
        const Cell c = b.fieldCell(p);
        b.setValue(c, s.numberTypeSelected() ? p : c.row);
    }
    // Sorting the random keys carries the values along: a random permutation.
    for (int i = 1; i <= count - 1; ++i) {
        for (int j = 1; j <= count - i; ++j) {
            if (keys[j] <= keys[j + 1]) continue;
            std::swap(keys[j], keys[j + 1]);
            const Cell a = b.fieldCell(j);
            const Cell c = b.fieldCell(j + 1);
            const int v = b.value(a);
            b.setValue(a, b.value(c));
            b.setValue(c, v);
        }
    }
    // A new arrangement changes the field, not the ring: the cells the player opened
    // stay open, as they are still drawn. Anything else on the ring (a tile of a game
    // given up) becomes a wall again. The markers then show what the board holds.
    int counter = 0;
    forEachRingCell(n, [&](Cell c) { b.set(c, b.value(c) == kEmpty ? kEmpty : kWall, ++counter); });
    ShowRingAsBoardHolds(s);
}

// Draws a colour 1..N not yet used by markers 1..index-1. A draw that keeps hitting
// used colours (a biased random source) falls back to the first unused one.
static int drawDistinctColour(std::vector<int>& colours, RandomSource& rnd, int index, int n) {
    auto used = [&](int c) {
        for (int m = 1; m < index; ++m)
            if (colours[m] == c) return true;
        return false;
    };
    int c = rnd.below(100) % n + 1;
    for (int attempt = 0; used(c) && attempt < 1000; ++attempt) c = rnd.below(100) % n + 1;
    for (c = used(c) ? 1 : c; used(c); ++c) {}
    colours[index] = c;
    return c;
}

void PickRowColour(GameState& s, RandomSource& rnd, int row) {
    if (row < 1 || row >= static_cast<int>(s.rowColours.size())) return;
    s.controls.rowMarkers[row].colourIndex = drawDistinctColour(s.rowColours, rnd, row, s.N());
}

void PickColColour(GameState& s, RandomSource& rnd, int col) {
    if (col < 1 || col >= static_cast<int>(s.colColours.size())) return;
    s.controls.colMarkers[col].colourIndex = drawDistinctColour(s.colColours, rnd, col, s.N());
}

void DrawGridLines(GameState& s) {
    BoardControls& ctl = s.controls;
    const int n = s.N();
    // Every line and groove is hidden first, element 0 included, so a look switch
    // never leaves a line of the other look behind.
    for (auto& groove : ctl.grooves) groove.visible = false;
    for (auto& line : ctl.gridLines) line.visible = false;
    if (s.look3D) {
        ctl.inner.visible = false;
        for (int i = 1; i <= n + 1; ++i) {
            ShapeControl& across = ctl.grooves[i - 1];
            across = {360, s.cellSize * i - 40, 4335, 105, true};
            ShapeControl& down = ctl.grooves[i + 6];
            down = {s.cellSize * i - 40, 380, 105, 4335, true};
        }
        return;
    }
    ctl.inner.visible = true;
    const ShapeControl& in = ctl.inner;
    for (int i = 1; i <= n - 1; ++i) {
        const int y = in.top + s.cellSize * i;
        const int x = in.left + s.cellSize * i;
        ctl.gridLines[i - 1] = {in.left, y, in.left + in.width, y, true};
        ctl.gridLines[i + 6] = {x, in.top, x, in.top + in.height, true};
    }
}

void ApplyModeLayout(GameState& s) {
    BoardControls& ctl = s.controls;
    Board& b = s.board;
    const int n = s.N();
    for (int i = 0; i <= 6; ++i) ctl.rowNumbers[i].visible = false;
    if (s.pendolyMode) {
        ctl.windowTitle = QString::fromUtf8(kPendolyTitle);
        forEachRingCell(n, [&](Cell c) {
            if (b.value(c) != kEmpty) return;
            b.setValue(c, kWall);
            const int m = b.ctl(c);
            if (m >= 1 && m <= ctl.wallCount()) ctl.walls[m].visible = true;
        });
        for (int i = 1; i <= n; ++i) {
            ctl.rowNumbers[i].left = kRowNumberLeft;
            ctl.rowNumbers[i].top = s.cellSize * i + 760;
            ctl.rowNumbers[i].caption = QString::number(i);
        }
    } else {
        ctl.windowTitle = QString::fromUtf8(kTitle);
        for (int c = 1; c <= n; ++c) b.setValue({0, c}, kWall);
    }
}

void hdim_Click(GameState& s, const std::array<quint32, 8>* storedColours) {
    s.look3D = !s.look3D;
    s.panel.color.enabled = !s.look3D;
    s.panel.hdim.checked = s.look3D;
    if (s.look3D) {
        SetDefaultTileColours(s);
    } else if (storedColours) {
        for (int i = 1; i <= 7; ++i) s.tileColours[i] = (*storedColours)[i];
    }
    // The same tile controls serve both looks: they keep their cells and positions.
    const bool visible = tileVisible(s);
    for (int k = 1; k <= s.controls.tileCount(); ++k) s.controls.tiles[k].visible = visible;
    RefillTiles(s);
    DrawGridLines(s);
    if (s.panel.mker.visible) RecolourTargetMap(s);
}

void RefillTiles(GameState& s) {
    const Board& b = s.board;
    for (int r = 0; r <= b.borderIdx(); ++r) {
        for (int c = 0; c <= b.borderIdx(); ++c) {
            const int value = b.value({r, c});
            const int k = b.ctl({r, c});
            if (!isTileValue(value) || k < 1 || k > s.controls.tileCount()) continue;
            s.controls.tiles[k].colourIndex = s.numberTypeSelected() ? s.numberTileColour : value;
        }
    }
}

void ShowAllTiles(GameState& s) {
    if (s.numberTileColour > 0) return;
    for (int k = 1; k <= s.controls.tileCount(); ++k) s.controls.tiles[k].visible = true;
}

void RecolourTargetMap(GameState& s) {
    TargetMap& map = s.targetMap;
    for (int i = 0; i < map.span; ++i) {
        for (int j = 0; j < map.span; ++j) {
            MapShape* shape = map.shapeAt(i, j);
            const qsizetype at = i * map.span + j;
            if (!shape || at >= s.targetMapText.size()) continue;
            const int digit = s.targetMapText.at(at).digitValue();
            if (digit >= 1 && digit <= 7) shape->fillColour = s.tileColours[digit];
            // An opening waits in the hole colour until its game starts; from then on it
            // is drawn as a wall, and a new wall colour reaches it too.
            if (digit == 0 && shape->fillColour != s.holeColour) shape->fillColour = s.tileColours[7];
        }
    }
}
