// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <span>

// A uniform random generator: Rnd() is in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
    // The next draws.size() numbers, in order: the same as that many calls of Rnd().
    // A caller that needs a handful at once (a results record takes a dozen) pays one
    // call; a source that can draw them in a tight loop overrides it.
    virtual void RndInto(std::span<double> draws) {
        for (double& draw : draws) draw = Rnd();
    }
    // A whole number 0 <= n < bound, drawn as the game always draws: Int(Rnd * bound).
    int below(int bound) { return static_cast<int>(Rnd() * bound); }
};
