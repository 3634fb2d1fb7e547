// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board: an N x N playing field inside a ring of border cells. Rows and columns
// run 0..N+1; 0 and N+1 are the ring. Each cell has two layers: the value (0 empty,
// 99 wall, 1..98 a tile) and the index of the control that shows what stands there.
#include <vector>

struct Cell {
    int row = 0;
    int col = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

constexpr int kEmpty = 0;
constexpr int kWall = 99;

inline bool isTileValue(int value) { return value > kEmpty && value < kWall; }

class Board {
public:
    explicit Board(int n = 5) { resize(n); }

    // Redimensions for an N x N field; every cell becomes 0 in both layers.
    void resize(int n);

    int size() const { return m_n; }            // N
    int borderIdx() const { return m_n + 1; }   // index of the far ring row/column
    int gridSpan() const { return m_n + 2; }    // cells across, ring included
    int cellCount() const { return m_n * m_n; } // tiles of the field

    bool contains(Cell c) const {
        return c.row >= 0 && c.row <= m_n + 1 && c.col >= 0 && c.col <= m_n + 1;
    }
    bool isField(Cell c) const {
        return c.row >= 1 && c.row <= m_n && c.col >= 1 && c.col <= m_n;
    }
    bool isRing(Cell c) const { return contains(c) && !isField(c); }

    // Outside the board every cell reads as a wall and writes are ignored, so a
    // neighbour query at the edge never needs a bounds check of its own.
    int value(Cell c) const { return contains(c) ? m_cells[index(c)].value : kWall; }
    int ctl(Cell c) const { return contains(c) ? m_cells[index(c)].ctl : 0; }
    void setValue(Cell c, int v) { if (contains(c)) m_cells[index(c)].value = v; }
    void setCtl(Cell c, int k) { if (contains(c)) m_cells[index(c)].ctl = k; }
    void set(Cell c, int v, int k) { setValue(c, v); setCtl(c, k); }

    // Position p = 1..N² of the field, row by row.
    Cell fieldCell(int p) const { return {(p - 1) / m_n + 1, (p - 1) % m_n + 1}; }

    // Count of empty cells anywhere on the board (field and ring).
    int countEmpty() const;

private:
    struct Slot {
        int value = 0;
        int ctl = 0;
    };
    int index(Cell c) const { return c.row * (m_n + 2) + c.col; }

    int m_n = 0;
    std::vector<Slot> m_cells;
};
