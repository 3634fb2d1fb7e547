// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The last two counted moves, newest first: what a take-back can undo. A move's
// inverse undoes it exactly, so the moves themselves are all a take-back needs.
#include "play/Move.h"
#include <array>

class MoveHistory {
public:
    static constexpr int kDepth = 2;

    // Records a counted move; the oldest one falls out.
    void record(const Move& move) {
        for (int i = kDepth - 1; i > 0; --i) m_moves[i] = m_moves[i - 1];
        m_moves[0] = move;
        if (m_size < kDepth) ++m_size;
    }
    // The move a take-back undoes next; null when there is none.
    const Move* newest() const { return m_size > 0 ? &m_moves[0] : nullptr; }
    void dropNewest() {
        if (m_size == 0) return;
        for (int i = 0; i + 1 < kDepth; ++i) m_moves[i] = m_moves[i + 1];
        --m_size;
    }
    int size() const { return m_size; }
    bool empty() const { return m_size == 0; }

private:
    std::array<Move, kDepth> m_moves{};
    int m_size = 0;
};
