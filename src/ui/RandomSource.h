// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A uniform random generator: Rnd() is in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
    // A whole number 0 <= n < bound, drawn as the game always draws: Int(Rnd * bound).
    int below(int bound) { return static_cast<int>(Rnd() * bound); }
};
