// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sound of one step: the step sound rewound and played, while sound is on.
#include "play/GameState.h"
#include "ui/SoundDevice.h"

inline void PlayStepSound(const GameState& s, SoundDevice& device) {
    if (!s.soundOn) return;
    device.command(QStringLiteral("prev"));
    device.command(QStringLiteral("play"));
}
