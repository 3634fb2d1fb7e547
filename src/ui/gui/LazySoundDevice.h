// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's sound device. Opening a sound only remembers the file; the first sound
// played loads the sound module (and with it the audio system), which then plays
// every sound. Without the module, or without a machine that can play, the game is
// silent and goes on.
#include "ui/SoundDevice.h"
#include <QStringList>
#include <memory>

class LazySoundDevice final : public SoundDevice {
public:
    // `modulePaths`: where the sound module may be, tried in order (without the
    // file name's ending).
    explicit LazySoundDevice(QStringList modulePaths);
    ~LazySoundDevice() override;

    // False when there is no such file.
    bool open(const QString& fileName) override;
    void command(const QString& cmd) override;

    // Whether the sound module is loaded (it is once a sound has been played).
    bool moduleLoaded() const { return m_device != nullptr; }

private:
    void loadModule();

    QStringList m_modulePaths;
    bool m_moduleTried = false;
    std::unique_ptr<SoundDevice> m_device;
    QString m_file;           // the open file, "" when none
    bool m_handedOn = false;  // whether m_device holds m_file open
};
