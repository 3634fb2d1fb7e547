// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/SoundModule.h"
#include "ui/sound/QtSoundDevice.h"

extern "C" Q_DECL_EXPORT SoundDevice* zkCreateSoundDevice() { return new QtSoundDevice; }
