// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// The wave-audio device: a sound file is opened, then driven by the commands
// "prev" (rewind), "play" and "stop". A device that cannot play does nothing.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual bool open(const QString& fileName) = 0;
    virtual void command(const QString& cmd) = 0;
};
