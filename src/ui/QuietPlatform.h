// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A platform that shows nothing, plays nothing and waits for nothing, but counts the
// message boxes the logic raised. Work the player should not see runs on it: setting
// a recorded game up on a copy of the state to check that it holds together.
#include "ui/Platform.h"

class QuietPlatform {
public:
    // The clock and the random source stay the real ones: times and draws still mean
    // what they mean.
    QuietPlatform(Clock& clock, RandomSource& random)
        : m_platform{m_boxes, m_boxes, clock, random, m_silence, m_silence} {}
    QuietPlatform(const QuietPlatform&) = delete;
    QuietPlatform& operator=(const QuietPlatform&) = delete;

    Platform& get() { return m_platform; }
    // Message boxes raised so far (each answered with Yes or OK).
    int messagesShown() const { return m_boxes.shown; }

private:
    struct Boxes final : MessageBox, InputBox {
        MsgAnswer show(const MessageRequest& request) override {
            ++shown;
            return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
        }
        QString ask(const QString&, const QString&, const QString&) override { return {}; }
        int shown = 0;
    };
    struct Silence final : SoundDevice, EventPump {
        bool open(const QString&) override { return false; }
        void command(const QString&) override {}
        void wait(double) override {}
    };
    Boxes m_boxes;
    Silence m_silence;
    Platform m_platform;
};
