// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The services the logic needs from the window system, bundled so they can be
// passed around as one reference and replaced by test doubles.
#include "ui/Clock.h"
#include "ui/EventPump.h"
#include "ui/MessageBox.h"
#include "ui/RandomSource.h"
#include "ui/SoundDevice.h"

struct Platform {
    MessageBox& messageBox;
    InputBox& inputBox;
    Clock& clock;
    RandomSource& random;
    SoundDevice& sound;
    EventPump& events;
};
