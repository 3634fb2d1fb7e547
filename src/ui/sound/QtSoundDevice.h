// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The wave-audio device on Qt Multimedia. Where the machine has no audio output
// (a server, a CI runner) or a sound file is missing, it stays silent and does
// nothing else: no error, no waiting.
#include "ui/SoundDevice.h"
#include <QAudioDevice>
#include <memory>

class QSoundEffect;

class QtSoundDevice final : public SoundDevice {
public:
    QtSoundDevice();
    ~QtSoundDevice() override;

    // Opens a wave file, closing the one held before. False when nothing can play it.
    bool open(const QString& fileName) override;
    // "prev" (rewind), "play", "stop" and "close"; other commands are ignored.
    void command(const QString& cmd) override;

    bool hasOutput() const { return !m_output.isNull(); }
    bool isOpen() const { return m_effect != nullptr; }

private:
    void close();

    QAudioDevice m_output;
    std::unique_ptr<QSoundEffect> m_effect;
};
