// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sound device is built as a module of its own and loaded when the first sound
// plays: the audio libraries it needs then cost nothing at start-up.
#include "ui/SoundDevice.h"

// The module's one entry point: a new device, owned by the caller.
#define ZK_SOUND_MODULE_ENTRY "zkCreateSoundDevice"
using CreateSoundDevice = SoundDevice* (*)();
