// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lets long actions (shuffle animation, demo) keep the window responsive while they wait.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Shows the current state and processes pending window events for about `seconds`.
    virtual void wait(double seconds) = 0;
};
