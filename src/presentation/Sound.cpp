// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/Sound.h"
#include "files/FileLimits.h"
#include "play/GameState.h"
#include "ui/SoundDevice.h"
#include <QFileInfo>

void PrepareSound(const GameState& s, SoundDevice& device, const GameFolders& folders) {
    device.command(QStringLiteral("close"));
    if (!s.soundOn) return;
    const char* file = s.gameRunning ? kStepSound : kShuffleSound;
    // The sound device reads the whole file: a pipe or a device in its place, or a file
    // far larger than any short sound, is no sound and is left silent, like a missing one.
    const QString path = folders.shippedFile(QLatin1String(file));
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || info.size() > FileLimit::Sound)) return;
    device.open(path);
}

void hang_kell_Click(GameState& s, SoundDevice& device, const GameFolders& folders) {
    s.soundOn = !s.soundOn;
    s.panel.hang_kell.checked = s.soundOn;
    PrepareSound(s, device, folders);
}
