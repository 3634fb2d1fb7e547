// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/DiagonalTargets.h"
#include "play/GameState.h"

void BuildDiagonalTargets(GameState& s) {
    // Digit d of each string stands for row colour d: falling diagonals read row by
    // row, rising diagonals (symmetric, so row or column order read the same).
    static const char* const kFalling[] = {"1432214332144321", "1543221543321544321554321",
                                           "165432216543321654432165543216654321"};
    static const char* const kRising[] = {"1234234134124123", "1234523451345124512351234",
                                          "123456234561345612456123561234612345"};
    const int n = s.N();
    if (n < 4 || n > 6) return;
    const QByteArray falling(kFalling[n - 4]);
    const QByteArray rising(kRising[n - 4]);
    auto colourOf = [&](char digit) {
        const size_t d = static_cast<size_t>(digit - '0');
        return d < s.rowColours.size() ? s.rowColours[d] : 0;
    };
    for (int k = 1; k <= n * n; ++k) {
        s.targetPatterns[k][0] = colourOf(falling[k - 1]);
        s.targetPatterns[k][1] = colourOf(rising[k - 1]);
    }
}
