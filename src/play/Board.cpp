// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Board.h"
#include <algorithm>

void Board::resize(int n) {
    m_n = n;
    m_cells.assign(static_cast<size_t>((n + 2) * (n + 2)), Slot{});
}

int Board::countEmpty() const {
    return static_cast<int>(
        std::count_if(m_cells.begin(), m_cells.end(), [](const Slot& s) { return s.value == kEmpty; }));
}
