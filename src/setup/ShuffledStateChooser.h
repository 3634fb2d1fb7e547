// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chooser of stored shuffled states as the logic sees it: the window shows a
// dialog, tests script the choice.
#include "setup/ShuffledStates.h"
#include <optional>

struct GameState;

// Why the chooser is shown (`chooserMode`).
namespace ChooserMode {
constexpr int Load = 0;        // load a state onto the board
constexpr int Overwrite = 1;   // pick the state the board will replace
} // namespace ChooserMode

class ShuffledStateChooser {
public:
    virtual ~ShuffledStateChooser() = default;
    // Shows `states` (the current size's, in file order) and returns the index of the
    // one chosen, or nullopt when the user cancelled.
    virtual std::optional<int> choose(const GameState& s, int chooserMode,
                                      const QList<ShuffledStateEntry>& states) = 0;
};
